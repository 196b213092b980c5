#pragma once
// The fishing base `Base`: a picture with hot spots. The shop, the bar and
// the fish buyer are reached through the transition window; the evaluation,
// the notice board, the inventory, the caught fish and the records list open
// directly; the map button hides the base. Hovering a spot names it in `info`.

#include <string>

#include "forms/form.h"

namespace klev {

class Game;

class Base : public forms::Form {
public:
    static constexpr const char* Name = "Base";
    // The stock pictures this window shows, by tag.
    static constexpr const char* StockTags[] = {"base", "but_shop1", "butt_pub", "but_fishery", "but_oc", "order"};
    void takeStockPicture(std::string_view tag, const forms::Bitmap& p) override;
    explicit Base(Game& game);

    forms::Control& But_shop;     // tackle shop
    forms::Control& but_fishery;  // fish buyer
    forms::Control& but_pub;      // bar
    forms::Control& but_oc;       // scales: the evaluation
    forms::Control& But_Order;    // notice board
    forms::Control& Image1;       // inventory
    forms::Control& Image2;       // caught fish
    forms::Control& Image3;       // back to the map
    forms::Control& Label1;       // "рекорды"
    forms::Control& info;         // hover caption

private:
    void GoTo(const std::string& destination);
    void but_oc_Click();
    void Label1_Click();
    void Hover(const std::string& control, const std::string& caption);
    Game& game_;
};

}  // namespace klev
