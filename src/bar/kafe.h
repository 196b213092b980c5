#pragma once
// The bar `Kafe`: the four regulars at their places (the picture `pubcrew`),
// the speech bubble, puddles and Хумпи's eyes, the player's two meters, the
// five label buttons (drinks, treat everybody, food, duel, leave), the rival
// chooser and the passed-out frame. Its timers: `Actions` (3000 ms, one
// regular may speak), `Timer1` (50 ms, the puddles slide) and `TurboTimer`
// (30000 ms, the player wakes up), made in that order.
//
// The rules live in bar/regulars.h, bar/drinks.h and bar/duel.h and keep
// their state in `game.bar`; ShowHall() puts that state on the controls.

#include "forms/form.h"

namespace klev {

class Game;

class Kafe : public forms::Form {
public:
    static constexpr const char* Name = "Kafe";
    // The stock pictures this window shows, by tag.
    static constexpr const char* StockTags[] = {"bar", "pubcrew"};
    void takeStockPicture(std::string_view tag, const forms::Bitmap& p) override;
    explicit Kafe(Game& game);

    forms::Control& Image1;  // the four regulars (`pubcrew`), the whole hall
    forms::Control& Label1;  // the floor under the panel: hovering it clears Info
    forms::Control& Label5;  // hover zone of Липот
    forms::Control& Label6;  // hover zone of Дросс
    forms::Control& Label7;  // hover zone of Хумпи
    forms::Control& Label8;  // hover zone of Бумбер
    forms::ControlArray& Blevo;  // puddles; member 0 is the template
    forms::Control& Eye1;
    forms::Control& eye2;
    forms::Control& Rech;  // the speech bubble
    forms::Control& But_Buy;
    forms::Control& But_All;
    forms::Control& But_Din;
    forms::Control& But_Duel;
    forms::Control& But_exit;
    forms::Control& Info;
    forms::Control& Label2;  // name of the regular under the mouse
    forms::Control& Label3;  // "степень опьянения"
    forms::Control& St_Drink;
    forms::Control& Label4;  // "сытость"
    forms::Control& St_Goloda;
    forms::Control& Select_fr;        // the rival chooser
    forms::Control& Label12;          // its title and its refusal
    forms::ControlArray& Lb_Select;   // 1..4, left to right 4, 2, 3, 1
    forms::Control& Frame1;           // the player has passed out
    forms::Control& Label9;
    forms::Control& Label10;

    forms::Timer& Actions;
    forms::Timer& Timer1;
    forms::Timer& TurboTimer;

    // Puts the hall's state (game.bar) on the controls: bubble, eyes,
    // puddles, meters, the passed-out frame.
    void ShowHall();

private:
    void HoverButton(forms::Control& button);
    void But_Duel_Click();
    void But_exit_Click();
    Game& game_;
};

// The base's transition opens the bar: shows it, redraws the meters (the
// player's drunkenness is kept, his satiety starts afresh), starts the
// timers, hides the eyes and the chooser, removes the puddles and sets every
// regular's drunkenness to 1.
void OpenBar(Game& game);

// The player has drunk more than he can take: the frame, the map hidden for
// 30 s (counted from the first collapse if he goes out again meanwhile),
// his drunkenness 50.
void PassOut(Game& game);

}  // namespace klev
