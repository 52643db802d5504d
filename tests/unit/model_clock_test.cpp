// The puzzle's clock as a state machine fed with events and times, and its words.
#include <gtest/gtest.h>

#include "model/game_clock.h"

namespace {

TEST(GameClock, CountsOnlyWhileActivePlayedAndNotWon) {
    GameClock c;
    ClockRestart(c, 0, 0);
    EXPECT_EQ(ClockElapsedMs(c, 5000), 0) << "not counting before the window is active";
    ClockApply(c, ClockEvent::WindowActivated, 1000);
    EXPECT_EQ(ClockElapsedMs(c, 3000), 2000);

    // Each pause holds the time until it ends; pauses overlap and dialogs nest.
    ClockApply(c, ClockEvent::DialogOpened, 3000);
    ClockApply(c, ClockEvent::DialogOpened, 3500); // a message box over the dialog
    ClockApply(c, ClockEvent::DialogClosed, 4000);
    EXPECT_EQ(ClockElapsedMs(c, 9000), 2000);
    ClockApply(c, ClockEvent::DialogClosed, 10000);
    EXPECT_EQ(ClockElapsedMs(c, 11000), 3000);
    ClockApply(c, ClockEvent::Minimised, 11000);
    ClockApply(c, ClockEvent::WindowDeactivated, 11500);
    ClockApply(c, ClockEvent::Restored, 20000);
    EXPECT_EQ(ClockElapsedMs(c, 25000), 3000) << "restored but in the background";
    ClockApply(c, ClockEvent::WindowActivated, 30000);
    ClockApply(c, ClockEvent::DialogClosed, 30000); // one close too many changes nothing
    EXPECT_EQ(ClockElapsedMs(c, 31000), 4000);

    ClockApply(c, ClockEvent::Won, 32000);
    EXPECT_EQ(ClockElapsedMs(c, 90000), 5000) << "stopped at the win";
    ClockApply(c, ClockEvent::WindowActivated, 91000);
    EXPECT_EQ(ClockElapsedMs(c, 95000), 5000);

    // A loaded game goes on from its time; the window's state stays as it was.
    ClockRestart(c, 42000, 100000);
    EXPECT_EQ(ClockElapsedMs(c, 101500), 43500);
    ClockApply(c, ClockEvent::EditorOpened, 102000);
    EXPECT_EQ(ClockElapsedMs(c, 200000), 44000) << "the editor is no game";
    ClockRestart(c, 0, 300000);
    EXPECT_EQ(ClockElapsedMs(c, 300250), 250);
}

TEST(GameClock, Words) {
    const std::pair<int64_t, const char*> table[] = {
        {0, "0:00"}, {59, "0:59"}, {61, "1:01"}, {3599, "59:59"}, {3723, "1:02:03"}, {-5, "0:00"}};
    for (const auto& [seconds, text] : table)
        EXPECT_EQ(ClockText(seconds), text);
}

} // namespace
