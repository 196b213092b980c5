#pragma once
// Small procedures of the main screen.

namespace klev {

class Game;

// Unloads every place marker PScene(1..) of the main screen.
void ClearPlaceMarkers(Game& game);

}  // namespace klev
