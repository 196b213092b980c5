#pragma once
// The entry window `Tour_Form` («Информация о турнире»): the rule, the
// target fish and the prize of the last opened tournament, the refusal
// line, and the start and cancel labels.

#include "forms/form.h"

namespace klev {

class Game;

class Tour_Form : public forms::Form {
public:
    static constexpr const char* Name = "Tour_Form";
    // The stock pictures this window shows, by tag.
    static constexpr const char* StockTags[] = {"tourinfo"};
    void takeStockPicture(std::string_view tag, const forms::Bitmap& p) override;
    explicit Tour_Form(Game& game);

    forms::Control& Label1;      // the rule
    forms::Control& Tur_Fish;    // "Рыба: " + the target species
    forms::Control& Tour_Prize;  // "Приз: " + the prize + " $"
    forms::Control& info;        // refusals
    forms::Control& Label3;      // "Начать": the entry
    forms::Control& Label4;      // "Отмена"

private:
    void Bold(forms::Control* button);
    Game& game_;
};

}  // namespace klev
