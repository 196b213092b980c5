#include "tournaments/tour_form.h"

#include "shell/game.h"
#include "tournaments/tournirs.h"

namespace klev {

using forms::Event;

namespace {

// The picture's parchment lines and its two button plates, in pixels.
constexpr float Px = float(forms::TwipsPerPixel);

}  // namespace

Tour_Form::Tour_Form(Game& game)
    : forms::Form(game.timers, Name),
      Label1(label("Label1", "побеждает игрок, поймавший наибольший экземпляр ", 70 * Px, 148 * Px, 420 * Px,
                   44 * Px)),
      Tur_Fish(label("Tur_Fish", "", 70 * Px, 194 * Px, 420 * Px, 30 * Px)),
      Tour_Prize(label("Tour_Prize", "", 70 * Px, 226 * Px, 420 * Px, 30 * Px)),
      info(label("info", "", 70 * Px, 264 * Px, 420 * Px, 24 * Px)),
      Label3(label("Label3", "Начать", 120 * Px, 322 * Px, 130 * Px, 28 * Px)),
      Label4(label("Label4", "Отмена", 310 * Px, 322 * Px, 130 * Px, 28 * Px)),
      game_(game) {
    Caption = "Информация о турнире";
    // The window is the size of its background picture (560 x 400).
    Width = 560 * Px;
    Height = 400 * Px;
    BackColor = 0x223A5A;
    for (forms::Control* c : {&Label1, &Tur_Fish, &Tour_Prize, &info, &Label3, &Label4}) c->Centered = true;
    Label1.FontSize = 11;
    Label1.ForeColor = 0x1E2A3A;
    for (forms::Control* c : {&Tur_Fish, &Tour_Prize}) {
        c->FontSize = 14;
        c->FontBold = true;
        c->ForeColor = 0x10206A;
    }
    info.FontSize = 11;
    info.FontBold = true;
    info.ForeColor = 0x1020C0;
    for (forms::Control* c : {&Label3, &Label4}) {
        c->FontSize = 12;
        c->ForeColor = 0xD8F0FF;
    }

    on("Label3", Event::Click, [&game] { EnterTournament(game); });
    on("Label4", Event::Click, [this] {
        Hide();
        info.Caption = "";
    });
    on("Label3", Event::MouseMove, [this] { Bold(&Label3); });
    on("Label4", Event::MouseMove, [this] { Bold(&Label4); });
    on("", Event::MouseMove, [this] { Bold(nullptr); });
}

void Tour_Form::Bold(forms::Control* button) {
    Label3.FontBold = button == &Label3;
    Label4.FontBold = button == &Label4;
}

void Tour_Form::takeStockPicture(std::string_view tag, const forms::Bitmap& p) {
    if (tag == "tourinfo") Picture = p;
}

}  // namespace klev
