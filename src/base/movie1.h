#pragma once
// The transition window `Movie1`: the picture of the building the player
// walks to, shown for 1.5 s between the base and the tackle shop, the bar or
// the fish buyer.

#include <functional>

#include "forms/form.h"

namespace klev {

class Game;

class Movie1 : public forms::Form {
public:
    static constexpr const char* Name = "Movie1";
    explicit Movie1(Game& game);

    forms::Control& Image1;  // the transition picture; the window is sized to it
    forms::Timer& Timer1;    // 1500 ms; armed by ShowBaseTransition, fires once
    // Opens the bar, which sits above the base (set where the window is made).
    std::function<void()> openPub;

private:
    void Timer1_Timer();
    Game& game_;
};

// Puts the stock picture tagged BaseDestination into Movie1.Image1 (keeping
// the previous picture when no tag matches), arms Movie1.Timer1, sizes the
// window to the picture plus 120 twips and shows it. A destination other
// than "shop1", "pub" or "fishery" does nothing.
void ShowBaseTransition(Game& game);

}  // namespace klev
