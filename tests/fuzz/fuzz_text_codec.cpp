// Windows-1251 to UTF-8 and back, and the character operations on any bytes.
#include "data/text_codec.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes = fuzz::Text(data, size);
    // Every Windows-1251 byte has a character: the round trip is exact.
    const std::string utf8 = data::Cp1251ToUtf8(bytes);
    if (data::Utf8ToCp1251(utf8) != bytes) fuzz::Violated();
    if (data::CodePointCount(utf8) != size) fuzz::Violated();
    // The same operations on bytes that need not be UTF-8 at all.
    for (const std::string* s : {&utf8, &bytes}) {
        const std::size_t n = size ? data[0] % 8 : 0;
        data::Utf8ToCp1251(*s);
        data::Cp1251Code(*s);
        data::FoldCase(*s);
        data::Trim(*s);
        data::FirstChars(*s, n);
        data::LastChars(*s, n);
        data::DropLastChars(*s, n);
    }
    return 0;
}
