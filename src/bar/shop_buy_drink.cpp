#include "bar/shop_buy_drink.h"

#include <string>

#include "bar/kafe.h"
#include "data/numbers.h"
#include "shell/game.h"
#include "shell/source.h"

namespace klev {

using forms::Event;
using forms::Kind;

const Drink DrinkMenu[13] = {
    {"Пиво Клинское ", 1, 6, 1},          {"Пиво Миллер ", 2, 5, 3},
    {"Пиво Бэкс ", 3, 7, 4},              {"Пиво Тинькофф ", 4, 4, 5},
    {"Пиво Вертштайнер ", 5, 9, 6},       {"Пиво Гинес ", 10, 6, 13},
    {"Вино местного разлива ", 13, 13, 10}, {"Мартини ", 20, 20, 20},
    {"Виски ", 25, 43, 30},               {"Водка Путинка ", 14, 40, 15},
    {"Русский Стандарт ", 35, 40, 40},    {"Пиво Золотой фазан ", 7, 7, 7},
    {"Абсент ", 50, 60, 100},
};

namespace {

constexpr forms::Color Counter = 0x1E3A5A;  // dark wood behind the bottles
constexpr forms::Color Cream = 0xD0F0FF;
constexpr float Cell = 1080;  // one drink: a 64-pixel picture and a margin
constexpr float MeterRedFrom = 800;

Long Quantity(const Game& game) { return game.bar.TreatAll ? 4 : 1; }

}  // namespace

Shop_BuyDrink::Shop_BuyDrink(Game& game)
    : forms::Form(game.timers, Name),
      Images{},
      Label1(label("Label1", "", 240, 120, 7200, 420)),
      Label3(label("Label3", "", 240, 3480, 3000, 330)),
      Label4(label("Label4", "Двойной щелчек - покупка товара", 3360, 3480, 4200, 330)),
      Info(label("Info", "", 240, 3000, 7200, 375)),
      Label2(label("Label2", "Выход", 6360, 3900, 1200, 375)),
      game_(game) {
    Caption = "Купить выпить";
    Width = 7680;
    Height = 4440;
    BackColor = Counter;
    Source& source = game.window<Source>();
    for (int i = 0; i < 13; ++i) {
        // Two shelves: seven bottles above, six below.
        const int row = i < 7 ? 0 : 1;
        const int col = i < 7 ? i : i - 7;
        const std::string name = "Image" + std::to_string(i + 1);
        forms::Control& image = add(Kind::Image, name, 240 + col * Cell + row * Cell / 2, 660 + row * Cell, 960, 960);
        image.setPicture(source.Fixed("drink" + std::to_string(i + 1)));
        Images[i] = &image;
        on(name, Event::MouseMove, [this, i] { Hover(i); });
        on(name, Event::DblClick, [this, i] { Buy(i); });
    }
    for (forms::Control* c : {&Label1, &Label3, &Label4, &Info, &Label2}) c->ForeColor = Cream;
    Label1.FontSize = 12;
    Label1.FontBold = true;
    Info.FontBold = true;
    Info.ForeColor = 0x80FFFF;
    Label2.Centered = true;
    on("Label2", Event::Click, [this] { Hide(); });
    on("Label2", Event::MouseMove, [this] { Label2.FontBold = true; });
    on("", Event::MouseMove, [this] { Label2.FontBold = false; });
}

void Shop_BuyDrink::Hover(int i) {
    Info.Caption = std::string(DrinkMenu[i].name) + data::IntText(Quantity(game_) * DrinkMenu[i].price) + " $";
}

void Shop_BuyDrink::Buy(int i) {
    const Long cost = Quantity(game_) * DrinkMenu[i].price;
    if (game_.save.PlayerMoney < cost) return;
    game_.save.PlayerMoney -= cost;
    game_.bar.DrinkAttitudeGain = DrinkMenu[i].attitudeGain;
    game_.bar.DrinkStrength = DrinkMenu[i].strength;
    Drinkin(game_);
}

void Drinkin(Game& game) {
    BarState& bar = game.bar;
    if (bar.TreatAll) {
        for (RegularRecord& regular : game.save.Regulars) {
            regular.Drunkenness += bar.DrinkStrength;
            if (regular.Tolerance >= regular.Drunkenness) regular.Attitude += bar.DrinkAttitudeGain;
        }
    }
    bar.Drunkenness += bar.DrinkStrength;
    bar.DrinkMeter += bar.DrinkStrength * 10;
    if (bar.DrinkMeter >= MeterRedFrom) bar.DrinkMeterRed = true;
    game.window<Shop_BuyDrink>().Hide();
    if (bar.Drunkenness > 99) PassOut(game);
    game.window<Kafe>().ShowHall();
}

}  // namespace klev
