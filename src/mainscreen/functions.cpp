#include "mainscreen/functions.h"

#include "mainscreen/form1.h"
#include "shell/game.h"

namespace klev {

void ClearPlaceMarkers(Game& game) {
    forms::ControlArray& markers = game.window<Form1>().PScene;
    for (int i : markers.indices())
        if (i != 0) markers.unload(i);
}

}  // namespace klev
