#pragma once
// A player on the map of the test folder with tackle written straight into
// the game state, ready to open a place and fish. Random draws are scripted:
// Pick(k, n) is the Rnd value that makes a draw from 1 to n give k.

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "data/numbers.h"
#include "scene/breakage.h"
#include "scene/fight.h"
#include "scene/fish_search.h"
#include "scene/groundbait.h"
#include "scene/place.h"
#include "scene/rod.h"
#include "scene/scene_form.h"
#include "scene/tackle.h"
#include "shell/game.h"
#include "test_game.h"

namespace scene_testing {

// The Rnd value for which Int(Rnd * n) + 1 is k.
inline double Pick(long long k, long long n) { return (double(k) - 0.5) / double(n); }

// Species and places of the test folder: 1 щука, 2 окунь, 3 сом; every place
// lists щука 60, окунь 100, сом 5 (in that order), shore 5000, cast 2400,
// snag chance 30.
constexpr long long Pike = 1, Perch = 2, Catfish = 3;

// A rod of `strength` grams.
inline klev::TackleItem Rod(const std::string& name, long long strength) {
    klev::TackleItem rod;
    rod.Name = name;
    rod.Strength = strength;
    return rod;
}

class SceneTest : public ::testing::Test {
protected:
    testing_support::TestGame t;

    void SetUp() override { t.startAs("Рыбак"); }

    klev::Game& game() { return t.game(); }
    klev::GameState& v() { return t.game(); }
    klev::SceneForm& scene() { return t.game().window<klev::SceneForm>(); }

    // A rod, a line, a bait, a lure and a groundbait, all in use.
    void GiveTackle(long long rodStrength = 8000, long long lineStrength = 6000) {
        klev::TackleItem rod;
        rod.Name = "Спиннинг";
        rod.Strength = rodStrength;
        v().save.OwnedRods = {rod};
        klev::TackleItem line;
        line.Name = "6 кг";
        line.Strength = lineStrength;
        line.LineLength = 100;
        v().save.OwnedLines = {line};
        klev::TackleItem bait;
        bait.Name = "червь";
        bait.Amount = 20;
        v().save.OwnedBaits = {bait};
        klev::TackleItem lure;
        lure.Name = "Вертушка";
        lure.SizeName = "малая";
        lure.BaitKey = "блесна м";
        v().save.OwnedLures = {lure};
        klev::TackleItem groundbait;
        groundbait.Name = "Насадка";
        groundbait.Amount = 10;
        groundbait.Power = 30;
        v().save.OwnedGroundbaits = {groundbait};
        v().save.RodSlot = v().save.LineSlot = v().save.BaitSlot = v().save.LureSlot = v().save.GroundbaitSlot = 1;
    }

    void OpenPlace(int place = 1) { run("click Form1.PScene(" + std::to_string(place) + ")"); }

    std::string run(const std::string& commands) { return t.run(commands + "\n"); }
    std::string print(const std::string& what) { return t.print(what); }
    void advance(long long ms) { run("advance " + std::to_string(ms)); }
    void key(int code) { run("keypress SceneForm " + std::to_string(code)); }
    void gDown() { run("keydown SceneForm 71"); }
    void gUp() { run("keyup SceneForm 71"); }

    // The rod's Top when it stands on the baseline 5700 with its current
    // picture, plus `offset`, as the driver prints it.
    std::string RodTop(float offset = 0) {
        return data::SingleText(5700 - scene().Speening.Height + offset, '.');
    }

    void rnd(std::initializer_list<double> values) {
        for (double x : values) t.driver().random().queue(x);
    }
    std::size_t rndLeft() { return t.driver().random().left(); }
    // Runs `ms` of virtual time and checks that exactly the queued draws were
    // made: a fence value queued behind them must be the only one left.
    void advanceDrawingAll(long long ms) {
        rnd({0.987654321});
        advance(ms);
        EXPECT_EQ(rndLeft(), 1u) << "a draw too many (0 left) or too few (more left)";
        if (rndLeft() == 1) game().Rnd();  // takes the fence out again
    }

    // Space and the ten 50 ms cast frames: the tackle lies at the cast line.
    void CastAndLand() {
        key(32);
        advance(500);
    }
    // The draws of one fish search: place entry p (of 3), abundance roll c1,
    // taste roll c2, and the 1-in-(5-d) roll a.
    void QueueSearch(long long p, long long c1, long long c2, long long a, long long d = 0) {
        rnd({Pick(p, 3), Pick(c1, 100), Pick(c2, 100), Pick(a, 5 - d)});
    }
    // The three weight draws of a species min..max that give exactly
    // `grams` (min <= grams <= max - 3): w1 - min = off + 2, w2 - min = off + 1,
    // w3 - min = off.
    void QueueWeight(long long min, long long max, long long grams) {
        const double off = double(grams - min);
        rnd({(off + 2.5) / double(max - min), (off + 1.5) / (off + 2), (off + 0.5) / (off + 1)});
    }
};

}  // namespace scene_testing
