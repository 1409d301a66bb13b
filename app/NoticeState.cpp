#include "app/NoticeState.h"

namespace zelta {

NoticeCommands NoticeState::Raise(const std::string& message, const std::string& header, std::uint32_t timeMs,
                                  bool anchorShown, std::uint32_t nowMs) {
    // The old notice goes first, timer and all.
    NoticeCommands commands = Close();
    if (timeMs == 0) return commands;  // a notice with no time closes as soon as it opens
    open_ = true;
    message_ = message;
    header_ = header;
    startedAt_ = nowMs;
    timeMs_ = timeMs;
    commands.startTimer = true;
    commands.timerMs = timeMs;
    if (anchorShown) {
        visible_ = true;
        commands.show = true;
    }
    return commands;
}

NoticeCommands NoticeState::TimerNotStarted() { return Close(); }

NoticeCommands NoticeState::TimerFired() {
    NoticeCommands commands = Close();
    // A one-shot timer: stopped even when it outlived its notice.
    commands.killTimer = true;
    return commands;
}

NoticeCommands NoticeState::AnchorVisibility(bool shown, std::uint32_t nowMs) {
    NoticeCommands commands;
    if (!open_) return commands;
    if (!shown) {
        commands.hide = visible_;
        visible_ = false;
        return commands;
    }
    if (visible_) return commands;
    // The timer may not have been served yet although the time is up: then the notice is over, not shown again.
    if (RemainingMs(nowMs) == 0) return Close();
    visible_ = true;
    commands.show = true;
    return commands;
}

NoticeCommands NoticeState::CloseButton() { return Close(); }

NoticeCommands NoticeState::AnchorClosing() { return Close(); }

std::uint32_t NoticeState::RemainingMs(std::uint32_t nowMs) const {
    if (!open_) return 0;
    // Unsigned difference: correct across a wrap of the tick count.
    std::uint32_t elapsed = nowMs - startedAt_;
    return elapsed >= timeMs_ ? 0 : timeMs_ - elapsed;
}

NoticeCommands NoticeState::Close() {
    NoticeCommands commands;
    commands.killTimer = open_;
    commands.hide = visible_;
    open_ = false;
    visible_ = false;
    return commands;
}

NoticeAnimation ChooseNoticeAnimation(bool tooltipAnimationOn, bool tooltipFadeOn) {
    if (!tooltipAnimationOn) return NoticeAnimation::None;
    return tooltipFadeOn ? NoticeAnimation::Fade : NoticeAnimation::Slide;
}

ScreenPoint StemAnchor(const ScreenRect& clientOnScreen) {
    return {clientOnScreen.left + clientOnScreen.Width() / 2, clientOnScreen.bottom};
}

ScreenRect PlaceBalloon(ScreenPoint anchor, int width, int height, const ScreenRect& workArea, int stemInset) {
    ScreenRect r;
    if (anchor.y - height >= workArea.top) {
        r.top = anchor.y - height;
    } else {
        r.top = anchor.y;
    }
    if (anchor.x - stemInset + width <= workArea.right) {
        r.left = anchor.x - stemInset;
    } else {
        r.left = anchor.x + stemInset - width;
    }
    r.right = r.left + width;
    r.bottom = r.top + height;
    return MoveIntoArea(r, workArea);
}

}  // namespace zelta
