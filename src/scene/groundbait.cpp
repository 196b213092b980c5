#include "scene/groundbait.h"

#include "data/numbers.h"
#include "scene/scene_form.h"
#include "scene/tackle.h"
#include "shell/game.h"

namespace klev {
namespace {

// The ball's speed is the game's; the window's Tag shows it, as it always has.
void SetBallSpeed(Game& game, Long speed) {
    game.fishing.BallSpeed = speed;
    game.window<SceneForm>().Prikormka.Tag = data::IntText(speed);
}

}  // namespace

void ThrowGroundbait(Game& game) {
    if (game.save.GroundbaitSlot == 0) {
        ShowInfo(game, "Выбери прикормку");
        return;
    }
    SceneForm& scene = game.window<SceneForm>();
    scene.Add_Prik_T.setEnabled(true);
    scene.Prikormka.Visible = true;
    SetBallSpeed(game, 0);
    game.fishing.WaveStep = 0;
    scene.Volna.Width = 375;
    scene.Volna.Height = 135;
    scene.Volna.Visible = false;
    TackleItem& groundbait = At(game.save.OwnedGroundbaits, game.save.GroundbaitSlot, "OwnedGroundbaits");
    groundbait.Amount -= 1;
    game.fishing.GroundbaitPower = groundbait.Power;
    if (groundbait.Amount == 0) {
        ShowInfo(game, "Прикормка закончилась");
        DropActiveGroundbait(game);
    }
}

void GroundbaitTick(Game& game) {
    SceneForm& scene = game.window<SceneForm>();
    forms::Control& ball = scene.Prikormka;
    const Long speed = game.fishing.BallSpeed;
    ball.Top -= 150;
    ball.Left += float(speed);
    SetBallSpeed(game, speed + 5);
    if (ball.Top <= float(game.place.CastLineY) && game.fishing.WaveStep == 0) {
        ball.Visible = false;
        SetBallSpeed(game, 0);
        game.fishing.WaveStep = 1;
        scene.Volna.Top = ball.Top - 50;
        scene.Volna.Left = ball.Left + 60;
        ball.Left = 4440;
        ball.Top = 5520;
        scene.Volna.Visible = true;
    }
    if (game.fishing.WaveStep > 0) {
        scene.Volna.Width += 20;
        scene.Volna.Height += 20;
        game.fishing.WaveStep += 1;
        if (game.fishing.WaveStep == 5) {
            scene.Volna.Visible = false;
            game.fishing.WaveStep = 0;
            scene.Add_Prik_T.setEnabled(false);
        }
    }
}

}  // namespace klev
