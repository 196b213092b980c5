// Casting: the tackle checks in their order, the bait portion, the ten
// frames and the landing spot.

#include "scene_fixture.h"

namespace {

using namespace scene_testing;

using SceneCast = SceneTest;

TEST_F(SceneCast, TheFirstMissingPieceOfTackleIsNamed) {
    OpenPlace();
    key(32);
    EXPECT_EQ(print("SceneForm.Info_Display.Caption"), "Спининг не куплен!");  // no rod, no line either
    GiveTackle();
    v().fishing.Snagged = true;
    key(32);
    EXPECT_EQ(print("SceneForm.Info_Display.Caption"), "ЗАЦЕПИЛСЯ!");
    v().fishing.Snagged = false;
    v().save.LineSlot = 0;
    key(32);
    EXPECT_EQ(print("SceneForm.Info_Display.Caption"), "Нет лески!");
    v().save.LineSlot = 1;
    v().save.BaitSlot = 0;
    key(32);
    EXPECT_EQ(print("SceneForm.Info_Display.Caption"), "Нет наживки!");
    run("click SceneForm.Butt_Bles");
    v().save.LureSlot = 0;
    key(32);
    EXPECT_EQ(print("SceneForm.Info_Display.Caption"), "Блесна не привязана!");
    EXPECT_EQ(print("RodBusy"), "false");
    EXPECT_EQ(print("SceneForm.Speen_AnimationT.Enabled"), "false");
}

TEST_F(SceneCast, EachRigTestsOnlyWhatItNeeds) {
    GiveTackle();
    OpenPlace();
    run("click SceneForm.Butt_Bles");
    v().save.BaitSlot = 0;
    key(32);
    EXPECT_EQ(print("CastAnimating"), "true");
    advance(500);
    run("click SceneForm.Butt_Popl");
    v().save.BaitSlot = 1;
    v().save.LureSlot = 0;
    key(32);
    EXPECT_EQ(print("CastAnimating"), "true");
    EXPECT_EQ(print("OwnedBaits(1).Amount"), "19");
}

TEST_F(SceneCast, TenFramesOfFiftyMillisecondsLandTheFloatAtTheCastLine) {
    GiveTackle();
    OpenPlace();
    CastAndLand();
    key(32);  // a second cast from the spot where the first landed
    EXPECT_EQ(print("SceneForm.popl(0).Visible"), "false");
    EXPECT_EQ(print("OwnedBaits(1).Amount"), "18");
    EXPECT_EQ(print("RodBusy"), "true");
    EXPECT_EQ(print("SceneForm.Speen_AnimationT.Interval"), "50");
    advance(50);
    EXPECT_EQ(print("SceneForm.SLED.Visible"), "false");
    EXPECT_EQ(print("SceneForm.Speening.Picture"), "speen_zabros1");
    EXPECT_EQ(print("SceneForm.Speening.Top"), RodTop());
    advance(50);
    EXPECT_EQ(print("SceneForm.Speening.Picture"), "speen_zabros2");
    advance(50);
    EXPECT_EQ(print("SceneForm.Speening.Picture"), "Speen_normal");
    advance(300);
    EXPECT_EQ(print("CastFrame"), "10");
    EXPECT_EQ(print("SceneForm.SLED.Visible"), "false");
    key(32);  // ignored while the cast runs
    EXPECT_EQ(print("OwnedBaits(1).Amount"), "18");
    advance(50);
    EXPECT_EQ(print("CastFrame"), "1");
    EXPECT_EQ(print("CastAnimating"), "false");
    EXPECT_EQ(print("RodBusy"), "false");
    EXPECT_EQ(print("SceneForm.Speen_AnimationT.Enabled"), "false");
    EXPECT_EQ(print("TackleX"), "5640");
    EXPECT_EQ(print("TackleY"), "2400");
    EXPECT_EQ(print("SceneForm.SLED.Visible"), "true");
    EXPECT_EQ(print("SceneForm.SLED.Left"), "5640");
    EXPECT_EQ(print("SceneForm.SLED.Top"), "2400");
    EXPECT_EQ(print("SceneForm.popl(0).Top"), "2400");
    EXPECT_EQ(print("SceneForm.popl(1).Top"), "2300");
    EXPECT_EQ(print("SceneForm.popl(1).Left"), "5640");
    EXPECT_EQ(print("SceneForm.popl(0).Visible"), "true");
    EXPECT_EQ(print("SceneForm.popl(1).Visible"), "true");
    EXPECT_EQ(print("SceneForm.Actions_T.Enabled"), "true");
}

TEST_F(SceneCast, ALureCastLandsWithoutFloatAndWithoutFishSearch) {
    GiveTackle();
    OpenPlace();
    run("click SceneForm.Butt_Bles");
    CastAndLand();
    EXPECT_EQ(print("SceneForm.SLED.Visible"), "true");
    EXPECT_EQ(print("SceneForm.popl(0).Visible"), "false");
    EXPECT_EQ(print("SceneForm.Actions_T.Enabled"), "false");
    EXPECT_EQ(print("OwnedBaits(1).Amount"), "20");
}

TEST_F(SceneCast, TheLastBaitPortionIsUsedAndTheFloatLandsWithoutBait) {
    GiveTackle();
    v().save.OwnedBaits[0].Amount = 1;
    OpenPlace();
    key(32);
    EXPECT_EQ(print("OwnedBaitCount"), "0");
    EXPECT_EQ(print("BaitSlot"), "0");
    EXPECT_EQ(print("SceneForm.Info_Display.Caption"), "Насадка закончилась");
    advance(500);
    EXPECT_EQ(print("SceneForm.popl(0).Visible"), "true");
    // A search that passes every roll finds nothing to bite without bait.
    QueueSearch(2, 1, 1, 2);
    advanceDrawingAll(300);
    EXPECT_EQ(print("FishAtBait"), "false");
    EXPECT_EQ(print("SceneForm.Actions_T.Enabled"), "true");
}

TEST_F(SceneCast, SpaceDuringAFightEndsItAndCastsAgain) {
    GiveTackle();
    OpenPlace();
    CastAndLand();
    v().fishing.FishSpecies = Perch;
    v().fishing.FishWeight = 500;
    HookFish(game());
    ASSERT_EQ(print("Hooked"), "true");
    key(32);
    EXPECT_EQ(print("Hooked"), "false");
    EXPECT_EQ(print("SceneForm.Fish_Act_T.Enabled"), "false");
    EXPECT_EQ(print("SceneForm.HerboLine.Width"), "10");
    EXPECT_EQ(print("CastAnimating"), "true");
}

TEST_F(SceneCast, ReleasingGDuringACastStopsItWhereItIs) {
    GiveTackle();
    OpenPlace();
    key(32);
    advance(100);
    gUp();
    EXPECT_EQ(print("RodBusy"), "false");
    EXPECT_EQ(print("SceneForm.Speen_AnimationT.Enabled"), "false");
    EXPECT_EQ(print("CastFrame"), "3");
    advance(1000);
    EXPECT_EQ(print("CastFrame"), "3");
    EXPECT_EQ(print("SceneForm.SLED.Visible"), "false");
    // The next Space starts a new cast from its first frame.
    key(32);
    advance(500);
    EXPECT_EQ(print("SceneForm.SLED.Visible"), "true");
    EXPECT_EQ(print("OwnedBaits(1).Amount"), "18");
}

}  // namespace
