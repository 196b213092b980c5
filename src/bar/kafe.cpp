#include "bar/kafe.h"

#include "shell/game.h"

namespace klev {

Kafe::Kafe(Game& game)
    : forms::Form(game.timers, Name),
      Image1(add(forms::Kind::Image, "Image1", 600, 1200, 9600, 4500)),

      game_(game) {
    Caption = "Бар";
    Width = 9600;
    Height = 7200;
}

void Kafe::takeStockPicture(std::string_view tag, const forms::Bitmap& p) {
    if (tag == "bar") Picture = p;
    else if (tag == "pubcrew") Image1.setPicture(p);
}

}  // namespace klev
