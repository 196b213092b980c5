#include "mainscreen/main_functions.h"

#include "base/inventory.h"
#include "mainscreen/form1.h"
#include "scene/place.h"
#include "scene/scene_form.h"
#include "shell/game.h"

namespace klev {

void OpenPlaceFromMap(Game& game, int index) {
    SceneForm& scene = game.window<SceneForm>();
    scene.Duel_Console.Visible = false;
    scene.Duel_T.setEnabled(false);
    scene.Duel_Vremya.Visible = false;
    scene.Sound_T.setEnabled(true);
    scene.popl[0].Visible = false;
    scene.popl[1].Visible = false;
    scene.SLED.Visible = false;
    if (game.duel.InDuel) {
        game.duel.DuelTimeLeft = 100;
        scene.Duel_Console.Visible = true;
        scene.Duel_T.setEnabled(true);
        scene.Duel_Vremya.Visible = true;
        game.duel.RivalCatch.clear();
        game.window<Form1>().Info.Caption = "";
    }
    game.place.PlaceNumber = index;
    OpenPlace(game);
    UpdateRodVisibility(game);
    MarkRigButtons(game);
}

}  // namespace klev
