#include "platform/win32/Launcher_win32.h"

#include <shellapi.h>

#include <vector>

#include "platform/win32/KernelHandle_win32.h"

namespace zelta::platform {

namespace {

int ShowCommand(ShowMode mode) { return mode == ShowMode::Hidden ? SW_HIDE : SW_SHOWNORMAL; }

// Runs the window messages that have arrived. False when the program is being asked to quit; the quit message
// is posted again so that the main message loop still sees it.
bool PumpMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return false;
        }
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return true;
}

}  // namespace

void Win32Launcher::RunCommandLine(const std::string& commandLine, ShowMode mode) {
    // The launcher's answer is deliberately not examined: a tool that cannot start simply does not appear.
    (void)WinExec(commandLine.c_str(), static_cast<UINT>(ShowCommand(mode)));
}

bool Win32Launcher::RunCommandLineAndWait(const std::string& commandLine, ShowMode mode, unsigned maxWaitMs) {
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');  // the system may write into the command line it is given

    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(ShowCommand(mode));
    PROCESS_INFORMATION created = {};
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &created)) {
        return false;
    }
    const KernelHandle process(created.hProcess);
    const KernelHandle thread(created.hThread);

    // Messages keep flowing while we wait, so the window repaints and its caption animation runs on.
    const ULONGLONG deadline = GetTickCount64() + maxWaitMs;
    for (;;) {
        const ULONGLONG now = GetTickCount64();
        const DWORD remaining = now >= deadline ? 0 : static_cast<DWORD>(deadline - now);
        HANDLE waitFor = process.Get();
        const DWORD result = MsgWaitForMultipleObjects(1, &waitFor, FALSE, remaining, QS_ALLINPUT);
        if (result == WAIT_OBJECT_0) return true;
        if (result != WAIT_OBJECT_0 + 1) return false;  // the time ran out, or the wait itself failed
        if (!PumpMessages()) return false;
    }
}

void Win32Launcher::ShellOpen(const std::string& target, const std::string& parameters, ShowMode mode) {
    // As with the command-line launcher, the shell's answer is not examined.
    (void)ShellExecuteA(owner_, "open", target.c_str(), parameters.empty() ? nullptr : parameters.c_str(), nullptr,
                        ShowCommand(mode));
}

}  // namespace zelta::platform
