#include "scene/scene_form.h"

#include "shell/game.h"
#include "shell/sound.h"

namespace klev {

using forms::Kind;

SceneForm::SceneForm(Game& game)
    : forms::Form(game.timers, "SceneForm"),
      Picture1(add(Kind::PictureBox, "Picture1", 0, 0, 9600, 5700)),
      Speening(add(Kind::Image, "Speening", 6000, 1200, 3000, 4500)),
      popl(array(Kind::Shape, "popl", 5640, 2640, 15, 15)),
      SLED(add(Kind::Shape, "SLED", 5640, 2640, 15, 15)),
      Butt_Popl(label("Butt_Popl", "поплавок", 7800, 6240, 1200, 255)),
      Butt_Bles(label("Butt_Bles", "блесна", 7800, 6600, 1200, 255)),
      Duel_Console(add(Kind::ListBox, "Duel_Console", 120, 120, 2400, 1500)),
      Duel_Vremya(label("Duel_Vremya", "", 120, 1680, 2400, 255)),
      Sound_T(timer("Sound_T", 15000, [&game] { AmbientSoundTick(game); })),
      Duel_T(timer("Duel_T", 1000, [] {})),
      Tur_T(timer("Tur_T", 1000, [] {})),
      game_(game) {
    Width = 9600;
    Height = 7200;
    popl.load(1);
    popl[1].Left = 5640;
    popl[1].Top = 2520;
    popl[1].Height = 135;
}

}  // namespace klev
