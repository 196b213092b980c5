#pragma once
// The weight of a fish as the game shows it everywhere (keep-net labels, the
// caught-fish window): below 1000 g the grams and " г" ("999 г"); from
// 1000 g up the kilograms in the user's shortest decimal form and " кг"
// ("1 кг", "1,25 кг").

#include <string>

#include "model/records.h"

namespace klev {

class Game;

std::string WeightText(const Game& game, Long grams);

}  // namespace klev
