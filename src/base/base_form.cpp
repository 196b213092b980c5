#include "base/base_form.h"

#include "shell/game.h"

namespace klev {

Base::Base(Game& game)
    : forms::Form(game.timers, "Base"),
      But_shop(add(forms::Kind::Image, "But_shop", 600, 900, 3000, 2250)),
      but_pub(add(forms::Kind::Image, "but_pub", 8400, 900, 3000, 2250)),
      but_fishery(add(forms::Kind::Image, "but_fishery", 4500, 900, 3000, 2250)),
      but_oc(add(forms::Kind::Image, "but_oc", 900, 4500, 2400, 1800)),
      But_Order(add(forms::Kind::Image, "But_Order", 4950, 4500, 1800, 1800)),
      game_(game) {
    Caption = "Рыболовная база";
    Width = 12000;
    Height = 8400;
}

}  // namespace klev
