#include "base/fishery.h"

#include "shell/game.h"

namespace klev {

Fishery::Fishery(Game& game)
    : forms::Form(game.timers, "Fishery"),

      game_(game) {
    Caption = "Рыбный магазин";
    Width = 9600;
    Height = 7200;
}

}  // namespace klev
