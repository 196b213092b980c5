#include "data/text_codec.h"

#include <array>
#include <cstdint>
#include <cstdio>

namespace data {
namespace {

// Code points of Windows-1251 bytes 0x80..0xBF (0xC0..0xFF are U+0410..U+044F).
constexpr std::array<std::uint16_t, 64> kHigh = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, 0x20AC, 0x2030, 0x0409, 0x2039, 0x040A,
    0x040C, 0x040B, 0x040F, 0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x0098, 0x2122,
    0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, 0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6,
    0x00A7, 0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407, 0x00B0, 0x00B1, 0x0406, 0x0456,
    0x0491, 0x00B5, 0x00B6, 0x00B7, 0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457};

std::uint32_t CodePointOf(unsigned char b) {
    if (b < 0x80) return b;
    if (b >= 0xC0) return 0x0410 + (b - 0xC0);
    return kHigh[b - 0x80];
}

int ByteOf(std::uint32_t cp) {
    if (cp < 0x80) return int(cp);
    if (cp >= 0x0410 && cp <= 0x044F) return int(0xC0 + (cp - 0x0410));
    for (std::size_t i = 0; i < kHigh.size(); ++i)
        if (kHigh[i] == cp) return int(0x80 + i);
    return -1;
}

void AppendUtf8(std::string& out, std::uint32_t cp) {
    if (cp < 0x80) {
        out += char(cp);
    } else if (cp < 0x800) {
        out += char(0xC0 | (cp >> 6));
        out += char(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += char(0xE0 | (cp >> 12));
        out += char(0x80 | ((cp >> 6) & 0x3F));
        out += char(0x80 | (cp & 0x3F));
    } else {
        out += char(0xF0 | (cp >> 18));
        out += char(0x80 | ((cp >> 12) & 0x3F));
        out += char(0x80 | ((cp >> 6) & 0x3F));
        out += char(0x80 | (cp & 0x3F));
    }
}

// Decodes one code point at `i`, advancing it; malformed bytes decode as themselves.
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

// Byte offset of code point number `n` (or the end).
std::size_t OffsetOf(std::string_view s, std::size_t n) {
    std::size_t i = 0;
    while (n > 0 && i < s.size()) {
        i += CharLength(static_cast<unsigned char>(s[i]));
        --n;
    }
    return i < s.size() ? i : s.size();
}

}  // namespace

std::string Cp1251ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() * 2);
    for (char c : bytes) AppendUtf8(out, CodePointOf(static_cast<unsigned char>(c)));
    return out;
}

std::string Utf8ToCp1251(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const int b = ByteOf(NextCodePoint(text, i));
        out += b < 0 ? '?' : char(b);
    }
    return out;
}

int Cp1251Code(std::string_view utf8) {
    if (utf8.empty()) return -1;
    std::size_t i = 0;
    return ByteOf(NextCodePoint(utf8, i));
}

std::string CharFromCp1251(unsigned char code) {
    std::string out;
    AppendUtf8(out, CodePointOf(code));
    return out;
}

std::size_t CodePointCount(std::string_view utf8) {
    std::size_t n = 0;
    for (std::size_t i = 0; i < utf8.size(); i += CharLength(static_cast<unsigned char>(utf8[i]))) ++n;
    return n;
}

std::string FirstChars(std::string_view utf8, std::size_t n) {
    return std::string(utf8.substr(0, OffsetOf(utf8, n)));
}

std::string LastChars(std::string_view utf8, std::size_t n) {
    const std::size_t count = CodePointCount(utf8);
    if (n >= count) return std::string(utf8);
    return std::string(utf8.substr(OffsetOf(utf8, count - n)));
}

std::string DropLastChars(std::string_view utf8, std::size_t n) {
    const std::size_t count = CodePointCount(utf8);
    if (n >= count) return {};
    return FirstChars(utf8, count - n);
}

std::string Trim(std::string_view text) {
    std::size_t b = 0, e = text.size();
    while (b < e && text[b] == ' ') ++b;
    while (e > b && text[e - 1] == ' ') --e;
    return std::string(text.substr(b, e - b));
}

namespace {

std::uint32_t LowerCase(std::uint32_t cp) {
    if (cp >= 'A' && cp <= 'Z') return cp + 32;
    if (cp >= 0x00C0 && cp <= 0x00DE && cp != 0x00D7) return cp + 0x20;  // À..Þ, not ×
    // Latin Extended-A pairs upper and lower case side by side; where the
    // pairs start on an odd code point, the upper case is the odd one.
    // The dotted and dotless i of Turkish are no pair: they stay.
    if (cp == 0x0130 || cp == 0x0131) return cp;
    if ((cp >= 0x0100 && cp <= 0x0137) || (cp >= 0x014A && cp <= 0x0177)) return cp | 1;
    if ((cp >= 0x0139 && cp <= 0x0148) || (cp >= 0x0179 && cp <= 0x017E)) return cp + (cp & 1);
    if (cp == 0x0178) return 0x00FF;  // Ÿ
    if (cp >= 0x0410 && cp <= 0x042F) return cp + 0x20;
    if (cp >= 0x0400 && cp <= 0x040F) return cp + 0x50;
    // Ѡ..ҁ and Ҋ..ҿ pair the same way (Ґ and ґ among them).
    if ((cp >= 0x0460 && cp <= 0x0481) || (cp >= 0x048A && cp <= 0x04BF)) return cp | 1;
    return cp;
}

bool IsBidiControl(std::uint32_t cp) {
    return (cp >= 0x202A && cp <= 0x202E) || (cp >= 0x2066 && cp <= 0x2069) || cp == 0x200E || cp == 0x200F ||
           cp == 0x061C;
}

}  // namespace

std::string FoldCase(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) AppendUtf8(out, LowerCase(NextCodePoint(utf8, i)));
    return out;
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

}  // namespace data
