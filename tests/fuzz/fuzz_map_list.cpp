// "\Data\Maps\Info.inf".
#include "data/map_files.h"
#include "data/text_file.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        data::ReadMapList(fuzz::InputFile(data, size), "\\Data\\Maps\\Info.inf", ',');
    } catch (const data::FatalError&) {
    }
    return 0;
}
