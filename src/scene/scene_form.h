#pragma once
// The fishing scene window `SceneForm`.

#include "forms/form.h"

namespace klev {

class Game;

class SceneForm : public forms::Form {
public:
    explicit SceneForm(Game& game);

    forms::Control& Picture1;  // the place picture
    forms::Control& Speening;  // the rod
    forms::ControlArray& popl;  // float body (0) and antenna (1)
    forms::Control& SLED;
    forms::Control& Butt_Popl;
    forms::Control& Butt_Bles;
    forms::Control& Duel_Console;
    forms::Control& Duel_Vremya;

    forms::Timer& Sound_T;
    forms::Timer& Duel_T;
    forms::Timer& Tur_T;

private:
    Game& game_;
};

}  // namespace klev
