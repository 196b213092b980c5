#include "shell/sound.h"

#include "shell/game.h"

namespace klev {

void PlaySound(Game& game) {
    forms::WavePlayer& player = game.services.wave;
    player.Close();
    player.Open(game.path("\\sound\\" + game.messages.SoundFile));
    player.Play();
}

void AmbientSoundTick(Game& game) {
    game.Randomize();
    const Long n = game.Draw(13);
    game.messages.SoundFile = "fon" + std::to_string(n) + ".wav";
    PlaySound(game);
}

}  // namespace klev
