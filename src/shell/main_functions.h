#pragma once
// Opening a fishing place from the map.

namespace klev {

class Game;

// The marker click: prepares the scene (duel console, ambient sound, float
// hidden), opens place `index` and colours the rig buttons.
void OpenPlaceFromMap(Game& game, int index);
// Loads the place picture and settings of PlaceNumber on MapFolder, shows
// the scene, resets the rod picture and hides the main screen.
void OpenPlace(Game& game);
// Reads the current place's settings into the shared state.
void LoadPlaceConfig(Game& game);
// The scene's rig buttons follow RigMode: the rig in use in red, the other
// in black.
void MarkRigButtons(Game& game);

}  // namespace klev
