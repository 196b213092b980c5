#pragma once
// Window `Trofei`.

#include "forms/form.h"

namespace klev {

class Game;

class Trofei : public forms::Form {
public:
    explicit Trofei(Game& game);



private:
    Game& game_;
};

}  // namespace klev
