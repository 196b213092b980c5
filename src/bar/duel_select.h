#pragma once
// The duel set-up window `Duel_Select` («Дуэль»): the stake (`Text1`, "100"
// at first), the conditions (`Duel_T`, a combo box: "общий вес",
// "самай крупная рыба", "колличество"), "начать" (`Label4`), "отмена"
// (`Label5`) and `Info` for refusals. Opened modeless by the bar.

#include "forms/form.h"

namespace klev {

class Game;

class Duel_Select : public forms::Form {
public:
    static constexpr const char* Name = "Duel_Select";
    explicit Duel_Select(Game& game);

    forms::Control& Label1;  // "Дуэль"
    forms::Control& Label3;  // "вознаграждение"
    forms::Control& Text1;   // the stake
    forms::Control& Label2;  // "условия победы"
    forms::Control& Duel_T;  // the conditions
    forms::Control& Label4;  // "начать"
    forms::Control& Label5;  // "отмена"
    forms::Control& Info;

private:
    void Label4_Click();
    Game& game_;
};

}  // namespace klev
