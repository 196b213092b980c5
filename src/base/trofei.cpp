#include "base/trofei.h"

#include "shell/weight_text.h"
#include "shell/game.h"
#include "shell/journal.h"
#include "shell/source.h"

namespace klev {

using forms::Event;
using forms::Kind;

Trofei::Trofei(Game& game)
    : forms::Form(game.timers, Name),
      Fish_List(add(Kind::ListBox, "Fish_List", 240, 240, 3600, 4800)),
      Fish_Pic(add(Kind::Image, "Fish_Pic", 4080, 240, 4320, 2880)),
      Fish_Imya(label("Fish_Imya", "", 4080, 3360, 4320, 420)),
      Fish_Ves(label("Fish_Ves", "", 4080, 3840, 4320, 420)),
      Label2(label("Label2", "Чтобы выпустить рыбу, сделайте двойной щелчек", 240, 5220, 6000, 300)),
      Label1(label("Label1", "Закрыть", 6840, 5160, 1560, 420)),
      game_(game) {
    Caption = "Пойманая рыба";
    Width = 8640;
    Height = 5880;
    BackColor = 0x9CC0D8;
    Fish_List.FontSize = 10;
    Fish_Pic.Stretch = true;  // every species picture fills the same frame
    Fish_Imya.FontSize = 12;
    Fish_Imya.FontBold = true;
    Fish_Ves.FontSize = 11;
    Label2.FontSize = 8;
    Label2.ForeColor = 0x404040;
    Label1.FontSize = 12;
    Label1.Centered = true;
    for (forms::Control* c : {&Fish_Imya, &Fish_Ves, &Label2, &Label1}) c->BackTransparent = true;

    on("Fish_List", Event::Click, [this] { Fish_List_Click(); });
    on("Fish_List", Event::DblClick, [this] { Fish_List_DblClick(); });
    on("Label1", Event::Click, [this] { Hide(); });
    on("Label1", Event::MouseMove, [this] { Label1.FontBold = true; });
    on("", Event::MouseMove, [this] { Label1.FontBold = false; });
}

void Trofei::FillList() {
    Fish_List.clear();
    for (const FishRecord& fish : game_.save.CaughtFish) Fish_List.addItem(fish.Name);
}

void Trofei::ShowFish(Long k) {
    const FishRecord& fish = At(game_.save.CaughtFish, k, "CaughtFish");
    Fish_Pic.setPicture(game_.window<Source>().StockPicture(fish.PictureIndex));
    Fish_Imya.Caption = fish.Name;
    Fish_Ves.Caption = WeightText(game_, fish.Weight);
}

void Trofei::Fish_List_Click() {
    const Long count = Long(game_.save.CaughtFish.size());
    if (count == 0) return;
    const Long k = Long(Fish_List.ListIndex) + 1;
    // The list is refilled only by this window and by a landing: after a sale
    // at the base it may still name fish that are gone. Such an entry shows
    // nothing rather than reading past the end of the keep-net.
    if (k < 1 || k > count) return;
    ShowFish(k);
}

void Trofei::Fish_List_DblClick() {
    std::vector<FishRecord>& net = game_.save.CaughtFish;
    if (net.empty()) return;
    const std::string clicked = Fish_List.currentText();
    for (std::size_t i = 0; i < net.size(); ++i) {
        if (net[i].Name != clicked) continue;
        JournalFate(game_, net[i], FishFate::Released);
        // The last fish takes the released one's place, whole record and all.
        if (i + 1 != net.size()) net[i] = net.back();
        net.pop_back();
        break;
    }
    FillList();
    if (!net.empty()) ShowFish(1);
}

}  // namespace klev
