// Quillet.exe: started hidden by the main program, with administrator rights and the program's window as its one
// parameter; it runs the "execute.bat" beside itself. It has no window of its own; the only thing it ever shows is
// the message when something went wrong.
#include <windows.h>

#include <cstdint>
#include <exception>
#include <string>

#include "companion/Companion.h"
#include "companion/win32/VerdictDelivery_win32.h"
#include "platform/win32/Clock_win32.h"
#include "platform/win32/CodePages_win32.h"
#include "platform/win32/CommandRunner_win32.h"
#include "platform/win32/Environment_win32.h"
#include "platform/win32/FileSystem_win32.h"
#include "platform/win32/KernelHandle_win32.h"
#include "platform/win32/LiveAdapters_win32.h"
#include "platform/win32/Registry_win32.h"
#include "platform/win32/SystemFolder_win32.h"

namespace {

// One companion at a time in the session: two would interleave their commands on one adapter and write one
// execute.log over the other. A later activation waits for the earlier one's commands and verdict.
constexpr char kOneAtATimeMutex[] = "Local\\VokTarvex.Quillet";
// Longer than one companion can take: four commands at their bound and the wait for a lease.
constexpr DWORD kTurnWaitMs = 4 * zelta::companion::kCommandTimeoutMs + zelta::companion::kLeaseWaitMs + 60000;

// The system folder of the system's own width: a 32-bit companion on 64-bit Windows runs the 64-bit netsh.
class CompanionEnvironment : public zelta::platform::Win32Environment {
public:
    std::string SystemFolder() override { return zelta::platform::NativeSystemFolder(); }
};

// Held while this companion runs its commands; released (or abandoned with the process) at its end.
class Turn {
public:
    Turn() : mutex_(CreateMutexA(nullptr, FALSE, kOneAtATimeMutex)) {
        // Without the mutex (the system refused it) the commands still run: one companion is the usual case.
        if (!mutex_) {
            held_ = true;
            return;
        }
        const DWORD result = WaitForSingleObject(mutex_.Get(), kTurnWaitMs);
        owned_ = result == WAIT_OBJECT_0 || result == WAIT_ABANDONED;
        held_ = owned_;
    }
    ~Turn() {
        if (owned_) ReleaseMutex(mutex_.Get());
    }
    Turn(const Turn&) = delete;
    Turn& operator=(const Turn&) = delete;
    bool Held() const { return held_; }

private:
    zelta::platform::KernelHandle mutex_;
    bool owned_ = false;
    bool held_ = false;
};

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

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
    // It runs as administrator: no DLL may come from its own folder or the working folder (a Downloads folder, say).
    zelta::platform::RestrictDllSearchToSystemFolder();
    const auto window = reinterpret_cast<HWND>(
        static_cast<std::uintptr_t>(zelta::companion::WindowOfParameters(commandLine ? commandLine : "")));
    zelta::platform::Win32FileSystem files;
    CompanionEnvironment environment;
    zelta::platform::Win32CodePages codePages;
    zelta::platform::Win32CommandRunner runner;
    zelta::platform::win32::Win32Registry registry;
    zelta::platform::Win32Clock clock;
    zelta::platform::Win32LiveAdapters liveAdapters;
    zelta::companion::CompanionSystem system{files, environment, codePages, runner, registry, clock, liveAdapters};
    try {
        zelta::companion::CompanionResult result;
        {
            // The turn ends before any message: a box waiting for the user must not hold up the next activation.
            const Turn turn;
            if (!turn.Held()) {
                ShowError(
                    "Quillet.exe did not run the network commands of the profile: another Quillet.exe was still at "
                    "work after " +
                    std::to_string(kTurnWaitMs / 60000) + " minutes. Apply the profile again once it has ended.");
                return zelta::companion::kCommandFailed;
            }
            result = zelta::companion::RunCompanion(system);
            // With the program closed meanwhile, the verdict is in the report alone.
            if (result.verdict) {
                (void)zelta::companion::DeliverVerdict(window, zelta::platform::ProgramFolder(environment),
                                                       zelta::companion::EncodeVerdict(*result.verdict));
            }
        }
        if (!result.message.empty()) ShowError(result.message);
        return result.exitCode;
    } catch (const std::exception& error) {
        ShowError(std::string("Quillet.exe could not finish the network commands of the profile: ") + error.what());
        return zelta::companion::kCommandFailed;
    }
}
