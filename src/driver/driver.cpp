#include "driver/driver.h"

#include <algorithm>
#include <charconv>
#include <istream>
#include <ostream>
#include <utility>
#include <vector>

#include "model/fatal_error.h"
#include "data/numbers.h"
#include "app/windows.h"
#include "forms/reflect.h"

namespace driver {
namespace {

// A word of a command line and where it starts.
struct Word {
    std::string text;
    std::size_t at = 0;
};

// Words are separated by blanks (spaces or tabs).
std::vector<Word> Words(const std::string& line) {
    std::vector<Word> words;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
        if (i >= line.size()) break;
        const std::size_t start = i;
        while (i < line.size() && line[i] != ' ' && line[i] != '\t') ++i;
        words.push_back({line.substr(start, i - start), start});
    }
    return words;
}

// TEXT: the rest of the line after `word` and one blank, as it stands.
std::string RestAfter(const std::string& line, const Word& word) {
    const std::size_t after = word.at + word.text.size() + 1;
    return after >= line.size() ? std::string() : line.substr(after);
}

std::string Real(float v) { return data::SingleText(v, '.'); }
std::string Bool(bool b) { return b ? "true" : "false"; }

}  // namespace

std::pair<std::string, int> SplitIndex(const std::string& text) {
    const std::size_t open = text.find('(');
    if (open == std::string::npos || text.back() != ')') return {text, -1};
    int index = -1;
    const std::string digits = text.substr(open + 1, text.size() - open - 2);
    auto res = std::from_chars(digits.data(), digits.data() + digits.size(), index);
    if (res.ec != std::errc() || res.ptr != digits.data() + digits.size() || index < 0) return {text, -2};
    return {text.substr(0, open), index};
}

std::pair<std::string, std::string> SplitFirstDot(const std::string& text) {
    int depth = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '(') ++depth;
        else if (text[i] == ')') --depth;
        else if (text[i] == '.' && depth == 0) return {text.substr(0, i), text.substr(i + 1)};
    }
    return {text, ""};
}

void SoundLog::Play() {
    if (open_ && soundFile_) started_.push_back(*soundFile_);
}

std::vector<std::string> SoundLog::take() { return std::exchange(started_, {}); }

ScriptDriver::ScriptDriver(Options options) {
    klev::Services services{random_, dialogs_, wave_, pictures_, clock_};
    game_ = std::make_unique<klev::Game>(std::move(options.config), services, klev::GameWindows());
    wave_.watch(game_->messages.SoundFile);
}

ScriptDriver::~ScriptDriver() = default;

Status ScriptDriver::run(std::istream& script, std::ostream& out) {
    for (std::string line; std::getline(script, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const Status s = runLine(line, out);
        if (s != Finished || game_->ended()) return s;
    }
    return Finished;
}

Status ScriptDriver::runLine(const std::string& line, std::ostream& out) {
    ++lineNumber_;
    const std::size_t first = line.find_first_not_of(" \t");
    if (first == std::string::npos || line[first] == '#') return Finished;
    // Nothing happens in a game that has ended.
    if (game_->ended()) return Finished;
    try {
        execute(line, out);
    } catch (const ScriptError& e) {
        out << "error: line " << lineNumber_ << ": " << e.what() << "\n";
        return ScriptFault;
    } catch (const forms::NoAnswerQueued& e) {
        out << "error: line " << lineNumber_ << ": " << e.what() << "\n";
        return ScriptFault;
    } catch (const std::exception& e) {
        out << "fatal: " << e.what() << "\n";
        return Fatal;
    }
    if (game_->ended()) out << "ended\n";
    return Finished;
}

forms::Form& ScriptDriver::formNamed(const std::string& name) {
    forms::Form* f = game_->formByName(name);
    if (!f) throw ScriptError("unknown form: " + name);
    return *f;
}

forms::Control& ScriptDriver::controlNamed(const std::string& text, forms::Form** formOut, std::string* nameOut) {
    auto [formName, controlText] = SplitFirstDot(text);
    forms::Form& form = formNamed(formName);
    auto [name, index] = SplitIndex(controlText);
    forms::Control* c = index == -2 ? nullptr : form.find(name, index);
    if (!c) throw ScriptError("unknown control: " + text);
    if (formOut) *formOut = &form;
    if (nameOut) *nameOut = name;
    return *c;
}

void ScriptDriver::execute(const std::string& line, std::ostream& out) {
    const std::vector<Word> w = Words(line);
    const std::string& cmd = w[0].text;
    auto need = [&](std::size_t n) {
        if (w.size() != n) throw ScriptError("wrong number of words for " + cmd);
    };
    auto real = [&](const std::string& text) {
        auto v = data::StrictNumber(text, '.');
        if (!v) throw ScriptError("bad number: " + text);
        return *v;
    };
    auto whole = [&](const std::string& text) {
        auto v = data::StrictNumber(text, '.');
        if (!v || *v != double(static_cast<long long>(*v)) || text.find_first_of(".eE") != std::string::npos)
            throw ScriptError("bad number: " + text);
        return static_cast<long long>(*v);
    };
    auto event = [&](forms::Event e, const std::string& target, forms::EventArgs args) {
        forms::Form* form = nullptr;
        std::string name;
        forms::Control& c = controlNamed(target, &form, &name);
        args.index = c.index();
        form->dispatch(e, name, args);
    };

    if (cmd == "answer") {
        dialogs_.queueAnswer(RestAfter(line, w[0]));
    } else if (cmd == "cancel") {
        need(1);
        dialogs_.queueAnswer(std::nullopt);
    } else if (cmd == "rnd") {
        for (std::size_t i = 1; i < w.size(); ++i) {
            const double v = real(w[i].text);
            if (v < 0 || v >= 1) throw ScriptError("rnd value out of [0,1): " + w[i].text);
            random_.queue(v);
        }
    } else if (cmd == "rndleft") {
        need(1);
        out << random_.left() << "\n";
    } else if (cmd == "seed") {
        need(2);
        random_.seed(std::uint64_t(whole(w[1].text)));
    } else if (cmd == "start") {
        need(1);
        game_->Start();
    } else if (cmd == "advance") {
        need(2);
        const long long ms = whole(w[1].text);
        if (ms < 0) throw ScriptError("negative time: " + w[1].text);
        game_->timers.advance(ms);
    } else if (cmd == "click" || cmd == "dblclick") {
        need(2);
        event(cmd == "click" ? forms::Event::Click : forms::Event::DblClick, w[1].text, {});
    } else if (cmd == "move") {
        need(2);
        if (SplitFirstDot(w[1].text).second.empty()) {
            formNamed(w[1].text).dispatch(forms::Event::MouseMove, "", {});
        } else {
            event(forms::Event::MouseMove, w[1].text, {});
        }
    } else if (cmd == "down") {
        need(4);
        forms::EventArgs a;
        a.x = float(real(w[2].text));
        a.y = float(real(w[3].text));
        event(forms::Event::MouseDown, w[1].text, a);
    } else if (cmd == "keypress" || cmd == "keydown" || cmd == "keyup") {
        need(3);
        forms::EventArgs a;
        a.code = int(whole(w[2].text));
        const forms::Event e = cmd == "keypress" ? forms::Event::KeyPress
                               : cmd == "keydown" ? forms::Event::KeyDown
                                                  : forms::Event::KeyUp;
        formNamed(w[1].text).dispatch(e, "", a);
    } else if (cmd == "select") {
        need(3);
        forms::Form* form = nullptr;
        std::string name;
        forms::Control& c = controlNamed(w[1].text, &form, &name);
        const long long index = whole(w[2].text);
        if (index < 0 || index >= static_cast<long long>(c.List.size()))
            throw ScriptError("no entry " + w[2].text + " in " + w[1].text);
        c.ListIndex = int(index);
        forms::EventArgs a;
        a.index = c.index();
        form->dispatch(forms::Event::Click, name, a);
    } else if (cmd == "settext") {
        if (w.size() < 2) throw ScriptError("settext needs a control");
        forms::Control& c = controlNamed(w[1].text, nullptr, nullptr);
        c.Text = RestAfter(line, w[1]);
    } else if (cmd == "close") {
        need(2);
        formNamed(w[1].text).QueryClose();
    } else if (cmd == "print") {
        need(2);
        print(w[1].text, out);
    } else if (cmd == "items") {
        need(2);
        items(w[1].text, out);
    } else if (cmd == "messages") {
        need(1);
        for (const std::string& m : dialogs_.takeMessages()) out << m << "\n";
        out << ".\n";
    } else if (cmd == "sounds") {
        need(1);
        for (const std::string& sound : wave_.take()) out << sound << "\n";
        out << ".\n";
    } else {
        throw ScriptError("unknown command: " + cmd);
    }
}

void ScriptDriver::items(const std::string& what, std::ostream& out) {
    forms::Control& c = controlNamed(what, nullptr, nullptr);
    for (const std::string& item : c.List) out << item << "\n";
    out << ".\n";
}

std::optional<std::string> ScriptDriver::stateVariable(const std::string& path) {
    if (auto value = forms::PrintPath(static_cast<klev::GameState&>(*game_), path)) return value;
    // A window's own state. Only windows already created are asked: creating
    // one here would start its design-time timers behind the script's back.
    for (forms::Form* form : game_->createdForms())
        if (auto value = forms::PrintPath(*form, path)) return value;
    return std::nullopt;
}

void ScriptDriver::print(const std::string& what, std::ostream& out) {
    auto [head, rest] = SplitFirstDot(what);
    if (rest.empty() || !game_->knowsWindow(head)) {
        auto value = stateVariable(what);
        if (!value) throw ScriptError("unknown variable: " + what);
        out << *value << "\n";
        return;
    }
    forms::Form& form = formNamed(head);
    auto [second, property] = SplitFirstDot(rest);
    if (property.empty()) {
        const std::string& p = second;
        if (p == "Visible") out << Bool(form.Visible);
        else if (p == "Caption") out << form.Caption;
        else if (p == "Left") out << Real(form.Left);
        else if (p == "Top") out << Real(form.Top);
        else if (p == "Width") out << Real(form.Width);
        else if (p == "Height") out << Real(form.Height);
        else if (p == "Picture") out << form.Picture.name;
        else throw ScriptError("unknown property: " + what);
        out << "\n";
        return;
    }
    auto [name, index] = SplitIndex(second);
    if (index == -1) {
        if (forms::Timer* t = form.findTimer(name)) {
            if (property == "Enabled") out << Bool(t->enabled()) << "\n";
            else if (property == "Interval") out << t->interval() << "\n";
            else throw ScriptError("unknown property: " + what);
            return;
        }
    }
    forms::Control* c = index == -2 ? nullptr : form.find(name, index);
    if (!c) throw ScriptError("unknown control: " + head + "." + second);
    const std::string& p = property;
    if (p == "Caption") out << c->Caption;
    else if (p == "Text") out << (c->kind() == forms::Kind::ListBox ? c->currentText() : c->Text);
    else if (p == "Visible") out << Bool(c->Visible);
    else if (p == "Enabled") out << Bool(c->Enabled);
    else if (p == "Left") out << Real(c->Left);
    else if (p == "Top") out << Real(c->Top);
    else if (p == "Width") out << Real(c->Width);
    else if (p == "Height") out << Real(c->Height);
    else if (p == "FontBold") out << Bool(c->FontBold);
    else if (p == "ForeColor") out << c->ForeColor;
    else if (p == "BackColor") out << c->BackColor;
    else if (p == "Tag") out << c->Tag;
    else if (p == "ListIndex") out << c->ListIndex;
    else if (p == "ListCount") out << c->List.size();
    else if (p == "Picture") out << c->picture().name;
    else if (p.rfind("List(", 0) == 0) {
        auto [_, i] = SplitIndex(p);
        if (i < 0) throw ScriptError("bad list index: " + what);
        out << (std::size_t(i) < c->List.size() ? c->List[std::size_t(i)] : std::string());
    } else {
        throw ScriptError("unknown property: " + what);
    }
    out << "\n";
}

}  // namespace driver
