// The balloon notice's rules: one notice at a time, its display time, hiding with the main window, closing, and
// where the balloon goes on the screen.
#include <gtest/gtest.h>

#include "app/NoticeState.h"

namespace zelta {
namespace {

constexpr std::uint32_t kTime = 5000;

TEST(Notice, ShownAtOnceWhenTheWindowIsShownAndClosedByItsTimer) {
    NoticeState s;
    NoticeCommands c = s.Raise("Profile saved", "Vok Tarvex", kTime, true, 100);
    EXPECT_TRUE(c.startTimer);
    EXPECT_EQ(c.timerMs, kTime);
    EXPECT_TRUE(c.show);
    EXPECT_FALSE(c.hide);
    EXPECT_TRUE(s.Visible());
    EXPECT_EQ(s.Message(), "Profile saved");
    EXPECT_EQ(s.Header(), "Vok Tarvex");
    EXPECT_EQ(s.RemainingMs(1100), 4000u);

    NoticeCommands done = s.TimerFired();
    EXPECT_TRUE(done.killTimer);
    EXPECT_TRUE(done.hide);
    EXPECT_FALSE(s.Open());
    EXPECT_EQ(s.RemainingMs(1100), 0u);
}

TEST(Notice, ASecondNoticeReplacesTheFirstWithItsOwnFullTime) {
    NoticeState s;
    s.Raise("first", "Vok Tarvex", kTime, true, 0);
    NoticeCommands c = s.Raise("second", "Vok Tarvex", kTime, true, 10);
    // The old timer goes and the old balloon is taken down before the new one shows.
    EXPECT_TRUE(c.killTimer);
    EXPECT_TRUE(c.hide);
    EXPECT_TRUE(c.startTimer);
    EXPECT_EQ(c.timerMs, kTime);
    EXPECT_TRUE(c.show);
    EXPECT_EQ(s.Message(), "second");
    EXPECT_EQ(s.RemainingMs(4999), 11u);
    EXPECT_EQ(s.RemainingMs(5010), 0u);
}

TEST(Notice, RaisedWhileHiddenItWaitsAndShowsForTheRestOfItsTime) {
    NoticeState s;
    NoticeCommands c = s.Raise("hidden", "Vok Tarvex", kTime, false, 1000);
    EXPECT_TRUE(c.startTimer);  // its time runs while it cannot be seen
    EXPECT_FALSE(c.show);
    EXPECT_TRUE(s.Open());
    EXPECT_FALSE(s.Visible());

    NoticeCommands restored = s.AnchorVisibility(true, 3000);
    EXPECT_TRUE(restored.show);
    EXPECT_FALSE(restored.startTimer);  // no fresh time: the first timer still runs
    EXPECT_EQ(s.RemainingMs(3000), 3000u);
}

TEST(Notice, RestoredAfterItsTimeItIsClosedNotShownEvenBeforeTheTimerIsServed) {
    NoticeState s;
    s.Raise("late", "Vok Tarvex", kTime, false, 1000);
    NoticeCommands restored = s.AnchorVisibility(true, 6000);
    EXPECT_FALSE(restored.show);
    EXPECT_TRUE(restored.killTimer);
    EXPECT_FALSE(s.Open());
}

TEST(Notice, HidingTheWindowHidesTheBalloonAndShowingItBringsItBack) {
    NoticeState s;
    s.Raise("m", "Vok Tarvex", kTime, true, 0);
    NoticeCommands hidden = s.AnchorVisibility(false, 100);
    EXPECT_TRUE(hidden.hide);
    EXPECT_FALSE(hidden.killTimer);
    EXPECT_TRUE(s.Open());
    // Repeated reports change nothing.
    EXPECT_FALSE(s.AnchorVisibility(false, 200).hide);
    EXPECT_TRUE(s.AnchorVisibility(true, 300).show);
    EXPECT_FALSE(s.AnchorVisibility(true, 400).show);
}

TEST(Notice, EveryWayOfClosingEndsTheNoticeAndItsTimer) {
    struct Case {
        const char* name;
        NoticeCommands (*close)(NoticeState&);
    };
    const Case cases[] = {
        {"close button", [](NoticeState& s) { return s.CloseButton(); }},
        {"window closing", [](NoticeState& s) { return s.AnchorClosing(); }},
        {"timer", [](NoticeState& s) { return s.TimerFired(); }},
        {"timer not started", [](NoticeState& s) { return s.TimerNotStarted(); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        NoticeState s;
        s.Raise("m", "Vok Tarvex", kTime, true, 0);
        NoticeCommands closed = c.close(s);
        EXPECT_TRUE(closed.killTimer);
        EXPECT_TRUE(closed.hide);
        EXPECT_FALSE(closed.show);
        EXPECT_FALSE(s.Open());
        // Nothing comes back once closed.
        EXPECT_FALSE(s.AnchorVisibility(false, 10).hide);
        EXPECT_FALSE(s.AnchorVisibility(true, 20).show);
        // Closing again has nothing left to do.
        NoticeCommands again = s.CloseButton();
        EXPECT_FALSE(again.killTimer);
        EXPECT_FALSE(again.hide);
    }
}

TEST(Notice, AClosedHiddenNoticeHasNoBalloonToTakeDown) {
    NoticeState s;
    s.Raise("m", "Vok Tarvex", kTime, false, 0);
    NoticeCommands closed = s.AnchorClosing();
    EXPECT_TRUE(closed.killTimer);
    EXPECT_FALSE(closed.hide);
}

TEST(Notice, ANoticeWithoutTimeIsNeverShown) {
    NoticeState s;
    s.Raise("old", "Vok Tarvex", kTime, true, 0);
    NoticeCommands c = s.Raise("none", "Vok Tarvex", 0, true, 10);
    EXPECT_TRUE(c.killTimer);
    EXPECT_TRUE(c.hide);
    EXPECT_FALSE(c.show);
    EXPECT_FALSE(c.startTimer);
    EXPECT_FALSE(s.Open());
}

TEST(Notice, RemainingTimeHoldsAcrossAWrapOfTheTickCount) {
    NoticeState s;
    s.Raise("m", "Vok Tarvex", kTime, true, 0xFFFFF000u);  // 4096 ms before the wrap
    EXPECT_EQ(s.RemainingMs(0x00000100u), kTime - 4096u - 256u);
}

TEST(NoticeAnimationChoice, FollowsTheSystemTooltipSettings) {
    EXPECT_EQ(ChooseNoticeAnimation(false, false), NoticeAnimation::None);
    EXPECT_EQ(ChooseNoticeAnimation(false, true), NoticeAnimation::None);
    EXPECT_EQ(ChooseNoticeAnimation(true, false), NoticeAnimation::Slide);
    EXPECT_EQ(ChooseNoticeAnimation(true, true), NoticeAnimation::Fade);
}

TEST(NoticePlacement, StemTouchesTheMiddleOfTheClientAreasBottomEdge) {
    ScreenPoint p = StemAnchor({478, 150, 1178, 663});
    EXPECT_EQ(p.x, 828);
    EXPECT_EQ(p.y, 663);
    // Left of the primary monitor, coordinates are negative.
    ScreenPoint q = StemAnchor({-1500, -200, -800, 313});
    EXPECT_EQ(q.x, -1150);
    EXPECT_EQ(q.y, 313);
}

TEST(NoticePlacement, BalloonGoesWhereItFitsThenIntoTheWorkArea) {
    const ScreenRect work{0, 0, 1280, 770};
    struct Case {
        const char* name;
        ScreenPoint anchor;
        int width;
        int height;
        ScreenRect expected;
    };
    const Case cases[] = {
        {"room everywhere: above, to the right", {600, 500}, 300, 80, {584, 420, 884, 500}},
        {"too near the top: below", {600, 50}, 300, 80, {584, 50, 884, 130}},
        {"too near the right: to the left", {1200, 500}, 300, 80, {916, 420, 1216, 500}},
        {"below and off the bottom: moved up", {600, 40}, 300, 760, {584, 10, 884, 770}},
        {"anchor left of the area: moved right", {-100, 500}, 300, 80, {0, 420, 300, 500}},
        {"wider than the area: left edge wins", {600, 500}, 1400, 80, {0, 420, 1400, 500}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScreenRect r = PlaceBalloon(c.anchor, c.width, c.height, work, 16);
        EXPECT_EQ(r.left, c.expected.left);
        EXPECT_EQ(r.top, c.expected.top);
        EXPECT_EQ(r.right, c.expected.right);
        EXPECT_EQ(r.bottom, c.expected.bottom);
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
