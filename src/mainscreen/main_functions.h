#pragma once
// Opening a fishing place from the map.

namespace klev {

class Game;

// The marker click: prepares the scene (duel console, ambient sound, float
// hidden), opens place `index` and colours the rig buttons.
void OpenPlaceFromMap(Game& game, int index);

}  // namespace klev
