#pragma once
// The drinks menu `Shop_BuyDrink` («Купить выпить»): thirteen drinks
// (`Image1`..`Image13`). Hovering one shows its name and what it costs (four
// times the price when treating everybody); a double click buys it, if the
// money is there, and drinks it at once. One purchase per opening.

#include "forms/form.h"
#include "model/records.h"

namespace klev {

class Game;

// The drinks, fixed in the program, in the order of their pictures.
struct Drink {
    const char* name;  // as shown; ends with one blank
    Long price, strength, attitudeGain;
};
extern const Drink DrinkMenu[13];

class Shop_BuyDrink : public forms::Form {
public:
    static constexpr const char* Name = "Shop_BuyDrink";
    explicit Shop_BuyDrink(Game& game);

    forms::Control* Images[13];  // Image1 .. Image13
    forms::Control& Label1;      // title, set by the bar
    forms::Control& Label3;      // money, set by the bar when it opens the menu
    forms::Control& Label4;      // the hint
    forms::Control& Info;        // hover text
    forms::Control& Label2;      // "Выход"

private:
    void Hover(int i);
    void Buy(int i);
    Game& game_;
};

// Drinks DrinkStrength / DrinkAttitudeGain: every regular too when TreatAll
// (his attitude grows only while his new drunkenness is within his
// tolerance), then the player; the meter grows and turns red from 800 twips;
// the menu closes; above 99 the player passes out.
void Drinkin(Game& game);

}  // namespace klev
