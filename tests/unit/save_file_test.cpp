// The player's save "\Saves\<name>\vrb.cfg": its line format, reading,
// writing, the round trip and the cases the game treats safely.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "model/fatal_error.h"
#include "data/save_file.h"
#include "data/text_codec.h"
#include "data/text_file.h"
#include "test_game.h"

namespace {

using testing_support::TestFolder;
using testing_support::TestGame;

// A save with something in every list, as the game writes it.
const std::vector<std::string> kRichSave = {
    "1234", "2", "1", "1", "1", "1", "bles",
    "2",                                                                               // kept fish
    "4", "350", "окунь 350 г", "4", "1000", "окунь", "1000", "50", "perch",            //
    "4", "1250", "щука 1,25 кг", "5", "1000", "щука", "5000", "500", "pike",           //
    "2",                                                                               // rods
    "Удочка", "0", "3000", "", "Спиннинг", "0", "8000", "",                            //
    "1",                                                                               // baits
    "червь", "0", "17", "",                                                            //
    "1",                                                                               // lines
    "88", "2,5 кг", "0", "2500", "", "",                                               //
    "1",                                                                               // lures
    "Вертушка", "10", "Средняя", "блесна С",                                           //
    "1",                                                                               // groundbait
    "Насадка", "5", "3", "",                                                           //
    "10", "-3", "0", "25"};                                                            // attitudes

std::string Bytes(const std::vector<std::string>& lines) {
    std::string out;
    for (const std::string& l : lines) out += data::Utf8ToCp1251(l) + "\r\n";
    return out;
}

std::string LoadError(const std::vector<std::string>& lines, klev::SaveData& vars) {
    TestFolder f;
    f.write("vrb.cfg", lines);
    try {
        data::ReadSaveFile(f.game() / "vrb.cfg", "\\Saves\\Вася\\vrb.cfg", vars, ',');
    } catch (const data::FatalError& e) {
        return e.what();
    }
    return "";
}

klev::SaveData Load(const std::vector<std::string>& lines) {
    klev::SaveData v;
    const std::string error = LoadError(lines, v);
    EXPECT_EQ(error, "");
    return v;
}

TEST(SaveFile, EveryLineGoesToItsVariable) {
    const klev::SaveData v = Load(kRichSave);
    EXPECT_EQ(v.PlayerMoney, 1234);
    EXPECT_EQ(v.RodSlot, 2);
    EXPECT_EQ(v.LureSlot, 1);
    EXPECT_EQ(v.RigMode, klev::Rig::Lure);
    ASSERT_EQ(v.CaughtFish.size(), 2u);
    const klev::FishRecord& pike = v.CaughtFish[1];
    EXPECT_EQ(pike.PricePerUnit, 4);
    EXPECT_EQ(pike.Weight, 1250);
    EXPECT_EQ(pike.Name, "щука 1,25 кг");
    EXPECT_EQ(pike.PictureIndex, 5);
    EXPECT_EQ(pike.PriceWeightUnit, 1000);
    EXPECT_EQ(pike.SpeciesName, "щука");
    EXPECT_EQ(pike.MaxWeight, 5000);
    EXPECT_EQ(pike.MinWeight, 500);
    EXPECT_EQ(pike.PictureKey, "pike");
    ASSERT_EQ(v.OwnedRods.size(), 2u);
    EXPECT_EQ(v.OwnedRods[1].Name, "Спиннинг");
    EXPECT_EQ(v.OwnedRods[1].Strength, 8000);
    ASSERT_EQ(v.OwnedBaits.size(), 1u);
    EXPECT_EQ(v.OwnedBaits[0].Amount, 17);
    ASSERT_EQ(v.OwnedLines.size(), 1u);
    EXPECT_EQ(v.OwnedLines[0].LineLength, 88);
    EXPECT_EQ(v.OwnedLines[0].Name, "2,5 кг");
    EXPECT_EQ(v.OwnedLines[0].Strength, 2500);
    ASSERT_EQ(v.OwnedLures.size(), 1u);
    EXPECT_EQ(v.OwnedLures[0].Power, 10);
    EXPECT_EQ(v.OwnedLures[0].SizeName, "Средняя");
    EXPECT_EQ(v.OwnedLures[0].BaitKey, "блесна С");
    ASSERT_EQ(v.OwnedGroundbaits.size(), 1u);
    EXPECT_EQ(v.OwnedGroundbaits[0].Power, 5);
    EXPECT_EQ(v.OwnedGroundbaits[0].Amount, 3);
    EXPECT_EQ(v.Regulars[0].Attitude, 10);
    EXPECT_EQ(v.Regulars[1].Attitude, -3);
    EXPECT_EQ(v.Regulars[3].Attitude, 25);
}

TEST(SaveFile, ReadAndWrittenAgainIsTheSameByteForByte) {
    EXPECT_EQ(data::SaveFileBytes(Load(kRichSave)), Bytes(kRichSave));
}

TEST(SaveFile, AnEmptyKeepNetAndNoTackleIsSeventeenLines) {
    klev::SaveData v;
    v.PlayerMoney = 50;
    v.RigMode = klev::Rig::Float;
    v.Regulars[2].Attitude = 7;
    EXPECT_EQ(data::SaveFileBytes(v), Bytes({"50", "0", "0", "0", "0", "0", "popl", "0", "0", "0", "0", "0", "0", "0",
                                             "0", "7", "0"}));
}

TEST(SaveFile, TheSlotsAreWrittenRodLureBaitLineGroundbait) {
    klev::SaveData v;
    v.RodSlot = 1;
    v.LureSlot = 2;
    v.BaitSlot = 3;
    v.LineSlot = 4;
    v.GroundbaitSlot = 5;
    const std::vector<std::string> lines = data::SplitLines(data::SaveFileBytes(v));
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 1, lines.begin() + 6),
              (std::vector<std::string>{"1", "2", "3", "4", "5"}));
}

TEST(SaveFile, AnEmptyFileIsANewPlayer) {
    TestFolder f;
    f.writeBytes("vrb.cfg", "");
    klev::SaveData v;
    v.RigMode = klev::Rig::Float;
    data::ReadSaveFile(f.game() / "vrb.cfg", "x", v, ',');
    EXPECT_EQ(v.PlayerMoney, 50);
    EXPECT_EQ(v.RigMode, klev::Rig::Float);
    EXPECT_TRUE(v.OwnedRods.empty());
}

TEST(SaveFile, ATruncatedOrMalformedFileStopsTheGameAndChangesNothing) {
    std::vector<std::string> truncated(kRichSave.begin(), kRichSave.end() - 2);
    klev::SaveData v;
    v.PlayerMoney = 7;
    EXPECT_EQ(LoadError(truncated, v), "\\Saves\\Вася\\vrb.cfg, line 60: input past end of file");
    EXPECT_EQ(v.PlayerMoney, 7);
    EXPECT_TRUE(v.CaughtFish.empty());

    std::vector<std::string> badRod = kRichSave;
    badRod[28] = "восемь";  // the power of the first rod
    EXPECT_EQ(LoadError(badRod, v), "\\Saves\\Вася\\vrb.cfg, line 29: type mismatch: not a number: \"восемь\"");
    EXPECT_EQ(v.PlayerMoney, 7);
}

TEST(SaveFile, AKeptFishWithoutPriceUnitIsMalformed) {
    for (const char* unit : {"0", "-1000"}) {
        std::vector<std::string> lines = kRichSave;
        lines[12] = unit;  // the first fish's grams per price unit
        klev::SaveData v;
        EXPECT_EQ(LoadError(lines, v), "\\Saves\\Вася\\vrb.cfg, line 13: the grams per price unit of a kept fish "
                                       "must be positive: \"" + std::string(unit) + "\"");
    }
}

TEST(SaveFile, ANegativeCountIsMalformed) {
    std::vector<std::string> lines = {"50", "0", "0", "0", "0", "0", "popl", "0", "-1", "0", "0", "0", "0",
                                      "0", "0", "0", "0"};
    klev::SaveData v;
    EXPECT_EQ(LoadError(lines, v), "\\Saves\\Вася\\vrb.cfg, line 9: a count cannot be negative: \"-1\"");
}

TEST(SaveFile, AHugeCountFailsAtTheEndOfTheFile) {
    std::vector<std::string> lines = {"50", "0", "0", "0", "0", "0", "popl", "2000000000", "1"};
    klev::SaveData v;
    EXPECT_EQ(LoadError(lines, v), "\\Saves\\Вася\\vrb.cfg, line 10: input past end of file");
}

TEST(SaveFile, ASlotOutsideItsListLoadsAsNothingInUse) {
    std::vector<std::string> lines = kRichSave;
    lines[1] = "3";   // two rods
    lines[2] = "-1";  // lure
    lines[3] = "1";   // bait: one owned
    lines[4] = "2";   // line: one owned
    lines[5] = "0";
    const klev::SaveData v = Load(lines);
    EXPECT_EQ(v.RodSlot, 0);
    EXPECT_EQ(v.LureSlot, 0);
    EXPECT_EQ(v.BaitSlot, 1);
    EXPECT_EQ(v.LineSlot, 0);
    EXPECT_EQ(v.GroundbaitSlot, 0);
}

TEST(SaveFile, ACountOfZeroLeavesTheListAsItWas) {
    klev::SaveData v;
    v.OwnedRods.emplace_back().Name = "старая";
    TestFolder f;
    f.write("vrb.cfg", {"50", "0", "0", "0", "0", "0", "popl", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0"});
    data::ReadSaveFile(f.game() / "vrb.cfg", "x", v, ',');
    ASSERT_EQ(v.OwnedRods.size(), 1u);
    EXPECT_EQ(v.OwnedRods[0].Name, "старая");
}

TEST(SaveGame, AReturningPlayerGetsTheSaveButStartsWithTheFloatRig) {
    TestGame t;
    t.folder.write("Saves/Вася/vrb.cfg", kRichSave);
    t.startAs("Вася");
    EXPECT_EQ(t.print("PlayerMoney"), "1234");
    EXPECT_EQ(t.print("RigMode"), "popl");
    EXPECT_EQ(t.print("CaughtCount"), "2");
    EXPECT_EQ(t.print("OwnedRodCount"), "2");
    EXPECT_EQ(t.print("OwnedLines(1).LineLength"), "88");
    // The attitudes survive the defaults; the regulars' other fields are set.
    EXPECT_EQ(t.print("Regulars(2).Attitude"), "-3");
    EXPECT_EQ(t.print("Regulars(2).Name"), "Липот");
    EXPECT_EQ(t.print("Regulars(2).Tolerance"), "70");
}

TEST(SaveGame, TheExitWritesTheSameSaveBackApartFromTheRigMode) {
    TestGame t;
    t.folder.write("Saves/Вася/vrb.cfg", kRichSave);
    t.startAs("Вася");
    EXPECT_EQ(t.run("click Form1.Label5\n"), "ended\n");
    std::vector<std::string> expected = kRichSave;
    expected[6] = "popl";
    EXPECT_EQ(t.folder.read("Saves/Вася/vrb.cfg"), Bytes(expected));
    EXPECT_FALSE(t.folder.exists("Saves/Вася/vrb.cfg.tmp"));
}

TEST(SaveGame, AnEmptySaveIsANewPlayerWithFiftyDollars) {
    TestGame t;
    t.folder.writeBytes("Saves/Вася/vrb.cfg", "");
    EXPECT_EQ(t.startAs("Вася"), "");
    EXPECT_EQ(t.print("PlayerMoney"), "50");
    EXPECT_EQ(t.print("Form1.Visible"), "true");
}

TEST(SaveGame, ATruncatedSaveStopsTheStartAndWritesNothing) {
    TestGame t;
    t.folder.write("Saves/Вася/vrb.cfg", {"50", "0", "0"});
    const std::string before = t.folder.read("Data/rec.cfg");
    EXPECT_EQ(t.startAs("Вася"), "fatal: \\Saves\\Вася\\vrb.cfg, line 4: input past end of file\n");
    EXPECT_EQ(t.lastStatus(), driver::Fatal);
    EXPECT_EQ(t.folder.read("Saves/Вася/vrb.cfg"), "50\r\n0\r\n0\r\n");
    EXPECT_EQ(t.folder.read("Data/rec.cfg"), before);
}

TEST(SaveGame, AFolderWithoutItsSaveFileStopsTheStart) {
    TestGame t;
    std::filesystem::create_directories(t.folder.game() / "Saves" / "Вася");
    EXPECT_EQ(t.startAs("Вася"), "fatal: File not found: \\Saves\\Вася\\vrb.cfg\n");
}

TEST(SaveGame, AMissingRecordsBookFailsTheSaveAfterTheSaveFile) {
    TestGame t;
    t.startAs("Вася");
    t.game().save.PlayerMoney = 999;
    t.folder.remove("Data/rec.cfg");
    EXPECT_EQ(t.run("click Form1.Label5\n"), "ended\n");
    EXPECT_EQ(t.driver().dialogs().takeMessages(), std::vector<std::string>{"Ошибка при сохранении игры"});
    EXPECT_EQ(t.folder.readLines("Saves/Вася/vrb.cfg")[0], "999");
    EXPECT_FALSE(t.folder.exists("Data/rec.cfg"));
    EXPECT_FALSE(t.folder.exists("Data/rec.cfg.tmp"));
}

TEST(SaveGame, AMissingSaveFileFailsTheSaveAndLeavesTheBook) {
    TestGame t;
    t.startAs("Вася");
    t.game().book.RecordBook.clear();
    t.folder.remove("Saves/Вася/vrb.cfg");
    const std::string book = t.folder.read("Data/rec.cfg");
    EXPECT_EQ(t.run("click Form1.Label5\n"), "ended\n");
    EXPECT_EQ(t.driver().dialogs().takeMessages(), std::vector<std::string>{"Ошибка при сохранении игры"});
    EXPECT_FALSE(t.folder.exists("Saves/Вася/vrb.cfg"));
    EXPECT_EQ(t.folder.read("Data/rec.cfg"), book);
}

TEST(SaveGame, ARemovedPlayerFolderFailsTheSave) {
    TestGame t;
    t.startAs("Вася");
    t.folder.remove("Saves/Вася");
    EXPECT_EQ(t.run("click Form1.Label5\n"), "ended\n");
    EXPECT_EQ(t.driver().dialogs().takeMessages(), std::vector<std::string>{"Ошибка при сохранении игры"});
    EXPECT_FALSE(t.folder.exists("Saves/Вася"));
}

TEST(SaveGame, APlantedLinkInPlaceOfTheTemporaryFileIsNeverFollowed) {
    TestGame t;
    t.startAs("Вася");
    t.folder.writeBytes("victim.txt", "keep me");
    for (const char* name : {"vrb.cfg.tmp", "vrb.cfg.tmpAAAAAA", "vrb.cfg.tmp.old"})
        std::filesystem::create_symlink(t.folder.game() / "victim.txt",
                                        t.folder.game() / "Saves" / "Вася" / name);
    t.folder.writeBytes("Saves/Вася/vrb.cfg.tmpZZZZZZ", "left by a killed save");
    t.game().save.PlayerMoney = 77;
    EXPECT_EQ(t.run("click Form1.Label5\n"), "ended\n");
    EXPECT_TRUE(t.driver().dialogs().takeMessages().empty());
    EXPECT_EQ(t.folder.read("victim.txt"), "keep me");
    EXPECT_FALSE(std::filesystem::is_symlink(t.folder.game() / "Saves" / "Вася" / "vrb.cfg"));
    EXPECT_EQ(t.folder.readLines("Saves/Вася/vrb.cfg")[0], "77");
    // Only the save and its backup remain beside each other.
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(t.folder.game() / "Saves" / "Вася"))
        names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, std::vector<std::string>{"vrb.cfg"});  // the first save had an empty file: no backup
}

TEST(SaveGame, ThePreviousSaveAndBookAreKeptAsBackups) {
    TestGame t;
    t.folder.write("Saves/Вася/vrb.cfg", kRichSave);
    const std::string book = t.folder.read("Data/rec.cfg");
    t.startAs("Вася");
    t.game().save.PlayerMoney = 4321;
    t.game().book.RecordBook[0].Weight = 4000;
    EXPECT_EQ(t.run("click Form1.Label5\n"), "ended\n");
    EXPECT_EQ(t.folder.read("Saves/Вася/vrb.bak"), Bytes(kRichSave));
    EXPECT_EQ(t.folder.readLines("Saves/Вася/vrb.cfg")[0], "4321");
    EXPECT_EQ(t.folder.read("Data/rec.bak"), book);
    EXPECT_EQ(t.folder.readLines("Data/rec.cfg")[2], "4000");
}

TEST(SaveGame, ADamagedSaveWithASoundBackupLoadsTheBackupAndSaysSo) {
    const struct {
        const char* what;
        std::string save;
    } cases[] = {
        {"empty after a power cut", ""},
        {"truncated", "50\r\n0\r\n"},
        {"garbled", "\xFF\xFF\xFF\r\n"},
    };
    for (const auto& c : cases) {
        TestGame t;
        t.folder.writeBytes("Saves/Вася/vrb.cfg", c.save);
        t.folder.write("Saves/Вася/vrb.bak", kRichSave);
        EXPECT_EQ(t.startAs("Вася"), "") << c.what;
        EXPECT_EQ(t.print("PlayerMoney"), "1234") << c.what;
        EXPECT_EQ(t.print("CaughtCount"), "2") << c.what;
        EXPECT_EQ(t.driver().dialogs().takeMessages(),
                  std::vector<std::string>{"Файл сохранения повреждён. Загружена предыдущая сохранённая игра."})
            << c.what;
    }
}

TEST(SaveGame, WhenSaveAndBackupAreBothDamagedTheSavesFaultIsReported) {
    TestGame t;
    t.folder.write("Saves/Вася/vrb.cfg", {"50", "0", "0"});
    t.folder.write("Saves/Вася/vrb.bak", {"x"});
    EXPECT_EQ(t.startAs("Вася"), "fatal: \\Saves\\Вася\\vrb.cfg, line 4: input past end of file\n");
}

}  // namespace
