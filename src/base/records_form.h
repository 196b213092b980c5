#pragma once
// Window `Records`.

#include "forms/form.h"

namespace klev {

class Game;

class Records : public forms::Form {
public:
    explicit Records(Game& game);



private:
    Game& game_;
};

}  // namespace klev
