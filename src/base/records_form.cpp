#include "base/records_form.h"

#include "shell/game.h"

namespace klev {

Records::Records(Game& game)
    : forms::Form(game.timers, "Records"),

      game_(game) {
    Caption = "Рекорды";
    Width = 9600;
    Height = 7200;
}

}  // namespace klev
