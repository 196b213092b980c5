#pragma once
// What the shop sells and the one way to buy it: an order names the goods
// as the shop's lists show them; it is checked first (is there such an
// item, what does it cost, is there the money) and only then carried out.

#include <optional>
#include <string>

#include "model/records.h"

namespace klev {

class Game;

enum class Goods { Rod, Line, Bait, Lure, Groundbait };

// The groundbait packs, by position: price in dollars; the pack's power is
// ten times its price and it holds ten portions.
constexpr Long GroundbaitPackCount = 4;
double GroundbaitPackPrice(int pack);
// The pack (0..3) of an owned groundbait, known by its power; 0 when none
// matches.
int GroundbaitPack(const TackleItem& owned);

struct Order {
    Goods kind = Goods::Rod;
    std::string listText;  // the entry of the shop's list (rods, lines, baits, lures)
    std::string size;      // lures: the size word
    int pack = 0;          // groundbait: the pack
};

// The catalog entry an order names, found as the shop finds it: rods, baits
// and lures by name, lines by the strength of their list text, the first of
// equals winning. Null for groundbait and for a name the catalog lacks.
const TackleItem* CatalogItem(const Game& game, Goods kind, const std::string& listText);

enum class Sale { NothingToBuy, NoMoney, Sold };

// Validates, then executes: pays the price and adds the owned item.
Sale Buy(Game& game, const Order& order);

}  // namespace klev
