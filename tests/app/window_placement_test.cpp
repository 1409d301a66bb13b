// The main window's opening position: the scaled design position when the window fits there, moved just enough
// otherwise, and never with its top-left corner outside the work area.
#include <gtest/gtest.h>

#include "app/WindowPlacement.h"

namespace zelta {
namespace {

TEST(ScaleToDpi, ScalesFromNinetySixDotsPerInchRoundingHalvesAwayFromZero) {
    struct Case {
        int design, dpi, expected;
    };
    const Case cases[] = {
        {700, 96, 700},  {700, 120, 875},  {700, 144, 1050}, {700, 192, 1400},
        {513, 120, 641},  // 641.25
        {513, 144, 770},  // 769.5: up, as MulDiv
        {478, 120, 598},  // 597.5
        {117, 144, 176},  // 175.5
        {-3, 144, -5},    // -4.5: away from zero
        {0, 192, 0},
    };
    for (const Case& c : cases) EXPECT_EQ(ScaleToDpi(c.design, c.dpi), c.expected) << c.design << " at " << c.dpi;
}

TEST(OpeningPosition, KeepsTheDesignPositionWhenTheWindowFitsAndMovesJustEnoughWhenNot) {
    struct Case {
        const char* what;
        int dpi, width, height;
        ScreenRect work;
        ScreenPoint expected;
    };
    const ScreenRect desktop1280{0, 0, 1280, 800};
    const ScreenRect desktop1024{0, 0, 1024, 768};
    const Case cases[] = {
        {"fits at 100 %", 96, 706, 545, desktop1280, {478, 114}},
        {"fits exactly to the pixel", 96, 802, 686, desktop1280, {478, 114}},
        {"one pixel too wide and too high", 96, 803, 687, desktop1280, {477, 113}},
        {"moved left and up at 125 %", 120, 881, 677, desktop1280, {399, 123}},  // from 598, 143
        {"too wide on a small screen", 96, 706, 545, desktop1024, {318, 114}},
        {"taller than the screen at 150 %", 144, 1056, 806, desktop1280, {224, 0}},
        {"larger than the screen both ways at 200 %", 192, 1406, 1062, desktop1280, {0, 0}},
        {"work area below a top taskbar", 96, 706, 545, ScreenRect{0, 40, 1024, 768}, {318, 114}},
        {"taller than a work area below a top taskbar", 144, 1056, 806, ScreenRect{0, 40, 1280, 800}, {224, 40}},
        {"monitor left of the primary", 96, 706, 545, ScreenRect{-1280, 0, 0, 1024}, {-706, 114}},
        {"monitor right of the primary, design position left of it", 96, 706, 545, ScreenRect{1280, 0, 2560, 1024},
         {1280, 114}},
    };
    for (const Case& c : cases) {
        const ScreenPoint at = OpeningPosition(478, 114, c.dpi, c.width, c.height, c.work);
        EXPECT_EQ(at.x, c.expected.x) << c.what;
        EXPECT_EQ(at.y, c.expected.y) << c.what;
    }
}

}  // namespace
}  // namespace zelta
