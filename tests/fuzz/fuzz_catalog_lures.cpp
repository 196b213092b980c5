// "\Data\Dev\bls.cfg".
#include "data/catalog_files.h"
#include "data/text_file.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        const data::Catalog c = data::ReadLureCatalog(fuzz::InputFile(data, size), "\\Data\\Dev\\bls.cfg", ',');
        for (const std::string& text : c.listTexts) data::LineListNumber(text, ',');
    } catch (const data::FatalError&) {
    }
    return 0;
}
