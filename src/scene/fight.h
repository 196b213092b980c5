#pragma once
// The fish on the hook: hooking, its pull and the tension band, the lure
// strike, and landing into the keep-net.

namespace klev {

class Game;

// Starts the fight with the fish of FishSpecies and FishWeight.
void HookFish(Game& game);
// Fish_Act_T: the fish pulls the tackle sideways or away, may break the line
// and the rod, and regains a little stamina.
void FishPullTick(Game& game);
// Napryazhenie_T: while hooked and not reeling the tension falls; at 735 or
// less the fish is gone. A fall past nothing stops at 735.
void RelaxTension(Game& game);
// A reel step while hooked: the tension rises; at 2655 or more the fish is
// gone.
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

}  // namespace klev
