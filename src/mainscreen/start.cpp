#include "mainscreen/about.h"
#include "shell/game.h"

namespace klev {

void Game::Start() {
    About& splash = window<About>();
    splash.Show();
    splash.Form_Load();
}

}  // namespace klev
