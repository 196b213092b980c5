#pragma once
// The fish buyer `Fishery`: buys the whole keep-net at one dollar per whole
// kilogram of total weight. `Label6` sells on a double click, `Label7`
// shows the outcome until the mouse moves over the window background,
// `Label4` leaves.

#include "forms/form.h"

namespace klev {

class Game;

class Fishery : public forms::Form {
public:
    static constexpr const char* Name = "Fishery";
    // The stock pictures this window shows, by tag.
    static constexpr const char* StockTags[] = {"fishery_background"};
    void takeStockPicture(std::string_view tag, const forms::Bitmap& p) override;
    explicit Fishery(Game& game);

    forms::Control& Label3;  // the description
    forms::Control& Label6;  // sell everything (double click)
    forms::Control& Label7;  // the outcome of a sale
    forms::Control& Label4;  // "Выход"

private:
    void Label6_DblClick();
    Game& game_;
};

}  // namespace klev
