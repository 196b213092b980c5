// The fish buyer: the whole keep-net for a dollar per whole kilogram.

#include <gtest/gtest.h>

#include "trade_keep_net.h"

namespace {

using testing_support::TestGame;
using namespace trade_testing;

std::string Sell(TestGame& t) { return t.run("dblclick Fishery.Label6\nprint Fishery.Label7.Caption\n"); }

TEST(TradeFishery, AnEmptyKeepNetHasNothingToSell) {
    TestGame t;
    t.startAs();
    EXPECT_EQ(Sell(t), "Нет у тебя рыбы!\n");
    EXPECT_EQ(t.print("PlayerMoney"), "50");
}

TEST(TradeFishery, LessThanAKilogramIsRefusedAndKept) {
    TestGame t;
    t.startAs();
    Keep(t, Perch, 999);
    EXPECT_EQ(Sell(t), "Даже на киллограм не хватает!\n");
    EXPECT_EQ(t.print("CaughtCount"), "1");
    EXPECT_EQ(t.print("CaughtFish(1).Weight"), "999");
    EXPECT_EQ(t.print("PlayerMoney"), "50");
}

TEST(TradeFishery, TheWholeNetIsSoldByItsTotalWeight) {
    TestGame t;
    t.startAs();
    Keep(t, Perch, 600);
    Keep(t, Perch, 600);
    EXPECT_EQ(Sell(t), "Вы продали всю рыбу на 1 $\n");
    EXPECT_EQ(t.print("CaughtCount"), "0");
    EXPECT_EQ(t.print("PlayerMoney"), "51");
}

TEST(TradeFishery, OnlyWholeKilogramsArePaidAndNoRecordIsChecked) {
    TestGame t;
    t.startAs();
    Keep(t, Pike, 4999);  // a record pike: the buyer does not care
    Keep(t, Som, 2999);
    Keep(t, Perch, 1);
    EXPECT_EQ(Sell(t), "Вы продали всю рыбу на 7 $\n");  // 7999 g
    EXPECT_EQ(t.print("PlayerMoney"), "57");
    EXPECT_EQ(t.print("CaughtCount"), "0");
    EXPECT_EQ(t.print("RecordBook(1).Weight"), "3000");
    EXPECT_EQ(t.print("RecordBook(1).Holder"), "Дед");
    // The next double click finds the net empty.
    EXPECT_EQ(Sell(t), "Нет у тебя рыбы!\n");
}

TEST(TradeFishery, TheMessageStaysUntilTheMouseCrossesTheBackground) {
    TestGame t;
    t.startAs();
    Sell(t);
    t.run("move Fishery.Label4\nmove Fishery.Label6\n");
    EXPECT_EQ(t.print("Fishery.Label7.Caption"), "Нет у тебя рыбы!");
    EXPECT_EQ(t.print("Fishery.Label4.FontBold"), "true");
    t.run("move Fishery.Label3\n");
    EXPECT_EQ(t.print("Fishery.Label4.FontBold"), "false");
    EXPECT_EQ(t.print("Fishery.Label7.Caption"), "Нет у тебя рыбы!");
    t.run("move Fishery\n");
    EXPECT_EQ(t.print("Fishery.Label7.Caption"), "");
}

TEST(TradeFishery, TheExitLabelHidesTheBuyer) {
    TestGame t;
    t.startAs();
    t.game().window<klev::Fishery>().Show();
    EXPECT_EQ(t.print("Fishery.Label4.Caption"), "Выход");
    EXPECT_EQ(t.print("Fishery.Label3.Caption"),
              "Здесь вы можете продать всю свою рыбу по общей цене. Стоимость одного киллограма - 1$");
    t.run("click Fishery.Label4\n");
    EXPECT_EQ(t.print("Fishery.Visible"), "false");
}

}  // namespace
