#include "shell/weight_text.h"

#include "data/numbers.h"
#include "shell/game.h"

namespace klev {

std::string WeightText(const Game& game, Long grams) {
    if (grams >= 1000) return game.numberText(double(grams) / 1000.0) + " кг";
    return data::IntText(grams) + " г";
}

}  // namespace klev
