#include "base/base_form.h"

#include "base/catch_functions.h"
#include "base/fish_ocenka.h"
#include "base/inventory.h"
#include "base/movie1.h"
#include "base/records_form.h"
#include "shell/game.h"
#include "shell/source.h"
#include "tournaments/desk.h"

namespace klev {

using forms::Event;
using forms::Kind;

namespace {

// The art leaves open ground for the buildings at these pixel rectangles
// of the base picture; 15 twips a pixel.
constexpr float Px = float(forms::TwipsPerPixel);

forms::Control& Building(forms::Control& c) {
    c.Stretch = true;  // the building keeps its plot whatever the picture's size
    return c;
}

}  // namespace

Base::Base(Game& game)
    : forms::Form(game.timers, Name),
      But_shop(Building(add(Kind::Image, "But_shop", 40 * Px, 60 * Px, 200 * Px, 150 * Px))),
      but_fishery(Building(add(Kind::Image, "but_fishery", 300 * Px, 60 * Px, 200 * Px, 150 * Px))),
      but_pub(Building(add(Kind::Image, "but_pub", 560 * Px, 60 * Px, 200 * Px, 150 * Px))),
      but_oc(Building(add(Kind::Image, "but_oc", 60 * Px, 300 * Px, 160 * Px, 120 * Px))),
      But_Order(Building(add(Kind::Image, "But_Order", 330 * Px, 300 * Px, 120 * Px, 120 * Px))),
      Image1(Building(add(Kind::Image, "Image1", 480, 7080, 960, 960))),
      Image2(Building(add(Kind::Image, "Image2", 1680, 7080, 960, 960))),
      Image3(Building(add(Kind::Image, "Image3", 2880, 7080, 960, 960))),
      Label1(label("Label1", "рекорды", 10200, 7380, 1440, 420)),
      info(label("info", "", 3960, 7140, 6120, 780)),
      game_(game) {
    Caption = "Рыболовная база";
    Width = 12000;
    Height = 8400;
    BackColor = 0x406850;
    Source& source = game.window<Source>();
    Image1.setPicture(source.Fixed("icon_things"));
    Image2.setPicture(source.Fixed("icon_fish"));
    Image3.setPicture(source.Fixed("icon_map"));
    info.FontSize = 12;
    info.FontBold = true;
    info.Centered = true;
    info.ForeColor = 0xC0FFFF;
    Label1.FontSize = 12;
    Label1.ForeColor = 0xFFFFFF;
    Label1.Centered = true;

    on("But_shop", Event::Click, [this] { GoTo("shop1"); });
    on("but_pub", Event::Click, [this] { GoTo("pub"); });
    on("but_fishery", Event::Click, [this] { GoTo("fishery"); });
    on("but_oc", Event::Click, [this] { but_oc_Click(); });
    on("But_Order", Event::Click, [&game] { game.window<Desk>().Show(); });
    on("Image1", Event::Click, [&game] { OpenInventoryFromBase(game); });
    on("Image2", Event::Click, [&game] { ShowCaughtFish(game); });
    on("Image3", Event::Click, [this] { Hide(); });
    on("Label1", Event::Click, [this] { Label1_Click(); });

    Hover("But_shop", "Рыболовный магазин");
    Hover("but_fishery", "Рыбный магазин");
    Hover("but_pub", "Бар");
    Hover("but_oc", "Оценить пойманую рыбу");
    Hover("But_Order", "Доска обьявлений. Здесь вывешивают объявления турниров");
    Hover("Image1", "Снасти");
    Hover("Image2", "Пойманая рыба");
    Hover("Image3", "Карта водоема");
    // The records label names itself; like every label button it turns bold.
    on("Label1", Event::MouseMove, [this] { Label1.FontBold = true; });
    on("", Event::MouseMove, [this] {
        info.Caption = "";
        Label1.FontBold = false;
    });
}

void Base::Hover(const std::string& control, const std::string& caption) {
    on(control, Event::MouseMove, [this, caption] { info.Caption = caption; });
}

void Base::GoTo(const std::string& destination) {
    game_.place.BaseDestination = destination;
    Hide();
    ShowBaseTransition(game_);
}

void Base::but_oc_Click() {
    Fish_Ocenka& evaluation = game_.window<Fish_Ocenka>();
    evaluation.List1.clear();
    evaluation.Show();
}

void Base::Label1_Click() {
    Records& records = game_.window<Records>();
    records.List1.clear();
    for (const FishRecord& entry : game_.book.RecordBook)
        records.List1.addItem(entry.Name + ": " + game_.numberText(double(entry.Weight) / 1000.0) +
                              " кг. Поймал: " + entry.Holder);
    records.Show();
}

void Base::takeStockPicture(std::string_view tag, const forms::Bitmap& p) {
    if (tag == "base") Picture = p;
    else if (tag == "but_shop1") But_shop.setPicture(p);
    else if (tag == "butt_pub") but_pub.setPicture(p);
    else if (tag == "but_fishery") but_fishery.setPicture(p);
    else if (tag == "but_oc") but_oc.setPicture(p);
    else if (tag == "order") But_Order.setPicture(p);
}

}  // namespace klev
