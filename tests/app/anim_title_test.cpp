// The caption animation, tick by tick, with the window's caption fed back as a window would.
#include <gtest/gtest.h>

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

}  // namespace
}  // namespace zelta
