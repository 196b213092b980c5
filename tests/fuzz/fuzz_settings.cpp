// "\conf.cfg".
#include "data/settings_file.h"
#include "data/text_file.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        data::ReadSettings(fuzz::InputFile(data, size), "\\conf.cfg", ',');
    } catch (const data::FatalError&) {
    }
    data::PictureTag(fuzz::Text(data, size));
    return 0;
}
