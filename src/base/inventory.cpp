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
    InvenFr& inventory = game.window<InvenFr>();
    inventory.Show();
    inventory.List1.Visible = false;
    const forms::Bitmap& empty = game.window<Source>().Fixed("Empty_Pic");
    if (game.save.RodSlot == 0) inventory.Sp_pic.setPicture(empty);
    if (game.save.LineSlot == 0) inventory.Leska_Naz.Caption = "";
    if (game.save.LureSlot == 0) inventory.Bles_Pic.setPicture(empty);
    if (game.save.BaitSlot == 0) inventory.Nas_pic.setPicture(empty);
    if (game.save.GroundbaitSlot == 0) inventory.Prik_Pic.setPicture(empty);
}

}  // namespace

void OpenInventoryFromBase(Game& game) {
    ShowWithEmptySlots(game);
    InvenFr& inventory = game.window<InvenFr>();
    if (game.save.LineSlot > 0)
        inventory.Leska_Kol.Caption = data::IntText(At(game.save.OwnedLines, game.save.LineSlot, "OwnedLines").LineLength);
    if (game.save.BaitSlot > 0)
        inventory.Nas_Kol.Caption = data::IntText(At(game.save.OwnedBaits, game.save.BaitSlot, "OwnedBaits").Amount);
}

void OpenInventoryFromScene(Game& game) {
    ShowWithEmptySlots(game);
    InvenFr& inventory = game.window<InvenFr>();
    if (game.save.LineSlot > 0)
        inventory.Leska_Kol.Caption =
            "Длина: " + data::IntText(At(game.save.OwnedLines, game.save.LineSlot, "OwnedLines").LineLength);
    if (game.save.BaitSlot > 0)
        inventory.Nas_Kol.Caption = "Осталось: " + data::IntText(At(game.save.OwnedBaits, game.save.BaitSlot, "OwnedBaits").Amount);
    if (game.save.GroundbaitSlot > 0)
        inventory.Prik_Kol.Caption =
            "Осталось: " + data::IntText(At(game.save.OwnedGroundbaits, game.save.GroundbaitSlot, "OwnedGroundbaits").Amount);
}

forms::Bitmap LoadItemPicture(Game& game, const std::string& gamePath) {
    // A name from an edited save that would lead out of the images folder has no picture.
    if (data::PathPartProblem(std::string_view(gamePath).substr(gamePath.empty() ? 0 : 1)))
        return game.window<Source>().Fixed("Empty_Pic");
    try {
        return game.services.pictures.Load(game.path(gamePath), gamePath);
    } catch (const forms::PictureError&) {
        return game.window<Source>().Fixed("Empty_Pic");
    }
}

void UpdateRodVisibility(Game& game) {
    // The scene is reached by name: the inventory sits below the scene,
    // which opens it.
    game.form("SceneForm").find("Speening")->Visible = game.save.RodSlot != 0;
}

}  // namespace klev
