#pragma once
// The program's icon in the notification area. It is added on construction and deleted on destruction, comes back
// when the shell restarts, and goes away while the session ends. Clicks on it become the single-click action (after
// the double-click time, so that a double click does nothing) and the context-menu request.
#include <windows.h>

#include <functional>
#include <string>

#include "app/TrayClickState.h"

namespace zelta::win32 {

class TrayIcon {
public:
    static constexpr UINT_PTR kClickTimerId = 0x7201;

    // messageWindow receives the icon's messages and the click timer; it must forward them to HandleMessage.
    TrayIcon(HWND messageWindow, HICON icon);
    ~TrayIcon();
    TrayIcon(const TrayIcon&) = delete;
    TrayIcon& operator=(const TrayIcon&) = delete;

    // Handles the icon's callback message, the shell's "TaskbarCreated" broadcast, the end-of-session messages and
    // the click timer. Returns true, with the window procedure's result set, when the message was the icon's.
    bool HandleMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);

    // False while the shell refused the icon; the program runs on without it.
    bool Added() const { return added_; }
    // The text shown when the pointer rests on the icon; kept when the shell adds the icon again.
    void SetTip(const std::string& tip);
    // The icon's own notification, which the shell shows whatever window is hidden; false when it was not taken.
    bool ShowNotification(const std::string& title, const std::string& text, bool warning);

    std::function<void()> onSingleClick;  // the shell hides to tray or restores; also Enter or Space on the icon
    // Where the menu opens: at the icon when the keyboard asked for it, at the pointer when the mouse did.
    std::function<void(POINT screenPos)> onContextMenu;

private:
    void Add();
    void Delete();
    void OnIconEvent(UINT event, WPARAM wp);
    void Apply(const TrayClickCommands& commands);

    HWND window_;
    HICON icon_;
    std::string tip_;
    UINT taskbarCreated_;
    bool added_ = false;
    // Shells from 5.0 on take the newer callback protocol, in which a context-menu request comes as its own
    // notification after the right button's release; older ones only send the release.
    bool versionAccepted_ = false;
    // The protocol of Vista and later also tells where the event happened, so a menu asked for from the keyboard
    // opens at the icon rather than wherever the pointer was left.
    bool tellsPlace_ = false;
    TrayClickState clicks_;
};

}  // namespace zelta::win32
