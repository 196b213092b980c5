#include "model/utf8.h"

#include <cstdio>

namespace klev {

std::uint32_t NextCodePoint(std::string_view s, std::size_t& i) {
    const auto b = static_cast<unsigned char>(s[i]);
    int extra = b >= 0xF0 ? 3 : b >= 0xE0 ? 2 : b >= 0xC0 ? 1 : 0;
    if (extra == 0 || i + std::size_t(extra) >= s.size()) {
        ++i;
        return b;
    }
    std::uint32_t cp = b & (0x3F >> extra);
    for (int k = 1; k <= extra; ++k) cp = (cp << 6) | (static_cast<unsigned char>(s[i + std::size_t(k)]) & 0x3F);
    i += std::size_t(extra) + 1;
    return cp;
}

std::size_t CharLength(unsigned char lead) {
    return lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
}

bool IsBidiControl(std::uint32_t cp) {
    return (cp >= 0x202A && cp <= 0x202E) || (cp >= 0x2066 && cp <= 0x2069) || cp == 0x200E || cp == 0x200F ||
           cp == 0x061C;
}

std::string Printable(std::string_view utf8, std::size_t maxChars) {
    std::string out;
    std::size_t chars = 0;
    for (std::size_t i = 0; i < utf8.size();) {
        if (chars == maxChars) {
            out += "…";
            break;
        }
        ++chars;
        const std::size_t start = i;
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const std::size_t length = CharLength(lead);
        bool wellFormed = lead < 0x80 || (lead >= 0xC0 && start + length <= utf8.size());
        for (std::size_t k = 1; wellFormed && k < length; ++k)
            wellFormed = (static_cast<unsigned char>(utf8[start + k]) & 0xC0) == 0x80;
        char buf[12];
        if (!wellFormed) {
            // A byte that is no UTF-8 at all.
            std::snprintf(buf, sizeof buf, "\\x%02X", unsigned(lead));
            out += buf;
            i = start + 1;
            continue;
        }
        const std::uint32_t cp = NextCodePoint(utf8, i);
        if (cp == '\t') out += "\\t";
        else if (cp == '\r') out += "\\r";
        else if (cp == '\n') out += "\\n";
        else if (cp < 0x20 || cp == 0x7F) {
            std::snprintf(buf, sizeof buf, "\\x%02X", unsigned(cp));
            out += buf;
        } else if ((cp >= 0x80 && cp <= 0x9F) || IsBidiControl(cp)) {
            std::snprintf(buf, sizeof buf, "\\u%04X", unsigned(cp));
            out += buf;
        } else {
            out.append(utf8.substr(start, i - start));
        }
    }
    return out;
}

}  // namespace klev
