#include "driver/driver.h"

#include <algorithm>
#include <charconv>
#include <iostream>
#include <limits>
#include <istream>
#include <ostream>
#include <utility>
#include <vector>

#include "model/fatal_error.h"
#include "data/numbers.h"
#include "app/input_command.h"
#include "app/session_record.h"
#include "app/windows.h"
#include "forms/reflect.h"

namespace driver {
namespace {

// Shown to the script as `error: line N: ...`.
struct ScriptError : klev::CommandError {
    using klev::CommandError::CommandError;
};

// Commands that speak to the driver's own services, not to the game.
bool ServiceCommand(const std::string& verb) {
    for (const char* v : {"answer", "cancel", "rnd", "rndleft", "rndstrict", "reseeds", "seed", "clock", "decimal",
                          "messages", "sounds"})
        if (verb == v) return true;
    return false;
}

// The windows that keep state variables of their own (the inventory's
// pick-list mode). A name found nowhere else is looked for in them, creating
// them as a first use would; no other window is created by a lookup, since
// the main screen would start its event timer behind the script's back.
constexpr const char* WindowsWithState[] = {"InvenFr"};

}  // namespace

void SoundLog::Play() {
    if (open_ && soundFile_) started_.push_back(*soundFile_);
}

std::vector<std::string> SoundLog::take() { return std::exchange(started_, {}); }

double QueuedClock::secondsSinceMidnight() {
    if (!queued_.empty()) {
        last_ = queued_.front();
        queued_.pop_front();
    }
    return last_;
}

forms::LocalTime QueuedClock::now() {
    const long s = long(last_);
    return {2000, 1, 1, int(s / 3600), int(s / 60 % 60), int(s % 60)};
}

ScriptDriver::ScriptDriver(Options options)
    : config_(std::move(options.config)), warnings_(options.warnings ? options.warnings : &std::cerr) {
    klev::Services services{random_, dialogs_, wave_, pictures_, clock_};
    game_ = std::make_unique<klev::Game>(config_, services, klev::GameWindows());
    wave_.watch(game_->messages.SoundFile);
}

ScriptDriver::~ScriptDriver() = default;

Status ScriptDriver::run(std::istream& script, std::ostream& out) {
    for (std::string line; std::getline(script, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        // A script saved by a Windows editor may begin with a UTF-8 byte-order mark.
        if (lineNumber_ == 0 && line.rfind("\xEF\xBB\xBF", 0) == 0) line.erase(0, 3);
        // After the end only `messages` and `sounds` still answer.
        const Status s = runLine(line, out);
        if (s != Finished) return s;
    }
    return Finished;
}

Status ScriptDriver::runLine(const std::string& line, std::ostream& out) {
    ++lineNumber_;
    if (lineNumber_ == 1) checkOrigin(line);
    const std::size_t first = line.find_first_not_of(" \t");
    if (first == std::string::npos || line[first] == '#') return Finished;
    // A game that has ended still answers what it showed and played.
    if (game_->ended()) {
        const std::string verb = klev::SplitCommand(line).words.at(0).text;
        if (verb != "messages" && verb != "sounds") return Finished;
    }
    try {
        execute(line, out);
    } catch (const klev::CommandError& e) {
        out << "error: line " << lineNumber_ << ": " << e.what() << "\n";
        return ScriptFault;
    } catch (const forms::NoRandomQueued& e) {
        out << "error: line " << lineNumber_ << ": " << e.what() << "\n";
        return ScriptFault;
    } catch (const forms::NoAnswerQueued& e) {
        out << "error: line " << lineNumber_ << ": " << e.what() << "\n";
        return ScriptFault;
    } catch (const std::exception& e) {
        out << "fatal: " << e.what() << "\n";
        return Fatal;
    }
    if (game_->ended() && !endedShown_) {
        endedShown_ = true;
        out << "ended\n";
    }
    return Finished;
}

void ScriptDriver::execute(const std::string& line, std::ostream& out) {
    const klev::CommandLine cmd = klev::SplitCommand(line);
    if (!ServiceCommand(cmd.words[0].text)) gameTouched_ = true;
    if (auto input = klev::ParseInput(*game_, cmd)) {
        if (input->action == klev::Input::Action::Close) {
            input->form->QueryClose();
            return;
        }
        klev::ApplyInput(*input, [](forms::Form& form, forms::Event e, const std::string& control,
                                    const forms::EventArgs& args) { form.dispatch(e, control, args); });
        return;
    }
    if (!runScriptCommand(cmd, out) && !runReplayCommand(cmd) && !runInspection(cmd, out))
        throw ScriptError("unknown command: " + cmd.words[0].text);
}

void ScriptDriver::checkOrigin(const std::string& line) {
    const auto origin = klev::ParseRecordHeader(line);
    if (!origin) return;
    std::ostream& warn = *warnings_;
    const std::string version = klev::VersionText(config_);
    if (origin->version != version)
        warn << "warning: the script was recorded with version " << origin->version << ", this is " << version
             << "\n";
    const std::string checksum = klev::GameFolderChecksum(config_);
    if (origin->checksum != checksum)
        warn << "warning: the game folder differs from the one the script was recorded on (checksum " << checksum
             << ", recorded " << origin->checksum << ")\n";
}

// The additions a recorded session needs: the desktop's pump, the time of
// day, the decimal separator and events the plain input commands cannot say.
bool ScriptDriver::runReplayCommand(const klev::CommandLine& cmd) {
    const std::string& verb = cmd.words[0].text;
    const auto& w = cmd.words;
    if (verb == "pump") {
        cmd.need(2);
        const long long ms = klev::WholeNumber(w[1].text);
        if (ms < 0) throw ScriptError("negative time: " + w[1].text);
        if (ms > std::numeric_limits<std::int64_t>::max() - game_->timers.now())
            throw ScriptError("time out of range: " + w[1].text);
        game_->timers.pumpTo(game_->timers.now() + ms);
    } else if (verb == "clock") {
        if (w.size() < 2) throw ScriptError("clock needs a time of day");
        for (std::size_t i = 1; i < w.size(); ++i) {
            const double s = klev::RealNumber(w[i].text);
            if (s < 0 || s >= 86400) throw ScriptError("time of day out of [0,86400): " + w[i].text);
            clock_.queue(s);
        }
    } else if (verb == "decimal") {
        cmd.need(2);
        if (w[1].text.size() != 1) throw ScriptError("decimal takes one character: " + w[1].text);
        if (gameTouched_) throw ScriptError("decimal must come before any command that reaches the game");
        config_.decimalSeparator = w[1].text[0];
        klev::Services services{random_, dialogs_, wave_, pictures_, clock_};
        game_ = std::make_unique<klev::Game>(config_, services, klev::GameWindows());
        wave_.watch(game_->messages.SoundFile);
    } else if (verb == "event") {
        rawEvent(cmd);
    } else {
        return false;
    }
    return true;
}

// event FORM[.CONTROL] NAME X Y CODE: the event exactly as given, to the
// window's or the control's handler.
void ScriptDriver::rawEvent(const klev::CommandLine& cmd) {
    cmd.need(6);
    const auto& w = cmd.words;
    static const char* const names[] = {"click", "dblclick", "move", "down", "keypress", "keydown", "keyup"};
    int kind = -1;
    for (int i = 0; i < 7; ++i)
        if (w[2].text == names[i]) kind = i;
    if (kind < 0) throw ScriptError("unknown event: " + w[2].text);
    auto [formName, controlText] = klev::SplitFirstDot(w[1].text);
    forms::Form& form = klev::WindowNamed(*game_, formName);
    auto [name, index] = klev::SplitIndex(controlText);
    if (index == -2 || (!controlText.empty() && !form.find(name, index)))
        throw ScriptError("unknown control: " + w[1].text);
    forms::EventArgs args;
    args.index = index;
    args.x = float(klev::RealNumber(w[3].text));
    args.y = float(klev::RealNumber(w[4].text));
    args.code = int(klev::WholeNumber(w[5].text));
    form.dispatch(forms::Event(kind), name, args);
}

bool ScriptDriver::runScriptCommand(const klev::CommandLine& cmd, std::ostream& out) {
    const std::string& verb = cmd.words[0].text;
    const auto& w = cmd.words;
    if (verb == "answer") {
        dialogs_.queueAnswer(cmd.restAfter(0));
    } else if (verb == "cancel") {
        cmd.need(1);
        dialogs_.queueAnswer(std::nullopt);
    } else if (verb == "rnd") {
        for (std::size_t i = 1; i < w.size(); ++i) {
            const double v = klev::RealNumber(w[i].text);
            if (v < 0 || v >= 1) throw ScriptError("rnd value out of [0,1): " + w[i].text);
            random_.queue(v);
        }
    } else if (verb == "rndleft") {
        cmd.need(1);
        out << random_.left() << "\n";
    } else if (verb == "rndstrict") {
        cmd.need(2);
        if (w[1].text != "on" && w[1].text != "off") throw ScriptError("rndstrict takes on or off");
        random_.setStrict(w[1].text == "on");
    } else if (verb == "reseeds") {
        cmd.need(1);
        out << random_.takeReseeds() << "\n";
    } else if (verb == "seed") {
        cmd.need(2);
        random_.seed(std::uint64_t(klev::WholeNumber(w[1].text)));
    } else if (verb == "start") {
        cmd.need(1);
        game_->Start();
    } else if (verb == "advance") {
        cmd.need(2);
        const long long ms = klev::WholeNumber(w[1].text);
        if (ms < 0) throw ScriptError("negative time: " + w[1].text);
        game_->timers.advance(ms);
    } else {
        return false;
    }
    return true;
}

bool ScriptDriver::runInspection(const klev::CommandLine& cmd, std::ostream& out) {
    const std::string& verb = cmd.words[0].text;
    const auto& w = cmd.words;
    if (verb == "print") {
        cmd.need(2);
        print(w[1].text, out);
    } else if (verb == "items") {
        cmd.need(2);
        items(w[1].text, out);
    } else if (verb == "set") {
        // `set NAME ` with one blank sets an empty text.
        const bool emptyText = w.size() == 2 && cmd.line.size() > w[1].at + w[1].text.size();
        if (w.size() < 3 && !emptyText) throw ScriptError("set needs a name and a value");
        set(w[1].text, cmd.restAfter(1));
    } else if (verb == "count") {
        cmd.need(2);
        count(w[1].text, out);
    } else if (verb == "time") {
        cmd.need(1);
        out << game_->timers.now() << "\n";
    } else if (verb == "timers") {
        cmd.need(1);
        listTimers(out);
    } else if (verb == "messages") {
        cmd.need(1);
        for (const std::string& m : dialogs_.takeMessages()) out << m << "\n";
        out << ".\n";
    } else if (verb == "sounds") {
        cmd.need(1);
        for (const std::string& sound : wave_.take()) out << sound << "\n";
        out << ".\n";
    } else {
        return false;
    }
    return true;
}

forms::Control& ScriptDriver::controlNamed(const std::string& text) {
    auto [formName, controlText] = klev::SplitFirstDot(text);
    forms::Form& form = klev::WindowNamed(*game_, formName);
    auto [name, index] = klev::SplitIndex(controlText);
    forms::Control* c = index == -2 ? nullptr : form.find(name, index);
    if (!c) throw ScriptError("unknown control: " + text);
    return *c;
}

void ScriptDriver::items(const std::string& what, std::ostream& out) {
    forms::Control& c = controlNamed(what);
    for (const std::string& item : c.List) out << item << "\n";
    out << ".\n";
}

void ScriptDriver::count(const std::string& what, std::ostream& out) {
    auto [formName, arrayName] = klev::SplitFirstDot(what);
    forms::ControlArray* array = klev::WindowNamed(*game_, formName).findArray(arrayName);
    if (!array) throw ScriptError("unknown control array: " + what);
    out << array->indices().size() << "\n";
}

void ScriptDriver::listTimers(std::ostream& out) {
    std::vector<std::pair<const forms::Form*, const forms::Timer*>> running;
    for (const forms::Form* form : game_->createdForms())
        for (const forms::Timer& t : form->timers())
            if (t.enabled()) running.emplace_back(form, &t);
    std::sort(running.begin(), running.end(),
              [](const auto& a, const auto& b) { return a.second->order() < b.second->order(); });
    for (const auto& [form, t] : running)
        out << form->name() << "." << t->name() << " " << t->interval() << " " << t->due().value_or(0) << "\n";
    out << ".\n";
}

// A window's own state: the windows already created, then those of
// WindowsWithState.
std::optional<std::string> ScriptDriver::stateVariable(const std::string& path) {
    if (auto value = forms::PrintPath(static_cast<klev::GameState&>(*game_), path)) return value;
    for (forms::Form* form : game_->createdForms())
        if (auto value = forms::PrintPath(*form, path)) return value;
    for (const char* name : WindowsWithState)
        if (auto value = forms::PrintPath(*game_->formByName(name), path)) return value;
    return std::nullopt;
}

namespace {

// A window's designer properties, seen through reflection.
struct WindowProperties {
    forms::Form& form;
    void reflect(forms::VarVisitor& v) { form.reflectWindow(v); }
};

}  // namespace

// The thing FORM.CONTROL.PROPERTY names, asked through `visit`; throws the
// script error that says which part is unknown.
template <class Visit>
void ScriptDriver::onProperty(const std::string& what, Visit visit) {
    auto [head, rest] = klev::SplitFirstDot(what);
    forms::Form& form = klev::WindowNamed(*game_, head);
    auto [second, property] = klev::SplitFirstDot(rest);
    if (property.empty()) {
        WindowProperties window{form};
        if (!visit(window, second)) throw ScriptError("unknown property: " + what);
        return;
    }
    auto [name, index] = klev::SplitIndex(second);
    if (index == -1) {
        if (forms::Timer* t = form.findTimer(name)) {
            if (!visit(*t, property)) throw ScriptError("unknown property: " + what);
            return;
        }
    }
    forms::Control* c = index == -2 ? nullptr : form.find(name, index);
    if (!c) throw ScriptError("unknown control: " + head + "." + second);
    if (property.rfind("List(", 0) == 0 && klev::SplitIndex(property).second < 0)
        throw ScriptError("bad list index: " + what);
    if (!visit(*c, property)) throw ScriptError("unknown property: " + what);
}

bool ScriptDriver::namesWindow(const std::string& what) const {
    auto [head, rest] = klev::SplitFirstDot(what);
    return !rest.empty() && game_->knowsWindow(head);
}

void ScriptDriver::print(const std::string& what, std::ostream& out) {
    if (!namesWindow(what)) {
        auto value = stateVariable(what);
        if (!value) throw ScriptError("unknown variable: " + what);
        out << *value << "\n";
        return;
    }
    onProperty(what, [&](auto& root, const std::string& path) {
        auto value = forms::PrintPath(root, path);
        if (value) out << *value << "\n";
        return value.has_value();
    });
}

void ScriptDriver::set(const std::string& what, const std::string& text) {
    using Outcome = forms::PathSetter::Outcome;
    auto check = [&](Outcome outcome) {
        if (outcome == Outcome::BadValue) throw ScriptError("bad value for " + what + ": " + text);
        return outcome == Outcome::Set;
    };
    if (namesWindow(what)) {
        onProperty(what, [&](auto& root, const std::string& path) { return check(forms::SetPath(root, path, text)); });
        return;
    }
    if (check(forms::SetPath(static_cast<klev::GameState&>(*game_), what, text))) return;
    for (forms::Form* form : game_->createdForms())
        if (check(forms::SetPath(*form, what, text))) return;
    for (const char* name : WindowsWithState)
        if (check(forms::SetPath(*game_->formByName(name), what, text))) return;
    throw ScriptError("unknown variable: " + what);
}

}  // namespace driver
