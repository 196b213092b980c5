#include "shell/my_studio.h"

#include "shell/game.h"

namespace klev {

using forms::Event;
using forms::Kind;

MyStudio::MyStudio(Game& game)
    : forms::Form(game.timers, "MyStudio"),
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
    // The two pictures belong to the game folder; load them the first time only.
    if (!picturesLoaded_) {
        picturesLoaded_ = true;
        for (auto [control, file] : {std::pair{&Image1, "\\images\\logo.jpg"}, std::pair{&Image2, "\\images\\credits.jpg"}}) {
            try {
                control->setPicture(game_.services.pictures.Load(game_.path(file), file));
            } catch (const forms::PictureError&) {
            }
        }
    }
    forms::Form::Show();
}

}  // namespace klev
