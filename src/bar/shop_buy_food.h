#pragma once
// The food menu `Shop_BuyFood` («Купить закуску»): five dishes
// (`Image1`..`Image5`). A double click buys one if the money is there: it
// sobers the player (not below 0) and fills him; the two shared dishes raise
// every regular's attitude, whatever his state. Both meters of the bar are
// redrawn from the values. One dish per opening.

#include "forms/form.h"
#include "model/records.h"

namespace klev {

class Game;

struct Dish {
    const char* hover;  // carries its own price
    Long price, sobering, satiety, attitudeGain;
};
extern const Dish FoodMenu[5];

class Shop_BuyFood : public forms::Form {
public:
    static constexpr const char* Name = "Shop_BuyFood";
    explicit Shop_BuyFood(Game& game);

    forms::Control* Images[5];  // Image1 .. Image5
    forms::Control& Label3;     // money, set by the bar when it opens the menu
    forms::Control& Label4;     // the hint
    forms::Control& Info;       // hover text
    forms::Control& Label2;     // "Выход"

private:
    void Buy(int i);
    Game& game_;
};

}  // namespace klev
