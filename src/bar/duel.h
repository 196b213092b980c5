#pragma once
// Duels: a 100-tick match for money against a regular who respects the
// player. ChallengeRegular is the bar's answer to the chooser;
// Duel_Select's "начать" accepts the duel (StartDuel); the map then starts
// play at the chosen place, and the scene's `Duel_T` ticks DuelTick.

#include <string>

#include "model/records.h"

namespace klev {

class Game;

// The chosen rival (SelectedRegular) accepts when his attitude is above 99:
// the bar closes as when the player leaves it, and Duel_Select opens.
// Otherwise the chooser says "добейся его уважения".
void ChallengeRegular(Game& game);

// What "начать" made of the set-up window's entries.
enum class DuelStart { Accepted, OverLimit, NoMoney, Negative };

// Accepts a duel with the stake text (its leading number, "." as the point)
// and the conditions text; refuses a stake above 100, below 0 or above the
// player's money, changing nothing. An unknown conditions text keeps the
// previous DuelKind.
DuelStart StartDuel(Game& game, const std::string& stakeText, const std::string& kindText);

// One second of the duel: the countdown, the rival's draws (r, s, p) and
// maybe his catch; at 0 the settlement and the end of the duel.
void DuelTick(Game& game);

}  // namespace klev
