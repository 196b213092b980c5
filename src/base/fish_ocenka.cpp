#include "base/fish_ocenka.h"

#include "shell/game.h"

namespace klev {

Fish_Ocenka::Fish_Ocenka(Game& game)
    : forms::Form(game.timers, "Fish_Ocenka"),
      List1(add(forms::Kind::ListBox, "List1", 600, 1200, 8400, 4200)),
      game_(game) {
    Caption = "Оценка рыбы";
    Width = 9600;
    Height = 7200;
}

}  // namespace klev
