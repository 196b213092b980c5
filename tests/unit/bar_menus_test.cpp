#include "bar/shop_buy_drink.h"
#include "bar/shop_buy_food.h"
#include "bar_fixture.h"
#include "test_game.h"

namespace {

using bar_testing::BarTest;

// Drinks are Image1..Image13 of the menu, dishes Image1..Image5.
class BarMenus : public BarTest {
protected:
    std::string Treat(int drink, int times = 1) {
        std::string out;
        for (int i = 0; i < times; ++i)
            out += run("click Kafe.But_All\ndblclick Shop_BuyDrink.Image" + std::to_string(drink));
        return out;
    }
    void Drink(int drink) { run("click Kafe.But_Buy\ndblclick Shop_BuyDrink.Image" + std::to_string(drink)); }
    void Eat(int dish) { run("click Kafe.But_Din\ndblclick Shop_BuyFood.Image" + std::to_string(dish)); }
};

TEST_F(BarMenus, MenusOpenWithTitleAndMoneyAndHoverShowsTheCost) {
    game().save.PlayerMoney = 75;
    OpenBar();
    EXPECT_EQ(run("click Kafe.But_Buy\nprint Shop_BuyDrink.Visible\nprint Shop_BuyDrink.Caption\n"
                  "print Shop_BuyDrink.Label1.Caption\nprint Shop_BuyDrink.Label3.Caption\nprint TreatAll\n"
                  "move Shop_BuyDrink.Image1\nprint Shop_BuyDrink.Info.Caption\nmove Shop_BuyDrink.Image13\n"
                  "print Shop_BuyDrink.Info.Caption\n"),
              "true\nКупить выпить\nВыбери себе выпивку\nДеньги 75 $\nfalse\nПиво Клинское 1 $\nАбсент 50 $\n");
    EXPECT_EQ(run("click Kafe.But_All\nprint Shop_BuyDrink.Label1.Caption\nprint TreatAll\nmove Shop_BuyDrink.Image1\n"
                  "print Shop_BuyDrink.Info.Caption\nmove Shop_BuyDrink.Image7\nprint Shop_BuyDrink.Info.Caption\n"
                  "move Shop_BuyDrink.Label2\nprint Shop_BuyDrink.Label2.FontBold\nmove Shop_BuyDrink\n"
                  "print Shop_BuyDrink.Label2.FontBold\nclick Shop_BuyDrink.Label2\nprint Shop_BuyDrink.Visible\n"),
              "Угости всех выпивкой\ntrue\nПиво Клинское 4 $\nВино местного разлива 52 $\ntrue\nfalse\nfalse\n");
    EXPECT_EQ(run("click Kafe.But_Din\nprint Shop_BuyFood.Visible\nprint Shop_BuyFood.Caption\n"
                  "print Shop_BuyFood.Label3.Caption\nprint Shop_BuyFood.Label4.Caption\nmove Shop_BuyFood.Image4\n"
                  "print Shop_BuyFood.Info.Caption\nclick Shop_BuyFood.Label2\nprint Shop_BuyFood.Visible\n"),
              "true\nКупить закуску\nДеньги: 75 $\nДвойной щелчек - покупка товара\n"
              "Жареные сосиски с блинами 15$\nfalse\n");
}

TEST_F(BarMenus, EveryDrinkChargesAndStrengthensAsListed) {
    const struct {
        long long price, strength, gain;
    } drinks[] = {{1, 6, 1},   {2, 5, 3},   {3, 7, 4},   {4, 4, 5},   {5, 9, 6},   {10, 6, 13}, {13, 13, 10},
                  {20, 20, 20}, {25, 43, 30}, {14, 40, 15}, {35, 40, 40}, {7, 7, 7}, {50, 60, 100}};
    OpenBar();
    for (int i = 1; i <= 13; ++i) {
        SCOPED_TRACE(i);
        game().save.PlayerMoney = 1000;
        bar().Drunkenness = 0;
        Treat(i);
        EXPECT_EQ(game().save.PlayerMoney, 1000 - 4 * drinks[i - 1].price);
        EXPECT_EQ(bar().DrinkStrength, drinks[i - 1].strength);
        EXPECT_EQ(bar().DrinkAttitudeGain, drinks[i - 1].gain);
        EXPECT_EQ(bar().Drunkenness, drinks[i - 1].strength);
        EXPECT_EQ(print("Shop_BuyDrink.Visible"), "false");  // one purchase per opening
    }
}

TEST_F(BarMenus, TreatsWarmOnlyRegularsWithinTheirTolerance) {
    game().save.PlayerMoney = 400;
    OpenBar();
    Treat(13);  // "Абсент " for four: 200
    EXPECT_EQ(run("print PlayerMoney\nprint Regulars(1).Drunkenness\nprint Regulars(4).Drunkenness\n"
                  "print Regulars(1).Attitude\nprint Regulars(2).Attitude\nprint Regulars(3).Attitude\n"
                  "print Regulars(4).Attitude\nprint Drunkenness\n"),
              "200\n61\n61\n100\n100\n0\n0\n60\n");

    // Хумпi (tolerance 30) warms to seven Тинькофф (1 -> 29) and not to the eighth (33).
    OpenBar();
    bar().Drunkenness = 0;
    Treat(4, 7);
    EXPECT_EQ(run("print Regulars(4).Drunkenness\nprint Regulars(4).Attitude\n"), "29\n35\n");
    Treat(4);
    EXPECT_EQ(run("print Regulars(4).Drunkenness\nprint Regulars(4).Attitude\nprint Regulars(3).Attitude\n"),
              "33\n35\n40\n");

    // A drink for the player alone changes no regular.
    Drink(1);
    EXPECT_EQ(run("print Regulars(1).Drunkenness\nprint Regulars(1).Attitude\n"), "33\n140\n");
}

TEST_F(BarMenus, MoneyExactlyThePriceBuysAndOneLessIsSilentlyRefused) {
    OpenBar();
    game().save.PlayerMoney = 3;
    Drink(3);
    EXPECT_EQ(run("print PlayerMoney\nprint Drunkenness\n"), "0\n7\n");
    game().save.PlayerMoney = 15;
    Treat(3);  // 12 for four
    EXPECT_EQ(print("PlayerMoney"), "3");
    EXPECT_EQ(Treat(3), "");  // no message
    EXPECT_EQ(run("print PlayerMoney\nprint Shop_BuyDrink.Visible\nprint Drunkenness\n"), "3\ntrue\n14\n");
    run("click Shop_BuyDrink.Label2");

    game().save.PlayerMoney = 10;
    Eat(1);
    EXPECT_EQ(run("print PlayerMoney\nprint Satiety\n"), "0\n41\n");
    game().save.PlayerMoney = 9;
    Eat(1);
    EXPECT_EQ(run("print PlayerMoney\nprint Satiety\nprint Shop_BuyFood.Visible\n"), "9\n41\ntrue\n");
}

TEST_F(BarMenus, TheMeterGrowsByTheDrinkTurnsRedAt800AndStaysRed) {
    game().save.PlayerMoney = 1000;
    OpenBar();  // the player at 0: the meter starts at 0
    const std::string amber = print("Kafe.St_Drink.BackColor");
    Drink(10);  // 40
    Drink(7);   // 53
    Drink(4);   // 57
    Drink(5);   // 66
    Drink(7);   // 79
    EXPECT_EQ(run("print Kafe.St_Drink.Width\nprint Kafe.St_Drink.BackColor\n"), "790\n" + amber + "\n");
    Drink(12);  // 86
    EXPECT_EQ(run("print Kafe.St_Drink.Width\nprint Kafe.St_Drink.BackColor\n"), "860\n255\n");
    EXPECT_NE(amber, "255");
    Eat(5);  // 86 - 60 = 26: the meter shrinks, the red stays
    EXPECT_EQ(run("print Drunkenness\nprint Kafe.St_Drink.Width\nprint Kafe.St_Drink.BackColor\n"), "26\n260\n255\n");
    run("click Kafe.But_exit");
    OpenBar();
    EXPECT_EQ(print("Kafe.St_Drink.BackColor"), "255");
}

TEST_F(BarMenus, TheMeterIsRedFromExactly800) {
    game().save.PlayerMoney = 100;
    OpenBar();
    Drink(10);
    Drink(10);  // 2 x 40
    EXPECT_EQ(run("print Kafe.St_Drink.Width\nprint Kafe.St_Drink.BackColor\n"), "800\n255\n");
}

// A regular whose new drunkenness equals his tolerance still warms to the treat.
TEST_F(BarMenus, ToleranceIsComparedAfterTheDrinkAndIncludesTheBoundary) {
    game().save.PlayerMoney = 100;
    OpenBar();
    Treat(3, 7);  // "Пиво Бэкс " (7, gain 4) for four, seven times: 84 $
    EXPECT_EQ(run("print Regulars(3).Drunkenness\nprint Regulars(3).Attitude\nprint Regulars(4).Drunkenness\n"
                  "print Regulars(4).Attitude\nprint PlayerMoney\n"),
              "50\n28\n50\n16\n16\n");
}

TEST_F(BarMenus, PassingOutAbove99AndWakingAfterExactly30Seconds) {
    game().save.PlayerMoney = 100;
    OpenBar();
    bar().Drunkenness = 93;
    Drink(1);  // 99: still standing
    EXPECT_EQ(run("print Drunkenness\nprint Kafe.Frame1.Visible\nprint Form1.Visible\n"), "99\nfalse\ntrue\n");
    bar().Drunkenness = 95;
    const std::string before = print("Kafe.St_Drink.Width");
    Drink(1);  // 101
    EXPECT_EQ(run("print Drunkenness\nprint Kafe.Frame1.Visible\nprint Kafe.Label9.Caption\nprint Kafe.Label10.Caption\n"
                  "print Form1.Visible\nprint Kafe.TurboTimer.Enabled\nprint Kafe.Visible\n"),
              "50\ntrue\nТЫ ПЕРЕБРАЛ \nПодожди пока проснешся\nfalse\ntrue\ntrue\n");
    // The meter keeps the width it grew to.
    EXPECT_EQ(print("Kafe.St_Drink.Width"), std::to_string(std::stoi(before) + 60));
    bar().Drunkenness = 99;
    Drink(1);  // 105: passes out again at the same moment
    run("advance 29999");
    EXPECT_EQ(run("print Form1.Visible\nprint Kafe.Frame1.Visible\n"), "false\ntrue\n");
    run("advance 1");
    EXPECT_EQ(run("print Form1.Visible\nprint Kafe.Frame1.Visible\nprint Kafe.TurboTimer.Enabled\nprint Kafe.Visible\n"),
              "true\nfalse\nfalse\ntrue\n");
}

TEST_F(BarMenus, FoodSobersFillsAndTheSharedDishesWarmEverybody) {
    game().save.PlayerMoney = 200;
    OpenBar();
    bar().Drunkenness = 15;
    for (int i = 1; i <= 4; ++i) regular(i).Drunkenness = 200;  // asleep and past tolerance: still warmed
    Eat(3);  // 15 - 20 -> 0
    EXPECT_EQ(run("print Drunkenness\nprint Satiety\nprint Kafe.St_Drink.Width\nprint Kafe.St_Goloda.Width\n"
                  "print Regulars(1).Attitude\nprint Shop_BuyFood.Visible\n"),
              "0\n16\n0\n160\n0\nfalse\n");
    Eat(5);
    EXPECT_EQ(run("print Regulars(1).Attitude\nprint Regulars(2).Attitude\nprint Regulars(3).Attitude\n"
                  "print Regulars(4).Attitude\nprint PlayerMoney\n"),
              "30\n30\n30\n30\n163\n");
    Eat(4);
    EXPECT_EQ(run("print Regulars(4).Attitude\nprint Satiety\n"), "35\n96\n");
    Eat(2);
    EXPECT_EQ(run("print Regulars(4).Attitude\nprint Satiety\nprint PlayerMoney\n"), "35\n101\n147\n");
}

TEST_F(BarMenus, SatietyAbove99ShutsTheFoodMenuUntilTheNextVisit) {
    game().save.PlayerMoney = 100;
    OpenBar();
    Eat(1);
    Eat(1);
    EXPECT_EQ(print("Satiety"), "81");
    Eat(1);  // 81 <= 99: one more
    EXPECT_EQ(print("Satiety"), "121");
    EXPECT_EQ(run("click Kafe.But_Din\nprint Shop_BuyFood.Visible\nprint PlayerMoney\n"), "false\n70\n");
    bar().Satiety = 99;
    EXPECT_EQ(run("click Kafe.But_Din\nprint Shop_BuyFood.Visible\n"), "true\n");
    run("click Shop_BuyFood.Label2");
    bar().Satiety = 100;
    EXPECT_EQ(run("click Kafe.But_Din\nprint Shop_BuyFood.Visible\n"), "false\n");
    run("click Kafe.But_exit");
    OpenBar();
    EXPECT_EQ(run("print Satiety\nclick Kafe.But_Din\nprint Shop_BuyFood.Visible\n"), "1\ntrue\n");
}

TEST_F(BarMenus, AttitudesAreSavedInOrderAndLoadedBackButNotDrunkenness) {
    const long long attitudes[] = {140, 35, 0, 7};
    for (int i = 1; i <= 4; ++i) regular(i).Attitude = attitudes[i - 1];
    bar().Drunkenness = 40;
    regular(1).Drunkenness = 77;
    run("click Form1.Label5");
    const std::vector<std::string> lines = t.folder.readLines("Saves/Рыбак/vrb.cfg");
    ASSERT_EQ(lines.size(), 17u);
    EXPECT_EQ(std::vector<std::string>(lines.end() - 4, lines.end()),
              (std::vector<std::string>{"140", "35", "0", "7"}));
    EXPECT_EQ(testing_support::RunAgain(t.folder, "answer Рыбак\nstart\nadvance 2000\nprint Regulars(1).Attitude\n"
                                                  "print Regulars(2).Attitude\nprint Regulars(4).Attitude\n"
                                                  "print Regulars(1).Drunkenness\nprint Drunkenness\n"),
              "140\n35\n7\n1\n0\n");
}

}  // namespace
