#pragma once
// Every window of the game: the one table the game, the driver and the
// desktop look windows up in. Adding a window is its class and one line here.

#include "shell/game.h"

namespace klev {

WindowTable GameWindows();

}  // namespace klev
