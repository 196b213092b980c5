#pragma once
// Puts fish into the keep-net of a test game the way a landing writes them:
// the species' fields copied, the label built from the name and the weight.

#include <string>

#include "base/fish_ocenka.h"
#include "base/fishery.h"
#include "shell/weight_text.h"
#include "shell/game.h"
#include "test_game.h"

namespace trade_testing {

// Appends a fish of species `species` (1-based in SpeciesList) weighing `grams`.
inline klev::FishRecord& Keep(testing_support::TestGame& t, klev::Long species, klev::Long grams) {
    klev::Game& g = t.game();
    const klev::FishRecord& s = klev::At(g.loaded.SpeciesList, species, "SpeciesList");
    klev::FishRecord fish;
    fish.Name = s.Name + " " + klev::WeightText(g, grams);
    fish.Weight = grams;
    fish.PictureIndex = s.PictureIndex;
    fish.MinWeight = s.MinWeight;
    fish.MaxWeight = s.MaxWeight;
    fish.PriceWeightUnit = s.PriceWeightUnit;
    fish.PricePerUnit = s.PricePerUnit;
    fish.SpeciesName = s.Name;
    fish.PictureKey = s.PictureKey;
    return g.save.CaughtFish.emplace_back(std::move(fish));
}

// The test folder's species.
constexpr klev::Long Pike = 1;   // "щука", up to 5000 g, 4 $ a kilogram, key "pike"
constexpr klev::Long Perch = 2;  // "окунь", up to 1000 g, 2 $ a kilogram, key "perch"
constexpr klev::Long Som = 3;    // "сом", up to 50000 g, 5 $ a kilogram, key "som"

}  // namespace trade_testing
