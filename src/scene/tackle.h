#pragma once
// The scene's shared helpers, at the bottom of its procedures: the info line,
// the rod's picture and stance, the float and marker placement, the tension
// bar, the common reset of the tackle, stopping the rod, and the removal of
// used-up tackle. Everything else in the scene builds on these.

#include <string>

namespace klev {

class Game;

// Shows InfoText on the scene's info line for a full 4 s from this call,
// restarting the clear-down if a message is already shown. Works on the
// hidden window too.
void ShowInfo(Game& game);
// InfoText = text, then ShowInfo.
void ShowInfo(Game& game, const std::string& text);

// The rod image shows the fixed picture `name`.
void SetRodPicture(Game& game, const std::string& name);
// The rod stands on the baseline: Top = 5700 - Height.
void StandRod(Game& game);
// Starts the shared animation timer at `interval` ms.
void StartAnimation(Game& game, int interval);

// The float and the tackle marker follow the tackle position.
void PlaceFloat(Game& game);
// The tension bar shows the fight's tension; its width at rest.
void ShowTension(Game& game);
constexpr float BarAtRest = 10;

// Ends any nibble, bite or fight and restores the float, the rod picture
// and the tension bar. Leaves the cast, the reel, the snag and the tackle
// position alone.
void ResetTackle(Game& game);
// G up, shore line reached, landing, line cut: the rod stands at rest and
// the animation timer stops; a cast or strike it was animating is over.
void StopReel(Game& game);

// Remove the item in use from its owned list: the last item takes its
// place, the list shrinks by one, the slot becomes 0. With no item in use
// the list is left alone.
void DropActiveRod(Game& game);
void DropActiveLine(Game& game);
void DropActiveBait(Game& game);
void DropActiveLure(Game& game);
void DropActiveGroundbait(Game& game);

}  // namespace klev
