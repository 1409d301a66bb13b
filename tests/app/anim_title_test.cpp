// The caption animation, tick by tick, with the window's caption fed back as a window would.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "app/AnimTitle.h"

namespace zelta {
namespace {

std::vector<std::string> Ticks(AnimTitle& anim, std::string& caption, int ticks) {
    std::vector<std::string> shown;
    for (int i = 0; i < ticks; ++i) shown.push_back(caption = anim.Tick(caption));
    return shown;
}

const std::string kT = "Vok Tarvex";

TEST(AnimTitle, TypesBlinksFiveTimesErasesAndStartsOver) {
    AnimTitle anim;
    std::string caption = kT;
    // clang-format off
    const std::vector<std::string> cycle = {
        "V", "Vo", "Vok", "Vok ", "Vok T", "Vok Ta", "Vok Tar", "Vok Tarv", "Vok Tarve", kT,  // typing
        kT, "", kT, "", kT, "", kT, "", kT, "", kT,                                            // five blinks
        "Vok Tarve", "Vok Tarv", "Vok Tar", "Vok Ta", "Vok T", "Vok ", "Vok", "Vo", "V", "",  // erasing
        ""};                                                                                   // growing again
    // clang-format on
    EXPECT_EQ(Ticks(anim, caption, 32), cycle);
    EXPECT_EQ(Ticks(anim, caption, 32), cycle);
    EXPECT_EQ(anim.FinalCaption(), kT);
}

TEST(AnimTitle, ForeignCaptionIsOverwrittenOnTheNextTick) {
    AnimTitle anim;
    std::string caption = kT;
    Ticks(anim, caption, 3);
    EXPECT_EQ(anim.Tick("Profile Activated: Home"), "Vok ");  // while typing
    caption = "Vok ";
    Ticks(anim, caption, 7);  // typed out: the next tick starts the blinking
    ASSERT_EQ(caption, kT);
    // During blinking a foreign caption counts as "off": the title comes back at once and that is a blink,
    // so four more follow before the erasing.
    EXPECT_EQ(anim.Tick("Profile Activated: Home"), kT);
    caption = kT;
    EXPECT_EQ(Ticks(anim, caption, 9), (std::vector<std::string>{"", kT, "", kT, "", kT, "", kT, "Vok Tarve"}));
}

// The timer runs only while the window can be seen; each row is one visibility change and what the shell must do.
TEST(AnimTitle, TimerFollowsTheWindowsVisibility) {
    struct Step {
        bool visible;
        std::string caption;  // what the window shows at that moment
        bool start, stop;
        std::optional<std::string> set;
        bool runningAfter;
    };
    AnimTitle anim;
    EXPECT_FALSE(anim.Running());  // nothing runs before the window is first shown
    const std::vector<Step> steps = {
        {true, kT, true, false, std::nullopt, true},        // first showing: the created caption stays
        {true, kT, false, false, std::nullopt, true},       // shown again while shown: nothing
        {false, "V", false, true, std::nullopt, false},     // hidden to the tray: the timer stops
        {false, "V", false, false, std::nullopt, false},    // hidden twice (owner minimised, then hidden): nothing
        {true, "V", true, false, std::string("Vo"), true},  // restored: one step on before it appears
    };
    std::string caption = kT;
    Ticks(anim, caption, 1);  // the animation stands at "V" when the steps begin
    for (std::size_t i = 0; i < steps.size(); ++i) {
        const Step& step = steps[i];
        const AnimationCommand command = anim.VisibilityChanged(step.visible, step.caption);
        EXPECT_EQ(command.startTimer, step.start) << "step " << i;
        EXPECT_EQ(command.stopTimer, step.stop) << "step " << i;
        EXPECT_EQ(command.caption, step.set) << "step " << i;
        EXPECT_EQ(anim.Running(), step.runningAfter) << "step " << i;
    }
}

// A caption written while the window was hidden (an activation from the tray menu) is never what a restore shows.
TEST(AnimTitle, RestoreReplacesACaptionWrittenWhileHidden) {
    for (int ticksBeforeHiding : {3, 11, 25}) {  // while typing, blinking and erasing
        AnimTitle anim;
        anim.VisibilityChanged(true, kT);
        std::string caption = kT;
        Ticks(anim, caption, ticksBeforeHiding);
        anim.VisibilityChanged(false, caption);
        const AnimationCommand restore = anim.VisibilityChanged(true, "Home - LAN is activated !");
        ASSERT_TRUE(restore.caption.has_value());
        EXPECT_EQ(kT.compare(0, restore.caption->size(), *restore.caption), 0)
            << "after " << ticksBeforeHiding << " ticks: \"" << *restore.caption << "\" is no prefix of the title";
        EXPECT_TRUE(restore.startTimer);
    }
}

}  // namespace
}  // namespace zelta
