#include "base/records_form.h"

#include "shell/game.h"

namespace klev {

using forms::Event;

Records::Records(Game& game)
    : forms::Form(game.timers, Name),
      Label2(label("Label2", "Книга рекордов", 480, 240, 6240, 480)),
      List1(add(forms::Kind::ListBox, "List1", 480, 840, 6240, 4320)),
      Label1(label("Label1", "Закрыть", 5520, 5400, 1200, 375)),
      game_(game) {
    Caption = "Рекорды";
    Width = 7200;
    Height = 6000;
    BackColor = 0x3C5A78;
    Label2.FontSize = 14;
    Label2.FontBold = true;
    Label2.Centered = true;
    Label2.ForeColor = 0xD8F0FF;
    Label1.FontSize = 11;
    Label1.ForeColor = 0xD8F0FF;
    List1.FontSize = 10;

    on("Label1", Event::Click, [this] { Hide(); });
    on("Label1", Event::MouseMove, [this] { Label1.FontBold = true; });
    on("", Event::MouseMove, [this] { Label1.FontBold = false; });
}

void Records::takeStockPicture(std::string_view tag, const forms::Bitmap& p) {
    if (tag == "wood2") Picture = p;
}

}  // namespace klev
