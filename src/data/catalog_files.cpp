#include "data/catalog_files.h"

#include "data/game_folder.h"
#include "data/numbers.h"
#include "data/text_file.h"

namespace data {
namespace {

// Sp.cfg, nas.cfg and bls.cfg share one shape: a count, then three lines an item.
template <class Fill>
Catalog ReadThreeLineCatalog(const std::filesystem::path& file, const std::string& shownName, char sep, Fill fill) {
    TextReader r(file, shownName);
    const long long n = r.readStrictInt(sep);
    if (n < 0) r.fail("negative number of items");
    Catalog c;
    for (long long i = 0; i < n; ++i) {
        klev::TackleItem& item = c.items.emplace_back();
        item.Name = r.readLine();
        // The shop and the inventory show "\images\" + name + ".jpg".
        if (const char* problem = PathPartProblem(item.Name)) r.fail(problem);
        fill(item, r.readStrictInt(sep));
        item.Price = r.readStrictInt(sep);
        c.listTexts.push_back(item.Name);
    }
    return c;
}

}  // namespace

Catalog ReadRodCatalog(const std::filesystem::path& file, const std::string& shownName, char sep) {
    return ReadThreeLineCatalog(file, shownName, sep, [](klev::TackleItem& i, long long v) { i.Strength = v; });
}

Catalog ReadBaitCatalog(const std::filesystem::path& file, const std::string& shownName, char sep) {
    return ReadThreeLineCatalog(file, shownName, sep, [](klev::TackleItem& i, long long v) { i.Amount = v; });
}

Catalog ReadLureCatalog(const std::filesystem::path& file, const std::string& shownName, char sep) {
    return ReadThreeLineCatalog(file, shownName, sep, [](klev::TackleItem& i, long long v) { i.Power = v; });
}

Catalog ReadLineCatalog(const std::filesystem::path& file, const std::string& shownName, char sep) {
    TextReader r(file, shownName);
    const long long n = r.readStrictInt(sep);
    if (n < 0) r.fail("negative number of items");
    Catalog c;
    for (long long i = 0; i < n; ++i) {
        klev::TackleItem& item = c.items.emplace_back();
        const std::string line = r.readLine();
        // Every ";" counts, as the shop always scanned: a second one makes
        // the price text a non-number.
        for (std::size_t at = line.find(';'); at != std::string::npos; at = line.find(';', at + 1)) {
            const std::string priceText = line.substr(at + 1);
            const auto price = StrictInteger(priceText, sep);
            if (!price) r.fail(StrictNumber(priceText, sep) ? "overflow" : "type mismatch: the price after \";\" is not a number");
            const double strength = LenientNumber(line);
            if (*price < LongMin || *price > LongMax || strength < double(LongMin) - 0.5 ||
                strength >= double(LongMax) + 0.5)
                r.fail("overflow");
            item.Price = *price;
            item.Strength = RoundHalfEven(strength);
            c.listTexts.push_back(LineListText(item.Strength, sep));
        }
    }
    return c;
}

double LineListNumber(const std::string& listText, char sep) {
    std::string normal = listText;
    for (char& ch : normal)
        if (ch == sep) ch = '.';
    return LenientNumber(normal);
}

std::string LineListText(long long strength, char sep) { return NumberText(double(strength) / 1000.0, sep) + " кг"; }

}  // namespace data
