#include "base/inventory.h"

#include "base/inven_fr.h"
#include "data/game_folder.h"
#include "data/numbers.h"
#include "shell/game.h"
#include "shell/source.h"

namespace klev {

namespace {

// Shows the window with the pick list hidden; blanks the pictures of the
// empty slots and the name of a missing line.
void ShowWithEmptySlots(Game& game) {
    InvenFr& inventory = game.invenFr();
    const Variables& v = game.vars;
    inventory.Show();
    inventory.List1.Visible = false;
    const forms::Bitmap& empty = game.source().Fixed("Empty_Pic");
    if (v.RodSlot == 0) inventory.Sp_pic.setPicture(empty);
    if (v.LineSlot == 0) inventory.Leska_Naz.Caption = "";
    if (v.LureSlot == 0) inventory.Bles_Pic.setPicture(empty);
    if (v.BaitSlot == 0) inventory.Nas_pic.setPicture(empty);
    if (v.GroundbaitSlot == 0) inventory.Prik_Pic.setPicture(empty);
}

}  // namespace

void OpenInventoryFromBase(Game& game) {
    ShowWithEmptySlots(game);
    InvenFr& inventory = game.invenFr();
    const Variables& v = game.vars;
    if (v.LineSlot > 0)
        inventory.Leska_Kol.Caption = data::IntText(At(v.OwnedLines, v.LineSlot, "OwnedLines").LineLength);
    if (v.BaitSlot > 0)
        inventory.Nas_Kol.Caption = data::IntText(At(v.OwnedBaits, v.BaitSlot, "OwnedBaits").Amount);
}

void OpenInventoryFromScene(Game& game) {
    ShowWithEmptySlots(game);
    InvenFr& inventory = game.invenFr();
    const Variables& v = game.vars;
    if (v.LineSlot > 0)
        inventory.Leska_Kol.Caption =
            "Длина: " + data::IntText(At(v.OwnedLines, v.LineSlot, "OwnedLines").LineLength);
    if (v.BaitSlot > 0)
        inventory.Nas_Kol.Caption = "Осталось: " + data::IntText(At(v.OwnedBaits, v.BaitSlot, "OwnedBaits").Amount);
    if (v.GroundbaitSlot > 0)
        inventory.Prik_Kol.Caption =
            "Осталось: " + data::IntText(At(v.OwnedGroundbaits, v.GroundbaitSlot, "OwnedGroundbaits").Amount);
}

forms::Bitmap LoadItemPicture(Game& game, const std::string& gamePath) {
    // A name from an edited save that would lead out of the images folder has no picture.
    if (data::PathPartProblem(std::string_view(gamePath).substr(gamePath.empty() ? 0 : 1))) return game.source().Fixed("Empty_Pic");
    try {
        return game.services.pictures.Load(game.path(gamePath), gamePath);
    } catch (const forms::PictureError&) {
        return game.source().Fixed("Empty_Pic");
    }
}

}  // namespace klev
