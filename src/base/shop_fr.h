#pragma once
// Window `ShopFr`.

#include "forms/form.h"

namespace klev {

class Game;

class ShopFr : public forms::Form {
public:
    explicit ShopFr(Game& game);

    forms::Control& List_Sp;
    forms::Control& List_Leska;
    forms::Control& List_Nas;
    forms::Control& List_Bles;

private:
    Game& game_;
};

}  // namespace klev
