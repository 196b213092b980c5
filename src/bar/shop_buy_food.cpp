#include "bar/shop_buy_food.h"

#include <string>

#include "bar/kafe.h"
#include "shell/game.h"
#include "shell/source.h"

namespace klev {

using forms::Event;
using forms::Kind;

const Dish FoodMenu[5] = {
    {"Пицца 10$", 10, 20, 40, 0},
    {"Картофель Фри 1$", 1, 5, 5, 0},
    {"Салаты 7$", 7, 20, 15, 0},
    {"Жареные сосиски с блинами 15$", 15, 30, 30, 5},
    {"Шашлык из баранины 30$", 30, 60, 50, 30},
};

namespace {

constexpr forms::Color Tablecloth = 0x2A3A6A;  // dark red cloth
constexpr forms::Color Cream = 0xD0F0FF;
constexpr float Cell = 1200;

}  // namespace

Shop_BuyFood::Shop_BuyFood(Game& game)
    : forms::Form(game.timers, Name),
      Images{},
      Label3(label("Label3", "", 240, 2040, 2520, 330)),
      Label4(label("Label4", "Двойной щелчек - покупка товара", 2760, 2040, 3720, 330)),
      Info(label("Info", "", 240, 1560, 6240, 375)),
      Label2(label("Label2", "Выход", 5280, 2460, 1200, 375)),
      game_(game) {
    Caption = "Купить закуску";
    Width = 6600;
    Height = 3000;
    BackColor = Tablecloth;
    Source& source = game.window<Source>();
    for (int i = 0; i < 5; ++i) {
        const std::string name = "Image" + std::to_string(i + 1);
        forms::Control& image = add(Kind::Image, name, 360 + i * Cell, 240, 960, 960);
        image.setPicture(source.Fixed("dish" + std::to_string(i + 1)));
        Images[i] = &image;
        on(name, Event::MouseMove, [this, i] { Info.Caption = FoodMenu[i].hover; });
        on(name, Event::DblClick, [this, i] { Buy(i); });
    }
    for (forms::Control* c : {&Label3, &Label4, &Info, &Label2}) c->ForeColor = Cream;
    Info.FontBold = true;
    Info.ForeColor = 0x80FFFF;
    Label2.Centered = true;
    on("Label2", Event::Click, [this] { Hide(); });
    on("Label2", Event::MouseMove, [this] { Label2.FontBold = true; });
    on("", Event::MouseMove, [this] { Label2.FontBold = false; });
}

void Shop_BuyFood::Buy(int i) {
    const Dish& dish = FoodMenu[i];
    if (game_.save.PlayerMoney < dish.price) return;
    if (dish.attitudeGain != 0)
        for (RegularRecord& regular : game_.save.Regulars) regular.Attitude += dish.attitudeGain;
    BarState& bar = game_.bar;
    bar.Drunkenness -= dish.sobering;
    if (bar.Drunkenness < 0) bar.Drunkenness = 0;
    bar.Satiety += dish.satiety;
    game_.save.PlayerMoney -= dish.price;
    bar.DrinkMeter = bar.Drunkenness * 10;
    bar.SatietyMeter = bar.Satiety * 10;
    game_.window<Kafe>().ShowHall();
    Hide();
}

}  // namespace klev
