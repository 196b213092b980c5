// The catch journal file "journal.csv": its lines, the damaged ones, appending
// and the fold into one row per catch.

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "data/journal_file.h"
#include "test_game.h"

namespace {

using data::JournalEntry;
using data::JournalKind;
using testing_support::TestFolder;

JournalEntry Catch(long long id, std::string species, long long weight) {
    JournalEntry e;
    e.kind = JournalKind::Catch;
    e.id = id;
    e.time = "2026-12-09 14:03:27";
    e.map = "Озеро";
    e.place = 2;
    e.species = std::move(species);
    e.weight = weight;
    e.rig = "поплавок";
    e.rod = "Удочка";
    e.line = "0,2 мм";
    e.bait = "червь";
    return e;
}

JournalEntry Fate(JournalKind kind, long long id, std::optional<long long> money = {}, std::optional<double> price = {}) {
    JournalEntry e;
    e.kind = kind;
    e.id = id;
    e.time = "2026-12-09 15:00:00";
    e.money = money;
    e.price = price;
    return e;
}

std::string FileBytes(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

struct Warned {
    std::vector<std::size_t> lines;
    data::JournalWarning sink() {
        return [this](std::size_t line, const std::string&) { lines.push_back(line); };
    }
};

TEST(JournalFile, EntriesRoundTripWithCyrillicCommasQuotesAndBlanks) {
    JournalEntry tricky = Catch(7, "щука, \"зубастая\"", 1250);
    tricky.map = " Река, у моста ";
    tricky.rod = "Спиннинг \"Профи\"";
    tricky.bait = "";
    const std::vector<JournalEntry> entries = {
        tricky,
        Fate(JournalKind::Evaluated, 7, 61, 4.5),
        Fate(JournalKind::Bought, 0, 3),
        Fate(JournalKind::Record, 7),
        Fate(JournalKind::Released, 9),
        Fate(JournalKind::Lost, 10),
        Fate(JournalKind::Session, 0, 50),
    };
    std::string bytes = data::JournalHeader() + "\r\n";
    for (const JournalEntry& e : entries) bytes += data::JournalLine(e);
    Warned w;
    const std::vector<JournalEntry> back = data::ParseJournal(bytes, w.sink());
    EXPECT_TRUE(w.lines.empty());
    ASSERT_EQ(back.size(), entries.size());
    for (std::size_t i = 0; i < entries.size(); ++i) EXPECT_EQ(back[i], entries[i]) << "entry " << i;
    EXPECT_EQ(data::JournalLine(tricky),
              "улов,7,2026-12-09 14:03:27,\" Река, у моста \",2,\"щука, \"\"зубастая\"\"\",1250,поплавок,"
              "\"Спиннинг \"\"Профи\"\"\",\"0,2 мм\",,,\r\n");
    EXPECT_EQ(data::JournalLine(entries[1]), "оценка,7,2026-12-09 15:00:00,,,,0,,,,,4.5,61\r\n");
}

TEST(JournalFile, ALineBreakInATextStaysOnTheLine) {
    JournalEntry e = Catch(1, "окунь", 300);
    e.rod = "Удочка\r\nвторая";
    const std::string line = data::JournalLine(e);
    EXPECT_EQ(line.find('\n'), line.size() - 1);
    const auto back = data::ParseJournal(line, {});
    ASSERT_EQ(back.size(), 1u);
    EXPECT_EQ(back[0].rod, "Удочка  вторая");
}

TEST(JournalFile, DamagedLinesAreSkippedAndToldTheRestIsRead) {
    struct Case {
        const char* what;
        std::string line;
    };
    const std::vector<Case> cases = {
        {"an unclosed quote", "улов,2,t,\"Озеро,1,окунь,300,,,,,,"},
        {"text after a closing quote", "улов,2,t,\"Озеро\"x,1,окунь,300,,,,,,"},
        {"a quote inside a bare field", "улов,2,t,Оз\"еро,1,окунь,300,,,,,,"},
        {"too few fields", "улов,2,t,Озеро,1,окунь,300"},
        {"an unknown kind", "поймана,2,t,Озеро,1,окунь,300,,,,,,"},
        {"a weight that is no number", "улов,2,t,Озеро,1,окунь,300г,,,,,,"},
        {"a money that is no whole number", "скупщик,2,t,,,окунь,300,,,,,,1.5"},
        {"a price that is no number", "оценка,2,t,,,окунь,300,,,,,x,5"},
        {"a catch without its number", "улов,,t,Озеро,1,окунь,300,,,,,,"},
        {"no UTF-8", "улов,2,t,\xCE\xE7\xE5\xF0\xEE,1,окунь,300,,,,,,"},
        {"a truncated UTF-8 character", "улов,2,t,Озеро,1,окунь,300,,,,,,\xD0"},
    };
    for (const Case& c : cases) {
        const std::string bytes = data::JournalHeader() + "\r\n" + data::JournalLine(Catch(1, "щука", 900)) + c.line +
                                  "\r\n\r\n" + data::JournalLine(Catch(3, "сом", 9000));
        Warned w;
        const auto entries = data::ParseJournal(bytes, w.sink());
        ASSERT_EQ(entries.size(), 2u) << c.what;
        EXPECT_EQ(entries[0].id, 1) << c.what;
        EXPECT_EQ(entries[1].id, 3) << c.what;
        EXPECT_EQ(w.lines, std::vector<std::size_t>{3}) << c.what;
    }
}

TEST(JournalFile, ALaterVersionsExtraColumnsAreReadAndAMissingHeaderIsNoFault) {
    const std::string line = data::JournalLine(Catch(4, "окунь", 300));
    const std::string wider = line.substr(0, line.size() - 2) + ",погода,ясно\r\n";
    Warned w;
    const auto entries = data::ParseJournal("\xEF\xBB\xBF" + wider + line, w.sink());
    EXPECT_TRUE(w.lines.empty());
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0], entries[1]);
}

TEST(JournalFile, AppendingStartsANewFileWithTheHeaderAndNeverRewritesALine) {
    TestFolder f;
    const auto file = f.root() / "Saves" / "Вася" / "journal.csv";  // the folder is made
    data::AppendJournal(file, {Catch(1, "щука", 900)});
    EXPECT_EQ(FileBytes(file), data::JournalHeader() + "\r\n" + data::JournalLine(Catch(1, "щука", 900)));

    // A damaged line and a last line cut short by a crash stay as they are;
    // the new line starts on a line of its own.
    const std::string damaged = "улов,2,t,\"Озеро\r\n";
    const std::string cut = "улов,3,2026-12-09 14:05:00,Озеро,1,оку";
    {
        std::ofstream out(file, std::ios::binary | std::ios::app);
        out << damaged << cut;
    }
    const std::string before = FileBytes(file);
    data::AppendJournal(file, {Catch(4, "окунь", 300), Fate(JournalKind::Released, 4)});
    EXPECT_EQ(FileBytes(file), before + "\r\n" + data::JournalLine(Catch(4, "окунь", 300)) +
                                   data::JournalLine(Fate(JournalKind::Released, 4)));
    Warned w;
    const auto entries = data::ReadJournal(file, w.sink());
    EXPECT_EQ(w.lines, (std::vector<std::size_t>{3, 4}));
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[1].species, "окунь");
}

TEST(JournalFile, AJournalThatCannotBeWrittenOrReadIsAnErrorNamingIt) {
    TestFolder f;
    f.writeBytes("blocker", "a file where a folder should be");
    try {
        data::AppendJournal(f.game() / "blocker" / "journal.csv", {Catch(1, "щука", 900)});
        ADD_FAILURE() << "no error";
    } catch (const std::runtime_error& e) {
        EXPECT_NE(std::string(e.what()).find("blocker"), std::string::npos) << e.what();
    }
    std::filesystem::create_directories(f.root() / "dir.csv");
    EXPECT_THROW(data::ReadJournal(f.root() / "dir.csv", {}), std::runtime_error);
    EXPECT_THROW(data::AppendJournal(f.root() / "dir.csv", {Catch(1, "щука", 900)}), std::runtime_error);
    EXPECT_TRUE(data::ReadJournal(f.root() / "missing.csv", {}).empty());
}

TEST(JournalFold, FatesGoToTheirCatchesAndTheFirstWayOutHolds) {
    const std::vector<JournalEntry> entries = {
        Fate(JournalKind::Session, 0, 50),
        Catch(1, "щука", 2600),
        Catch(2, "окунь", 300),
        Catch(3, "сом", 9000),
        Catch(4, "окунь", 250),
        Fate(JournalKind::Session, 0, 40),
        Fate(JournalKind::Record, 1),
        Fate(JournalKind::Evaluated, 1, 51, 10.4),
        Fate(JournalKind::Released, 1),  // already sold: changes nothing
        Fate(JournalKind::Released, 2),
        Fate(JournalKind::Bought, 3, 60),
        Fate(JournalKind::Bought, 99, 61),  // an unknown catch: only its money counts
        Fate(JournalKind::Lost, 0),
    };
    const data::JournalSummary s = data::FoldJournal(entries);
    ASSERT_EQ(s.catches.size(), 4u);
    EXPECT_EQ(s.lastId, 99);
    EXPECT_EQ(s.catches[0].fate, data::CatchFate::Evaluated);
    EXPECT_EQ(s.catches[0].price, 10.4);
    EXPECT_TRUE(s.catches[0].inRecords);
    EXPECT_EQ(s.catches[0].fateTime, "2026-12-09 15:00:00");
    EXPECT_EQ(data::CatchFateText(s.catches[0]), "продана на оценке, в книге рекордов");
    EXPECT_EQ(data::CatchFateText(s.catches[1]), "отпущена");
    EXPECT_EQ(data::CatchFateText(s.catches[2]), "продана скупщику");
    EXPECT_EQ(data::CatchFateText(s.catches[3]), "в садке");
    ASSERT_EQ(s.sessions.size(), 2u);
    EXPECT_EQ(s.sessions[0].money, 50);
    EXPECT_EQ(s.sessions[1].money, 61);
}

TEST(JournalFold, ASaleBeforeAnySessionLineOpensASession) {
    const data::JournalSummary s = data::FoldJournal({Catch(1, "щука", 900), Fate(JournalKind::Bought, 1, 12)});
    ASSERT_EQ(s.sessions.size(), 1u);
    EXPECT_EQ(s.sessions[0].money, 12);
    EXPECT_EQ(s.sessions[0].time, "2026-12-09 15:00:00");
}

}  // namespace
