#include <gtest/gtest.h>

#include "test_game.h"

namespace {

using testing_support::PictureBytes;
using testing_support::TestGame;

// A game standing in the shop with `money` dollars.
void EnterShop(TestGame& t, long long money = 50) {
    t.startAs();
    t.run("click Form1.Butt_base\nclick Base.But_shop\nadvance 1500\n");
    ASSERT_EQ(t.print("ShopFr.Visible"), "true");
    t.game().save.PlayerMoney = money;
}

TEST(Shop, ListsComeFromTheCatalogs) {
    TestGame t;
    EnterShop(t);
    EXPECT_EQ(t.print("ShopFr.Caption"), "Магазин");
    EXPECT_EQ(t.run("items ShopFr.List_Sp\nitems ShopFr.List_Leska\nitems ShopFr.List_Nas\nitems ShopFr.List_Bles\n"
                    "items ShopFr.List_Select\n"),
              "Удочка\nСпиннинг\n.\n2,5 кг\n6 кг\n.\nчервь\nживец\n.\nВертушка\nВоблер\n.\n"
              "маленькая\nсредняя\nбольшая\n.\n");
    EXPECT_EQ(t.run("print ShopFr.prik_im(0).Tag\nprint ShopFr.prik_im(1).Tag\nprint ShopFr.prik_im(2).Tag\n"
                    "print ShopFr.prik_im(3).Tag\nprint ShopFr.prik_im(3).Picture\nprint ShopFr.Leska_Pic.Picture\n"),
              "3\n5\n7\n10\nprik_10\nleska\n");
}

TEST(Shop, SectionSelectorMovesTheChosenLabelAndShowsOneFrame) {
    TestGame t;
    EnterShop(t);
    t.run("click ShopFr.Razdel_B(2)\n");
    EXPECT_EQ(t.run("print ShopFr.Razdel_B(0).Left\nprint ShopFr.Razdel_B(2).Left\nprint ShopFr.Razdel_B(4).Left\n"),
              "120\n200\n120\n");
    EXPECT_EQ(t.run("print ShopFr.Frame_Udochki.Visible\nprint ShopFr.Frame_Nas.Visible\n"
                    "print ShopFr.Frame_Leska.Visible\n"),
              "false\ntrue\nfalse\n");
    t.run("click ShopFr.Razdel_B(4)\n");
    EXPECT_EQ(t.run("print ShopFr.Frame_Nas.Visible\nprint ShopFr.Frame_Prik.Visible\nprint ShopFr.Razdel_B(2).Left\n"),
              "false\ntrue\n120\n");
    // Hover: one section bold at a time; the panel beside them clears it.
    EXPECT_EQ(t.run("move ShopFr.Razdel_B(1)\nmove ShopFr.Razdel_B(3)\nprint ShopFr.Razdel_B(1).FontBold\n"
                    "print ShopFr.Razdel_B(3).FontBold\nmove ShopFr.Picture1\nprint ShopFr.Razdel_B(3).FontBold\n"),
              "false\ntrue\nfalse\n");
    EXPECT_EQ(t.run("move ShopFr.Label5\nprint ShopFr.Label5.FontBold\nmove ShopFr\nprint ShopFr.Label5.FontBold\n"),
              "true\nfalse\n");
    EXPECT_EQ(t.run("click ShopFr.Label5\nprint ShopFr.Visible\nprint Base.Visible\n"), "false\nfalse\n");
}

TEST(Shop, ARodShowsPriceStrengthAndPicture) {
    TestGame t;
    t.folder.writeBytes("images/sp_Удочка.jpg", PictureBytes(3, 3));
    EnterShop(t);
    t.run("select ShopFr.List_Sp 0\n");
    EXPECT_EQ(t.run("print ShopFr.Sp_Cena.Caption\nprint ShopFr.Sp_Prochnost.Caption\nprint ShopFr.Sp_pic.Picture\n"),
              "Цена: 10$\nПрочность: 3 кг\n\\images\\sp_Удочка.jpg\n");
    // No picture file for the second rod: the empty slot is shown instead.
    t.run("select ShopFr.List_Sp 1\n");
    EXPECT_EQ(t.run("print ShopFr.Sp_Cena.Caption\nprint ShopFr.Sp_pic.Picture\n"), "Цена: 40$\nEmpty_Pic\n");
    // Without a selection nothing happens.
    t.run("select ShopFr.List_Sp -1\n");
    EXPECT_EQ(t.print("ShopFr.Sp_Cena.Caption"), "Цена: 40$");
}

TEST(Shop, RodStrengthUsesTheUsersSeparator) {
    for (char sep : {',', '.'}) {
        TestGame t(sep);
        t.folder.write("Data/Dev/Sp.cfg", {"1", "Телескоп", "2500", "7"});
        EnterShop(t);
        t.run("select ShopFr.List_Sp 0\n");
        EXPECT_EQ(t.print("ShopFr.Sp_Prochnost.Caption"), std::string("Прочность: 2") + sep + "5 кг");
    }
}

TEST(Shop, MoneyExactlyEqualToThePriceBuys) {
    TestGame t;
    EnterShop(t, 10);
    t.run("select ShopFr.List_Sp 0\ndblclick ShopFr.List_Sp\n");
    EXPECT_EQ(t.run("print PlayerMoney\nprint ShopFr.Info.Caption\nprint ShopFr.Label_Money.Caption\n"
                    "print OwnedRodCount\nprint OwnedRods(1).Name\nprint OwnedRods(1).Strength\n"
                    "print OwnedRods(1).Price\n"),
              "0\nКуплено!\nДеньги: 0\n1\nУдочка\n3000\n0\n");
    // One dollar short: refused, nothing changes.
    t.game().save.PlayerMoney = 9;
    t.run("dblclick ShopFr.List_Sp\n");
    EXPECT_EQ(t.run("print PlayerMoney\nprint ShopFr.Info.Caption\nprint ShopFr.Label_Money.Caption\n"
                    "print OwnedRodCount\n"),
              "9\nНет денег!\nДеньги: 0\n1\n");
}

TEST(Shop, TheSameRodBoughtTwiceGivesTwoRods) {
    TestGame t;
    EnterShop(t, 100);
    t.run("select ShopFr.List_Sp 1\ndblclick ShopFr.List_Sp\ndblclick ShopFr.List_Sp\n");
    EXPECT_EQ(t.run("print OwnedRodCount\nprint OwnedRods(1).Name\nprint OwnedRods(2).Name\n"
                    "print OwnedRods(2).Strength\nprint PlayerMoney\n"),
              "2\nСпиннинг\nСпиннинг\n8000\n20\n");
}

TEST(Shop, ALineIsFoundByItsListTextInEitherSeparator) {
    for (char sep : {',', '.'}) {
        SCOPED_TRACE(sep);
        TestGame t(sep);
        // A 2 kg line before the 2.5 kg one: reading "2,5" as 2 would pick the wrong line.
        t.folder.write("Data/Dev/lsk.cfg", {"3", "2000;3", "2500;5", "12250;60"});
        EnterShop(t);
        const std::string s(1, sep);
        EXPECT_EQ(t.run("items ShopFr.List_Leska\n"), "2 кг\n2" + s + "5 кг\n12" + s + "25 кг\n.\n");
        t.run("select ShopFr.List_Leska 1\n");
        EXPECT_EQ(t.print("ShopFr.Lsk_Cena.Caption"), "Цена: 5$");
        t.run("dblclick ShopFr.List_Leska\n");
        EXPECT_EQ(t.run("print OwnedLineCount\nprint OwnedLines(1).Name\nprint OwnedLines(1).Strength\n"
                        "print OwnedLines(1).LineLength\nprint PlayerMoney\n"),
                  "1\n2" + s + "5 кг\n2500\n100\n45\n");
        t.run("select ShopFr.List_Leska 2\n");
        EXPECT_EQ(t.print("ShopFr.Lsk_Cena.Caption"), "Цена: 60$");
        t.run("dblclick ShopFr.List_Leska\n");
        EXPECT_EQ(t.run("print ShopFr.Info.Caption\nprint OwnedLineCount\n"), "Нет денег!\n1\n");
    }
}

TEST(Shop, EveryLineStartsWithOneHundredMetres) {
    TestGame t;
    EnterShop(t, 50);
    t.run("select ShopFr.List_Leska 1\ndblclick ShopFr.List_Leska\nselect ShopFr.List_Leska 0\n"
          "dblclick ShopFr.List_Leska\n");
    EXPECT_EQ(t.run("print OwnedLines(1).Name\nprint OwnedLines(1).LineLength\nprint OwnedLines(1).Strength\n"
                    "print OwnedLines(2).Name\nprint OwnedLines(2).LineLength\nprint PlayerMoney\n"),
              "6 кг\n100\n6000\n2,5 кг\n100\n33\n");
}

TEST(Shop, BaitsCarryTheirPortions) {
    TestGame t;
    t.folder.writeBytes("images/живец.jpg", PictureBytes(3, 3));
    EnterShop(t);
    t.run("select ShopFr.List_Nas 1\n");
    EXPECT_EQ(t.run("print ShopFr.Nas_Cena.Caption\nprint ShopFr.Pic_Nas.Picture\n"),
              "Цена: 6$\n\\images\\живец.jpg\n");
    t.run("dblclick ShopFr.List_Nas\nselect ShopFr.List_Nas 0\n");
    EXPECT_EQ(t.print("ShopFr.Pic_Nas.Picture"), "Empty_Pic");
    t.run("dblclick ShopFr.List_Nas\n");
    EXPECT_EQ(t.run("print OwnedBaitCount\nprint OwnedBaits(1).Name\nprint OwnedBaits(1).Amount\n"
                    "print OwnedBaits(2).Name\nprint OwnedBaits(2).Amount\nprint PlayerMoney\n"),
              "2\nживец\n5\nчервь\n20\n41\n");
}

TEST(Shop, ALureIsBoughtInTwoSteps) {
    TestGame t;
    t.folder.writeBytes("images/bl_Воблер.jpg", PictureBytes(3, 3));
    EnterShop(t);
    t.run("select ShopFr.List_Bles 1\n");
    EXPECT_EQ(t.run("print ShopFr.Bles_Cena.Caption\nprint ShopFr.Pic_Bles.Picture\nprint ShopFr.List_Select.Top\n"),
              "Цена: 15$\n\\images\\bl_Воблер.jpg\n1560\n");
    // The double click only brings the sizes into view, however often.
    t.run("dblclick ShopFr.List_Bles\ndblclick ShopFr.List_Bles\n");
    EXPECT_EQ(t.run("print ShopFr.List_Select.Top\nprint PlayerMoney\nprint OwnedLureCount\n"), "2160\n50\n0\n");
    t.run("select ShopFr.List_Select 1\n");
    EXPECT_EQ(t.run("print OwnedLureCount\nprint OwnedLures(1).Name\nprint OwnedLures(1).SizeName\n"
                    "print OwnedLures(1).BaitKey\nprint OwnedLures(1).Power\nprint OwnedLures(1).Price\n"
                    "print PlayerMoney\nprint ShopFr.Info.Caption\nprint ShopFr.List_Select.Top\n"),
              "1\nВоблер\nсредняя\nблесна с\n20\n0\n35\nКуплено!\n1560\n");
}

TEST(Shop, EverySizeWordGivesItsBaitKey) {
    TestGame t;
    EnterShop(t);
    t.run("select ShopFr.List_Bles 0\ndblclick ShopFr.List_Bles\nselect ShopFr.List_Select 0\n"
          "dblclick ShopFr.List_Bles\nselect ShopFr.List_Select 2\n");
    EXPECT_EQ(t.run("print OwnedLures(1).SizeName\nprint OwnedLures(1).BaitKey\nprint OwnedLures(2).SizeName\n"
                    "print OwnedLures(2).BaitKey\nprint OwnedLures(2).Name\nprint PlayerMoney\n"),
              "маленькая\nблесна м\nбольшая\nблесна б\nВертушка\n34\n");
}

TEST(Shop, ALureWithoutMoneyLeavesTheSizesWhereTheyAre) {
    TestGame t;
    EnterShop(t, 14);
    t.run("select ShopFr.List_Bles 1\ndblclick ShopFr.List_Bles\nselect ShopFr.List_Select 0\n");
    EXPECT_EQ(t.run("print ShopFr.Info.Caption\nprint ShopFr.List_Select.Top\nprint OwnedLureCount\nprint PlayerMoney\n"),
              "Нет денег!\n2160\n0\n14\n");
    // A click on the lure list brings the sizes back over it.
    EXPECT_EQ(t.run("click ShopFr.List_Bles\nprint ShopFr.List_Select.Top\n"), "1560\n");
}

TEST(Shop, EveryGroundbaitPackIsANasadkaWithTenTimesItsPrice) {
    TestGame t;
    EnterShop(t, 25);
    t.run("move ShopFr.prik_im(2)\n");
    EXPECT_EQ(t.print("ShopFr.Prik_Cena.Caption"), "Цена: 7$");
    t.run("dblclick ShopFr.prik_im(0)\ndblclick ShopFr.prik_im(1)\ndblclick ShopFr.prik_im(2)\n"
          "dblclick ShopFr.prik_im(3)\n");
    EXPECT_EQ(t.run("print OwnedGroundbaitCount\nprint PlayerMoney\nprint ShopFr.Label_Money.Caption\n"),
              "4\n0\nДеньги: 0\n");
    const char* powers[] = {"30", "50", "70", "100"};
    for (int i = 1; i <= 4; ++i) {
        const std::string item = "OwnedGroundbaits(" + std::to_string(i) + ")";
        EXPECT_EQ(t.run("print " + item + ".Name\nprint " + item + ".Power\nprint " + item + ".Amount\n"),
                  std::string("Насадка\n") + powers[i - 1] + "\n10\n");
    }
    t.run("dblclick ShopFr.prik_im(0)\n");
    EXPECT_EQ(t.run("print ShopFr.Info.Caption\nprint OwnedGroundbaitCount\n"), "Нет денег!\n4\n");
}

TEST(Shop, AnEmptyCatalogGivesAnEmptyList) {
    TestGame t;
    t.folder.write("Data/Dev/Sp.cfg", {"0"});
    t.folder.write("Data/Dev/bls.cfg", {"0"});
    EnterShop(t);
    EXPECT_EQ(t.run("print ShopFr.List_Sp.ListCount\nprint ShopFr.List_Bles.ListCount\nprint ShopFr.List_Nas.ListCount\n"),
              "0\n0\n2\n");
    t.run("click ShopFr.List_Sp\ndblclick ShopFr.List_Sp\nclick ShopFr.List_Bles\nselect ShopFr.List_Select 0\n");
    EXPECT_EQ(t.run("print PlayerMoney\nprint OwnedRodCount\nprint OwnedLureCount\nprint ShopFr.Info.Caption\n"
                    "print ShopFr.Sp_Cena.Caption\n"),
              "50\n0\n0\n\n\n");
}

}  // namespace
