#pragma once
// The game on the desktop: a window per form, input from the windows to the
// forms' handlers, and the game's timers pumped from real time by one
// single-shot alarm set to the nanosecond. Every entry into the game (input, timer ticks, start)
// runs guarded: a failure shows the game's message and ends the run with
// status 1; when the game ends by itself the run ends with status 0.

#include <QElapsedTimer>
#include <QObject>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <QPointer>
#include <QStringList>

#include "app/entry_observer.h"
#include "ui/form_window.h"
#include "ui/picture_cache.h"
#include "ui/precise_alarm.h"
#include "ui/scene_overlay.h"
#include "ui/settings.h"
#include "ui/stage.h"

namespace klev {
class Game;
}

namespace ui {

class GameJournalTexts;
class JournalView;

class GameHost : public QObject, public FormEvents {
    Q_OBJECT
public:
    // Time since the game started. The game's clock counts whole
    // milliseconds; the pump waits for a tick to the nanosecond.
    using Clock = std::function<std::chrono::nanoseconds()>;
    // Called on every wake of the pump for a due tick: how late it woke.
    using WakeProbe = std::function<void(std::chrono::nanoseconds late)>;

    // Without a clock, real time from a QElapsedTimer started by start().
    // Every window goes onto one stage; `settings` are the player's.
    explicit GameHost(klev::Game& game, Clock clock = {}, Settings settings = {});
    ~GameHost() override;

    // Pictures about to be shown are decoded ahead on `worker`, which must
    // outlive the host; without one they are decoded when first drawn.
    void decodeAheadOn(forms::Worker& worker) { pictures_.decodeAheadOn(worker); }
    // Starts the game (its first window shows) and the timer pump.
    void start();
    // Fires every timer tick due by now, then shows the result. The pump
    // timer calls it; it waits while a handler runs (a dialog is open).
    void pump();
    // Brings every window in line with its form; windows shown just now come
    // to the front.
    void syncAll();
    // Runs `action` as an entry into the game. False when it failed or the
    // game is over.
    bool run(const std::function<void()>& action);

    // Input: the game's clock is first brought to now (due ticks fire in
    // order), then the form's handler runs.
    bool deliver(forms::Form& form, forms::Event event, const std::string& control,
                 const forms::EventArgs& args) override;
    void closeRequested(forms::Form& form) override;

    // The window of a form, once the game has made the form.
    FormWindow* window(const forms::Form& form) const;
    FormWindow* window(const std::string& formName) const;
    klev::Game& game() const { return game_; }
    Stage& stage() { return stage_; }
    const Settings& settings() const { return settings_; }

    // Takes new settings: the stage's scale, keys by position, and what
    // onSettings adds (the sound); stores them.
    void applySettings(const Settings& settings);
    // The settings dialog over the stage (F2, the stage's context menu).
    void openSettings();
    // The catch journal's window beside the stage (J on the map and at the
    // base, the stage's context menu), read afresh; the game plays on. The
    // journal module loads the first time; when it cannot, a message box
    // and a line on the standard error say so, and the game plays on.
    void openJournal();
    // The journal's window once it has opened; null before.
    QWidget* journalWindow() const;
    // Where the modules are looked for (ui/modules.h); unless set, beside
    // the program and in the installed folder.
    void setModuleDirs(QStringList dirs) { moduleDirs_ = std::move(dirs); }
    // Called with the settings whenever they are applied.
    void onSettings(std::function<void(const Settings&)> hook) { onSettings_ = std::move(hook); }

    // Told of every entry into the game (the session recorder); null: none.
    void setObserver(klev::EntryObserver* observer) { observer_ = observer; }

    // Ends the run now with `code`, whatever the game is doing; nothing is saved.
    void endRun(int code);

    // Whether the run is over, and with which status.
    bool finished() const { return finished_; }
    int exitCode() const { return exitCode_; }
    // Whether a handler or a tick is running now.
    bool busy() const { return depth_ > 0; }
    // The game time the pump timer is set for, if it is set.
    std::optional<std::int64_t> armedFor() const;
    const PreciseAlarm& pumpAlarm() const { return pumpAlarm_; }
    // For benchmarks: sees how late each wake of the pump comes.
    void setWakeProbe(WakeProbe probe) { wakeProbe_ = std::move(probe); }

signals:
    // The run is over: quit the event loop with this status.
    void ended(int exitCode);

private:
    // Whole milliseconds since the start (the game's time), and the same to
    // the nanosecond.
    std::int64_t now() const;
    std::chrono::nanoseconds nowPrecise() const;
    void arm();
    void fail(const std::string& message);
    void finish(int code);
    void afterEntry();
    // Inside an input entry: fires the ticks due by now. False when one of
    // them ended the game, so the input goes nowhere.
    bool catchUp();
    void configure(FormWindow& window);
    // Clicks a control as the mouse would: only on a shown window, a visible
    // and enabled control. False when it was not clicked or the run is over.
    bool clickShown(const std::string& formName, const std::string& control);
    // Loads the journal module and makes the window. False, with the player
    // told, when the module cannot be loaded.
    bool makeJournal();

    klev::Game& game_;
    Clock clock_;
    klev::EntryObserver* observer_ = nullptr;
    QElapsedTimer elapsed_;
    PreciseAlarm pumpAlarm_;
    std::optional<std::int64_t> armedFor_;
    WakeProbe wakeProbe_;
    PictureCache pictures_;
    Settings settings_;
    std::function<void(const Settings&)> onSettings_;
    std::vector<std::unique_ptr<FormWindow>> windows_;
    std::optional<QStringList> moduleDirs_;
    std::unique_ptr<GameJournalTexts> journalTexts_;  // before the stage: its journal window uses them
    Stage stage_;  // after the windows: it lets them go before they go
    QPointer<SceneOverlay> sceneOverlay_;  // a child of the scene's window
    QPointer<QWidget> journal_;            // a window of its own, owned by the stage
    JournalView* journalView_ = nullptr;   // the same window, while journal_ is set
    int depth_ = 0;
    bool finished_ = false;
    int exitCode_ = 0;
};

}  // namespace ui
