#include "base/inventory.h"

#include "base/inven_fr.h"
#include "shell/game.h"

namespace klev {

// Not built yet: the inventory's contents come with the base.
void OpenInventoryFromBase(Game& game) { game.invenFr().Show(); }
void OpenInventoryFromScene(Game& game) { game.invenFr().Show(); }

}  // namespace klev
