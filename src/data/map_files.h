#pragma once
// "\Data\Maps\Info.inf", the map files "conf.cfg" and the place settings
// "Conf.cfg".

#include <filesystem>
#include <string>
#include <vector>

#include "model/records.h"

namespace data {

// The map folders listed in Info.inf, in order.
std::vector<std::string> ReadMapList(const std::filesystem::path& file, const std::string& shownName, char sep);

// Title and places of one map; Folder and PictureIndex are left to the caller.
klev::MapInfo ReadMapFile(const std::filesystem::path& file, const std::string& shownName, char sep);

// The folder of place `place` of the map in `mapFolder`, as the game builds
// it: "\Data\Maps\" + folder + "\Loc" + place.
std::string PlaceFolder(const std::string& mapFolder, klev::Long place);

struct PlaceConfig {
    klev::Long shoreLineY = 0;
    klev::Long castLineY = 0;
    klev::Long snagChance = 0;
    std::vector<klev::PlaceFishEntry> fish;
};

// Lines 1-5 lenient; then the species lines: the last three characters
// (trimmed, strict) are the abundance, the text before them the species name,
// matched exactly against `species` (first match wins). A line whose name
// matches no species is skipped. A line shorter than three characters is a
// FatalError.
PlaceConfig ReadPlaceConfig(const std::filesystem::path& file, const std::string& shownName,
                            const std::vector<klev::FishRecord>& species, char sep);

}  // namespace data
