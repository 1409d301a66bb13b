#include "tests/e2e/driver/Starts.h"

#include "tests/e2e/driver/Driver.h"

namespace e2e {

HWND ProcessWindow(DWORD processId, const char* className) {
    return FirstTopLevelWindow(
        [&](HWND window) { return ProcessOf(window) == processId && ClassOf(window) == className; });
}

std::string RefusedWideStart(const std::wstring& commandLine, int& exitCode) {
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    std::wstring line = commandLine;
    exitCode = -1;
    if (!CreateProcessW(nullptr, &line[0], nullptr, nullptr, FALSE, DETACHED_PROCESS, nullptr, nullptr, &startup,
                        &info)) {
        return {};
    }
    HWND box = nullptr;
    WaitUntil([&] { return (box = MessageBoxOfProcess(info.dwProcessId)) != nullptr; }, 30000);
    const std::string text = box ? MessageBoxText(box) : std::string();
    if (box) PostMessageA(box, WM_COMMAND, IDOK, 0);
    DWORD code = 0;
    if (WaitForSingleObject(info.hProcess, 10000) == WAIT_OBJECT_0 && GetExitCodeProcess(info.hProcess, &code)) {
        exitCode = static_cast<int>(code);
    } else {
        TerminateProcess(info.hProcess, 1);
    }
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
    return text;
}

}  // namespace e2e
