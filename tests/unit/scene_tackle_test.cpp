// Groundbait, cutting the line and the removal of used-up tackle.

#include "scene_fixture.h"

namespace {

using namespace scene_testing;

using SceneTackle = SceneTest;

TEST_F(SceneTackle, TheGroundbaitBallFliesSplashesAndTheRingGrows) {
    GiveTackle();
    OpenPlace();
    key(110);
    EXPECT_EQ(print("SceneForm.Prikormka.Visible"), "true");
    EXPECT_EQ(print("SceneForm.Add_Prik_T.Enabled"), "true");
    EXPECT_EQ(print("OwnedGroundbaits(1).Amount"), "9");
    EXPECT_EQ(print("GroundbaitPower"), "30");
    advance(50);
    EXPECT_EQ(print("SceneForm.Prikormka.Top"), "5370");
    EXPECT_EQ(print("SceneForm.Prikormka.Left"), "4440");
    EXPECT_EQ(print("SceneForm.Prikormka.Tag"), "5");
    advance(50);
    EXPECT_EQ(print("SceneForm.Prikormka.Left"), "4445");
    EXPECT_EQ(print("SceneForm.Prikormka.Tag"), "10");
    // The 21st tick brings it to 2370, past the cast line 2400: the splash,
    // 50 above and 60 right of where the ball then is (4440 + 5 * 190 + 100).
    advance(18 * 50);
    EXPECT_EQ(print("SceneForm.Prikormka.Top"), "2520");
    EXPECT_EQ(print("SceneForm.Volna.Visible"), "false");
    advance(50);
    EXPECT_EQ(print("SceneForm.Prikormka.Visible"), "false");
    EXPECT_EQ(print("SceneForm.Volna.Visible"), "true");
    EXPECT_EQ(print("SceneForm.Volna.Top"), "2320");
    EXPECT_EQ(print("SceneForm.Volna.Left"), "5550");
    EXPECT_EQ(print("SceneForm.Volna.Width"), "395");
    EXPECT_EQ(print("SceneForm.Volna.Height"), "155");
    EXPECT_EQ(print("WaveStep"), "2");
    EXPECT_EQ(print("SceneForm.Prikormka.Tag"), "0");
    advance(100);
    EXPECT_EQ(print("SceneForm.Volna.Width"), "435");
    EXPECT_EQ(print("SceneForm.Volna.Visible"), "true");
    advance(50);
    EXPECT_EQ(print("SceneForm.Volna.Visible"), "false");
    EXPECT_EQ(print("SceneForm.Volna.Width"), "455");
    EXPECT_EQ(print("WaveStep"), "0");
    EXPECT_EQ(print("SceneForm.Add_Prik_T.Enabled"), "false");
    // The hidden ball moved on three more ticks after the splash.
    EXPECT_EQ(print("SceneForm.Prikormka.Left"), "4455");
    EXPECT_EQ(print("SceneForm.Prikormka.Top"), "5070");
    EXPECT_EQ(print("SceneForm.Prikormka.Tag"), "15");
    // The next throw starts from there with a fresh ring.
    key(242);
    EXPECT_EQ(print("SceneForm.Volna.Width"), "375");
    EXPECT_EQ(print("SceneForm.Prikormka.Tag"), "0");
    advance(50);
    EXPECT_EQ(print("SceneForm.Prikormka.Top"), "4920");
    EXPECT_EQ(print("OwnedGroundbaits(1).Amount"), "8");
}

TEST_F(SceneTackle, TheLastGroundbaitPortionIsThrownThenLeavesTheInventory) {
    GiveTackle();
    v().save.OwnedGroundbaits[0].Amount = 1;
    v().save.OwnedGroundbaits[0].Power = 200;
    OpenPlace();
    key(110);
    EXPECT_EQ(print("SceneForm.Prikormka.Visible"), "true");
    EXPECT_EQ(print("GroundbaitPower"), "200");
    EXPECT_EQ(print("SceneForm.Info_Display.Caption"), "Прикормка закончилась");
    EXPECT_EQ(print("OwnedGroundbaitCount"), "0");
    EXPECT_EQ(print("GroundbaitSlot"), "0");
    key(110);
    EXPECT_EQ(print("SceneForm.Info_Display.Caption"), "Выбери прикормку");
    // Power 200 holds at this place until the player leaves.
    CastAndLand();
    for (int search = 0; search < 3; ++search) {
        rnd({Pick(2, 3), Pick(1, 100), Pick(1, 100), 0.999});  // a is drawn from 1..1
        advanceDrawingAll(300);
    }
    EXPECT_EQ(print("FishAtBait"), "false");
    run("click SceneForm.Image2");
    EXPECT_EQ(print("GroundbaitPower"), "0");
}

TEST_F(SceneTackle, CuttingCostsFiveMetresAndLeavesNothingInTheWater) {
    GiveTackle();
    v().save.OwnedLines[0].LineLength = 6;
    OpenPlace();
    CastAndLand();
    key(120);
    EXPECT_EQ(print("OwnedLines(1).LineLength"), "1");
    EXPECT_EQ(print("LineSlot"), "1");
    EXPECT_EQ(print("OwnedLureCount"), "1");  // float rig: the lure stays
    EXPECT_EQ(print("SceneForm.Info_Display.Caption"), "Леска оборвана");
    EXPECT_EQ(print("SceneForm.SLED.Visible"), "false");
    EXPECT_EQ(print("SceneForm.popl(0).Visible"), "false");
    EXPECT_EQ(print("SceneForm.popl(1).Visible"), "false");
    // Nothing fishes on a cut line.
    EXPECT_EQ(print("SceneForm.Actions_T.Enabled"), "false");
    key(120);
    EXPECT_EQ(print("OwnedLineCount"), "0");
    EXPECT_EQ(print("LineSlot"), "0");
    key(32);
    EXPECT_EQ(print("SceneForm.Info_Display.Caption"), "Нет лески!");
}

TEST_F(SceneTackle, CuttingWithTheLureRigLosesTheLureEvenIfNeverCast) {
    GiveTackle();
    v().save.OwnedLines[0].LineLength = 5;
    OpenPlace();
    run("click SceneForm.Butt_Bles");
    key(120);
    EXPECT_EQ(print("OwnedLineCount"), "0");
    EXPECT_EQ(print("OwnedLureCount"), "0");
    EXPECT_EQ(print("LureSlot"), "0");
    EXPECT_EQ(print("LineSlot"), "0");
}

TEST_F(SceneTackle, CuttingDuringAFightEndsItAndStopsTheReel) {
    GiveTackle();
    OpenPlace();
    CastAndLand();
    scene().Actions_T.setEnabled(false);
    v().fishing.FishSpecies = Perch;
    v().fishing.FishWeight = 500;
    HookFish(game());
    gDown();
    rnd({Pick(6000, 6000)});
    advanceDrawingAll(50);
    key(120);
    EXPECT_EQ(print("Hooked"), "false");
    EXPECT_EQ(print("Reeling"), "false");
    EXPECT_EQ(print("RodBusy"), "false");
    EXPECT_EQ(print("SceneForm.Speen_AnimationT.Enabled"), "false");
    EXPECT_EQ(print("SceneForm.Speening.Top"), RodTop());
    EXPECT_EQ(print("CaughtCount"), "0");
}

TEST_F(SceneTackle, TheLastItemTakesTheRemovedItemsPlace) {
    GiveTackle();
    v().save.OwnedLures.resize(3);
    v().save.OwnedLures[0].Name = "первая";
    v().save.OwnedLures[1].Name = "вторая";
    v().save.OwnedLures[2].Name = "третья";
    v().save.OwnedLures[2].SizeName = "большая";
    v().save.LureSlot = 2;
    DropActiveLure(game());
    EXPECT_EQ(print("OwnedLureCount"), "2");
    EXPECT_EQ(print("OwnedLures(1).Name"), "первая");
    EXPECT_EQ(print("OwnedLures(2).Name"), "третья");
    EXPECT_EQ(print("OwnedLures(2).SizeName"), "большая");
    EXPECT_EQ(print("LureSlot"), "0");
    v().save.LureSlot = 2;  // the last one itself
    DropActiveLure(game());
    EXPECT_EQ(print("OwnedLureCount"), "1");
    EXPECT_EQ(print("OwnedLures(1).Name"), "первая");
    v().save.LureSlot = 1;  // the only one
    DropActiveLure(game());
    EXPECT_EQ(print("OwnedLureCount"), "0");
    EXPECT_EQ(print("LureSlot"), "0");
    // A later purchase appends item 1 again.
    v().save.OwnedLures.emplace_back().Name = "новая";
    EXPECT_EQ(print("OwnedLures(1).Name"), "новая");
}

TEST_F(SceneTackle, NothingIsRemovedWhenNothingIsInUse) {
    GiveTackle();
    v().save.RodSlot = 0;
    DropActiveRod(game());
    v().save.BaitSlot = 0;
    DropActiveBait(game());
    v().save.GroundbaitSlot = 0;
    DropActiveGroundbait(game());
    EXPECT_EQ(print("OwnedRodCount"), "1");
    EXPECT_EQ(print("OwnedBaitCount"), "1");
    EXPECT_EQ(print("OwnedGroundbaitCount"), "1");
}

TEST_F(SceneTackle, EveryCastUsesOneBaitPortionUntilNoneIsLeft) {
    GiveTackle();
    v().save.OwnedBaits[0].Amount = 3;
    v().save.OwnedBaits.push_back(v().save.OwnedBaits[0]);
    v().save.OwnedBaits[1].Name = "живец";
    OpenPlace();
    for (int cast = 0; cast < 3; ++cast) {
        key(32);
        advance(500);
    }
    EXPECT_EQ(print("OwnedBaitCount"), "1");
    EXPECT_EQ(print("OwnedBaits(1).Name"), "живец");
    EXPECT_EQ(print("BaitSlot"), "0");
    key(32);
    EXPECT_EQ(print("SceneForm.Info_Display.Caption"), "Нет наживки!");
}

}  // namespace
