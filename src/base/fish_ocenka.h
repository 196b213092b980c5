#pragma once
// The evaluation window `Fish_Ocenka`: the title, the message list `List1`,
// the start label `Label3` (runs EvaluateCatch) and the finish label
// `Label4` (hides the window). The base clears `List1` when it opens the
// window; the evaluation only appends to it.

#include "forms/form.h"

namespace klev {

class Game;

class Fish_Ocenka : public forms::Form {
public:
    static constexpr const char* Name = "Fish_Ocenka";
    // The stock pictures this window shows, by tag.
    static constexpr const char* StockTags[] = {"vsy"};
    void takeStockPicture(std::string_view tag, const forms::Bitmap& p) override;
    explicit Fish_Ocenka(Game& game);

    forms::Control& Label1;  // "Оценить рыбу::"
    forms::Control& List1;   // messages of the evaluation
    forms::Control& Label3;  // "Начать оценку"
    forms::Control& Label4;  // "закончить"

private:
    Game& game_;
};

}  // namespace klev
