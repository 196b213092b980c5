#include "scene/rod.h"

#include "data/numbers.h"
#include "scene/fight.h"
#include "scene/scene_form.h"
#include "scene/tackle.h"
#include "shell/game.h"
#include "shell/journal.h"

namespace klev {
namespace {

// The first failing tackle check of a cast, or null when the tackle is
// complete for the current rig.
const char* MissingTackle(const Game& game) {
    const SaveData& s = game.save;
    if (game.fishing.Snagged) return "ЗАЦЕПИЛСЯ!";
    if (s.RodSlot == 0) return "Спининг не куплен!";
    if (s.LineSlot == 0) return "Нет лески!";
    if (s.RigMode == Rig::Lure && s.LureSlot == 0) return "Блесна не привязана!";
    if (s.RigMode == Rig::Float && s.BaitSlot == 0) return "Нет наживки!";
    return nullptr;
}

void LandCast(Game& game) {
    FishingState& f = game.fishing;
    SceneForm& scene = game.window<SceneForm>();
    f.CastFrame = 1;
    f.TackleY = game.place.CastLineY;
    f.TackleX = 5640;
    f.InWater = true;
    PlaceFloat(game);
    scene.SLED.Visible = true;
    scene.Speen_AnimationT.setEnabled(false);
    f.RodBusy = false;
    f.CastAnimating = false;
    if (game.save.RigMode == Rig::Float) {
        scene.popl[0].Visible = true;
        scene.popl[1].Visible = true;
        scene.Actions_T.setEnabled(true);
    }
}

// The rod bobs up and down with every turn of the reel.
void BobRod(Game& game) {
    forms::Control& rod = game.window<SceneForm>().Speening;
    if (game.fishing.ReelBob == 1) {
        rod.Top += 50;
        game.fishing.ReelBob = 2;
    } else if (game.fishing.ReelBob == 2) {
        rod.Top -= 50;
        game.fishing.ReelBob = 1;
    }
}

}  // namespace

void CastRod(Game& game) {
    if (const char* refusal = MissingTackle(game)) {
        ShowInfo(game, refusal);
        return;
    }
    if (game.fishing.RodBusy) return;
    JournalCast(game);
    ResetTackle(game);
    game.fishing.InWater = false;  // out of the water until the cast lands
    SceneForm& scene = game.window<SceneForm>();
    scene.popl[0].Visible = false;
    scene.popl[1].Visible = false;
    if (game.save.RigMode == Rig::Float) {
        TackleItem& bait = At(game.save.OwnedBaits, game.save.BaitSlot, "OwnedBaits");
        bait.Amount -= 1;
        if (bait.Amount < 1) {
            DropActiveBait(game);
            ShowInfo(game, "Насадка закончилась");
        }
    }
    game.fishing.CastFrame = 1;
    game.fishing.CastAnimating = true;
    game.fishing.RodBusy = true;
    StartAnimation(game, 50);
}

void CastFrameTick(Game& game) {
    switch (game.fishing.CastFrame) {
        case 1:
            game.window<SceneForm>().SLED.Visible = false;
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
    game.fishing.CastFrame += 1;
}

void StartStrike(Game& game) {
    if (game.fishing.Snagged) {
        ShowInfo(game, "ЗАЦЕПИЛСЯ!");
        return;
    }
    if (game.save.RodSlot == 0) {
        ShowInfo(game, "Купи спининг!");
        return;
    }
    if (game.fishing.RodBusy) return;
    game.fishing.RodBusy = true;
    game.fishing.StrikeAnimating = true;
    game.fishing.StrikeFrame = 1;
    StartAnimation(game, 30);
    game.fishing.RodRestLeft = data::RoundHalfEven(game.window<SceneForm>().Speening.Left);
}

void StrikeFrameTick(Game& game) {
    static const char* const frames[] = {"speen_podsechka1", "speen_podsechka2", "speen_podsechka3"};
    FishingState& f = game.fishing;
    forms::Control& rod = game.window<SceneForm>().Speening;
    if (f.StrikeFrame >= 1 && f.StrikeFrame <= 3) {
        SetRodPicture(game, frames[f.StrikeFrame - 1]);
        StandRod(game);
        rod.Left -= 100;
        f.StrikeFrame += 1;
        return;
    }
    if (f.StrikeFrame != 4) return;
    SetRodPicture(game, "Speen_normal");
    StandRod(game);
    rod.Left = float(f.RodRestLeft);
    f.StrikeFrame = 1;
    game.window<SceneForm>().Speen_AnimationT.setEnabled(false);
    f.RodBusy = false;
    f.StrikeAnimating = false;
    if (f.BiteKind != BiteType::None) {
        HookFish(game);
        f.HookSet = true;
    }
}

void StartReel(Game& game) {
    if (game.fishing.Snagged) {
        ShowInfo(game, "ЗАЦЕПИЛСЯ!");
        return;
    }
    if (game.save.LineSlot == 0) return;
    if ((game.save.RigMode == Rig::Lure && game.save.LureSlot == 0) || game.fishing.RodBusy) return;
    // Only tackle that a cast put in the water can be reeled in.
    if (!game.fishing.InWater) return;
    game.fishing.RodBusy = true;
    game.fishing.ReelBob = 1;
    game.fishing.Reeling = true;
    StartAnimation(game, 50);
    game.fishing.RodRestLeft = data::RoundHalfEven(game.window<SceneForm>().Speening.Left);
}

void ReelTick(Game& game) {
    FishingState& f = game.fishing;
    const bool lureRig = game.save.RigMode == Rig::Lure;
    if (game.save.RodSlot == 0) return;
    if (f.Snagged) {
        SetRodPicture(game, "Speen_izgib2");
        ShowInfo(game, "ЗАЦЕПИЛСЯ!");
        return;
    }
    game.Randomize();
    const Long n = game.Draw(6000);
    if (n <= game.place.SnagChance && !f.Hooked && lureRig) f.Snagged = true;
    BobRod(game);
    if (lureRig && !f.Hooked) LureAttractTick(game);
    f.TackleY += 7;
    if (f.Hooked) {
        f.FishStamina -= 2;
        RaiseTension(game);
    }
    SceneForm& scene = game.window<SceneForm>();
    scene.SLED.Top = float(f.TackleY);
    scene.popl[0].Top = float(f.TackleY);
    scene.popl[1].Top = float(f.TackleY - 100);
    if (f.TackleY >= game.place.ShoreLineY) {
        f.TackleY = game.place.ShoreLineY;
        f.InWater = false;
        StopReel(game);
        if (f.Hooked) LandCatch(game);
    }
}

void AnimationTick(Game& game) {
    if (game.fishing.CastAnimating) CastFrameTick(game);
    if (game.fishing.StrikeAnimating) StrikeFrameTick(game);
    if (game.fishing.Reeling) ReelTick(game);
}

void HideTackleOnLeave(Game& game) {
    FishingState& f = game.fishing;
    SceneForm& scene = game.window<SceneForm>();
    scene.popl[0].Visible = false;
    scene.popl[1].Visible = false;
    scene.SLED.Visible = false;
    scene.Actions_T.setEnabled(false);
    scene.Add_Prik_T.setEnabled(false);
    scene.Speen_AnimationT.setEnabled(false);
    scene.Prikormka.Visible = false;
    scene.Volna.Visible = false;
    f.WaveStep = 0;
    f.FishAtBait = false;
    f.InWater = false;
    // A strike cut short leaves the rod shifted to the left.
    if (f.StrikeAnimating) scene.Speening.Left = float(f.RodRestLeft);
    StandRod(game);
    f.CastAnimating = false;
    f.StrikeAnimating = false;
    f.Reeling = false;
    f.RodBusy = false;
}

}  // namespace klev
