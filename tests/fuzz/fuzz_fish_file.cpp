// A species file of "\Data\Fish\".
#include "data/fish_file.h"
#include "data/text_file.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        const klev::FishRecord s = data::ReadSpeciesFile(fuzz::InputFile(data, size), "\\Data\\Fish\\x.txt", ',');
        // What the evaluation and the weight draw rely on.
        if (s.PriceWeightUnit <= 0 || s.MinWeight > s.MaxWeight) fuzz::Violated();
    } catch (const data::FatalError&) {
    }
    return 0;
}
