// The headless driver's protocol: commands, printed values, errors and exit
// statuses.

#include <gtest/gtest.h>

#include "driver/driver.h"
#include "mainscreen/form1.h"
#include "test_game.h"

namespace {

using testing_support::TestGame;

TEST(Driver, BlankLinesAndCommentsAreSkippedButCounted) {
    TestGame t;
    EXPECT_EQ(t.run("\n# a comment\n   \n  # another\nfrobnicate\n"), "error: line 5: unknown command: frobnicate\n");
    EXPECT_EQ(t.lastStatus(), driver::ScriptFault);
}

TEST(Driver, AScriptFaultStopsTheScript) {
    TestGame t;
    EXPECT_EQ(t.run("print Nowhere\nprint PlayerMoney\n"), "error: line 1: unknown variable: Nowhere\n");
}

TEST(Driver, FaultsOfTheScriptNameTheLine) {
    const std::pair<const char*, const char*> cases[] = {
        {"print Form9.Visible", "unknown variable: Form9.Visible"},
        {"click Nowhere.Label1", "unknown form: Nowhere"},
        {"click Form1.Label99", "unknown control: Form1.Label99"},
        {"click Form1.PScene(7)", "unknown control: Form1.PScene(7)"},
        {"click Form1.PScene(x)", "unknown control: Form1.PScene(x)"},
        {"print Form1.Label1.Colour", "unknown property: Form1.Label1.Colour"},
        {"print Form1.Sobitia.Visible", "unknown property: Form1.Sobitia.Visible"},
        {"print Form1.Shape", "unknown property: Form1.Shape"},
        {"advance soon", "bad number: soon"},
        {"advance 1.5", "bad number: 1.5"},
        {"advance -5", "negative time: -5"},
        {"rnd 0.5 1", "rnd value out of [0,1): 1"},
        {"rnd -0.1", "rnd value out of [0,1): -0.1"},
        {"rnd 0,5", "bad number: 0,5"},
        {"keypress Form1 x", "bad number: x"},
        {"advance", "wrong number of words for advance"},
        {"click Form1.Label4 now", "wrong number of words for click"},
        {"select ShopFr.List_Sp 5", "no entry 5 in ShopFr.List_Sp"},
    };
    for (const auto& [line, why] : cases) {
        TestGame t;
        EXPECT_EQ(t.run(std::string(line) + "\n"), std::string("error: line 1: ") + why + "\n") << line;
        EXPECT_EQ(t.lastStatus(), driver::ScriptFault) << line;
    }
}

TEST(Driver, AnInputBoxWithoutAnAnswerIsAFaultOfTheScript) {
    TestGame t;
    EXPECT_EQ(t.run("start\nadvance 5000\n"), "error: line 2: an input box was asked with no answer queued\n");
    EXPECT_EQ(t.lastStatus(), driver::ScriptFault);
}

TEST(Driver, AFatalErrorOfTheGameEndsTheRunWithItsMessage) {
    TestGame t;
    t.folder.remove("Data/rec.cfg");
    EXPECT_EQ(t.run("answer Вася\nstart\nadvance 2000\nprint PlayerMoney\n"), "fatal: File not found: \\Data\\rec.cfg\n");
    EXPECT_EQ(t.lastStatus(), driver::Fatal);
}

TEST(Driver, AfterTheGameEndsNothingElseRuns) {
    TestGame t;
    t.startAs("Вася");
    EXPECT_EQ(t.run("click Form1.Label5\nprint PlayerMoney\nfrobnicate\n"), "ended\n");
    EXPECT_EQ(t.lastStatus(), driver::Finished);
    EXPECT_EQ(t.run("print PlayerMoney\n"), "");
}

TEST(Driver, AnswersAreTheRestOfTheLineAsItStands) {
    TestGame t;
    // The trailing blank reaches the game, which refuses such a name (Windows
    // drops it) and asks again; the leading ones stay part of the name.
    t.run("answer   Вася Пупкин \nanswer   Вася Пупкин\nstart\nadvance 2000\n");
    EXPECT_EQ(t.driver().dialogs().takeMessages().size(), 1u);
    EXPECT_EQ(t.print("PlayerName"), "  Вася Пупкин");
    EXPECT_TRUE(t.folder.exists("Saves/  Вася Пупкин/vrb.cfg"));
}

TEST(Driver, AByteOrderMarkAndCarriageReturnsAreNoPartOfTheScript) {
    TestGame t;
    EXPECT_EQ(t.run("\xEF\xBB\xBF" "answer Вася\r\nstart\r\nadvance 2000\r\nprint PlayerName\r\n"), "Вася\n");
    EXPECT_EQ(t.lastStatus(), driver::Finished);
}

TEST(Driver, ValuesArePrintedAsTheProtocolSays) {
    TestGame t;
    t.startAs("Вася");
    forms::Control& label = t.game().window<klev::Form1>().Label1;
    label.Left = 12.5f;
    label.Top = -300;
    label.ForeColor = 0x0000FF;
    label.BackColor = 0xFFFFFF;
    EXPECT_EQ(t.print("Form1.Label1.Left"), "12.5");
    EXPECT_EQ(t.print("Form1.Label1.Top"), "-300");
    EXPECT_EQ(t.print("Form1.Label1.ForeColor"), "255");
    EXPECT_EQ(t.print("Form1.Label1.BackColor"), "16777215");
    EXPECT_EQ(t.print("Form1.Label1.FontBold"), "true");  // the title is bold
    EXPECT_EQ(t.print("Form1.Label3.FontBold"), "false");
    EXPECT_EQ(t.print("Form1.Label1.Enabled"), "true");
    EXPECT_EQ(t.print("Form1.Label1.Caption"), "Озеро");
    EXPECT_EQ(t.print("Form1.Width"), "12600");
    EXPECT_EQ(t.print("Form1.Picture"), "");
    EXPECT_EQ(t.print("PlayerMoney"), "50");
    EXPECT_EQ(t.print("InDuel"), "false");
    EXPECT_EQ(t.print("RigMode"), "popl");
    EXPECT_EQ(t.print("InfoText"), "");
    EXPECT_EQ(t.print("OwnedRodCount"), "0");
}

TEST(Driver, ListsAreReadWithItemsAndChosenWithSelect) {
    TestGame t;
    t.startAs("Вася");
    EXPECT_EQ(t.run("items ShopFr.List_Leska\n"), "2,5 кг\n6 кг\n.\n");
    EXPECT_EQ(t.print("ShopFr.List_Leska.ListCount"), "2");
    EXPECT_EQ(t.print("ShopFr.List_Leska.ListIndex"), "-1");
    EXPECT_EQ(t.print("ShopFr.List_Leska.List(1)"), "6 кг");
    EXPECT_EQ(t.print("ShopFr.List_Leska.List(5)"), "");
    t.run("select ShopFr.List_Leska 1\n");
    EXPECT_EQ(t.print("ShopFr.List_Leska.ListIndex"), "1");
    EXPECT_EQ(t.print("ShopFr.List_Leska.Text"), "6 кг");
}

TEST(Driver, SettextChangesTheTextAndNothingElse) {
    TestGame t;
    t.startAs("Вася");
    EXPECT_EQ(t.run("settext Form1.Info  два  слова\n"), "");
    EXPECT_EQ(t.game().window<klev::Form1>().Info.Text, " два  слова");
    EXPECT_EQ(t.run("settext Form1.Info\n"), "");
    EXPECT_EQ(t.game().window<klev::Form1>().Info.Text, "");
}

TEST(Driver, MessagesAndSoundsAreTakenOnce) {
    TestGame t;
    t.run("answer a/b\nanswer Вася\nstart\nadvance 2000\n");
    EXPECT_EQ(t.run("messages\n"), "Такое имя нельзя использовать для сохранения игры. Введите другое имя.\n.\n");
    EXPECT_EQ(t.run("messages\n"), ".\n");
    t.game().messages.SoundFile = "crsp.wav";
    klev::Game& g = t.game();
    g.services.wave.Close();
    g.services.wave.Open(g.path("\\sound\\crsp.wav"));
    g.services.wave.Play();
    EXPECT_EQ(t.run("sounds\nsounds\n"), "crsp.wav\n.\n.\n");
}

TEST(Driver, ASoundIsTheValueOfSoundFileEvenInAnotherLetterCase) {
    TestGame t;
    t.folder.writeBytes("sound/FON2.WAV", "RIFF");
    t.folder.remove("sound/fon2.wav");
    t.startAs("Вася");
    t.run("click Form1.PScene(1)\nrnd 0.1\nadvance 15000\n");
    EXPECT_EQ(t.run("sounds\n"), "fon2.wav\n.\n");
}

TEST(Driver, RandomValuesAreQueuedThenSeeded) {
    TestGame t;
    EXPECT_EQ(t.run("rnd 0.25 0.5\nrndleft\n"), "2\n");
    EXPECT_DOUBLE_EQ(t.game().Rnd(), 0.25);
    EXPECT_EQ(t.run("rndleft\n"), "1\n");
    EXPECT_EQ(t.game().Draw(10), 6);
    EXPECT_EQ(t.run("rndleft\n"), "0\n");
    t.run("seed 42\n");
    const double a = t.game().Rnd();
    TestGame u;
    u.run("seed 42\n");
    EXPECT_DOUBLE_EQ(u.game().Rnd(), a);
}

TEST(Driver, AWindowNotYetCreatedIsCreatedOnFirstUse) {
    TestGame t;
    EXPECT_EQ(t.game().createdForms().size(), 0u);
    EXPECT_EQ(t.print("Kafe.Visible"), "false");
    ASSERT_EQ(t.game().createdForms().size(), 1u);
    EXPECT_EQ(t.game().createdForms()[0]->name(), "Kafe");
}

TEST(Driver, StartShowsTheSplashAndNoTimePasses) {
    TestGame t;
    EXPECT_EQ(t.run("start\n"), "");
    EXPECT_EQ(t.game().timers.now(), 0);
    EXPECT_EQ(t.print("About.Visible"), "true");
    EXPECT_EQ(t.game().timers.nextDue(), 2000);
}

TEST(Driver, KeysAndMovesReachTheWindowBackground) {
    TestGame t;
    t.startAs("Вася");
    t.run("move Form1.Label5\n");
    EXPECT_EQ(t.print("Form1.Label5.FontBold"), "true");
    EXPECT_EQ(t.run("move Form1\nkeypress Form1 32\nkeydown Form1 71\nkeyup Form1 71\n"), "");
    EXPECT_EQ(t.print("Form1.Label5.FontBold"), "false");
    EXPECT_EQ(t.lastStatus(), driver::Finished);
}

}  // namespace
