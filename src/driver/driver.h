#pragma once
// The headless driver: the game with scripted dialogs, scripted random
// numbers, a recording sound player and a virtual clock, run by commands.

#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "forms/services.h"
#include "shell/game.h"

namespace driver {

struct Options {
    klev::GameConfig config;
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
    struct ScriptError : std::runtime_error {
        using std::runtime_error::runtime_error;
    };
    void execute(const std::string& line, std::ostream& out);
    void print(const std::string& what, std::ostream& out);
    void items(const std::string& what, std::ostream& out);
    std::optional<std::string> stateVariable(const std::string& path);
    forms::Form& formNamed(const std::string& name);
    forms::Control& controlNamed(const std::string& formDotControl, forms::Form** form, std::string* controlName);

    forms::ScriptedRandom random_;
    forms::ScriptedDialogs dialogs_;
    SoundLog wave_;
    forms::FilePictures pictures_;
    forms::FixedClock clock_;
    std::unique_ptr<klev::Game> game_;
    std::size_t lineNumber_ = 0;
};

// Splits "NAME(i)" into NAME and i (-1 without an index).
std::pair<std::string, int> SplitIndex(const std::string& text);
// Splits at the first dot outside parentheses.
std::pair<std::string, std::string> SplitFirstDot(const std::string& text);

}  // namespace driver
