#pragma once
// Writing and reading the player's save and the records book.

namespace klev {

class Game;

// Writes "vrb.cfg", then "\Data\rec.cfg". Any failure shows "Ошибка при
// сохранении игры" with the error icon; the previous files stay intact.
void SaveGameState(Game& game);
// Reads "vrb.cfg" of PlayerName into the state.
void LoadGameState(Game& game);

}  // namespace klev
