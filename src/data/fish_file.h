#pragma once
// One species file of "\Data\Fish\".

#include <filesystem>
#include <string>

#include "model/records.h"

namespace data {

// Reads lines 1 .. 10+2B. PictureIndex is left 0 (the loader looks it up).
// Throws FatalError naming the file and line for a short file or a bad
// number, for a PriceWeightUnit that is not positive, and for MinWeight
// above MaxWeight.
klev::FishRecord ReadSpeciesFile(const std::filesystem::path& file, const std::string& shownName, char sep);

}  // namespace data
