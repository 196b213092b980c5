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

}  // namespace

PathPrinter::PathPrinter(std::string_view path) {
    // First segment: NAME or NAME(i); the rest after the dot goes deeper.
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
    if (dot != std::string_view::npos) rest_ = std::string(path.substr(dot + 1));
    const std::size_t open = first.find('(');
    if (open == std::string_view::npos) {
        head_ = std::string(first);
        return;
    }
    head_ = std::string(first.substr(0, open));
    if (first.back() != ')') {
        valid_ = false;
        return;
    }
    std::string_view digits = first.substr(open + 1, first.size() - open - 2);
    std::size_t idx = 0;
    auto res = std::from_chars(digits.data(), digits.data() + digits.size(), idx);
    if (res.ec != std::errc() || res.ptr != digits.data() + digits.size()) valid_ = false;
    index_ = idx;
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
