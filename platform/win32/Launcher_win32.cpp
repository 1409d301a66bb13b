#include "platform/win32/Launcher_win32.h"

#include <shellapi.h>

#include <vector>

#include "platform/ProductNames.h"
#include "platform/win32/KernelHandle_win32.h"
#include "platform/win32/SystemErrorText_win32.h"
#include "platform/win32/SystemFolder_win32.h"
#include "platform/win32/SystemLibrary_win32.h"

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

struct StartedProcess {
    KernelHandle process;
    KernelHandle thread;
};

// The program is taken from the system folder by its full path, and it runs there: a "ping" or "ipconfig" that the
// command interpreter looks up by bare name is then the system's too, since it looks in its own folder first.
StartedProcess StartCommandLine(const std::string& programPath, const std::string& folder,
                                const std::string& commandLine, ShowMode mode) {
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');  // the system may write into the command line it is given
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(ShowCommand(mode));
    PROCESS_INFORMATION created = {};
    if (!CreateProcessA(programPath.empty() ? nullptr : programPath.c_str(), line.data(), nullptr, nullptr, FALSE, 0,
                        nullptr, folder.empty() ? nullptr : folder.c_str(), &startup, &created)) {
        return {};
    }
    return {KernelHandle(created.hProcess), KernelHandle(created.hThread)};
}

// The consent prompt comes to the front only for the window that is in the foreground when the shell asks; handed a
// hidden window (a switch from the tray menu), Windows shows the request flashing in the taskbar, maybe behind other
// windows. While it is up, this small window of ours, shown and brought to the front, owns it instead.
class ForegroundOwner {
public:
    explicit ForegroundOwner(HWND mainWindow) {
        if (mainWindow && IsWindowVisible(mainWindow) && !IsIconic(mainWindow)) {
            owner_ = mainWindow;
            return;
        }
        standIn_ = CreateWindowExA(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, "STATIC", kProductTitle, WS_POPUP, 0, 0, 0, 0,
                                   nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        if (!standIn_) {
            owner_ = mainWindow;
            return;
        }
        ShowWindow(standIn_, SW_SHOWNORMAL);
        SetForegroundWindow(standIn_);
        owner_ = standIn_;
    }
    ~ForegroundOwner() {
        if (standIn_) DestroyWindow(standIn_);
    }
    ForegroundOwner(const ForegroundOwner&) = delete;
    ForegroundOwner& operator=(const ForegroundOwner&) = delete;
    HWND Get() const { return owner_; }

private:
    HWND owner_ = nullptr;
    HWND standIn_ = nullptr;
};

// "X:" of a full path with a drive letter; empty for any other.
std::string DriveRoot(const std::string& path) {
    if (path.size() < 3 || path[1] != ':' || (path[2] != '\\' && path[2] != '/')) return {};
    return path.substr(0, 3);
}

// The share's path of a file on a mapped drive, from the network provider; empty when it does not say.
std::string UniversalName(const std::string& path) {
    // Loaded only for this rare case, from the system folder.
    const SystemLibrary mpr("mpr.dll");
    using GetUniversalNameFn = DWORD WINAPI(LPCSTR, DWORD, LPVOID, LPDWORD);
    auto* getUniversalName = mpr.Function<GetUniversalNameFn>("WNetGetUniversalNameA");
    if (!getUniversalName) return {};
    std::vector<char> buffer(2048);
    auto size = static_cast<DWORD>(buffer.size());
    constexpr DWORD kUniversalNameInfoLevel = 1;  // UNIVERSAL_NAME_INFO_LEVEL
    if (getUniversalName(path.c_str(), kUniversalNameInfoLevel, buffer.data(), &size) != NO_ERROR) return {};
    const char* name = *reinterpret_cast<const char* const*>(buffer.data());  // UNIVERSAL_NAME_INFOA
    return name ? std::string(name) : std::string();
}

StartedProcess StartSystemProgram(const std::string& program, const std::string& commandLine, ShowMode mode) {
    const std::string folder = SystemFolder();
    if (folder.empty()) return {};  // never by bare name: that would search the folders this is meant to avoid
    return StartCommandLine(folder + "\\" + program, folder, commandLine, mode);
}

}  // namespace

void Win32Launcher::RunSystemProgram(const std::string& program, const std::string& commandLine, ShowMode mode) {
    // The answer is deliberately not examined: a tool that cannot start simply does not appear.
    (void)StartSystemProgram(program, commandLine, mode);
}

bool Win32Launcher::RunSystemProgramAndWait(const std::string& program, const std::string& commandLine, ShowMode mode,
                                            unsigned maxWaitMs) {
    const StartedProcess started = StartSystemProgram(program, commandLine, mode);
    if (!started.process) return false;

    // Messages keep flowing while we wait, so the window repaints and its caption animation runs on.
    const ULONGLONG deadline = GetTickCount64() + maxWaitMs;
    for (;;) {
        const ULONGLONG now = GetTickCount64();
        const DWORD remaining = now >= deadline ? 0 : static_cast<DWORD>(deadline - now);
        HANDLE waitFor = started.process.Get();
        const DWORD result = MsgWaitForMultipleObjects(1, &waitFor, FALSE, remaining, QS_ALLINPUT);
        if (result == WAIT_OBJECT_0) return true;
        if (result != WAIT_OBJECT_0 + 1) return false;  // the time ran out, or the wait itself failed
        if (!PumpMessages()) return false;
    }
}

void Win32Launcher::RunCommandLine(const std::string& commandLine, ShowMode mode) {
    // The program is named by its full path in the line; the answer is not examined.
    (void)StartCommandLine("", "", commandLine, mode);
}

void Win32Launcher::ShellOpen(const std::string& target, const std::string& parameters, ShowMode mode) {
    // As with the command-line launcher, the shell's answer is not examined.
    (void)ShellExecuteA(owner_, "open", target.c_str(), parameters.empty() ? nullptr : parameters.c_str(), nullptr,
                        ShowCommand(mode));
}

LaunchOutcome Win32Launcher::ShellStart(const std::string& path, const std::string& parameters, ShellVerb verb,
                                        ShowMode mode) {
    const std::string folder = SystemFolder();
    const ForegroundOwner owner(owner_);
    SHELLEXECUTEINFOA info = {};
    info.cbSize = sizeof(info);
    // No zone check: a copy unpacked from a download must not wait at the security warning, hidden. No message of
    // the shell's own: the caller reports the failure in its words. And the answer only once the start is decided.
    info.fMask = SEE_MASK_NOZONECHECKS | SEE_MASK_FLAG_NO_UI | SEE_MASK_NOASYNC;
    info.hwnd = owner.Get();
    info.lpVerb = verb == ShellVerb::RunAsAdministrator ? "runas" : "open";
    info.lpFile = path.c_str();
    info.lpParameters = parameters.empty() ? nullptr : parameters.c_str();
    info.lpDirectory = folder.empty() ? nullptr : folder.c_str();
    info.nShow = ShowCommand(mode);
    if (ShellExecuteExA(&info)) return {};
    const DWORD error = GetLastError();
    if (error == ERROR_CANCELLED) return {LaunchOutcome::Status::Declined, {}};
    // Some of the system's texts name the file as "%1" ("%1 is not a valid Win32 application").
    std::string reason = SystemErrorText(error);
    for (auto at = reason.find("%1"); at != std::string::npos; at = reason.find("%1", at + path.size())) {
        reason.replace(at, 2, path);
    }
    return {LaunchOutcome::Status::Failed, reason};
}

std::optional<std::string> Win32Launcher::PathForAdministrator(const std::string& path, std::string& reason) {
    const std::string root = DriveRoot(path);
    if (root.empty()) return path;  // a share's path already, or no full path at all
    const std::string rest = path.substr(2);
    if (GetDriveTypeA(root.c_str()) == DRIVE_REMOTE) {
        const std::string universal = UniversalName(path);
        if (!universal.empty()) return universal;
        reason = "drive " + root.substr(0, 2) +
                 " is a network drive of this user, which programs running as administrator do not see, and its "
                 "network path could not be found";
        return std::nullopt;
    }
    // A subst drive's device is "\??\C:\folder" (or "\??\UNC\server\share" for a share).
    char device[MAX_PATH * 2] = {};
    const std::string letter = root.substr(0, 2);
    if (QueryDosDeviceA(letter.c_str(), device, sizeof(device)) == 0) return path;
    const std::string target = device;
    const std::string prefix = "\\??\\";
    if (target.compare(0, prefix.size(), prefix) != 0) return path;  // a disk's own device: the letter is everyone's
    const std::string real = target.substr(prefix.size());
    if (real.compare(0, 4, "UNC\\") == 0) return "\\\\" + real.substr(4) + rest;
    // The folder may lie on a mapped drive in turn; the system refuses a subst of a subst drive onto itself.
    return PathForAdministrator(real + rest, reason);
}

bool Win32Launcher::RunsElevated() {
    HANDLE opened = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &opened)) return false;
    const KernelHandle token(opened);
    TOKEN_ELEVATION elevation = {};
    DWORD size = 0;
    // A system without elevation does not know the question: there the user's own rights are all there is.
    if (!GetTokenInformation(token.Get(), TokenElevation, &elevation, sizeof(elevation), &size)) return true;
    return elevation.TokenIsElevated != 0;
}

}  // namespace zelta::platform
