#include "scene/scene_functions.h"

#include "data/numbers.h"
#include "scene/game_functions.h"
#include "scene/scene_form.h"
#include "scene/speening_functions.h"
#include "shell/game.h"
#include "shell/sound.h"

namespace klev {
namespace {

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

// One break roll for an overload: the divisors by how far the weight
// exceeds the strength. At exactly -2000, -5000 and -10000 two ranges hold,
// both draws are made and the later one counts.
bool BreakRoll(Game& game, Long strength, const Long (&divisors)[3]) {
    const Long weight = game.vars.FishWeight;
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
    Variables& v = game.vars;
    v.InfoText = "Спининг сломан!";
    v.SoundFile = "crsp.wav";
    PlaySound(game);
    ShowInfo(game);
    ResetTackle(game);
    SetRodPicture(game, "speen_crash");
    StandRod(game);
    DropActiveRod(game);
    if (v.RigMode == "bles") DropActiveLure(game);
    v.RodSlot = 0;
}

void LineBreaks(Game& game) {
    Variables& v = game.vars;
    ResetTackle(game);
    ShowInfo(game, "Леска порвалась!");
    TackleItem& line = At(v.OwnedLines, v.LineSlot, "OwnedLines");
    line.LineLength -= game.Draw(10) + 2;
    if (v.RigMode == "bles") DropActiveLure(game);
    if (line.LineLength <= 4) DropActiveLine(game);
}

}  // namespace

void ShowInfo(Game& game) {
    SceneForm& scene = game.sceneForm();
    if (scene.Show_TExt_T.enabled()) {
        scene.Show_TExt_T.setEnabled(false);
        scene.Show_TExt_T.setEnabled(true);
    }
    scene.Show_TExt_T.setEnabled(true);
    scene.Info_Display.Caption = game.vars.InfoText;
}

void ShowInfo(Game& game, const std::string& text) {
    game.vars.InfoText = text;
    ShowInfo(game);
}

void CheckRodBreak(Game& game) {
    Variables& v = game.vars;
    // Without a rod in use there is nothing to break.
    if (v.RodSlot == 0) return;
    static constexpr Long divisors[3] = {100, 70, 40};
    if (BreakRoll(game, At(v.OwnedRods, v.RodSlot, "OwnedRods").Strength, divisors)) RodBreaks(game);
}

void CheckLineBreak(Game& game) {
    Variables& v = game.vars;
    // A float strike needs no line: a fish hooked after the line was cut
    // and used up has no line to break.
    if (v.LineSlot == 0) return;
    static constexpr Long divisors[3] = {90, 60, 35};
    if (BreakRoll(game, At(v.OwnedLines, v.LineSlot, "OwnedLines").Strength, divisors)) LineBreaks(game);
}

void CutLine(Game& game) {
    Variables& v = game.vars;
    if (v.LineSlot == 0) return;
    TackleItem& line = At(v.OwnedLines, v.LineSlot, "OwnedLines");
    line.LineLength -= 5;
    ShowInfo(game, "Вы оборвали леску");
    if (line.LineLength <= 0) DropActiveLine(game);
    if (v.RigMode == "bles" && v.LureSlot > 0) DropActiveLure(game);
    ShowInfo(game, "Леска оборвана");
    ResetTackle(game);
    StopReel(game);
    v.Snagged = false;
    SceneForm& scene = game.sceneForm();
    scene.SLED.Visible = false;
    scene.popl[0].Visible = false;
    scene.popl[1].Visible = false;
}

void ThrowGroundbait(Game& game) {
    Variables& v = game.vars;
    if (v.GroundbaitSlot == 0) {
        ShowInfo(game, "Выбери прикормку");
        return;
    }
    SceneForm& scene = game.sceneForm();
    scene.Add_Prik_T.setEnabled(true);
    scene.Prikormka.Visible = true;
    scene.Prikormka.Tag = "0";
    v.WaveStep = 0;
    scene.Volna.Width = 375;
    scene.Volna.Height = 135;
    scene.Volna.Visible = false;
    TackleItem& groundbait = At(v.OwnedGroundbaits, v.GroundbaitSlot, "OwnedGroundbaits");
    groundbait.Amount -= 1;
    v.GroundbaitPower = groundbait.Power;
    if (groundbait.Amount == 0) {
        ShowInfo(game, "Прикормка закончилась");
        DropActiveGroundbait(game);
    }
}

void GroundbaitTick(Game& game) {
    Variables& v = game.vars;
    SceneForm& scene = game.sceneForm();
    forms::Control& ball = scene.Prikormka;
    const Long speed = data::LenientInteger(ball.Tag);
    ball.Top -= 150;
    ball.Left += float(speed);
    ball.Tag = data::IntText(speed + 5);
    if (ball.Top <= float(v.CastLineY) && v.WaveStep == 0) {
        ball.Visible = false;
        ball.Tag = "0";
        v.WaveStep = 1;
        scene.Volna.Top = ball.Top - 50;
        scene.Volna.Left = ball.Left + 60;
        ball.Left = 4440;
        ball.Top = 5520;
        scene.Volna.Visible = true;
    }
    if (v.WaveStep > 0) {
        scene.Volna.Width += 20;
        scene.Volna.Height += 20;
        v.WaveStep += 1;
        if (v.WaveStep == 5) {
            scene.Volna.Visible = false;
            v.WaveStep = 0;
            scene.Add_Prik_T.setEnabled(false);
        }
    }
}

void DropActiveRod(Game& game) { DropInUse(game.vars.OwnedRods, game.vars.RodSlot, "OwnedRods"); }
void DropActiveLine(Game& game) { DropInUse(game.vars.OwnedLines, game.vars.LineSlot, "OwnedLines"); }
void DropActiveBait(Game& game) { DropInUse(game.vars.OwnedBaits, game.vars.BaitSlot, "OwnedBaits"); }
void DropActiveLure(Game& game) { DropInUse(game.vars.OwnedLures, game.vars.LureSlot, "OwnedLures"); }
void DropActiveGroundbait(Game& game) {
    DropInUse(game.vars.OwnedGroundbaits, game.vars.GroundbaitSlot, "OwnedGroundbaits");
}

}  // namespace klev
