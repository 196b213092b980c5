#include "scene/speening_functions.h"

#include "data/numbers.h"
#include "scene/game_functions.h"
#include "scene/scene_form.h"
#include "scene/scene_functions.h"
#include "shell/game.h"
#include "shell/source.h"

namespace klev {
namespace {

constexpr float Baseline = 5700;

// The first failing tackle check of a cast, or null when the tackle is
// complete for the current rig.
const char* MissingTackle(const Variables& v) {
    if (v.Snagged) return "ЗАЦЕПИЛСЯ!";
    if (v.RodSlot == 0) return "Спининг не куплен!";
    if (v.LineSlot == 0) return "Нет лески!";
    if (v.RigMode == "bles" && v.LureSlot == 0) return "Блесна не привязана!";
    if (v.RigMode == "popl" && v.BaitSlot == 0) return "Нет наживки!";
    return nullptr;
}

void StartAnimation(Game& game, int interval) {
    forms::Timer& t = game.sceneForm().Speen_AnimationT;
    t.setInterval(interval);
    t.setEnabled(true);
}

void LandCast(Game& game) {
    Variables& v = game.vars;
    SceneForm& scene = game.sceneForm();
    v.CastFrame = 1;
    v.TackleY = v.CastLineY;
    v.TackleX = 5640;
    const float x = float(v.TackleX), y = float(v.TackleY);
    scene.SLED.Left = x;
    scene.SLED.Top = y;
    scene.popl[0].Left = x;
    scene.popl[0].Top = y;
    scene.popl[1].Left = x;
    scene.popl[1].Top = y - 100;
    scene.SLED.Visible = true;
    scene.Speen_AnimationT.setEnabled(false);
    v.RodBusy = false;
    v.CastAnimating = false;
    if (v.RigMode == "popl") {
        scene.popl[0].Visible = true;
        scene.popl[1].Visible = true;
        scene.Actions_T.setEnabled(true);
    }
}

}  // namespace

void SetRodPicture(Game& game, const std::string& name) {
    game.sceneForm().Speening.setPicture(game.source().Fixed(name));
}

void StandRod(Game& game) {
    forms::Control& rod = game.sceneForm().Speening;
    rod.Top = Baseline - rod.Height;
}

void CastRod(Game& game) {
    Variables& v = game.vars;
    if (const char* refusal = MissingTackle(v)) {
        ShowInfo(game, refusal);
        return;
    }
    if (v.RodBusy) return;
    ResetTackle(game);
    SceneForm& scene = game.sceneForm();
    scene.popl[0].Visible = false;
    scene.popl[1].Visible = false;
    if (v.RigMode == "popl") {
        TackleItem& bait = At(v.OwnedBaits, v.BaitSlot, "OwnedBaits");
        bait.Amount -= 1;
        if (bait.Amount < 1) {
            DropActiveBait(game);
            ShowInfo(game, "Насадка закончилась");
        }
    }
    v.CastFrame = 1;
    v.CastAnimating = true;
    v.RodBusy = true;
    StartAnimation(game, 50);
}

void CastFrameTick(Game& game) {
    Variables& v = game.vars;
    switch (v.CastFrame) {
        case 1:
            game.sceneForm().SLED.Visible = false;
            SetRodPicture(game, "speen_zabros1");
            StandRod(game);
            break;
        case 2:
            SetRodPicture(game, "speen_zabros2");
            StandRod(game);
            break;
        case 3:
            SetRodPicture(game, "Speen_normal");
            StandRod(game);
            break;
        case 10:
            LandCast(game);
            return;
        default: break;
    }
    v.CastFrame += 1;
}

void StartStrike(Game& game) {
    Variables& v = game.vars;
    if (v.Snagged) {
        ShowInfo(game, "ЗАЦЕПИЛСЯ!");
        return;
    }
    if (v.RodSlot == 0) {
        ShowInfo(game, "Купи спининг!");
        return;
    }
    if (v.RodBusy) return;
    v.RodBusy = true;
    v.StrikeAnimating = true;
    v.StrikeFrame = 1;
    StartAnimation(game, 30);
    v.RodRestLeft = data::RoundHalfEven(game.sceneForm().Speening.Left);
}

void StrikeFrameTick(Game& game) {
    static const char* const frames[] = {"speen_podsechka1", "speen_podsechka2", "speen_podsechka3"};
    Variables& v = game.vars;
    forms::Control& rod = game.sceneForm().Speening;
    if (v.StrikeFrame >= 1 && v.StrikeFrame <= 3) {
        SetRodPicture(game, frames[v.StrikeFrame - 1]);
        StandRod(game);
        rod.Left -= 100;
        v.StrikeFrame += 1;
        return;
    }
    if (v.StrikeFrame != 4) return;
    SetRodPicture(game, "Speen_normal");
    StandRod(game);
    rod.Left = float(v.RodRestLeft);
    v.StrikeFrame = 1;
    game.sceneForm().Speen_AnimationT.setEnabled(false);
    v.RodBusy = false;
    v.StrikeAnimating = false;
    if (v.BiteKind > 0) {
        HookFish(game);
        v.HookSet = true;
    }
}

void StartReel(Game& game) {
    Variables& v = game.vars;
    if (v.Snagged) {
        ShowInfo(game, "ЗАЦЕПИЛСЯ!");
        return;
    }
    if (v.LineSlot == 0) return;
    if ((v.RigMode == "bles" && v.LureSlot == 0) || v.RodBusy) return;
    v.RodBusy = true;
    v.ReelBob = 1;
    v.Reeling = true;
    StartAnimation(game, 50);
    v.RodRestLeft = data::RoundHalfEven(game.sceneForm().Speening.Left);
}

void StopReel(Game& game) {
    Variables& v = game.vars;
    StandRod(game);
    v.ReelBob = 1;
    game.sceneForm().Speen_AnimationT.setEnabled(false);
    v.RodBusy = false;
    v.Reeling = false;
}

void ReelTick(Game& game) {
    Variables& v = game.vars;
    if (v.RodSlot == 0) return;
    if (v.Snagged) {
        SetRodPicture(game, "Speen_izgib2");
        ShowInfo(game, "ЗАЦЕПИЛСЯ!");
        return;
    }
    game.Randomize();
    const Long n = game.Draw(6000);
    if (n <= v.SnagChance && !v.Hooked && v.RigMode == "bles") v.Snagged = true;

    SceneForm& scene = game.sceneForm();
    forms::Control& rod = scene.Speening;
    if (v.ReelBob == 1) {
        rod.Top += 50;
        v.ReelBob = 2;
    } else if (v.ReelBob == 2) {
        rod.Top -= 50;
        v.ReelBob = 1;
    }
    if (v.RigMode == "bles" && !v.Hooked) LureAttractTick(game);
    v.TackleY += 7;
    if (v.Hooked) {
        v.FishStamina -= 2;
        RaiseTension(game);
    }
    scene.SLED.Top = float(v.TackleY);
    scene.popl[0].Top = float(v.TackleY);
    scene.popl[1].Top = float(v.TackleY - 100);
    if (v.TackleY >= v.ShoreLineY) {
        v.TackleY = v.ShoreLineY;
        StopReel(game);
        if (v.Hooked) LandCatch(game);
    }
}

void AnimationTick(Game& game) {
    Variables& v = game.vars;
    if (v.CastAnimating) CastFrameTick(game);
    if (v.StrikeAnimating) StrikeFrameTick(game);
    if (v.Reeling) ReelTick(game);
}

}  // namespace klev
