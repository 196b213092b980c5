#pragma once
// Window `Movie1`.

#include "forms/form.h"

namespace klev {

class Game;

class Movie1 : public forms::Form {
public:
    explicit Movie1(Game& game);



private:
    Game& game_;
};

}  // namespace klev
