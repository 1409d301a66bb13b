#pragma once
// The balloon notice's decisions, apart from any window: at most one notice at a time; a new one replaces the old
// one and gets its full display time; it is on screen only while the main window is shown and not minimised; it
// closes on its timer, on its close button and when the main window closes. Time comes in as a millisecond tick
// count from the caller, so the rules hold without a clock. Also the placement of the balloon on the screen.
#include <cstdint>
#include <string>

#include "app/ScreenGeometry.h"

namespace zelta {

// What the balloon window must do after an event, in the order of the fields.
struct NoticeCommands {
    bool killTimer = false;
    bool hide = false;
    bool startTimer = false;
    std::uint32_t timerMs = 0;
    bool show = false;  // put the current notice (its texts are in the state) on the screen
};

class NoticeState {
public:
    // A new notice. anchorShown: the main window is visible and not minimised.
    NoticeCommands Raise(const std::string& message, const std::string& header, std::uint32_t timeMs, bool anchorShown,
                         std::uint32_t nowMs);
    // The display timer could not be started: the notice closes at once.
    NoticeCommands TimerNotStarted();
    NoticeCommands TimerFired();
    // The main window was hidden or minimised (false), or shown again (true).
    NoticeCommands AnchorVisibility(bool shown, std::uint32_t nowMs);
    NoticeCommands CloseButton();
    NoticeCommands AnchorClosing();

    bool Open() const { return open_; }
    bool Visible() const { return visible_; }
    const std::string& Message() const { return message_; }
    const std::string& Header() const { return header_; }
    // Display time left at nowMs; 0 when no notice is open or its time is up.
    std::uint32_t RemainingMs(std::uint32_t nowMs) const;

private:
    NoticeCommands Close();

    bool open_ = false;
    bool visible_ = false;
    std::string message_;
    std::string header_;
    std::uint32_t startedAt_ = 0;
    std::uint32_t timeMs_ = 0;
};

// The system's tooltip settings decide how a balloon appears: a fade when fading is on, a slide when animation is on
// without fading, nothing when animation is off (fading then does not apply).
enum class NoticeAnimation { None, Slide, Fade };
NoticeAnimation ChooseNoticeAnimation(bool tooltipAnimationOn, bool tooltipFadeOn);

// The point the balloon's stem touches: the middle of the bottom edge of the main window's client area, given in
// screen coordinates.
ScreenPoint StemAnchor(const ScreenRect& clientOnScreen);

// Where a balloon of the given size goes with its stem tip at the anchor. The stem leaves the balloon stemInset
// pixels from its near corner. The balloon stands above the point when it fits there in the work area, else below;
// it extends to the right of the point when it fits, else to the left; then it is moved as far as needed to lie
// wholly in the work area (its top-left corner wins when it is larger than the area).
ScreenRect PlaceBalloon(ScreenPoint anchor, int width, int height, const ScreenRect& workArea, int stemInset);

}  // namespace zelta
