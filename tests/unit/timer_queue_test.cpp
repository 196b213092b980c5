#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "forms/timer_queue.h"

namespace {

using forms::Timer;
using forms::TimerQueue;

TEST(TimerQueue, FiresEveryIntervalWhileEnabled) {
    TimerQueue q;
    std::vector<std::int64_t> ticks;
    Timer t(q, "T", 100, [&] { ticks.push_back(q.now()); });
    t.setEnabled(true);
    q.advance(350);
    EXPECT_EQ(ticks, (std::vector<std::int64_t>{100, 200, 300}));
    EXPECT_EQ(q.now(), 350);
}

TEST(TimerQueue, ADisabledTimerAndAZeroIntervalNeverFire) {
    TimerQueue q;
    int fired = 0;
    Timer off(q, "Off", 10, [&] { ++fired; });
    Timer zero(q, "Zero", 0, [&] { ++fired; });
    zero.setEnabled(true);
    q.advance(1000);
    EXPECT_EQ(fired, 0);
}

TEST(TimerQueue, ReenablingOrChangingTheIntervalRestartsTheCountdown) {
    TimerQueue q;
    std::vector<std::int64_t> ticks;
    Timer t(q, "T", 100, [&] { ticks.push_back(q.now()); });
    t.setEnabled(true);
    q.advance(70);
    t.setInterval(100);  // restarts from 70
    q.advance(99);
    EXPECT_TRUE(ticks.empty());
    q.advance(1);
    EXPECT_EQ(ticks, (std::vector<std::int64_t>{170}));
    q.advance(30);
    t.setEnabled(false);
    t.setEnabled(true);  // restarts from 200
    q.advance(99);
    EXPECT_EQ(ticks, (std::vector<std::int64_t>{170}));
    q.advance(1);
    EXPECT_EQ(ticks, (std::vector<std::int64_t>{170, 300}));
}

TEST(TimerQueue, EnablingAnEnabledTimerKeepsItsCountdown) {
    TimerQueue q;
    int fired = 0;
    Timer t(q, "T", 100, [&] { ++fired; });
    t.setEnabled(true);
    q.advance(60);
    t.setEnabled(true);
    q.advance(40);
    EXPECT_EQ(fired, 1);
}

TEST(TimerQueue, TiesGoInCreationOrderAndHandlersMayChangeTimers) {
    TimerQueue q;
    std::vector<std::string> log;
    Timer* second = nullptr;
    Timer first(q, "A", 50, [&] {
        log.push_back("A");
        second->setInterval(30);  // changes the other timer mid-run
    });
    Timer b(q, "B", 50, [&] { log.push_back("B@" + std::to_string(q.now())); });
    second = &b;
    first.setEnabled(true);
    b.setEnabled(true);
    q.advance(50);
    // A fired first at 50 and restarted B's countdown: B is due at 80 now.
    EXPECT_EQ(log, (std::vector<std::string>{"A"}));
    q.advance(30);
    EXPECT_EQ(log, (std::vector<std::string>{"A", "B@80"}));
}

TEST(TimerQueue, AHandlerThatDisablesItselfStops) {
    TimerQueue q;
    int fired = 0;
    Timer* self = nullptr;
    Timer t(q, "T", 10, [&] {
        ++fired;
        self->setEnabled(false);
    });
    self = &t;
    t.setEnabled(true);
    q.advance(100);
    EXPECT_EQ(fired, 1);
}

TEST(TimerQueue, PumpingCoalescesLongOverdueTicks) {
    TimerQueue q;
    std::vector<std::int64_t> ticks;
    Timer t(q, "T", 100, [&] { ticks.push_back(q.now()); });
    t.setEnabled(true);
    q.pumpTo(1000);  // 900 ms overdue: one tick, counting on from now
    EXPECT_EQ(ticks, (std::vector<std::int64_t>{1000}));
    q.pumpTo(1150);  // 50 ms overdue only: on schedule
    EXPECT_EQ(ticks, (std::vector<std::int64_t>{1000, 1100}));
    EXPECT_EQ(q.nextDue(), 1200);
}

}  // namespace
