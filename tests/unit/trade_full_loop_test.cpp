// The whole road of one catch through the driver: buy tackle, rig it, fish
// with scripted draws, land, evaluate at the base, save, and start again
// with the same name to find everything as it was left.

#include <gtest/gtest.h>

#include <sstream>

#include "test_game.h"

namespace {

using testing_support::TestGame;

// The Rnd value for which Int(Rnd * n) + 1 is k.
std::string Value(double x) {
    std::ostringstream s;
    s.precision(17);
    s << x;
    return s.str();
}

std::string Pick(long long k, long long n) { return Value((double(k) - 0.5) / double(n)); }

std::string Rnd(std::initializer_list<std::string> values) {
    std::string line = "rnd";
    for (const std::string& v : values) line += " " + v;
    return line + "\n";
}

TEST(TradeFullLoop, BuyRigFishLandEvaluateSaveAndComeBack) {
    TestGame t;
    // A place whose shore line lies 105 twips below the
    // cast line, no snags; a perch record that a 600 g perch beats.
    t.folder.write("Data/Maps/lake/Loc1/Conf.cfg", {"0", "2505", "2400", "0", "3", "щука 60", "окунь100", "сом  5"});
    t.folder.write("Data/rec.cfg", {"2", "pike", "3000", "Дед", "perch", "500", "Иван"});
    t.startAs("Рыбак");

    // The shop: a rod (10 $), a line (5 $) and worms (3 $).
    t.run("click Form1.Butt_base\nclick Base.But_shop\nadvance 1500\n"
          "click ShopFr.Razdel_B(0)\nselect ShopFr.List_Sp 0\ndblclick ShopFr.List_Sp\n"
          "click ShopFr.Razdel_B(1)\nselect ShopFr.List_Leska 0\ndblclick ShopFr.List_Leska\n"
          "click ShopFr.Razdel_B(2)\nselect ShopFr.List_Nas 0\ndblclick ShopFr.List_Nas\n"
          "click ShopFr.Label5\n");
    ASSERT_EQ(t.print("PlayerMoney"), "32");
    ASSERT_EQ(t.print("OwnedRodCount"), "1");
    ASSERT_EQ(t.print("OwnedLineCount"), "1");
    ASSERT_EQ(t.print("OwnedBaitCount"), "1");

    // The inventory: rod, line and bait in use.
    t.run("click Form1.Butt_base\nclick Base.Image1\n"
          "down InvenFr.But_SP 100 100\nselect InvenFr.List1 0\n"
          "down InvenFr.Label2 100 100\nselect InvenFr.List1 0\n"
          "down InvenFr.Label3 100 100\nselect InvenFr.List1 0\n"
          "click InvenFr.Label5\nclick Base.Image3\n");
    ASSERT_EQ(t.run("print RodSlot\nprint LineSlot\nprint BaitSlot\n"), "1\n1\n1\n");

    // The place, the cast, and a perch of 600 g found by the first search.
    t.run("click Form1.PScene(1)\nkeypress SceneForm 32\nadvance 500\n");
    ASSERT_EQ(t.print("SceneForm.Visible"), "true");
    t.run(Rnd({Pick(2, 3), Pick(50, 100), Pick(50, 100), Pick(2, 5)}));
    // Three nested weight draws of a 50..1000 g species: 552, 551, then 550 g above the least.
    t.run(Rnd({Value(552.5 / 950), Value(551.5 / 552), Value(550.5 / 551)}));
    t.run("advance 300\n");
    ASSERT_EQ(t.run("rndleft\nprint FishWeight\n"), "0\n600\n");
    // A nibble that turns into a bite of kind 2, struck in time.
    t.run(Rnd({Pick(100, 110), Pick(3, 3), Pick(1, 50), Pick(2, 4), Pick(1, 500)}));
    t.run("advance 300\nkeypress SceneForm 13\nadvance 120\n");
    ASSERT_EQ(t.print("Hooked"), "true");
    // Ten reel steps of 7 twips from 2435 to the shore line at 2505; the
    // fish pulls every 100 ms, each reel step draws the snag roll.
    for (int step = 1; step <= 10; ++step) {
        if (step % 2 == 0) t.run(Rnd({Pick(1, 3)}));
        t.run(Rnd({Pick(6000, 6000)}));
    }
    t.run("keydown SceneForm 71\nadvance 500\n");
    ASSERT_EQ(t.run("rndleft\n"), "0\n");
    ASSERT_EQ(t.print("CaughtCount"), "1");
    EXPECT_EQ(t.print("Trofei.Visible"), "true");
    EXPECT_EQ(t.run("items Trofei.Fish_List\n"), "окунь 600 г\n.\n");
    EXPECT_EQ(t.print("Trofei.Fish_Ves.Caption"), "600 г");
    EXPECT_EQ(t.print("Trofei.Fish_Pic.Picture"), "perch");

    // Back to the map and on to the evaluation.
    t.run("keyup SceneForm 71\nclick Trofei.Label1\nclick SceneForm.Image2\n");
    ASSERT_EQ(t.print("Form1.Visible"), "true");
    t.run("click Form1.Butt_base\nclick Base.but_oc\nclick Fish_Ocenka.Label3\n");
    EXPECT_EQ(t.run("items Fish_Ocenka.List1\n"),
              "Ваш окунь 600 г был занесен\n"
              "в книгу рекордов\n"
              "Вы продали: окунь 600 г за\n"
              "1,2 $\n"
              "Оценка завершена\n.\n");
    EXPECT_EQ(t.print("PlayerMoney"), "33");
    EXPECT_EQ(t.print("CaughtCount"), "0");
    EXPECT_EQ(t.run("click Form1.Label5\n"), "ended\n");

    // The same player starts again.
    driver::Options o;
    o.config = klev::DefaultVersion({});
    o.config.gameFolder = t.folder.game();
    o.config.systemFolder = t.folder.system();
    o.config.decimalSeparator = ',';
    driver::ScriptDriver again(std::move(o));
    std::istringstream script(
        "answer Рыбак\nstart\nadvance 2000\n"
        "print PlayerMoney\nprint RodSlot\nprint LineSlot\nprint BaitSlot\n"
        "print OwnedRods(1).Name\nprint OwnedLines(1).LineLength\nprint OwnedBaits(1).Name\n"
        "print OwnedBaits(1).Amount\nprint CaughtCount\n"
        "click Form1.Butt_base\nclick Base.Label1\nitems Records.List1\n");
    std::ostringstream out;
    ASSERT_EQ(again.run(script, out), driver::Finished);
    EXPECT_EQ(out.str(),
              "33\n1\n1\n1\n"
              "Удочка\n100\nчервь\n"
              "19\n0\n"
              "pike: 3 кг. Поймал: Дед\n"
              "perch: 0,6 кг. Поймал: Рыбак\n.\n");
}

}  // namespace
