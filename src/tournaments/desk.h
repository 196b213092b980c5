#pragma once
// The notice board `Desk` on the base: the tournament offer `Tour_Info`
// lying over "На Данный момент турниров нет", the rumour and the exit.

#include "forms/form.h"

namespace klev {

class Game;

class Desk : public forms::Form {
public:
    static constexpr const char* Name = "Desk";
    // The stock pictures this window shows, by tag.
    static constexpr const char* StockTags[] = {"wood"};
    void takeStockPicture(std::string_view tag, const forms::Bitmap& p) override;
    explicit Desk(Game& game);

    forms::Control& Label2;     // "На Данный момент турниров нет"
    forms::Control& Tour_Info;  // the offer, over Label2; opens Tour_Form
    forms::Control& Label3;     // the rumour
    forms::Control& Label1;     // "Выход": hides the board

private:
    Game& game_;
};

}  // namespace klev
