#pragma once
// The one game object: shared state, every window (created on first use,
// never destroyed), the virtual clock and the platform services. Procedures
// take it by reference; several games may live in one process.

#include <filesystem>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "forms/form.h"
#include "forms/services.h"
#include "forms/timer_queue.h"
#include "model/game_state.h"

namespace klev {

struct Services {
    forms::Random& random;
    forms::Dialogs& dialogs;
    forms::WavePlayer& wave;
    forms::Pictures& pictures;
    forms::Clock& clock;
};

struct GameConfig {
    std::filesystem::path gameFolder;
    // Stands for the operating system's folder of the first-run marker.
    std::filesystem::path systemFolder;
    // When set, what the game writes ("\Saves\...", "\Data\rec.cfg", "\conf.cfg")
    // lives here instead of in the game folder, which is then only read.
    std::filesystem::path playerFolder;
    char decimalSeparator = ',';
    int versionMajor = 0, versionMinor = 0, versionRevision = 0;
};

class Game;
struct JournalCache;

// One kind of window: its name and how to make it. The table of every
// window of the game is the app's (app/windows.h); the game makes each one
// the first time it is asked for.
struct WindowKind {
    const char* name;
    std::unique_ptr<forms::Form> (*make)(Game&);
    std::span<const char* const> stockTags;  // the stock pictures it shows
};
using WindowTable = std::span<const WindowKind>;

template <class W>
std::unique_ptr<forms::Form> MakeWindow(Game& game) {
    return std::make_unique<W>(game);
}

// The program's own version, set by the build.
GameConfig DefaultVersion(GameConfig config);

class Game : public GameState {
public:
    Game(GameConfig config, Services services, WindowTable windows);
    ~Game();
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    forms::TimerQueue timers;
    const GameConfig config;
    Services services;
    // The catch journal's memory for the run (shell/journal.h); made on first use.
    std::unique_ptr<JournalCache> journal;

    // The window W (a class with a static `Name`), created on first use.
    template <class W>
    W& window() {
        return static_cast<W&>(*formByName(W::Name));
    }
    // Every window the game knows, by its own name; created on first use.
    // Null for a name the game does not know.
    forms::Form* formByName(std::string_view name);
    // The window `name`, created on first use; throws std::out_of_range for
    // a name the game does not know. For a window that the caller's folder
    // sits below.
    forms::Form& form(std::string_view name);
    // Whether `name` is a window of the game, without creating it.
    bool knowsWindow(std::string_view name) const;
    // Every kind of window the game knows, in the table's order.
    WindowTable windowKinds() const { return kinds_; }
    // Windows created so far, in creation order.
    const std::vector<forms::Form*>& createdForms() const { return created_; }

    // A game-folder path as the game builds it ("\Data\rec.cfg"), resolved.
    std::filesystem::path path(std::string_view gamePath) const;
    // Real numbers as text in the user's locale.
    std::string numberText(double value) const;
    char sep() const { return config.decimalSeparator; }

    // Random draws: Rnd in [0,1); Randomize reseeds from the time of day;
    // Draw(n) is Int(Rnd * n) + 1.
    double Rnd() { return services.random.Rnd(); }
    void Randomize() { services.random.Randomize(); }
    Long Draw(Long n);

    // The game ends: every window goes away, no timer fires again.
    void End();
    bool ended() const { return ended_; }

    // The application starts: the splash is shown and its timer armed.
    void Start();

private:
    WindowTable kinds_;
    std::vector<std::unique_ptr<forms::Form>> windows_;  // by the table's order
    std::vector<forms::Form*> created_;
    bool ended_ = false;
};

}  // namespace klev
