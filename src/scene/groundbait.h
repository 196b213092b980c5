#pragma once
// Groundbait: the throw and the ball's flight and splash ring.

namespace klev {

class Game;

// N: one portion of the groundbait in use is thrown; its Power becomes
// GroundbaitPower. "Выбери прикормку" when none is in use.
void ThrowGroundbait(Game& game);
// Add_Prik_T: the ball rises and drifts, splashes at the cast line, the ring
// grows for four ticks and the timer stops.
void GroundbaitTick(Game& game);

}  // namespace klev
