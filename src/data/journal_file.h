#pragma once
// The catch journal "journal.csv" in the player's save folder: UTF-8, one
// header line, RFC 4180 quoting, CR LF line ends, one entry a line. The file
// only ever grows: a landing appends a catch line with a number of its own,
// and whatever later becomes of that fish appends a fate line naming the
// number. The reader folds them into one row per catch.
//
// Columns, in this order: запись (the kind, below), номер (the catch's
// number), дата и время ("2026-12-09 14:03:27", local time), карта (the map's
// title), место (the place number), рыба (the species), вес г, оснастка,
// удилище, леска, наживка или приманка, цена $ (the evaluation's price,
// "." as decimal point), деньги $ (the player's money after a sale, or when
// a session began). A reader takes lines with more columns than these
// (a later version's) and ignores the rest.
//
// Kinds: "улов" a landing; "отпущена", "оценка" (sold at the evaluation),
// "скупщик" (sold to the fish buyer), "рекорд" (entered in the records book;
// the fish stays where it is), "потеряна" (the game ended without saving the
// keep-net it was in): fates of catch `номер`, or of a fish the journal never
// saw landed when the number is empty; "сеанс": the first line a run of the
// game writes, with the money at that moment.

#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace data {

enum class JournalKind { Catch, Released, Evaluated, Bought, Record, Lost, Session };

// The kind as the file writes it ("улов" ...), and back; nullopt for a text
// that is no kind.
const char* JournalKindText(JournalKind kind);
std::optional<JournalKind> JournalKindFrom(std::string_view text);

// One line of the journal. Empty texts and absent numbers are empty fields.
struct JournalEntry {
    JournalKind kind = JournalKind::Catch;
    long long id = 0;  // the catch; 0 on a session line or a fate of an unknown fish
    std::string time;  // "YYYY-MM-DD HH:MM:SS"
    std::string map;
    long long place = 0;
    std::string species;
    long long weight = 0;  // grams
    std::string rig, rod, line, bait;
    std::optional<double> price;      // the evaluation's price in dollars
    std::optional<long long> money;   // the money after a sale / at a session's start

    bool operator==(const JournalEntry&) const = default;
};

// The header line, without its line end.
const std::string& JournalHeader();
// One entry as a line of the file, with its CR LF. A line break inside a
// text (no game name holds one) is written as a blank, so that every entry
// stays on one line and a damaged line never takes the next ones with it.
std::string JournalLine(const JournalEntry& entry);

// Where a damaged line is told: its line number (1-based) and why.
using JournalWarning = std::function<void(std::size_t line, const std::string& why)>;

// Reads the journal's bytes. The header line is skipped when it is there; a
// line that does not read as an entry (a broken quote, too few columns, an
// unknown kind, a number that is not one, text that is no UTF-8) is skipped
// and told to `warn`. Blank lines are skipped silently.
std::vector<JournalEntry> ParseJournal(std::string_view bytes, const JournalWarning& warn);

// Reads the journal file; a missing file is an empty journal. Damaged lines
// are told to `warn` as above. Throws std::runtime_error when the file is
// there but cannot be read.
std::vector<JournalEntry> ReadJournal(const std::filesystem::path& file, const JournalWarning& warn);

// Appends `entries` at the end of the file, each on a line of its own: a new
// or empty file gets the header first, and a last line left without its line
// end (a write cut short) is ended first, so it stays a line of its own and
// the new ones are whole. Earlier lines are never rewritten. The folder is
// made when it is missing. Throws std::runtime_error naming the file and the
// reason when the file cannot be written.
void AppendJournal(const std::filesystem::path& file, const std::vector<JournalEntry>& entries);

// --- The journal folded into one row per catch ------------------------------

// What became of a catch, as far as the journal knows.
enum class CatchFate { Kept, Released, Evaluated, Bought, Lost };

struct JournalCatch {
    JournalEntry landing;  // the catch line
    CatchFate fate = CatchFate::Kept;
    std::optional<double> price;  // the evaluation's price
    bool inRecords = false;       // entered in the records book
    std::string fateTime;         // when it left the keep-net
};

// One run of the game that wrote to the journal: when it began and the last
// money the journal knows from it.
struct JournalSession {
    std::string time;
    long long money = 0;
};

struct JournalSummary {
    std::vector<JournalCatch> catches;     // in the order they were landed
    std::vector<JournalSession> sessions;  // in the order they began
    long long lastId = 0;                  // the highest catch number in the file
};

// Folds the entries: each fate goes to the catch it names (a later fate of a
// catch that already left the keep-net, or of an unknown number, changes
// nothing); money lines count for the session they follow (a sale before any
// session line opens one of its own).
JournalSummary FoldJournal(const std::vector<JournalEntry>& entries);

// The fate as the journal window shows it ("в садке", "отпущена",
// "продана на оценке", "продана скупщику", "потеряна"), with ", в книге
// рекордов" when it entered the records book.
std::string CatchFateText(const JournalCatch& c);

}  // namespace data
