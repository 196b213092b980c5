#pragma once
// The headless driver: the game with scripted dialogs, scripted random
// numbers, a recording sound player and a virtual clock, run by commands.

#include <deque>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/input_command.h"
#include "forms/services.h"
#include "shell/game.h"

namespace driver {

struct Options {
    klev::GameConfig config;
    // Where warnings go (a recorded script from another game folder or
    // version); null: the standard error.
    std::ostream* warnings = nullptr;
};

// The time of day the driver's game reads: the queued values in order, then
// the last one again (noon until a value is queued).
class QueuedClock : public forms::Clock {
public:
    void queue(double seconds) { queued_.push_back(seconds); }
    double secondsSinceMidnight() override;
    // 2000-01-01 at the last time of day given, so what the driver's game
    // stamps with a date is the same in every run.
    forms::LocalTime now() override;

private:
    std::deque<double> queued_;
    double last_ = 12 * 3600;
};

// The driver's sound player: it plays nothing and remembers, for every sound
// started, the value of the game's SoundFile at that moment.
class SoundLog : public forms::WavePlayer {
public:
    void watch(const std::string& soundFile) { soundFile_ = &soundFile; }
    void Close() override { open_ = false; }
    void Open(const std::filesystem::path&) override { open_ = true; }
    void Play() override;
    // The sounds started since the last call.
    std::vector<std::string> take();

private:
    const std::string* soundFile_ = nullptr;
    bool open_ = false;
    std::vector<std::string> started_;
};

// Exit statuses of a run.
enum Status { Finished = 0, Fatal = 1, ScriptFault = 2 };

class ScriptDriver {
public:
    explicit ScriptDriver(Options options);
    ~ScriptDriver();

    // Runs every command of `script`, printing what they ask for to `out`.
    Status run(std::istream& script, std::ostream& out);
    // Runs one command line; for tests that interleave checks.
    Status runLine(const std::string& line, std::ostream& out);

    klev::Game& game() { return *game_; }
    forms::ScriptedRandom& random() { return random_; }
    forms::ScriptedDialogs& dialogs() { return dialogs_; }
    SoundLog& sounds() { return wave_; }

private:
    void execute(const std::string& line, std::ostream& out);
    bool runScriptCommand(const klev::CommandLine& cmd, std::ostream& out);
    bool runInspection(const klev::CommandLine& cmd, std::ostream& out);
    bool runReplayCommand(const klev::CommandLine& cmd);
    void checkOrigin(const std::string& line);
    void rawEvent(const klev::CommandLine& cmd);
    void print(const std::string& what, std::ostream& out);
    void set(const std::string& what, const std::string& text);
    void items(const std::string& what, std::ostream& out);
    void count(const std::string& what, std::ostream& out);
    void listTimers(std::ostream& out);
    bool namesWindow(const std::string& what) const;
    template <class Visit>
    void onProperty(const std::string& what, Visit visit);
    std::optional<std::string> stateVariable(const std::string& path);
    forms::Control& controlNamed(const std::string& formDotControl);

    forms::ScriptedRandom random_;
    forms::ScriptedDialogs dialogs_;
    SoundLog wave_;
    forms::FilePictures pictures_;
    QueuedClock clock_;
    klev::GameConfig config_;
    std::ostream* warnings_;
    std::unique_ptr<klev::Game> game_;
    std::size_t lineNumber_ = 0;
    bool endedShown_ = false;
    bool gameTouched_ = false;  // a command has reached the game (no `decimal` now)
};

using klev::SplitFirstDot;
using klev::SplitIndex;

}  // namespace driver
