#pragma once
// Window `Base`.

#include "forms/form.h"

namespace klev {

class Game;

class Base : public forms::Form {
public:
    explicit Base(Game& game);

    forms::Control& But_shop;
    forms::Control& but_pub;
    forms::Control& but_fishery;
    forms::Control& but_oc;
    forms::Control& But_Order;

private:
    Game& game_;
};

}  // namespace klev
