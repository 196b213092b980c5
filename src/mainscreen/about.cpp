#include "mainscreen/about.h"

#include "shell/game.h"
#include "mainscreen/form1.h"
#include "mainscreen/load_game.h"

namespace klev {

About::About(Game& game)
    : forms::Form(game.timers, Name),
      Image1(add(forms::Kind::Image, "Image1", 0, 0, 9000, 6000)),
      Label1(label("Label1", "", 240, 5640, 8520, 300)),
      Label2(label("Label2", "LOADING...", 240, 5220, 8520, 360)),
      Timer1(timer("Timer1", 2000, [this] { Timer1_Timer(); })),
      game_(game) {
    Width = 9000;
    Height = 6000;
    // The title is in the picture; the second label tells the version.
    const GameConfig& c = game.config;
    Label1.Caption = "версия " + std::to_string(c.versionMajor) + "." + std::to_string(c.versionMinor) + "." +
                     std::to_string(c.versionRevision);
    Label1.FontSize = 8;
    Label1.ForeColor = 0xC0D0E0;
    Label1.Centered = true;
    Label2.FontBold = true;
    Label2.ForeColor = forms::White;
    Label2.Centered = true;
}

void About::Form_Load() {
    // The splash picture is part of the game folder; without it the splash is plain.
    const auto file = game_.path("\\images\\splash.jpg");
    try {
        Image1.setPicture(game_.services.pictures.Load(file, "\\images\\splash.jpg"));
    } catch (const forms::PictureError&) {
    }
    Timer1.setEnabled(true);
}

void About::Timer1_Timer() {
    Timer1.setEnabled(false);
    Hide();
    AskPlayerName(game_);
    LoadAll(game_);
    game_.window<Form1>().Show();
}

}  // namespace klev
