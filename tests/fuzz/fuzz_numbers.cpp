// The number conversions of every file field.
#include <cmath>
#include <cstring>

#include "data/numbers.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text = fuzz::Text(data, size);
    for (char sep : {',', '.'}) {
        if (const auto v = data::StrictNumber(text, sep)) {
            if (!std::isfinite(*v)) fuzz::Violated();
            // What the game writes, it reads back.
            if (!data::StrictNumber(data::NumberText(*v, sep), sep)) fuzz::Violated();
            data::PlainText(*v, sep);
        }
        data::StrictInteger(text, sep);
        data::BooleanText(text, sep);
    }
    const double lenient = data::LenientNumber(text);
    data::RoundHalfEven(lenient);
    data::LenientInteger(text);
    data::SingleText(float(lenient), ',');
    if (size >= sizeof(double)) {
        double raw;
        std::memcpy(&raw, data, sizeof raw);
        data::RoundHalfEven(raw);
        data::NumberText(raw, ',');
        data::PlainText(raw, ',');
    }
    return 0;
}
