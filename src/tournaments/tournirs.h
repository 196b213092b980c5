#pragma once
// Tournaments: the announcement cycle on the main screen's event timer, the
// opening of a tournament, the entry, the contest clock with the regulars'
// simulated catches, and the result.

namespace klev {

class Game;

// One tick of Form1.Sobitia: counts TournamentCountdown up; the count
// passing 299 opens a tournament (and, when one opened, the two "Открыт
// турнир!" texts); reaching 400 withdraws the offer and starts again at 1.
void TournamentCycle(Game& game);

// Draws a new tournament (reseed, regulars' tournament fields emptied, 300
// ticks, the console cleared unless a duel is writing to it, map, place and
// prize, the place's species, the target) and puts the offer on the board.
// When none can be drawn (no maps, a map without places, a place without a
// species of abundance 10 or more) no offer opens and false is returned;
// the draws up to the first impossible one are made all the same.
bool OpenTournament(Game& game);

// Tour_Form's "Начать": refused with fish in the keep-net ("Продай или
// выпусти всю рыбу", even when no offer is open), then ignored when no offer
// is open, refused while a duel is arranged ("Сначала закончи дуэль");
// otherwise the player is taken to the tournament place and the contest
// clock starts.
void EnterTournament(Game& game);

// One tick of SceneForm.Tur_T: the countdown, a rival's chance, the end.
void TournamentTick(Game& game);

// Reseeds, then draws a, b, k, d, e: regular k catches a fish of place
// species e when a = 3, his Skill <= b and the species' abundance >= d. The
// weight takes three nested draws; the catch goes to his list and the
// console.
void SimulateRivalCatch(Game& game);

// Decides the best target fish of each regular and of the player's
// keep-net, writes the five result lines, pays the prize to a strict win,
// shows Tur_Result, stops the contest clock and restarts the announcement
// cycle one tick before its withdrawal.
void FinishTournament(Game& game);

}  // namespace klev
