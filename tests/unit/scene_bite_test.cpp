// The fish search, the weight draw, nibbles, the four bites and the strike.

#include <initializer_list>
#include <string>
#include <vector>

#include "scene_fixture.h"

namespace {

using namespace scene_testing;

class SceneBite : public SceneTest {
protected:
    // A float in the water with the worm, the fish search due in 300 ms.
    void FloatInWater() {
        GiveTackle();
        OpenPlace();
        CastAndLand();
    }
    // A perch of 600 g starts nibbling at the next search.
    void PerchAtTheFloat() {
        QueueSearch(2, 50, 50, 2);
        QueueWeight(50, 1000, 600);
        advanceDrawingAll(300);
        ASSERT_EQ(print("FishAtBait"), "true");
    }
    // The first nibble tick (200 ms after the fish came) starts a bite of
    // `kind` and sets the next tick 100 ms later.
    void BiteStarts(long long kind) {
        rnd({Pick(110, 110), Pick(3, 3), Pick(1, 50), Pick(kind, 4), Pick(1, 500)});
        advanceDrawingAll(200);
        ASSERT_EQ(print("BiteKind"), std::to_string(kind));
    }
};

TEST_F(SceneBite, ASearchStopsAtTheFirstFailingRoll) {
    FloatInWater();
    QueueSearch(2, 1, 1, 3);  // a is not 2
    advanceDrawingAll(300);
    EXPECT_EQ(print("FishAtBait"), "false");
    QueueSearch(1, 61, 1, 2);  // щука's abundance is 60
    advanceDrawingAll(300);
    EXPECT_EQ(print("FishAtBait"), "false");
    QueueSearch(2, 100, 91, 2);  // the perch takes the worm with chance 90
    advanceDrawingAll(300);
    EXPECT_EQ(print("FishAtBait"), "false");
    QueueSearch(1, 60, 1, 2);  // the pike does not take the worm at all
    advanceDrawingAll(300);
    EXPECT_EQ(print("FishAtBait"), "false");
    EXPECT_EQ(print("SceneForm.Actions_T.Enabled"), "true");
    QueueSearch(2, 100, 90, 2);  // both limits met exactly
    QueueWeight(50, 1000, 70);
    advanceDrawingAll(300);
    EXPECT_EQ(print("FishAtBait"), "true");
    EXPECT_EQ(print("FishWeight"), "70");
    EXPECT_EQ(print("FloatBob"), "down");
}

TEST_F(SceneBite, GroundbaitChangesTheOddsOfTheSearch) {
    FloatInWater();
    // Power 30: d = 0, a is drawn from 1..5 as without groundbait.
    key(110);
    EXPECT_EQ(print("GroundbaitPower"), "30");
    QueueSearch(2, 1, 1, 2);
    QueueWeight(50, 1000, 100);
    advanceDrawingAll(300);
    EXPECT_EQ(print("FishAtBait"), "true");
    key(32);
    advanceDrawingAll(500);

    // Power 50: d = 1, a from 1..4.
    v().save.OwnedGroundbaits[0].Power = 50;
    key(110);
    QueueSearch(2, 1, 1, 2, 1);
    QueueWeight(50, 1000, 100);
    advanceDrawingAll(300);
    EXPECT_EQ(print("FishAtBait"), "true");
    key(32);
    advanceDrawingAll(500);

    // Power 200: d = 4, a is always 1 and nothing is ever found.
    v().save.OwnedGroundbaits[0].Power = 200;
    key(110);
    for (double a : {0.0, 0.5, 0.999}) {
        rnd({Pick(2, 3), Pick(1, 100), Pick(1, 100), a});
        advanceDrawingAll(300);
        EXPECT_EQ(print("FishAtBait"), "false");
    }
}

TEST_F(SceneBite, TheWeightIsThreeNestedDrawsFromTheMinimum) {
    FloatInWater();
    // Perch 50..1000: w1 = 50 + Int(950 * 0.5) = 525; w2 = 50 + Int(475 * 0.5)
    // = 287; w3 = 50 + Int(237 * 0.9) = 263.
    QueueSearch(2, 1, 1, 2);
    rnd({0.5, 0.5, 0.9});
    advanceDrawingAll(300);
    EXPECT_EQ(print("FishWeight"), "263");
}

// A game at place 2 of the lake, where only the species `lines` live, with
// a float cast and the worm on it.
class SceneBiteData : public ::testing::Test {
protected:
    testing_support::TestGame t;

    void FloatAt(const std::vector<std::string>& species, const std::string& placeLine) {
        t.folder.write("Data/Fish/4.txt", species);
        t.folder.write("Data/Maps/lake/Loc2/Conf.cfg", {"0", "5000", "2400", "0", "1", placeLine});
        t.startAs("Рыбак");
        t.game().save.OwnedRods = {scene_testing::Rod("Удочка", 3000)};
        klev::TackleItem line;
        line.Strength = 2500;
        line.LineLength = 100;
        t.game().save.OwnedLines = {line};
        klev::TackleItem bait;
        bait.Name = "червь";
        bait.Amount = 5;
        t.game().save.OwnedBaits = {bait};
        t.game().save.RodSlot = t.game().save.LineSlot = t.game().save.BaitSlot = 1;
        t.run("click Form1.PScene(2)\nkeypress SceneForm 32\nadvance 500\n");
    }
    // Queues `values` and a fence, runs one search, and checks that exactly
    // those values were drawn.
    void SearchDrawing(std::initializer_list<double> values) {
        for (double x : values) t.driver().random().queue(x);
        t.driver().random().queue(0.987654321);
        t.run("advance 300\n");
        EXPECT_EQ(t.driver().random().left(), 1u);
    }
};

TEST_F(SceneBiteData, ASpeciesWithEqualMinAndMaxAlwaysWeighsItsMinimum) {
    FloatAt({"ёрш", "120", "120", "0", "10", "0", "ruff", "1", "червь", "100", "1000", "1"}, "ёрш100");
    // p = 1, c1 = 34, c2 = 1, a = 2, then three weight draws near 1.
    SearchDrawing({0.5, 1.0 / 3, 0.0, 0.3, 0.999, 0.999, 0.999});
    EXPECT_EQ(t.print("FishAtBait"), "true");
    EXPECT_EQ(t.print("FishSpecies"), "4");
    EXPECT_EQ(t.print("FishWeight"), "120");
}

TEST_F(SceneBiteData, EveryMatchingPreferenceDrawsTheWeightAgain) {
    FloatAt({"ёрш", "100", "1100", "0", "10", "0", "ruff", "3", "червь", "100", "опарыш", "100", "червь", "50",
             "1000", "1"},
            "ёрш100");
    // Both worm preferences pass c2 = 50: two weight draws, the second counts:
    // 100 + Int(1000 * 0.5) = 600, 100 + Int(500 * 0.5) = 350, 100 + Int(250 * 0.5) = 225.
    SearchDrawing({0.5, 0.0, 0.495, 0.3, 0.9, 0.9, 0.9, 0.5, 0.5, 0.5});
    EXPECT_EQ(t.print("FishWeight"), "225");
}

TEST_F(SceneBite, ANibbleBobsTheFloatAndSetsARandomPace) {
    FloatInWater();
    PerchAtTheFloat();
    EXPECT_EQ(print("SceneForm.Klev_T.Interval"), "200");
    rnd({Pick(1, 110), Pick(1, 3), Pick(1, 50), Pick(500, 500)});
    advanceDrawingAll(200);
    EXPECT_EQ(print("TackleY"), "2435");
    EXPECT_EQ(print("FloatBob"), "up");
    EXPECT_EQ(print("SceneForm.Klev_T.Interval"), "599");
    EXPECT_EQ(print("BiteActive"), "false");
    rnd({Pick(1, 110), Pick(1, 3), Pick(1, 50), Pick(1, 500)});
    advanceDrawingAll(599);
    EXPECT_EQ(print("TackleY"), "2400");
    EXPECT_EQ(print("SceneForm.popl(0).Top"), "2400");
    EXPECT_EQ(print("SceneForm.popl(1).Top"), "2300");
    EXPECT_EQ(print("SceneForm.Klev_T.Interval"), "100");
}

TEST_F(SceneBite, TheFishLeavesAndTheFloatAttractsNothingMore) {
    FloatInWater();
    PerchAtTheFloat();
    rnd({Pick(1, 110), Pick(1, 3), Pick(5, 50), Pick(1, 500)});
    advanceDrawingAll(200);
    EXPECT_EQ(print("FishAtBait"), "false");
    EXPECT_EQ(print("SceneForm.Klev_T.Enabled"), "false");
    // The pace is still drawn after the fish left.
    EXPECT_EQ(print("SceneForm.Klev_T.Interval"), "100");
}

TEST_F(SceneBite, CautionDecidesWhetherTheFishReallyBites) {
    FloatInWater();
    PerchAtTheFloat();  // the perch's caution is 30
    rnd({Pick(30, 110), Pick(3, 3), Pick(1, 50), Pick(1, 500)});
    advanceDrawingAll(200);
    EXPECT_EQ(print("BiteActive"), "false");
    rnd({Pick(31, 110), Pick(2, 3), Pick(1, 50), Pick(1, 500)});
    advanceDrawingAll(100);
    EXPECT_EQ(print("BiteActive"), "false");
    rnd({Pick(31, 110), Pick(3, 3), Pick(1, 50), Pick(3, 4), Pick(1, 500)});
    advanceDrawingAll(100);
    EXPECT_EQ(print("BiteActive"), "true");
    EXPECT_EQ(print("BiteStep"), "1");
    EXPECT_EQ(print("BiteKind"), "3");
}

TEST_F(SceneBite, TheFishMayLeaveAndBiteInOneTick) {
    FloatInWater();
    PerchAtTheFloat();
    rnd({Pick(110, 110), Pick(3, 3), Pick(5, 50), Pick(4, 4), Pick(1, 500)});
    advanceDrawingAll(200);
    EXPECT_EQ(print("SceneForm.Klev_T.Enabled"), "false");
    EXPECT_EQ(print("BiteActive"), "false");  // the fish took its bite along
    EXPECT_EQ(print("FishAtBait"), "false");
    advanceDrawingAll(2000);
    EXPECT_EQ(print("BiteStep"), "0");
}

TEST_F(SceneBite, ADriftingBiteMovesTheFloatFor25Steps) {
    FloatInWater();
    PerchAtTheFloat();
    BiteStarts(1);
    // Step 1: X "down", Y "up", DX 5 + 3, DY 5 + 9.
    rnd({Pick(1, 2), Pick(2, 2), Pick(4, 10), Pick(10, 10)});
    advanceDrawingAll(100);
    EXPECT_EQ(print("DriftDirX"), "down");
    EXPECT_EQ(print("DriftDirY"), "up");
    EXPECT_EQ(print("DriftDX"), "8");
    EXPECT_EQ(print("DriftDY"), "14");
    EXPECT_EQ(print("SceneForm.Klev_T.Interval"), "30");
    EXPECT_EQ(print("BiteStep"), "2");
    advanceDrawingAll(30);  // step 2
    EXPECT_EQ(print("TackleX"), "5632");
    EXPECT_EQ(print("TackleY"), "2449");
    EXPECT_EQ(print("SceneForm.SLED.Left"), "5632");
    EXPECT_EQ(print("SceneForm.popl(1).Left"), "5632");
    advanceDrawingAll(22 * 30);  // steps 3 .. 24
    EXPECT_EQ(print("BiteActive"), "true");
    EXPECT_EQ(print("BiteStep"), "25");
    advanceDrawingAll(30);  // step 25 moves once more, then the bite is missed
    EXPECT_EQ(print("TackleX"), std::to_string(5640 - 24 * 8));
    EXPECT_EQ(print("TackleY"), std::to_string(2435 + 24 * 14));
    EXPECT_EQ(print("BiteActive"), "false");
    EXPECT_EQ(print("BiteKind"), "0");
    EXPECT_EQ(print("BiteStep"), "1");
    EXPECT_EQ(print("SceneForm.Klev_T.Enabled"), "false");
    EXPECT_EQ(print("SceneForm.Klev_T.Interval"), "200");
    EXPECT_EQ(print("SceneForm.Actions_T.Enabled"), "false");
}

TEST_F(SceneBite, APulledUnderBiteHidesTheFloatFor40Steps) {
    FloatInWater();
    PerchAtTheFloat();
    BiteStarts(2);
    advanceDrawingAll(100);
    EXPECT_EQ(print("SceneForm.popl(0).Visible"), "false");
    EXPECT_EQ(print("SceneForm.popl(1).Visible"), "false");
    advanceDrawingAll(38 * 30);
    EXPECT_EQ(print("BiteStep"), "40");
    advanceDrawingAll(30);
    EXPECT_EQ(print("BiteActive"), "false");
    EXPECT_EQ(print("SceneForm.popl(0).Visible"), "true");  // the reset shows the float again
}

TEST_F(SceneBite, ABobbingBiteBobsTheFloatEveryStepFor50Steps) {
    FloatInWater();
    PerchAtTheFloat();
    BiteStarts(3);  // the nibble bob left the float at 2435, next bob up
    advanceDrawingAll(100);
    EXPECT_EQ(print("TackleY"), "2435");
    advanceDrawingAll(30);
    EXPECT_EQ(print("TackleY"), "2400");
    advanceDrawingAll(30);
    EXPECT_EQ(print("TackleY"), "2435");
    EXPECT_EQ(print("SceneForm.popl(0).Top"), "2435");
    advanceDrawingAll(46 * 30);
    EXPECT_EQ(print("BiteStep"), "50");
    EXPECT_EQ(print("BiteActive"), "true");
    advanceDrawingAll(30);
    EXPECT_EQ(print("BiteActive"), "false");
}

TEST_F(SceneBite, ARisingBiteLengthensTheFloatBody) {
    FloatInWater();
    PerchAtTheFloat();
    BiteStarts(4);
    advanceDrawingAll(100);
    EXPECT_EQ(print("SceneForm.popl(0).Height"), "15");
    advanceDrawingAll(30 * 3);
    EXPECT_EQ(print("SceneForm.popl(0).Height"), "18");
    EXPECT_EQ(print("SceneForm.popl(0).Top"), "2435");
    advanceDrawingAll(30 * 45);
    EXPECT_EQ(print("SceneForm.popl(0).Height"), "63");
    advanceDrawingAll(30);
    EXPECT_EQ(print("BiteActive"), "false");
    EXPECT_EQ(print("SceneForm.popl(0).Height"), "15");
}

TEST_F(SceneBite, AStrikeInTimeHooksTheFish) {
    FloatInWater();
    PerchAtTheFloat();
    BiteStarts(1);
    rnd({Pick(1, 2), Pick(1, 2), Pick(1, 10), Pick(1, 10)});
    advanceDrawingAll(100);
    // Bite step 20 done: the strike frames come with steps 21 to 24, each
    // after the bite's step of the same moment.
    advanceDrawingAll(19 * 30);
    key(13);
    EXPECT_EQ(print("SceneForm.Speen_AnimationT.Interval"), "30");
    EXPECT_EQ(print("RodRestLeft"), "6000");
    advanceDrawingAll(30);
    EXPECT_EQ(print("SceneForm.Speening.Picture"), "speen_podsechka1");
    EXPECT_EQ(print("SceneForm.Speening.Left"), "5900");
    advanceDrawingAll(60);
    EXPECT_EQ(print("SceneForm.Speening.Picture"), "speen_podsechka3");
    EXPECT_EQ(print("SceneForm.Speening.Left"), "5700");
    key(13);  // ignored while the strike runs
    advanceDrawingAll(30);
    EXPECT_EQ(print("SceneForm.Speening.Left"), "6000");
    EXPECT_EQ(print("Hooked"), "true");
    EXPECT_EQ(print("HookSet"), "true");
    EXPECT_EQ(print("RodBusy"), "false");
    EXPECT_EQ(print("SceneForm.Fish_Act_T.Enabled"), "true");
    EXPECT_EQ(print("SceneForm.Napryazhenie_T.Enabled"), "true");
    EXPECT_EQ(print("SceneForm.popl(0).Visible"), "false");
    // The bite clock goes on ticking and changes nothing any more: the float
    // no longer follows the tackle.
    EXPECT_EQ(print("SceneForm.Klev_T.Enabled"), "true");
    v().fishing.TackleX = 1000;
    advanceDrawingAll(60);
    EXPECT_EQ(print("BiteStep"), "25");
    EXPECT_EQ(print("BiteActive"), "true");
    EXPECT_NE(print("SceneForm.popl(0).Left"), "1000");
    EXPECT_NE(print("SceneForm.SLED.Left"), "1000");
}

TEST_F(SceneBite, AStrikeTooLateFindsTheBiteOver) {
    FloatInWater();
    PerchAtTheFloat();
    BiteStarts(1);
    rnd({Pick(1, 2), Pick(1, 2), Pick(1, 10), Pick(1, 10)});
    advanceDrawingAll(100);
    advanceDrawingAll(22 * 30);  // bite step 23 done; the last, 25, comes in 60 ms
    key(13);
    advanceDrawingAll(120);
    EXPECT_EQ(print("Hooked"), "false");
    EXPECT_EQ(print("HookSet"), "false");
    EXPECT_EQ(print("BiteKind"), "0");
    EXPECT_EQ(print("SceneForm.Fish_Act_T.Enabled"), "false");
}

TEST_F(SceneBite, AStrikeDuringANibbleNeitherScaresNorHooks) {
    FloatInWater();
    PerchAtTheFloat();
    key(13);
    advanceDrawingAll(120);
    EXPECT_EQ(print("Hooked"), "false");
    EXPECT_EQ(print("FishAtBait"), "true");
    EXPECT_EQ(print("SceneForm.Klev_T.Enabled"), "true");
}

TEST_F(SceneBite, AStrikeNeedsOnlyARod) {
    OpenPlace();
    v().save.OwnedRods = {scene_testing::Rod("Удочка", 3000)};
    v().save.RodSlot = 1;
    key(13);
    EXPECT_EQ(print("StrikeAnimating"), "true");
    advanceDrawingAll(120);
    EXPECT_EQ(print("StrikeAnimating"), "false");
    EXPECT_EQ(print("Hooked"), "false");
    v().fishing.Snagged = true;
    key(13);
    EXPECT_EQ(print("SceneForm.Info_Display.Caption"), "ЗАЦЕПИЛСЯ!");
    EXPECT_EQ(print("StrikeAnimating"), "false");
}

}  // namespace
