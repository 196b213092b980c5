// A place's settings "\Data\Maps\<folder>\Loc<n>\Conf.cfg", matched against
// a species list like the default game folder's.
#include "data/map_files.h"
#include "data/text_file.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::vector<klev::FishRecord> species = [] {
        std::vector<klev::FishRecord> list;
        for (const char* name : {"Щука", "Окунь", "Плотва", "Лещ", "Карась", "Карп", "Сом", "Судак", ""}) {
            klev::FishRecord& s = list.emplace_back();
            s.Name = s.SpeciesName = name;
        }
        return list;
    }();
    try {
        const data::PlaceConfig p =
            data::ReadPlaceConfig(fuzz::InputFile(data, size), "\\Data\\Maps\\lake\\Loc1\\Conf.cfg", species, ',');
        for (const klev::PlaceFishEntry& e : p.fish)
            if (e.SpeciesIndex < 1 || e.SpeciesIndex > klev::Long(species.size())) fuzz::Violated();
    } catch (const data::FatalError&) {
    }
    return 0;
}
