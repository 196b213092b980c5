#include "data/save_file.h"

#include "data/text_file.h"

namespace data {
namespace {

using klev::Long;
using klev::TackleItem;

// The lines of one owned item, by kind, in file order.
enum class ItemKind { Rod, Bait, Line, Lure, Groundbait };

void ReadItem(TextReader& r, char sep, ItemKind kind, TackleItem& t) {
    switch (kind) {
        case ItemKind::Rod:
            t.Name = r.readLine();
            t.Power = r.readStrictInt(sep);
            t.Strength = r.readStrictInt(sep);
            t.BaitKey = r.readLine();
            break;
        case ItemKind::Bait:
        case ItemKind::Groundbait:
            t.Name = r.readLine();
            t.Power = r.readStrictInt(sep);
            t.Amount = r.readStrictInt(sep);
            t.BaitKey = r.readLine();
            break;
        case ItemKind::Line:
            t.LineLength = r.readStrictInt(sep);
            t.Name = r.readLine();
            t.Power = r.readStrictInt(sep);
            t.Strength = r.readStrictInt(sep);
            t.SizeName = r.readLine();
            t.BaitKey = r.readLine();
            break;
        case ItemKind::Lure:
            t.Name = r.readLine();
            t.Power = r.readStrictInt(sep);
            t.SizeName = r.readLine();
            t.BaitKey = r.readLine();
            break;
    }
}

void WriteItem(TextWriter& w, ItemKind kind, const TackleItem& t) {
    switch (kind) {
        case ItemKind::Rod:
            w.line(t.Name);
            w.line(t.Power);
            w.line(t.Strength);
            w.line(t.BaitKey);
            break;
        case ItemKind::Bait:
        case ItemKind::Groundbait:
            w.line(t.Name);
            w.line(t.Power);
            w.line(t.Amount);
            w.line(t.BaitKey);
            break;
        case ItemKind::Line:
            w.line(t.LineLength);
            w.line(t.Name);
            w.line(t.Power);
            w.line(t.Strength);
            w.line(t.SizeName);
            w.line(t.BaitKey);
            break;
        case ItemKind::Lure:
            w.line(t.Name);
            w.line(t.Power);
            w.line(t.SizeName);
            w.line(t.BaitKey);
            break;
    }
}

long long ReadCount(TextReader& r, char sep) {
    const long long n = r.readStrictInt(sep);
    if (n < 0) r.fail("a count cannot be negative");
    return n;
}

void ReadFish(TextReader& r, char sep, klev::FishRecord& f) {
    f.PricePerUnit = r.readStrictInt(sep);
    f.Weight = r.readStrictInt(sep);
    f.Name = r.readLine();
    f.PictureIndex = r.readStrictInt(sep);
    f.PriceWeightUnit = r.readStrictInt(sep);
    // The evaluation divides by it; only an edited save holds 0 here.
    if (f.PriceWeightUnit <= 0) r.fail("the grams per price unit of a kept fish must be positive");
    f.SpeciesName = r.readLine();
    f.MaxWeight = r.readStrictInt(sep);
    f.MinWeight = r.readStrictInt(sep);
    f.PictureKey = r.readLine();
}

// Items are read one by one, so a count larger than the file fails at the
// first missing line instead of sizing a huge list first.
template <class T, class ReadOne>
void ReadCounted(TextReader& r, char sep, std::vector<T>& list, ReadOne readOne) {
    const long long n = ReadCount(r, sep);
    // A count of 0 leaves the list as it was (empty at start-up).
    if (n == 0) return;
    std::vector<T> items;
    for (long long i = 0; i < n; ++i) readOne(items.emplace_back());
    list = std::move(items);
}

void ReadList(TextReader& r, char sep, ItemKind kind, std::vector<TackleItem>& list) {
    ReadCounted(r, sep, list, [&](TackleItem& t) { ReadItem(r, sep, kind, t); });
}

Long SlotWithin(Long slot, std::size_t count) { return slot >= 0 && slot <= Long(count) ? slot : 0; }

}  // namespace

void ReadSaveFile(const std::filesystem::path& file, const std::string& shownName, klev::SaveData& save, char sep) {
    TextReader r(file, shownName);
    if (r.lineCount() == 0) {
        // A first start that never reached the exit label: a new player.
        save.PlayerMoney = 50;
        return;
    }
    klev::SaveData v = save;
    v.PlayerMoney = r.readStrictInt(sep);
    v.RodSlot = r.readStrictInt(sep);
    v.LureSlot = r.readStrictInt(sep);
    v.BaitSlot = r.readStrictInt(sep);
    v.LineSlot = r.readStrictInt(sep);
    v.GroundbaitSlot = r.readStrictInt(sep);
    v.RigMode = klev::RigFromText(r.readLine());
    ReadCounted(r, sep, v.CaughtFish, [&](klev::FishRecord& f) { ReadFish(r, sep, f); });
    ReadList(r, sep, ItemKind::Rod, v.OwnedRods);
    ReadList(r, sep, ItemKind::Bait, v.OwnedBaits);
    ReadList(r, sep, ItemKind::Line, v.OwnedLines);
    ReadList(r, sep, ItemKind::Lure, v.OwnedLures);
    ReadList(r, sep, ItemKind::Groundbait, v.OwnedGroundbaits);
    for (klev::RegularRecord& regular : v.Regulars) regular.Attitude = r.readStrictInt(sep);
    // A slot that points past its list would index nothing: nothing is in use.
    v.RodSlot = SlotWithin(v.RodSlot, v.OwnedRods.size());
    v.LureSlot = SlotWithin(v.LureSlot, v.OwnedLures.size());
    v.BaitSlot = SlotWithin(v.BaitSlot, v.OwnedBaits.size());
    v.LineSlot = SlotWithin(v.LineSlot, v.OwnedLines.size());
    v.GroundbaitSlot = SlotWithin(v.GroundbaitSlot, v.OwnedGroundbaits.size());
    save = std::move(v);
}

std::string SaveFileBytes(const klev::SaveData& v) {
    TextWriter w("");
    w.line(v.PlayerMoney);
    w.line(v.RodSlot);
    w.line(v.LureSlot);
    w.line(v.BaitSlot);
    w.line(v.LineSlot);
    w.line(v.GroundbaitSlot);
    w.line(std::string(klev::RigText(v.RigMode)));
    w.line(Long(v.CaughtFish.size()));
    for (const klev::FishRecord& f : v.CaughtFish) {
        w.line(f.PricePerUnit);
        w.line(f.Weight);
        w.line(f.Name);
        w.line(f.PictureIndex);
        w.line(f.PriceWeightUnit);
        w.line(f.SpeciesName);
        w.line(f.MaxWeight);
        w.line(f.MinWeight);
        w.line(f.PictureKey);
    }
    const std::pair<ItemKind, const std::vector<TackleItem>*> lists[] = {
        {ItemKind::Rod, &v.OwnedRods},   {ItemKind::Bait, &v.OwnedBaits},
        {ItemKind::Line, &v.OwnedLines}, {ItemKind::Lure, &v.OwnedLures},
        {ItemKind::Groundbait, &v.OwnedGroundbaits}};
    for (const auto& [kind, list] : lists) {
        w.line(Long(list->size()));
        for (const TackleItem& t : *list) WriteItem(w, kind, t);
    }
    for (const klev::RegularRecord& regular : v.Regulars) w.line(regular.Attitude);
    return w.bytes();
}

}  // namespace data
