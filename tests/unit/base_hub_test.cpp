#include <gtest/gtest.h>

#include "base/fish_ocenka.h"
#include "test_game.h"

namespace {

using testing_support::PictureBytes;
using testing_support::TestGame;

// A game on the map with the base open.
void OpenBase(TestGame& t) {
    t.startAs();
    t.run("click Form1.Butt_base\n");
    ASSERT_EQ(t.print("Base.Visible"), "true");
}

TEST(BaseHub, WindowAndSpotsAsDesigned) {
    TestGame t;
    OpenBase(t);
    EXPECT_EQ(t.print("Base.Caption"), "Рыболовная база");
    EXPECT_EQ(t.print("Base.Width"), "12000");
    EXPECT_EQ(t.print("Base.Height"), "8400");
    EXPECT_EQ(t.print("Base.Picture"), "base");
    // The buildings stand on their plots of the base picture.
    EXPECT_EQ(t.run("print Base.But_shop.Left\nprint Base.but_fishery.Left\nprint Base.but_pub.Left\n"
                    "print Base.but_oc.Top\nprint Base.But_Order.Left\nprint Base.But_Order.Width\n"),
              "600\n4500\n8400\n4500\n4950\n1800\n");
    EXPECT_EQ(t.run("print Base.Image1.Picture\nprint Base.Image2.Picture\nprint Base.Image3.Picture\n"
                    "print Base.Label1.Caption\n"),
              "icon_things\nicon_fish\nicon_map\nрекорды\n");
}

TEST(BaseHub, HoverNamesTheSpotAndTheBackgroundClearsIt) {
    TestGame t;
    OpenBase(t);
    const std::pair<const char*, const char*> spots[] = {
        {"But_shop", "Рыболовный магазин"},
        {"but_fishery", "Рыбный магазин"},
        {"but_pub", "Бар"},
        {"but_oc", "Оценить пойманую рыбу"},
        {"But_Order", "Доска обьявлений. Здесь вывешивают объявления турниров"},
        {"Image1", "Снасти"},
        {"Image2", "Пойманая рыба"},
        {"Image3", "Карта водоема"},
    };
    for (const auto& [control, caption] : spots) {
        SCOPED_TRACE(control);
        EXPECT_EQ(t.run(std::string("move Base.") + control + "\nprint Base.info.Caption\n"),
                  std::string(caption) + "\n");
    }
    EXPECT_EQ(t.run("move Base\nprint Base.info.Caption\n"), "\n");
    // The records label does not name itself; it turns bold like every label button.
    EXPECT_EQ(t.run("move Base.Image3\nmove Base.Label1\nprint Base.info.Caption\nprint Base.Label1.FontBold\n"
                    "move Base\nprint Base.Label1.FontBold\n"),
              "Карта водоема\ntrue\nfalse\n");
}

TEST(BaseHub, ShopTransitionShowsThePictureForOneAndAHalfSeconds) {
    TestGame t;
    t.folder.writeBytes("images/shop1.jpg", PictureBytes(20, 10));
    OpenBase(t);
    t.run("click Base.But_shop\n");
    EXPECT_EQ(t.print("BaseDestination"), "shop1");
    EXPECT_EQ(t.print("Base.Visible"), "false");
    EXPECT_EQ(t.run("print Movie1.Visible\nprint Movie1.Image1.Picture\nprint Movie1.Width\nprint Movie1.Height\n"
                    "print Movie1.Timer1.Enabled\nprint Movie1.Timer1.Interval\n"),
              "true\nshop1\n420\n270\ntrue\n1500\n");
    EXPECT_EQ(t.run("advance 1499\nprint Movie1.Visible\nprint ShopFr.Visible\n"), "true\nfalse\n");
    EXPECT_EQ(t.run("advance 1\nprint Movie1.Visible\nprint Movie1.Timer1.Enabled\nprint ShopFr.Visible\n"
                    "print ShopFr.Label_Money.Caption\nprint Base.Visible\n"),
              "false\nfalse\ntrue\nДеньги: 50\nfalse\n");
    // The timer fired once only.
    EXPECT_EQ(t.run("click ShopFr.Label5\nadvance 3000\nprint ShopFr.Visible\n"), "false\n");
}

TEST(BaseHub, AnUnmatchedTagKeepsThePreviousTransitionPicture) {
    TestGame t;
    t.folder.writeBytes("images/shop1.jpg", PictureBytes(20, 10));
    t.folder.writeBytes("images/fishery.jpg", PictureBytes(30, 20));
    OpenBase(t);
    t.run("click Base.but_fishery\n");
    EXPECT_EQ(t.run("print Movie1.Image1.Picture\nprint Movie1.Width\n"), "fishery\n570\n");
    EXPECT_EQ(t.run("advance 1500\nprint Fishery.Visible\nprint Kafe.Visible\nprint ShopFr.Visible\n"),
              "true\nfalse\nfalse\n");
    // No picture tagged "pub" in this folder.
    t.run("click Form1.Butt_base\nclick Base.but_pub\n");
    EXPECT_EQ(t.print("BaseDestination"), "pub");
    EXPECT_EQ(t.run("print Movie1.Image1.Picture\nprint Movie1.Width\nprint Movie1.Visible\n"),
              "fishery\n570\ntrue\n");
    EXPECT_EQ(t.run("advance 1500\nprint Kafe.Visible\nprint Movie1.Visible\n"), "true\nfalse\n");
}

TEST(BaseHub, TheShopAlwaysReopensOnTheRodsSection) {
    TestGame t;
    OpenBase(t);
    t.run("click Base.But_shop\nadvance 1500\nclick ShopFr.Razdel_B(3)\n");
    ASSERT_EQ(t.run("print ShopFr.Frame_Bles.Visible\nprint ShopFr.Razdel_B(3).Left\n"), "true\n200\n");
    t.game().save.PlayerMoney = 77;
    t.run("click ShopFr.Label5\nclick Form1.Butt_base\nclick Base.But_shop\nadvance 1500\n");
    EXPECT_EQ(t.run("print ShopFr.Frame_Udochki.Visible\nprint ShopFr.Frame_Leska.Visible\n"
                    "print ShopFr.Frame_Nas.Visible\nprint ShopFr.Frame_Bles.Visible\n"
                    "print ShopFr.Frame_Prik.Visible\n"),
              "true\nfalse\nfalse\nfalse\nfalse\n");
    EXPECT_EQ(t.run("print ShopFr.Razdel_B(0).Left\nprint ShopFr.Razdel_B(1).Left\nprint ShopFr.Razdel_B(3).Left\n"
                    "print ShopFr.Label_Money.Caption\n"),
              "200\n120\n120\nДеньги: 77\n");
}

TEST(BaseHub, DirectWindowsOpenOverTheBase) {
    TestGame t;
    OpenBase(t);
    t.game().window<klev::Fish_Ocenka>().List1.addItem("Оценка завершена");
    t.run("click Base.but_oc\n");
    EXPECT_EQ(t.run("print Fish_Ocenka.Visible\nprint Fish_Ocenka.List1.ListCount\n"), "true\n0\n");
    EXPECT_EQ(t.run("click Base.But_Order\nprint Desk.Visible\nprint Base.Visible\n"), "true\ntrue\n");
    EXPECT_EQ(t.run("click Base.Image1\nprint InvenFr.Visible\nprint Base.Visible\n"), "true\ntrue\n");
    EXPECT_EQ(t.run("click Base.Image3\nprint Base.Visible\nprint Form1.Visible\n"), "false\ntrue\n");
}

TEST(BaseHub, RecordsListInTheUsersDecimalFormat) {
    for (char sep : {',', '.'}) {
        SCOPED_TRACE(sep);
        TestGame t(sep);
        t.folder.write("Data/rec.cfg", {"3", "pike", "5250", "Дед", "perch", "800", "Иван", "som", "12000", "Петя"});
        OpenBase(t);
        t.run("click Base.Label1\n");
        const std::string s(1, sep);
        EXPECT_EQ(t.run("print Records.Visible\nitems Records.List1\n"),
                  "true\npike: 5" + s + "25 кг. Поймал: Дед\nperch: 0" + s + "8 кг. Поймал: Иван\n"
                  "som: 12 кг. Поймал: Петя\n.\n");
        // The list is filled afresh each time, and follows the book in memory.
        t.game().book.RecordBook[1].Weight = 1001;
        t.game().book.RecordBook[1].Holder = "Вася";
        EXPECT_EQ(t.run("click Base.Label1\nprint Records.List1.ListCount\nprint Records.List1.List(1)\n"),
                  "3\nperch: 1" + s + "001 кг. Поймал: Вася\n");
        EXPECT_EQ(t.run("click Records.Label1\nprint Records.Visible\nprint Base.Visible\n"), "false\ntrue\n");
    }
}

TEST(BaseHub, AnEmptyRecordsBookShowsAnEmptyList) {
    TestGame t;
    t.folder.write("Data/rec.cfg", {"0"});
    t.folder.writeBytes("images/wood2.jpg", PictureBytes(2, 2));
    OpenBase(t);
    EXPECT_EQ(t.run("click Base.Label1\nprint Records.Visible\nprint Records.List1.ListCount\nprint Records.Picture\n"),
              "true\n0\nwood2\n");
}

}  // namespace
