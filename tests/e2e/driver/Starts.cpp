#include "tests/e2e/driver/Starts.h"

#include <tlhelp32.h>

namespace e2e {

Start::Start(Context& ctx, const std::string& arguments) {
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    std::string commandLine = "\"" + ctx.appDir + "Zelta.exe\" " + arguments;
    if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, DETACHED_PROCESS, nullptr,
                        ctx.appDir.c_str(), &startup, &info)) {
        Check(ctx, false, "started " + commandLine);
        return;
    }
    CloseHandle(info.hThread);
    process_ = info.hProcess;
    processId_ = info.dwProcessId;
}

Start::~Start() {
    if (!process_) return;
    if (WaitForSingleObject(process_, 0) == WAIT_TIMEOUT) TerminateProcess(process_, 1);
    CloseHandle(process_);
}

std::optional<int> Start::ExitCode(int timeoutMs) const {
    DWORD code = 0;
    if (!process_ || WaitForSingleObject(process_, static_cast<DWORD>(timeoutMs)) != WAIT_OBJECT_0 ||
        !GetExitCodeProcess(process_, &code)) {
        return std::nullopt;
    }
    return static_cast<int>(code);
}

namespace {
struct WindowOfProcess {
    DWORD processId;
    const char* className;
    HWND found;
};
BOOL CALLBACK ConsiderWindow(HWND window, LPARAM lParam) {
    auto* search = reinterpret_cast<WindowOfProcess*>(lParam);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search->processId || ClassOf(window) != search->className) return TRUE;
    search->found = window;
    return FALSE;
}
}  // namespace

HWND ProcessWindow(DWORD processId, const char* className) {
    WindowOfProcess search{processId, className, nullptr};
    if (processId) EnumWindows(ConsiderWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

int RunningCopies(const char* exeName) {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return -1;
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof(entry);
    int count = 0;
    for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry)) {
        if (lstrcmpiA(entry.szExeFile, exeName) == 0) ++count;
    }
    CloseHandle(snapshot);
    return count;
}

std::optional<std::string> TakeMessageBox(DWORD processId, int timeoutMs) {
    HWND box = nullptr;
    if (!WaitUntil([&] { return (box = MessageBoxOfProcess(processId)) != nullptr; }, timeoutMs)) return std::nullopt;
    const std::string text = MessageBoxText(box);
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    WaitUntil([&] { return !IsWindow(box); }, 5000);
    return text;
}

std::string CommandOutput(const std::string& commandLine, int timeoutMs) {
    char folder[MAX_PATH] = {};
    char path[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, folder);
    GetTempFileNameA(folder, "out", 0, path);
    SECURITY_ATTRIBUTES inherit{sizeof(inherit), nullptr, TRUE};
    HANDLE output = CreateFileA(path, GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS, 0, nullptr);
    if (output == INVALID_HANDLE_VALUE) return {};
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = output;
    startup.hStdError = output;
    PROCESS_INFORMATION info{};
    std::string mutableLine = commandLine;
    if (CreateProcessA(nullptr, &mutableLine[0], nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr, nullptr, &startup,
                       &info)) {
        WaitForSingleObject(info.hProcess, static_cast<DWORD>(timeoutMs));
        CloseHandle(info.hThread);
        CloseHandle(info.hProcess);
    }
    CloseHandle(output);
    const std::string text = ReadFileBytes(path).value_or("");
    DeleteFileA(path);
    return text;
}

}  // namespace e2e
