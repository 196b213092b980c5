#include "forms/reflect.h"

#include <charconv>


namespace forms {
namespace {

// Plain decimal digits with "." and no trailing zeros, never an exponent.
std::string RealText(double value) {
    if (value == 0 || value != value) return "0";
    char buf[400];
    auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed);
    return std::string(buf, res.ptr);
}

// A path's first segment NAME or NAME(i), and what follows its dot.
struct PathHead {
    std::string head, rest;
    std::optional<std::size_t> index;
    bool valid = true;
};

PathHead ParsePath(std::string_view path) {
    PathHead p;
    std::size_t dot = std::string_view::npos;
    int depth = 0;
    for (std::size_t i = 0; i < path.size(); ++i) {
        if (path[i] == '(') ++depth;
        else if (path[i] == ')') --depth;
        else if (path[i] == '.' && depth == 0) {
            dot = i;
            break;
        }
    }
    std::string_view first = path.substr(0, dot);
    if (dot != std::string_view::npos) p.rest = std::string(path.substr(dot + 1));
    const std::size_t open = first.find('(');
    if (open == std::string_view::npos) {
        p.head = std::string(first);
        return p;
    }
    p.head = std::string(first.substr(0, open));
    if (first.back() != ')') {
        p.valid = false;
        return p;
    }
    std::string_view digits = first.substr(open + 1, first.size() - open - 2);
    std::size_t idx = 0;
    auto res = std::from_chars(digits.data(), digits.data() + digits.size(), idx);
    if (res.ec != std::errc() || res.ptr != digits.data() + digits.size()) p.valid = false;
    p.index = idx;
    return p;
}

// Shortest text of a single-precision value, plain digits with ".".
std::string SingleText(float value) {
    if (value == 0 || value != value) return "0";
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed);
    return std::string(buf, res.ptr);
}

template <class T>
bool ParseWhole(const std::string& text, T& out) {
    auto res = std::from_chars(text.data(), text.data() + text.size(), out);
    return res.ec == std::errc() && res.ptr == text.data() + text.size() && !text.empty();
}

template <class T>
bool ParseReal(const std::string& text, T& out) {
    if (text.empty() || text.find_first_of("eEnNiI") != std::string::npos) return false;
    auto res = std::from_chars(text.data(), text.data() + text.size(), out, std::chars_format::fixed);
    return res.ec == std::errc() && res.ptr == text.data() + text.size();
}

}  // namespace

PathPrinter::PathPrinter(std::string_view path) {
    PathHead p = ParsePath(path);
    head_ = std::move(p.head);
    rest_ = std::move(p.rest);
    index_ = p.index;
    valid_ = p.valid;
}

bool PathPrinter::matchesLeaf(std::string_view name) const {
    return valid_ && !result_ && name == head_ && !index_ && rest_.empty();
}

void PathPrinter::field(std::string_view name, long long& value) {
    if (matchesLeaf(name)) result_ = std::to_string(value);
}

void PathPrinter::field(std::string_view name, bool& value) {
    if (matchesLeaf(name)) result_ = value ? "true" : "false";
}

void PathPrinter::field(std::string_view name, std::string& value) {
    if (matchesLeaf(name)) result_ = value;
}

void PathPrinter::field(std::string_view name, double& value) {
    if (matchesLeaf(name)) result_ = RealText(value);
}

void PathPrinter::field(std::string_view name, float& value) {
    if (matchesLeaf(name)) result_ = SingleText(value);
}

void PathPrinter::strings(std::string_view name, std::vector<std::string>& items) {
    if (!valid_ || result_ || name != head_ || !index_ || !rest_.empty()) return;
    result_ = *index_ < items.size() ? items[*index_] : std::string();
}

void PathPrinter::count(std::string_view name, std::size_t value) {
    if (matchesLeaf(name)) result_ = std::to_string(value);
}

void PathPrinter::list(std::string_view name, ListView& list) {
    if (!valid_ || result_ || name != head_ || !index_ || rest_.empty()) return;
    if (*index_ < 1 || *index_ > list.size()) return;
    PathPrinter inner(rest_);
    list.visitElement(*index_, inner);
    result_ = inner.result();
}

}  // namespace forms

namespace forms {

PathSetter::PathSetter(std::string_view path, std::string text) : text_(std::move(text)) {
    PathHead p = ParsePath(path);
    head_ = std::move(p.head);
    rest_ = std::move(p.rest);
    index_ = p.index;
    valid_ = p.valid;
}

bool PathSetter::matchesLeaf(std::string_view name) const {
    return valid_ && outcome_ == Outcome::NotFound && name == head_ && !index_ && rest_.empty();
}

void PathSetter::field(std::string_view name, long long& value) {
    if (!matchesLeaf(name)) return;
    long long v = 0;
    outcome_ = ParseWhole(text_, v) ? (value = v, Outcome::Set) : Outcome::BadValue;
}

void PathSetter::field(std::string_view name, bool& value) {
    if (!matchesLeaf(name)) return;
    if (text_ == "true" || text_ == "false") {
        value = text_ == "true";
        outcome_ = Outcome::Set;
    } else {
        outcome_ = Outcome::BadValue;
    }
}

void PathSetter::field(std::string_view name, std::string& value) {
    if (!matchesLeaf(name)) return;
    value = text_;
    outcome_ = Outcome::Set;
}

void PathSetter::field(std::string_view name, double& value) {
    if (!matchesLeaf(name)) return;
    double v = 0;
    outcome_ = ParseReal(text_, v) ? (value = v, Outcome::Set) : Outcome::BadValue;
}

void PathSetter::field(std::string_view name, float& value) {
    if (!matchesLeaf(name)) return;
    float v = 0;
    outcome_ = ParseReal(text_, v) ? (value = v, Outcome::Set) : Outcome::BadValue;
}

void PathSetter::list(std::string_view name, ListView& list) {
    if (!valid_ || outcome_ != Outcome::NotFound || name != head_ || !index_ || rest_.empty()) return;
    if (*index_ < 1 || *index_ > list.size()) return;
    PathSetter inner(rest_, text_);
    list.visitElement(*index_, inner);
    outcome_ = inner.outcome();
}

void PathSetter::strings(std::string_view name, std::vector<std::string>& items) {
    if (!valid_ || outcome_ != Outcome::NotFound || name != head_ || !index_ || !rest_.empty()) return;
    if (*index_ >= items.size()) return;
    items[*index_] = text_;
    outcome_ = Outcome::Set;
}

// A count that is only the size of its list cannot be set.
void PathSetter::count(std::string_view, std::size_t) {}

// A list's count set by a test set-up grows the list with empty elements at
// the end or shortens it, as the game itself resizes its lists. A count no
// game list comes near is refused rather than allocated.
void PathSetter::listCount(std::string_view name, ListView& list) {
    if (!matchesLeaf(name)) return;
    constexpr long long MaxSetCount = 100000;
    long long n = 0;
    if (!ParseWhole(text_, n) || n < 0 || n > MaxSetCount || !list.resize(std::size_t(n))) {
        outcome_ = Outcome::BadValue;
        return;
    }
    outcome_ = Outcome::Set;
}

}  // namespace forms
