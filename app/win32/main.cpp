// The program entry: initialise, set the application title, create the main window, run the start-up sequence,
// show the window and run the message loop until the main window closes.
#include <windows.h>

#include <commctrl.h>
#include <objbase.h>

#include "app/FormController.h"
#include "app/model/MainForm.h"
#include "app/win32/ApplicationWindow_win32.h"
#include "app/win32/HandlerBoundary_win32.h"
#include "app/win32/MainWindow_win32.h"
#include "app/win32/SingleInstance_win32.h"
#include "platform/win32/CodePages_win32.h"
#include "platform/win32/Environment_win32.h"
#include "platform/win32/FileSystem_win32.h"
#include "platform/win32/InternetSettings_win32.h"
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

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    // Before any library loads: none may come from the program's folder or the working folder.
    zelta::platform::RestrictDllSearchToSystemFolder();
    zelta::platform::Win32Environment environment;
    // A second start shows the running instance's window instead of a second tray icon. Should that instance be on
    // its way out, this one runs.
    zelta::win32::SingleInstance singleInstance(environment.ExecutablePath());
    constexpr unsigned kRunningInstanceWaitMs = 5000;
    if (!singleInstance.IsFirst() && singleInstance.ShowRunningInstance(kRunningInstanceWaitMs)) return 0;

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
    if (!window.Hwnd()) return 1;
    notices.target = &window.Notices();
    launcher.SetOwner(window.Hwnd());
    singleInstance.Publish(window.Hwnd());

    // An error of a start-up step ends the sequence there; the window shows what was filled. The item bars are laid
    // out once, after it.
    window.HoldLayout(true);
    zelta::win32::RunHandler(window.Hwnd(), [&controller] { controller.FormCreate(); });
    window.HoldLayout(false);

    ShowWindow(application.Hwnd(), SW_SHOWNA);
    ShowWindow(window.Hwnd(), showCommand == SW_SHOWMINNOACTIVE || showCommand == SW_SHOWMINIMIZED
                                  ? SW_SHOWNORMAL
                                  : (showCommand == 0 ? SW_SHOWNORMAL : showCommand));
    UpdateWindow(window.Hwnd());

    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (window.PreTranslate(message)) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}
