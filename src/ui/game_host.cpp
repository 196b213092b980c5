#include "ui/game_host.h"

#include <algorithm>
#include <exception>
#include <iostream>

#include "shell/game.h"
#include "shell/journal.h"
#include "ui/journal_module.h"
#include "ui/journal_opener.h"
#include "ui/modules.h"
#include "ui/shown_extras.h"

namespace ui {

namespace {

// The keys the scene's help panel lists: each clicks the scene's icon for it
// (M the map, I the things, F the caught fish), refusals and all; B is below.
const std::vector<std::pair<int, std::string>> kSceneShortcuts = {{'M', "Image2"}, {'I', "Image3"}, {'F', "Image4"}};

}  // namespace

GameHost::GameHost(klev::Game& game, Clock clock, Settings settings)
    : game_(game), clock_(std::move(clock)), settings_(std::move(settings)), stage_(settings_) {
    stage_.onClose([this] {
        if (FormWindow* top = stage_.front()) closeRequested(top->form());
    });
    stage_.onSettings([this] { openSettings(); });
    stage_.onJournal([this] { openJournal(); });
    connect(&pumpAlarm_, &PreciseAlarm::timeout, this, &GameHost::pump);
}

GameHost::~GameHost() = default;

std::chrono::nanoseconds GameHost::nowPrecise() const {
    if (clock_) return clock_();
    return std::chrono::nanoseconds(elapsed_.isValid() ? elapsed_.nsecsElapsed() : 0);
}

std::int64_t GameHost::now() const {
    // Rounded down: a tick due at 40 ms is not due 39.6 ms in.
    return std::chrono::floor<std::chrono::milliseconds>(nowPrecise()).count();
}

void GameHost::start() {
    elapsed_.start();
    run([this] {
        if (observer_) observer_->starting();
        game_.Start();
    });
}

bool GameHost::run(const std::function<void()>& action) {
    if (finished_) return false;
    ++depth_;
    try {
        action();
    } catch (const std::exception& e) {
        --depth_;
        fail(e.what());
        return false;
    } catch (...) {
        --depth_;
        fail("Unknown error");
        return false;
    }
    --depth_;
    if (observer_ && depth_ == 0) observer_->entryEnded(nullptr);
    if (finished_) return false;
    if (game_.ended()) {
        finish(0);
        return false;
    }
    // Inside a dialog opened by a handler the outer entry shows the result.
    if (depth_ == 0) afterEntry();
    return true;
}

void GameHost::afterEntry() {
    syncAll();
    arm();
}

void GameHost::pump() {
    if (finished_ || depth_ > 0) return;  // the running entry re-arms when it returns
    const std::int64_t t = now();
    if (wakeProbe_ && armedFor_ && t >= *armedFor_)
        wakeProbe_(nowPrecise() - std::chrono::milliseconds(*armedFor_));
    armedFor_.reset();
    run([this, t] {
        if (observer_) observer_->pumping(t);
        game_.timers.pumpTo(t);
    });
}

void GameHost::arm() {
    const auto due = finished_ ? std::nullopt : game_.timers.nextDue();
    armedFor_ = due;
    if (!due) {
        pumpAlarm_.stop();
        return;
    }
    // To the nanosecond: a wait counted in whole milliseconds from a clock
    // read in whole milliseconds wakes up to a millisecond late.
    pumpAlarm_.start(std::chrono::milliseconds(*due) - nowPrecise());
}

std::optional<std::int64_t> GameHost::armedFor() const {
    return pumpAlarm_.isActive() ? armedFor_ : std::nullopt;
}

void GameHost::syncAll() {
    if (finished_) return;
    const auto& forms = game_.createdForms();
    for (std::size_t i = windows_.size(); i < forms.size(); ++i) {
        auto& w = windows_.emplace_back(std::make_unique<FormWindow>(*forms[i], *this, pictures_));
        configure(*w);
        stage_.add(*w);
    }
    std::vector<FormWindow*> shown;
    for (const auto& w : windows_)
        if (w->sync()) shown.push_back(w.get());
    for (FormWindow* w : shown) stage_.bringToFront(*w);
    stage_.refresh();
    if (!sceneOverlay_)
        if (FormWindow* scene = window("SceneForm")) sceneOverlay_ = new SceneOverlay(*scene, game_);
    if (sceneOverlay_) sceneOverlay_->follow();
}

void GameHost::configure(FormWindow& window) {
    window.setKeysByPosition(settings_.keysByPosition);
    const std::string& name = window.form().name();
    if (name == "SceneForm") {
        window.setShortcuts(kSceneShortcuts);
        // B: the base is a click on the main screen away; the way there is
        // the map icon's, so B is refused wherever M is.
        window.setFrontKeys({{'B', [this] {
                                  if (clickShown("SceneForm", "Image2") && !this->window("SceneForm")->form().Visible)
                                      clickShown("Form1", "Butt_base");
                              }}});
        window.setAdjust(SceneShown(game_));
    }
    if (name == "InvenFr") window.setAdjust(InventoryShown(game_));
    if (name == "Form1" || name == "Base") window.setFrontKeys({{'J', [this] { openJournal(); }}});
}

void GameHost::applySettings(const Settings& settings) {
    settings_ = settings;
    for (const auto& w : windows_) configure(*w);
    stage_.applySettings();
    settings_.save();
    if (onSettings_) onSettings_(settings_);
}

void GameHost::openSettings() {
    if (finished_) return;
    SettingsDialog dialog(settings_, &stage_);
    // The game waits while the dialog is open, as for its own dialogs.
    ++depth_;
    const bool chosen = dialog.exec() == QDialog::Accepted;
    --depth_;
    if (chosen) applySettings(dialog.values());
    if (depth_ == 0 && !finished_) afterEntry();
}

QWidget* GameHost::journalWindow() const { return journal_; }

bool GameHost::makeJournal() {
    QString why;
    const auto make = reinterpret_cast<MakeJournalView>(
        ModuleEntry(moduleDirs_ ? *moduleDirs_ : ModuleDirs(), "klevnitsa_journal", MakeJournalViewSymbol, &why));
    if (!make) {
        std::cerr << "klevnitsa: the catch journal's module klevnitsa_journal is missing: " << why.toStdString()
                  << std::endl;
        // The game waits while the box is open, as for its own dialogs.
        ++depth_;
        try {
            game_.services.dialogs.MsgBox("Журнал рыбака недоступен: не найден модуль klevnitsa_journal.",
                                          forms::MessageIcon::Error, "Журнал рыбака");
        } catch (...) {
        }
        --depth_;
        if (depth_ == 0 && !finished_) afterEntry();
        return false;
    }
    if (!journalTexts_) journalTexts_ = std::make_unique<GameJournalTexts>(game_.sep());
    journalView_ = make(&stage_, *journalTexts_);
    journal_ = journalView_->widget();
    return true;
}

void GameHost::openJournal() {
    if (finished_) return;
    if (!journal_ && !makeJournal()) return;
    // Before the player has given his name there is no journal of his.
    std::filesystem::path file;
    try {
        if (!game_.save.PlayerName.empty()) file = klev::JournalPath(game_);
    } catch (const std::exception&) {
        // A name that makes no path has no journal either.
    }
    ShowJournalFile(*journalView_, file);
    journal_->show();
    journal_->raise();
    journal_->activateWindow();
}

bool GameHost::deliver(forms::Form& form, forms::Event event, const std::string& control,
                       const forms::EventArgs& args) {
    return run([&] {
        // A tick that fired first may have taken the window or the control away.
        if (!catchUp() || !form.Visible) return;
        if (!control.empty() && !form.find(control, args.index)) return;
        if (observer_) observer_->delivering(form, event, control, args);
        form.dispatch(event, control, args);
    });
}

void GameHost::closeRequested(forms::Form& form) {
    run([&] {
        if (!catchUp() || !form.Visible) return;
        if (observer_) observer_->closing(form);
        form.QueryClose();
    });
}

bool GameHost::catchUp() {
    // Inside a handler's dialog the game is waiting: its clock stays put.
    if (depth_ > 1) return true;
    // The pump may lag real time by a whole turn of the event loop. Input
    // comes after every tick that was due before it, and a timer the handler
    // starts counts from the moment of the input, not from the last pump.
    const std::int64_t t = now();
    if (observer_) observer_->pumping(t);
    game_.timers.pumpTo(t);
    armedFor_.reset();
    return !game_.ended();
}

bool GameHost::clickShown(const std::string& formName, const std::string& control) {
    FormWindow* w = window(formName);
    if (!w || !w->form().Visible) return false;
    const forms::Control* c = w->form().find(control);
    if (!c || !c->Visible || !c->Enabled) return false;
    return deliver(w->form(), forms::Event::Click, control, {});
}

FormWindow* GameHost::window(const forms::Form& form) const {
    for (const auto& w : windows_)
        if (&w->form() == &form) return w.get();
    return nullptr;
}

FormWindow* GameHost::window(const std::string& formName) const {
    for (const auto& w : windows_)
        if (w->form().name() == formName) return w.get();
    return nullptr;
}

void GameHost::fail(const std::string& message) {
    if (observer_) observer_->entryEnded(&message);
    // Nothing of the game runs again: no tick, no handler, no save.
    finished_ = true;
    exitCode_ = 1;
    game_.timers.stopAll();
    pumpAlarm_.stop();
    for (const auto& w : windows_) w->hide();
    stage_.hide();
    try {
        game_.services.dialogs.MsgBox(message, forms::MessageIcon::Error, "Клевница 2");
    } catch (...) {
    }
    emit ended(exitCode_);
}

void GameHost::endRun(int code) { finish(code); }

void GameHost::finish(int code) {
    if (finished_) return;
    finished_ = true;
    exitCode_ = code;
    game_.timers.stopAll();
    pumpAlarm_.stop();
    for (const auto& w : windows_) w->hide();
    stage_.remember();
    stage_.hide();
    emit ended(code);
}

}  // namespace ui
