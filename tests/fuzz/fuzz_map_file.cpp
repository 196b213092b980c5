// A map file "\Data\Maps\<folder>\conf.cfg".
#include "data/map_files.h"
#include "data/text_file.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        data::ReadMapFile(fuzz::InputFile(data, size), "\\Data\\Maps\\lake\\conf.cfg", ',');
    } catch (const data::FatalError&) {
    }
    return 0;
}
