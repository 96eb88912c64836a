// The three timers' rules that every host shares: the order of firing and a late timer's
// next due time.
#include <gtest/gtest.h>

#include "session/TimerSchedule.h"

namespace radioprog {
namespace {

TEST(TimerSchedule, TimersDueTogetherFireInTheOrderTheyWereStarted) {
    TimerSchedule timers;
    EXPECT_FALSE(timers.Next());
    timers.Start(SessionTimer::TimeOut, 0, 30);
    timers.Start(SessionTimer::Rx, 10, 20);
    timers.Start(SessionTimer::Tx, 20, 10);
    EXPECT_EQ(timers.Next(), SessionTimer::TimeOut);

    // Restarted, the first one goes behind the others due at the same time.
    timers.Start(SessionTimer::TimeOut, 0, 30);
    EXPECT_EQ(timers.Next(), SessionTimer::Rx);
    timers.Stop(SessionTimer::Rx);
    EXPECT_EQ(timers.Next(), SessionTimer::Tx);
    timers.Stop(SessionTimer::Tx);
    timers.Stop(SessionTimer::TimeOut);
    EXPECT_FALSE(timers.AnyRunning());
    EXPECT_FALSE(timers.Next());
}

TEST(TimerSchedule, ALateTimerFiresOnceAndIsNextDueAnIntervalAfterItFired) {
    TimerSchedule timers;
    timers.Start(SessionTimer::Rx, 100, 3);
    EXPECT_EQ(timers.Fire(SessionTimer::Rx, 100), 103) << "never before its due time";
    EXPECT_EQ(timers.DueTime(SessionTimer::Rx), 106);

    EXPECT_EQ(timers.Fire(SessionTimer::Rx, 150), 150);
    EXPECT_EQ(timers.DueTime(SessionTimer::Rx), 153) << "the missed polls are not caught up";

    timers.MoveDueTime(SessionTimer::Rx, 151);
    EXPECT_EQ(timers.Interval(SessionTimer::Rx), 3);
    EXPECT_EQ(timers.Fire(SessionTimer::Rx, 151), 151);
    EXPECT_EQ(timers.DueTime(SessionTimer::Rx), 154);
}

}  // namespace
}  // namespace radioprog
