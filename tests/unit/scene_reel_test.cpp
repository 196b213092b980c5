// Reeling: the retrieve step, the rod bob, snags, lure strikes and landing.

#include "scene_fixture.h"

namespace {

using namespace scene_testing;

class SceneReel : public SceneTest {
protected:
    void LureInWater() {
        GiveTackle();
        OpenPlace();
        run("click SceneForm.Butt_Bles");
        CastAndLand();
    }
    // One lure reel step with no snag and no strike roll of 3.
    void QuietLureStep() { rnd({Pick(6000, 6000), Pick(1, 3)}); }
};

TEST_F(SceneReel, StartingRefusesWhileSnaggedAndIgnoresMissingTackle) {
    GiveTackle();
    OpenPlace();
    v().fishing.Snagged = true;
    gDown();
    EXPECT_EQ(print("SceneForm.Info_Display.Caption"), "ЗАЦЕПИЛСЯ!");
    EXPECT_EQ(print("Reeling"), "false");
    v().fishing.Snagged = false;
    run("click SceneForm.Butt_Bles");
    v().save.LureSlot = 0;
    ShowInfo(game(), "");
    gDown();
    EXPECT_EQ(print("Reeling"), "false");
    EXPECT_EQ(print("SceneForm.Info_Display.Caption"), "");
    v().save.LureSlot = 1;
    v().fishing.InWater = true;  // as after a landed cast
    gDown();
    EXPECT_EQ(print("Reeling"), "true");
    EXPECT_EQ(print("RodBusy"), "true");
    EXPECT_EQ(print("ReelBob"), "1");
    EXPECT_EQ(print("RodRestLeft"), "6000");
    EXPECT_EQ(print("SceneForm.Speen_AnimationT.Interval"), "50");
}

TEST_F(SceneReel, EachStepBringsTheTackleSevenTwipsCloserAndBobsTheRod) {
    LureInWater();
    gDown();
    QuietLureStep();
    advance(50);
    EXPECT_EQ(print("TackleY"), "2407");
    EXPECT_EQ(print("SceneForm.SLED.Top"), "2407");
    EXPECT_EQ(print("SceneForm.popl(0).Top"), "2407");
    EXPECT_EQ(print("SceneForm.popl(1).Top"), "2307");
    EXPECT_EQ(print("SceneForm.Speening.Top"), RodTop(50));
    EXPECT_EQ(print("ReelBob"), "2");
    QuietLureStep();
    advance(50);
    EXPECT_EQ(print("TackleY"), "2414");
    EXPECT_EQ(print("SceneForm.Speening.Top"), RodTop());
    QuietLureStep();
    advanceDrawingAll(50);
    EXPECT_EQ(print("TackleX"), "5640");
    gUp();
    EXPECT_EQ(print("SceneForm.Speening.Top"), RodTop());
    EXPECT_EQ(print("ReelBob"), "1");
    EXPECT_EQ(print("Reeling"), "false");
    EXPECT_EQ(print("RodBusy"), "false");
}

TEST_F(SceneReel, TheRetrieveEndsAtTheShoreLine) {
    GiveTackle();
    OpenPlace();
    CastAndLand();
    scene().Actions_T.setEnabled(false);
    gDown();
    // (5000 - 2400) / 7 = 371.4: the 372nd step reaches the shore.
    advance(371 * 50);
    EXPECT_EQ(print("TackleY"), "4997");
    EXPECT_EQ(print("Reeling"), "true");
    advance(50);
    EXPECT_EQ(print("TackleY"), "5000");
    EXPECT_EQ(print("Reeling"), "false");
    EXPECT_EQ(print("SceneForm.Speen_AnimationT.Enabled"), "false");
    EXPECT_EQ(print("SceneForm.SLED.Top"), "5004");  // placed before the stop
    EXPECT_EQ(print("SceneForm.SLED.Visible"), "true");
    EXPECT_EQ(print("CaughtCount"), "0");
}

TEST_F(SceneReel, WithoutARodTheReelDoesNothing) {
    LureInWater();
    gDown();
    v().save.RodSlot = 0;
    advanceDrawingAll(500);
    EXPECT_EQ(print("TackleY"), "2400");
    EXPECT_EQ(print("Reeling"), "true");
}

TEST_F(SceneReel, TheLureSnagsOnARollWithinTheSnagChance) {
    LureInWater();  // snag chance 30
    gDown();
    rnd({Pick(31, 6000), Pick(1, 3)});
    advance(50);
    EXPECT_EQ(print("Snagged"), "false");
    rnd({Pick(30, 6000), Pick(1, 3)});
    advance(50);
    EXPECT_EQ(print("Snagged"), "true");
    EXPECT_EQ(print("TackleY"), "2414");  // the rest of that step still ran
    advanceDrawingAll(200);                         // snagged steps draw nothing
    EXPECT_EQ(print("TackleY"), "2414");
    EXPECT_EQ(print("SceneForm.Speening.Picture"), "Speen_izgib2");
    EXPECT_EQ(print("SceneForm.Info_Display.Caption"), "ЗАЦЕПИЛСЯ!");
    gUp();
    for (int code : {32, 13}) {
        ShowInfo(game(), "");
        key(code);
        EXPECT_EQ(print("SceneForm.Info_Display.Caption"), "ЗАЦЕПИЛСЯ!") << code;
    }
    run("click SceneForm.Image2");
    EXPECT_EQ(print("SceneForm.Info_Display.Caption"), "Обрежь леску(X)");
    EXPECT_EQ(print("SceneForm.Visible"), "true");

    // Cutting the line is the way out: the lure is lost, the snag cleared.
    key(120);
    EXPECT_EQ(print("SceneForm.Info_Display.Caption"), "Леска оборвана");
    EXPECT_EQ(print("Snagged"), "false");
    EXPECT_EQ(print("OwnedLureCount"), "0");
    EXPECT_EQ(print("OwnedLines(1).LineLength"), "95");
    EXPECT_EQ(print("SceneForm.SLED.Visible"), "false");
    run("click SceneForm.Image2");
    EXPECT_EQ(print("SceneForm.Visible"), "false");
}

TEST_F(SceneReel, TheFloatRigNeverSnags) {
    GiveTackle();
    OpenPlace();
    CastAndLand();
    scene().Actions_T.setEnabled(false);
    gDown();
    rnd({Pick(1, 6000)});
    advanceDrawingAll(50);
    EXPECT_EQ(print("Snagged"), "false");
}

TEST_F(SceneReel, AFishTakesTheLureAtOnce) {
    LureInWater();
    gDown();
    // Snag roll, attraction 3, then p = perch, c1, c2 = 60, b = 5, weight.
    rnd({Pick(6000, 6000), Pick(3, 3), Pick(2, 3), Pick(100, 100), Pick(60, 100), Pick(5, 5)});
    QueueWeight(50, 1000, 800);
    advanceDrawingAll(50);
    EXPECT_EQ(print("Hooked"), "true");
    EXPECT_EQ(print("HookSet"), "false");
    EXPECT_EQ(print("FishSpecies"), "2");
    EXPECT_EQ(print("FishWeight"), "800");
    // The same step already pulls the fish in and raises the tension.
    EXPECT_EQ(print("FishStamina"), "998");
    EXPECT_EQ(print("SceneForm.HerboLine.Width"), "1699");
    EXPECT_EQ(print("SceneForm.Speening.Picture"), "Speen_izgib1");
    // While a fish is on, neither the snag nor the lure roll can change it.
    rnd({Pick(1, 6000)});
    advanceDrawingAll(50);
    EXPECT_EQ(print("Snagged"), "false");
    EXPECT_EQ(print("SceneForm.HerboLine.Width"), "1703");
}

TEST_F(SceneReel, TheLureStrikeStopsAtEachFailingRoll) {
    LureInWater();
    gDown();
    const double perch = Pick(2, 3);
    // b is not 5; the abundance roll of the pike fails; the perch's chance for
    // "блесна м" is 60; the pike takes only "блесна с".
    rnd({Pick(6000, 6000), Pick(3, 3), perch, Pick(1, 100), Pick(1, 100), Pick(4, 5)});
    rnd({Pick(6000, 6000), Pick(3, 3), Pick(1, 3), Pick(61, 100), Pick(1, 100), Pick(5, 5)});
    rnd({Pick(6000, 6000), Pick(3, 3), perch, Pick(1, 100), Pick(61, 100), Pick(5, 5)});
    rnd({Pick(6000, 6000), Pick(3, 3), Pick(1, 3), Pick(1, 100), Pick(1, 100), Pick(5, 5)});
    advanceDrawingAll(200);
    EXPECT_EQ(print("Hooked"), "false");
    EXPECT_EQ(print("TackleY"), "2428");
}

TEST_F(SceneReel, AFishTakingTheLureOnTheLastStepIsLandedInThatStep) {
    t.folder.write("Data/Maps/lake/Loc1/Conf.cfg", {"0", "2407", "2400", "0", "3", "щука 60", "окунь100", "сом  5"});
    LureInWater();
    v().save.OwnedLures[0].BaitKey = "блесна с";  // what the pike takes
    gDown();
    rnd({Pick(6000, 6000), Pick(3, 3), Pick(1, 3), Pick(60, 100), Pick(50, 100), Pick(5, 5)});
    QueueWeight(500, 5000, 1250);
    advanceDrawingAll(50);
    EXPECT_EQ(print("CaughtCount"), "1");
    EXPECT_EQ(print("CaughtFish(1).Name"), "щука 1,25 кг");
    EXPECT_EQ(print("CaughtFish(1).Weight"), "1250");
    EXPECT_EQ(print("CaughtFish(1).SpeciesName"), "щука");
    EXPECT_EQ(print("CaughtFish(1).MinWeight"), "500");
    EXPECT_EQ(print("CaughtFish(1).MaxWeight"), "5000");
    EXPECT_EQ(print("CaughtFish(1).PriceWeightUnit"), "1000");
    EXPECT_EQ(print("CaughtFish(1).PricePerUnit"), "4");
    EXPECT_EQ(print("CaughtFish(1).PictureKey"), "pike");
    EXPECT_EQ(print("CaughtFish(1).PictureIndex"), print("SpeciesList(1).PictureIndex"));
    EXPECT_NE(print("CaughtFish(1).PictureIndex"), "0");
    EXPECT_EQ(print("CaughtFish(1).Caution"), "0");
    EXPECT_EQ(print("CaughtFish(1).Strength"), "0");
    EXPECT_EQ(print("SceneForm.Info_Display.Caption"), "щука : 1,25 кг");
    EXPECT_EQ(print("Hooked"), "false");
    EXPECT_EQ(print("Reeling"), "false");
    EXPECT_EQ(print("RodBusy"), "false");
    EXPECT_EQ(print("SceneForm.Speening.Picture"), "Speen_normal");
    EXPECT_EQ(print("SceneForm.HerboLine.Width"), "10");
    EXPECT_EQ(print("Trofei.Visible"), "true");
}

}  // namespace
