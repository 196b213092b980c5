#pragma once
// What the screen shows beyond the model, for windows whose controls hold
// less than the player should see. Each is a FormWindow::Adjust: it changes
// what a view draws, never a control, a rule, a timer or a random draw.

#include "ui/form_window.h"

namespace klev {
class Game;
}

namespace ui {

// The scene: until the first reset of the tackle the tension bar still has
// its designed width and would read as a full bar; it is drawn at rest.
FormWindow::Adjust SceneShown(const klev::Game& game);

// The inventory: a slot in use shows its item's picture (the window only
// gets one when an item is picked from the list, so after a restart the box
// was empty), and the counts the base writes as bare numbers read
// "Осталось: N", as the pick list writes them.
FormWindow::Adjust InventoryShown(klev::Game& game);

}  // namespace ui
