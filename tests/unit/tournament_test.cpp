// Tournaments: the announcement cycle, the opening's draws, the notice board
// and the entry, the regulars' simulated catches, the result and the prize.

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "scene/scene_form.h"
#include "mainscreen/form1.h"
#include "shell/game.h"
#include "test_game.h"
#include "trade_keep_net.h"
#include "tournaments/tour_form.h"
#include "tournaments/tournirs.h"
#include "tournaments/tur_result.h"

namespace {

using testing_support::TestGame;
using trade_testing::Keep;
using trade_testing::Perch;
using trade_testing::Pike;
using trade_testing::Som;

// The Rnd value for which Int(Rnd * n) + 1 is k.
double Pick(long long k, long long n) { return (double(k) - 0.5) / double(n); }
constexpr double Fence = 0.987654321;

const std::string Opened = "Открыт турнир! Для участия посмотрите доску объявлений на Рыболовной Базе";

// The test folder: maps "lake" (2 places) and "river" (3 places); every place
// lists щука 60, окунь 100, сом 5; species щука 500..5000, окунь 50..1000,
// сом 2000..50000. Regulars: Бумбер 15, Липот 20, Дросс 30, Хумпи 50.
class Tournament : public ::testing::Test {
protected:
    TestGame t;

    klev::Game& game() { return t.game(); }
    klev::TournamentState& tour() { return t.game().tournament; }
    std::string run(const std::string& commands) { return t.run(commands + "\n"); }
    std::string print(const std::string& what) { return t.print(what); }
    void advance(long long ms) { run("advance " + std::to_string(ms)); }
    void rnd(std::initializer_list<double> values) {
        for (double x : values) t.driver().random().queue(x);
    }
    std::size_t rndLeft() { return t.driver().random().left(); }
    // Runs `ms` and checks that exactly the queued draws were made: the fence
    // value behind them must be the only one left.
    void advanceDrawingAll(long long ms) {
        rnd({Fence});
        advance(ms);
        EXPECT_EQ(rndLeft(), 1u) << "a draw too many (0 left) or too few (more left)";
        if (rndLeft() == 1) game().Rnd();
    }
    // The next tick of the event timer is the 300th: `draws` are the map,
    // place, prize and target draws it is given.
    void OpenWith(std::initializer_list<double> draws) {
        tour().TournamentCountdown = 299;
        rnd(draws);
        advanceDrawingAll(1000);
    }
    // A tournament on the river's third place for щука with a prize of 100.
    void OpenRiver3() { OpenWith({Pick(2, 2), Pick(3, 3), Pick(51, 270), Pick(1, 3)}); }
    void Enter() { run("click Desk.Tour_Info\nclick Tour_Form.Label3"); }
    // One rival's tick: a, b, k, d and e (of `species` place entries).
    void Rival(long long a, long long b, long long k, long long d, long long e, long long species = 3) {
        rnd({Pick(a, 3), Pick(b, 100), Pick(k, 4), Pick(d, 100), Pick(e, species)});
    }
    // The three nested weight draws of a species min..max giving `grams`
    // (min <= grams <= max - 3).
    void Weight(long long min, long long max, long long grams) {
        const double off = double(grams - min);
        rnd({(off + 2.5) / double(max - min), (off + 1.5) / (off + 2), (off + 0.5) / (off + 1)});
    }
    // Regular k catches a fish of place entry e weighing `grams` at the next
    // tick of the contest clock.
    void Catch(long long k, long long e, long long min, long long max, long long grams) {
        Rival(3, 100, k, 1, e);
        Weight(min, max, grams);
        advanceDrawingAll(1000);
    }
    void NoCatchTick() {
        Rival(1, 1, 1, 1, 1);
        advanceDrawingAll(1000);
    }
    // Runs the contest's last tick without a catch.
    void Finish() {
        tour().TournamentTimeLeft = 1;
        NoCatchTick();
    }
    std::vector<std::string> Console() { return game().window<klev::SceneForm>().Duel_Console.List; }
    std::string Line(int k) { return print("Tur_Result.Igrok(" + std::to_string(k) + ").Caption"); }
};

TEST_F(Tournament, OffersOpenAtTick300CloseAt400AndReturn299TicksLater) {
    t.startAs();
    advance(299000);
    EXPECT_EQ(print("TournamentCountdown"), "299");
    EXPECT_EQ(print("Desk.Tour_Info.Visible"), "false");
    EXPECT_EQ(print("Form1.Info.Caption"), "");
    advance(1000);
    EXPECT_EQ(print("TournamentCountdown"), "300");
    EXPECT_EQ(print("TournamentOffered"), "true");
    EXPECT_EQ(print("Desk.Tour_Info.Visible"), "true");
    EXPECT_EQ(print("Form1.Info.Caption"), Opened);
    EXPECT_EQ(print("SceneForm.Info_Display.Caption"), "Открыт турнир!");
    EXPECT_EQ(print("SceneForm.Visible"), "false");  // shown on the hidden scene
    advance(99000);
    EXPECT_EQ(print("TournamentCountdown"), "399");
    EXPECT_EQ(print("Desk.Tour_Info.Visible"), "true");
    advance(1000);
    EXPECT_EQ(print("TournamentCountdown"), "1");
    EXPECT_EQ(print("Desk.Tour_Info.Visible"), "false");
    EXPECT_EQ(print("TournamentOffered"), "false");
    EXPECT_EQ(print("Form1.Info.Caption"), "");
    advance(298000);
    EXPECT_EQ(print("Desk.Tour_Info.Visible"), "false");
    advance(1000);  // the 299th tick after the withdrawal
    EXPECT_EQ(print("TournamentCountdown"), "300");
    EXPECT_EQ(print("Desk.Tour_Info.Visible"), "true");
}

TEST_F(Tournament, TheOpeningDrawsMapPlacePrizeAndTarget) {
    t.startAs();
    game().save.Regulars[1].Catch.resize(2);
    game().save.Regulars[1].BestWeight = 700;
    tour().TournamentTimeLeft = 0;
    game().window<klev::SceneForm>().Duel_Console.addItem("старая строка");
    OpenWith({Pick(2, 2), Pick(3, 3), Pick(1, 270), Pick(2, 3)});
    EXPECT_EQ(print("TournamentMap"), "2");
    EXPECT_EQ(print("TournamentPlace"), "3");
    EXPECT_EQ(print("TournamentPrize"), "50");
    EXPECT_EQ(print("TournamentFish"), "окунь");
    EXPECT_EQ(print("TournamentFishCount"), "3");
    EXPECT_EQ(print("TournamentFishList(3).SpeciesIndex"), "3");
    EXPECT_EQ(print("TournamentFishList(3).Value"), "5");
    EXPECT_EQ(print("TournamentTimeLeft"), "300");
    EXPECT_EQ(print("Regulars(2).CatchCount"), "0");
    EXPECT_EQ(print("Regulars(2).BestWeight"), "0");
    EXPECT_TRUE(Console().empty());
    EXPECT_EQ(print("Tour_Form.Tur_Fish.Caption"), "Рыба: окунь");
    EXPECT_EQ(print("Tour_Form.Tour_Prize.Caption"), "Приз: 50 $");
    // The map on the main screen is not touched by an opening.
    EXPECT_EQ(print("MapIndex"), "1");
}

TEST_F(Tournament, ThePrizeRunsFrom50To319) {
    t.startAs();
    for (auto [draw, prize] : {std::pair{0.0, "50"}, {0.9999999, "319"}}) {
        tour().TournamentCountdown = 1;
        OpenWith({Pick(1, 2), Pick(1, 2), draw, Pick(1, 3)});
        EXPECT_EQ(print("TournamentPrize"), prize);
        EXPECT_EQ(print("Tour_Form.Tour_Prize.Caption"), std::string("Приз: ") + prize + " $");
    }
}

TEST_F(Tournament, TheTargetIsDrawnAgainUntilItsAbundanceIsAtLeast10) {
    t.folder.write("Data/Maps/lake/Loc1/Conf.cfg", {"0", "5000", "2400", "30", "3", "щука  9", "сом 10", "окунь  1"});
    t.startAs();
    // щука (9), окунь (1), щука again: refused; сом (10) is taken.
    OpenWith({Pick(1, 2), Pick(1, 2), 0.5, Pick(1, 3), Pick(3, 3), Pick(1, 3), Pick(2, 3)});
    EXPECT_EQ(print("TournamentFish"), "сом");
    EXPECT_EQ(print("Desk.Tour_Info.Visible"), "true");
}

TEST_F(Tournament, AnUnknownSpeciesLineOfThePlaceIsSkipped) {
    t.folder.write("Data/Maps/lake/Loc2/Conf.cfg", {"0", "5000", "2400", "30", "2", "карп 90", "окунь 20"});
    t.startAs();
    OpenWith({Pick(1, 2), Pick(2, 2), 0.5, Pick(1, 1)});
    EXPECT_EQ(print("TournamentFishCount"), "1");
    EXPECT_EQ(print("TournamentFish"), "окунь");
}

// When no tournament can be drawn the draws stop at the first impossible
// one, no target is drawn and nothing is offered; the cycle still runs on
// to its withdrawal.
struct Impossible {
    const char* what;
    std::vector<std::pair<std::string, std::vector<std::string>>> files;
    std::initializer_list<double> draws;
};

TEST_F(Tournament, WhenNoTournamentCanBeDrawnNoOfferOpens) {
    const std::vector<std::string> lake = {"Озеро", "-", "1", "2400", "3000", "-"};
    const Impossible cases[] = {
        {"no maps", {{"Data/Maps/Info.inf", {"0"}}}, {Pick(1, 1)}},
        {"a map without places", {{"Data/Maps/Info.inf", {"1", "lake"}}, {"Data/Maps/lake/conf.cfg", {"Озеро", "-", "0"}}},
         {Pick(1, 1), Pick(1, 1)}},
        {"no species of abundance 10",
         {{"Data/Maps/Info.inf", {"1", "lake"}},
          {"Data/Maps/lake/conf.cfg", lake},
          {"Data/Maps/lake/Loc1/Conf.cfg", {"0", "5000", "2400", "30", "2", "щука  9", "окунь  9"}}},
         {Pick(1, 1), Pick(1, 1), 0.5}},
        {"no species at all",
         {{"Data/Maps/Info.inf", {"1", "lake"}},
          {"Data/Maps/lake/conf.cfg", lake},
          {"Data/Maps/lake/Loc1/Conf.cfg", {"0", "5000", "2400", "30", "0"}}},
         {Pick(1, 1), Pick(1, 1), 0.5}},
    };
    for (const Impossible& c : cases) {
        SCOPED_TRACE(c.what);
        TestGame fresh;
        for (const auto& [file, lines] : c.files) fresh.folder.write(file, lines);
        fresh.startAs();
        fresh.game().tournament.TournamentCountdown = 299;
        for (double x : c.draws) fresh.driver().random().queue(x);
        fresh.driver().random().queue(Fence);
        fresh.run("advance 1000\n");
        EXPECT_EQ(fresh.driver().random().left(), 1u);
        EXPECT_EQ(fresh.print("TournamentCountdown"), "300");
        EXPECT_EQ(fresh.print("TournamentOffered"), "false");
        EXPECT_EQ(fresh.print("Desk.Tour_Info.Visible"), "false");
        EXPECT_EQ(fresh.print("Form1.Info.Caption"), "");
        EXPECT_EQ(fresh.print("SceneForm.Info_Display.Caption"), "");
        fresh.run("advance 100000\n");
        EXPECT_EQ(fresh.print("TournamentCountdown"), "1");
    }
}

TEST_F(Tournament, TheBoardOpensTheEntryWindowAndCancelLeavesTheOfferOpen) {
    t.startAs();
    run("click Form1.Butt_base\nclick Base.But_Order");
    EXPECT_EQ(print("Desk.Visible"), "true");
    EXPECT_EQ(print("Desk.Label2.Caption"), "На Данный момент турниров нет");
    EXPECT_EQ(print("Desk.Tour_Info.Visible"), "false");
    OpenRiver3();
    EXPECT_EQ(print("Desk.Tour_Info.Caption"), "Открыт очередной турнир. Нажми для полной информации");
    run("click Desk.Tour_Info");
    EXPECT_EQ(print("Tour_Form.Visible"), "true");
    EXPECT_EQ(print("Tour_Form.Caption"), "Информация о турнире");
    Keep(t, Pike, 800);
    run("click Tour_Form.Label3");
    EXPECT_EQ(print("Tour_Form.info.Caption"), "Продай или выпусти всю рыбу");
    run("click Tour_Form.Label4");
    EXPECT_EQ(print("Tour_Form.Visible"), "false");
    EXPECT_EQ(print("Tour_Form.info.Caption"), "");
    EXPECT_EQ(print("Desk.Tour_Info.Visible"), "true");
    EXPECT_EQ(print("InTournament"), "false");
    run("click Desk.Label1");
    EXPECT_EQ(print("Desk.Visible"), "false");
    EXPECT_EQ(print("Base.Visible"), "true");
    advance(99000);
    EXPECT_EQ(print("Desk.Tour_Info.Visible"), "true");
    advance(1000);
    EXPECT_EQ(print("Desk.Tour_Info.Visible"), "false");
}

TEST_F(Tournament, EntryWithAFishIsRefusedAndSucceedsAfterSellingIt) {
    t.startAs();
    OpenRiver3();
    Keep(t, Pike, 1500);
    Enter();
    EXPECT_EQ(print("Tour_Form.info.Caption"), "Продай или выпусти всю рыбу");
    EXPECT_EQ(print("InTournament"), "false");
    EXPECT_EQ(print("Form1.Sobitia.Enabled"), "true");
    EXPECT_EQ(print("SceneForm.Visible"), "false");
    run("dblclick Fishery.Label6");
    EXPECT_EQ(print("CaughtCount"), "0");
    run("click Tour_Form.Label3");
    EXPECT_EQ(print("InTournament"), "true");
}

TEST_F(Tournament, EntryTakesThePlayerToTheTournamentPlace) {
    t.startAs();
    klev::TackleItem rod;
    rod.Name = "Удочка";
    game().save.OwnedRods = {rod};
    game().save.RodSlot = 1;
    game().save.RigMode = klev::Rig::Lure;
    OpenRiver3();
    run("click Form1.Butt_base\nclick Base.But_Order");
    Enter();
    EXPECT_EQ(print("InTournament"), "true");
    EXPECT_EQ(print("SceneForm.Sound_T.Enabled"), "true");
    EXPECT_EQ(print("SceneForm.popl(0).Visible"), "false");
    EXPECT_EQ(print("SceneForm.popl(1).Visible"), "false");
    EXPECT_EQ(print("SceneForm.SLED.Visible"), "false");
    EXPECT_EQ(print("Form1.Sobitia.Enabled"), "false");
    EXPECT_EQ(print("MapIndex"), "2");
    EXPECT_EQ(print("MapFolder"), "river");
    EXPECT_EQ(print("Form1.Label1.Caption"), "Река");
    EXPECT_EQ(game().window<klev::Form1>().PScene.indices(), (std::vector<int>{0, 1, 2, 3}));
    EXPECT_EQ(print("SceneForm.Tur_T.Enabled"), "true");
    EXPECT_EQ(print("Desk.Tour_Info.Visible"), "false");
    EXPECT_EQ(print("SceneForm.Duel_Console.Visible"), "true");
    EXPECT_EQ(print("SceneForm.Duel_Vremya.Visible"), "true");
    EXPECT_EQ(print("PlaceNumber"), "3");
    EXPECT_EQ(print("SceneForm.Visible"), "true");
    EXPECT_EQ(print("SceneForm.Picture1.Picture"), "\\Data\\Maps\\river\\Loc3\\Scene.scn");
    EXPECT_EQ(print("PlaceFishCount"), "3");
    EXPECT_EQ(print("Form1.Visible"), "false");
    EXPECT_EQ(print("SceneForm.Speening.Visible"), "true");
    EXPECT_EQ(print("SceneForm.Butt_Bles.ForeColor"), "255");
    EXPECT_EQ(print("SceneForm.Butt_Popl.ForeColor"), "0");
    // The entry window, the board and the base stay as they were.
    EXPECT_EQ(print("Tour_Form.Visible"), "true");
    EXPECT_EQ(print("Desk.Visible"), "true");
    EXPECT_EQ(print("Base.Visible"), "true");
    // The scene keeps the player at the tournament place.
    run("click SceneForm.Image2");
    EXPECT_EQ(print("SceneForm.Visible"), "true");
    // The clock counts down once a second and the event timer is still.
    NoCatchTick();
    EXPECT_EQ(print("TournamentTimeLeft"), "299");
    EXPECT_EQ(print("SceneForm.Duel_Vremya.Caption"), "299");
    EXPECT_EQ(print("TournamentCountdown"), "300");
}

TEST_F(Tournament, EntryWhileADuelIsArrangedIsRefused) {
    t.startAs();
    OpenRiver3();
    game().duel.InDuel = true;
    Enter();
    EXPECT_EQ(print("Tour_Form.info.Caption"), "Сначала закончи дуэль");
    EXPECT_EQ(print("InTournament"), "false");
    EXPECT_EQ(print("SceneForm.Tur_T.Enabled"), "false");
    EXPECT_EQ(print("Desk.Tour_Info.Visible"), "true");
    game().duel.InDuel = false;
    run("click Tour_Form.Label3");
    EXPECT_EQ(print("InTournament"), "true");
}

TEST_F(Tournament, AnOpeningLeavesTheConsoleOfADuelAloneAndTheEntryClearsNothing) {
    t.startAs();
    klev::SceneForm& scene = game().window<klev::SceneForm>();
    scene.Duel_Console.addItem("Хумпи поймал окунь 0,3 кг");
    game().duel.InDuel = true;
    OpenRiver3();
    EXPECT_EQ(Console(), (std::vector<std::string>{"Хумпи поймал окунь 0,3 кг"}));
    game().duel.InDuel = false;  // the duel is settled; its lines stay
    Enter();
    EXPECT_EQ(Console(), (std::vector<std::string>{"Хумпи поймал окунь 0,3 кг"}));
    // The next opening, after this contest and with no duel running, clears it.
    Finish();
    EXPECT_EQ(Console().size(), 1u);
    OpenRiver3();
    EXPECT_TRUE(Console().empty());
}

TEST_F(Tournament, ARegularCatchesOnlyWhenAllThreeRollsAllowIt) {
    t.startAs();
    OpenRiver3();
    Enter();
    struct Roll {
        long long a, b, k, d, e;
        bool caught;
    };
    // Хумпи (4) has skill 50, Бумбер (1) 15; щука (entry 1) abundance 60.
    const Roll rolls[] = {
        {3, 50, 4, 60, 1, true},  {3, 49, 4, 1, 1, false}, {3, 15, 1, 1, 1, true},  {3, 14, 1, 1, 1, false},
        {2, 100, 1, 1, 1, false}, {1, 100, 1, 1, 1, false}, {3, 100, 1, 61, 1, false}, {3, 100, 1, 100, 2, true},
        {3, 100, 2, 6, 3, false}, {3, 100, 2, 5, 3, true},
    };
    std::size_t lines = 0;
    for (const Roll& r : rolls) {
        SCOPED_TRACE("a " + std::to_string(r.a) + " b " + std::to_string(r.b) + " k " + std::to_string(r.k) + " d " +
                     std::to_string(r.d) + " e " + std::to_string(r.e));
        Rival(r.a, r.b, r.k, r.d, r.e);
        if (r.caught) rnd({0.5, 0.5, 0.5});
        advanceDrawingAll(1000);
        if (r.caught) ++lines;
        EXPECT_EQ(Console().size(), lines);
    }
    EXPECT_EQ(print("Regulars(4).CatchCount"), "1");
    EXPECT_EQ(print("Regulars(1).CatchCount"), "2");
    EXPECT_EQ(print("Regulars(2).CatchCount"), "1");
    EXPECT_EQ(print("Regulars(2).Catch(1).Name"), "сом");
}

TEST_F(Tournament, TheCatchWeighsThreeNestedDrawsAndIsAnnouncedInKilograms) {
    t.startAs();
    OpenRiver3();
    Enter();
    Catch(3, 1, 500, 5000, 1234);
    Catch(2, 2, 50, 1000, 700);
    Rival(3, 100, 1, 1, 2);
    rnd({0.0, 0.0, 0.0});  // the smallest fish: the last two draws have nothing to add
    advanceDrawingAll(1000);
    EXPECT_EQ(Console(), (std::vector<std::string>{"Дросс поймал щука весом 1,234 кг", "Липот поймал окунь весом 0,7 кг",
                                                    "Бумбер поймал окунь весом 0,05 кг"}));
    EXPECT_EQ(print("Regulars(3).Catch(1).Weight"), "1234");
    EXPECT_EQ(print("Regulars(3).Catch(1).Name"), "щука");
    EXPECT_EQ(print("Regulars(1).Catch(1).Weight"), "50");
}

TEST_F(Tournament, ARivalAtAPlaceWithoutSpeciesCatchesNothing) {
    t.folder.write("Data/Maps/river/Loc1/Conf.cfg", {"0", "5000", "2400", "30", "1", "окунь 50"});
    t.startAs();
    OpenWith({Pick(2, 2), Pick(1, 3), 0.5, Pick(1, 1)});
    Enter();
    // The player is moved on to a place without fish (as a duel might leave him).
    game().place.PlaceFish.clear();
    Rival(3, 100, 1, 1, 1, 1);
    advanceDrawingAll(1000);
    EXPECT_TRUE(Console().empty());
    EXPECT_EQ(print("Regulars(1).CatchCount"), "0");
}

TEST_F(Tournament, OnlyTheTargetSpeciesCountsAndTheHeaviestLeads) {
    t.startAs();
    OpenRiver3();  // щука, prize 100
    Enter();
    Catch(1, 2, 50, 1000, 900);     // Бумбер: an окунь, in the console only
    Catch(2, 1, 500, 5000, 1200);   // Липот: щука 1200
    Catch(2, 1, 500, 5000, 3000);   // Липот: щука 3000
    Catch(4, 1, 500, 5000, 2500);   // Хумпи: щука 2500
    Keep(t, Perch, 990);            // the player's окунь does not count either
    Keep(t, Pike, 2000);
    Finish();
    EXPECT_EQ(print("Tur_Result.Visible"), "true");
    EXPECT_EQ(print("Tur_Result.Caption"), "Турнир окончен");
    EXPECT_EQ(Line(0), "Твой Результат: щука 2 кг ");
    EXPECT_EQ(Line(1), "Бумбер: щука 0 кг");
    EXPECT_EQ(Line(2), "Липот: щука 3 кг -Победа");
    EXPECT_EQ(Line(3), "Дросс: щука 0 кг");
    EXPECT_EQ(Line(4), "Хумпи: щука 2,5 кг");
    EXPECT_EQ(print("Regulars(2).BestWeight"), "3000");
    EXPECT_EQ(print("Regulars(1).BestWeight"), "0");
    EXPECT_EQ(print("PlayerMoney"), "50");
    EXPECT_EQ(Console().size(), 4u);
}

TEST_F(Tournament, ThePlayerWinsAloneWithZeroRivalsAndIsPaidOnce) {
    t.startAs();
    OpenRiver3();
    Enter();
    Catch(1, 2, 50, 1000, 900);  // an окунь for Бумбер only
    Keep(t, Pike, 1250);
    Finish();
    EXPECT_EQ(Line(0), "Твой Результат: щука 1,25 кг  -Победитель");
    for (int k = 1; k <= 4; ++k) EXPECT_EQ(Line(k).find(" -Победа"), std::string::npos);
    EXPECT_EQ(print("PlayerMoney"), "150");
    EXPECT_EQ(print("SceneForm.Tur_T.Enabled"), "false");
    EXPECT_EQ(print("SceneForm.Duel_Console.Visible"), "false");
    EXPECT_EQ(print("SceneForm.Duel_Vremya.Visible"), "false");
    EXPECT_EQ(print("InTournament"), "false");
    // The result closes; the player is still at the place with his fish.
    run("click Tur_Result.Label3");
    EXPECT_EQ(print("Tur_Result.Visible"), "false");
    EXPECT_EQ(print("SceneForm.Visible"), "true");
    EXPECT_EQ(print("CaughtCount"), "1");
    // No second payment: the clock has stopped, and the offer is taken.
    advance(5000);
    game().save.CaughtFish.clear();
    run("click Tour_Form.Label3");
    EXPECT_EQ(print("InTournament"), "false");
    EXPECT_EQ(print("SceneForm.Tur_T.Enabled"), "false");
    EXPECT_EQ(print("PlayerMoney"), "150");
}

// The keep-net is checked before anything else: its refusal also answers a
// start on an offer that is withdrawn, taken or crossed by a duel.
TEST_F(Tournament, FishInTheKeepNetAreNamedWhateverTheOfferAndTheDuel) {
    t.startAs();
    OpenRiver3();
    Keep(t, Perch, 300);
    game().duel.InDuel = true;
    Enter();
    EXPECT_EQ(print("Tour_Form.info.Caption"), "Продай или выпусти всю рыбу");
    game().duel.InDuel = false;
    game().save.CaughtFish.clear();
    run("click Tour_Form.Label3");
    ASSERT_EQ(print("InTournament"), "true");
    Keep(t, Pike, 1250);
    Finish();
    // The entry window is still open on the taken offer.
    game().window<klev::Tour_Form>().info.Caption = "";
    run("click Tour_Form.Label3");
    EXPECT_EQ(print("Tour_Form.info.Caption"), "Продай или выпусти всю рыбу");
    EXPECT_EQ(print("InTournament"), "false");
    EXPECT_EQ(print("SceneForm.Tur_T.Enabled"), "false");
}

TEST_F(Tournament, EqualBestWeightsPayNothingAndMarkNoOne) {
    t.startAs();
    OpenRiver3();
    Enter();
    Catch(3, 1, 500, 5000, 2000);
    Catch(4, 1, 500, 5000, 2000);  // Хумпи equals Дросс: the lower number leads
    Keep(t, Pike, 2000);
    Finish();
    EXPECT_EQ(Line(0), "Твой Результат: щука 2 кг ");
    EXPECT_EQ(Line(3), "Дросс: щука 2 кг");
    EXPECT_EQ(Line(4), "Хумпи: щука 2 кг");
    EXPECT_EQ(print("PlayerMoney"), "50");
}

TEST_F(Tournament, ALeaderNeedsMoreThanOneGramAndSoDoesTheWinner) {
    t.startAs();
    OpenRiver3();
    Enter();
    // Nobody has a fish over 1 g: no leader, and a 1 g fish wins nothing.
    game().save.Regulars[0].Catch = {klev::FishRecord{}};
    game().save.Regulars[0].Catch[0].Name = "щука";
    game().save.Regulars[0].Catch[0].Weight = 1;
    Keep(t, Pike, 1);
    Finish();
    EXPECT_EQ(Line(1), "Бумбер: щука 0,001 кг");
    EXPECT_EQ(Line(0), "Твой Результат: щука 0,001 кг ");
    EXPECT_EQ(print("PlayerMoney"), "50");
}

TEST_F(Tournament, ABeatenLeaderIsNotMarkedAndAReleasedFishDoesNotCount) {
    t.startAs();
    OpenRiver3();
    Enter();
    Catch(2, 1, 500, 5000, 1500);
    Keep(t, Pike, 4000);
    Keep(t, Pike, 1600);
    // The big one goes back into the water before the end.
    run("click SceneForm.Image4\nselect Trofei.Fish_List 0\ndblclick Trofei.Fish_List");
    ASSERT_EQ(print("CaughtCount"), "1");
    Finish();
    EXPECT_EQ(Line(0), "Твой Результат: щука 1,6 кг  -Победитель");
    EXPECT_EQ(Line(2), "Липот: щука 1,5 кг");
    EXPECT_EQ(print("PlayerMoney"), "150");
}

TEST_F(Tournament, TheCycleRestartsAfterTheEnd) {
    t.startAs();
    OpenRiver3();
    Enter();
    advance(10000);
    EXPECT_EQ(print("TournamentCountdown"), "300");  // paused through the contest
    Finish();
    EXPECT_EQ(print("TournamentCountdown"), "399");
    EXPECT_EQ(print("Form1.Sobitia.Enabled"), "true");
    advance(1000);
    EXPECT_EQ(print("TournamentCountdown"), "1");
    EXPECT_EQ(print("Form1.Info.Caption"), "");
    advance(298000);
    EXPECT_EQ(print("TournamentOffered"), "false");
    advance(1000);
    EXPECT_EQ(print("TournamentOffered"), "true");
    EXPECT_EQ(print("Desk.Tour_Info.Visible"), "true");
}

TEST_F(Tournament, AFullContestEndsAfter300TicksWithAStopwatchOnTheConsole) {
    t.startAs();
    t.driver().random().seed(7);
    OpenRiver3();
    Enter();
    advance(299000);
    EXPECT_EQ(print("TournamentTimeLeft"), "1");
    EXPECT_EQ(print("Tur_Result.Visible"), "false");
    advance(1000);
    EXPECT_EQ(print("TournamentTimeLeft"), "0");
    EXPECT_EQ(print("Tur_Result.Visible"), "true");
    EXPECT_EQ(print("SceneForm.Duel_Vremya.Caption"), "0");
    // Every console line is one of the regulars' catches, in order.
    std::size_t catches = 0;
    for (const klev::RegularRecord& r : game().save.Regulars) catches += r.Catch.size();
    EXPECT_EQ(Console().size(), catches);
    advance(5000);
    EXPECT_EQ(print("TournamentTimeLeft"), "0");
}

TEST_F(Tournament, AWithdrawnOfferCannotBeEnteredFromAnOpenEntryWindow) {
    t.startAs();
    OpenRiver3();
    run("click Desk.Tour_Info");
    advance(100000);  // withdrawn at tick 400 while the window is open
    ASSERT_EQ(print("Desk.Tour_Info.Visible"), "false");
    run("click Tour_Form.Label3");
    EXPECT_EQ(print("InTournament"), "false");
    EXPECT_EQ(print("SceneForm.Visible"), "false");
    EXPECT_EQ(print("Form1.Sobitia.Enabled"), "true");
}

}  // namespace
