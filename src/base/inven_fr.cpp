#include "base/inven_fr.h"

#include "shell/game.h"

namespace klev {

InvenFr::InvenFr(Game& game)
    : forms::Form(game.timers, "InvenFr"),

      game_(game) {
    Caption = "Инвентарь";
    Width = 9600;
    Height = 7200;
}

}  // namespace klev
