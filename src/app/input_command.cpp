#include "app/input_command.h"

#include <charconv>
#include <cmath>

#include "data/numbers.h"
#include "shell/game.h"

namespace klev {

std::string CommandLine::restAfter(std::size_t i) const {
    const Word& w = words.at(i);
    const std::size_t after = w.at + w.text.size() + 1;
    return after >= line.size() ? std::string() : line.substr(after);
}

void CommandLine::need(std::size_t n) const {
    if (words.size() != n) throw CommandError("wrong number of words for " + words.at(0).text);
}

CommandLine SplitCommand(const std::string& line) {
    CommandLine cmd{line, {}};
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
        if (i >= line.size()) break;
        const std::size_t start = i;
        while (i < line.size() && line[i] != ' ' && line[i] != '\t') ++i;
        cmd.words.push_back({line.substr(start, i - start), start});
    }
    return cmd;
}

double RealNumber(const std::string& text) {
    auto v = data::StrictNumber(text, '.');
    if (!v) throw CommandError("bad number: " + text);
    return *v;
}

long long WholeNumber(const std::string& text) {
    auto v = data::StrictNumber(text, '.');
    // Beyond the range of long long the conversion itself is undefined.
    if (!v || std::fabs(*v) >= 9223372036854775808.0 || *v != double(static_cast<long long>(*v)) ||
        text.find_first_of(".eE") != std::string::npos)
        throw CommandError("bad number: " + text);
    return static_cast<long long>(*v);
}

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

forms::Form& WindowNamed(Game& game, const std::string& name) {
    forms::Form* f = game.formByName(name);
    if (!f) throw CommandError("unknown form: " + name);
    return *f;
}

namespace {

// FORM.CONTROL, resolved into the input.
void Target(Game& game, const std::string& text, Input& in) {
    auto [formName, controlText] = SplitFirstDot(text);
    in.form = &WindowNamed(game, formName);
    auto [name, index] = SplitIndex(controlText);
    in.control = index == -2 ? nullptr : in.form->find(name, index);
    if (!in.control) throw CommandError("unknown control: " + text);
    in.args.index = in.control->index();
}

forms::Event KeyEvent(const std::string& cmd) {
    return cmd == "keypress" ? forms::Event::KeyPress : cmd == "keydown" ? forms::Event::KeyDown : forms::Event::KeyUp;
}

}  // namespace

std::optional<Input> ParseInput(Game& game, const CommandLine& cmd) {
    const std::string& verb = cmd.words.at(0).text;
    const auto& w = cmd.words;
    Input in;
    if (verb == "click" || verb == "dblclick") {
        cmd.need(2);
        in.event = verb == "click" ? forms::Event::Click : forms::Event::DblClick;
        Target(game, w[1].text, in);
    } else if (verb == "move") {
        cmd.need(2);
        in.event = forms::Event::MouseMove;
        if (SplitFirstDot(w[1].text).second.empty()) in.form = &WindowNamed(game, w[1].text);
        else Target(game, w[1].text, in);
    } else if (verb == "down") {
        cmd.need(4);
        in.event = forms::Event::MouseDown;
        Target(game, w[1].text, in);
        in.args.x = float(RealNumber(w[2].text));
        in.args.y = float(RealNumber(w[3].text));
    } else if (verb == "keypress" || verb == "keydown" || verb == "keyup") {
        cmd.need(3);
        in.event = KeyEvent(verb);
        in.form = &WindowNamed(game, w[1].text);
        in.args.code = int(WholeNumber(w[2].text));
    } else if (verb == "select") {
        cmd.need(3);
        Target(game, w[1].text, in);
        const long long index = WholeNumber(w[2].text);
        if (index < 0 || index >= static_cast<long long>(in.control->List.size()))
            throw CommandError("no entry " + w[2].text + " in " + w[1].text);
        in.listIndex = int(index);
    } else if (verb == "settext") {
        if (w.size() < 2) throw CommandError("settext needs a control");
        in.action = Input::Action::SetText;
        Target(game, w[1].text, in);
        in.text = cmd.restAfter(1);
    } else if (verb == "close") {
        cmd.need(2);
        in.action = Input::Action::Close;
        in.form = &WindowNamed(game, w[1].text);
    } else {
        return std::nullopt;
    }
    return in;
}

void ApplyInput(const Input& in, const Deliver& deliver) {
    if (in.action == Input::Action::SetText) {
        in.control->Text = in.text;
        return;
    }
    if (in.listIndex >= 0) {
        in.control->ListIndex = in.listIndex;
        // A combo box shows the entry chosen from its list as its text.
        if (in.control->kind() == forms::Kind::ComboBox)
            in.control->Text = in.control->List[std::size_t(in.listIndex)];
    }
    deliver(*in.form, in.event, in.control ? in.control->name() : std::string(), in.args);
}

}  // namespace klev
