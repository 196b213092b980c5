#pragma once
// Window `Tour_Form`.

#include "forms/form.h"

namespace klev {

class Game;

class Tour_Form : public forms::Form {
public:
    static constexpr const char* Name = "Tour_Form";
    explicit Tour_Form(Game& game);



private:
    Game& game_;
};

}  // namespace klev
