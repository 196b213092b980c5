// The catch journal as the game writes it: a landing appends its catch, and
// the release, the evaluation (records and sale) and the fish buyer its fate;
// a journal that cannot be written never stops the game.

#include <gtest/gtest.h>

#include "base/catch_functions.h"
#include "data/journal_file.h"
#include "scene_fixture.h"
#include "shell/journal.h"
#include "trade_keep_net.h"

namespace {

using namespace scene_testing;
using testing_support::TestGame;

const char* const kJournal = "Saves/Рыбак/journal.csv";

std::vector<std::string> JournalLines(const testing_support::TestFolder& f, const std::string& file = kJournal) {
    const std::string bytes = f.read(file);
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const std::size_t end = bytes.find("\r\n", start);
        lines.push_back(bytes.substr(start, end - start));
        if (end == std::string::npos) break;
        start = end + 2;
    }
    return lines;
}

data::JournalSummary Folded(const testing_support::TestFolder& f, const std::string& file = kJournal) {
    return data::FoldJournal(data::ReadJournal(f.game() / file, {}));
}

class JournalGame : public SceneTest {
protected:
    // The fish `species` of `grams` comes out of the water at the open place.
    void Land(long long species, long long grams) {
        game().fishing.FishSpecies = species;
        game().fishing.FishWeight = grams;
        klev::LandFish(game());
    }
    std::vector<std::string> lines() { return JournalLines(t.folder); }
};

TEST_F(JournalGame, AFloatCatchFromCastToKeepNetIsOneLineWithItsPlaceAndTackle) {
    GiveTackle();
    t.folder.write("Data/Maps/lake/Loc2/Conf.cfg", {"0", "2505", "2400", "0", "3", "щука 60", "окунь100", "сом  5"});
    OpenPlace(2);
    CastAndLand();
    EXPECT_FALSE(t.folder.exists(kJournal)) << "a cast writes nothing";
    // The journal adds no draw: a fence value behind the scripted ones stays.
    QueueSearch(2, 50, 50, 2);
    QueueWeight(50, 1000, 600);
    advanceDrawingAll(300);
    rnd({Pick(100, 110), Pick(3, 3), Pick(1, 50), Pick(2, 4), Pick(1, 500)});
    advanceDrawingAll(200);
    advance(100);
    key(13);
    advance(120);
    ASSERT_EQ(print("Hooked"), "true");
    gDown();
    for (int step = 1; step <= 10; ++step) {
        if (step % 2 == 0) rnd({Pick(1, 3)});
        rnd({Pick(6000, 6000)});
    }
    advanceDrawingAll(500);
    ASSERT_EQ(print("CaughtCount"), "1");
    EXPECT_EQ(lines(), (std::vector<std::string>{
                           data::JournalHeader(),
                           "сеанс,,2000-01-01 12:00:00,,,,,,,,,,50",
                           "улов,1,2000-01-01 12:00:00,Озеро,2,окунь,600,поплавок,Спиннинг,6 кг,червь,,",
                       }));
}

TEST_F(JournalGame, LandingsCountOnAndALureCatchNamesTheLure) {
    GiveTackle();
    OpenPlace();
    Land(Pike, 1250);
    v().save.RigMode = klev::Rig::Lure;
    Land(Catfish, 9000);
    const data::JournalSummary s = Folded(t.folder);
    ASSERT_EQ(s.catches.size(), 2u);
    EXPECT_EQ(s.catches[0].landing.id, 1);
    EXPECT_EQ(s.catches[0].landing.rig, "поплавок");
    EXPECT_EQ(s.catches[1].landing.id, 2);
    EXPECT_EQ(s.catches[1].landing.species, "сом");
    EXPECT_EQ(s.catches[1].landing.rig, "блесна");
    EXPECT_EQ(s.catches[1].landing.bait, "Вертушка");
    EXPECT_EQ(s.sessions.size(), 1u) << "one session line a run";

    // A later run goes on numbering after the last catch of the file.
    TestGame again;
    std::filesystem::copy(t.folder.game(), again.folder.game(),
                          std::filesystem::copy_options::recursive | std::filesystem::copy_options::overwrite_existing);
    again.startAs("Рыбак");
    again.game().place.MapIndex = 1;
    again.game().place.PlaceNumber = 1;
    again.game().fishing.FishSpecies = Perch;
    again.game().fishing.FishWeight = 300;
    klev::LandFish(again.game());
    const data::JournalSummary later = Folded(again.folder);
    ASSERT_EQ(later.catches.size(), 3u);
    EXPECT_EQ(later.catches[2].landing.id, 3);
    EXPECT_EQ(later.sessions.size(), 2u);
    // The run before ended without saving: its two fish never reached the
    // saved keep-net, so the journal says they were lost.
    EXPECT_EQ(later.catches[0].fate, data::CatchFate::Lost);
    EXPECT_EQ(later.catches[1].fate, data::CatchFate::Lost);
    EXPECT_EQ(later.catches[2].fate, data::CatchFate::Kept);
}

TEST_F(JournalGame, ReleaseEvaluationRecordsAndTheBuyerWriteEachFishsFate) {
    GiveTackle();
    OpenPlace();
    v().save.PlayerMoney = 10;
    Land(Perch, 300);   // 1: released
    Land(Pike, 3100);   // 2: beats the pike record of 3000 g, sold at 4 $ a kilogram
    Land(Perch, 800);   // 3: equals the perch record, sold at the evaluation
    Land(Pike, 900);    // 4: too small to sell, goes to the buyer
    Land(Perch, 300);   // 5: alike to the first, goes to the buyer

    klev::ShowCaughtFish(game());
    run("select Trofei.Fish_List 0\ndblclick Trofei.Fish_List");
    ASSERT_EQ(print("CaughtCount"), "4");

    klev::EvaluateCatch(game());
    ASSERT_EQ(print("PlayerMoney"), "24");  // 10 + 12.4 + 1.6
    run("dblclick Fishery.Label6");
    ASSERT_EQ(print("PlayerMoney"), "25");
    ASSERT_EQ(print("CaughtCount"), "0");

    const data::JournalSummary s = Folded(t.folder);
    ASSERT_EQ(s.catches.size(), 5u);
    std::vector<std::string> fates;
    for (const data::JournalCatch& c : s.catches) fates.push_back(data::CatchFateText(c));
    EXPECT_EQ(fates, (std::vector<std::string>{"отпущена", "продана на оценке, в книге рекордов", "продана на оценке",
                                               "продана скупщику", "продана скупщику"}));
    EXPECT_EQ(s.catches[1].price, 12.4);
    EXPECT_EQ(s.catches[2].price, 1.6);
    ASSERT_EQ(s.sessions.size(), 1u);
    EXPECT_EQ(s.sessions[0].money, 25);
    const std::vector<std::string> l = lines();
    ASSERT_EQ(l.size(), 13u);
    EXPECT_EQ(l[7], "отпущена,1,2000-01-01 12:00:00,,,окунь,300,,,,,,");
    EXPECT_EQ(l[8], "рекорд,2,2000-01-01 12:00:00,,,щука,3100,,,,,,");
    EXPECT_EQ(l[9], "оценка,2,2000-01-01 12:00:00,,,щука,3100,,,,,12.4,22");
    EXPECT_EQ(l[12], "скупщик,4,2000-01-01 12:00:00,,,щука,900,,,,,,25");
}

TEST_F(JournalGame, AFishTheJournalNeverSawLandedGetsAFateWithoutANumber) {
    trade_testing::Keep(t, trade_testing::Pike, 1200);  // from a save older than the journal
    run("dblclick Fishery.Label6");
    ASSERT_EQ(print("PlayerMoney"), "51");
    EXPECT_EQ(lines(), (std::vector<std::string>{data::JournalHeader(), "сеанс,,2000-01-01 12:00:00,,,,,,,,,,51",
                                                 "скупщик,,2000-01-01 12:00:00,,,щука,1200,,,,,,51"}));
}

TEST_F(JournalGame, AJournalThatCannotBeWrittenLeavesTheGameAsItWas) {
    GiveTackle();
    OpenPlace();
    std::filesystem::create_directories(t.folder.game() / kJournal);  // a folder where the file should be
    testing::internal::CaptureStderr();
    Land(Perch, 300);
    klev::EvaluateCatch(game());
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("journal.csv"), std::string::npos) << err;
    EXPECT_EQ(t.lastStatus(), driver::Finished);
    EXPECT_EQ(print("CaughtCount"), "1");
    EXPECT_EQ(print("Fish_Ocenka.List1.ListCount"), "1");  // "Оценка завершена"
}

TEST_F(JournalGame, ADamagedLineIsToldSkippedAndKeptWhenTheNextCatchIsAdded) {
    GiveTackle();
    OpenPlace();
    const std::string damaged = "улов,1,2000-01-01 11:00:00,\"Озеро,1,щука,900,,,,,,";
    t.folder.writeBytes(kJournal, data::JournalHeader() + "\r\n" + damaged + "\r\n");
    testing::internal::CaptureStderr();
    Land(Perch, 300);
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("line 2"), std::string::npos) << err;
    const std::vector<std::string> l = lines();
    ASSERT_EQ(l.size(), 4u);
    EXPECT_EQ(l[1], damaged);
    EXPECT_EQ(l[3].rfind("улов,1,", 0), 0u) << l[3];  // the damaged line's number is not known
}

}  // namespace
