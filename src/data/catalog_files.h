#pragma once
// The four tackle catalogs of "\Data\Dev\": Sp.cfg, lsk.cfg, nas.cfg, bls.cfg.

#include <filesystem>
#include <string>
#include <vector>

#include "model/records.h"

namespace data {

struct Catalog {
    std::vector<klev::TackleItem> items;
    // The shop list's entries, in order (for lines: one per line with a ";").
    std::vector<std::string> listTexts;
};

// Rods: Name, Strength, Price.
Catalog ReadRodCatalog(const std::filesystem::path& file, const std::string& shownName, char sep);
// Lines: "strength;price", scanned at every ";" as the shop always did;
// the list text is Strength / 1000 with the user's separator and " кг".
Catalog ReadLineCatalog(const std::filesystem::path& file, const std::string& shownName, char sep);
// Baits: Name, Amount, Price.
Catalog ReadBaitCatalog(const std::filesystem::path& file, const std::string& shownName, char sep);
// Lures: Name, Power, Price.
Catalog ReadLureCatalog(const std::filesystem::path& file, const std::string& shownName, char sep);

// A line's list text: its strength in kilograms with the user's separator
// and " кг".
std::string LineListText(long long strength, char sep);

// The leading number of a line's list text, read with the separator it was
// written with (so "2,5 кг" gives 2.5 in a comma locale).
double LineListNumber(const std::string& listText, char sep);

}  // namespace data
