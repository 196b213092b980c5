#pragma once
// Opening the inventory `InvenFr`, from the base or from the scene.

namespace klev {

class Game;

// Shows the inventory with its pick list hidden and the empty slots blanked.
// From the scene it also writes what is left of the line, bait and
// groundbait in use; from the base only the line and bait, as bare numbers.
void OpenInventoryFromBase(Game& game);
void OpenInventoryFromScene(Game& game);

}  // namespace klev
