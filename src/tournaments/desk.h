#pragma once
// Window `Desk`.

#include "forms/form.h"

namespace klev {

class Game;

class Desk : public forms::Form {
public:
    static constexpr const char* Name = "Desk";
    explicit Desk(Game& game);



private:
    Game& game_;
};

}  // namespace klev
