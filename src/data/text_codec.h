#pragma once
// Windows-1251 on disk, UTF-8 in memory; and the character operations the
// game defines, which count code points, never bytes.

#include <string>
#include <string_view>

namespace data {

std::string Cp1251ToUtf8(std::string_view bytes);
// Characters without a Windows-1251 code become '?'.
std::string Utf8ToCp1251(std::string_view text);

// The Windows-1251 code of the first character of `utf8`, or -1.
int Cp1251Code(std::string_view utf8);
// The UTF-8 text of one Windows-1251 code.
std::string CharFromCp1251(unsigned char code);

std::size_t CodePointCount(std::string_view utf8);
// The first / last `n` code points.
std::string FirstChars(std::string_view utf8, std::size_t n);
std::string LastChars(std::string_view utf8, std::size_t n);
// All but the last `n` code points ("" when there are fewer).
std::string DropLastChars(std::string_view utf8, std::size_t n);
// Blanks (spaces) removed at both ends.
std::string Trim(std::string_view text);
// Lower case for Latin (ASCII, Latin-1, Latin Extended-A) and Cyrillic
// letters (Ґ, Ё, Є, Ї, Ў ... included); used for case-blind file names.
std::string FoldCase(std::string_view utf8);

// `utf8` safe to show in a message and on a terminal: control characters
// (C0, DEL, C1; NUL too) as \t, \r, \n or \xNN / \u00NN, and bidirectional
// overrides as \u202E ...; at most `maxChars` characters kept, then "…".
std::string Printable(std::string_view utf8, std::size_t maxChars = std::string::npos);

}  // namespace data
