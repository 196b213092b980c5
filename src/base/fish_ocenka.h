#pragma once
// Window `Fish_Ocenka`.

#include "forms/form.h"

namespace klev {

class Game;

class Fish_Ocenka : public forms::Form {
public:
    explicit Fish_Ocenka(Game& game);



private:
    Game& game_;
};

}  // namespace klev
