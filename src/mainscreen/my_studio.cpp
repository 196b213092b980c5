#include "mainscreen/my_studio.h"

#include "shell/game.h"
#include "shell/source.h"

namespace klev {

using forms::Event;
using forms::Kind;

MyStudio::MyStudio(Game& game)
    : forms::Form(game.timers, Name),
      Image1(add(Kind::Image, "Image1", 360, 1080, 3600, 2400)),
      Image2(add(Kind::Image, "Image2", 4320, 1080, 5400, 3600)),
      Label1(label("Label1", "Клевница 2", 360, 240, 9360, 600)),
      Label2(label("Label2", "Разработка: команда разработчиков «Клевницы»", 360, 4920, 9360, 330)),
      Label3(label("Label3", "Тестирование: команда тестирования «Клевницы»", 360, 5340, 9360, 330)),
      Label4(label("Label4", "Студия: Klevnitsa developers", 360, 5760, 9360, 330)),
      Label8(label("Label8", "Выход", 8400, 6360, 1320, 330)),
      game_(game) {
    Caption = "О программе";
    Width = 10080;
    Height = 6960;
    Label1.FontBold = true;
    Label1.FontSize = 18;
    Label1.Centered = true;
    on("Label8", Event::Click, [this] { Hide(); });
    on("Label8", Event::MouseMove, [this] { Label8.FontBold = true; });
    on("", Event::MouseMove, [this] { Label8.FontBold = false; });
}

void MyStudio::Show() {
    // The two pictures come from the picture stock; without them the window
    // keeps its plain design.
    if (!picturesLoaded_) {
        picturesLoaded_ = true;
        Source& source = game_.window<Source>();
        for (auto [control, tag] : {std::pair{&Image1, "logo"}, std::pair{&Image2, "credits"}})
            if (const long long index = source.FindTag(tag)) control->setPicture(source.StockPicture(index));
    }
    forms::Form::Show();
}

}  // namespace klev
