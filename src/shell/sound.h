#pragma once
// Wave sounds: one at a time, a new one cuts the old.

namespace klev {

class Game;

// Plays SoundFile from the "\sound\" folder; never reports a failure.
void PlaySound(Game& game);
// The scene's ambient tick: one of "fon1.wav" .. "fon13.wav".
void AmbientSoundTick(Game& game);

}  // namespace klev
