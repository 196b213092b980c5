#pragma once
// The fish at the float: the search for a fish, its weight, the nibbles and
// the four kinds of real bite.

#include "model/game_state.h"

namespace klev {

class Game;

// The species `index` of the species list.
const FishRecord& Species(Game& game, Long index);
// The place entry p, or null when the place lists no such species (a place
// without species lines): then no fish is found.
const PlaceFishEntry* PlaceEntry(const PlaceState& place, Long p);

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

}  // namespace klev
