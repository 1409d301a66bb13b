#include "app/win32/ApplicationWindow_win32.h"

#include <versionhelpers.h>

#include "assets/ResourceIds.h"

namespace zelta::win32 {

namespace {
constexpr char kClassName[] = "TApplication";
}

ApplicationWindow::ApplicationWindow(HINSTANCE instance, const char* title) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_ZELTA));
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kClassName;
    RegisterClassA(&windowClass);
    carriesButton_ = !IsWindows7OrGreater();
    if (!carriesButton_) {
        // A message window: never on the screen, in the taskbar or in Alt+Tab, whatever shows it.
        hwnd_ = CreateWindowExA(0, kClassName, title, 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance, this);
        return;
    }
    // A zero-sized popup with a caption: visible to the taskbar, invisible on the screen.
    const int x = GetSystemMetrics(SM_CXSCREEN) / 2;
    const int y = GetSystemMetrics(SM_CYSCREEN) / 2;
    hwnd_ = CreateWindowExA(0, kClassName, title, WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX,
                            x, y, 0, 0, nullptr, nullptr, instance, this);
}

ApplicationWindow::~ApplicationWindow() {
    if (IsWindow(hwnd_)) DestroyWindow(hwnd_);
}

void ApplicationWindow::Minimise() { ShowWindow(hwnd_, SW_MINIMIZE); }
void ApplicationWindow::HideTaskbarButton() {
    if (carriesButton_) ShowWindow(hwnd_, SW_HIDE);
}
void ApplicationWindow::ShowTaskbarButton() {
    if (carriesButton_) ShowWindow(hwnd_, SW_SHOWNA);
}
void ApplicationWindow::RestoreFromMinimised() {
    if (IsIconic(hwnd_)) ShowWindow(hwnd_, SW_RESTORE);
}

LRESULT CALLBACK ApplicationWindow::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        SetWindowLongPtrA(hwnd, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams));
    }
    auto* self = reinterpret_cast<ApplicationWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (self) {
        switch (message) {
            case WM_SYSCOMMAND:
                if ((wParam & 0xFFF0) == SC_MINIMIZE && self->onMinimiseRequest) {
                    self->onMinimiseRequest();
                    return 0;
                }
                if ((wParam & 0xFFF0) == SC_RESTORE && self->onRestoreRequest) {
                    self->onRestoreRequest();
                    return 0;
                }
                break;
            case WM_ACTIVATE:
                if (LOWORD(wParam) != WA_INACTIVE && !IsIconic(hwnd) && self->onActivate) {
                    self->onActivate();
                    return 0;
                }
                break;
            case WM_CLOSE:
                // The taskbar's close: close the main window, which ends the program.
                if (self->onCloseRequest) self->onCloseRequest();
                return 0;
            default:
                break;
        }
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

}  // namespace zelta::win32
