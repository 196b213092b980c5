#pragma once
// The evaluation window `Fish_Ocenka`: the message list `List1`, the start
// label `Label3` (runs EvaluateCatch) and the finish label `Label4`.

#include "forms/form.h"

namespace klev {

class Game;

class Fish_Ocenka : public forms::Form {
public:
    explicit Fish_Ocenka(Game& game);

    forms::Control& List1;  // messages of the evaluation; cleared by the base on opening

private:
    Game& game_;
};

}  // namespace klev
