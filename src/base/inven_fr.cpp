#include "base/inven_fr.h"

#include "base/inventory.h"
#include "base/shop_fr.h"
#include "base/shop_rules.h"
#include "data/numbers.h"
#include "shell/game.h"

namespace klev {

using forms::Event;

namespace {

constexpr forms::Color Paper = 0xC8E0F0;

void Box(forms::Control& frame, const char* caption) {
    frame.Caption = caption;
    frame.BackColor = Paper;
}

// An opener lies over its whole box, transparent, so a press anywhere in
// the box pops up the pick list.
forms::Control& Opener(forms::Control& c) {
    c.BackTransparent = true;
    return c;
}

forms::Control& ItemPicture(forms::Control& c) {
    c.Stretch = true;
    return c;
}

}  // namespace

InvenFr::InvenFr(Game& game)
    : forms::Form(game.timers, Name),
      Label6(label("Label6",
                   "В этой форме вы можете управлять своими вещами. Кликните на любое окошко, чтобы получить "
                   "список соответствующих предметов.",
                   240, 120, 9120, 600)),
      Frame_Sp(add(forms::Kind::Frame, "Frame_Sp", 240, 840, 4560, 2640)),
      Sp_pic(ItemPicture(add(forms::Kind::Image, "Sp_pic", 120, 300, 4320, 2220, &Frame_Sp))),
      But_SP(Opener(label("But_SP", "", 0, 0, 4560, 2640, &Frame_Sp))),
      Frame_Leska(add(forms::Kind::Frame, "Frame_Leska", 4920, 840, 2160, 2640)),
      Leska_Naz(label("Leska_Naz", "", 120, 720, 1920, 420, &Frame_Leska)),
      Leska_Kol(label("Leska_Kol", "", 120, 1320, 1920, 420, &Frame_Leska)),
      Label2(Opener(label("Label2", "", 0, 0, 2160, 2640, &Frame_Leska))),
      Frame_Bles(add(forms::Kind::Frame, "Frame_Bles", 7200, 840, 2160, 2640)),
      Bles_Pic(ItemPicture(add(forms::Kind::Image, "Bles_Pic", 120, 300, 1920, 1680, &Frame_Bles))),
      Bles_Raz(label("Bles_Raz", "", 30, 2100, 2100, 375, &Frame_Bles)),
      Label1(Opener(label("Label1", "", 0, 0, 2160, 2640, &Frame_Bles))),
      Frame_Nas(add(forms::Kind::Frame, "Frame_Nas", 240, 3600, 2160, 2640)),
      Nas_pic(ItemPicture(add(forms::Kind::Image, "Nas_pic", 120, 300, 1920, 1680, &Frame_Nas))),
      Nas_Kol(label("Nas_Kol", "", 120, 2100, 1920, 375, &Frame_Nas)),
      Label3(Opener(label("Label3", "", 0, 0, 2160, 2640, &Frame_Nas))),
      Frame_Prik(add(forms::Kind::Frame, "Frame_Prik", 2520, 3600, 2160, 2640)),
      Prik_Pic(ItemPicture(add(forms::Kind::Image, "Prik_Pic", 120, 300, 1920, 1680, &Frame_Prik))),
      Prik_Kol(label("Prik_Kol", "", 120, 2100, 1920, 375, &Frame_Prik)),
      Label4(Opener(label("Label4", "", 0, 0, 2160, 2640, &Frame_Prik))),
      Label5(label("Label5", "выход", 8160, 5880, 1200, 375)),
      List1(add(forms::Kind::ListBox, "List1", 0, 0, 2400, 1560)),
      game_(game) {
    Caption = "Инвентарь";
    Width = 9600;
    Height = 6480;
    BackColor = Paper;
    Box(Frame_Sp, "Спининг");
    Box(Frame_Leska, "Леска");
    Box(Frame_Bles, "Блесна");
    Box(Frame_Nas, "Насадка");
    Box(Frame_Prik, "Прикормка");
    Leska_Naz.FontSize = 14;
    Leska_Naz.FontBold = true;
    Leska_Naz.Centered = true;
    Leska_Kol.Centered = true;
    for (forms::Control* text : {&Leska_Kol, &Bles_Raz, &Nas_Kol, &Prik_Kol}) text->FontSize = 10;
    Label5.FontSize = 11;
    List1.Visible = false;

    auto opener = [this](const char* name, PickKind kind, forms::Control* frame) {
        on(name, Event::MouseDown, [this, kind, frame](const forms::EventArgs& a) {
            if (frame) OpenPickList(kind, frame->Left + a.x, frame->Top + a.y);
            else OpenPickList(kind, a.x, a.y);
        });
    };
    // The rods' button places the list at its own coordinates, as it always did.
    opener("But_SP", PickKind::Rods, nullptr);
    opener("Label1", PickKind::Lures, &Frame_Bles);
    opener("Label2", PickKind::Lines, &Frame_Leska);
    opener("Label3", PickKind::Baits, &Frame_Nas);
    opener("Label4", PickKind::Groundbaits, &Frame_Prik);
    on("List1", Event::Click, [this] { List1_Click(); });
    on("Label5", Event::Click, [this] { Label5_Click(); });
    on("Label5", Event::MouseMove, [this] { Label5.FontBold = true; });
    on("", Event::MouseMove, [this] { Label5.FontBold = false; });
}

void InvenFr::Own_Inv() {
    InvShowsRods = InvShowsLines = InvShowsLures = InvShowsBaits = InvShowsGroundbaits = false;
}

void InvenFr::reflect(forms::VarVisitor& v) {
    v.field("InvShowsRods", InvShowsRods);
    v.field("InvShowsLines", InvShowsLines);
    v.field("InvShowsLures", InvShowsLures);
    v.field("InvShowsBaits", InvShowsBaits);
    v.field("InvShowsGroundbaits", InvShowsGroundbaits);
}

void InvenFr::OpenPickList(PickKind kind, float left, float top) {
    List1.Visible = true;
    List1.Top = top;
    List1.Left = left;
    Own_Inv();
    const std::vector<TackleItem>* owned = nullptr;
    switch (kind) {
        case PickKind::Rods: InvShowsRods = true, owned = &game_.save.OwnedRods; break;
        case PickKind::Lines: InvShowsLines = true, owned = &game_.save.OwnedLines; break;
        case PickKind::Lures: InvShowsLures = true, owned = &game_.save.OwnedLures; break;
        case PickKind::Baits: InvShowsBaits = true, owned = &game_.save.OwnedBaits; break;
        case PickKind::Groundbaits: InvShowsGroundbaits = true, owned = &game_.save.OwnedGroundbaits; break;
    }
    List1.clear();
    for (const TackleItem& item : *owned) List1.addItem(item.Name);
}

void InvenFr::List1_Click() {
    // Only a click on an entry chooses anything.
    if (List1.ListIndex < 0) return;
    const std::string text = List1.currentText();
    const Long k = Long(List1.ListIndex) + 1;
    if (InvShowsRods && !game_.save.OwnedRods.empty() && ChooseRod(text)) return;
    if (InvShowsLures && !game_.save.OwnedLures.empty()) {
        if (k <= Long(game_.save.OwnedLures.size())) ChooseLure(k);
    } else if (InvShowsBaits && !game_.save.OwnedBaits.empty()) {
        // The pick list may be older than the list: the scene can use up a
        // bait while it stays open. An entry past the end chooses nothing.
        if (k <= Long(game_.save.OwnedBaits.size())) ChooseBait(k);
    } else if (InvShowsGroundbaits && !game_.save.OwnedGroundbaits.empty()) {
        if (k <= Long(game_.save.OwnedGroundbaits.size())) ChooseGroundbait(k);
    } else if (InvShowsLines && !game_.save.OwnedLines.empty()) {
        ChooseLine(text);
    }
}

bool InvenFr::ChooseRod(const std::string& text) {
    for (std::size_t i = 0; i < game_.save.OwnedRods.size(); ++i) {
        if (game_.save.OwnedRods[i].Name != text) continue;
        Sp_pic.setPicture(LoadItemPicture(game_, "\\images\\sp_" + game_.save.OwnedRods[i].Name + ".jpg"));
        game_.save.RodSlot = Long(i) + 1;
        List1.Visible = false;
        return true;
    }
    return false;
}

void InvenFr::ChooseLure(Long k) {
    const TackleItem& lure = At(game_.save.OwnedLures, k, "OwnedLures");
    Bles_Pic.setPicture(LoadItemPicture(game_, "\\images\\bl_" + lure.Name + ".jpg"));
    Bles_Raz.Caption = "Размер: " + lure.SizeName;
    game_.save.LureSlot = k;
    List1.Visible = false;
}

void InvenFr::ChooseBait(Long k) {
    const TackleItem& bait = At(game_.save.OwnedBaits, k, "OwnedBaits");
    Nas_pic.setPicture(LoadItemPicture(game_, "\\images\\" + bait.Name + ".jpg"));
    Nas_Kol.Caption = "Осталось: " + data::IntText(bait.Amount);
    game_.save.BaitSlot = k;
    List1.Visible = false;
}

void InvenFr::ChooseGroundbait(Long k) {
    const TackleItem& groundbait = At(game_.save.OwnedGroundbaits, k, "OwnedGroundbaits");
    // The pack's picture is the shop's; the pack is known by its power.
    Prik_Pic.setPicture(game_.window<ShopFr>().prik_im[GroundbaitPack(groundbait)].picture());
    Prik_Kol.Caption = "Осталось: " + data::IntText(groundbait.Amount);
    game_.save.GroundbaitSlot = k;
    List1.Visible = false;
}

void InvenFr::ChooseLine(const std::string& text) {
    for (std::size_t i = 0; i < game_.save.OwnedLines.size(); ++i) {
        if (game_.save.OwnedLines[i].Name != text) continue;
        Leska_Naz.Caption = text;
        Leska_Kol.Caption = "Осталось: " + data::IntText(game_.save.OwnedLines[i].LineLength) + " м";
        game_.save.LineSlot = Long(i) + 1;
        List1.Visible = false;
        return;
    }
}

void InvenFr::Label5_Click() {
    UpdateRodVisibility(game_);
    Hide();
}

}  // namespace klev
