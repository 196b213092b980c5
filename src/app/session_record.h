#pragma once
// A played session written down as a klevnitsa-script script, so that the
// driver on a copy of the starting game folder plays it again exactly: the
// same draws, the same catches, the same saves.
//
// The script opens with a header comment naming the game's version and the
// checksum of the game folder, then the decimal separator (`decimal C`) and
// `rndstrict on` (a replay that wants a draw the session did not make stops
// with a script error instead of drifting). Then, for every entry into the
// game that did anything, in order:
//   - the player's edits since the last entry: `settext` for a text box or
//     combo box whose Text changed, `set FORM.CONTROL.ListIndex I` for a list
//     whose entry changed;
//   - what the entry drew and asked: `rnd V...`, `answer TEXT` / `cancel`,
//     `clock S...` (queued before its lines, so they are there when drawn);
//   - `start`, `pump MS` (the timers brought up to the entry's time as the
//     desktop did, overdue ticks coalesced), then the input command.
// An entry that fired no tick, ran no handler and drew nothing is left out.
// A fatal error ends the script after the entry that failed, with a comment
// naming the error; the replay stops on the same `fatal:` line.

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iosfwd>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/entry_observer.h"
#include "forms/services.h"
#include "shell/game.h"

namespace klev {

// "1.0.3": the version the game was built as.
std::string VersionText(const GameConfig& config);

// A checksum (16 hex digits) over every file the game reads at `config`: the
// game folder's conf.cfg, Data, images, sound and Saves, with the player's
// own files taken from the player folder when there is one. Names and bytes
// both count; a missing folder counts as empty.
std::string GameFolderChecksum(const GameConfig& config);

// The header comment of a recorded script, and its two values read back
// (nullopt for any other line).
std::string RecordHeader(const GameConfig& config);
struct RecordedOrigin {
    std::string version;
    std::string checksum;
};
std::optional<RecordedOrigin> ParseRecordHeader(const std::string& line);

// A number as the script writes it: the shortest text that reads back as
// the same double.
std::string ExactNumber(double value);

class SessionRecorder : public EntryObserver {
public:
    // Lines go to `out`, flushed after every entry.
    explicit SessionRecorder(std::ostream& out);

    // Writes the header for `game`, not yet started, and follows it from now.
    void begin(Game& game);
    // Whether a failure has ended the recording.
    bool finished() const { return finished_; }

    // What the game's services returned (the recording services call these).
    void drew(double value);
    void answered(const std::optional<std::string>& answer);
    void toldTime(double secondsSinceMidnight);

    void starting() override;
    void pumping(std::int64_t time) override;
    void delivering(forms::Form& form, forms::Event event, const std::string& control,
                    const forms::EventArgs& args) override;
    void closing(forms::Form& form) override;
    void entryEnded(const std::string* failure) override;

private:
    // Text and ListIndex of every text box, combo box and list, by FORM.CONTROL.
    using Edits = std::map<std::string, std::pair<std::string, int>>;
    Edits editable() const;
    void enter();
    void line(std::string text, bool acts = true);
    void write(const std::vector<std::string>& lines);

    std::ostream& out_;
    Game* game_ = nullptr;
    bool inEntry_ = false;
    bool acts_ = false;  // the entry fired a tick, ran a handler or drew
    bool finished_ = false;
    std::int64_t replayNow_ = 0;  // where the replay's clock stands after the written lines
    std::int64_t entryNow_ = 0;   // the same, with the entry's pumps
    Edits edits_;                 // as the replay has them after the written lines
    std::vector<std::string> before_;   // the player's edits before the entry
    std::vector<std::string> answers_;  // `answer`/`cancel` lines of the entry
    std::vector<double> draws_;
    std::vector<double> times_;
    std::vector<std::string> lines_;  // the entry's own commands
};

// The production services, passed through, with what they returned noted
// by the recorder.
class RecordingRandom : public forms::Random {
public:
    RecordingRandom(forms::Random& inner, SessionRecorder& recorder) : inner_(inner), recorder_(recorder) {}
    double Rnd() override;
    // The reseed changes what later draws return, and those are recorded.
    void Randomize() override { inner_.Randomize(); }

private:
    forms::Random& inner_;
    SessionRecorder& recorder_;
};

class RecordingDialogs : public forms::Dialogs {
public:
    RecordingDialogs(forms::Dialogs& inner, SessionRecorder& recorder) : inner_(inner), recorder_(recorder) {}
    std::optional<std::string> InputBox(const std::string& prompt, const std::string& title,
                                        const std::string& defaultText) override;
    // A message box has only its OK: nothing to record.
    void MsgBox(const std::string& text, forms::MessageIcon icon, const std::string& title) override {
        inner_.MsgBox(text, icon, title);
    }

private:
    forms::Dialogs& inner_;
    SessionRecorder& recorder_;
};

// The clock the game reads. The system generator keeps its own unrecorded
// clock: its reseeds show in the draws already.
class RecordingClock : public forms::Clock {
public:
    RecordingClock(forms::Clock& inner, SessionRecorder& recorder) : inner_(inner), recorder_(recorder) {}
    double secondsSinceMidnight() override;
    // The date is not recorded: only the catch journal reads it, and a
    // replay's journal carries the driver's date.
    forms::LocalTime now() override { return inner_.now(); }

private:
    forms::Clock& inner_;
    SessionRecorder& recorder_;
};

// A recording to a file: the recorder and the three recording services
// around the production ones, to give the game in their place.
struct SessionRecording {
    SessionRecording(const std::filesystem::path& file, forms::Random& random, forms::Dialogs& dialogs,
                     forms::Clock& clock)
        : out(file, std::ios::binary), recorder(out), random(random, recorder), dialogs(dialogs, recorder),
          clock(clock, recorder) {}
    // False when the file could not be made.
    bool ready() const { return bool(out); }

    std::ofstream out;
    SessionRecorder recorder;
    RecordingRandom random;
    RecordingDialogs dialogs;
    RecordingClock clock;
};

}  // namespace klev
