#include "base/catch_functions.h"

#include "base/fish_ocenka.h"
#include "base/trofei.h"
#include "model/fatal_error.h"
#include "data/numbers.h"
#include "shell/game.h"
#include "shell/journal.h"

namespace klev {
namespace {

// Bought by the evaluation at any weight.
bool IsRareSpecies(const std::string& speciesName) {
    return speciesName == "сом" || speciesName == "синец" || speciesName == "усач";
}

// Enters `fish` into every records-book entry of its species that it beats.
void CheckRecords(Game& game, const FishRecord& fish) {
    forms::Control& list = game.window<Fish_Ocenka>().List1;
    bool entered = false;
    for (FishRecord& record : game.book.RecordBook) {
        if (record.Name != fish.PictureKey || fish.Weight <= record.Weight) continue;
        list.addItem("Ваш " + fish.Name + " был занесен");
        list.addItem("в книгу рекордов");
        record.Holder = game.save.PlayerName;
        record.Weight = fish.Weight;
        entered = true;
    }
    if (entered) JournalFate(game, fish, FishFate::Record);
}

bool IsBigEnoughToSell(const FishRecord& fish) {
    const double factor = IsRareSpecies(fish.SpeciesName) ? 0.0 : 1.0;
    return double(fish.Weight) >= factor * double(fish.MaxWeight) / 2.0;
}

// Removes kept fish i for a sale: the last fish's priced and shown fields
// move into the gap.
void RemoveSoldFish(std::vector<FishRecord>& net, Long i) {
    if (net.size() == 1) {
        net.clear();
        return;
    }
    FishRecord& gap = At(net, i, "CaughtFish");
    const FishRecord& last = net.back();
    if (&gap != &last) {
        gap.PricePerUnit = last.PricePerUnit;
        gap.Weight = last.Weight;
        gap.Name = last.Name;
        gap.MaxWeight = last.MaxWeight;
        gap.MinWeight = last.MinWeight;
        gap.PictureIndex = last.PictureIndex;
        gap.PriceWeightUnit = last.PriceWeightUnit;
        gap.PictureKey = last.PictureKey;
        gap.SpeciesName = last.SpeciesName;
    }
    net.pop_back();
}

void SellFish(Game& game, Long i) {
    const FishRecord& fish = At(game.save.CaughtFish, i, "CaughtFish");
    if (fish.PriceWeightUnit == 0)
        throw data::FatalError("Division by zero: the price unit of " + fish.Name + " is 0 g");
    const double price = double(fish.Weight) / double(fish.PriceWeightUnit) * double(fish.PricePerUnit);
    game.save.PlayerMoney = data::AddMoney(game.save.PlayerMoney, price);
    forms::Control& list = game.window<Fish_Ocenka>().List1;
    list.addItem("Вы продали: " + fish.Name + " за");
    list.addItem(game.numberText(price) + " $");
    JournalFate(game, fish, FishFate::Evaluated, price);
    RemoveSoldFish(game.save.CaughtFish, i);
}

// One pass over the keep-net from the first fish: records check, then the
// sale of the first fish big enough. True when a fish was sold.
bool EvaluationPass(Game& game) {
    std::vector<FishRecord>& net = game.save.CaughtFish;
    for (Long i = 1; i <= Long(net.size()); ++i) {
        const FishRecord& fish = At(net, i, "CaughtFish");
        CheckRecords(game, fish);
        if (IsBigEnoughToSell(fish)) {
            SellFish(game, i);
            return true;
        }
    }
    return false;
}

}  // namespace

void ShowCaughtFish(Game& game) {
    Trofei& window = game.window<Trofei>();
    window.FillList();
    const Long count = Long(game.save.CaughtFish.size());
    if (count > 0) window.ShowFish(count);
    window.Show();
}

void EvaluateCatch(Game& game) {
    // Every sale starts the scan again from the first fish with the keep-net
    // as the sale left it.
    while (!game.save.CaughtFish.empty() && EvaluationPass(game)) {
    }
    game.window<Fish_Ocenka>().List1.addItem("Оценка завершена");
}

}  // namespace klev
