#include "app/session_record.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <fstream>
#include <ostream>
#include <sstream>

#include "data/game_folder.h"

namespace klev {
namespace fs = std::filesystem;

std::string VersionText(const GameConfig& config) {
    return std::to_string(config.versionMajor) + "." + std::to_string(config.versionMinor) + "." +
           std::to_string(config.versionRevision);
}

namespace {

std::string Lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return s;
}

// The top-level names the game reads from (case-blind, as it resolves them).
bool ReadByGame(const fs::path& topLevel) {
    const std::string name = Lower(topLevel.filename().string());
    return name == "conf.cfg" || name == "data" || name == "images" || name == "sound" || name == "saves";
}

// "\Saves\Вася\vrb.cfg" for "Saves/Вася/vrb.cfg".
std::string GamePath(const std::string& relative) {
    std::string p = "\\" + relative;
    std::replace(p.begin(), p.end(), '/', '\\');
    return p;
}

// Every file the game reads below `root`, by its path relative to it;
// `keep` chooses among them.
template <class Keep>
void Collect(const fs::path& root, Keep keep, std::map<std::string, fs::path>& files) {
    std::error_code ec;
    for (fs::directory_iterator top(root, ec), end; !ec && top != end; top.increment(ec)) {
        if (!ReadByGame(top->path())) continue;
        auto add = [&](const fs::path& file) {
            const std::string rel = file.lexically_relative(root).generic_string();
            if (keep(GamePath(rel))) files[rel] = file;
        };
        std::error_code kind;
        if (top->is_regular_file(kind)) {
            add(top->path());
            continue;
        }
        if (!top->is_directory(kind)) continue;
        std::error_code walk;
        for (fs::recursive_directory_iterator it(top->path(), walk), stop; !walk && it != stop; it.increment(walk)) {
            std::error_code regular;
            if (it->is_regular_file(regular)) add(it->path());
        }
    }
}

struct Fnv {
    std::uint64_t h = 14695981039346656037ull;
    void add(const char* data, std::size_t n) {
        for (std::size_t i = 0; i < n; ++i) {
            h ^= static_cast<unsigned char>(data[i]);
            h *= 1099511628211ull;
        }
    }
    void add(const std::string& s) { add(s.data(), s.size() + 1); }  // with its terminator
};

}  // namespace

std::string GameFolderChecksum(const GameConfig& config) {
    std::map<std::string, fs::path> files;
    const bool player = !config.playerFolder.empty();
    Collect(config.gameFolder, [&](const std::string& p) { return !player || !data::IsPlayerFile(p); }, files);
    if (player) Collect(config.playerFolder, [](const std::string& p) { return data::IsPlayerFile(p); }, files);
    Fnv fnv;
    std::vector<char> buffer(1 << 16);
    for (const auto& [rel, file] : files) {
        fnv.add(rel);
        std::ifstream in(file, std::ios::binary);
        std::uint64_t size = 0;
        while (in.read(buffer.data(), std::streamsize(buffer.size())) || in.gcount() > 0) {
            fnv.add(buffer.data(), std::size_t(in.gcount()));
            size += std::uint64_t(in.gcount());
        }
        fnv.add(std::to_string(size));
    }
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(fnv.h));
    return text;
}

namespace {
constexpr const char* kHeader = "# klevnitsa-record version ";
}

std::string RecordHeader(const GameConfig& config) {
    return kHeader + VersionText(config) + " checksum " + GameFolderChecksum(config);
}

std::optional<RecordedOrigin> ParseRecordHeader(const std::string& line) {
    const std::string head = kHeader;
    if (line.rfind(head, 0) != 0) return std::nullopt;
    std::istringstream rest(line.substr(head.size()));
    RecordedOrigin origin;
    std::string word;
    if (!(rest >> origin.version >> word >> origin.checksum) || word != "checksum") return std::nullopt;
    return origin;
}

std::string ExactNumber(double value) {
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, value);
    return std::string(buf, res.ptr);
}

// --- The recorder ----------------------------------------------------------

SessionRecorder::SessionRecorder(std::ostream& out) : out_(out) {}

void SessionRecorder::begin(Game& game) {
    game_ = &game;
    edits_ = editable();
    replayNow_ = game.timers.now();
    write({RecordHeader(game.config), std::string("decimal ") + game.config.decimalSeparator, "rndstrict on"});
}

SessionRecorder::Edits SessionRecorder::editable() const {
    Edits edits;
    if (!game_) return edits;
    for (const forms::Form* form : game_->createdForms())
        for (const forms::Control* c : form->controls()) {
            const forms::Kind k = c->kind();
            if (k != forms::Kind::TextBox && k != forms::Kind::ComboBox && k != forms::Kind::ListBox) continue;
            // A list box's Text is its entry: only the entry counts there.
            edits[form->name() + "." + c->fullName()] = {k == forms::Kind::ListBox ? std::string() : c->Text,
                                                         c->ListIndex};
        }
    return edits;
}

void SessionRecorder::enter() {
    if (inEntry_ || finished_ || !game_) return;
    inEntry_ = true;
    acts_ = false;
    entryNow_ = replayNow_;
    // What the player typed or chose between two entries reached the
    // controls without an event: the replay sets it before the entry.
    const Edits now = editable();
    for (const auto& [name, value] : now) {
        const auto was = edits_.find(name);
        if (was == edits_.end()) continue;
        if (value.second != was->second.second)
            before_.push_back("set " + name + ".ListIndex " + std::to_string(value.second));
        if (value.first != was->second.first) before_.push_back("settext " + name + " " + value.first);
    }
}

void SessionRecorder::line(std::string text, bool acts) {
    if (!inEntry_) return;  // not begun, or ended by a failure
    lines_.push_back(std::move(text));
    if (acts) acts_ = true;
}

void SessionRecorder::drew(double value) {
    if (finished_) return;
    draws_.push_back(value);
}

void SessionRecorder::answered(const std::optional<std::string>& answer) {
    if (finished_) return;
    answers_.push_back(answer ? (answer->empty() ? std::string("answer") : "answer " + *answer) : "cancel");
}

void SessionRecorder::toldTime(double seconds) {
    if (finished_) return;
    times_.push_back(seconds);
}

void SessionRecorder::starting() {
    enter();
    line("start");
}

void SessionRecorder::pumping(std::int64_t time) {
    enter();
    if (!inEntry_) return;
    // pumpTo never turns the clock back.
    const std::int64_t target = std::max(time, game_->timers.now());
    const auto due = game_->timers.nextDue();
    const bool fires = due && *due <= target;
    // A pump that fires nothing only moves the clock: the next written pump
    // covers that span as well, so it is written only when the entry acts.
    if (target > entryNow_) line("pump " + std::to_string(target - entryNow_), fires);
    else if (fires) acts_ = true;
    entryNow_ = target;
}

void SessionRecorder::delivering(forms::Form& form, forms::Event event, const std::string& control,
                                 const forms::EventArgs& args) {
    enter();
    if (!inEntry_ || !form.hasHandler(event, control)) return;
    const std::string& f = form.name();
    const bool onWindow = control.empty();
    const std::string target = onWindow ? f : f + "." + (args.index >= 0 ? control + "(" + std::to_string(args.index) + ")" : control);
    const char* names[] = {"click", "dblclick", "move", "down", "keypress", "keydown", "keyup"};
    const std::string name = names[int(event)];
    const std::string code = std::to_string(args.code);
    const std::string at = ExactNumber(double(args.x)) + " " + ExactNumber(double(args.y));
    using E = forms::Event;
    const bool key = event == E::KeyPress || event == E::KeyDown || event == E::KeyUp;
    // The plain commands where they say it all (a click, a double click and
    // a move carry no position the game reads; the mouse going down does),
    // the raw event otherwise.
    if (key && onWindow) line(name + " " + f + " " + code);
    else if (event == E::MouseMove) line("move " + target);
    else if ((event == E::Click || event == E::DblClick) && !onWindow) line(name + " " + target);
    else if (event == E::MouseDown && !onWindow) line("down " + target + " " + at);
    else line("event " + target + " " + name + " " + at + " " + code);
}

void SessionRecorder::closing(forms::Form& form) {
    enter();
    line("close " + form.name());
}

void SessionRecorder::entryEnded(const std::string* failure) {
    if (finished_ || !game_) return;
    const bool acted = acts_ || !draws_.empty() || !answers_.empty() || !times_.empty();
    if ((inEntry_ && acted) || failure) {
        std::vector<std::string> out = std::move(before_);
        // Ten values a line keeps a long fight readable.
        for (std::size_t i = 0; i < draws_.size(); i += 10) {
            std::string rnd = "rnd";
            for (std::size_t j = i; j < std::min(draws_.size(), i + 10); ++j) rnd += " " + ExactNumber(draws_[j]);
            out.push_back(std::move(rnd));
        }
        out.insert(out.end(), answers_.begin(), answers_.end());
        if (!times_.empty()) {
            std::string clock = "clock";
            for (double t : times_) clock += " " + ExactNumber(t);
            out.push_back(std::move(clock));
        }
        out.insert(out.end(), lines_.begin(), lines_.end());
        if (failure) out.push_back("# fatal: " + *failure);
        write(out);
        replayNow_ = entryNow_;
        edits_ = editable();
        draws_.clear();
        answers_.clear();
        times_.clear();
    }
    before_.clear();
    lines_.clear();
    inEntry_ = false;
    if (failure) finished_ = true;
}

void SessionRecorder::write(const std::vector<std::string>& lines) {
    for (const std::string& l : lines) out_ << l << "\n";
    out_.flush();
}

// --- The recording services -------------------------------------------------

double RecordingRandom::Rnd() {
    const double v = inner_.Rnd();
    recorder_.drew(v);
    return v;
}

std::optional<std::string> RecordingDialogs::InputBox(const std::string& prompt, const std::string& title,
                                                      const std::string& defaultText) {
    auto answer = inner_.InputBox(prompt, title, defaultText);
    recorder_.answered(answer);
    return answer;
}

double RecordingClock::secondsSinceMidnight() {
    const double s = inner_.secondsSinceMidnight();
    recorder_.toldTime(s);
    return s;
}

}  // namespace klev
