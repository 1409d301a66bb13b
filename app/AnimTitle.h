#pragma once
// The animated window caption: types the title out one character per tick, blinks it, erases it one character
// per tick, and starts over. The window shell owns the timer and the caption; this class only decides the text.
#include <optional>
#include <string>

#include "app/model/AppState.h"

namespace zelta {

// What the window shell does when the window's visibility changes.
struct AnimationCommand {
    bool startTimer = false;
    bool stopTimer = false;
    std::optional<std::string> caption;  // set before the window appears
};

class AnimTitle {
public:
    static constexpr unsigned kStepDelayMs = 50;
    static constexpr int kDefaultBlinkCount = 5;

    explicit AnimTitle(std::string title = kProductTitle, int blinkCount = kDefaultBlinkCount);

    // One timer tick. currentCaption is what the window shows now (another handler may have written it);
    // the result is the caption to set.
    std::string Tick(const std::string& currentCaption);
    // The caption to leave behind when the animation ends with the program.
    const std::string& FinalCaption() const { return title_; }

    // The caption is animated only while it can be seen: hiding the window (to the tray) stops the timer, so a
    // hidden program costs nothing; showing it starts the timer again. A window shown again first moves on one
    // step from currentCaption, so it never appears with the frame it was hidden with or with a caption written
    // while it was hidden. The first showing leaves the caption the window was created with.
    AnimationCommand VisibilityChanged(bool visible, const std::string& currentCaption);
    // Whether the timer runs; a tick that was already queued when the window was hidden is dropped.
    bool Running() const { return running_; }

private:
    std::string title_;
    int blinkCount_;
    std::string shown_;  // a prefix of the title
    bool growing_ = true;
    bool blinking_ = false;
    int blinkCounter_ = 0;
    bool running_ = false;
    bool everShown_ = false;
};

}  // namespace zelta
