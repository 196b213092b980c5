#pragma once
// The splash `About`: a picture, "LOADING...", and the timer that drives
// the start-up two seconds after the game starts.

#include "forms/form.h"

namespace klev {

class Game;

class About : public forms::Form {
public:
    static constexpr const char* Name = "About";
    explicit About(Game& game);

    forms::Control& Image1;
    forms::Control& Label1;
    forms::Control& Label2;
    forms::Timer& Timer1;

    void Form_Load();

private:
    void Timer1_Timer();
    Game& game_;
};

}  // namespace klev
