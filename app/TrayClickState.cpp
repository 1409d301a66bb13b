#include "app/TrayClickState.h"

namespace zelta {

TrayClickCommands TrayClickState::ButtonUp(std::uint32_t nowMs) {
    if (swallowNextUp_) {
        swallowNextUp_ = false;
        // Unsigned difference: correct across a wrap of the tick count.
        if (static_cast<std::uint32_t>(nowMs - doubleClickAt_) <= doubleClickMs_) return {};
    }
    if (timerPending_) return {};
    timerPending_ = true;
    TrayClickCommands commands;
    commands.startTimer = true;
    return commands;
}

TrayClickCommands TrayClickState::DoubleClick(std::uint32_t nowMs) {
    swallowNextUp_ = true;
    doubleClickAt_ = nowMs;
    TrayClickCommands commands;
    commands.killTimer = timerPending_;
    timerPending_ = false;
    return commands;
}

TrayClickCommands TrayClickState::TimerFired() {
    // The timer is one-shot: it is stopped whether or not a click was waiting for it.
    TrayClickCommands commands;
    commands.killTimer = true;
    commands.runSingleClick = timerPending_;
    timerPending_ = false;
    return commands;
}

TrayClickCommands TrayClickState::TimerNotStarted() {
    TrayClickCommands commands;
    commands.runSingleClick = timerPending_;
    timerPending_ = false;
    return commands;
}

}  // namespace zelta
