#pragma once
// A player in the bar of the test folder (species 1 щука 500..5000 g,
// 2 окунь 50..1000, 3 сом 2000..50000). Draws are scripted; Pick(k, n) is
// the Rnd value that makes a draw from 1 to n give k. No time passes unless
// a test advances it, so the bar's timers draw nothing behind its back.

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "shell/game.h"
#include "test_game.h"

namespace bar_testing {

inline double Pick(long long k, long long n) { return (double(k) - 0.5) / double(n); }

class BarTest : public ::testing::Test {
protected:
    testing_support::TestGame t;

    void SetUp() override { t.startAs("Рыбак"); }

    klev::Game& game() { return t.game(); }
    klev::BarState& bar() { return t.game().bar; }
    klev::RegularRecord& regular(int i) { return t.game().save.Regulars[i - 1]; }

    // Through the base and its 1.5 s transition.
    void OpenBar() {
        run("click Form1.Butt_base\nclick Base.but_pub\nadvance 1500");
        ASSERT_EQ(print("Kafe.Visible"), "true");
    }

    std::string run(const std::string& commands) { return t.run(commands + "\n"); }
    std::string print(const std::string& what) { return t.print(what); }
    void rnd(std::initializer_list<double> values) {
        for (double x : values) t.driver().random().queue(x);
    }
    std::size_t rndLeft() { return t.driver().random().left(); }
    // Runs `ms` and checks that exactly the queued draws were made: a fence
    // value queued behind them must be the only one left.
    void advanceDrawingAll(long long ms) {
        rnd({0.987654321});
        run("advance " + std::to_string(ms));
        EXPECT_EQ(rndLeft(), 1u) << "a draw too many (0 left) or too few (more left)";
        if (rndLeft() == 1) game().Rnd();
    }
};

}  // namespace bar_testing
