// Paths as the game builds them, resolved without regard to letter case;
// folder listings; the one reader and writer of text files.

#include <gtest/gtest.h>

#include <fstream>

#include "model/fatal_error.h"
#include "data/game_folder.h"
#include "data/text_file.h"
#include "test_game.h"

namespace {

using testing_support::TestFolder;
namespace fs = std::filesystem;

// The message of the FatalError `f` throws, or "" when it throws none.
template <class F>
std::string FatalMessage(F f) {
    try {
        f();
    } catch (const data::FatalError& e) {
        return e.what();
    }
    return "";
}

TEST(GameFolder, PathsResolveWithoutRegardToLetterCase) {
    TestFolder f;
    f.writeBytes("Photos/Wood.JPG", "x");
    const fs::path g = f.game();
    EXPECT_EQ(data::Resolve(g, "\\photos\\wood.jpg"), g / "Photos" / "Wood.JPG");
    EXPECT_EQ(data::Resolve(g, "\\PHOTOS\\WOOD.JPG"), g / "Photos" / "Wood.JPG");
    EXPECT_EQ(data::Resolve(g, "\\DATA\\maps\\INFO.INF"), g / "Data" / "Maps" / "Info.inf");
    EXPECT_EQ(data::Resolve(g, "\\data\\maps\\LAKE\\loc1\\scene.SCN"), g / "Data" / "Maps" / "lake" / "Loc1" / "Scene.scn");
    EXPECT_EQ(data::Resolve(g, "\\saves\\ВАСЯ"), g / "Saves" / "ВАСЯ");  // missing: kept as written
    f.writeBytes("Saves/Вася/vrb.cfg", "");
    EXPECT_EQ(data::Resolve(g, "\\saves\\ВАСЯ\\VRB.cfg"), g / "Saves" / "Вася" / "vrb.cfg");
}

TEST(GameFolder, AnExactMatchWinsOverAnotherCase) {
    TestFolder f;
    f.writeBytes("sound/a.wav", "1");
    f.writeBytes("sound/A.wav", "2");
    EXPECT_EQ(data::Resolve(f.game(), "\\sound\\A.wav"), f.game() / "sound" / "A.wav");
    EXPECT_EQ(data::Resolve(f.game(), "\\sound\\a.wav"), f.game() / "sound" / "a.wav");
}

TEST(GameFolder, ListingsAreSortedWithoutCaseAndSkipHiddenFilesAndFolders) {
    TestFolder f;
    for (const char* name : {"b.jpg", "A.jpg", "c.JPG", "а.jpg", "Б.jpg", ".hidden.jpg", "a10.jpg", "a2.jpg"})
        f.writeBytes(std::string("list/") + name, "x");
    fs::create_directories(f.game() / "list" / "folder.jpg");
    const std::vector<std::string> want = {"A.jpg", "a10.jpg", "a2.jpg", "b.jpg", "c.JPG", "а.jpg", "Б.jpg"};
    EXPECT_EQ(data::ListFiles(f.game() / "list"), want);
    EXPECT_TRUE(data::ListFiles(f.game() / "missing").empty());
}

TEST(GameFolder, ListingsSkipTheFilesWindowsWritesIntoPictureFolders) {
    TestFolder f;
    for (const char* name : {"Thumbs.db", "desktop.ini", "THUMBS.DB", "Desktop.INI", "wood.jpg", "thumbs.db.jpg"})
        f.writeBytes(std::string("pics/") + name, "x");
    EXPECT_EQ(data::ListFiles(f.game() / "pics"), (std::vector<std::string>{"thumbs.db.jpg", "wood.jpg"}));
}

TEST(GameFolder, PathsThatCouldLeaveTheGameFolderAreRefused) {
    const std::pair<std::string, const char*> parts[] = {
        {"lake", nullptr},
        {"lake\\north", nullptr},
        {"Удочка...", nullptr},
        {"..", "\"..\" leads out of its folder"},
        {"..\\..", "\"..\" leads out of its folder"},
        {"a/../../b", "\"..\" leads out of its folder"},
        {"\\Windows", "an absolute path"},
        {"/etc", "an absolute path"},
        {"C:\\x", "an absolute path"},
        {std::string("la\0ke", 5), "a NUL character in a file name"},
    };
    for (const auto& [part, problem] : parts) {
        const char* found = data::PathPartProblem(part);
        EXPECT_EQ(std::string(found ? found : "-"), std::string(problem ? problem : "-")) << part;
    }
    TestFolder f;
    EXPECT_EQ(FatalMessage([&] { data::Resolve(f.game(), "\\Data\\Maps\\..\\..\\conf.cfg"); }),
              "\\Data\\Maps\\..\\..\\conf.cfg: \"..\" leads out of its folder");
    EXPECT_EQ(FatalMessage([&] { data::Resolve(f.game(), std::string("\\Data\\a\0b", 9)); }),
              "\\Data\\a\\x00b: a NUL character in a file name");
}

TEST(TextFiles, LinesAreWindows1251WithCrLf) {
    TestFolder f;
    data::TextWriter w(f.game() / "t.cfg");
    w.line("Щука");
    w.line(-15);
    w.line("");
    w.commit();
    EXPECT_EQ(f.read("t.cfg"), "\xD9\xF3\xEA\xE0\r\n-15\r\n\r\n");
    data::TextReader r(f.game() / "t.cfg", "\\t.cfg");
    EXPECT_EQ(r.readLine(), "Щука");
    EXPECT_EQ(r.readStrictInt(','), -15);
    EXPECT_EQ(r.readLine(), "");
    EXPECT_TRUE(r.atEnd());
}

TEST(TextFiles, LineEndsAreCrLfCrOrLfAndALastLineNeedsNone) {
    EXPECT_EQ(data::SplitLines("a\r\nb\nc\rd"), (std::vector<std::string>{"a", "b", "c", "d"}));
    EXPECT_EQ(data::SplitLines("a\r\n\r\n"), (std::vector<std::string>{"a", ""}));
    EXPECT_TRUE(data::SplitLines("").empty());
}

TEST(TextFiles, FailuresNameTheFileTheLineAndTheText) {
    auto reader = [] { return data::TextReader::FromLines({"5", "пять", "3000000000"}, "\\Data\\x.cfg"); };
    EXPECT_EQ(FatalMessage([&] {
                  auto r = reader();
                  r.readStrictInt(',');
                  r.readStrictInt(',');
              }),
              "\\Data\\x.cfg, line 2: type mismatch: not a number: \"пять\"");
    EXPECT_EQ(FatalMessage([&] {
                  auto r = reader();
                  r.skipLine();
                  r.skipLine();
                  r.readStrictInt(',');
              }),
              "\\Data\\x.cfg, line 3: overflow: \"3000000000\"");
    EXPECT_EQ(FatalMessage([&] {
                  auto r = reader();
                  for (int i = 0; i < 4; ++i) r.skipLine();
              }),
              "\\Data\\x.cfg, line 4: input past end of file");
    EXPECT_EQ(FatalMessage([] { data::TextReader r(fs::path("/nonexistent/x"), "\\conf.cfg"); }),
              "File not found: \\conf.cfg");
}

TEST(TextFiles, AFailureQuotesAShortPrintableExcerptOfItsLine) {
    const std::string huge(10'000'000, 'x');
    const std::string message = FatalMessage([&] {
        auto r = data::TextReader::FromLines({huge}, "\\Data\\Dev\\Sp.cfg");
        r.readStrictInt(',');
    });
    EXPECT_EQ(message, "\\Data\\Dev\\Sp.cfg, line 1: type mismatch: not a number: \"" + std::string(200, 'x') + "…\"");
    EXPECT_EQ(FatalMessage([&] {
                  auto r = data::TextReader::FromLines({std::string("\x1b]0;pwned\a\0tail", 15)}, "\\conf.cfg");
                  r.skipLine();
                  r.readLine();
              }),
              "\\conf.cfg, line 2: input past end of file");
    EXPECT_EQ(FatalMessage([&] {
                  auto r = data::TextReader::FromLines({std::string("\x1b]0;pwned\a\0tail", 15)}, "\\conf.cfg");
                  r.readBoolean(',');
              }),
              "\\conf.cfg, line 1: type mismatch: not true or false: \"\\x1B]0;pwned\\x07\\x00tail\"");
}

TEST(TextFiles, ReadErrorsNameTheFile) {
    TestFolder f;
    fs::remove(f.game() / "Data" / "rec.cfg");
    fs::create_directories(f.game() / "Data" / "rec.cfg");
    EXPECT_EQ(FatalMessage([&] { data::TextReader r(f.game() / "Data" / "rec.cfg", "\\Data\\rec.cfg"); }),
              "\\Data\\rec.cfg: is a folder, not a file");
    if (fs::exists("/proc/self/mem")) {  // a file whose reading fails at once
        EXPECT_EQ(FatalMessage([&] { data::TextReader r("/proc/self/mem", "\\conf.cfg"); }),
                  "\\conf.cfg, line 1: read error: Input/output error");
    }
    f.writeBytes("Data/big.cfg", "");
    fs::resize_file(f.game() / "Data" / "big.cfg", (std::uintmax_t(64) << 20) + 1);
    EXPECT_EQ(FatalMessage([&] { data::TextReader r(f.game() / "Data" / "big.cfg", "\\Data\\big.cfg"); }),
              "\\Data\\big.cfg: too large for a text file of the game");
}

TEST(TextFiles, TheLongRangeIsTheLimitOfAStrictNumber) {
    auto r = data::TextReader::FromLines({"2147483647", "-2147483648", "2147483648"}, "x");
    EXPECT_EQ(r.readStrictInt(','), 2147483647);
    EXPECT_EQ(r.readStrictInt(','), -2147483648LL);
    EXPECT_THROW(r.readStrictInt(','), data::FatalError);
    // Lenient numbers too: text without a number is 0, a huge number an overflow.
    auto l = data::TextReader::FromLines({"2147483647.4x", "-2147483648", "abc", "2147483647.5", "1e300"}, "x");
    EXPECT_EQ(l.readLenientInt(), 2147483647);
    EXPECT_EQ(l.readLenientInt(), -2147483648LL);
    EXPECT_EQ(l.readLenientInt(), 0);
    EXPECT_EQ(FatalMessage([&] { l.readLenientInt(); }), "x, line 4: overflow: \"2147483647.5\"");
    EXPECT_EQ(FatalMessage([&] { l.readLenientInt(); }), "x, line 5: overflow: \"1e300\"");
}

TEST(TextFiles, ReplacingAFileGoesThroughATemporaryAndKeepsTheOldOneOnFailure) {
    TestFolder f;
    f.writeBytes("Data/rec.cfg", "old");
    data::ReplaceFile(f.game() / "Data" / "rec.cfg", "new");
    EXPECT_EQ(f.read("Data/rec.cfg"), "new");
    EXPECT_FALSE(f.exists("Data/rec.cfg.tmp"));
    // A folder where the new file should go: the rename fails, the old file stays.
    fs::create_directories(f.game() / "Data" / "busy" / "inside");
    EXPECT_THROW(data::ReplaceFile(f.game() / "Data" / "busy", "x"), std::runtime_error);
    EXPECT_TRUE(fs::is_directory(f.game() / "Data" / "busy" / "inside"));
    EXPECT_FALSE(f.exists("Data/busy.tmp"));
    EXPECT_THROW(data::ReplaceFile(f.game() / "Nowhere" / "vrb.cfg", "x"), std::runtime_error);
}

}  // namespace
