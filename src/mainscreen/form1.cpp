#include "mainscreen/form1.h"

#include "base/base_form.h"
#include "scene/scene_form.h"
#include "mainscreen/functions.h"
#include "shell/game.h"
#include "mainscreen/load_game.h"
#include "mainscreen/main_functions.h"
#include "mainscreen/my_studio.h"
#include "shell/save_game.h"
#include "shell/source.h"

namespace klev {

using forms::Event;
using forms::Kind;

Form1::Form1(Game& game)
    : forms::Form(game.timers, Name),
      Image1(add(Kind::Image, "Image1", 0, 0, 12600, 9000)),
      Picture1(add(Kind::PictureBox, "Picture1", 1200, 1200, 9600, 7200)),
      Label1(label("Label1", "", 1200, 420, 9600, 480)),
      PScene(array(Kind::Image, "PScene", 0, 0, 360, 360)),
      Label3(label("Label3", "<< Предыдущая карта", 1200, 8460, 3000, 330)),
      Label4(label("Label4", "Следующая карта >>", 7800, 8460, 3000, 330)),
      Butt_base(add(Kind::Image, "Butt_base", 11040, 1200, 1440, 1440)),
      Label2(label("Label2", "Рыболовная база", 10920, 2700, 1680, 480)),
      Label6(label("Label6", "О программе", 10920, 7320, 1680, 330)),
      Label5(label("Label5", "Выход", 10920, 7800, 1680, 330)),
      Info(label("Info", "", 1200, 90, 9600, 300)),
      Sobitia(timer("Sobitia", 1000, [] {})),
      game_(game) {
    Caption = "Клевница 2 ";
    Width = 12600;
    Height = 9000;
    Label1.FontBold = true;
    Label1.FontSize = 14;
    Label1.Centered = true;
    Label4.Centered = false;
    Label2.Centered = true;
    Info.Centered = true;
    for (forms::Control* c : {&Label1, &Label3, &Label4, &Label2, &Label6, &Label5, &Info})
        c->ForeColor = 0xE8F4F8;
    PScene[0].Visible = false;
    PScene[0].Stretch = false;
    // The event timer is the one designed enabled: it runs from creation on.
    Sobitia.setEnabled(true);

    on("Label3", Event::Click, [this] { SwitchMap(-1); });
    on("Label4", Event::Click, [this] { SwitchMap(+1); });
    on("PScene", Event::Click, [this](const forms::EventArgs& a) { PScene_Click(a.index); });
    on("PScene", Event::MouseMove, [this](const forms::EventArgs& a) { PScene_MouseMove(a.index); });
    on("Butt_base", Event::Click, [&game] { game.window<Base>().Show(); });
    on("Label2", Event::Click, [&game] { game.window<Base>().Show(); });
    on("Label6", Event::Click, [&game] { game.window<MyStudio>().Show(); });
    on("Label5", Event::Click, [this] { Label5_Click(); });
    on("Label5", Event::MouseMove, [this] { Label5.FontBold = true; });
    on("Label6", Event::MouseMove, [this] { Label6.FontBold = true; });
    on("", Event::MouseMove, [this] {
        Label5.FontBold = false;
        Label6.FontBold = false;
    });
}

void Form1::SwitchMap(int step) {
    const Long count = Long(game_.loaded.MapList.size());
    Long index = game_.place.MapIndex + step;
    if (index < 1) index = count;
    if (index > count) index = 1;
    SwitchMapTo(index);
}

void Form1::SwitchMapTo(Long index) {
    ClearPlaceMarkers(game_);
    game_.place.MapIndex = index;
    if (game_.loaded.MapList.empty()) return;
    game_.place.MapFolder = At(game_.loaded.MapList, game_.place.MapIndex, "MapList").Folder;
    ShowMap(game_);
}

void Form1::PScene_MouseMove(int index) {
    const Long count = game_.place.MapIndex >= 1 && game_.place.MapIndex <= Long(game_.loaded.MapList.size())
                           ? Long(At(game_.loaded.MapList, game_.place.MapIndex, "MapList").Places.size())
                           : 0;
    for (Long k = 1; k <= count; ++k)
        if (PScene.loaded(int(k))) PScene[int(k)].setPicture(PScene[0].picture());
    if (PScene.loaded(index)) PScene[index].setPicture(game_.window<Source>().Fixed("Sc_a"));
}

void Form1::PScene_Click(int index) {
    OpenPlaceFromMap(game_, index);
}

void Form1::Label5_Click() {
    SaveGameState(game_);
    game_.End();
}

void Form1::QueryClose() {
    // The title-bar close saves and ends like "Выход".
    Label5_Click();
}

void Form1::takeStockPicture(std::string_view tag, const forms::Bitmap& p) {
    if (tag == "base(mini)") Butt_base.setPicture(p);
    else if (tag == "back1") Image1.setPicture(p);
}

}  // namespace klev
