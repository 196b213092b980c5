#pragma once
// The four regulars of the bar: who speaks on an `Actions` tick, what each
// one says (by a draw, his own drunkenness and his respect for the player),
// throwing up, Хумпи's eyes, and the puddles sliding down on `Timer1`.
// Every procedure changes game.bar and game.save.Regulars only; the callers
// (the bar's timers) put the result on the window.

namespace klev {

class Game;

// `Actions` tick: reseed, t := 1..100, k := 1..4, b := Int(Rnd * (100 -
// drunkenness of k)) + 1; regular k speaks when b < t.
void ChooseSpeaker(Game& game);

// One line of Бумбер, Липот, Дросс, Хумпи (regulars 1..4): the bubble moves
// to him, a mode is drawn, and past his sleep threshold he only says
// "Zzz Zzz".
void Bumber_AI(Game& game);
void Lipot_AI(Game& game);
void Dross_AI(Game& game);
void Humpi_AI(Game& game);

// `Timer1` tick: while more puddles lie than the first sliding one, each
// from it on moves 100 twips down; one that reaches 5400 jumps back to the
// first sliding puddle's top and the next one becomes the first sliding.
void SlidePuddles(Game& game);

}  // namespace klev
