// The scene window: its objects and timers, keys, the info line, hover
// captions, the rig switch, the help panel and the ways out.

#include "scene_fixture.h"

namespace {

using namespace scene_testing;

using SceneWindow = SceneTest;

TEST_F(SceneWindow, ObjectsStandAtTheirDesignedPlaces) {
    struct Geometry {
        const char* control;
        const char* left;
        const char* top;
        const char* width;
        const char* height;
    };
    const Geometry designed[] = {
        {"Picture1", "0", "0", "9600", "5700"},         {"HerboLine", "3360", "6280", "1695", "135"},
        {"Prikormka", "4440", "5520", "135", "135"},    {"Volna", "3840", "5520", "375", "135"},
        {"Info_Display", "3360", "5760", "3255", "375"}, {"HelpFr", "-2550", "2520", "2535", "3015"},
        {"popl(0)", "5640", "2640", "15", "15"},        {"popl(1)", "5640", "2520", "15", "135"},
        {"SLED", "5640", "2640", "15", "15"},           {"Image1", "0", "5700", "9600", "1500"},
        {"ZoneSlack", "3360", "6145", "735", "135"},    {"ZoneOver", "6000", "6145", "615", "135"},
    };
    for (const Geometry& g : designed) {
        const std::string c = std::string("SceneForm.") + g.control;
        EXPECT_EQ(print(c + ".Left"), g.left) << c;
        EXPECT_EQ(print(c + ".Top"), g.top) << c;
        EXPECT_EQ(print(c + ".Width"), g.width) << c;
        EXPECT_EQ(print(c + ".Height"), g.height) << c;
    }
    EXPECT_EQ(print("SceneForm.Width"), "9600");
    EXPECT_EQ(print("SceneForm.Height"), "7200");
    EXPECT_EQ(print("SceneForm.HerboLine.BackColor"), std::to_string(0x00C000));
    EXPECT_EQ(print("SceneForm.Prikormka.Tag"), "0");
    EXPECT_EQ(print("SceneForm.Volna.Visible"), "false");
    EXPECT_EQ(print("SceneForm.Frame_Winner.Visible"), "false");
    EXPECT_EQ(print("SceneForm.Label13.Caption"), "OK");
    EXPECT_EQ(print("SceneForm.Label12.Caption"), "Результаты состизания");
    EXPECT_EQ(print("SceneForm.Duel_Console.Visible"), "false");
    EXPECT_EQ(print("SceneForm.Duel_Vremya.Visible"), "false");
    EXPECT_EQ(print("SceneForm.Butt_Popl.Caption"), "поплавок");
    EXPECT_EQ(print("SceneForm.Butt_Bles.Caption"), "блесна");
    EXPECT_EQ(print("SceneForm.RigCaption.Caption"), "режим ловли");
    EXPECT_EQ(print("SceneForm.Image2.Picture"), "icon_map");
    EXPECT_EQ(print("SceneForm.Image1.Picture"), "panel");
    const char* help[] = {"Справка",
                          "Пробел :: заброс ",
                          "G :: проводка, тащить ",
                          "Enter :: подсечка",
                          "X :: оборвать леску",
                          "N :: бросить прикормку",
                          "I :: инвентарь",
                          "F :: пойманая рыба",
                          "B :: рыболовная база",
                          "M :: карта водоема"};
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(print("SceneForm.HelpLine(" + std::to_string(i) + ").Caption"), help[i]);
}

TEST_F(SceneWindow, TimersHaveTheirIntervalsAndWaitForTheCode) {
    const std::pair<const char*, int> timers[] = {
        {"Actions_T", 300},       {"Klev_T", 200},     {"Fish_Act_T", 100}, {"Napryazhenie_T", 50},
        {"Speen_AnimationT", 50}, {"Add_Prik_T", 50},  {"Show_TExt_T", 4000}, {"HelpTimer", 30},
        {"Sound_T", 15000},       {"Duel_T", 1000},    {"Tur_T", 1000}};
    for (auto [name, interval] : timers) {
        EXPECT_EQ(print(std::string("SceneForm.") + name + ".Interval"), std::to_string(interval)) << name;
        EXPECT_EQ(print(std::string("SceneForm.") + name + ".Enabled"), "false") << name;
    }
    // Opening a place starts only the ambient sound.
    OpenPlace();
    for (auto [name, interval] : timers)
        EXPECT_EQ(print(std::string("SceneForm.") + name + ".Enabled"), std::string(name) == "Sound_T" ? "true" : "false")
            << name;
}

TEST_F(SceneWindow, KeysWithoutTackleAnswerOnTheInfoLine) {
    OpenPlace();
    key(32);
    EXPECT_EQ(print("SceneForm.Info_Display.Caption"), "Спининг не куплен!");
    key(13);
    EXPECT_EQ(print("SceneForm.Info_Display.Caption"), "Купи спининг!");
    key(110);
    EXPECT_EQ(print("SceneForm.Info_Display.Caption"), "Выбери прикормку");
    ShowInfo(game(), "");
    key(242);
    EXPECT_EQ(print("SceneForm.Info_Display.Caption"), "Выбери прикормку");
    // Upper-case N and X, and X with no line, do nothing at all.
    GiveTackle();
    ShowInfo(game(), "тишина");
    key(78);
    key(88);
    EXPECT_EQ(print("SceneForm.Info_Display.Caption"), "тишина");
    EXPECT_EQ(print("OwnedGroundbaits(1).Amount"), "10");
    EXPECT_EQ(print("OwnedLines(1).LineLength"), "100");
    EXPECT_EQ(print("SceneForm.Add_Prik_T.Enabled"), "false");
    v().save.LineSlot = 0;
    key(120);
    EXPECT_EQ(print("SceneForm.Info_Display.Caption"), "тишина");
    EXPECT_EQ(print("OwnedLines(1).LineLength"), "100");
    // G down with no line: nothing, and no message.
    gDown();
    EXPECT_EQ(print("Reeling"), "false");
    EXPECT_EQ(print("SceneForm.Info_Display.Caption"), "тишина");
}

TEST_F(SceneWindow, ASecondMessageIsShownForAFullFourSecondsFromItsOwnCall) {
    OpenPlace();
    ShowInfo(game(), "первое");
    advance(3000);
    ShowInfo(game(), "второе");
    advance(1500);
    EXPECT_EQ(print("SceneForm.Info_Display.Caption"), "второе");
    advance(2499);
    EXPECT_EQ(print("SceneForm.Info_Display.Caption"), "второе");
    EXPECT_EQ(print("SceneForm.Show_TExt_T.Enabled"), "true");
    advance(1);
    EXPECT_EQ(print("SceneForm.Info_Display.Caption"), "");
    EXPECT_EQ(print("SceneForm.Show_TExt_T.Enabled"), "false");
    EXPECT_EQ(print("InfoText"), "второе");
}

TEST_F(SceneWindow, HoverCaptionsAndBoldButtons) {
    OpenPlace();
    run("move SceneForm.Image2");
    EXPECT_EQ(print("SceneForm.Info1.Caption"), "карта");
    run("move SceneForm.Image3");
    EXPECT_EQ(print("SceneForm.Info1.Caption"), "Вещи");
    run("move SceneForm.Image4");
    EXPECT_EQ(print("SceneForm.Info1.Caption"), "Моя рыба");
    run("move SceneForm.Butt_Popl");
    EXPECT_EQ(print("SceneForm.Butt_Popl.FontBold"), "true");
    EXPECT_EQ(print("SceneForm.Butt_Bles.FontBold"), "false");
    run("move SceneForm.Butt_Bles");
    EXPECT_EQ(print("SceneForm.Butt_Popl.FontBold"), "false");
    EXPECT_EQ(print("SceneForm.Butt_Bles.FontBold"), "true");
    run("move SceneForm.Image1");
    EXPECT_EQ(print("SceneForm.Butt_Bles.FontBold"), "false");
    EXPECT_EQ(print("SceneForm.Info1.Caption"), "");
}

TEST_F(SceneWindow, TheRigSwitchColoursTheButtonsAndWaitsForTheNextCast) {
    GiveTackle();
    OpenPlace();
    EXPECT_EQ(print("SceneForm.Butt_Popl.ForeColor"), "255");
    EXPECT_EQ(print("SceneForm.Butt_Bles.ForeColor"), "0");
    CastAndLand();
    run("click SceneForm.Butt_Bles");
    EXPECT_EQ(print("RigMode"), "bles");
    EXPECT_EQ(print("SceneForm.Butt_Bles.ForeColor"), "255");
    EXPECT_EQ(print("SceneForm.Butt_Popl.ForeColor"), "0");
    // The float stays where it lies.
    EXPECT_EQ(print("SceneForm.popl(0).Visible"), "true");
    EXPECT_EQ(print("SceneForm.popl(0).Top"), "2400");
    run("click SceneForm.Butt_Popl");
    EXPECT_EQ(print("RigMode"), "popl");
    EXPECT_EQ(print("SceneForm.Butt_Popl.ForeColor"), "255");
    EXPECT_EQ(print("SceneForm.Butt_Bles.ForeColor"), "0");
}

TEST_F(SceneWindow, TheHelpPanelSlidesInAndOut) {
    OpenPlace();
    // Hovering the picture before the panel ever came out does nothing.
    run("move SceneForm.Picture1");
    EXPECT_EQ(print("SceneForm.HelpTimer.Enabled"), "false");
    run("move SceneForm.Image5");
    EXPECT_EQ(print("HelpSlideIn"), "true");
    advance(570);  // 19 steps of 130
    EXPECT_EQ(print("SceneForm.HelpFr.Left"), "-80");
    advance(30);
    EXPECT_EQ(print("SceneForm.HelpFr.Left"), "50");
    EXPECT_EQ(print("HelpShown"), "false");
    advance(30);
    EXPECT_EQ(print("HelpShown"), "true");
    EXPECT_EQ(print("HelpSlideIn"), "false");
    EXPECT_EQ(print("SceneForm.HelpTimer.Enabled"), "false");
    EXPECT_EQ(print("SceneForm.HelpFr.Left"), "50");

    run("move SceneForm.Picture1");
    EXPECT_EQ(print("HelpShown"), "false");
    EXPECT_EQ(print("HelpSlideOut"), "true");
    advance(270);  // 9 steps of 300
    EXPECT_EQ(print("SceneForm.HelpFr.Left"), "-2650");
    advance(30);
    EXPECT_EQ(print("SceneForm.HelpTimer.Enabled"), "false");
    EXPECT_EQ(print("HelpShown"), "true");
    EXPECT_EQ(print("HelpSlideOut"), "false");
    EXPECT_EQ(print("SceneForm.HelpFr.Left"), "-2650");
}

TEST_F(SceneWindow, HoveringHelpDuringASlideOutAppliesBothSteps) {
    OpenPlace();
    run("move SceneForm.Image5");
    advance(630);
    run("move SceneForm.Picture1");
    advance(30);  // 50 - 300
    run("move SceneForm.Image5");
    advance(30);  // -250 + 130 - 300
    EXPECT_EQ(print("SceneForm.HelpFr.Left"), "-420");
}

TEST_F(SceneWindow, TheMapIconRefusesWhileSnaggedOrDuringADuelOrTournament) {
    OpenPlace();
    v().fishing.Snagged = true;
    run("click SceneForm.Image2");
    EXPECT_EQ(print("SceneForm.Visible"), "true");
    EXPECT_EQ(print("SceneForm.Info_Display.Caption"), "Обрежь леску(X)");
    v().fishing.Snagged = false;
    v().duel.InDuel = true;
    run("click SceneForm.Image2");
    EXPECT_EQ(print("SceneForm.Visible"), "true");
    EXPECT_EQ(print("SceneForm.Sound_T.Enabled"), "true");
    v().duel.InDuel = false;
    v().tournament.InTournament = true;
    run("click SceneForm.Image2");
    EXPECT_EQ(print("SceneForm.Visible"), "true");
    EXPECT_EQ(print("Form1.Visible"), "false");
}

TEST_F(SceneWindow, LeavingForTheMapStopsEverythingOnTheHiddenWindow) {
    GiveTackle();
    OpenPlace();
    CastAndLand();
    key(110);  // a groundbait ball in flight
    QueueSearch(2, 1, 1, 2);
    QueueWeight(50, 1000, 300);
    advance(300);  // a perch nibbles
    ASSERT_EQ(print("FishAtBait"), "true");
    key(13);  // a strike under way
    advance(30);
    run("click SceneForm.Image2");
    EXPECT_EQ(print("SceneForm.Visible"), "false");
    EXPECT_EQ(print("Form1.Visible"), "true");
    for (const char* timer : {"Actions_T", "Klev_T", "Fish_Act_T", "Napryazhenie_T", "Speen_AnimationT",
                              "Add_Prik_T", "Sound_T"})
        EXPECT_EQ(print(std::string("SceneForm.") + timer + ".Enabled"), "false") << timer;
    EXPECT_EQ(print("FishAtBait"), "false");
    EXPECT_EQ(print("RodBusy"), "false");
    EXPECT_EQ(print("StrikeAnimating"), "false");
    EXPECT_EQ(print("GroundbaitPower"), "0");
    EXPECT_EQ(print("SceneForm.popl(0).Visible"), "false");
    EXPECT_EQ(print("SceneForm.popl(1).Visible"), "false");
    EXPECT_EQ(print("SceneForm.SLED.Visible"), "false");
    EXPECT_EQ(print("SceneForm.Prikormka.Visible"), "false");
    EXPECT_EQ(print("SceneForm.Speening.Left"), "6000");  // the strike's shift undone
    // Nothing happens any more: no draw is made.
    const std::size_t before = rndLeft();
    rnd({0.5});
    advance(30000);
    EXPECT_EQ(rndLeft(), before + 1);
}

TEST_F(SceneWindow, TheResultFrameOkReturnsToTheMap) {
    OpenPlace();
    scene().Frame_Winner.Visible = true;
    v().fishing.Hooked = true;
    run("click SceneForm.Label13");
    EXPECT_EQ(print("SceneForm.Frame_Winner.Visible"), "false");
    EXPECT_EQ(print("Form1.Visible"), "true");
    EXPECT_EQ(print("Hooked"), "false");
}

TEST_F(SceneWindow, TheIconsOpenTheInventoryAndTheCaughtFish) {
    OpenPlace();
    run("click SceneForm.Image3");
    EXPECT_EQ(print("InvenFr.Visible"), "true");
    EXPECT_EQ(print("SceneForm.Visible"), "true");
    run("click SceneForm.Image4");
    EXPECT_EQ(print("Trofei.Visible"), "true");
}

TEST_F(SceneWindow, ClosingTheWindowSavesAndEndsTheGame) {
    OpenPlace();
    v().save.PlayerMoney = 77;
    EXPECT_EQ(run("close SceneForm"), "ended\n");
    const auto lines = t.folder.readLines("Saves/Рыбак/vrb.cfg");
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines[0], "77");
}

}  // namespace
