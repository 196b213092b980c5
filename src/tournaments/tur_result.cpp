#include "tournaments/tur_result.h"

#include "shell/game.h"

namespace klev {

using forms::Event;

namespace {

// The picture's result sheet and its close plate, in pixels.
constexpr float Px = float(forms::TwipsPerPixel);

}  // namespace

Tur_Result::Tur_Result(Game& game)
    : forms::Form(game.timers, Name),
      Image1(add(forms::Kind::Image, "Image1", 0, 0, 560 * Px, 400 * Px)),
      Igrok(array(forms::Kind::Label, "Igrok", 196 * Px, 70 * Px, 340 * Px, 44 * Px)),
      Label3(label("Label3", "Закрыть", 410 * Px, 352 * Px, 120 * Px, 28 * Px)),
      game_(game) {
    Caption = "Турнир окончен";
    // The window is the size of its picture (560 x 400).
    Width = 560 * Px;
    Height = 400 * Px;
    BackColor = 0x281A1A;
    Igrok[0].FontSize = 11;
    Igrok[0].FontBold = true;
    Igrok[0].ForeColor = 0x10206A;
    for (int k = 1; k <= 4; ++k) {
        forms::Control& line = Igrok.load(k);
        line.Top = float((150 + (k - 1) * 42) * Px);
        line.Height = 38 * Px;
        line.FontBold = false;
        line.FontSize = 11;
        line.ForeColor = 0x1E2A3A;
        line.Visible = true;
    }
    Label3.Centered = true;
    Label3.FontSize = 12;
    Label3.ForeColor = 0xD8F0FF;

    on("Label3", Event::Click, [this] { Hide(); });
    on("Label3", Event::MouseMove, [this] { Label3.FontBold = true; });
    // The picture covers the whole window: it is the background to the mouse.
    on("Image1", Event::MouseMove, [this] { Label3.FontBold = false; });
    on("", Event::MouseMove, [this] { Label3.FontBold = false; });
}

void Tur_Result::takeStockPicture(std::string_view tag, const forms::Bitmap& p) {
    if (tag == "kubok") Image1.setPicture(p);
}

}  // namespace klev
