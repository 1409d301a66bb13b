// The balloon notice's rules: one notice at a time, its display time, hiding with the main window, closing, and
// where the balloon goes on the screen.
#include <gtest/gtest.h>

#include "app/NoticeState.h"

namespace zelta {
namespace {

constexpr std::uint32_t kTime = 5000;

// The commands in their order as words, each field told: "kill hide start 5000 show"; "" when there is nothing to do.
std::string Words(const NoticeCommands& c) {
    std::string words;
    const auto add = [&words](bool on, const std::string& word) {
        if (on) words += (words.empty() ? "" : " ") + word;
    };
    add(c.killTimer, "kill");
    add(c.hide, "hide");
    add(c.startTimer || c.timerMs != 0, "start " + std::to_string(c.timerMs) + (c.startTimer ? "" : " (not started)"));
    add(c.show, "show");
    return words;
}

// A notice raised at nowMs over a window that is shown or not.
NoticeCommands Raise(NoticeState& s, const std::string& message, bool anchorShown, std::uint32_t nowMs,
                     std::uint32_t timeMs = kTime) {
    return s.Raise(message, "Vok Tarvex", timeMs, anchorShown, nowMs);
}

TEST(Notice, ShownAtOnceWhenTheWindowIsShownAndClosedByItsTimer) {
    NoticeState s;
    EXPECT_EQ(Words(Raise(s, "Profile saved", true, 100)), "start 5000 show");
    EXPECT_TRUE(s.Visible());
    EXPECT_EQ(s.Message(), "Profile saved");
    EXPECT_EQ(s.Header(), "Vok Tarvex");
    EXPECT_EQ(s.RemainingMs(1100), 4000u);
    EXPECT_EQ(Words(s.TimerFired()), "kill hide");
    EXPECT_FALSE(s.Open());
    EXPECT_EQ(s.RemainingMs(1100), 0u);
}

TEST(Notice, ASecondNoticeReplacesTheFirstWithItsOwnFullTime) {
    NoticeState s;
    Raise(s, "first", true, 0);
    // The old timer goes and the old balloon is taken down before the new one shows.
    EXPECT_EQ(Words(Raise(s, "second", true, 10)), "kill hide start 5000 show");
    EXPECT_EQ(s.Message(), "second");
    EXPECT_EQ(s.RemainingMs(4999), 11u);
    EXPECT_EQ(s.RemainingMs(5010), 0u);
}

TEST(Notice, RaisedWhileHiddenItWaitsAndShowsForTheRestOfItsTime) {
    NoticeState s;
    EXPECT_EQ(Words(Raise(s, "hidden", false, 1000)), "start 5000");  // its time runs while it cannot be seen
    EXPECT_TRUE(s.Open());
    EXPECT_FALSE(s.Visible());
    EXPECT_EQ(Words(s.AnchorVisibility(true, 3000)), "show");  // no fresh time: the first timer still runs
    EXPECT_EQ(s.RemainingMs(3000), 3000u);
}

TEST(Notice, RestoredAfterItsTimeItIsClosedNotShownEvenBeforeTheTimerIsServed) {
    NoticeState s;
    Raise(s, "late", false, 1000);
    EXPECT_EQ(Words(s.AnchorVisibility(true, 6000)), "kill");
    EXPECT_FALSE(s.Open());
}

TEST(Notice, HidingTheWindowHidesTheBalloonAndShowingItBringsItBack) {
    NoticeState s;
    Raise(s, "m", true, 0);
    EXPECT_EQ(Words(s.AnchorVisibility(false, 100)), "hide");
    EXPECT_TRUE(s.Open());
    // Repeated reports change nothing.
    EXPECT_EQ(Words(s.AnchorVisibility(false, 200)), "");
    EXPECT_EQ(Words(s.AnchorVisibility(true, 300)), "show");
    EXPECT_EQ(Words(s.AnchorVisibility(true, 400)), "");
}

TEST(Notice, EveryWayOfClosingEndsTheNoticeAndItsTimer) {
    const struct {
        const char* name;
        bool shown;  // the window was shown when the notice came
        NoticeCommands (*close)(NoticeState&);
        const char* commands;
    } cases[] = {
        {"close button", true, [](NoticeState& s) { return s.CloseButton(); }, "kill hide"},
        {"window closing", true, [](NoticeState& s) { return s.AnchorClosing(); }, "kill hide"},
        {"timer", true, [](NoticeState& s) { return s.TimerFired(); }, "kill hide"},
        {"timer not started", true, [](NoticeState& s) { return s.TimerNotStarted(); }, "kill hide"},
        // A hidden notice has no balloon to take down.
        {"window closing, notice hidden", false, [](NoticeState& s) { return s.AnchorClosing(); }, "kill"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        NoticeState s;
        Raise(s, "m", c.shown, 0);
        EXPECT_EQ(Words(c.close(s)), c.commands);
        EXPECT_FALSE(s.Open());
        // Nothing comes back once closed, and closing again has nothing left to do.
        EXPECT_EQ(Words(s.AnchorVisibility(false, 10)), "");
        EXPECT_EQ(Words(s.AnchorVisibility(true, 20)), "");
        EXPECT_EQ(Words(s.CloseButton()), "");
    }
}

TEST(Notice, ANoticeWithoutTimeIsNeverShown) {
    NoticeState s;
    Raise(s, "old", true, 0);
    EXPECT_EQ(Words(Raise(s, "none", true, 10, 0)), "kill hide");
    EXPECT_FALSE(s.Open());
}

TEST(Notice, RemainingTimeHoldsAcrossAWrapOfTheTickCount) {
    NoticeState s;
    Raise(s, "m", true, 0xFFFFF000u);  // 4096 ms before the wrap
    EXPECT_EQ(s.RemainingMs(0x00000100u), kTime - 4096u - 256u);
}

TEST(NoticeAnimationChoice, FollowsTheSystemTooltipSettings) {
    EXPECT_EQ(ChooseNoticeAnimation(false, false), NoticeAnimation::None);
    EXPECT_EQ(ChooseNoticeAnimation(false, true), NoticeAnimation::None);
    EXPECT_EQ(ChooseNoticeAnimation(true, false), NoticeAnimation::Slide);
    EXPECT_EQ(ChooseNoticeAnimation(true, true), NoticeAnimation::Fade);
}

TEST(NoticePlacement, StemTouchesTheMiddleOfTheClientAreasBottomEdge) {
    const ScreenPoint p = StemAnchor({478, 150, 1178, 663});
    EXPECT_EQ(std::make_pair(p.x, p.y), std::make_pair(828, 663));
    // Left of the primary monitor, coordinates are negative.
    const ScreenPoint q = StemAnchor({-1500, -200, -800, 313});
    EXPECT_EQ(std::make_pair(q.x, q.y), std::make_pair(-1150, 313));
}

TEST(NoticePlacement, BalloonGoesWhereItFitsThenIntoTheWorkArea) {
    const ScreenRect work{0, 0, 1280, 770};
    const struct {
        const char* name;
        ScreenPoint anchor;
        int width;
        int height;
        ScreenRect expected;
    } cases[] = {
        {"room everywhere: above, to the right", {600, 500}, 300, 80, {584, 420, 884, 500}},
        {"too near the top: below", {600, 50}, 300, 80, {584, 50, 884, 130}},
        {"too near the right: to the left", {1200, 500}, 300, 80, {916, 420, 1216, 500}},
        {"below and off the bottom: moved up", {600, 40}, 300, 760, {584, 10, 884, 770}},
        {"anchor left of the area: moved right", {-100, 500}, 300, 80, {0, 420, 300, 500}},
        {"wider than the area: left edge wins", {600, 500}, 1400, 80, {0, 420, 1400, 500}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(PlaceBalloon(c.anchor, c.width, c.height, work, 16), c.expected);
    }
}

TEST(NoticePlacement, MoveIntoAreaKeepsTheSizeAndLeavesAFittingRectAlone) {
    const ScreenRect area{-1280, 0, 0, 1024};
    ScreenRect inside{-900, 100, -600, 180};
    EXPECT_EQ(MoveIntoArea(inside, area), inside);
    ScreenRect moved = MoveIntoArea({-100, 1000, 200, 1080}, area);
    EXPECT_EQ(moved, (ScreenRect{-300, 944, 0, 1024}));
    EXPECT_TRUE(area.Contains(moved));
}

}  // namespace
}  // namespace zelta
