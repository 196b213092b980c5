#include "base/fishery.h"

#include "data/numbers.h"
#include "shell/game.h"
#include "shell/journal.h"

namespace klev {

using forms::Event;

Fishery::Fishery(Game& game)
    : forms::Form(game.timers, Name),
      Label3(label("Label3",
                   "Здесь вы можете продать всю свою рыбу по общей цене. Стоимость одного киллограма - 1$", 600,
                   300, 7200, 1200)),
      Label6(label("Label6", "Продать всю рыбу (двойной щелчок)", 1200, 2400, 6000, 600)),
      Label7(label("Label7", "", 1200, 3300, 6000, 600)),
      Label4(label("Label4", "Выход", 6000, 5160, 1800, 480)),
      game_(game) {
    Caption = "Рыбный магазин";
    // The window is the size of its background picture (560 x 400).
    Width = 8400;
    Height = 6000;
    BackColor = 0x5A4A3A;
    // Dark plates keep the light text readable over the bright shop picture.
    for (forms::Control* c : {&Label3, &Label6, &Label7, &Label4}) {
        c->BackTransparent = false;
        c->BackColor = 0x2E3A46;
        c->FontSize = 12;
        c->ForeColor = 0xE8F4F8;
    }
    Label3.Centered = true;
    Label6.Centered = true;
    Label6.FontSize = 14;
    Label6.ForeColor = 0x80FFFF;  // pale yellow: the one thing to act on
    Label7.Centered = true;
    Label7.ForeColor = 0x60D0FF;  // warm orange for the buyer's answer
    Label4.Centered = true;

    on("Label6", Event::DblClick, [this] { Label6_DblClick(); });
    on("Label4", Event::Click, [this] { Hide(); });
    on("Label4", Event::MouseMove, [this] { Label4.FontBold = true; });
    on("Label3", Event::MouseMove, [this] { Label4.FontBold = false; });
    on("", Event::MouseMove, [this] { Label7.Caption = ""; });
}

void Fishery::Label6_DblClick() {
    if (game_.save.CaughtFish.empty()) {
        Label7.Caption = "Нет у тебя рыбы!";
        return;
    }
    Long total = 0;
    for (const FishRecord& fish : game_.save.CaughtFish) total += fish.Weight;
    if (total < 1000) {
        Label7.Caption = "Даже на киллограм не хватает!";
        return;
    }
    const Long dollars = total / 1000;  // whole kilograms; total is at least 1000 here
    game_.save.PlayerMoney = data::AddMoney(game_.save.PlayerMoney, double(dollars));
    Label7.Caption = "Вы продали всю рыбу на " + data::IntText(dollars) + " $";
    for (const FishRecord& fish : game_.save.CaughtFish) JournalFate(game_, fish, FishFate::Bought);
    game_.save.CaughtFish.clear();
}

void Fishery::takeStockPicture(std::string_view tag, const forms::Bitmap& p) {
    if (tag == "fishery_background") Picture = p;
}

}  // namespace klev
