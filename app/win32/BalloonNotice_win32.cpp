#include "app/win32/BalloonNotice_win32.h"

namespace zelta::win32 {
namespace {

constexpr UINT_PTR kToolId = 1;
// How far the stem's tip sits from the balloon's near corner.
constexpr int kStemInset = 16;

ScreenRect ToScreenRect(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

MONITORINFO MonitorAt(ScreenPoint point) {
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    HMONITOR monitor = MonitorFromPoint(POINT{point.x, point.y}, MONITOR_DEFAULTTONEAREST);
    if (!monitor || !GetMonitorInfoA(monitor, &info)) {
        SystemParametersInfoA(SPI_GETWORKAREA, 0, &info.rcWork, 0);
        info.rcMonitor = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    }
    return info;
}

ScreenPoint AnchorPoint(HWND anchor) {
    RECT client{};
    GetClientRect(anchor, &client);
    POINT corners[2] = {{client.left, client.top}, {client.right, client.bottom}};
    MapWindowPoints(anchor, nullptr, corners, 2);
    return StemAnchor({corners[0].x, corners[0].y, corners[1].x, corners[1].y});
}

// The animation styles the system's tooltip settings ask for.
LONG_PTR AnimationStyle(LONG_PTR style) {
    BOOL animation = FALSE;
    BOOL fade = FALSE;
    SystemParametersInfoA(SPI_GETTOOLTIPANIMATION, 0, &animation, 0);
    SystemParametersInfoA(SPI_GETTOOLTIPFADE, 0, &fade, 0);
    style &= ~static_cast<LONG_PTR>(TTS_NOANIMATE | TTS_NOFADE);
    switch (ChooseNoticeAnimation(animation != FALSE, fade != FALSE)) {
        case NoticeAnimation::None:
            return style | TTS_NOANIMATE | TTS_NOFADE;
        case NoticeAnimation::Slide:
            return style | TTS_NOFADE;
        case NoticeAnimation::Fade:
            return style | TTS_NOANIMATE;
    }
    return style;
}

}  // namespace

BalloonNotifier::BalloonNotifier(HWND anchor) : anchor_(anchor) {
    if (!anchor_) return;
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(anchor_, GWLP_HINSTANCE));
    // Owned by the main window, so it always stays above it and never gets a taskbar button.
    balloon_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr,
                               WS_POPUP | TTS_BALLOON | TTS_NOPREFIX | TTS_ALWAYSTIP | TTS_CLOSE, CW_USEDEFAULT,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, anchor_, nullptr, instance, nullptr);
    if (!balloon_) return;
    TOOLINFOA tool = Tool();
    char empty[] = "";
    tool.lpszText = empty;
    if (!SendMessageA(balloon_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool))) {
        DestroyWindow(balloon_);
        balloon_ = nullptr;
    }
}

BalloonNotifier::~BalloonNotifier() {
    if (anchor_) KillTimer(anchor_, kNoticeTimerId);
    // The balloon dies with its owner; it is only destroyed here when the owner still lives.
    if (balloon_ && IsWindow(balloon_)) DestroyWindow(balloon_);
}

TOOLINFOA BalloonNotifier::Tool() const {
    TOOLINFOA tool{};
    // The size every version of the common controls accepts.
    tool.cbSize = TTTOOLINFOA_V2_SIZE;
    tool.uFlags = TTF_TRACK | TTF_ABSOLUTE;
    tool.hwnd = anchor_;  // the balloon's notifications go to the main window
    tool.uId = kToolId;
    return tool;
}

void BalloonNotifier::ShowNotice(const std::string& message, const std::string& header, unsigned timeMs) {
    if (!anchor_ || !balloon_) return;
    const bool shown = IsWindowVisible(anchor_) && !IsIconic(anchor_);
    Apply(state_.Raise(message, header, timeMs, shown, GetTickCount()));
}

void BalloonNotifier::ShowNoticeAnywhere(const std::string& message, const std::string& header, unsigned timeMs,
                                         bool warning) {
    const bool shown = anchor_ && IsWindowVisible(anchor_) && !IsIconic(anchor_);
    if (!shown && trayNotice && trayNotice(message, header, warning)) return;
    ShowNotice(message, header, timeMs);
}

bool BalloonNotifier::HandleTimer(UINT_PTR id) {
    if (id != kNoticeTimerId) return false;
    Apply(state_.TimerFired());
    return true;
}

void BalloonNotifier::OnAnchorMoved() {
    if (!state_.Visible()) return;
    MoveToAnchor();
    KeepAboveAnchor();
}

void BalloonNotifier::OnAnchorVisibilityChanged(bool shownAndNotMinimised) {
    Apply(state_.AnchorVisibility(shownAndNotMinimised, GetTickCount()));
}

void BalloonNotifier::OnAnchorActivated(bool active) {
    anchorActive_ = active;
    if (state_.Visible()) KeepAboveAnchor();
}

bool BalloonNotifier::HandleNotify(const NMHDR& header) {
    if (!balloon_ || header.hwndFrom != balloon_) return false;
    if (header.code == TTN_POP && !hiding_) CloseByButton();
    return true;
}

void BalloonNotifier::OnAnchorClosing() {
    Apply(state_.AnchorClosing());
    if (anchor_) KillTimer(anchor_, kNoticeTimerId);
    if (balloon_ && IsWindow(balloon_)) DestroyWindow(balloon_);
    balloon_ = nullptr;
    anchor_ = nullptr;
}

void BalloonNotifier::CloseByButton() { Apply(state_.CloseButton()); }

void BalloonNotifier::Apply(const NoticeCommands& commands) {
    if (!anchor_) return;
    if (commands.killTimer) KillTimer(anchor_, kNoticeTimerId);
    if (commands.hide) HideBalloon();
    if (commands.startTimer && SetTimer(anchor_, kNoticeTimerId, commands.timerMs, nullptr) == 0) {
        Apply(state_.TimerNotStarted());
        return;
    }
    if (commands.show) ShowBalloon();
}

void BalloonNotifier::ShowBalloon() {
    if (!balloon_) return;
    SetWindowLongPtrA(balloon_, GWL_STYLE, AnimationStyle(GetWindowLongPtrA(balloon_, GWL_STYLE)));
    SendMessageA(balloon_, TTM_SETTITLEA, TTI_INFO, reinterpret_cast<LPARAM>(state_.Header().c_str()));
    TOOLINFOA tool = Tool();
    std::string text = state_.Message();
    tool.lpszText = text.data();
    SendMessageA(balloon_, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&tool));
    const MONITORINFO monitor = MonitorAt(AnchorPoint(anchor_));
    SendMessageA(balloon_, TTM_SETMAXTIPWIDTH, 0, monitor.rcMonitor.right - monitor.rcMonitor.left);
    MoveToAnchor();
    SendMessageA(balloon_, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&tool));
    MoveToAnchor();  // again, now that the balloon has its size
    KeepAboveAnchor();
}

void BalloonNotifier::HideBalloon() {
    if (!balloon_) return;
    TOOLINFOA tool = Tool();
    hiding_ = true;
    SendMessageA(balloon_, TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&tool));
    hiding_ = false;
}

void BalloonNotifier::MoveToAnchor() {
    const ScreenPoint anchor = AnchorPoint(anchor_);
    // The coordinates travel as two signed 16-bit halves (negative left of the primary monitor).
    SendMessageA(
        balloon_, TTM_TRACKPOSITION, 0,
        MAKELPARAM(static_cast<WORD>(static_cast<short>(anchor.x)), static_cast<WORD>(static_cast<short>(anchor.y))));
    // The tooltip places itself by the point; where that leaves part of it off the work area, it is put where it
    // fits.
    RECT actual{};
    if (!IsWindowVisible(balloon_) || !GetWindowRect(balloon_, &actual)) return;
    const ScreenRect current = ToScreenRect(actual);
    const ScreenRect work = ToScreenRect(MonitorAt(anchor).rcWork);
    if (work.Contains(current)) return;
    const ScreenRect fitted = PlaceBalloon(anchor, current.Width(), current.Height(), work, kStemInset);
    SetWindowPos(balloon_, nullptr, fitted.left, fitted.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void BalloonNotifier::KeepAboveAnchor() {
    if (!balloon_) return;
    constexpr UINT kKeep = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOOWNERZORDER;
    if (anchorActive_ && GetForegroundWindow() == anchor_) {
        SetWindowPos(balloon_, HWND_TOPMOST, 0, 0, 0, 0, kKeep);
        return;
    }
    SetWindowPos(balloon_, HWND_NOTOPMOST, 0, 0, 0, 0, kKeep);
    // Directly above the main window: below whatever window stands above it, unless that one is topmost.
    HWND above = GetWindow(anchor_, GW_HWNDPREV);
    while (above == balloon_) above = GetWindow(above, GW_HWNDPREV);
    if (above && !(GetWindowLongPtrA(above, GWL_EXSTYLE) & WS_EX_TOPMOST)) {
        SetWindowPos(balloon_, above, 0, 0, 0, 0, kKeep);
    }
}

}  // namespace zelta::win32
