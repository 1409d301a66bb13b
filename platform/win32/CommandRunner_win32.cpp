#include "platform/win32/CommandRunner_win32.h"

#include <windows.h>

#include <utility>
#include <vector>

#include "platform/PathText.h"
#include "platform/win32/KernelHandle_win32.h"
#include "platform/win32/SystemErrorText_win32.h"

namespace zelta::platform {

namespace {

// More output than this is read and dropped: a report has no use for megabytes, and the pipe must keep flowing.
constexpr std::size_t kOutputLimit = 64 * 1024;
constexpr DWORD kPollMs = 20;
// How long a stopped command may take to go away before it is given up.
constexpr DWORD kEndWaitMs = 5000;

CommandResult NotStarted(DWORD code) {
    CommandResult result;
    result.status = CommandResult::Status::NotStarted;
    result.reason = SystemErrorText(code);
    return result;
}

// Reads whatever the pipe holds right now without ever blocking. False once every writer has closed it and it
// is empty.
bool Drain(HANDLE pipe, std::string& output) {
    for (;;) {
        DWORD available = 0;
        if (!PeekNamedPipe(pipe, nullptr, 0, nullptr, &available, nullptr)) return false;
        if (available == 0) return true;
        char buffer[4096];
        DWORD read = 0;
        const DWORD wanted = available < sizeof(buffer) ? available : static_cast<DWORD>(sizeof(buffer));
        if (!ReadFile(pipe, buffer, wanted, &read, nullptr) || read == 0) return false;
        if (output.size() < kOutputLimit) output.append(buffer, read < kOutputLimit - output.size()
                                                                    ? read
                                                                    : kOutputLimit - output.size());
    }
}

}  // namespace

CommandResult Win32CommandRunner::Run(const std::string& program, const std::string& commandLine,
                                      unsigned timeoutMs) {
    SECURITY_ATTRIBUTES inheritable{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    HANDLE readEnd = nullptr;
    HANDLE writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &inheritable, 0)) return NotStarted(GetLastError());
    const KernelHandle pipe(readEnd);
    KernelHandle childOutput(writeEnd);
    // Only the child's ends are inherited.
    SetHandleInformation(pipe.Get(), HANDLE_FLAG_INHERIT, 0);
    KernelHandle childInput(CreateFileA("NUL", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, &inheritable,
                                        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));

    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES | STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_HIDE;
    startup.hStdInput = childInput.Get();
    startup.hStdOutput = childOutput.Get();
    startup.hStdError = childOutput.Get();
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');  // the system may write into the command line it is given
    PROCESS_INFORMATION created{};
    // Suspended until it is in the job, so that nothing it starts can escape it. No console window: the command
    // gets a console of its own that is never shown.
    // It runs in its own folder, so that nothing it looks up there first can come from anywhere else.
    const std::string folder = ParentFolder(program);
    if (!CreateProcessA(program.c_str(), line.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW | CREATE_SUSPENDED,
                        nullptr, folder.empty() ? nullptr : folder.c_str(), &startup, &created)) {
        return NotStarted(GetLastError());
    }
    const KernelHandle process(created.hProcess);
    const KernelHandle thread(created.hThread);
    // The parent's copies go, so the pipe reports its end once the command and its children are done with it.
    childOutput.Reset();
    childInput.Reset();

    // A process already in a job of its own may refuse a second one; it is then ended alone.
    KernelHandle job(CreateJobObjectA(nullptr, nullptr));
    if (job && !AssignProcessToJobObject(job.Get(), process.Get())) job.Reset();
    ResumeThread(thread.Get());

    CommandResult result;
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    bool pipeOpen = true;
    for (;;) {
        if (pipeOpen) pipeOpen = Drain(pipe.Get(), result.output);
        if (WaitForSingleObject(process.Get(), kPollMs) == WAIT_OBJECT_0) break;
        if (GetTickCount64() >= deadline) {
            if (!job || !TerminateJobObject(job.Get(), 1)) TerminateProcess(process.Get(), 1);
            WaitForSingleObject(process.Get(), kEndWaitMs);
            result.status = CommandResult::Status::TimedOut;
            break;
        }
    }
    // What it printed before it ended is in the pipe already; a child it left running may hold the pipe open, so
    // the end of the pipe is not waited for.
    if (pipeOpen) Drain(pipe.Get(), result.output);
    if (result.status == CommandResult::Status::Ended) {
        DWORD code = 0;
        GetExitCodeProcess(process.Get(), &code);
        result.exitCode = code;
    }
    return result;
}

}  // namespace zelta::platform
