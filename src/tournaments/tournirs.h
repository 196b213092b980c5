#pragma once
// Tournaments: the announcement cycle driven by the main screen's event timer.

namespace klev {

class Game;

// One tick of Form1.Sobitia. Tournaments are not built yet: nothing happens.
void TournamentCycle(Game& game);

}  // namespace klev
