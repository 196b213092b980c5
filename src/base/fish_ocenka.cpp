#include "base/fish_ocenka.h"

#include "shell/game.h"

namespace klev {

Fish_Ocenka::Fish_Ocenka(Game& game)
    : forms::Form(game.timers, "Fish_Ocenka"),

      game_(game) {
    Caption = "Оценка рыбы";
    Width = 9600;
    Height = 7200;
}

}  // namespace klev
