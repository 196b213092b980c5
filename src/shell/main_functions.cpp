#include "shell/main_functions.h"

#include "data/map_files.h"
#include "scene/scene_form.h"
#include "shell/form1.h"
#include "shell/functions.h"
#include "shell/game.h"
#include "shell/source.h"

namespace klev {
namespace {

std::string PlaceFolder(const Game& game) {
    return "\\Data\\Maps\\" + game.place.MapFolder + "\\Loc" + std::to_string(game.place.PlaceNumber);
}

}  // namespace

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
    const bool popl = game.save.RigMode == Rig::Float;
    const bool bles = game.save.RigMode == Rig::Lure;
    if (popl || bles) {
        scene.Butt_Popl.ForeColor = popl ? forms::Red : forms::Black;
        scene.Butt_Bles.ForeColor = popl ? forms::Black : forms::Red;
    }
}

void OpenPlace(Game& game) {
    SceneForm& scene = game.window<SceneForm>();
    const std::string picturePath = PlaceFolder(game) + "\\Scene.scn";
    const auto file = game.path(picturePath);
    try {
        scene.Picture1.setPicture(game.services.pictures.Load(file, picturePath));
    } catch (const forms::PictureError&) {
        throw data::FatalError("File not found or not a picture: " + picturePath);
    }
    LoadPlaceConfig(game);
    scene.Show();
    scene.Speening.setPicture(game.window<Source>().Fixed("Speen_normal"));
    scene.Speening.Top = 5700 - scene.Speening.Height;
    game.window<Form1>().Hide();
}

void LoadPlaceConfig(Game& game) {
    const std::string shown = PlaceFolder(game) + "\\Conf.cfg";
    const data::PlaceConfig place =
        data::ReadPlaceConfig(game.path(shown), shown, game.loaded.SpeciesList, game.sep());
    game.place.ShoreLineY = place.shoreLineY;
    game.place.CastLineY = place.castLineY;
    game.place.SnagChance = place.snagChance;
    game.place.PlaceFish = place.fish;
}

}  // namespace klev
