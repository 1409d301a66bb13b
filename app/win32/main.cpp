// The program entry: initialise, set the application title, create the main window, run the start-up sequence,
// show the window and run the message loop until the main window closes.
#include <windows.h>

#include <commctrl.h>
#include <objbase.h>

#include "adapters/AdapterRefresh.h"
#include "app/CommandLine.h"
#include "app/FormController.h"
#include "app/model/MainForm.h"
#include "app/win32/ApplicationWindow_win32.h"
#include "app/win32/CommandLine_win32.h"
#include "app/win32/ExternalRequests_win32.h"
#include "app/win32/HandlerBoundary_win32.h"
#include "app/win32/MainWindow_win32.h"
#include "app/win32/SingleInstance_win32.h"
#include "assets/version.h"
#include "platform/win32/CodePages_win32.h"
#include "platform/win32/Environment_win32.h"
#include "platform/win32/FileSystem_win32.h"
#include "platform/win32/InternetSettings_win32.h"
#include "platform/win32/KeyWatch_win32.h"
#include "platform/win32/Launcher_win32.h"
#include "platform/win32/Processes_win32.h"
#include "platform/win32/Registry_win32.h"
#include "platform/win32/SystemFolder_win32.h"
#include "platform/win32/SystemInfo_win32.h"

namespace {

// Notices are raised through the model before the balloon's window exists; this hands them on once it does.
class NoticeRelay : public zelta::Notifier {
public:
    zelta::Notifier* target = nullptr;
    void ShowNotice(const std::string& message, const std::string& header, unsigned timeMs) override {
        if (target) target->ShowNotice(message, header, timeMs);
    }
    void ShowNoticeAnywhere(const std::string& message, const std::string& header, unsigned timeMs,
                            bool warning) override {
        if (target) target->ShowNoticeAnywhere(message, header, timeMs, warning);
    }
};

class ComApartment {
public:
    ComApartment() : ok_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
    ~ComApartment() {
        if (ok_) CoUninitialize();
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

private:
    bool ok_;
};

// A later start: hands its request to the running instance. True, with the exit code, when nothing is left to do.
bool HandToRunningInstance(const zelta::win32::SingleInstance& running, const zelta::StartRequest& request,
                           int& exitCode) {
    constexpr unsigned kRunningInstanceWaitMs = 5000;
    using namespace zelta::win32;
    exitCode = zelta::kExitDone;
    switch (request.action) {
        case zelta::StartAction::Apply: {
            switch (running.HandApplyRequest(request.profileName, kRunningInstanceWaitMs)) {
                case kApplyTaken:
                    return true;
                case kApplyNoSuchProfile:  // the running instance tells the user
                    exitCode = zelta::kExitNoSuchProfile;
                    return true;
                case kApplyNoInstance:  // on its way out: this start applies it
                    return false;
                case kApplyNotTaken:
                    break;
            }
            const std::string refused =
                "The running " ZELTA_PRODUCT_NAME " did not take the request to apply \"" + request.profileName + "\".";
            ShowErrorReport(nullptr, refused.c_str());
            exitCode = zelta::kExitNotDelivered;
            return true;
        }
        case zelta::StartAction::Tray:
            // Started with Windows while it runs already: it stays as it is.
            return running.RunningWindow(kRunningInstanceWaitMs) != nullptr;
        default:
            return running.ShowRunningInstance(kRunningInstanceWaitMs);
    }
}

// The message loop, which also waits for the adapter keys' change notice.
int RunMessageLoop(zelta::win32::MainWindow& window, zelta::platform::win32::Win32KeyWatch& adapterKeys) {
    MSG message;
    while (true) {
        HANDLE changed = adapterKeys.Event();
        const DWORD woke = MsgWaitForMultipleObjectsEx(changed ? 1 : 0, changed ? &changed : nullptr, INFINITE,
                                                       QS_ALLINPUT, MWMO_INPUTAVAILABLE);
        if (changed && woke == WAIT_OBJECT_0) {
            if (adapterKeys.TakeChange()) window.Requests().AdapterKeysChanged();
            continue;
        }
        if (woke == WAIT_FAILED) WaitMessage();  // the loop then waits for messages alone, never spins
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) return static_cast<int>(message.wParam);
            if (window.PreTranslate(message)) continue;
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    // Before any library loads: none may come from the program's folder or the working folder.
    zelta::platform::RestrictDllSearchToSystemFolder();
    bool exact = true;
    const std::string arguments = zelta::win32::CommandLineArguments(exact);
    const zelta::StartRequest request = zelta::ParseCommandLine(arguments, exact);
    if (request.action == zelta::StartAction::Refused) {
        zelta::win32::ShowErrorReport(nullptr, request.error.c_str());
        return zelta::kExitRefused;
    }
    zelta::platform::Win32Environment environment;
    // A second start shows the running instance's window, or hands it the profile to apply, instead of a second
    // tray icon. Should that instance be on its way out, this one runs.
    zelta::win32::SingleInstance singleInstance(environment.ExecutablePath());
    int exitCode = zelta::kExitDone;
    if (!singleInstance.IsFirst() && HandToRunningInstance(singleInstance, request, exitCode)) return exitCode;
    ComApartment com;
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_INTERNET_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);

    zelta::platform::win32::Win32Registry registry;
    zelta::platform::Win32SystemInfo systemInfo;
    zelta::platform::Win32Launcher launcher;
    zelta::platform::Win32FileSystem files;
    zelta::platform::Win32CodePages codePages;
    zelta::platform::Win32Processes processes;
    zelta::platform::Win32InternetSettings internetSettings;
    zelta::platform::Platform platform{registry,    systemInfo, launcher,  files,
                                       environment, codePages,  processes, internetSettings};
    NoticeRelay notices;
    zelta::MainForm main(platform, notices);
    zelta::FormController controller(main);

    zelta::win32::ApplicationWindow application(instance, zelta::kProductTitle);
    zelta::win32::MainWindow::RegisterWindowClasses(instance);
    zelta::win32::MainWindow window(instance, application, main, controller);
    if (!window.Hwnd()) return zelta::kExitNoWindow;
    notices.target = &window.Notices();
    launcher.SetOwner(window.Hwnd());
    singleInstance.Publish(window.Hwnd());

    // Adapters that come, go or are renamed while the program runs show in the bar: watched from before the list is
    // first read, so that no change falls between the two.
    zelta::platform::win32::Win32KeyWatch adapterKeys;
    zelta::adapters::WatchAdapterKeys(adapterKeys);

    // An error of a start-up step ends the sequence there; the window shows what was filled. The item bars are laid
    // out once, after it.
    window.HoldLayout(true);
    zelta::win32::RunHandler(window.Hwnd(), [&controller] { controller.FormCreate(); });
    window.HoldLayout(false);

    // Started with Windows, or to apply a profile, the program starts hidden to the tray: the icon, no window and
    // no taskbar button, until the icon restores it.
    if (request.action == zelta::StartAction::Normal) {
        ShowWindow(application.Hwnd(), SW_SHOWNA);
        ShowWindow(window.Hwnd(), showCommand == SW_SHOWMINNOACTIVE || showCommand == SW_SHOWMINIMIZED
                                      ? SW_SHOWNORMAL
                                      : (showCommand == 0 ? SW_SHOWNORMAL : showCommand));
        UpdateWindow(window.Hwnd());
    }

    // A later start that handed over its request while the error box was open was told it is taken: the program
    // then stays to apply it.
    if (request.action == zelta::StartAction::Apply && !window.Requests().ApplyNamed(request.profileName) &&
        !window.Requests().HasPending()) {
        return zelta::kExitNoSuchProfile;
    }
    return RunMessageLoop(window, adapterKeys);
}
