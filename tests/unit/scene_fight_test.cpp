// The fight: hooking, the fish's pull, the tension band, and rods and lines
// breaking under too heavy a fish.

#include "scene_fixture.h"

namespace {

using namespace scene_testing;

class SceneFight : public SceneTest {
protected:
    // A fish of `species` and `grams` hooked on tackle lying at the cast line.
    void Hook(long long species, long long grams, const char* rig = "popl") {
        OpenPlace();
        if (std::string(rig) == "bles") run("click SceneForm.Butt_Bles");
        CastAndLand();
        scene().Actions_T.setEnabled(false);
        v().fishing.FishSpecies = species;
        v().fishing.FishWeight = grams;
        HookFish(game());
    }
};

TEST_F(SceneFight, HookingSetsStaminaPowerTensionAndBendsTheRod) {
    GiveTackle();
    Hook(Pike, 2500);
    EXPECT_EQ(print("FishStamina"), "1000");
    EXPECT_EQ(print("FishPower"), "8");  // CLng(10 * 2500 / 3000) = CLng(8.33)
    EXPECT_EQ(print("SceneForm.HerboLine.Width"), "1695");
    EXPECT_EQ(print("SceneForm.Speening.Picture"), "Speen_izgib2");
    EXPECT_EQ(print("SceneForm.popl(0).Visible"), "false");
    EXPECT_EQ(print("SceneForm.Fish_Act_T.Enabled"), "true");
    EXPECT_EQ(print("SceneForm.Napryazhenie_T.Enabled"), "true");

    v().fishing.FishWeight = 1000;
    HookFish(game());
    EXPECT_EQ(print("SceneForm.Speening.Picture"), "Speen_izgib1");
    v().fishing.FishWeight = 10001;
    HookFish(game());
    EXPECT_EQ(print("SceneForm.Speening.Picture"), "Speen_izgib3");
    EXPECT_EQ(print("FishPower"), "33");  // CLng(10 * 3.3337)
    // Halves go to the even neighbour: 4 * 1875 / 3000 = 2.5 -> 2.
    v().fishing.FishSpecies = Perch;
    v().fishing.FishWeight = 1875;
    HookFish(game());
    EXPECT_EQ(print("FishPower"), "2");
}

TEST_F(SceneFight, TheFishPullsSidewaysOrAwayAndNeverBeyondTheCastLine) {
    GiveTackle();
    Hook(Pike, 3000);  // power 10
    v().fishing.FishStamina = 500;
    rnd({Pick(1, 3)});
    advanceDrawingAll(100);
    EXPECT_EQ(print("TackleX"), "5645");
    EXPECT_EQ(print("SceneForm.SLED.Left"), "5645");
    EXPECT_EQ(print("FishStamina"), "501");
    rnd({Pick(2, 3)});
    advanceDrawingAll(100);
    EXPECT_EQ(print("TackleX"), "5640");  // 5645 - 5.01
    v().fishing.TackleY = 2403;
    rnd({Pick(3, 3)});
    advanceDrawingAll(100);
    EXPECT_EQ(print("TackleY"), "2400");  // 2403 - 5.02 would pass the cast line
    EXPECT_EQ(print("SceneForm.SLED.Top"), "2400");
    v().fishing.TackleY = 3000;
    v().fishing.FishStamina = 1000;
    rnd({Pick(3, 3)});
    advanceDrawingAll(100);
    EXPECT_EQ(print("TackleY"), "2990");
    EXPECT_EQ(print("FishStamina"), "1000");  // never above 1000
    // A negative stamina reverses the pull.
    v().fishing.FishStamina = -500;
    rnd({Pick(3, 3)});
    advanceDrawingAll(100);
    EXPECT_EQ(print("TackleY"), "2995");
    EXPECT_EQ(print("FishStamina"), "-499");
}

TEST_F(SceneFight, A1kgFishSlipsOffAfter96SlackTicks) {
    GiveTackle();
    Hook(Pike, 1000);
    for (int pull = 0; pull < 47; ++pull) rnd({Pick(1, 3)});
    advanceDrawingAll(95 * 50);
    EXPECT_EQ(print("SceneForm.HerboLine.Width"), "745");
    EXPECT_EQ(print("Hooked"), "true");
    rnd({Pick(1, 3)});  // the pull of the same moment comes first
    advanceDrawingAll(50);
    EXPECT_EQ(print("Hooked"), "false");
    EXPECT_EQ(print("SceneForm.HerboLine.Width"), "10");
    EXPECT_EQ(print("SceneForm.Napryazhenie_T.Enabled"), "false");
    EXPECT_EQ(print("SceneForm.Fish_Act_T.Enabled"), "false");
    EXPECT_EQ(print("SceneForm.popl(0).Visible"), "true");
    EXPECT_EQ(print("CaughtCount"), "0");
    EXPECT_EQ(print("SceneForm.Info_Display.Caption"), "");  // no message
}

TEST_F(SceneFight, A20kgFishBreaksFreeOnTheEleventhReelStep) {
    GiveTackle(30000, 30000);
    Hook(Catfish, 20000);
    gDown();
    // Per reel step a snag roll; every other step a pull first.
    for (int step = 1; step <= 10; ++step) {
        if (step % 2 == 0) rnd({Pick(1, 3)});
        rnd({Pick(6000, 6000)});
    }
    advanceDrawingAll(500);
    EXPECT_EQ(print("SceneForm.HerboLine.Width"), "2595");
    EXPECT_EQ(print("Hooked"), "true");
    rnd({Pick(6000, 6000)});
    advanceDrawingAll(50);
    EXPECT_EQ(print("Hooked"), "false");
    EXPECT_EQ(print("Reeling"), "false");
    EXPECT_EQ(print("SceneForm.HerboLine.Width"), "10");
    // The reel clock idles and the rod stays busy until G comes up.
    EXPECT_EQ(print("RodBusy"), "true");
    EXPECT_EQ(print("SceneForm.Speen_AnimationT.Enabled"), "true");
    advanceDrawingAll(500);
    gUp();
    EXPECT_EQ(print("RodBusy"), "false");
    EXPECT_EQ(print("SceneForm.Speen_AnimationT.Enabled"), "false");
}

TEST_F(SceneFight, SlackWhileReelingIsNotChecked) {
    GiveTackle();
    Hook(Pike, 2000);
    gDown();
    rnd({Pick(6000, 6000), Pick(1, 3), Pick(6000, 6000)});
    advanceDrawingAll(100);
    EXPECT_EQ(print("SceneForm.HerboLine.Width"), "1715");
    gUp();
    advanceDrawingAll(50);
    EXPECT_EQ(print("SceneForm.HerboLine.Width"), "1695");
}

TEST_F(SceneFight, ASlackStepPastNothingFallsToTheMark) {
    GiveTackle(200000, 200000);
    Hook(Catfish, 100000);  // 1000 per slack tick
    v().fishing.Tension = 1740;
    advance(50);
    EXPECT_EQ(print("SceneForm.HerboLine.Width"), "740");
    EXPECT_EQ(print("Hooked"), "true");
    v().fishing.Tension = 900;  // 900 - 1000 would be less than nothing
    advance(50);
    EXPECT_EQ(print("Hooked"), "false");  // it falls to the mark: the fish is gone
}

TEST_F(SceneFight, AVeryHeavyFishRelaxesTheBarBy110) {
    GiveTackle(200000, 200000);
    Hook(Catfish, 110000);
    advance(50);
    EXPECT_EQ(print("Hooked"), "false");  // 1695 - 1100 = 595
    v().fishing.FishWeight = 110001;
    HookFish(game());
    advance(50);
    EXPECT_EQ(print("SceneForm.HerboLine.Width"), "1585");
}

// The break rolls, by overload; the test queues the pull direction first.
class SceneBreak : public SceneFight {
protected:
    void Pull() { rnd({Pick(1, 3)}); }
};

TEST_F(SceneBreak, EqualStrengthNeverBreaksAndDrawsNothing) {
    GiveTackle(3000, 3000);
    Hook(Pike, 3000);
    Pull();
    advanceDrawingAll(100);
    EXPECT_EQ(print("Hooked"), "true");
}

TEST_F(SceneBreak, ARodOverloadedBy1kgBreaksOnATen) {
    GiveTackle(3000, 9000);
    Hook(Pike, 4000);
    Pull();
    rnd({Pick(9, 100)});
    advance(100);
    EXPECT_EQ(print("OwnedRodCount"), "1");
    Pull();
    rnd({Pick(10, 100)});
    advanceDrawingAll(100);
    EXPECT_EQ(print("SceneForm.Info_Display.Caption"), "Спининг сломан!");
    EXPECT_EQ(run("sounds"), "crsp.wav\n.\n");
    EXPECT_EQ(print("SoundFile"), "crsp.wav");
    EXPECT_EQ(print("SceneForm.Speening.Picture"), "speen_crash");
    EXPECT_EQ(print("SceneForm.Speening.Visible"), "true");
    EXPECT_EQ(print("OwnedRodCount"), "0");
    EXPECT_EQ(print("RodSlot"), "0");
    EXPECT_EQ(print("Hooked"), "false");
    EXPECT_EQ(print("OwnedLureCount"), "1");  // float rig: the lure stays
    EXPECT_EQ(print("LureSlot"), "1");
    key(32);
    EXPECT_EQ(print("SceneForm.Info_Display.Caption"), "Спининг не куплен!");
}

TEST_F(SceneBreak, ARodBreakWithTheLureRigLosesTheLure) {
    GiveTackle(3000, 20000);
    klev::TackleItem spare;
    spare.Name = "Запасной";
    v().save.OwnedRods.push_back(spare);
    v().save.OwnedLures.push_back(v().save.OwnedLures[0]);
    v().save.OwnedLures[1].Name = "Воблер";
    Hook(Pike, 14000, "bles");  // 10000 or more over: 1 in 20
    Pull();
    rnd({Pick(10, 20)});
    advanceDrawingAll(100);
    EXPECT_EQ(print("OwnedRodCount"), "1");
    EXPECT_EQ(print("OwnedRods(1).Name"), "Запасной");
    EXPECT_EQ(print("OwnedLureCount"), "1");
    EXPECT_EQ(print("OwnedLures(1).Name"), "Воблер");
    EXPECT_EQ(print("LureSlot"), "0");
    EXPECT_EQ(print("RodSlot"), "0");
}

TEST_F(SceneBreak, AtExactlyTwoKilogramsOverBothRollsAreMadeAndTheLaterCounts) {
    GiveTackle(3000, 9000);
    Hook(Pike, 5000);
    Pull();
    rnd({Pick(10, 100), Pick(1, 70)});
    advanceDrawingAll(100);
    EXPECT_EQ(print("RodSlot"), "1");
    Pull();
    rnd({Pick(1, 100), Pick(10, 70)});
    advanceDrawingAll(100);
    EXPECT_EQ(print("RodSlot"), "0");
}

TEST_F(SceneBreak, AtFiveAndTenKilogramsOverTheRollsPairUpToo) {
    GiveTackle(30000, 1000);
    Hook(Catfish, 6000);  // line 5000 under: divisors 60 then 35
    Pull();
    rnd({Pick(1, 60), Pick(10, 35), Pick(1, 10)});
    advanceDrawingAll(100);
    EXPECT_EQ(print("SceneForm.Info_Display.Caption"), "Леска порвалась!");
    EXPECT_EQ(print("OwnedLines(1).LineLength"), "97");
    GiveTackle(30000, 1000);
    v().fishing.FishWeight = 11000;  // 10000 under: divisors 35 then 20
    HookFish(game());
    Pull();
    rnd({Pick(10, 35), Pick(1, 20)});
    advanceDrawingAll(100);
    EXPECT_EQ(print("Hooked"), "true");
}

TEST_F(SceneBreak, ALineBreakWithTheFloatCostsMetresAndShowsTheFloatAgain) {
    GiveTackle(9000, 2500);
    Hook(Pike, 3000);  // 500 over: 1 in 90
    Pull();
    rnd({Pick(10, 90), Pick(10, 10)});
    advanceDrawingAll(100);
    EXPECT_EQ(print("SceneForm.Info_Display.Caption"), "Леска порвалась!");
    EXPECT_EQ(print("OwnedLines(1).LineLength"), "88");
    EXPECT_EQ(print("LineSlot"), "1");
    EXPECT_EQ(print("OwnedLureCount"), "1");
    EXPECT_EQ(print("Hooked"), "false");
    EXPECT_EQ(print("SceneForm.popl(0).Visible"), "true");
    EXPECT_EQ(print("SceneForm.popl(0).Top"), "2400");
}

TEST_F(SceneBreak, ALineBreakWithTheLureLosesTheLureAndAShortLine) {
    GiveTackle(9000, 2500);
    v().save.OwnedLines[0].LineLength = 7;
    Hook(Pike, 3000, "bles");
    Pull();
    rnd({Pick(10, 90), Pick(1, 10)});
    advanceDrawingAll(100);
    EXPECT_EQ(print("OwnedLureCount"), "0");
    EXPECT_EQ(print("LureSlot"), "0");
    EXPECT_EQ(print("OwnedLineCount"), "0");  // 7 - 3 = 4 m is too short to keep
    EXPECT_EQ(print("LineSlot"), "0");
    EXPECT_EQ(print("SceneForm.popl(0).Visible"), "false");
}

TEST_F(SceneBreak, LineAndRodMayBothBreakInOnePull) {
    GiveTackle(2500, 2500);
    Hook(Pike, 3000);
    Pull();
    rnd({Pick(10, 90), Pick(5, 10), Pick(10, 100)});
    advanceDrawingAll(100);
    EXPECT_EQ(print("OwnedLines(1).LineLength"), "93");
    EXPECT_EQ(print("RodSlot"), "0");
    EXPECT_EQ(print("SceneForm.Info_Display.Caption"), "Спининг сломан!");
}

TEST_F(SceneBreak, AFishHookedWithoutALineBreaksNoLine) {
    GiveTackle(2500, 1000);
    Hook(Pike, 3000);
    v().save.LineSlot = 0;  // cut and used up after the cast
    Pull();
    rnd({Pick(9, 100)});
    advanceDrawingAll(100);
    EXPECT_EQ(print("Hooked"), "true");
}

}  // namespace
