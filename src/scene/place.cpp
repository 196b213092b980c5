#include "scene/place.h"

#include "data/map_files.h"
#include "scene/scene_form.h"
#include "shell/game.h"
#include "shell/source.h"

namespace klev {
namespace {

std::string PlaceFolder(const Game& game) {
    return data::PlaceFolder(game.place.MapFolder, game.place.PlaceNumber);
}

}  // namespace

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
    game.form("Form1").Hide();  // the main screen sits above the scene
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

void MarkRigButtons(Game& game) {
    SceneForm& scene = game.window<SceneForm>();
    const bool popl = game.save.RigMode == Rig::Float;
    const bool bles = game.save.RigMode == Rig::Lure;
    if (popl || bles) {
        scene.Butt_Popl.ForeColor = popl ? forms::Red : forms::Black;
        scene.Butt_Bles.ForeColor = popl ? forms::Black : forms::Red;
    }
}

}  // namespace klev
