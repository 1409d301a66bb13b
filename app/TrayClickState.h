#pragma once
// Tells a single click on the tray icon from a double click. A released left button arms a one-shot timer of the
// system's double-click time; when it fires, the single-click action runs. A double click disarms it and does
// nothing else. The state only decides; the window shell starts and stops the real timer.
#include <cstdint>

namespace zelta {

// What the shell must do after an event, in the order of the fields.
struct TrayClickCommands {
    bool killTimer = false;
    bool startTimer = false;
    bool runSingleClick = false;
};

class TrayClickState {
public:
    // doubleClickMs: the system's double-click time.
    explicit TrayClickState(std::uint32_t doubleClickMs) : doubleClickMs_(doubleClickMs) {}

    // The left button was released on the icon at nowMs (a millisecond tick count; it may wrap).
    TrayClickCommands ButtonUp(std::uint32_t nowMs);
    // The icon was double-clicked at nowMs.
    TrayClickCommands DoubleClick(std::uint32_t nowMs);
    // The click timer fired.
    TrayClickCommands TimerFired();
    // The shell could not start the timer: the click is not lost, it acts at once.
    TrayClickCommands TimerNotStarted();

    bool TimerPending() const { return timerPending_; }

private:
    std::uint32_t doubleClickMs_;
    bool timerPending_ = false;
    // A double click is followed by the release of its second press; that release belongs to the double click
    // and must not arm a new single click. Remembered only for one double-click time, in case it never comes.
    bool swallowNextUp_ = false;
    std::uint32_t doubleClickAt_ = 0;
};

}  // namespace zelta
