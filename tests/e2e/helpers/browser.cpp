// A stand-in for a browser (built as firefox.exe): it records each start, with its arguments as UTF-8, as one line
// of <name>.log in its own folder, and then runs without a window until it is terminated, so that a process
// snapshot lists it for as long as a browser would run. Started with "--with-children", it first starts two child
// processes of its own program, as a browser of separate tab processes does; they record nothing and, unlike a real
// browser's, run on when it is terminated.
#include <windows.h>

#include <string>

#include "tests/e2e/helpers/StartedWith.h"

namespace {

using helpers::Arguments;
using helpers::Utf8;

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    const std::wstring arguments = Arguments();
    if (arguments == L"--child") {
        for (;;) Sleep(INFINITE);
    }
    for (int i = 0; arguments == L"--with-children" && i < 2; ++i) {
        std::wstring child = L"\"" + std::wstring(path) + L"\" --child";
        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        PROCESS_INFORMATION info{};
        if (!CreateProcessW(path, &child[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info)) continue;
        CloseHandle(info.hThread);
        CloseHandle(info.hProcess);
    }
    std::wstring log = path;
    const auto dot = log.rfind(L'.');
    if (dot != std::wstring::npos) log.resize(dot);
    log += L".log";

    HANDLE file = CreateFileW(log.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        const std::string line = "started " + Utf8(arguments) + "\r\n";
        DWORD written = 0;
        WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
        CloseHandle(file);
    }
    // Runs until terminated, as a browser the user left open.
    for (;;) Sleep(INFINITE);
}
