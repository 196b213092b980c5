#include "data/numbers.h"

#include <charconv>
#include <cmath>
#include <limits>

#include "data/text_codec.h"

namespace data {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Length of the longest prefix of `s` shaped like [+-]digits[sep digits][e[+-]digits].
std::size_t NumberPrefix(std::string_view s, char sep) {
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    std::size_t digits = 0;
    while (i < s.size() && IsDigit(s[i])) ++i, ++digits;
    if (i < s.size() && s[i] == sep) {
        std::size_t j = i + 1, frac = 0;
        while (j < s.size() && IsDigit(s[j])) ++j, ++frac;
        if (digits + frac > 0) i = j, digits += frac;
    }
    if (digits == 0) return 0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
        std::size_t exp = 0;
        while (j < s.size() && IsDigit(s[j])) ++j, ++exp;
        if (exp > 0) i = j;
    }
    return i;
}

// Reads a text already shaped by NumberPrefix; nullopt when it is out of
// the range of a double (the runtime's overflow).
std::optional<double> Parse(std::string_view s, char sep) {
    std::string normal(s);
    for (char& c : normal)
        if (c == sep) c = '.';
    if (!normal.empty() && normal[0] == '+') normal.erase(0, 1);
    double v = 0;
    const auto res = std::from_chars(normal.data(), normal.data() + normal.size(), v);
    if (res.ec != std::errc() || !std::isfinite(v)) return std::nullopt;
    return v;
}

std::string WithSeparator(std::string text, char sep) {
    for (char& c : text)
        if (c == '.') c = sep;
    return text;
}

}  // namespace

long long RoundHalfEven(double value) {
    // Converting a value beyond the range of long long is undefined: saturate.
    if (std::isnan(value)) return 0;
    if (value >= 9223372036854775807.0) return std::numeric_limits<long long>::max();
    if (value <= -9223372036854775808.0) return std::numeric_limits<long long>::min();
    return static_cast<long long>(std::nearbyint(value));  // default rounding mode: to nearest, ties to even
}

long long AddMoney(long long money, double amount) {
    const double sum = double(money) + amount;
    if (std::isnan(sum)) return money;
    if (sum >= double(LongMax)) return LongMax;
    if (sum <= double(LongMin)) return LongMin;
    return RoundHalfEven(sum);
}

std::optional<double> StrictNumber(std::string_view text, char sep) {
    const std::string t = Trim(text);
    const std::size_t n = NumberPrefix(t, sep);
    if (n == 0 || n != t.size()) return std::nullopt;
    return Parse(t, sep);
}

std::optional<long long> StrictInteger(std::string_view text, char sep) {
    auto v = StrictNumber(text, sep);
    if (!v || std::fabs(*v) > 9.2e18) return std::nullopt;
    return RoundHalfEven(*v);
}

double LenientNumber(std::string_view text) {
    std::size_t b = 0;
    while (b < text.size() && (text[b] == ' ' || text[b] == '\t')) ++b;
    const std::string_view rest = text.substr(b);
    const std::size_t n = NumberPrefix(rest, '.');
    if (n == 0) return 0;
    return Parse(rest.substr(0, n), '.').value_or(0);
}

long long LenientInteger(std::string_view text) {
    const double v = LenientNumber(text);
    if (std::fabs(v) > 9.2e18) return 0;
    return RoundHalfEven(v);
}

std::optional<bool> BooleanText(std::string_view text, char sep) {
    const std::string t = FoldCase(Trim(text));
    if (t == "true") return true;
    if (t == "false") return false;
    if (auto v = StrictNumber(text, sep)) return *v != 0;
    return std::nullopt;
}

std::string NumberText(double value, char sep) {
    if (value == 0) return "0";
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, 15);
    std::string text(buf, res.ptr);
    // The runtime writes its exponent with a capital letter: 1E-05, 1E+15.
    for (char& c : text)
        if (c == 'e') c = 'E';
    return WithSeparator(std::move(text), sep);
}

std::string SingleText(float value, char sep) {
    if (value == 0) return "0";
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed);
    return WithSeparator(std::string(buf, res.ptr), sep);
}

std::string PlainText(double value, char sep) {
    if (value == 0 || !std::isfinite(value)) return "0";
    char buf[400];
    auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed);
    return WithSeparator(std::string(buf, res.ptr), sep);
}

std::string IntText(long long value) { return std::to_string(value); }

}  // namespace data
