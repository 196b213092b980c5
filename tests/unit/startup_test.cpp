// The start-up: the splash and its two seconds, the name prompt, the loaders
// in their order, the defaults, and the main screen shown at the end.

#include <gtest/gtest.h>

#include <functional>
#include <sstream>

#include "mainscreen/form1.h"
#include "mainscreen/load_game.h"
#include "test_game.h"

namespace {

using testing_support::TestFolder;
using testing_support::RunAgain;
using testing_support::TestGame;
namespace fs = std::filesystem;

TEST(StartUp, TheSplashWaitsTwoSecondsBeforeTheNamePrompt) {
    TestGame t;
    EXPECT_EQ(t.run("answer Вася\nstart\n"), "");
    EXPECT_EQ(t.print("About.Visible"), "true");
    EXPECT_EQ(t.print("About.Label2.Caption"), "LOADING...");
    EXPECT_EQ(t.print("About.Timer1.Enabled"), "true");
    EXPECT_EQ(t.print("About.Timer1.Interval"), "2000");
    t.run("advance 1999\n");
    EXPECT_EQ(t.driver().dialogs().answersLeft(), 1u);
    EXPECT_EQ(t.print("About.Visible"), "true");
    t.run("advance 1\n");
    EXPECT_EQ(t.driver().dialogs().answersLeft(), 0u);
    EXPECT_EQ(t.print("About.Visible"), "false");
    EXPECT_EQ(t.print("About.Timer1.Enabled"), "false");
    EXPECT_EQ(t.print("Form1.Visible"), "true");
    // The splash is never shown again and its timer stays off.
    t.run("advance 10000\n");
    EXPECT_EQ(t.print("About.Visible"), "false");
    ASSERT_EQ(t.driver().dialogs().inputBoxes().size(), 1u);
    const auto& box = t.driver().dialogs().inputBoxes()[0];
    EXPECT_EQ(box.text, "Введите свое имя");
    EXPECT_EQ(box.title, "Клевница 2");
    EXPECT_EQ(box.defaultText, "");
}

TEST(StartUp, ABlankOrCancelledAnswerAsksAgain) {
    TestGame t;
    EXPECT_EQ(t.run("answer\nanswer    \ncancel\nanswer Вася\nstart\nadvance 2000\n"), "");
    EXPECT_EQ(t.driver().dialogs().inputBoxes().size(), 4u);
    EXPECT_EQ(t.print("PlayerName"), "Вася");
    EXPECT_EQ(t.print("Form1.Visible"), "true");
    EXPECT_EQ(t.run("messages\n"), ".\n");
}

TEST(StartUp, WithoutAnAnswerTheScriptIsAtFault) {
    TestGame t;
    EXPECT_EQ(t.run("answer  \nstart\nadvance 2000\n"),
              "error: line 3: an input box was asked with no answer queued\n");
    EXPECT_EQ(t.lastStatus(), driver::ScriptFault);
}

TEST(StartUp, NamesThatCannotNameAFolderAreRefusedAndAskedAgain) {
    TestGame t;
    EXPECT_EQ(t.run("answer a/b\nanswer ..\nanswer x\\y\nanswer " + std::string(256, 'x') +
                    "\nanswer Вася\nstart\nadvance 2000\n"),
              "");
    EXPECT_EQ(t.print("PlayerName"), "Вася");
    const std::string refusal = "Такое имя нельзя использовать для сохранения игры. Введите другое имя.";
    EXPECT_EQ(t.run("messages\n"), refusal + "\n" + refusal + "\n" + refusal + "\n" + refusal + "\n.\n");
    EXPECT_EQ(t.driver().dialogs().inputBoxes().size(), 5u);
    EXPECT_EQ(t.driver().dialogs().messageBoxes()[0].icon, forms::MessageIcon::Error);
    EXPECT_FALSE(fs::exists(t.folder.game() / "Saves" / "a"));
}

TEST(StartUp, SafeFolderNames) {
    EXPECT_TRUE(klev::IsSafeFolderName("Вася"));
    EXPECT_TRUE(klev::IsSafeFolderName(" Вася"));
    EXPECT_TRUE(klev::IsSafeFolderName("Вася Пупкин-2"));
    EXPECT_TRUE(klev::IsSafeFolderName(std::string(255, 'x')));
    for (const char* bad : {"", ".", "..", "...", "a/b", "a\\b", "a:b", "a*", "a?", "\"q\"", "<a>", "a|b",
                            "tab\there", "CON", "con.txt", "Lpt1", "nul"})
        EXPECT_FALSE(klev::IsSafeFolderName(bad)) << bad;
}

TEST(StartUp, NamesThatLookAlikeOrCannotStandInTheRecordsBookAreRefused) {
    const struct {
        const char* name;
        bool safe;
    } cases[] = {
        {"Ёжик Ґрицько №1", true},          // Windows-1251 has them all
        {"Вася «Лещ»", true},               //
        {".Вася", true},                    // a leading dot or blank is part of the name
        {"Jürgen", false},                  // no ü in Windows-1251: "J?rgen" in the book
        {"Рыбак 日本", false},              //
        {"Вася.", false},                   // Windows drops trailing dots and blanks
        {"Вася ", false},                   //
        {"Вася\xC2\xA0", false},            // no-break space
        {"Ва\xC2\x98ся", false},            // C1 control U+0098 (a Windows-1251 byte all the same)
        {"Ва\xC2\x85ся", false},            // C1 NEL
        {"\xE2\x80\xAEясаВ", false},        // right-to-left override
        {"Ва\xE2\x81\xA6ся", false},        // left-to-right isolate
        {"Ва\xE2\x80\x8Bся", false},        // zero-width space
        {"Ва\xE2\x80\x8Dся", false},        // zero-width joiner
        {"Ва\xE2\x81\xA0ся", false},        // word joiner
        {"\xEF\xBB\xBFВася", false},        // byte-order mark
        {"Ва\xC2\xADся", false},            // soft hyphen, invisible though Windows-1251 has it
        {"Ва\xD1ся", false},                // malformed UTF-8
        {"Ва\xA0ся", false},                // a stray byte that reads as a no-break space
        {"a\x7F", false},                   // DEL
    };
    for (const auto& c : cases) EXPECT_EQ(klev::IsSafeFolderName(c.name), c.safe) << c.name;
}

TEST(StartUp, ANameOfAFileInTheSavesFolderIsRefusedInAnyLetterCase) {
    TestGame t;
    t.folder.writeBytes("Saves/.keep", "");
    t.folder.writeBytes("Saves/notes.txt", "x");
    EXPECT_EQ(t.run("answer .keep\nanswer .KEEP\nanswer NOTES.TXT\nanswer Вася\nstart\nadvance 2000\n"), "");
    EXPECT_EQ(t.print("PlayerName"), "Вася");
    const std::string refusal = "Такое имя нельзя использовать для сохранения игры. Введите другое имя.";
    EXPECT_EQ(t.driver().dialogs().takeMessages(), std::vector<std::string>(3, refusal));
    EXPECT_EQ(t.folder.read("Saves/notes.txt"), "x");
    EXPECT_TRUE(t.folder.exists("Saves/Вася/vrb.cfg"));
}

TEST(StartUp, ALeadingBlankMakesADifferentPlayer) {
    TestGame t;
    t.folder.write("Saves/Вася/vrb.cfg", {"777", "0", "0", "0", "0", "0", "popl", "0", "0", "0", "0", "0", "0", "0",
                                          "0", "0", "0"});
    t.startAs(" Вася");
    EXPECT_EQ(t.print("PlayerName"), " Вася");
    EXPECT_EQ(t.print("PlayerMoney"), "50");
    EXPECT_TRUE(t.folder.exists("Saves/ Вася/vrb.cfg"));
}

TEST(StartUp, ANewPlayerHasFiftyDollarsTheFloatRigAndNothingElse) {
    TestGame t;
    t.startAs("Вася");
    EXPECT_EQ(t.print("PlayerMoney"), "50");
    EXPECT_EQ(t.print("RigMode"), "popl");
    for (const char* name : {"RodSlot", "LineSlot", "BaitSlot", "LureSlot", "GroundbaitSlot", "CaughtCount",
                             "OwnedRodCount", "OwnedLineCount", "OwnedBaitCount", "OwnedLureCount",
                             "OwnedGroundbaitCount", "Drunkenness", "Satiety", "Regulars(1).Attitude"})
        EXPECT_EQ(t.print(name), "0") << name;
    EXPECT_EQ(t.folder.read("Saves/Вася/vrb.cfg"), "");
}

TEST(StartUp, TheNewPlayersSaveIsCreatedBeforeAnyOtherFileIsRead) {
    TestGame t;
    t.folder.remove("conf.cfg");
    EXPECT_EQ(t.startAs("Вася"), "fatal: File not found: \\conf.cfg\n");
    EXPECT_TRUE(t.folder.exists("Saves/Вася/vrb.cfg"));
}

TEST(StartUp, AMissingSavesFolderStopsTheStart) {
    TestGame t;
    t.folder.remove("Saves");
    EXPECT_EQ(t.startAs("Вася"), "fatal: Path not found: \\Saves\\\n");
    EXPECT_FALSE(t.folder.exists("Saves"));
}

TEST(StartUp, ThePlayersFolderIsFoundInAnyLetterCase) {
    TestGame t;
    t.folder.write("Saves/Вася/vrb.cfg", {"321", "0", "0", "0", "0", "0", "popl", "0", "0", "0", "0", "0", "0", "0",
                                          "0", "0", "0"});
    t.startAs("ВАСЯ");
    EXPECT_EQ(t.print("PlayerMoney"), "321");
    EXPECT_EQ(t.print("PlayerName"), "ВАСЯ");
    EXPECT_FALSE(t.folder.exists("Saves/ВАСЯ"));
}

TEST(StartUp, TheDefaultsComeAfterTheSave) {
    TestGame t;
    t.startAs("Вася");
    EXPECT_EQ(t.print("SceneForm.Caption"), "Клевница 2   version " + std::to_string(KLEV_VERSION_MAJOR) + "." +
                                                std::to_string(KLEV_VERSION_MINOR) + "." +
                                                std::to_string(KLEV_VERSION_REVISION));
    EXPECT_EQ(t.print("SceneForm.Visible"), "false");
    EXPECT_EQ(t.print("TackleX"), "5400");
    const char* names[] = {"Бумбер", "Липот", "Дросс", "Хумпи"};
    const char* tolerance[] = {"100", "70", "50", "30"};
    const char* skill[] = {"15", "20", "30", "50"};
    for (int i = 0; i < 4; ++i) {
        const std::string r = "Regulars(" + std::to_string(i + 1) + ").";
        EXPECT_EQ(t.print(r + "Name"), names[i]);
        EXPECT_EQ(t.print(r + "Tolerance"), tolerance[i]);
        EXPECT_EQ(t.print(r + "Skill"), skill[i]);
        EXPECT_EQ(t.print(r + "Drunkenness"), "1");
    }
}

TEST(StartUp, TheLoadersRunInTheirFixedOrder) {
    // Every loader is given a fault; mending them one by one shows which runs first.
    TestGame t;
    t.folder.write("Saves/Вася/vrb.cfg", {"много"});
    t.folder.write("conf.cfg", {"lake"});
    t.folder.writeBytes("images/zz.jpg", "no picture");
    t.folder.write("Data/Fish/9.txt", {"x"});
    t.folder.write("Data/Dev/Sp.cfg", {"x"});
    t.folder.write("Data/Maps/Info.inf", {"x"});
    t.folder.write("Data/rec.cfg", {"x"});
    const std::vector<std::pair<std::string, std::function<void()>>> faults = {
        {"\\Saves\\Вася\\vrb.cfg, line 1", [&] { t.folder.writeBytes("Saves/Вася/vrb.cfg", ""); }},
        {"\\conf.cfg, line 2", [&] { t.folder.write("conf.cfg", {"lake", "false"}); }},
        {"\\images\\zz.jpg", [&] { t.folder.remove("images/zz.jpg"); }},
        {"\\Data\\Fish\\9.txt", [&] { t.folder.remove("Data/Fish/9.txt"); }},
        {"\\Data\\Dev\\Sp.cfg", [&] { t.folder.write("Data/Dev/Sp.cfg", {"0"}); }},
        {"\\Data\\Maps\\Info.inf", [&] { t.folder.write("Data/Maps/Info.inf", {"1", "lake"}); }},
        {"\\Data\\rec.cfg", [&] { t.folder.write("Data/rec.cfg", {"0"}); }},
    };
    for (const auto& [where, mend] : faults) {
        const std::string out = RunAgain(t.folder, "answer Вася\nstart\nadvance 2000\n");
        EXPECT_EQ(out.rfind("fatal: ", 0), 0u) << out;
        EXPECT_NE(out.find(where), std::string::npos) << "expected " << where << ", got " << out;
        mend();
    }
    EXPECT_EQ(RunAgain(t.folder, "answer Вася\nstart\nadvance 2000\nprint Form1.Visible\n"), "true\n");
}

TEST(StartUp, TheMainScreenAndItsEventTimerRunAfterLoading) {
    TestGame t;
    t.run("rnd 0.5\n");
    t.startAs("Вася");
    EXPECT_EQ(t.run("rndleft\n"), "1\n");  // loading draws nothing
    EXPECT_EQ(t.print("Form1.Visible"), "true");
    EXPECT_EQ(t.print("Form1.Caption"), "Клевница 2 ");
    EXPECT_EQ(t.print("Form1.Sobitia.Enabled"), "true");
    EXPECT_EQ(t.print("Form1.Sobitia.Interval"), "1000");
    EXPECT_EQ(t.game().window<klev::Form1>().Sobitia.due(), 3000);
    EXPECT_EQ(t.print("ShopFr.Visible"), "false");
}

TEST(StartUp, TwoStartsWithTheSameNameShareTheSave) {
    TestGame first;
    first.startAs("Петя");
    first.game().save.PlayerMoney = 73;
    first.game().save.Regulars[3].Attitude = 12;
    EXPECT_EQ(first.run("click Form1.Label5\n"), "ended\n");
    const auto lines = first.folder.readLines("Saves/Петя/vrb.cfg");
    ASSERT_EQ(lines.size(), 17u);
    EXPECT_EQ(lines[0], "73");
    EXPECT_EQ(lines[6], "popl");
    EXPECT_EQ(lines[16], "12");
    EXPECT_EQ(RunAgain(first.folder, "answer Петя\nstart\nadvance 2000\nprint PlayerMoney\nprint Regulars(4).Attitude\n"),
              "73\n12\n");
}

}  // namespace
