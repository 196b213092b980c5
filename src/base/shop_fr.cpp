#include "base/shop_fr.h"

#include "shell/game.h"

namespace klev {

ShopFr::ShopFr(Game& game)
    : forms::Form(game.timers, "ShopFr"),
      List_Sp(add(forms::Kind::ListBox, "List_Sp", 120, 240, 3600, 2175)),
      List_Leska(add(forms::Kind::ListBox, "List_Leska", 120, 240, 3600, 2175)),
      List_Nas(add(forms::Kind::ListBox, "List_Nas", 120, 240, 3600, 2175)),
      List_Bles(add(forms::Kind::ListBox, "List_Bles", 120, 240, 3600, 2175)),
      game_(game) {
    Caption = "Магазин";
    Width = 9600;
    Height = 7200;
}

}  // namespace klev
