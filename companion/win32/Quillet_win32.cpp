// Quillet.exe: started hidden by the main program with no arguments, with administrator rights; it runs the
// "execute.bat" beside itself. It has no window of its own; the only thing it ever shows is the message when
// something went wrong.
#include <windows.h>

#include <exception>

#include "companion/Companion.h"
#include "companion/win32/VerdictDelivery_win32.h"
#include "platform/win32/Clock_win32.h"
#include "platform/win32/CodePages_win32.h"
#include "platform/win32/CommandRunner_win32.h"
#include "platform/win32/Environment_win32.h"
#include "platform/win32/FileSystem_win32.h"
#include "platform/win32/LiveAdapters_win32.h"
#include "platform/win32/Registry_win32.h"
#include "platform/win32/SystemFolder_win32.h"

namespace {

void ShowError(const std::string& message) {
    // Started hidden, the program would have its first shown window hidden too: a window shown and gone first takes
    // that hidden start, so the message itself is seen.
    HWND spent = CreateWindowExA(WS_EX_TOOLWINDOW, "STATIC", "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
    if (spent) {
        ShowWindow(spent, SW_SHOWNORMAL);
        DestroyWindow(spent);
    }
    MessageBoxA(nullptr, message.c_str(), zelta::companion::kMessageCaption,
                MB_OK | MB_ICONERROR | MB_SETFOREGROUND | MB_TOPMOST);
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    // It runs as administrator: no DLL may come from its own folder or the working folder (a Downloads folder, say).
    zelta::platform::RestrictDllSearchToSystemFolder();
    zelta::platform::Win32FileSystem files;
    zelta::platform::Win32Environment environment;
    zelta::platform::Win32CodePages codePages;
    zelta::platform::Win32CommandRunner runner;
    zelta::platform::win32::Win32Registry registry;
    zelta::platform::Win32Clock clock;
    zelta::platform::Win32LiveAdapters liveAdapters;
    zelta::companion::CompanionSystem system{files, environment, codePages, runner, registry, clock, liveAdapters};
    try {
        const zelta::companion::CompanionResult result = zelta::companion::RunCompanion(system);
        // With the program closed meanwhile, the verdict is in the report alone.
        if (result.verdict) {
            const std::string path = environment.ExecutablePath();
            (void)zelta::companion::DeliverVerdict(path.substr(0, path.find_last_of('\\')),
                                                   zelta::companion::EncodeVerdict(*result.verdict));
        }
        if (!result.message.empty()) ShowError(result.message);
        return result.exitCode;
    } catch (const std::exception& error) {
        ShowError(std::string("Quillet.exe could not finish the network commands of the profile: ") + error.what());
        return zelta::companion::kCommandFailed;
    }
}
