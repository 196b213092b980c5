#include "tournaments/desk.h"

#include "shell/game.h"

namespace klev {

Desk::Desk(Game& game)
    : forms::Form(game.timers, Name),

      game_(game) {
    Caption = "Доска объявлений";
    Width = 9600;
    Height = 7200;
}

void Desk::takeStockPicture(std::string_view tag, const forms::Bitmap& p) {
    if (tag == "wood") Picture = p;
}

}  // namespace klev
