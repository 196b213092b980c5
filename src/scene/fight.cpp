#include "scene/fight.h"

#include <algorithm>

#include "base/catch_functions.h"
#include "data/numbers.h"
#include "scene/breakage.h"
#include "scene/fish_search.h"
#include "scene/scene_form.h"
#include "scene/tackle.h"
#include "shell/game.h"
#include "shell/journal.h"
#include "shell/weight_text.h"

namespace klev {
namespace {

constexpr float TensionHooked = 1695;
constexpr float SlackLimit = 735;
constexpr float OverloadLimit = 2655;

}  // namespace

void HookFish(Game& game) {
    FishingState& f = game.fishing;
    SceneForm& scene = game.window<SceneForm>();
    f.FishStamina = 1000;
    f.Hooked = true;
    f.Tension = TensionHooked;
    ShowTension(game);
    const char* bend = f.FishWeight <= 1000 ? "Speen_izgib1" : f.FishWeight <= 10000 ? "Speen_izgib2" : "Speen_izgib3";
    SetRodPicture(game, bend);
    const Long strength = data::RoundHalfEven(double(Species(game, f.FishSpecies).Strength) / 10);
    f.FishPower = data::RoundHalfEven(double(strength) * (double(f.FishWeight) / 1000 / 3));
    scene.Fish_Act_T.setEnabled(true);
    scene.popl[0].Visible = false;
    scene.popl[1].Visible = false;
    scene.Napryazhenie_T.setEnabled(true);
}

void FishPullTick(Game& game) {
    FishingState& f = game.fishing;
    game.Randomize();
    const Long r = game.Draw(3);
    const double pull = double(f.FishStamina) / 1000 * double(f.FishPower);
    if (r == 1) f.TackleX = data::RoundHalfEven(double(f.TackleX) + pull);
    if (r == 2) f.TackleX = data::RoundHalfEven(double(f.TackleX) - pull);
    if (r == 3) f.TackleY = data::RoundHalfEven(double(f.TackleY) - pull);
    if (f.TackleY < game.place.CastLineY) f.TackleY = game.place.CastLineY;
    CheckLineBreak(game);
    CheckRodBreak(game);
    SceneForm& scene = game.window<SceneForm>();
    scene.SLED.Left = float(f.TackleX);
    scene.SLED.Top = float(f.TackleY);
    f.FishStamina = std::min<Long>(f.FishStamina + 1, 1000);
}

void RelaxTension(Game& game) {
    FishingState& f = game.fishing;
    if (!f.Hooked || f.Reeling) return;
    const double step = f.FishWeight <= 110000 ? double(f.FishWeight) / 100 : 110.0;
    const double tension = double(f.Tension) - step;
    // A step past nothing would leave a heavy fish hooked for ever above the
    // mark: the tension falls to the mark instead, and the fish slips off.
    f.Tension = tension >= 0 ? float(tension) : SlackLimit;
    ShowTension(game);
    if (f.Tension <= SlackLimit) {
        ResetTackle(game);
        f.Reeling = false;
    }
}

void RaiseTension(Game& game) {
    FishingState& f = game.fishing;
    const double t = double(f.FishWeight) / 1000 * 5;
    f.Tension = float(double(f.Tension) + (t > 90 ? 90.0 : t));
    ShowTension(game);
    if (f.Tension >= OverloadLimit) {
        f.Reeling = false;
        ResetTackle(game);
    }
}

void LureAttractTick(Game& game) {
    game.Randomize();
    if (game.Draw(3) == 3) LureStrike(game);
}

void LureStrike(Game& game) {
    game.Randomize();
    const Long p = game.Draw(Long(game.place.PlaceFish.size()));
    const Long c1 = game.Draw(100);
    const Long c2 = game.Draw(100);
    const Long b = game.Draw(5);
    if (b != 5) return;
    const PlaceFishEntry* entry = PlaceEntry(game.place, p);
    if (!entry || entry->Value < c1) return;
    if (game.save.LureSlot == 0) return;  // the lure was lost on this retrieve: nothing to take
    const std::string key = At(game.save.OwnedLures, game.save.LureSlot, "OwnedLures").BaitKey;
    const Long species = entry->SpeciesIndex;
    const std::vector<BaitPreference> baits = Species(game, species).Baits;
    for (const BaitPreference& taste : baits) {
        if (key != taste.BaitName || taste.Chance < c2) continue;
        game.fishing.FishSpecies = species;
        DrawFishWeight(game);
        game.window<SceneForm>().Actions_T.setEnabled(false);
        HookFish(game);
    }
}

void LandFish(Game& game) {
    const Long weight = game.fishing.FishWeight;
    const FishRecord& s = Species(game, game.fishing.FishSpecies);
    FishRecord fish;
    fish.Name = s.Name + " " + WeightText(game, weight);
    fish.Weight = weight;
    fish.PictureIndex = s.PictureIndex;
    fish.MinWeight = s.MinWeight;
    fish.MaxWeight = s.MaxWeight;
    fish.PriceWeightUnit = s.PriceWeightUnit;
    fish.PricePerUnit = s.PricePerUnit;
    fish.SpeciesName = s.Name;
    fish.PictureKey = s.PictureKey;
    JournalLanding(game, Grow(game.save.CaughtFish) = std::move(fish));
}

void LandCatch(Game& game) {
    const Long weight = game.fishing.FishWeight;
    LandFish(game);
    ShowInfo(game, Species(game, game.fishing.FishSpecies).Name + " : " + game.numberText(double(weight) / 1000) + " кг");
    ShowCaughtFish(game);
    StopReel(game);
    ResetTackle(game);
}

}  // namespace klev
