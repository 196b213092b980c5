#include "base/movie1.h"

#include "bar/kafe.h"
#include "base/fishery.h"
#include "base/shop_fr.h"
#include "shell/game.h"
#include "shell/source.h"

namespace klev {

Movie1::Movie1(Game& game)
    : forms::Form(game.timers, "Movie1"),
      Image1(add(forms::Kind::Image, "Image1", 60, 60, 6000, 4500)),
      Timer1(timer("Timer1", 1500, [this] { Timer1_Timer(); })),
      game_(game) {
    Caption = "";
    Width = Image1.Width + 120;
    Height = Image1.Height + 120;
    BackColor = forms::Black;
}

void Movie1::Timer1_Timer() {
    Hide();
    Timer1.setEnabled(false);
    const std::string& destination = game_.vars.BaseDestination;
    // The bar's own reset for a visit belongs to the bar window.
    if (destination == "pub") game_.kafe().Show();
    if (destination == "shop1") {
        game_.shopFr().Show();
        game_.shopFr().OpenOnRods();
    }
    if (destination == "fishery") game_.fishery().Show();
}

void ShowBaseTransition(Game& game) {
    const std::string& destination = game.vars.BaseDestination;
    if (destination != "shop1" && destination != "pub" && destination != "fishery") return;
    Movie1& movie = game.movie1();
    Source& source = game.source();
    for (Long i = 1; i <= game.vars.PictureCount; ++i) {
        if (source.Pic.loaded(int(i)) && source.Pic[int(i)].Tag == destination) {
            movie.Image1.setPicture(source.Pic[int(i)].picture());
            break;
        }
    }
    movie.Timer1.setEnabled(true);
    movie.Width = movie.Image1.Width + 120;
    movie.Height = movie.Image1.Height + 120;
    movie.Show();
}

}  // namespace klev
