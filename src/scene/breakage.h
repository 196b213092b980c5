#pragma once
// What a fish or the player can break: the rod and line checks of a fish's
// pull, and cutting the line.

namespace klev {

class Game;

// Fish pull checks: a rod or line weaker than FishWeight may break (one
// draw, two at exactly -2000/-5000/-10000 of difference; a 10 breaks).
// Nothing happens without a rod or line in use.
void CheckRodBreak(Game& game);
void CheckLineBreak(Game& game);

// X: the line in use loses 5 m (and the lure with the lure rig); the
// tackle is out of the water and a snag is cleared. Nothing without a line.
void CutLine(Game& game);

}  // namespace klev
