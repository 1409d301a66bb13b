#pragma once
// What the browser proxy scenarios share: a stand-in Firefox installed where the program looks for it, its start
// log, the process list, the user's Internet settings as the registry tool shows them, and a settings file of
// profiles to apply.
#include <cstdio>
#include <windows.h>

#include <tlhelp32.h>

#include <optional>
#include <string>
#include <vector>

#include "app/model/ControlIds.h"
#include "tests/e2e/driver/Driver.h"
#include "tests/e2e/driver/StoredProfiles.h"

namespace browser_proxy {

const std::string kFirefoxFolder = "C:\\Program Files\\Mozilla Firefox\\";
const std::string kFirefoxLog = kFirefoxFolder + "firefox.log";
const std::string kInternetSettings = "HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";
const std::string kMakerAddress = "http://www.vokcorp.example/";

inline void MakeFolders(const std::string& path) {
    for (std::size_t at = path.find('\\', 3); at != std::string::npos; at = path.find('\\', at + 1)) {
        CreateDirectoryA(path.substr(0, at).c_str(), nullptr);
    }
    CreateDirectoryA(path.c_str(), nullptr);
}

using e2e::FileLines;

using e2e::RunningProcesses;

// Ends every process of that name and waits until each has ended.
inline bool EndProcesses(const std::string& exeName) {
    bool ended = true;
    for (DWORD id : RunningProcesses(exeName)) {
        HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, id);
        if (!process) continue;
        TerminateProcess(process, 1);
        ended = WaitForSingleObject(process, 10000) == WAIT_OBJECT_0 && ended;
        CloseHandle(process);
    }
    return ended;
}

// Installs the stand-in at Firefox's usual place.
inline bool InstallFirefox(const e2e::Context& ctx) {
    MakeFolders(kFirefoxFolder.substr(0, kFirefoxFolder.size() - 1));
    return e2e::PlaceHelper(ctx, "firefox.exe", kFirefoxFolder);
}

// Starts the installed stand-in as a user would (no arguments unless given) and waits until it has logged its start;
// the process handle, or nullptr. With "--with-children" its two child processes run once it has logged.
inline HANDLE StartFirefox(e2e::Context& ctx, const std::string& arguments = "") {
    const std::size_t startsBefore = FileLines(kFirefoxLog).size();
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    std::string commandLine = "\"" + kFirefoxFolder + "firefox.exe\"" + (arguments.empty() ? "" : " " + arguments);
    if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, kFirefoxFolder.c_str(), &startup,
                        &info)) {
        e2e::Check(ctx, false, "the stand-in Firefox started");
        return nullptr;
    }
    CloseHandle(info.hThread);
    e2e::Check(ctx, e2e::WaitUntil([&] { return FileLines(kFirefoxLog).size() == startsBefore + 1; }, 20000),
               "the stand-in Firefox logged its start");
    return info.hProcess;
}

// What the registry tool prints for one value of the Internet settings, blanks collapsed: "NAME TYPE DATA".
inline std::string RegToolQuery(const e2e::Context& ctx, const std::string& value) {
    const std::string output = ctx.artifactsDir + "..\\reg-query.txt";
    DeleteFileA(output.c_str());
    e2e::RunAndWait("cmd.exe /c reg.exe query \"" + kInternetSettings + "\" /v " + value + " > \"" + output + "\"",
                    30000);
    for (const std::string& line : FileLines(output)) {
        std::string collapsed;
        for (char c : line) {
            const bool blank = c == ' ' || c == '\t';
            if (blank && (collapsed.empty() || collapsed.back() == ' ')) continue;
            collapsed += blank ? ' ' : c;
        }
        while (!collapsed.empty() && collapsed.back() == ' ') collapsed.pop_back();
        if (collapsed.rfind(value + " ", 0) == 0) return collapsed;
    }
    return "<not found>";
}

// The stored type and byte count of a value of the Internet settings.
inline std::string StoredShape(const std::string& value) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kInternetSettings.substr(5).c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return "<no key>";
    }
    DWORD type = 0;
    DWORD size = 0;
    const LONG result = RegQueryValueExA(key, value.c_str(), nullptr, &type, nullptr, &size);
    RegCloseKey(key);
    if (result != ERROR_SUCCESS) return "<no value>";
    return "type " + std::to_string(type) + ", " + std::to_string(size) + " bytes";
}

using zelta::fakes::ProxyProfile;

// Loads the profile into the editor and applies it with the Apply button; true when no error report came up.
inline bool Apply(e2e::Zelta& app, int index) {
    app.ClickBarItem(zelta::kId_XPBar_Profiles, index);
    app.Click(zelta::kId_Button_ApplyProfile);
    if (app.FindProcessWindow("#32770") == nullptr) return true;
    const auto report = app.TakeErrorReport(1000);
    std::printf("unexpected message: %s\n", report.value_or("?").c_str());
    return false;
}

// What that many activations of the DHCP profiles for "LAN" hand to netsh, in all.
inline std::vector<std::string> NetshAfter(int activations) {
    std::vector<std::string> lines;
    for (int i = 0; i < activations; ++i) lines = e2e::Joined(lines, e2e::DhcpArguments("LAN"));
    return lines;
}

}  // namespace browser_proxy
