#pragma once
// Names for plain state, so that tools (the headless driver, tests) can reach
// any variable, field or list element by the game's own name:
// "PlayerMoney", "OwnedRods(2).Name", "SpeciesList(1).Baits(2).Chance".
// A record type exposes `void reflect(VarVisitor&)` listing its fields.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace forms {

class VarVisitor;

// A 1-based list of records, seen through the visitor.
class ListView {
public:
    virtual ~ListView() = default;
    virtual std::size_t size() const = 0;
    virtual void visitElement(std::size_t index1, VarVisitor& v) = 0;
    // Grows (empty elements at the end) or shortens the list; false for a
    // list of fixed length.
    virtual bool resize(std::size_t) { return false; }
};

class VarVisitor {
public:
    virtual ~VarVisitor() = default;
    virtual void field(std::string_view name, long long& value) = 0;
    virtual void field(std::string_view name, bool& value) = 0;
    virtual void field(std::string_view name, std::string& value) = 0;
    virtual void field(std::string_view name, double& value) = 0;
    virtual void field(std::string_view name, float& value) = 0;
    virtual void list(std::string_view name, ListView& list) = 0;
    // A 0-based list of texts reached as NAME(i); an index past the end
    // reads as an empty text.
    virtual void strings(std::string_view name, std::vector<std::string>& items) = 0;
    // A count that is the size of a list.
    virtual void count(std::string_view name, std::size_t value) = 0;
    // The count of a list that a tool may also set, resizing the list.
    virtual void listCount(std::string_view name, ListView& list) { count(name, list.size()); }

    template <class T>
    void records(std::string_view name, std::vector<T>& items);
    template <class T, std::size_t N>
    void records(std::string_view name, T (&items)[N]);
    template <class T>
    void sizeOf(std::string_view name, std::vector<T>& items);
    // An enumeration seen as the text of its value: texts[int(value)]. A text
    // written back that names no value leaves the value as it was.
    template <class E, std::size_t N>
    void enumText(std::string_view name, E& value, const char* const (&texts)[N]);
    // An enumeration seen as its number.
    template <class E>
    void enumNumber(std::string_view name, E& value);
};

template <class T>
class VectorView : public ListView {
public:
    explicit VectorView(std::vector<T>& v) : v_(v) {}
    std::size_t size() const override { return v_.size(); }
    void visitElement(std::size_t index1, VarVisitor& vis) override { v_[index1 - 1].reflect(vis); }
    bool resize(std::size_t n) override {
        v_.resize(n);
        return true;
    }

private:
    std::vector<T>& v_;
};

template <class T, std::size_t N>
class ArrayView : public ListView {
public:
    explicit ArrayView(T (&a)[N]) : a_(a) {}
    std::size_t size() const override { return N; }
    void visitElement(std::size_t index1, VarVisitor& vis) override { a_[index1 - 1].reflect(vis); }

private:
    T (&a_)[N];
};

template <class T>
void VarVisitor::records(std::string_view name, std::vector<T>& items) {
    VectorView<T> view(items);
    list(name, view);
}

template <class T>
void VarVisitor::sizeOf(std::string_view name, std::vector<T>& items) {
    VectorView<T> view(items);
    listCount(name, view);
}

template <class T, std::size_t N>
void VarVisitor::records(std::string_view name, T (&items)[N]) {
    ArrayView<T, N> view(items);
    list(name, view);
}

template <class E, std::size_t N>
void VarVisitor::enumText(std::string_view name, E& value, const char* const (&texts)[N]) {
    const std::size_t at = std::size_t(value);
    std::string text = at < N ? texts[at] : "";
    const std::string before = text;
    field(name, text);
    if (text == before) return;
    for (std::size_t i = 0; i < N; ++i)
        if (text == texts[i]) value = E(i);
}

template <class E>
void VarVisitor::enumNumber(std::string_view name, E& value) {
    long long number = static_cast<long long>(value);
    field(name, number);
    value = E(number);
}

// The value at `path` printed as the driver prints it, or nullopt when the
// path names nothing. `root` is anything with reflect(VarVisitor&).
struct PrintStyle {
    char decimalSeparator = '.';
};

class PathPrinter : public VarVisitor {
public:
    explicit PathPrinter(std::string_view path);
    std::optional<std::string> result() const { return result_; }

    void field(std::string_view name, long long& value) override;
    void field(std::string_view name, bool& value) override;
    void field(std::string_view name, std::string& value) override;
    void field(std::string_view name, double& value) override;
    void field(std::string_view name, float& value) override;
    void list(std::string_view name, ListView& list) override;
    void strings(std::string_view name, std::vector<std::string>& items) override;
    void count(std::string_view name, std::size_t value) override;

private:
    bool matchesLeaf(std::string_view name) const;
    std::string head_;
    std::optional<std::size_t> index_;
    std::string rest_;
    bool valid_ = true;
    std::optional<std::string> result_;
};

template <class Root>
std::optional<std::string> PrintPath(Root& root, std::string_view path) {
    PathPrinter p(path);
    root.reflect(p);
    return p.result();
}

// Sets the value at `path` from `text`: a whole number, a real number with
// ".", `true`/`false`, or any text for a text field; a list's count resizes
// the list (new elements empty, at most MaxSetCount). The outcome says
// whether the path named something and whether the text fit its type.
class PathSetter : public VarVisitor {
public:
    enum class Outcome { NotFound, Set, BadValue };
    PathSetter(std::string_view path, std::string text);
    Outcome outcome() const { return outcome_; }

    void field(std::string_view name, long long& value) override;
    void field(std::string_view name, bool& value) override;
    void field(std::string_view name, std::string& value) override;
    void field(std::string_view name, double& value) override;
    void field(std::string_view name, float& value) override;
    void list(std::string_view name, ListView& list) override;
    void strings(std::string_view name, std::vector<std::string>& items) override;
    void count(std::string_view name, std::size_t value) override;
    void listCount(std::string_view name, ListView& list) override;

private:
    bool matchesLeaf(std::string_view name) const;
    std::string head_, rest_;
    std::optional<std::size_t> index_;
    bool valid_ = true;
    std::string text_;
    Outcome outcome_ = Outcome::NotFound;
};

template <class Root>
PathSetter::Outcome SetPath(Root& root, std::string_view path, std::string text) {
    PathSetter s(path, std::move(text));
    root.reflect(s);
    return s.outcome();
}

}  // namespace forms
