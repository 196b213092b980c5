#include "data/fish_file.h"

#include <cmath>

#include "data/numbers.h"
#include "data/text_codec.h"
#include "data/text_file.h"

namespace data {

klev::FishRecord ReadSpeciesFile(const std::filesystem::path& file, const std::string& shownName, char sep) {
    TextReader r(file, shownName);
    klev::FishRecord s;
    s.Name = Trim(r.readLine());
    s.SpeciesName = s.Name;
    s.MinWeight = r.readStrictInt(sep);
    s.MaxWeight = r.readStrictInt(sep);
    // Weights are drawn between the two: an empty range cannot be fished.
    if (s.MinWeight > s.MaxWeight) r.fail("the largest weight is below the smallest weight of line 2");
    s.SpeciesValue4 = r.readStrictInt(sep);
    s.Strength = r.readStrictInt(sep);
    s.Caution = r.readStrictInt(sep);
    s.PictureKey = r.readLine();
    const long long baits = r.readStrictInt(sep);
    if (baits < 0) r.fail("subscript out of range: a negative number of baits");
    for (long long j = 0; j < baits; ++j) {
        klev::BaitPreference& b = s.Baits.emplace_back();
        b.BaitName = r.readLine();
        b.Chance = r.readStrictInt(sep);
    }
    s.PriceWeightUnit = r.readStrictInt(sep);
    // The evaluation divides by it.
    if (s.PriceWeightUnit <= 0) r.fail("the grams per price unit must be positive");
    s.PricePerUnit = r.readStrictInt(sep);
    // The evaluation pays MaxWeight / PriceWeightUnit * PricePerUnit for the
    // largest fish: money that no save could hold afterwards.
    if (std::fabs(double(s.MaxWeight) / double(s.PriceWeightUnit) * double(s.PricePerUnit)) > double(LongMax))
        r.fail("overflow: the largest fish would sell for more than 2147483647 $");
    return s;
}

}  // namespace data
