// The player's save "vrb.cfg": read, write, read again; the second writing
// must equal the first, so a game saved once always loads the same.
#include "data/save_file.h"
#include "data/text_file.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    klev::SaveData vars;
    try {
        data::ReadSaveFile(fuzz::InputFile(data, size), "\\Saves\\x\\vrb.cfg", vars, ',');
    } catch (const data::FatalError&) {
        return 0;
    }
    const std::string written = data::SaveFileBytes(vars);
    klev::SaveData again;
    try {
        data::ReadSaveFile(
            fuzz::InputFile(reinterpret_cast<const std::uint8_t*>(written.data()), written.size(), "again"),
            "\\Saves\\x\\vrb.cfg", again, ',');
    } catch (const data::FatalError&) {
        fuzz::Violated();  // what the game wrote, it must read
    }
    if (data::SaveFileBytes(again) != written) fuzz::Violated();
    return 0;
}
