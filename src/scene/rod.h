#pragma once
// The rod: casting, striking and reeling, all stepped by the scene's
// Speen_AnimationT, and taking the tackle out of the water on leaving.

namespace klev {

class Game;

// Space: checks the tackle in use (each missing piece with its message),
// ends any bite or fight, uses one bait portion with the float rig and
// starts the ten-frame cast.
void CastRod(Game& game);
// One cast frame; frame 10 lands the tackle at (5640, CastLineY) and, with
// the float rig, starts the fish search.
void CastFrameTick(Game& game);

// Enter: starts the four-frame strike (refused while snagged or without a
// rod; ignored while the rod is busy).
void StartStrike(Game& game);
// One strike frame; the fourth hooks the fish if a bite is still on.
void StrikeFrameTick(Game& game);

// G down: starts reeling when a line (and, with the lure rig, a lure) is in
// use and the rod is free.
void StartReel(Game& game);
// One reel step: snag roll, rod bob, lure strike roll, 7 twips closer,
// tension, and landing at the shore line.
void ReelTick(Game& game);

// Speen_AnimationT: the cast step, then the strike step, then the reel step,
// each only while its flag is set.
void AnimationTick(Game& game);

// Leaving the scene for the map: the tackle leaves the water and nothing
// keeps running on the hidden window (fish search, groundbait, rod steps).
void HideTackleOnLeave(Game& game);

}  // namespace klev
