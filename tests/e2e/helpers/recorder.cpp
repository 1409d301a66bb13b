// A stand-in for a system program (built as netsh.exe and as Quillet.exe): it records how it was started, in
// files named after itself beside itself, so that a test can check exactly what reached it, and which copy ran.
//   <name>.log        one line per start: the arguments after the program name, as UTF-8
//   <name>.start.log  one line per start: the current folder and the show mode it was asked for
//   <name>.console.log one line per start: its console window, "shown", "hidden", or "none" when it has none
// Started as netsh, it runs only the command forms that netsh documents for the Windows version it runs on
// (NetshSyntax.h) and answers any other line as netsh does, with exit code 1.
// When <name>-fail.txt exists and its first line is empty or occurs in the arguments, it prints the file's second
// line and exits with 1, as a failing command would. Otherwise, when <name>-registry.txt exists, it changes the
// adapter's registry values as netsh would (NetshEffect.h) for a line of the program's own adapter commands.
#include <windows.h>

#include <versionhelpers.h>

#include <string>

#include "tests/e2e/helpers/NetshEffect.h"
#include "tests/e2e/helpers/NetshSyntax.h"
#include "tests/e2e/helpers/StartedWith.h"

namespace {

using helpers::Arguments;
using helpers::Utf8;
using helpers::Wide;

// Its own path without the extension: "C:\\windows\\system32\\netsh".
std::wstring OwnName() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring name = path;
    const auto dot = name.rfind(L'.');
    return dot == std::wstring::npos || dot < name.find_last_of(L"\\/") ? name : name.substr(0, dot);
}

void Print(const std::string& text) {
    const std::string line = text + "\r\n";
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
}

bool IsNetsh(const std::wstring& name) {
    const std::wstring file = name.substr(name.find_last_of(L"\\/") + 1);
    return lstrcmpiW(file.c_str(), L"netsh") == 0;
}

void Append(const std::wstring& file, const std::string& line) {
    HANDLE handle = CreateFileW(file.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return;
    const std::string bytes = line + "\r\n";
    DWORD written = 0;
    WriteFile(handle, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(handle);
}

std::string ReadAll(const std::wstring& file, bool& exists) {
    HANDLE handle = CreateFileW(file.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    exists = handle != INVALID_HANDLE_VALUE;
    if (!exists) return {};
    std::string bytes(65536, '\0');
    DWORD read = 0;
    ReadFile(handle, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
    CloseHandle(handle);
    bytes.resize(read);
    return bytes;
}

std::string Line(const std::string& text, int index) {
    std::size_t start = 0;
    for (int i = 0; i < index; ++i) {
        start = text.find('\n', start);
        if (start == std::string::npos) return {};
        ++start;
    }
    std::string line = text.substr(start, text.find('\n', start) - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return line;
}

}  // namespace

int main() {
    const std::wstring name = OwnName();
    const std::string arguments = Utf8(Arguments());
    Append(name + L".log", arguments);

    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    GetStartupInfoW(&startup);
    wchar_t folder[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, folder);
    const int show = (startup.dwFlags & STARTF_USESHOWWINDOW) ? startup.wShowWindow : -1;
    Append(name + L".start.log", "folder=" + Utf8(folder) + " show=" + std::to_string(show));
    HWND console = GetConsoleWindow();
    Append(name + L".console.log", !console ? "none" : IsWindowVisible(console) ? "shown" : "hidden");

    if (IsNetsh(name)) {
        const int major = IsWindowsVistaOrGreater() ? 6 : 5;
        const int minor = IsWindows7OrGreater() ? 1 : 0;
        if (const auto refusal = helpers::NetshRefusal(arguments, major, minor)) {
            Print(*refusal);
            return 1;
        }
    }

    bool failOnRequest = false;
    const std::string fail = ReadAll(name + L"-fail.txt", failOnRequest);
    const std::string match = Line(fail, 0);
    if (failOnRequest && (match.empty() || arguments.find(match) != std::string::npos)) {
        Print(Line(fail, 1));
        return 1;
    }
    bool affectsRegistry = false;
    const std::string effect = ReadAll(name + L"-registry.txt", affectsRegistry);
    if (!affectsRegistry) return 0;
    // The arguments follow the program's name, which the command begins with.
    std::string problem;
    const auto command = zelta::adapters::ReadAdapterCommand("netsh " + arguments, problem);
    if (!command) return 0;
    const std::wstring lease = Wide(Line(effect, 1));
    std::string printed;
    const int code = helpers::ApplyNetshCommand(*command, Wide(Line(effect, 0)), lease, Wide(Line(effect, 2)), printed);
    if (!printed.empty()) Print(printed);
    if (code == 0) helpers::GiveInterfaceTheAddress(*command, lease, Wide(Line(effect, 3)));
    return code;
}
