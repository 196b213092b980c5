#pragma once
// Opening the inventory `InvenFr`, from the base or from the scene, and the
// item pictures that the shop and the inventory load on demand.

#include <string>

#include "forms/picture.h"

namespace klev {

class Game;

// Shows the inventory with its pick list hidden and the empty slots blanked.
// From the base the line and bait in use show what is left of them as bare
// numbers; from the scene the line shows "Длина: " and the bait and the
// groundbait "Осталось: " before the number.
void OpenInventoryFromBase(Game& game);
void OpenInventoryFromScene(Game& game);

// The picture file at `gamePath` (as the game builds it, "\images\sp_X.jpg"),
// named by that path; the empty-slot picture when the file is missing, so
// the item can still be bought and chosen.
forms::Bitmap LoadItemPicture(Game& game, const std::string& gamePath);

// Shows the scene's rod picture when a rod is in use, hides it otherwise.
void UpdateRodVisibility(Game& game);

}  // namespace klev
