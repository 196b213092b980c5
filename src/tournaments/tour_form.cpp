#include "tournaments/tour_form.h"

#include "shell/game.h"

namespace klev {

Tour_Form::Tour_Form(Game& game)
    : forms::Form(game.timers, Name),

      game_(game) {
    Caption = "Турнир";
    Width = 9600;
    Height = 7200;
}

void Tour_Form::takeStockPicture(std::string_view tag, const forms::Bitmap& p) {
    if (tag == "tourinfo") Picture = p;
}

}  // namespace klev
