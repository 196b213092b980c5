#include "shell/functions.h"

#include "scene/scene_form.h"
#include "shell/form1.h"
#include "shell/game.h"

namespace klev {

void UpdateRodVisibility(Game& game) {
    game.window<SceneForm>().Speening.Visible = game.save.RodSlot != 0;
}

void ClearPlaceMarkers(Game& game) {
    forms::ControlArray& markers = game.window<Form1>().PScene;
    for (int i : markers.indices())
        if (i != 0) markers.unload(i);
}

}  // namespace klev
