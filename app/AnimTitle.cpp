#include "app/AnimTitle.h"

#include <utility>

namespace zelta {

AnimTitle::AnimTitle(std::string title, int blinkCount) : title_(std::move(title)), blinkCount_(blinkCount) {}

std::string AnimTitle::Tick(const std::string& currentCaption) {
    if (blinking_) {
        // Blinking compares against the real caption, so a caption written by someone else counts as "off" and
        // is replaced by the title at once.
        if (currentCaption == title_) return {};
        if (++blinkCounter_ >= blinkCount_) {
            blinking_ = false;
            blinkCounter_ = 0;
        }
        return title_;
    }
    if (growing_) {
        if (shown_.size() >= title_.size()) {
            growing_ = false;
            blinking_ = blinkCount_ > 0;
        } else {
            shown_ += title_[shown_.size()];
        }
        return shown_;
    }
    if (!shown_.empty()) {
        shown_.pop_back();
    } else {
        growing_ = true;
    }
    return shown_;
}

AnimationCommand AnimTitle::VisibilityChanged(bool visible, const std::string& currentCaption) {
    AnimationCommand command;
    if (visible == running_) return command;
    running_ = visible;
    if (!visible) {
        command.stopTimer = true;
        return command;
    }
    command.startTimer = true;
    if (everShown_) command.caption = Tick(currentCaption);
    everShown_ = true;
    return command;
}

}  // namespace zelta
