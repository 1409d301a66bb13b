#pragma once
// The balloon notice: a tracking tooltip with a stem pointing at the middle of the main window's bottom edge, a
// bold header with the information icon, the message and a close button. What happens when is decided by
// NoticeState; this class only carries it out on the screen.
#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <string>

#include "app/NoticeState.h"
#include "app/model/Notifier.h"

namespace zelta::win32 {

class BalloonNotifier : public zelta::Notifier {
public:
    static constexpr UINT_PTR kNoticeTimerId = 0x7202;

    // anchor: the main window, which also runs the display timer. With no anchor nothing is ever shown.
    explicit BalloonNotifier(HWND anchor);
    ~BalloonNotifier() override;
    BalloonNotifier(const BalloonNotifier&) = delete;
    BalloonNotifier& operator=(const BalloonNotifier&) = delete;

    // Replaces any open notice; returns at once, the notice closes by itself after timeMs.
    void ShowNotice(const std::string& message, const std::string& header, unsigned timeMs) override;
    // While the main window is hidden or minimised, hands the notice to trayNotice; shows it as a balloon when the
    // window is shown, or when the tray icon did not take it.
    void ShowNoticeAnywhere(const std::string& message, const std::string& header, unsigned timeMs,
                            bool warning) override;
    std::function<bool(const std::string& message, const std::string& header, bool warning)> trayNotice;

    // The main window's WM_TIMER: true when it was the notice's timer.
    bool HandleTimer(UINT_PTR id);
    // The main window's WM_MOVE: the balloon follows.
    void OnAnchorMoved();
    // The main window was hidden or minimised (false) or shown again (true).
    void OnAnchorVisibilityChanged(bool shownAndNotMinimised);
    // The main window's WM_ACTIVATE: above every window while the main window is active, else just above it.
    void OnAnchorActivated(bool active);
    // The main window's WM_NOTIFY: true when it came from the balloon. Its pop notification is the close button.
    bool HandleNotify(const NMHDR& header);
    // The main window is closing: the notice goes at once and no other follows.
    void OnAnchorClosing();
    // What the balloon's close button does.
    void CloseByButton();

    HWND BalloonWindow() const { return balloon_; }
    const NoticeState& State() const { return state_; }

private:
    void Apply(const NoticeCommands& commands);
    void ShowBalloon();
    void HideBalloon();
    void MoveToAnchor();
    void KeepAboveAnchor();
    TOOLINFOA Tool() const;

    HWND anchor_;
    HWND balloon_ = nullptr;  // owned: destroyed in the destructor or when the anchor closes
    NoticeState state_;
    bool anchorActive_ = true;
    bool hiding_ = false;  // our own hiding makes the balloon report a pop that is not the close button
};

}  // namespace zelta::win32
