// The main screen Form1: maps and markers, the highlight, opening a place,
// the base, the credits, the exit; and the sounds of the game.

#include <gtest/gtest.h>

#include <algorithm>

#include "app/windows.h"
#include "forms/services.h"
#include "scene/scene_form.h"
#include "mainscreen/form1.h"
#include "shell/game.h"
#include "shell/sound.h"
#include "test_game.h"

namespace {

using testing_support::TestGame;

std::vector<int> Markers(TestGame& t) { return t.game().window<klev::Form1>().PScene.indices(); }

TEST(MainScreen, NextAndPreviousGoRoundTheMaps) {
    TestGame t;
    t.startAs("Вася");
    EXPECT_EQ(Markers(t), (std::vector<int>{0, 1, 2}));
    t.run("click Form1.Label4\n");
    EXPECT_EQ(t.print("MapIndex"), "2");
    EXPECT_EQ(t.print("MapFolder"), "river");
    EXPECT_EQ(t.print("Form1.Label1.Caption"), "Река");
    EXPECT_EQ(t.print("Form1.Picture1.Picture"), "river");
    EXPECT_EQ(Markers(t), (std::vector<int>{0, 1, 2, 3}));
    EXPECT_EQ(t.print("Form1.PScene(1).Left"), "1500");
    t.run("click Form1.Label4\n");  // from the last map to the first
    EXPECT_EQ(t.print("MapIndex"), "1");
    EXPECT_EQ(t.print("Form1.Label1.Caption"), "Озеро");
    EXPECT_EQ(Markers(t), (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(t.print("Form1.PScene(1).Left"), "2400");
    t.run("click Form1.Label3\n");  // from the first map to the last
    EXPECT_EQ(t.print("MapIndex"), "2");
    EXPECT_EQ(Markers(t), (std::vector<int>{0, 1, 2, 3}));
    t.run("click Form1.Label3\n");
    EXPECT_EQ(t.print("MapFolder"), "lake");
    EXPECT_EQ(Markers(t), (std::vector<int>{0, 1, 2}));
}

TEST(MainScreen, WithOneMapBothLabelsShowItAgainWithFreshMarkers) {
    TestGame t;
    t.folder.write("Data/Maps/Info.inf", {"1", "lake"});
    t.startAs("Вася");
    t.run("move Form1.PScene(1)\n");
    EXPECT_EQ(t.print("Form1.PScene(1).Picture"), "Sc_a");
    const auto generation = t.game().window<klev::Form1>().layoutGeneration();
    t.run("click Form1.Label4\n");
    EXPECT_EQ(t.print("MapIndex"), "1");
    EXPECT_EQ(Markers(t), (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(t.print("Form1.PScene(1).Picture"), "scene");  // a new marker
    t.run("click Form1.Label3\n");
    EXPECT_EQ(Markers(t), (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(t.game().window<klev::Form1>().layoutGeneration(), generation + 8);  // 2 unloaded and 2 loaded, twice
}

TEST(MainScreen, AMapWithFivePlacesAndOneWithThreeLeaveNoMarkersOver) {
    TestGame t;
    t.folder.write("Data/Maps/lake/conf.cfg",
                   {"Озеро", "-", "5", "100", "100", "-", "200", "200", "-", "300", "300", "-", "400", "400", "-", "500",
                    "500", "-"});
    t.startAs("Вася");
    EXPECT_EQ(Markers(t).size(), 6u);
    t.run("click Form1.Label4\n");
    EXPECT_EQ(Markers(t), (std::vector<int>{0, 1, 2, 3}));
    t.run("click Form1.Label4\n");
    EXPECT_EQ(Markers(t), (std::vector<int>{0, 1, 2, 3, 4, 5}));
    EXPECT_EQ(t.print("Form1.PScene(5).Top"), "500");
}

TEST(MainScreen, TheMarkerUnderThePointerIsHighlighted) {
    TestGame t;
    t.startAs("Вася");
    t.run("move Form1.PScene(2)\n");
    EXPECT_EQ(t.print("Form1.PScene(2).Picture"), "Sc_a");
    EXPECT_EQ(t.print("Form1.PScene(1).Picture"), t.print("Form1.PScene(0).Picture"));
    t.run("move Form1\n");  // the background does not clear it
    EXPECT_EQ(t.print("Form1.PScene(2).Picture"), "Sc_a");
    t.run("move Form1.PScene(1)\n");
    EXPECT_EQ(t.print("Form1.PScene(1).Picture"), "Sc_a");
    EXPECT_EQ(t.print("Form1.PScene(2).Picture"), t.print("Form1.PScene(0).Picture"));
    EXPECT_EQ(t.print("Form1.PScene(0).Picture"), "scene");
}

TEST(MainScreen, TheExitAndCreditsLabelsTurnBoldUnderThePointer) {
    TestGame t;
    t.startAs("Вася");
    t.run("move Form1.Label5\n");
    EXPECT_EQ(t.print("Form1.Label5.FontBold"), "true");
    EXPECT_EQ(t.print("Form1.Label6.FontBold"), "false");
    t.run("move Form1.Label6\n");
    EXPECT_EQ(t.print("Form1.Label6.FontBold"), "true");
    EXPECT_EQ(t.print("Form1.Label5.FontBold"), "true");
    t.run("move Form1\n");
    EXPECT_EQ(t.print("Form1.Label5.FontBold"), "false");
    EXPECT_EQ(t.print("Form1.Label6.FontBold"), "false");
    EXPECT_EQ(t.print("Form1.Label5.Caption"), "Выход");
    EXPECT_EQ(t.print("Form1.Label6.Caption"), "О программе");
}

TEST(MainScreen, TheBaseButtonShowsTheBaseBesideTheMap) {
    TestGame t;
    t.startAs("Вася");
    t.run("click Form1.Butt_base\n");
    EXPECT_EQ(t.print("Base.Visible"), "true");
    EXPECT_EQ(t.print("Form1.Visible"), "true");
    EXPECT_EQ(t.print("Form1.Label2.Caption"), "Рыболовная база");
}

TEST(MainScreen, TheCreditsWindowShowsAndHides) {
    TestGame t;
    t.folder.writeBytes("images/logo.jpg", testing_support::PictureBytes(2, 2));
    t.startAs("Вася");
    t.run("click Form1.Label6\n");
    EXPECT_EQ(t.print("MyStudio.Visible"), "true");
    EXPECT_EQ(t.print("MyStudio.Label1.Caption"), "Клевница 2");
    EXPECT_EQ(t.print("MyStudio.Image1.Picture"), "logo");
    EXPECT_EQ(t.print("MyStudio.Image2.Picture"), "");  // no "credits" picture: the plain design
    EXPECT_EQ(t.print("MyStudio.Label8.Caption"), "Выход");
    t.run("move MyStudio.Label8\n");
    EXPECT_EQ(t.print("MyStudio.Label8.FontBold"), "true");
    t.run("move MyStudio\n");
    EXPECT_EQ(t.print("MyStudio.Label8.FontBold"), "false");
    t.run("click MyStudio.Label8\n");
    EXPECT_EQ(t.print("MyStudio.Visible"), "false");
    EXPECT_EQ(t.print("Form1.Visible"), "true");
}

TEST(MainScreen, OpeningAPlaceShowsTheSceneAndHidesTheMap) {
    TestGame t;
    t.startAs("Вася");
    // Switching maps, the highlight and opening a place draw nothing.
    t.run("rnd 0.5\nclick Form1.Label4\nclick Form1.Label3\nmove Form1.PScene(1)\nclick Form1.PScene(2)\n");
    EXPECT_EQ(t.run("rndleft\n"), "1\n");
    EXPECT_EQ(t.print("PlaceNumber"), "2");
    EXPECT_EQ(t.print("Form1.Visible"), "false");
    EXPECT_EQ(t.print("SceneForm.Visible"), "true");
    EXPECT_EQ(t.print("SceneForm.Picture1.Picture"), "\\Data\\Maps\\lake\\Loc2\\Scene.scn");
    EXPECT_EQ(t.print("SceneForm.Sound_T.Enabled"), "true");
    EXPECT_EQ(t.print("SceneForm.Duel_T.Enabled"), "false");
    EXPECT_EQ(t.print("SceneForm.Duel_Console.Visible"), "false");
    EXPECT_EQ(t.print("SceneForm.Duel_Vremya.Visible"), "false");
    EXPECT_EQ(t.print("SceneForm.popl(0).Visible"), "false");
    EXPECT_EQ(t.print("SceneForm.popl(1).Visible"), "false");
    EXPECT_EQ(t.print("SceneForm.SLED.Visible"), "false");
    EXPECT_EQ(t.print("SceneForm.Speening.Picture"), "Speen_normal");
    const float height = t.game().window<klev::SceneForm>().Speening.Height;
    EXPECT_EQ(t.game().window<klev::SceneForm>().Speening.Top, 5700 - height);
    EXPECT_EQ(t.print("SceneForm.Speening.Visible"), "false");  // no rod in use
    EXPECT_EQ(t.print("SceneForm.Butt_Popl.ForeColor"), "255");
    EXPECT_EQ(t.print("SceneForm.Butt_Bles.ForeColor"), "0");
    // The event timer runs on while the map is hidden.
    EXPECT_EQ(t.print("Form1.Sobitia.Enabled"), "true");
}

TEST(MainScreen, TheRodIsShownWhenOneIsInUseAndTheLureRigIsRed) {
    TestGame t;
    t.startAs("Вася");
    t.game().save.RodSlot = 1;
    t.game().save.RigMode = klev::Rig::Lure;
    t.run("click Form1.PScene(1)\n");
    EXPECT_EQ(t.print("SceneForm.Speening.Visible"), "true");
    EXPECT_EQ(t.print("SceneForm.Butt_Popl.ForeColor"), "0");
    EXPECT_EQ(t.print("SceneForm.Butt_Bles.ForeColor"), "255");
}

TEST(MainScreen, APlaceOpenedDuringADuelStartsTheDuelClock) {
    TestGame t;
    t.startAs("Вася");
    t.game().duel.InDuel = true;
    t.game().duel.RivalCatch.resize(2);
    t.game().duel.DuelTimeLeft = 7;
    t.game().window<klev::Form1>().Info.Caption = "Выбери место для соревнования";
    t.run("click Form1.PScene(1)\n");
    EXPECT_EQ(t.print("DuelTimeLeft"), "100");
    EXPECT_EQ(t.print("RivalCatchCount"), "0");
    EXPECT_EQ(t.print("Form1.Info.Caption"), "");
    EXPECT_EQ(t.print("SceneForm.Duel_Console.Visible"), "true");
    EXPECT_EQ(t.print("SceneForm.Duel_Vremya.Visible"), "true");
    EXPECT_EQ(t.print("SceneForm.Duel_T.Enabled"), "true");
}

TEST(MainScreen, TheExitSavesEvenWhenNothingChangedAndEndsTheGame) {
    TestGame t;
    t.startAs("Вася");
    ASSERT_EQ(t.folder.read("Saves/Вася/vrb.cfg"), "");
    EXPECT_EQ(t.run("click Form1.Label5\nprint PlayerMoney\n"), "ended\n");
    EXPECT_EQ(t.lastStatus(), driver::Finished);
    EXPECT_EQ(t.folder.readLines("Saves/Вася/vrb.cfg").size(), 17u);
    EXPECT_TRUE(t.game().ended());
    EXPECT_EQ(t.game().window<klev::Form1>().Visible, false);
    EXPECT_FALSE(t.game().timers.nextDue().has_value());
}

TEST(MainScreen, TheTitleBarCloseOfTheMapSavesAndEndsLikeTheExit) {
    TestGame t;
    t.startAs("Вася");
    t.game().save.PlayerMoney = 64;
    EXPECT_EQ(t.run("close Form1\n"), "ended\n");
    EXPECT_EQ(t.folder.readLines("Saves/Вася/vrb.cfg")[0], "64");
}

TEST(MainScreen, TheTitleBarCloseOfASmallWindowHidesIt) {
    TestGame t;
    t.startAs("Вася");
    t.run("click Form1.Label6\nclose MyStudio\n");
    EXPECT_EQ(t.print("MyStudio.Visible"), "false");
    EXPECT_FALSE(t.game().ended());
}

TEST(MainScreen, TheEventTimerTicksEverySecondFromItsCreation) {
    TestGame t;
    t.startAs("Вася");
    auto& sobitia = t.game().window<klev::Form1>().Sobitia;
    EXPECT_EQ(sobitia.due(), 3000);
    t.run("advance 999\n");
    EXPECT_EQ(sobitia.due(), 3000);
    t.run("advance 1\n");
    EXPECT_EQ(sobitia.due(), 4000);
    t.run("click Form1.PScene(1)\nadvance 5000\n");
    EXPECT_EQ(sobitia.due(), 9000);
}

TEST(Sound, TheAmbientTickDrawsOneOfThirteenSounds) {
    TestGame t;
    t.startAs("Вася");
    t.run("click Form1.PScene(1)\n");
    EXPECT_EQ(t.print("SceneForm.Sound_T.Interval"), "15000");
    EXPECT_EQ(t.run("rnd 0.5 0 0.999\nadvance 14999\nsounds\nrndleft\n"), ".\n3\n");
    EXPECT_EQ(t.run("advance 1\nsounds\nrndleft\n"), "fon7.wav\n.\n2\n");
    EXPECT_EQ(t.print("SoundFile"), "fon7.wav");
    EXPECT_EQ(t.run("advance 30000\nsounds\nrndleft\n"), "fon1.wav\nfon13.wav\n.\n0\n");
}

// Records the calls a game makes on its wave player, in order.
class CallLog : public forms::WavePlayer {
public:
    void Close() override { calls.push_back("Close"); }
    void Open(const std::filesystem::path& file) override { calls.push_back("Open " + file.string()); }
    void Play() override { calls.push_back("Play"); }
    std::vector<std::string> calls;
};

// Scripted values, with every reseed and draw written down in order.
class RandomLog : public forms::Random {
public:
    double Rnd() override {
        calls.push_back("Rnd");
        return values.at(calls.size() - 1 - reseeds());
    }
    void Randomize() override { calls.push_back("Randomize"); }
    std::size_t reseeds() const { return std::size_t(std::count(calls.begin(), calls.end(), "Randomize")); }
    std::vector<double> values;
    std::vector<std::string> calls;
};

struct Services {
    RandomLog random;
    forms::ScriptedDialogs dialogs;
    CallLog wave;
    forms::FilePictures pictures;
    forms::FixedClock clock;
};

TEST(Sound, PlaySoundClosesOpensAndPlays) {
    testing_support::TestFolder f;
    Services s;
    klev::GameConfig config;
    config.gameFolder = f.game();
    klev::Game game(config, {s.random, s.dialogs, s.wave, s.pictures, s.clock}, klev::GameWindows());
    game.messages.SoundFile = "crsp.wav";
    klev::PlaySound(game);
    game.messages.SoundFile = "crsp.wav";
    klev::PlaySound(game);
    const std::string file = (f.game() / "sound" / "crsp.wav").string();
    EXPECT_EQ(s.wave.calls, (std::vector<std::string>{"Close", "Open " + file, "Play", "Close", "Open " + file, "Play"}));
}

TEST(Sound, AnAmbientTickReseedsThenDrawsOnce) {
    testing_support::TestFolder f;
    Services s;
    klev::GameConfig config;
    config.gameFolder = f.game();
    klev::Game game(config, {s.random, s.dialogs, s.wave, s.pictures, s.clock}, klev::GameWindows());
    s.random.values = {0.9999, 0.5};
    klev::AmbientSoundTick(game);
    EXPECT_EQ(game.messages.SoundFile, "fon13.wav");
    EXPECT_EQ(s.random.calls, (std::vector<std::string>{"Randomize", "Rnd"}));
    EXPECT_EQ(s.wave.calls.back(), "Play");
    EXPECT_EQ(s.wave.calls[1], "Open " + (f.game() / "sound" / "fon13.wav").string());
}

}  // namespace
