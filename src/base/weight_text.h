#pragma once
// The weight of a fish as the game shows it, in the keep-net labels and in
// the caught-fish window: below 1000 g the grams and " г" ("999 г"); from
// 1000 g up the kilograms in the user's shortest decimal form and " кг"
// ("1 кг", "1,25 кг").

#include <string>

#include "data/numbers.h"
#include "shell/game.h"

namespace klev {

inline std::string WeightText(const Game& game, Long grams) {
    if (grams >= 1000) return game.numberText(double(grams) / 1000.0) + " кг";
    return data::IntText(grams) + " г";
}

}  // namespace klev
