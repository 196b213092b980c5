#pragma once
// The credits window `MyStudio`.

#include "forms/form.h"

namespace klev {

class Game;

class MyStudio : public forms::Form {
public:
    static constexpr const char* Name = "MyStudio";
    explicit MyStudio(Game& game);

    forms::Control& Image1;  // studio logo
    forms::Control& Image2;  // a picture of the game
    forms::Control& Label1;  // title
    forms::Control& Label2;
    forms::Control& Label3;
    forms::Control& Label4;
    forms::Control& Label8;  // "Выход"

    void Show() override;

private:
    Game& game_;
    bool picturesLoaded_ = false;
};

}  // namespace klev
