#include "data/map_files.h"

#include "data/game_folder.h"
#include "data/numbers.h"
#include "data/text_codec.h"
#include "data/text_file.h"

namespace data {

std::vector<std::string> ReadMapList(const std::filesystem::path& file, const std::string& shownName, char sep) {
    TextReader r(file, shownName);
    const long long n = r.readStrictInt(sep);
    if (n < 0) r.fail("negative number of maps");
    std::vector<std::string> folders;
    for (long long i = 0; i < n; ++i) {
        folders.push_back(r.readLine());
        // The folder name becomes part of the paths of the map's files.
        if (const char* problem = PathPartProblem(folders.back())) r.fail(problem);
    }
    return folders;
}

klev::MapInfo ReadMapFile(const std::filesystem::path& file, const std::string& shownName, char sep) {
    TextReader r(file, shownName);
    klev::MapInfo map;
    map.Title = r.readLine();
    r.skipLine();
    const long long places = r.readStrictInt(sep);
    if (places < 0) r.fail("negative number of places");
    for (long long k = 0; k < places; ++k) {
        klev::PlaceSpot& spot = map.Places.emplace_back();
        spot.X = r.readStrictInt(sep);
        spot.Y = r.readStrictInt(sep);
        r.skipLine();
    }
    return map;
}

std::string PlaceFolder(const std::string& mapFolder, klev::Long place) {
    return "\\Data\\Maps\\" + mapFolder + "\\Loc" + std::to_string(place);
}

PlaceConfig ReadPlaceConfig(const std::filesystem::path& file, const std::string& shownName,
                            const std::vector<klev::FishRecord>& species, char sep) {
    TextReader r(file, shownName);
    PlaceConfig p;
    r.readLenientInt();
    p.shoreLineY = r.readLenientInt();
    p.castLineY = r.readLenientInt();
    p.snagChance = r.readLenientInt();
    const long long count = r.readLenientInt();
    for (long long j = 0; j < count; ++j) {
        const std::string line = r.readLine();
        if (CodePointCount(line) < 3) r.fail("a species line needs a name and a three-character abundance");
        auto value = StrictInteger(Trim(LastChars(line, 3)), sep);
        if (!value) r.fail("type mismatch: the abundance is not a number");
        const std::string name = DropLastChars(line, 3);
        // A name that matches no species is skipped rather than inheriting
        // the previous line's species.
        for (std::size_t s = 0; s < species.size(); ++s)
            if (species[s].Name == name) {
                p.fish.push_back({static_cast<klev::Long>(s) + 1, *value});
                break;
            }
    }
    return p;
}

}  // namespace data
