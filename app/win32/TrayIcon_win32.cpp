#include "app/win32/TrayIcon_win32.h"

#include <shellapi.h>
#include <windowsx.h>

#include <cstring>

#include "app/model/ControlIds.h"
#include "platform/ProductNames.h"

namespace zelta::win32 {
namespace {

// Cut to what the icon's data holds, its closing NUL included.
void CopyTip(NOTIFYICONDATAA& data, const std::string& tip) {
    const std::size_t length = tip.size() < sizeof(data.szTip) - 1 ? tip.size() : sizeof(data.szTip) - 1;
    std::memcpy(data.szTip, tip.data(), length);
    data.szTip[length] = '\0';
}

NOTIFYICONDATAA IconData(HWND window) {
    NOTIFYICONDATAA data;
    std::memset(&data, 0, sizeof(data));
    // The size every shell from 5.0 on knows, so the icon is also accepted where the newest fields are not.
    data.cbSize = NOTIFYICONDATAA_V2_SIZE;
    data.hWnd = window;
    data.uID = kTrayIconId;
    return data;
}

// An elevated program does not receive messages that lower processes such as the shell post, unless it lets them
// through. The call does not exist before Vista (and the per-window one not before Windows 7), so it is looked up.
void AllowMessageFromShell(HWND window, UINT message) {
    HMODULE user32 = GetModuleHandleA("user32.dll");
    if (!user32) return;
    using PerWindow = BOOL(WINAPI*)(HWND, UINT, DWORD, void*);
    using PerProcess = BOOL(WINAPI*)(UINT, DWORD);
    constexpr DWORD kAllow = 1;  // MSGFLT_ALLOW and MSGFLT_ADD alike
    if (FARPROC proc = GetProcAddress(user32, "ChangeWindowMessageFilterEx")) {
        reinterpret_cast<PerWindow>(reinterpret_cast<void (*)()>(proc))(window, message, kAllow, nullptr);
    } else if (FARPROC old = GetProcAddress(user32, "ChangeWindowMessageFilter")) {
        reinterpret_cast<PerProcess>(reinterpret_cast<void (*)()>(old))(message, kAllow);
    }
}

}  // namespace

TrayIcon::TrayIcon(HWND messageWindow, HICON icon)
    : window_(messageWindow),
      icon_(icon),
      tip_(kProductTitle),
      taskbarCreated_(RegisterWindowMessageA("TaskbarCreated")),
      clicks_(GetDoubleClickTime()) {
    if (taskbarCreated_ != 0) AllowMessageFromShell(window_, taskbarCreated_);
    AllowMessageFromShell(window_, kTrayCallback);
    Add();
}

TrayIcon::~TrayIcon() {
    KillTimer(window_, kClickTimerId);
    Delete();
}

void TrayIcon::Add() {
    NOTIFYICONDATAA data = IconData(window_);
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = kTrayCallback;
    data.hIcon = icon_;
    static_assert(sizeof(kProductTitle) <= sizeof(data.szTip), "the tip fits");
    CopyTip(data, tip_);
    added_ = Shell_NotifyIconA(NIM_ADD, &data) != FALSE;
    if (!added_) {
        versionAccepted_ = false;
        tellsPlace_ = false;
        return;
    }
    data.uVersion = NOTIFYICON_VERSION_4;
    tellsPlace_ = Shell_NotifyIconA(NIM_SETVERSION, &data) != FALSE;
    if (!tellsPlace_) {
        data.uVersion = NOTIFYICON_VERSION;
        versionAccepted_ = Shell_NotifyIconA(NIM_SETVERSION, &data) != FALSE;
    } else {
        versionAccepted_ = true;
    }
}

void TrayIcon::SetTip(const std::string& tip) {
    tip_ = tip;
    if (!added_) return;
    NOTIFYICONDATAA data = IconData(window_);
    data.uFlags = NIF_TIP;
    CopyTip(data, tip_);
    Shell_NotifyIconA(NIM_MODIFY, &data);
}

bool TrayIcon::ShowNotification(const std::string& title, const std::string& text, bool warning) {
    if (!added_) return false;
    NOTIFYICONDATAA data = IconData(window_);
    data.uFlags = NIF_INFO;
    const std::size_t textLength = text.size() < sizeof(data.szInfo) - 1 ? text.size() : sizeof(data.szInfo) - 1;
    std::memcpy(data.szInfo, text.data(), textLength);
    const std::size_t titleLength =
        title.size() < sizeof(data.szInfoTitle) - 1 ? title.size() : sizeof(data.szInfoTitle) - 1;
    std::memcpy(data.szInfoTitle, title.data(), titleLength);
    data.dwInfoFlags = warning ? NIIF_WARNING : NIIF_INFO;
    // Shells before Vista keep it up this long; later ones follow the user's accessibility setting.
    constexpr UINT kShownMs = 10000;
    data.uTimeout = kShownMs;
    return Shell_NotifyIconA(NIM_MODIFY, &data) != FALSE;
}

void TrayIcon::Delete() {
    if (!added_) return;
    NOTIFYICONDATAA data = IconData(window_);
    Shell_NotifyIconA(NIM_DELETE, &data);
    added_ = false;
}

bool TrayIcon::HandleMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    result = 0;
    if (msg == kTrayCallback) {
        // Under both callback protocols the low word of lParam is the mouse or notification message.
        OnIconEvent(LOWORD(lp), wp);
        return true;
    }
    if (taskbarCreated_ != 0 && msg == taskbarCreated_) {
        // The shell restarted and forgot every icon; the old one is deleted for shells that did not.
        NOTIFYICONDATAA data = IconData(window_);
        Shell_NotifyIconA(NIM_DELETE, &data);
        added_ = false;
        Add();
        return true;
    }
    switch (msg) {
        case WM_QUERYENDSESSION:
            result = TRUE;
            return true;
        case WM_ENDSESSION:
            if (wp) {
                Delete();
            } else if (!added_) {
                Add();
            }
            return true;
        case WM_TIMER:
            if (wp != kClickTimerId) return false;
            Apply(clicks_.TimerFired());
            return true;
        default:
            return false;
    }
}

void TrayIcon::OnIconEvent(UINT event, WPARAM wp) {
    switch (event) {
        case WM_LBUTTONUP:
            Apply(clicks_.ButtonUp(GetTickCount()));
            break;
        case NIN_KEYSELECT:
            // Enter or Space on the focused icon acts as a single click. The shell may report Enter twice; the
            // second report falls within the click delay and is one click with the first.
            Apply(clicks_.ButtonUp(GetTickCount()));
            break;
        case WM_LBUTTONDBLCLK:
            Apply(clicks_.DoubleClick(GetTickCount()));
            break;
        case WM_CONTEXTMENU:
        case WM_RBUTTONUP:
            // A shell on the newer protocol sends both; only its context-menu notification opens the menu.
            if ((event == WM_CONTEXTMENU) == versionAccepted_ && onContextMenu) {
                POINT place{};
                if (tellsPlace_) {
                    place = POINT{GET_X_LPARAM(wp), GET_Y_LPARAM(wp)};
                } else {
                    GetCursorPos(&place);
                }
                onContextMenu(place);
            }
            break;
        default:
            break;
    }
}

void TrayIcon::Apply(const TrayClickCommands& commands) {
    if (commands.killTimer) KillTimer(window_, kClickTimerId);
    if (commands.startTimer && SetTimer(window_, kClickTimerId, GetDoubleClickTime(), nullptr) == 0) {
        Apply(clicks_.TimerNotStarted());
        return;
    }
    if (commands.runSingleClick && onSingleClick) onSingleClick();
}

}  // namespace zelta::win32
