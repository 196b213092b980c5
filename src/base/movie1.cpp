#include "base/movie1.h"

#include "shell/game.h"

namespace klev {

Movie1::Movie1(Game& game)
    : forms::Form(game.timers, "Movie1"),

      game_(game) {
    Caption = "";
    Width = 9600;
    Height = 7200;
}

}  // namespace klev
