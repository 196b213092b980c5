#include "data/catalog_files.h"

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
            auto price = StrictInteger(line.substr(at + 1), sep);
            if (!price) r.fail("type mismatch: the price after \";\" is not a number");
            item.Price = *price;
            item.Strength = LenientInteger(line);
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
