#pragma once
// Window `InvenFr`.

#include "forms/form.h"

namespace klev {

class Game;

class InvenFr : public forms::Form {
public:
    explicit InvenFr(Game& game);



private:
    Game& game_;
};

}  // namespace klev
