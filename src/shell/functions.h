#pragma once
// Small procedures of the shell used across the game.

namespace klev {

class Game;

// Shows the scene's rod picture when a rod is in use, hides it otherwise.
void UpdateRodVisibility(Game& game);
// Unloads every place marker PScene(1..) of the main screen.
void ClearPlaceMarkers(Game& game);

}  // namespace klev
