#pragma once
// The invisible application window that owns the main window and carries the taskbar button, whose text is the
// application title and does not follow the animated caption. Hiding it to the tray removes the button.
#include <windows.h>

#include <functional>

namespace zelta::win32 {

class ApplicationWindow {
public:
    ApplicationWindow(HINSTANCE instance, const char* title);
    ~ApplicationWindow();
    ApplicationWindow(const ApplicationWindow&) = delete;
    ApplicationWindow& operator=(const ApplicationWindow&) = delete;

    HWND Hwnd() const { return hwnd_; }
    bool Minimised() const { return IsIconic(hwnd_) != FALSE; }
    bool TaskbarButtonShown() const { return IsWindowVisible(hwnd_) != FALSE; }
    void Minimise();
    void HideTaskbarButton();
    void ShowTaskbarButton();
    void RestoreFromMinimised();

    // The taskbar button asks to minimise, to restore, or activates the application.
    std::function<void()> onMinimiseRequest;
    std::function<void()> onRestoreRequest;
    std::function<void()> onActivate;
    std::function<void()> onCloseRequest;

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    HWND hwnd_ = nullptr;
};

}  // namespace zelta::win32
