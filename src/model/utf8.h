#pragma once
// UTF-8, the text of the game in memory: code points, and text made safe
// to show.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace klev {

// The code point at byte i, moving i past it; a stray byte is its own value.
std::uint32_t NextCodePoint(std::string_view s, std::size_t& i);
// The bytes of the character that starts with `lead`.
std::size_t CharLength(unsigned char lead);
// The bidirectional overrides, embeddings, isolates and marks.
bool IsBidiControl(std::uint32_t cp);
// The text with control characters, bidirectional controls and bytes that
// are no UTF-8 written as escapes, cut to `maxChars` characters with "…".
std::string Printable(std::string_view utf8, std::size_t maxChars = std::string::npos);

}  // namespace klev
