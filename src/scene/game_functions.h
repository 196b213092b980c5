#pragma once
// The fish: the search for a fish at the float, the weight draw, nibbles
// and the four bites, the fight (pull, tension, hooking), landing, the lure
// strike, and the common reset of the tackle.

namespace klev {

class Game;

// Actions_T: the fish search, unless a fish already nibbles.
void ActionsTick(Game& game);
// One fish search: a species of the place, its abundance and its taste for
// the bait in use; groundbait raises (or, from power 200, stops) the chance.
void LookForFish(Game& game);
// FishWeight for FishSpecies: three nested draws, skewed towards MinWeight.
void DrawFishWeight(Game& game);
// Klev_T: a nibble bob, the fish may leave or really bite; during a real
// bite, the bite step instead.
void NibbleTick(Game& game);
// One step of a real bite (drift, pulled under, bobbing, rising); the bite
// is missed at its kind's last step.
void BiteTick(Game& game);

// Ends any nibble, bite or fight and restores the float, the rod picture
// and the tension bar. Leaves the cast, the reel, the snag and the tackle
// position alone.
void ResetTackle(Game& game);

// Starts the fight with the fish of FishSpecies and FishWeight.
void HookFish(Game& game);
// Fish_Act_T: the fish pulls the tackle sideways or away, may break the line
// and the rod, and regains a little stamina.
void FishPullTick(Game& game);
// Napryazhenie_T: while hooked and not reeling the tension bar shrinks; at
// 735 or less the fish is gone. A shrink below zero width is not made.
void RelaxTension(Game& game);
// A reel step while hooked: the tension bar grows; at 2655 or more the fish
// is gone.
void RaiseTension(Game& game);

// A lure reel step without a fish: 1 in 3 tries LureStrike.
void LureAttractTick(Game& game);
// A fish of the place may take the lure at once (1 in 5, abundance, taste).
void LureStrike(Game& game);

// Appends the hooked fish to the keep-net.
void LandFish(Game& game);
// The whole landing at the shore line: keep-net, the catch shown on the info
// line and in the caught-fish window, the rod and the tackle at rest.
void LandCatch(Game& game);

// Leaving the scene for the map: the tackle leaves the water and nothing
// keeps running on the hidden window (fish search, groundbait, rod steps).
void HideTackleOnLeave(Game& game);

}  // namespace klev
