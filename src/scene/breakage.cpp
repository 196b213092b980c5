#include "scene/breakage.h"

#include "scene/scene_form.h"
#include "scene/tackle.h"
#include "shell/game.h"
#include "shell/sound.h"

namespace klev {
namespace {

// One break roll for an overload: the divisors by how far the weight
// exceeds the strength. At exactly -2000, -5000 and -10000 two ranges hold,
// both draws are made and the later one counts.
bool BreakRoll(Game& game, Long strength, const Long (&divisors)[3]) {
    const Long weight = game.fishing.FishWeight;
    if (!(strength < weight)) return false;
    const Long diff = strength - weight;
    Long n = 0;
    if (diff >= -2000 && diff <= 0) n = game.Draw(divisors[0]);
    if (diff >= -5000 && diff <= -2000) n = game.Draw(divisors[1]);
    if (diff >= -10000 && diff <= -5000) n = game.Draw(divisors[2]);
    if (diff <= -10000) n = game.Draw(20);
    return n == 10;
}

void RodBreaks(Game& game) {
    game.messages.InfoText = "Спининг сломан!";
    game.messages.SoundFile = "crsp.wav";
    PlaySound(game);
    ShowInfo(game);
    ResetTackle(game);
    game.fishing.InWater = false;
    SetRodPicture(game, "speen_crash");
    StandRod(game);
    DropActiveRod(game);
    if (game.save.RigMode == Rig::Lure) DropActiveLure(game);
    game.save.RodSlot = 0;
}

void LineBreaks(Game& game) {
    ResetTackle(game);
    game.fishing.InWater = false;
    ShowInfo(game, "Леска порвалась!");
    TackleItem& line = At(game.save.OwnedLines, game.save.LineSlot, "OwnedLines");
    line.LineLength -= game.Draw(10) + 2;
    if (game.save.RigMode == Rig::Lure) DropActiveLure(game);
    if (line.LineLength <= 4) DropActiveLine(game);
}

}  // namespace

void CheckRodBreak(Game& game) {
    // Without a rod in use there is nothing to break.
    if (game.save.RodSlot == 0) return;
    static constexpr Long divisors[3] = {100, 70, 40};
    if (BreakRoll(game, At(game.save.OwnedRods, game.save.RodSlot, "OwnedRods").Strength, divisors)) RodBreaks(game);
}

void CheckLineBreak(Game& game) {
    // A float strike needs no line: a fish hooked after the line was cut
    // and used up has no line to break.
    if (game.save.LineSlot == 0) return;
    static constexpr Long divisors[3] = {90, 60, 35};
    if (BreakRoll(game, At(game.save.OwnedLines, game.save.LineSlot, "OwnedLines").Strength, divisors))
        LineBreaks(game);
}

void CutLine(Game& game) {
    if (game.save.LineSlot == 0) return;
    TackleItem& line = At(game.save.OwnedLines, game.save.LineSlot, "OwnedLines");
    line.LineLength -= 5;
    ShowInfo(game, "Вы оборвали леску");
    if (line.LineLength <= 0) DropActiveLine(game);
    if (game.save.RigMode == Rig::Lure && game.save.LureSlot > 0) DropActiveLure(game);
    ShowInfo(game, "Леска оборвана");
    ResetTackle(game);
    StopReel(game);
    game.fishing.Snagged = false;
    game.fishing.InWater = false;
    SceneForm& scene = game.window<SceneForm>();
    // Nothing fishes on a cut line.
    scene.Actions_T.setEnabled(false);
    scene.SLED.Visible = false;
    scene.popl[0].Visible = false;
    scene.popl[1].Visible = false;
}

}  // namespace klev
