#pragma once
// Opening a fishing place: its picture and settings, and the scene shown.

namespace klev {

class Game;

// Loads the place picture and settings of PlaceNumber on MapFolder, shows
// the scene, resets the rod picture and hides the main screen.
void OpenPlace(Game& game);
// Reads the current place's settings into the shared state.
void LoadPlaceConfig(Game& game);
// The rig buttons show the rig in use in red.
void MarkRigButtons(Game& game);
// The scene's rig buttons follow RigMode: the rig in use in red, the other
// in black.
void MarkRigButtons(Game& game);

}  // namespace klev
