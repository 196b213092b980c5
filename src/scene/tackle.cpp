#include "scene/tackle.h"

#include "scene/scene_form.h"
#include "shell/game.h"
#include "shell/source.h"

namespace klev {
namespace {

constexpr float Baseline = 5700;
constexpr forms::Color BarGreen = 0x00C000;

// The removal rule shared by the five DropActive procedures.
void DropInUse(std::vector<TackleItem>& list, Long& slot, const char* listName) {
    // Nothing is in use: there is nothing to remove, and emptying a
    // one-item list here would throw away tackle the player still has.
    if (slot == 0) return;
    if (list.size() <= 1) {
        list.clear();
    } else {
        At(list, slot, listName) = list.back();
        list.pop_back();
    }
    slot = 0;
}

}  // namespace

void ShowInfo(Game& game) {
    SceneForm& scene = game.window<SceneForm>();
    if (scene.Show_TExt_T.enabled()) {
        scene.Show_TExt_T.setEnabled(false);
        scene.Show_TExt_T.setEnabled(true);
    }
    scene.Show_TExt_T.setEnabled(true);
    scene.Info_Display.Caption = game.messages.InfoText;
}

void ShowInfo(Game& game, const std::string& text) {
    game.messages.InfoText = text;
    ShowInfo(game);
}

void SetRodPicture(Game& game, const std::string& name) {
    game.window<SceneForm>().Speening.setPicture(game.window<Source>().Fixed(name));
}

void StandRod(Game& game) {
    forms::Control& rod = game.window<SceneForm>().Speening;
    rod.Top = Baseline - rod.Height;
}

void StartAnimation(Game& game, int interval) {
    forms::Timer& t = game.window<SceneForm>().Speen_AnimationT;
    t.setInterval(interval);
    t.setEnabled(true);
}

void PlaceFloat(Game& game) {
    SceneForm& scene = game.window<SceneForm>();
    const float x = float(game.fishing.TackleX), y = float(game.fishing.TackleY);
    scene.popl[0].Top = y;
    scene.popl[1].Top = y - 100;
    scene.popl[0].Left = x;
    scene.popl[1].Left = x;
    scene.SLED.Left = x;
    scene.SLED.Top = y;
}

void ShowTension(Game& game) { game.window<SceneForm>().HerboLine.Width = game.fishing.Tension; }

void ResetTackle(Game& game) {
    FishingState& f = game.fishing;
    SceneForm& scene = game.window<SceneForm>();
    f.BiteStep = 0;
    f.BiteKind = BiteType::None;
    f.BiteActive = false;
    scene.Klev_T.setInterval(200);
    scene.Klev_T.setEnabled(false);
    f.FishAtBait = false;
    const bool floatRig = game.save.RigMode == Rig::Float;
    scene.popl[0].Visible = floatRig;
    scene.popl[1].Visible = floatRig;
    scene.popl[0].Height = 15;
    SetRodPicture(game, "Speen_normal");
    f.Hooked = false;
    scene.Fish_Act_T.setEnabled(false);
    f.HookSet = false;
    f.Tension = BarAtRest;
    ShowTension(game);
    scene.HerboLine.BackColor = BarGreen;
    scene.Napryazhenie_T.setEnabled(false);
}

void StopReel(Game& game) {
    FishingState& f = game.fishing;
    SceneForm& scene = game.window<SceneForm>();
    // A strike cut short leaves the rod shifted to the left.
    if (f.StrikeAnimating) scene.Speening.Left = float(f.RodRestLeft);
    StandRod(game);
    f.ReelBob = 1;
    scene.Speen_AnimationT.setEnabled(false);
    f.RodBusy = false;
    f.Reeling = false;
    // Whatever the timer animated is over: the next Space or Enter starts anew.
    f.CastAnimating = false;
    f.StrikeAnimating = false;
}

void DropActiveRod(Game& game) { DropInUse(game.save.OwnedRods, game.save.RodSlot, "OwnedRods"); }
void DropActiveLine(Game& game) { DropInUse(game.save.OwnedLines, game.save.LineSlot, "OwnedLines"); }
void DropActiveBait(Game& game) { DropInUse(game.save.OwnedBaits, game.save.BaitSlot, "OwnedBaits"); }
void DropActiveLure(Game& game) { DropInUse(game.save.OwnedLures, game.save.LureSlot, "OwnedLures"); }
void DropActiveGroundbait(Game& game) {
    DropInUse(game.save.OwnedGroundbaits, game.save.GroundbaitSlot, "OwnedGroundbaits");
}

}  // namespace klev
