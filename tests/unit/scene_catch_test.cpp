// One catch from the cast to the keep-net, with the float rig and with the
// lure, every draw scripted.

#include "scene_fixture.h"

namespace {

using namespace scene_testing;

class SceneCatch : public SceneTest {
protected:
    // A place whose shore line lies 105 twips from the cast line.
    void ShortRetrieve() {
        t.folder.write("Data/Maps/lake/Loc1/Conf.cfg",
                       {"0", "2505", "2400", "0", "3", "щука 60", "окунь100", "сом  5"});
    }
};

TEST_F(SceneCatch, AFloatCastNibblesBitesIsStruckFoughtAndLanded) {
    GiveTackle();
    ShortRetrieve();
    OpenPlace();
    ASSERT_EQ(print("SceneForm.Visible"), "true");
    ASSERT_EQ(print("Form1.Visible"), "false");

    CastAndLand();
    EXPECT_EQ(print("OwnedBaits(1).Amount"), "19");
    EXPECT_EQ(print("TackleY"), "2400");
    EXPECT_EQ(print("TackleX"), "5640");
    EXPECT_EQ(print("SceneForm.Actions_T.Enabled"), "true");
    EXPECT_EQ(print("SceneForm.popl(0).Visible"), "true");

    // The first search 300 ms later finds a perch of 600 g on the worm.
    QueueSearch(2, 50, 50, 2);
    QueueWeight(50, 1000, 600);
    advanceDrawingAll(300);
    EXPECT_EQ(print("FishAtBait"), "true");
    EXPECT_EQ(print("FishSpecies"), "2");
    EXPECT_EQ(print("FishWeight"), "600");
    EXPECT_EQ(print("SceneForm.Actions_T.Enabled"), "false");
    EXPECT_EQ(print("SceneForm.Klev_T.Enabled"), "true");

    // 200 ms later the first nibble bobs the float down and starts a bite of
    // kind 2 (pulled under); the next tick comes 100 ms later.
    rnd({Pick(100, 110), Pick(3, 3), Pick(1, 50), Pick(2, 4), Pick(1, 500)});
    advanceDrawingAll(200);
    EXPECT_EQ(print("TackleY"), "2435");
    EXPECT_EQ(print("SceneForm.popl(0).Top"), "2435");
    EXPECT_EQ(print("SceneForm.popl(1).Top"), "2335");
    EXPECT_EQ(print("BiteActive"), "true");
    EXPECT_EQ(print("BiteKind"), "2");
    EXPECT_EQ(print("SceneForm.Klev_T.Interval"), "100");
    advance(100);
    EXPECT_EQ(print("SceneForm.popl(0).Visible"), "false");
    EXPECT_EQ(print("SceneForm.Klev_T.Interval"), "30");

    // Enter: the fourth strike frame, 120 ms later, hooks the perch.
    key(13);
    advance(90);
    EXPECT_EQ(print("Hooked"), "false");
    advance(30);
    EXPECT_EQ(print("Hooked"), "true");
    EXPECT_EQ(print("HookSet"), "true");
    EXPECT_EQ(print("FishStamina"), "1000");
    EXPECT_EQ(print("FishPower"), "1");  // CLng(CLng(40 / 10) * 0.2)
    EXPECT_EQ(print("SceneForm.HerboLine.Width"), "1695");
    EXPECT_EQ(print("SceneForm.Speening.Picture"), "Speen_izgib1");

    // The nibble left the float 35 lower: ten reel steps bring it to the shore line and land the fish;
    // each step draws the snag roll, and the fish pulls every 100 ms.
    gDown();
    // Both run every 100 ms at the same moment: the pull timer ticks first.
    for (int step = 1; step <= 10; ++step) {
        if (step % 2 == 0) rnd({Pick(1, 3)});
        rnd({Pick(6000, 6000)});
    }
    advanceDrawingAll(500);
    EXPECT_EQ(print("CaughtCount"), "1");
    EXPECT_EQ(print("CaughtFish(1).Name"), "окунь 600 г");
    EXPECT_EQ(print("CaughtFish(1).Weight"), "600");
    EXPECT_EQ(print("CaughtFish(1).SpeciesName"), "окунь");
    EXPECT_EQ(print("CaughtFish(1).PictureKey"), "perch");
    EXPECT_EQ(print("Hooked"), "false");
    EXPECT_EQ(print("Reeling"), "false");
    EXPECT_EQ(print("TackleY"), "2505");
    EXPECT_EQ(print("TackleX"), "5645");  // five pulls of 1 twip to the right
    EXPECT_EQ(print("SceneForm.HerboLine.Width"), "10");
    EXPECT_EQ(print("SceneForm.Info_Display.Caption"), "окунь : 0,6 кг");
    EXPECT_EQ(print("SceneForm.Speen_AnimationT.Enabled"), "false");
    EXPECT_EQ(print("SceneForm.Fish_Act_T.Enabled"), "false");
    EXPECT_EQ(print("Trofei.Visible"), "true");
}

}  // namespace
