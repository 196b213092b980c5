#pragma once
// Window `Kafe`.

#include "forms/form.h"

namespace klev {

class Game;

class Kafe : public forms::Form {
public:
    static constexpr const char* Name = "Kafe";
    explicit Kafe(Game& game);

    forms::Control& Image1;  // the four regulars


private:
    Game& game_;
};

}  // namespace klev
