#include "scene/fish_search.h"

#include <cmath>

#include "scene/scene_form.h"
#include "scene/tackle.h"
#include "shell/game.h"

namespace klev {
namespace {

// The float bob of a nibble: alternately 35 twips down and up the screen.
void BobFloat(FishingState& f) {
    if (f.FloatBob == Heading::Down) {
        f.FloatBob = Heading::Up;
        f.TackleY += 35;
    } else {
        f.FloatBob = Heading::Down;
        f.TackleY -= 35;
    }
}

void StartNibble(Game& game, Long species) {
    SceneForm& scene = game.window<SceneForm>();
    game.fishing.FishSpecies = species;
    DrawFishWeight(game);
    game.fishing.FishAtBait = true;
    scene.Actions_T.setEnabled(false);
    scene.Klev_T.setEnabled(true);
    game.fishing.FloatBob = Heading::Down;
}

Heading DriftDirection(Game& game) { return game.Draw(2) == 1 ? Heading::Down : Heading::Up; }

void Drift(FishingState& f) {
    f.TackleX += f.DriftDirX == Heading::Down ? -f.DriftDX : f.DriftDX;
    f.TackleY += f.DriftDirY == Heading::Down ? -f.DriftDY : f.DriftDY;
}

// The first step of a bite sets its pace; the later ones move the float.
// Returns the kind's last step, 0 for no kind.
Long BiteStepOf(Game& game, FishingState& f, SceneForm& scene) {
    const bool first = f.BiteStep == 1;
    switch (f.BiteKind) {
        case BiteType::Drift:
            if (first) {
                f.DriftDirX = DriftDirection(game);
                f.DriftDirY = DriftDirection(game);
                f.DriftDX = game.Draw(10) + 4;
                f.DriftDY = game.Draw(10) + 4;
                scene.Klev_T.setInterval(30);
            } else {
                Drift(f);
            }
            return 25;
        case BiteType::Under:
            if (first) {
                scene.popl[0].Visible = false;
                scene.popl[1].Visible = false;
                scene.Klev_T.setInterval(30);
            }
            return 40;
        case BiteType::Bobbing:
            if (first) scene.Klev_T.setInterval(30);
            else BobFloat(f);
            return 50;
        case BiteType::Rising:
            if (first) {
                scene.Klev_T.setInterval(30);
            } else {
                scene.popl[0].Top -= 1;
                scene.popl[0].Height += 1;
            }
            return 50;
        case BiteType::None: break;
    }
    return 0;
}

}  // namespace

const FishRecord& Species(Game& game, Long index) { return At(game.loaded.SpeciesList, index, "SpeciesList"); }

const PlaceFishEntry* PlaceEntry(const PlaceState& place, Long p) {
    if (p < 1 || p > Long(place.PlaceFish.size())) return nullptr;
    return &place.PlaceFish[std::size_t(p - 1)];
}

void ActionsTick(Game& game) {
    if (!game.fishing.FishAtBait) LookForFish(game);
}

void LookForFish(Game& game) {
    game.Randomize();
    const Long d = Long(std::floor(double(game.fishing.GroundbaitPower) / 50));
    const Long p = game.Draw(Long(game.place.PlaceFish.size()));
    const Long c1 = game.Draw(100);
    const Long c2 = game.Draw(100);
    const Long a = game.Draw(5 - d);
    if (a != 2) return;
    const PlaceFishEntry* entry = PlaceEntry(game.place, p);
    if (!entry || entry->Value < c1) return;
    if (game.save.BaitSlot == 0) return;  // no bait in use: nothing matches
    const std::string bait = At(game.save.OwnedBaits, game.save.BaitSlot, "OwnedBaits").Name;
    const Long species = entry->SpeciesIndex;
    // A copy: a match redraws nothing of the list, but the loop must not
    // depend on that.
    const std::vector<BaitPreference> baits = Species(game, species).Baits;
    for (const BaitPreference& taste : baits)
        if (bait == taste.BaitName && taste.Chance >= c2) StartNibble(game, species);
}

void DrawFishWeight(Game& game) {
    game.Randomize();
    const FishRecord& s = Species(game, game.fishing.FishSpecies);
    const Long min = s.MinWeight, max = s.MaxWeight;
    const Long w1 = Long(std::floor(double(max - min) * game.Rnd())) + min;
    const Long w2 = Long(std::floor(double(w1 - min) * game.Rnd())) + min;
    const Long w3 = Long(std::floor(double(w2 - min) * game.Rnd())) + min;
    game.fishing.FishWeight = w3;
}

void NibbleTick(Game& game) {
    FishingState& f = game.fishing;
    game.Randomize();
    if (f.BiteActive) {
        BiteTick(game);
    } else {
        BobFloat(f);
        const Long r110 = game.Draw(110);
        const Long r3 = game.Draw(3);
        const Long r50 = game.Draw(50);
        const bool leaves = r50 == 5;
        if (leaves) ResetTackle(game);  // the fish leaves; the tick goes on
        if (r110 > Species(game, f.FishSpecies).Caution && r3 == 3) {
            const Long k = game.Draw(4);
            // A fish that has left cannot bite: nothing is left to strike.
            if (!leaves) {
                f.BiteActive = true;
                f.BiteStep = 1;
                f.BiteKind = BiteType(k);
            }
        }
        game.window<SceneForm>().Klev_T.setInterval(int(game.Draw(500) + 99));
    }
    if (!f.HookSet) PlaceFloat(game);
}

void BiteTick(Game& game) {
    FishingState& f = game.fishing;
    if (f.HookSet) return;
    game.Randomize();
    const Long lastStep = BiteStepOf(game, f, game.window<SceneForm>());
    if (lastStep != 0 && f.BiteStep == lastStep) ResetTackle(game);  // the bite is missed
    f.BiteStep += 1;
}

}  // namespace klev
