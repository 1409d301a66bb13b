#pragma once
// The animated window caption: types the title out one character per tick, blinks it, erases it one character
// per tick, and starts over. The window shell owns the timer and the caption; this class only decides the text.
#include <string>

#include "app/model/AppState.h"

namespace zelta {

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

private:
    std::string title_;
    int blinkCount_;
    std::string shown_;  // a prefix of the title
    bool growing_ = true;
    bool blinking_ = false;
    int blinkCounter_ = 0;
};

}  // namespace zelta
