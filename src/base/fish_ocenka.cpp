#include "base/fish_ocenka.h"

#include "base/catch_functions.h"
#include "shell/game.h"

namespace klev {

using forms::Event;
using forms::Kind;

namespace {
constexpr forms::Color LightText = 0xE8F4F8;
constexpr forms::Color ListInk = 0x3A2A1A;
constexpr forms::Color ListPaper = 0xE6F2F8;
}  // namespace

Fish_Ocenka::Fish_Ocenka(Game& game)
    : forms::Form(game.timers, Name),
      Label1(label("Label1", "Оценить рыбу::", 600, 240, 7200, 600)),
      List1(add(Kind::ListBox, "List1", 600, 960, 7200, 4080)),
      Label3(label("Label3", "Начать оценку", 600, 5220, 3000, 480)),
      Label4(label("Label4", "закончить", 4800, 5220, 3000, 480)),
      game_(game) {
    Caption = "Оценка рыбы";
    // The window is the size of its background picture, the scales (560 x 400).
    Width = 8400;
    Height = 6000;
    BackColor = 0x4A3A2A;
    Label1.FontSize = 16;
    Label1.FontBold = true;
    Label1.Centered = true;
    List1.FontSize = 10;
    List1.ForeColor = ListInk;
    List1.BackColor = ListPaper;
    for (forms::Control* c : {&Label1, &Label3, &Label4}) {
        c->ForeColor = LightText;
        c->BackTransparent = false;
        c->BackColor = 0x2A3A4A;
    }
    Label3.FontSize = 12;
    Label4.FontSize = 12;
    Label3.Centered = true;
    Label4.Centered = true;

    on("Label3", Event::Click, [this] { EvaluateCatch(game_); });
    on("Label4", Event::Click, [this] { Hide(); });
    on("Label3", Event::MouseMove, [this] {
        Label3.FontBold = true;
        Label4.FontBold = false;
    });
    on("Label4", Event::MouseMove, [this] {
        Label4.FontBold = true;
        Label3.FontBold = false;
    });
    on("", Event::MouseMove, [this] {
        Label3.FontBold = false;
        Label4.FontBold = false;
    });
}

void Fish_Ocenka::takeStockPicture(std::string_view tag, const forms::Bitmap& p) {
    if (tag == "vsy") Picture = p;
}

}  // namespace klev
