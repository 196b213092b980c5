// The caught-fish window: the list of kept fish, the fish shown, release by
// double click; and the weight text it shares with the keep-net labels.

#include <gtest/gtest.h>

#include "base/catch_functions.h"
#include "trade_keep_net.h"

namespace {

using testing_support::TestGame;
using namespace trade_testing;

std::string Shown(TestGame& t) {
    return t.run("print Trofei.Fish_Imya.Caption\nprint Trofei.Fish_Ves.Caption\nprint Trofei.Fish_Pic.Picture\n");
}

TEST(TradeWeightText, GramsBelowAKilogramKilogramsFromOneUp) {
    TestGame comma(',');
    EXPECT_EQ(klev::WeightText(comma.game(), 0), "0 г");
    EXPECT_EQ(klev::WeightText(comma.game(), 999), "999 г");
    EXPECT_EQ(klev::WeightText(comma.game(), 1000), "1 кг");
    EXPECT_EQ(klev::WeightText(comma.game(), 1250), "1,25 кг");
    EXPECT_EQ(klev::WeightText(comma.game(), 3001), "3,001 кг");
    EXPECT_EQ(klev::WeightText(comma.game(), 45000), "45 кг");
    TestGame dot('.');
    EXPECT_EQ(klev::WeightText(dot.game(), 1250), "1.25 кг");
}

TEST(TradeTrofei, ShowingTheCatchListsEveryFishAndShowsTheLast) {
    TestGame t;
    t.startAs();
    Keep(t, Pike, 1250);
    Keep(t, Perch, 999);
    ShowCaughtFish(t.game());
    EXPECT_EQ(t.print("Trofei.Visible"), "true");
    EXPECT_EQ(t.print("Trofei.Caption"), "Пойманая рыба");
    EXPECT_EQ(t.run("items Trofei.Fish_List\n"), "щука 1,25 кг\nокунь 999 г\n.\n");
    EXPECT_EQ(Shown(t), "окунь 999 г\n999 г\nperch\n");
}

TEST(TradeTrofei, ShowingAgainRefillsFromTheKeepNet) {
    TestGame t;
    t.startAs();
    Keep(t, Pike, 1250);
    ShowCaughtFish(t.game());
    Keep(t, Perch, 300);  // a new landing
    ShowCaughtFish(t.game());
    EXPECT_EQ(t.run("items Trofei.Fish_List\n"), "щука 1,25 кг\nокунь 300 г\n.\n");
    EXPECT_EQ(Shown(t), "окунь 300 г\n300 г\nperch\n");
}

TEST(TradeTrofei, AnEmptyKeepNetOpensAnEmptyListAndIgnoresClicks) {
    TestGame t;
    t.startAs();
    ShowCaughtFish(t.game());
    EXPECT_EQ(t.print("Trofei.Visible"), "true");
    EXPECT_EQ(t.run("items Trofei.Fish_List\n"), ".\n");
    t.run("click Trofei.Fish_List\ndblclick Trofei.Fish_List\n");
    EXPECT_EQ(t.lastStatus(), driver::Finished);
    EXPECT_EQ(Shown(t), "\n\n\n");
}

TEST(TradeTrofei, AClickShowsTheClickedFish) {
    TestGame t;
    t.startAs();
    Keep(t, Pike, 1250);
    Keep(t, Perch, 999);
    Keep(t, Som, 45000);
    ShowCaughtFish(t.game());
    t.run("select Trofei.Fish_List 0\n");
    EXPECT_EQ(Shown(t), "щука 1,25 кг\n1,25 кг\npike\n");
    t.run("select Trofei.Fish_List 1\n");
    EXPECT_EQ(Shown(t), "окунь 999 г\n999 г\nperch\n");
}

TEST(TradeTrofei, AStaleEntryAfterASaleShowsNothing) {
    TestGame t;
    t.startAs();
    Keep(t, Perch, 300);
    Keep(t, Pike, 1250);
    ShowCaughtFish(t.game());
    t.game().save.CaughtFish.pop_back();  // sold at the base; the list is not refilled
    t.run("select Trofei.Fish_List 1\n");
    EXPECT_EQ(t.lastStatus(), driver::Finished);
    EXPECT_EQ(Shown(t), "щука 1,25 кг\n1,25 кг\npike\n");
    t.run("select Trofei.Fish_List 0\n");
    EXPECT_EQ(Shown(t), "окунь 300 г\n300 г\nperch\n");
}

TEST(TradeTrofei, ReleasingTheMiddleFishMovesTheLastIntoItsPlace) {
    TestGame t;
    t.startAs();
    Keep(t, Pike, 1250);
    Keep(t, Perch, 999).Holder = "metka";  // the whole record moves on release
    Keep(t, Som, 45000).Holder = "whole";
    ShowCaughtFish(t.game());
    t.run("select Trofei.Fish_List 1\ndblclick Trofei.Fish_List\n");
    EXPECT_EQ(t.print("CaughtCount"), "2");
    EXPECT_EQ(t.print("CaughtFish(2).Name"), "сом 45 кг");
    EXPECT_EQ(t.print("CaughtFish(2).Holder"), "whole");
    EXPECT_EQ(t.print("CaughtFish(2).PictureKey"), "som");
    EXPECT_EQ(t.run("items Trofei.Fish_List\n"), "щука 1,25 кг\nсом 45 кг\n.\n");
    EXPECT_EQ(Shown(t), "щука 1,25 кг\n1,25 кг\npike\n");
    EXPECT_EQ(t.print("PlayerMoney"), "50");
}

TEST(TradeTrofei, TwoFishOfOneLabelAreReleasedOneAtATime) {
    TestGame t;
    t.startAs();
    Keep(t, Perch, 400).PictureIndex = 0;
    Keep(t, Perch, 400);  // same label, told apart by its picture
    Keep(t, Pike, 1250);
    ShowCaughtFish(t.game());
    // A double click on the second entry releases the first fish of that label.
    t.run("select Trofei.Fish_List 1\ndblclick Trofei.Fish_List\n");
    EXPECT_EQ(t.run("items Trofei.Fish_List\n"), "щука 1,25 кг\nокунь 400 г\n.\n");
    EXPECT_EQ(t.print("CaughtFish(2).Name"), "окунь 400 г");
    EXPECT_EQ(t.print("CaughtFish(2).PictureIndex"), t.print("SpeciesList(2).PictureIndex"));
    t.run("select Trofei.Fish_List 1\ndblclick Trofei.Fish_List\n");
    EXPECT_EQ(t.print("CaughtCount"), "1");
    EXPECT_EQ(t.run("items Trofei.Fish_List\n"), "щука 1,25 кг\n.\n");
    EXPECT_EQ(Shown(t), "щука 1,25 кг\n1,25 кг\npike\n");
}

TEST(TradeTrofei, ReleasingTheOnlyFishEmptiesTheListButKeepsTheDisplay) {
    TestGame t;
    t.startAs();
    Keep(t, Pike, 1250);
    ShowCaughtFish(t.game());
    t.run("select Trofei.Fish_List 0\ndblclick Trofei.Fish_List\n");
    EXPECT_EQ(t.print("CaughtCount"), "0");
    EXPECT_EQ(t.run("items Trofei.Fish_List\n"), ".\n");
    EXPECT_EQ(Shown(t), "щука 1,25 кг\n1,25 кг\npike\n");
}

TEST(TradeTrofei, ADoubleClickWithoutAMatchingLabelReleasesNothing) {
    TestGame t;
    t.startAs();
    Keep(t, Pike, 1250);
    Keep(t, Perch, 300);
    ShowCaughtFish(t.game());
    t.game().save.CaughtFish[1].Name = "окунь 301 г";  // the list no longer names it
    t.run("select Trofei.Fish_List 1\ndblclick Trofei.Fish_List\n");
    EXPECT_EQ(t.print("CaughtCount"), "2");
    EXPECT_EQ(t.run("items Trofei.Fish_List\n"), "щука 1,25 кг\nокунь 301 г\n.\n");
    EXPECT_EQ(Shown(t), "щука 1,25 кг\n1,25 кг\npike\n");
}

TEST(TradeTrofei, TheCloseLabelHoversAndHides) {
    TestGame t;
    t.startAs();
    ShowCaughtFish(t.game());
    EXPECT_EQ(t.print("Trofei.Label1.Caption"), "Закрыть");
    EXPECT_EQ(t.print("Trofei.Label2.Caption"), "Чтобы выпустить рыбу, сделайте двойной щелчек");
    t.run("move Trofei.Label1\n");
    EXPECT_EQ(t.print("Trofei.Label1.FontBold"), "true");
    t.run("move Trofei\n");
    EXPECT_EQ(t.print("Trofei.Label1.FontBold"), "false");
    t.run("click Trofei.Label1\n");
    EXPECT_EQ(t.print("Trofei.Visible"), "false");
}

}  // namespace
