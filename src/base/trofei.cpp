#include "base/trofei.h"

#include "shell/game.h"

namespace klev {

Trofei::Trofei(Game& game)
    : forms::Form(game.timers, "Trofei"),

      game_(game) {
    Caption = "Пойманая рыба";
    Width = 9600;
    Height = 7200;
}

}  // namespace klev
