#include "base/movie1.h"

#include "base/fishery.h"
#include "base/shop_fr.h"
#include "shell/game.h"
#include "shell/source.h"

namespace klev {

Movie1::Movie1(Game& game)
    : forms::Form(game.timers, Name),
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
    const std::string& destination = game_.place.BaseDestination;
    if (destination == "pub" && openPub) openPub();
    if (destination == "shop1") {
        game_.window<ShopFr>().Show();
        game_.window<ShopFr>().OpenOnRods();
    }
    if (destination == "fishery") game_.window<Fishery>().Show();
}

void ShowBaseTransition(Game& game) {
    const std::string& destination = game.place.BaseDestination;
    if (destination != "shop1" && destination != "pub" && destination != "fishery") return;
    Movie1& movie = game.window<Movie1>();
    Source& source = game.window<Source>();
    for (Long i = 1; i <= game.loaded.PictureCount; ++i) {
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
