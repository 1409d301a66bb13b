// Single and double clicks on the tray icon: which one runs the click action, and what happens to the timer.
#include <gtest/gtest.h>

#include "app/TrayClickState.h"

namespace zelta {
namespace {

constexpr std::uint32_t kDoubleClickMs = 500;

struct TrayClick : ::testing::Test {
    TrayClickState s{kDoubleClickMs};
};

TEST_F(TrayClick, ReleaseArmsTheTimerAndItsFiringRunsTheClickOnce) {
    TrayClickCommands up = s.ButtonUp(1000);
    EXPECT_TRUE(up.startTimer);
    EXPECT_FALSE(up.runSingleClick);
    EXPECT_TRUE(s.TimerPending());

    TrayClickCommands fired = s.TimerFired();
    EXPECT_TRUE(fired.killTimer);
    EXPECT_TRUE(fired.runSingleClick);
    EXPECT_FALSE(s.TimerPending());

    // A stray second firing (already queued) runs nothing.
    TrayClickCommands stray = s.TimerFired();
    EXPECT_FALSE(stray.runSingleClick);
    EXPECT_TRUE(stray.killTimer);
}

TEST_F(TrayClick, ASecondReleaseWhileArmedDoesNotRestartTheTimer) {
    s.ButtonUp(1000);
    TrayClickCommands again = s.ButtonUp(1100);
    EXPECT_FALSE(again.startTimer);
    EXPECT_FALSE(again.killTimer);
    EXPECT_TRUE(s.TimerFired().runSingleClick);
}

TEST_F(TrayClick, DoubleClickCancelsThePendingClickIncludingItsTrailingRelease) {
    // What the shell sends for a double click: up, double click, up.
    EXPECT_TRUE(s.ButtonUp(1000).startTimer);
    TrayClickCommands dbl = s.DoubleClick(1200);
    EXPECT_TRUE(dbl.killTimer);
    EXPECT_FALSE(dbl.runSingleClick);
    TrayClickCommands trailing = s.ButtonUp(1250);
    EXPECT_FALSE(trailing.startTimer);
    EXPECT_FALSE(s.TimerPending());
    EXPECT_FALSE(s.TimerFired().runSingleClick);

    // The next click is an ordinary one again.
    EXPECT_TRUE(s.ButtonUp(5000).startTimer);
    EXPECT_TRUE(s.TimerFired().runSingleClick);
}

TEST_F(TrayClick, AReleaseLongAfterADoubleClickIsAClickOfItsOwn) {
    // A shell that does not send the release after the double click must not cost the user the next click.
    s.DoubleClick(1000);
    EXPECT_TRUE(s.ButtonUp(1000 + kDoubleClickMs + 1).startTimer);
}

TEST_F(TrayClick, TheTrailingReleaseIsRecognisedAcrossAWrapOfTheTickCount) {
    s.DoubleClick(0xFFFFFF00u);
    EXPECT_FALSE(s.ButtonUp(0x00000010u).startTimer);
}

TEST_F(TrayClick, DoubleClickWithoutPendingTimerHasNothingToKill) {
    EXPECT_FALSE(s.DoubleClick(1000).killTimer);
}

TEST_F(TrayClick, ATimerThatCannotStartActsAtOnce) {
    s.ButtonUp(1000);
    EXPECT_TRUE(s.TimerNotStarted().runSingleClick);
    EXPECT_FALSE(s.TimerPending());
    EXPECT_TRUE(s.ButtonUp(2000).startTimer);
}

}  // namespace
}  // namespace zelta
