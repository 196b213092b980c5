#include "tournaments/desk.h"

#include "shell/game.h"
#include "tournaments/tour_form.h"

namespace klev {

using forms::Event;

namespace {

// The picture's pinned sheets and the exit plate, in pixels; 15 twips a pixel.
constexpr float Px = float(forms::TwipsPerPixel);

}  // namespace

Desk::Desk(Game& game)
    : forms::Form(game.timers, Name),
      Label2(label("Label2", "На Данный момент турниров нет", 88 * Px, 74 * Px, 384 * Px, 56 * Px)),
      Tour_Info(label("Tour_Info", "Открыт очередной турнир. Нажми для полной информации", 88 * Px, 66 * Px,
                      384 * Px, 70 * Px)),
      Label3(label("Label3",
                   "По слухам рыбаков в наших водоемах были замечены редкие рыбы - Усач и Синец. Поймай их, и "
                   "получи большое вознаграждение.",
                   92 * Px, 206 * Px, 376 * Px, 90 * Px)),
      Label1(label("Label1", "Выход", 436 * Px, 352 * Px, 92 * Px, 28 * Px)),
      game_(game) {
    Caption = "Доска объявлений";
    // The window is the size of its background picture (560 x 400).
    Width = 560 * Px;
    Height = 400 * Px;
    BackColor = 0x284058;
    for (forms::Control* c : {&Label2, &Tour_Info, &Label3}) {
        c->Centered = true;
        c->FontSize = 12;
        c->ForeColor = 0x1E2A3A;  // ink on paper
    }
    Label2.FontSize = 13;
    Label2.ForeColor = 0x4A5A6A;
    // The offer is a red-lettered bill pinned over the old note: opaque, so
    // the note does not show through.
    Tour_Info.BackTransparent = false;
    Tour_Info.BackColor = 0xC8ECF8;
    Tour_Info.ForeColor = 0x1E28A8;
    Tour_Info.FontBold = true;
    Tour_Info.FontSize = 13;
    Tour_Info.Visible = false;
    Label3.FontSize = 11;
    Label1.Centered = true;
    Label1.FontSize = 12;
    Label1.ForeColor = 0xD8F0FF;

    on("Label1", Event::Click, [this] { Hide(); });
    on("Tour_Info", Event::Click, [&game] { game.window<Tour_Form>().Show(); });
    on("Label1", Event::MouseMove, [this] { Label1.FontBold = true; });
    on("", Event::MouseMove, [this] { Label1.FontBold = false; });
}

void Desk::takeStockPicture(std::string_view tag, const forms::Bitmap& p) {
    if (tag == "wood") Picture = p;
}

}  // namespace klev
