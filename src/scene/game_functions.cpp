#include "scene/game_functions.h"

#include <cmath>

#include "base/catch_functions.h"
#include "data/numbers.h"
#include "scene/scene_form.h"
#include "scene/scene_functions.h"
#include "scene/speening_functions.h"
#include "shell/game.h"
#include "shell/weight_text.h"

namespace klev {
namespace {

constexpr forms::Color BarGreen = 0x00C000;
constexpr float BarAtRest = 10;
constexpr float BarHooked = 1695;
constexpr float SlackLimit = 735;
constexpr float OverloadLimit = 2655;

const FishRecord& Species(Game& game, Long index) { return At(game.vars.SpeciesList, index, "SpeciesList"); }

// The place entry p, or null when the place lists no such species (a place
// without species lines): then no fish is found.
const PlaceFishEntry* PlaceEntry(const Variables& v, Long p) {
    if (p < 1 || p > Long(v.PlaceFish.size())) return nullptr;
    return &v.PlaceFish[std::size_t(p - 1)];
}

// The float bob of a nibble: alternately 35 twips down and up the screen.
void BobFloat(Variables& v) {
    if (v.FloatBob == "down") {
        v.FloatBob = "up";
        v.TackleY += 35;
    } else {
        v.FloatBob = "down";
        v.TackleY -= 35;
    }
}

void StartNibble(Game& game, Long species) {
    Variables& v = game.vars;
    SceneForm& scene = game.sceneForm();
    v.FishSpecies = species;
    DrawFishWeight(game);
    v.FishAtBait = true;
    scene.Actions_T.setEnabled(false);
    scene.Klev_T.setEnabled(true);
    v.FloatBob = "down";
}

const char* DriftDirection(Game& game) { return game.Draw(2) == 1 ? "down" : "up"; }

void Drift(Variables& v) {
    v.TackleX += v.DriftDirX == "down" ? -v.DriftDX : v.DriftDX;
    v.TackleY += v.DriftDirY == "down" ? -v.DriftDY : v.DriftDY;
}

// The float and the tackle marker follow the tackle position.
void PlaceFloat(Game& game) {
    const Variables& v = game.vars;
    SceneForm& scene = game.sceneForm();
    const float x = float(v.TackleX), y = float(v.TackleY);
    scene.popl[0].Top = y;
    scene.popl[1].Top = y - 100;
    scene.popl[0].Left = x;
    scene.popl[1].Left = x;
    scene.SLED.Left = x;
    scene.SLED.Top = y;
}

}  // namespace

void ActionsTick(Game& game) {
    if (!game.vars.FishAtBait) LookForFish(game);
}

void LookForFish(Game& game) {
    Variables& v = game.vars;
    game.Randomize();
    const Long d = Long(std::floor(double(v.GroundbaitPower) / 50));
    const Long p = game.Draw(Long(v.PlaceFish.size()));
    const Long c1 = game.Draw(100);
    const Long c2 = game.Draw(100);
    const Long a = game.Draw(5 - d);
    if (a != 2) return;
    const PlaceFishEntry* entry = PlaceEntry(v, p);
    if (!entry || entry->Value < c1) return;
    if (v.BaitSlot == 0) return;  // no bait in use: nothing matches
    const std::string bait = At(v.OwnedBaits, v.BaitSlot, "OwnedBaits").Name;
    const Long species = entry->SpeciesIndex;
    const std::vector<BaitPreference> baits = Species(game, species).Baits;
    for (const BaitPreference& taste : baits)
        if (bait == taste.BaitName && taste.Chance >= c2) StartNibble(game, species);
}

void DrawFishWeight(Game& game) {
    Variables& v = game.vars;
    game.Randomize();
    const FishRecord& s = Species(game, v.FishSpecies);
    const Long min = s.MinWeight, max = s.MaxWeight;
    const Long w1 = Long(std::floor(double(max - min) * game.Rnd())) + min;
    const Long w2 = Long(std::floor(double(w1 - min) * game.Rnd())) + min;
    const Long w3 = Long(std::floor(double(w2 - min) * game.Rnd())) + min;
    v.FishWeight = w3;
}

void NibbleTick(Game& game) {
    Variables& v = game.vars;
    game.Randomize();
    if (v.BiteActive) {
        BiteTick(game);
    } else {
        BobFloat(v);
        const Long r110 = game.Draw(110);
        const Long r3 = game.Draw(3);
        const Long r50 = game.Draw(50);
        if (r50 == 5) ResetTackle(game);  // the fish leaves; the tick goes on
        if (r110 > Species(game, v.FishSpecies).Caution && r3 == 3) {
            const Long k = game.Draw(4);
            v.BiteActive = true;
            v.BiteStep = 1;
            v.BiteKind = k;
        }
        game.sceneForm().Klev_T.setInterval(int(game.Draw(500) + 99));
    }
    if (!v.HookSet) PlaceFloat(game);
}

void BiteTick(Game& game) {
    Variables& v = game.vars;
    if (v.HookSet) return;
    game.Randomize();
    SceneForm& scene = game.sceneForm();
    const Long b = v.BiteStep;
    Long lastStep = 0;
    switch (v.BiteKind) {
        case 1:  // drift
            if (b == 1) {
                v.DriftDirX = DriftDirection(game);
                v.DriftDirY = DriftDirection(game);
                v.DriftDX = game.Draw(10) + 4;
                v.DriftDY = game.Draw(10) + 4;
                scene.Klev_T.setInterval(30);
            } else {
                Drift(v);
            }
            lastStep = 25;
            break;
        case 2:  // pulled under
            if (b == 1) {
                scene.popl[0].Visible = false;
                scene.popl[1].Visible = false;
                scene.Klev_T.setInterval(30);
            }
            lastStep = 40;
            break;
        case 3:  // bobbing
            if (b == 1) scene.Klev_T.setInterval(30);
            else BobFloat(v);
            lastStep = 50;
            break;
        case 4:  // rising
            if (b == 1) {
                scene.Klev_T.setInterval(30);
            } else {
                scene.popl[0].Top -= 1;
                scene.popl[0].Height += 1;
            }
            lastStep = 50;
            break;
        default: break;
    }
    if (lastStep != 0 && b == lastStep) ResetTackle(game);  // the bite is missed
    v.BiteStep += 1;
}

void ResetTackle(Game& game) {
    Variables& v = game.vars;
    SceneForm& scene = game.sceneForm();
    v.BiteStep = 0;
    v.BiteKind = 0;
    v.BiteActive = false;
    scene.Klev_T.setInterval(200);
    scene.Klev_T.setEnabled(false);
    v.FishAtBait = false;
    const bool floatRig = v.RigMode == "popl";
    scene.popl[0].Visible = floatRig;
    scene.popl[1].Visible = floatRig;
    scene.popl[0].Height = 15;
    SetRodPicture(game, "Speen_normal");
    v.Hooked = false;
    scene.Fish_Act_T.setEnabled(false);
    v.HookSet = false;
    scene.HerboLine.Width = BarAtRest;
    scene.HerboLine.BackColor = BarGreen;
    scene.Napryazhenie_T.setEnabled(false);
}

void HookFish(Game& game) {
    Variables& v = game.vars;
    SceneForm& scene = game.sceneForm();
    v.FishStamina = 1000;
    v.Hooked = true;
    scene.HerboLine.Width = BarHooked;
    const char* bend = v.FishWeight <= 1000 ? "Speen_izgib1" : v.FishWeight <= 10000 ? "Speen_izgib2" : "Speen_izgib3";
    SetRodPicture(game, bend);
    const Long strength = data::RoundHalfEven(double(Species(game, v.FishSpecies).Strength) / 10);
    v.FishPower = data::RoundHalfEven(double(strength) * (double(v.FishWeight) / 1000 / 3));
    scene.Fish_Act_T.setEnabled(true);
    scene.popl[0].Visible = false;
    scene.popl[1].Visible = false;
    scene.Napryazhenie_T.setEnabled(true);
}

void FishPullTick(Game& game) {
    Variables& v = game.vars;
    game.Randomize();
    const Long r = game.Draw(3);
    const double pull = double(v.FishStamina) / 1000 * double(v.FishPower);
    if (r == 1) v.TackleX = data::RoundHalfEven(double(v.TackleX) + pull);
    if (r == 2) v.TackleX = data::RoundHalfEven(double(v.TackleX) - pull);
    if (r == 3) v.TackleY = data::RoundHalfEven(double(v.TackleY) - pull);
    if (v.TackleY < v.CastLineY) v.TackleY = v.CastLineY;
    CheckLineBreak(game);
    CheckRodBreak(game);
    SceneForm& scene = game.sceneForm();
    scene.SLED.Left = float(v.TackleX);
    scene.SLED.Top = float(v.TackleY);
    v.FishStamina = std::min<Long>(v.FishStamina + 1, 1000);
}

void RelaxTension(Game& game) {
    Variables& v = game.vars;
    if (!v.Hooked || v.Reeling) return;
    forms::Control& bar = game.sceneForm().HerboLine;
    const double step = v.FishWeight <= 110000 ? double(v.FishWeight) / 100 : 110.0;
    const double width = double(bar.Width) - step;
    // A bar cannot be narrower than nothing: such a step is not made and the
    // slack check below still runs.
    if (width >= 0) bar.Width = float(width);
    if (bar.Width <= SlackLimit) {
        ResetTackle(game);
        v.Reeling = false;
    }
}

void RaiseTension(Game& game) {
    Variables& v = game.vars;
    forms::Control& bar = game.sceneForm().HerboLine;
    const double t = double(v.FishWeight) / 1000 * 5;
    bar.Width = float(double(bar.Width) + (t > 90 ? 90.0 : t));
    if (bar.Width >= OverloadLimit) {
        v.Reeling = false;
        ResetTackle(game);
    }
}

void LureAttractTick(Game& game) {
    game.Randomize();
    if (game.Draw(3) == 3) LureStrike(game);
}

void LureStrike(Game& game) {
    Variables& v = game.vars;
    game.Randomize();
    const Long p = game.Draw(Long(v.PlaceFish.size()));
    const Long c1 = game.Draw(100);
    const Long c2 = game.Draw(100);
    const Long b = game.Draw(5);
    if (b != 5) return;
    const PlaceFishEntry* entry = PlaceEntry(v, p);
    if (!entry || entry->Value < c1) return;
    if (v.LureSlot == 0) return;  // the lure was lost on this retrieve: nothing to take
    const std::string key = At(v.OwnedLures, v.LureSlot, "OwnedLures").BaitKey;
    const Long species = entry->SpeciesIndex;
    const std::vector<BaitPreference> baits = Species(game, species).Baits;
    for (const BaitPreference& taste : baits) {
        if (key != taste.BaitName || taste.Chance < c2) continue;
        v.FishSpecies = species;
        DrawFishWeight(game);
        game.sceneForm().Actions_T.setEnabled(false);
        HookFish(game);
    }
}

void LandFish(Game& game) {
    Variables& v = game.vars;
    const FishRecord& s = Species(game, v.FishSpecies);
    FishRecord fish;
    fish.Name = s.Name + " " + WeightText(game, v.FishWeight);
    fish.Weight = v.FishWeight;
    fish.PictureIndex = s.PictureIndex;
    fish.MinWeight = s.MinWeight;
    fish.MaxWeight = s.MaxWeight;
    fish.PriceWeightUnit = s.PriceWeightUnit;
    fish.PricePerUnit = s.PricePerUnit;
    fish.SpeciesName = s.Name;
    fish.PictureKey = s.PictureKey;
    Grow(v.CaughtFish) = std::move(fish);
}

void LandCatch(Game& game) {
    Variables& v = game.vars;
    LandFish(game);
    ShowInfo(game, Species(game, v.FishSpecies).Name + " : " + game.numberText(double(v.FishWeight) / 1000) + " кг");
    ShowCaughtFish(game);
    StopReel(game);
    ResetTackle(game);
}

void HideTackleOnLeave(Game& game) {
    Variables& v = game.vars;
    SceneForm& scene = game.sceneForm();
    scene.popl[0].Visible = false;
    scene.popl[1].Visible = false;
    scene.SLED.Visible = false;
    scene.Actions_T.setEnabled(false);
    scene.Add_Prik_T.setEnabled(false);
    scene.Speen_AnimationT.setEnabled(false);
    scene.Prikormka.Visible = false;
    scene.Volna.Visible = false;
    v.WaveStep = 0;
    v.FishAtBait = false;
    // A strike cut short leaves the rod shifted to the left.
    if (v.StrikeAnimating) scene.Speening.Left = float(v.RodRestLeft);
    StandRod(game);
    v.CastAnimating = false;
    v.StrikeAnimating = false;
    v.Reeling = false;
    v.RodBusy = false;
}

}  // namespace klev
