#pragma once
// Number conversions. Never the C library's or streams': those follow the
// process locale, which the desktop toolkit sets from the environment.
// `sep` is the user's decimal separator.

#include <optional>
#include <string>
#include <string_view>

namespace data {

// The range of the game's whole-number variables (32-bit Long).
constexpr long long LongMin = -2147483648LL;
constexpr long long LongMax = 2147483647LL;

// Rounds to the nearest whole number, halves to the even neighbour; values
// beyond the range of long long saturate, NaN gives 0.
long long RoundHalfEven(double value);

// Money after adding `amount` (which may be negative) to `money`, rounded
// halves to even and held within the Long range the save file reads back:
// a sale that would pass 2,147,483,647 dollars stops there.
long long AddMoney(long long money, double amount);

// Strict: the whole text (blanks around allowed) must be a number in the
// user's locale: [+-]digits[sep digits][E[+-]digits]. nullopt for anything
// else, and for a value beyond the range of a double.
std::optional<double> StrictNumber(std::string_view text, char sep);
std::optional<long long> StrictInteger(std::string_view text, char sep);

// Lenient: the longest leading part that forms a number, "." as decimal
// point; 0 when there is none.
double LenientNumber(std::string_view text);
long long LenientInteger(std::string_view text);

// Boolean text: "true"/"false" in any case, or a number (0 = false).
std::optional<bool> BooleanText(std::string_view text, char sep);

// A real number as the game shows it: up to 15 significant digits, no
// trailing zeros, the user's separator; whole numbers as plain digits; very
// large or small values with a capital exponent ("1E-05").
std::string NumberText(double value, char sep);
// The shortest plain decimal text (never an exponent) that reads back as the
// same single-precision / double value; for tools that print state.
std::string SingleText(float value, char sep);
std::string PlainText(double value, char sep);
std::string IntText(long long value);

}  // namespace data
