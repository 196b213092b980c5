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

}  // namespace klev
