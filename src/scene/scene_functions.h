#pragma once
// The scene's small procedures: the info line, the breakage checks, cutting
// the line, groundbait, and the removal of used-up tackle.

#include <string>

#include "shell/structures.h"

namespace klev {

class Game;

// Shows InfoText on the scene's info line for a full 4 s from this call,
// restarting the clear-down if a message is already shown. Works on the
// hidden window too.
void ShowInfo(Game& game);
// InfoText = text, then ShowInfo.
void ShowInfo(Game& game, const std::string& text);

// Fish pull checks: a rod or line weaker than FishWeight may break (one
// draw, two at exactly -2000/-5000/-10000 of difference; a 10 breaks).
// Nothing happens without a rod or line in use.
void CheckRodBreak(Game& game);
void CheckLineBreak(Game& game);

// X: the line in use loses 5 m (and the lure with the lure rig); the
// tackle is out of the water and a snag is cleared. Nothing without a line.
void CutLine(Game& game);

// N: one portion of the groundbait in use is thrown; its Power becomes
// GroundbaitPower. "Выбери прикормку" when none is in use.
void ThrowGroundbait(Game& game);
// Add_Prik_T: the ball rises and drifts, splashes at the cast line, the ring
// grows for four ticks and the timer stops.
void GroundbaitTick(Game& game);

// Remove the item in use from its owned list: the last item takes its
// place, the list shrinks by one, the slot becomes 0. With no item in use
// the list is left alone.
void DropActiveRod(Game& game);
void DropActiveLine(Game& game);
void DropActiveBait(Game& game);
void DropActiveLure(Game& game);
void DropActiveGroundbait(Game& game);

}  // namespace klev
