#include "tournaments/tur_result.h"

#include "shell/game.h"

namespace klev {

Tur_Result::Tur_Result(Game& game)
    : forms::Form(game.timers, Name),
      Image1(add(forms::Kind::Image, "Image1", 240, 240, 2400, 3000)),
      game_(game) {
    Caption = "Итоги турнира";
    Width = 9600;
    Height = 7200;
}

void Tur_Result::takeStockPicture(std::string_view tag, const forms::Bitmap& p) {
    if (tag == "kubok") Image1.setPicture(p);
}

}  // namespace klev
