#include "base/shop_rules.h"

#include "data/catalog_files.h"
#include "data/numbers.h"
#include "data/text_codec.h"
#include "shell/game.h"

namespace klev {
namespace {

constexpr double PackPrices[GroundbaitPackCount] = {3, 5, 7, 10};

const TackleItem* FindByName(const std::vector<TackleItem>& catalog, const std::string& name) {
    for (const TackleItem& item : catalog)
        if (item.Name == name) return &item;
    return nullptr;
}

// A line's list text starts with its strength in kilograms, written with the
// user's separator.
const TackleItem* FindLine(const std::vector<TackleItem>& catalog, const std::string& listText, char sep) {
    const double kg = data::LineListNumber(listText, sep);
    for (const TackleItem& item : catalog)
        if (double(item.Strength) / 1000.0 == kg) return &item;
    return nullptr;
}

// The owned item an order adds.
TackleItem OwnedItem(const Order& order, const TackleItem* entry, double price) {
    TackleItem owned;
    switch (order.kind) {
        case Goods::Rod:
            owned.Name = entry->Name;
            owned.Strength = entry->Strength;
            break;
        case Goods::Line:
            owned.Name = order.listText;
            owned.Strength = entry->Strength;
            owned.LineLength = 100;
            break;
        case Goods::Bait:
            owned.Name = entry->Name;
            owned.Amount = entry->Amount;
            break;
        case Goods::Lure:
            owned.Name = order.listText;
            owned.BaitKey = "блесна " + data::FirstChars(order.size, 1);
            owned.Power = entry->Power;
            owned.SizeName = order.size;
            break;
        case Goods::Groundbait:
            owned.Name = "Насадка";
            owned.Power = data::RoundHalfEven(10 * price);
            owned.Amount = 10;
            break;
    }
    return owned;
}

std::vector<TackleItem>& OwnedList(SaveData& save, Goods kind) {
    switch (kind) {
        case Goods::Rod: return save.OwnedRods;
        case Goods::Line: return save.OwnedLines;
        case Goods::Bait: return save.OwnedBaits;
        case Goods::Lure: return save.OwnedLures;
        case Goods::Groundbait: break;
    }
    return save.OwnedGroundbaits;
}

}  // namespace

double GroundbaitPackPrice(int pack) { return pack >= 0 && pack < GroundbaitPackCount ? PackPrices[pack] : 0; }

int GroundbaitPack(const TackleItem& owned) {
    int pack = 0;
    for (int i = 0; i < GroundbaitPackCount; ++i)
        if (PackPrices[i] == double(owned.Power) / 10.0) pack = i;
    return pack;
}

const TackleItem* CatalogItem(const Game& game, Goods kind, const std::string& listText) {
    const LoadedData& d = game.loaded;
    switch (kind) {
        case Goods::Rod: return FindByName(d.RodCatalog, listText);
        case Goods::Line: return FindLine(d.LineCatalog, listText, game.sep());
        case Goods::Bait: return FindByName(d.BaitCatalog, listText);
        case Goods::Lure: return FindByName(d.LureCatalog, listText);
        case Goods::Groundbait: break;
    }
    return nullptr;
}

Sale Buy(Game& game, const Order& order) {
    const bool pack = order.kind == Goods::Groundbait;
    const TackleItem* entry = pack ? nullptr : CatalogItem(game, order.kind, order.listText);
    if (!pack && !entry) return Sale::NothingToBuy;
    const double price = pack ? GroundbaitPackPrice(order.pack) : double(entry->Price);
    if (price > double(game.save.PlayerMoney)) return Sale::NoMoney;
    // Copied before the list grows: nothing may point into it afterwards.
    TackleItem owned = OwnedItem(order, entry, price);
    game.save.PlayerMoney = data::AddMoney(game.save.PlayerMoney, -price);
    Grow(OwnedList(game.save, order.kind)) = std::move(owned);
    return Sale::Sold;
}

}  // namespace klev
