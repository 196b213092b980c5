#pragma once
// The catch at the base and in the scene: the caught-fish window and the
// evaluation.

namespace klev {

class Game;

// Fills the caught-fish window `Trofei` from the keep-net and shows it.
void ShowCaughtFish(Game& game);
// Compares the keep-net with the records book and buys the fish big enough.
void EvaluateCatch(Game& game);

}  // namespace klev
