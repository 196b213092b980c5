#pragma once
// Window `Fishery`.

#include "forms/form.h"

namespace klev {

class Game;

class Fishery : public forms::Form {
public:
    explicit Fishery(Game& game);



private:
    Game& game_;
};

}  // namespace klev
