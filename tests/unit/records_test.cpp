// The shared records book "\Data\rec.cfg".

#include <gtest/gtest.h>

#include "model/fatal_error.h"
#include "data/records_file.h"
#include "data/text_codec.h"
#include "test_game.h"

namespace {

using testing_support::TestFolder;
using testing_support::TestGame;

std::string Bytes(const std::vector<std::string>& lines) {
    std::string out;
    for (const std::string& l : lines) out += data::Utf8ToCp1251(l) + "\r\n";
    return out;
}

std::vector<klev::FishRecord> Read(TestFolder& f, const std::vector<std::string>& lines) {
    f.write("Data/rec.cfg", lines);
    return data::ReadRecordBook(f.game() / "Data" / "rec.cfg", "\\Data\\rec.cfg", ',');
}

TEST(RecordsBook, EntriesAreKeyWeightAndHolder) {
    TestFolder f;
    const auto book = Read(f, {"2", "pike ", "5250", "Дед Мазай", "perch", "800", ""});
    ASSERT_EQ(book.size(), 2u);
    EXPECT_EQ(book[0].Name, "pike ");
    EXPECT_EQ(book[0].Weight, 5250);
    EXPECT_EQ(book[0].Holder, "Дед Мазай");
    EXPECT_EQ(book[1].Holder, "");
    EXPECT_EQ(book[1].PictureIndex, 0);
}

TEST(RecordsBook, WrittenAndReadBackGivesTheSameEntriesAndBytes) {
    TestFolder f;
    const std::vector<std::string> lines = {"3", "pike", "5250", "Вася", "perch", "800", "Иван", "som", "0", ""};
    const auto book = Read(f, lines);
    EXPECT_EQ(data::RecordBookBytes(book), Bytes(lines));
    EXPECT_EQ(data::RecordBookBytes({}), "0\r\n");
}

TEST(RecordsBook, AnEmptyBookIsNoError) {
    TestFolder f;
    EXPECT_TRUE(Read(f, {"0"}).empty());
}

TEST(RecordsBook, ShortFilesAndBadWeightsStopTheStart) {
    TestGame shortBook;
    shortBook.folder.write("Data/rec.cfg", {"2", "pike", "3000", "Дед", "perch", "800"});
    EXPECT_EQ(shortBook.startAs("Вася"), "fatal: \\Data\\rec.cfg, line 7: input past end of file\n");

    TestGame badWeight;
    badWeight.folder.write("Data/rec.cfg", {"1", "pike", "3 кг", "Дед"});
    EXPECT_EQ(badWeight.startAs("Вася"), "fatal: \\Data\\rec.cfg, line 3: type mismatch: not a number: \"3 кг\"\n");

    TestGame negative;
    negative.folder.write("Data/rec.cfg", {"-1"});
    EXPECT_EQ(negative.startAs("Вася"), "fatal: \\Data\\rec.cfg, line 1: negative number of records: \"-1\"\n");

    TestGame missing;
    missing.folder.remove("Data/rec.cfg");
    EXPECT_EQ(missing.startAs("Вася"), "fatal: File not found: \\Data\\rec.cfg\n");
}

TEST(RecordsBook, LoadedLastAtStartAndWrittenAtTheExit) {
    TestGame t;
    t.startAs("Вася");
    EXPECT_EQ(t.print("RecordCount"), "2");
    EXPECT_EQ(t.print("RecordBook(1).Name"), "pike");
    EXPECT_EQ(t.print("RecordBook(1).Weight"), "3000");
    EXPECT_EQ(t.print("RecordBook(2).Holder"), "Иван");
    t.game().book.RecordBook[1].Weight = 950;
    t.game().book.RecordBook[1].Holder = "Вася";
    EXPECT_EQ(t.run("click Form1.Label5\n"), "ended\n");
    EXPECT_EQ(t.folder.read("Data/rec.cfg"), Bytes({"2", "pike", "3000", "Дед", "perch", "950", "Вася"}));
}

}  // namespace
