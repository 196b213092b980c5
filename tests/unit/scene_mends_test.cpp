// Faults of the fishing rules as first written, each mended: reeling a lure
// never cast, an interrupted animation resuming, a cut line still fishing, a
// stale bite hooked, the inventory's title-bar close, and a heavy fish that
// could never slip off.

#include <string>

#include "scene_fixture.h"

namespace {

using namespace scene_testing;

class SceneMends : public SceneTest {
protected:
    void LureRig() { run("click SceneForm.Butt_Bles"); }
};

TEST_F(SceneMends, ALureNeverCastIsNotReeled) {
    GiveTackle();
    OpenPlace();
    LureRig();
    gDown();
    advanceDrawingAll(1000);  // no snag, strike or reel draw
    EXPECT_EQ(print("Reeling"), "false");
    EXPECT_EQ(print("Hooked"), "false");
    EXPECT_EQ(print("SceneForm.Speen_AnimationT.Enabled"), "false");
}

TEST_F(SceneMends, ReelingEndsAtTheShoreAndDoesNotStartAgain) {
    GiveTackle();
    OpenPlace();
    CastAndLand();  // float rig: nothing is drawn while reeling
    gDown();
    advance(50 * 400);  // 2400 -> 5000 at 7 twips a step
    gUp();
    EXPECT_EQ(print("TackleY"), "5000");
    gDown();
    advanceDrawingAll(500);
    EXPECT_EQ(print("Reeling"), "false");
    EXPECT_EQ(print("TackleY"), "5000");
}

TEST_F(SceneMends, ReleasingGDuringACastEndsIt) {
    GiveTackle();
    OpenPlace();
    key(32);
    advance(100);
    gUp();
    EXPECT_EQ(print("CastAnimating"), "false");
    EXPECT_EQ(print("RodBusy"), "false");
    advanceDrawingAll(1000);
    EXPECT_EQ(print("SceneForm.Actions_T.Enabled"), "false");  // the old cast never lands
    key(32);  // a new cast from its first frame, with a new portion
    EXPECT_EQ(print("OwnedBaits(1).Amount"), "18");
    advance(500);
    EXPECT_EQ(print("SceneForm.Actions_T.Enabled"), "true");
}

TEST_F(SceneMends, CuttingDuringAStrikeEndsItAndPutsTheRodBack) {
    GiveTackle();
    OpenPlace();
    CastAndLand();
    const std::string left = print("SceneForm.Speening.Left");
    key(13);
    advance(60);
    key(120);
    EXPECT_EQ(print("StrikeAnimating"), "false");
    EXPECT_EQ(print("SceneForm.Speening.Left"), left);
    key(13);  // a new strike starts from its first frame
    EXPECT_EQ(print("StrikeFrame"), "1");
    EXPECT_EQ(print("StrikeAnimating"), "true");
}

TEST_F(SceneMends, ACutLineStopsTheFishSearchAndTheBite) {
    GiveTackle();
    OpenPlace();
    CastAndLand();
    ASSERT_EQ(print("SceneForm.Actions_T.Enabled"), "true");
    key(120);
    EXPECT_EQ(print("SceneForm.Actions_T.Enabled"), "false");
    EXPECT_EQ(print("FishAtBait"), "false");
    advanceDrawingAll(3000);  // no search runs
    gDown();
    advanceDrawingAll(500);  // and nothing is reeled in
    EXPECT_EQ(print("Reeling"), "false");
}

TEST_F(SceneMends, AFishThatLeavesLeavesNoBiteToHook) {
    GiveTackle();
    OpenPlace();
    CastAndLand();
    QueueSearch(2, 50, 50, 2);
    QueueWeight(50, 1000, 600);
    advanceDrawingAll(300);
    // It bites and leaves in one tick: the draws are made as always.
    rnd({Pick(110, 110), Pick(3, 3), Pick(5, 50), Pick(4, 4), Pick(1, 500)});
    advanceDrawingAll(200);
    EXPECT_EQ(print("BiteActive"), "false");
    EXPECT_EQ(print("BiteKind"), "0");
    key(13);
    advance(200);
    EXPECT_EQ(print("Hooked"), "false");
}

TEST_F(SceneMends, TheInventorysCloseButtonShowsTheRodLikeItsExit) {
    GiveTackle();
    v().save.RodSlot = 0;
    OpenPlace();
    EXPECT_EQ(print("SceneForm.Speening.Visible"), "false");
    run("click SceneForm.Image3");
    v().save.RodSlot = 1;
    run("close InvenFr");
    EXPECT_EQ(print("InvenFr.Visible"), "false");
    EXPECT_EQ(print("SceneForm.Speening.Visible"), "true");
}

TEST_F(SceneMends, AVeryHeavyFishSlipsOffOnSlack) {
    GiveTackle(200000, 200000);
    OpenPlace();
    CastAndLand();
    v().fishing.FishSpecies = Catfish;
    v().fishing.FishWeight = 90000;  // 900 a slack tick
    HookFish(game());
    v().fishing.Tension = 800;  // a step would leave less than nothing
    advance(50);
    EXPECT_EQ(print("Hooked"), "false");
    EXPECT_EQ(print("SceneForm.HerboLine.Width"), "10");
}

}  // namespace
