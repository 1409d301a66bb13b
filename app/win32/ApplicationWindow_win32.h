#pragma once
// The invisible application window. Before Windows 7 it owns the main window and carries the taskbar button, whose
// text is the application title and does not follow the animated caption; hiding it to the tray removes the button.
// From Windows 7 on the taskbar shows a button's window as its thumbnail, in Aero Peek and in Alt+Tab, and a window
// of no size shows there as an empty tile: the main window carries the button itself, and this one is only a
// message window.
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
    bool CarriesTaskbarButton() const { return carriesButton_; }
    bool Minimised() const { return IsIconic(hwnd_) != FALSE; }
    bool TaskbarButtonShown() const { return IsWindowVisible(hwnd_) != FALSE; }
    void Minimise();
    // Nothing happens to a button the application window does not carry.
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
    bool carriesButton_ = true;
};

}  // namespace zelta::win32
