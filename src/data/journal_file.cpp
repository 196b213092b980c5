#include "data/journal_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>
#include <map>
#include <stdexcept>

#include "data/game_folder.h"
#include "data/numbers.h"

namespace data {
namespace {

constexpr std::size_t kColumns = 13;

struct KindName {
    JournalKind kind;
    const char* text;
};
constexpr KindName kKinds[] = {
    {JournalKind::Catch, "улов"},     {JournalKind::Released, "отпущена"}, {JournalKind::Evaluated, "оценка"},
    {JournalKind::Bought, "скупщик"}, {JournalKind::Record, "рекорд"},     {JournalKind::Lost, "потеряна"},
    {JournalKind::Session, "сеанс"},
};

bool NeedsQuotes(std::string_view text) {
    return text.find_first_of(",\"\r\n") != std::string_view::npos || (!text.empty() && (text.front() == ' ' || text.back() == ' '));
}

void PutField(std::string& out, std::string_view text) {
    std::string clean(text);
    for (char& c : clean)
        if (c == '\r' || c == '\n') c = ' ';
    if (!NeedsQuotes(clean)) {
        out += clean;
        return;
    }
    out += '"';
    for (char c : clean) {
        if (c == '"') out += '"';
        out += c;
    }
    out += '"';
}

std::string NumberField(long long value) { return IntText(value); }

// Splits one line into its fields; nullopt for a broken quote.
std::optional<std::vector<std::string>> SplitFields(std::string_view line) {
    std::vector<std::string> fields;
    std::string field;
    std::size_t i = 0;
    for (;;) {
        field.clear();
        if (i < line.size() && line[i] == '"') {
            ++i;
            for (;;) {
                if (i >= line.size()) return std::nullopt;  // the closing quote is missing
                if (line[i] == '"') {
                    if (i + 1 < line.size() && line[i + 1] == '"') {
                        field += '"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                field += line[i++];
            }
            // After a closing quote only a separator or the end may come.
            if (i < line.size() && line[i] != ',') return std::nullopt;
        } else {
            while (i < line.size() && line[i] != ',') {
                if (line[i] == '"') return std::nullopt;  // a quote inside an unquoted field
                field += line[i++];
            }
        }
        fields.push_back(field);
        if (i >= line.size()) break;
        ++i;  // the separator
    }
    return fields;
}

bool IsUtf8(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size()) {
        const unsigned char c = static_cast<unsigned char>(s[i]);
        std::size_t n = 0;
        std::uint32_t cp = 0;
        if (c < 0x80) {
            ++i;
            continue;
        }
        if ((c & 0xE0) == 0xC0) n = 1, cp = c & 0x1F;
        else if ((c & 0xF0) == 0xE0) n = 2, cp = c & 0x0F;
        else if ((c & 0xF8) == 0xF0) n = 3, cp = c & 0x07;
        else return false;
        for (std::size_t k = 1; k <= n; ++k) {
            if (i + k >= s.size()) return false;
            const unsigned char d = static_cast<unsigned char>(s[i + k]);
            if ((d & 0xC0) != 0x80) return false;
            cp = (cp << 6) | (d & 0x3F);
        }
        // Overlong forms, surrogates and values beyond Unicode are no UTF-8.
        static constexpr std::uint32_t kLeast[] = {0, 0x80, 0x800, 0x10000};
        if (cp < kLeast[n] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
        i += n + 1;
    }
    return true;
}

// Digits with an optional minus; empty is absent.
std::optional<long long> WholeField(const std::string& text, bool& bad) {
    if (text.empty()) return std::nullopt;
    std::size_t i = text[0] == '-' ? 1 : 0;
    if (i == text.size() || text.size() - i > 18) {
        bad = true;
        return std::nullopt;
    }
    long long value = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9') {
            bad = true;
            return std::nullopt;
        }
        value = value * 10 + (text[i] - '0');
    }
    return text[0] == '-' ? -value : value;
}

std::optional<double> PriceField(const std::string& text, bool& bad) {
    if (text.empty()) return std::nullopt;
    const std::optional<double> value = StrictNumber(text, '.');
    if (!value) bad = true;
    return value;
}

// One line as an entry, or why it is not one.
std::optional<JournalEntry> ParseLine(std::string_view line, std::string& why) {
    if (!IsUtf8(line)) {
        why = "the text is not UTF-8";
        return std::nullopt;
    }
    const auto fields = SplitFields(line);
    if (!fields) {
        why = "a quote is not closed where a field ends";
        return std::nullopt;
    }
    const std::vector<std::string>& f = *fields;
    if (f.size() < kColumns) {
        why = std::to_string(f.size()) + " fields, " + std::to_string(kColumns) + " expected";
        return std::nullopt;
    }
    JournalEntry e;
    const std::optional<JournalKind> kind = JournalKindFrom(f[0]);
    if (!kind) {
        why = "no such kind of entry";
        return std::nullopt;
    }
    e.kind = *kind;
    bool bad = false;
    e.id = WholeField(f[1], bad).value_or(0);
    e.time = f[2];
    e.map = f[3];
    e.place = WholeField(f[4], bad).value_or(0);
    e.species = f[5];
    e.weight = WholeField(f[6], bad).value_or(0);
    e.rig = f[7];
    e.rod = f[8];
    e.line = f[9];
    e.bait = f[10];
    e.price = PriceField(f[11], bad);
    e.money = WholeField(f[12], bad);
    if (bad) {
        why = "a number field holds no whole number";
        return std::nullopt;
    }
    // A catch without its number could never be given a fate.
    if (e.kind == JournalKind::Catch && e.id <= 0) {
        why = "a catch without its number";
        return std::nullopt;
    }
    return e;
}

std::string ErrnoText() { return std::strerror(errno); }

}  // namespace

const char* JournalKindText(JournalKind kind) {
    for (const KindName& k : kKinds)
        if (k.kind == kind) return k.text;
    return "";
}

std::optional<JournalKind> JournalKindFrom(std::string_view text) {
    for (const KindName& k : kKinds)
        if (text == k.text) return k.kind;
    return std::nullopt;
}

const std::string& JournalHeader() {
    static const std::string header =
        "запись,номер,дата и время,карта,место,рыба,вес г,оснастка,удилище,леска,наживка или приманка,цена $,деньги $";
    return header;
}

std::string JournalLine(const JournalEntry& e) {
    std::string out;
    PutField(out, JournalKindText(e.kind));
    out += ',';
    if (e.id > 0) out += NumberField(e.id);
    out += ',';
    PutField(out, e.time);
    out += ',';
    PutField(out, e.map);
    out += ',';
    if (e.kind == JournalKind::Catch) out += NumberField(e.place);
    out += ',';
    PutField(out, e.species);
    out += ',';
    if (e.kind != JournalKind::Session) out += NumberField(e.weight);
    out += ',';
    PutField(out, e.rig);
    out += ',';
    PutField(out, e.rod);
    out += ',';
    PutField(out, e.line);
    out += ',';
    PutField(out, e.bait);
    out += ',';
    if (e.price) out += NumberText(*e.price, '.');
    out += ',';
    if (e.money) out += NumberField(*e.money);
    out += "\r\n";
    return out;
}

std::vector<JournalEntry> ParseJournal(std::string_view bytes, const JournalWarning& warn) {
    std::vector<JournalEntry> entries;
    std::size_t number = 0, start = 0;
    // A byte-order mark some editors put in front is no part of the header.
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF") start = 3;
    while (start < bytes.size()) {
        std::size_t end = bytes.find('\n', start);
        if (end == std::string_view::npos) end = bytes.size();
        std::string_view line = bytes.substr(start, end - start);
        start = end + 1;
        ++number;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.empty()) continue;
        if (number == 1 && line == JournalHeader()) continue;
        std::string why;
        if (std::optional<JournalEntry> e = ParseLine(line, why)) {
            entries.push_back(std::move(*e));
        } else if (warn) {
            warn(number, why);
        }
    }
    return entries;
}

std::vector<JournalEntry> ReadJournal(const std::filesystem::path& file, const JournalWarning& warn) {
    std::error_code ec;
    if (!std::filesystem::exists(file, ec)) {
        if (ec) throw std::runtime_error(PathText(file) + ": " + ec.message());
        return {};
    }
    if (std::filesystem::is_directory(file, ec)) throw std::runtime_error(PathText(file) + ": is a folder");
    std::ifstream in(file, std::ios::binary);
    if (!in) throw std::runtime_error(PathText(file) + ": cannot be opened");
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) throw std::runtime_error(PathText(file) + ": cannot be read");
    return ParseJournal(bytes, warn);
}

void AppendJournal(const std::filesystem::path& file, const std::vector<JournalEntry>& entries) {
    std::error_code ec;
    if (file.has_parent_path()) {
        std::filesystem::create_directories(file.parent_path(), ec);
        if (ec) throw std::runtime_error(PathText(file) + ": " + ec.message());
    }
    const int fd = ::open(file.c_str(), O_RDWR | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    if (fd < 0) throw std::runtime_error(PathText(file) + ": " + ErrnoText());
    std::string bytes;
    const off_t size = ::lseek(fd, 0, SEEK_END);
    if (size <= 0) {
        bytes = JournalHeader() + "\r\n";
    } else {
        char last = '\n';
        if (::pread(fd, &last, 1, size - 1) == 1 && last != '\n') bytes = "\r\n";
    }
    for (const JournalEntry& e : entries) bytes += JournalLine(e);
    // One write: with O_APPEND the lines go to the end as a whole.
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            const std::string why = n < 0 ? ErrnoText() : "nothing written";
            ::close(fd);
            throw std::runtime_error(PathText(file) + ": " + why);
        }
        done += std::size_t(n);
    }
    if (::close(fd) != 0) throw std::runtime_error(PathText(file) + ": " + ErrnoText());
}

JournalSummary FoldJournal(const std::vector<JournalEntry>& entries) {
    JournalSummary s;
    std::map<long long, std::size_t> byId;  // catch number -> index in s.catches
    auto money = [&s](const JournalEntry& e) {
        if (!e.money) return;
        if (s.sessions.empty()) s.sessions.push_back({e.time, *e.money});
        s.sessions.back().money = *e.money;
    };
    for (const JournalEntry& e : entries) {
        if (e.id > s.lastId) s.lastId = e.id;
        switch (e.kind) {
            case JournalKind::Session:
                s.sessions.push_back({e.time, e.money.value_or(0)});
                break;
            case JournalKind::Catch:
                // A number written twice names its first catch; the second
                // line is kept as a catch of its own that no fate reaches.
                byId.try_emplace(e.id, s.catches.size());
                s.catches.push_back({e, CatchFate::Kept, std::nullopt, false, {}});
                break;
            default: {
                money(e);
                const auto it = byId.find(e.id);
                if (e.id <= 0 || it == byId.end()) break;
                JournalCatch& c = s.catches[it->second];
                if (e.kind == JournalKind::Record) {
                    c.inRecords = true;
                    break;
                }
                if (c.fate != CatchFate::Kept) break;
                c.fateTime = e.time;
                c.fate = e.kind == JournalKind::Released    ? CatchFate::Released
                         : e.kind == JournalKind::Evaluated ? CatchFate::Evaluated
                         : e.kind == JournalKind::Bought    ? CatchFate::Bought
                                                            : CatchFate::Lost;
                if (e.kind == JournalKind::Evaluated) c.price = e.price;
                break;
            }
        }
    }
    return s;
}

std::string CatchFateText(const JournalCatch& c) {
    std::string text;
    switch (c.fate) {
        case CatchFate::Kept: text = "в садке"; break;
        case CatchFate::Released: text = "отпущена"; break;
        case CatchFate::Evaluated: text = "продана на оценке"; break;
        case CatchFate::Bought: text = "продана скупщику"; break;
        case CatchFate::Lost: text = "потеряна"; break;
    }
    if (c.inRecords) text += ", в книге рекордов";
    return text;
}

}  // namespace data
