// "\Data\rec.cfg": read, write, read again; the second writing must equal the first.
#include "data/records_file.h"
#include "data/text_file.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        const auto book = data::ReadRecordBook(fuzz::InputFile(data, size), "\\Data\\rec.cfg", ',');
        const std::string written = data::RecordBookBytes(book);
        const auto again = data::ReadRecordBook(
            fuzz::InputFile(reinterpret_cast<const std::uint8_t*>(written.data()), written.size(), "again"),
            "\\Data\\rec.cfg", ',');
        if (data::RecordBookBytes(again) != written) fuzz::Violated();
    } catch (const data::FatalError&) {
    }
    return 0;
}
