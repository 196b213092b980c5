#include "ui/autoplay.h"

#include <charconv>
#include <fstream>
#include <iostream>
#include <stdexcept>

#include "forms/form.h"
#include "shell/game.h"
#include "ui/game_host.h"

namespace ui {
namespace {

std::vector<std::string> Words(const std::string& line) {
    std::vector<std::string> words;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && line[i] == ' ') ++i;
        const std::size_t start = i;
        while (i < line.size() && line[i] != ' ') ++i;
        if (i > start) words.push_back(line.substr(start, i - start));
    }
    return words;
}

// The rest of the line after `words` words and one blank.
std::string TextAfter(const std::string& line, std::size_t words) {
    std::size_t i = line.find_first_not_of(' ');
    for (std::size_t w = 0; w < words; ++w) {
        if (i == std::string::npos) return {};
        i = line.find(' ', i);  // the blank after word w
        if (i == std::string::npos) return {};
        if (w + 1 < words) i = line.find_first_not_of(' ', i);
    }
    return line.substr(i + 1);
}

template <class T>
T NumberOf(const std::string& text) {
    T value{};
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size()) throw std::runtime_error("bad number: " + text);
    return value;
}

// "Name(3)" -> {"Name", 3}; "Name" -> {"Name", -1}.
std::pair<std::string, int> SplitIndex(const std::string& text) {
    const std::size_t open = text.find('(');
    if (open == std::string::npos || text.back() != ')') return {text, -1};
    return {text.substr(0, open), NumberOf<int>(text.substr(open + 1, text.size() - open - 2))};
}

}  // namespace

std::vector<std::string> ReadScriptLines(const std::string& file) {
    std::vector<std::string> lines;
    std::ifstream in(file, std::ios::binary);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

Autoplay::Autoplay(GameHost& host, std::vector<std::string> lines, AnswerSink answers, int gapMs,
                   RandomSink randoms)
    : host_(host), lines_(std::move(lines)), answers_(std::move(answers)), randoms_(std::move(randoms)), gapMs_(gapMs) {
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &Autoplay::step);
}

void Autoplay::begin() { timer_.start(0); }

void Autoplay::step() {
    if (host_.finished() || done()) return;
    // Wait while the game is inside a handler (a dialog is open).
    if (host_.busy()) {
        timer_.start(50);
        return;
    }
    const std::size_t number = next_ + 1;
    const std::string line = lines_[next_++];
    int pause = 0;
    try {
        pause = execute(line);
    } catch (const std::exception& e) {
        std::cerr << "autoplay: line " << number << ": " << e.what() << "\n";
    }
    if (!done() && !host_.finished()) timer_.start(pause);
}

forms::Form& Autoplay::form(const std::string& name) const {
    for (forms::Form* f : host_.game().createdForms())
        if (f->name() == name) return *f;
    throw std::runtime_error("no such window yet: " + name);
}

forms::Control& Autoplay::control(const std::string& text, forms::Form** formOut) const {
    const std::size_t dot = text.find('.');
    if (dot == std::string::npos) throw std::runtime_error("FORM.CONTROL expected: " + text);
    forms::Form& f = form(text.substr(0, dot));
    const auto [name, index] = SplitIndex(text.substr(dot + 1));
    forms::Control* c = f.find(name, index);
    if (!c) throw std::runtime_error("no such control: " + text);
    *formOut = &f;
    return *c;
}

int Autoplay::execute(const std::string& line) {
    const std::vector<std::string> w = Words(line);
    if (w.empty() || w[0][0] == '#') return 0;
    const std::string& cmd = w[0];
    auto need = [&](std::size_t n) {
        if (w.size() != n) throw std::runtime_error("wrong number of words for " + cmd);
    };
    auto onControl = [&](forms::Event event, forms::EventArgs args) {
        forms::Form* f = nullptr;
        forms::Control& c = control(w[1], &f);
        args.index = c.index();
        host_.deliver(*f, event, c.name(), args);
    };
    if (cmd == "wait") {
        need(2);
        return NumberOf<int>(w[1]);
    }
    if (cmd == "answer") {
        answers_(TextAfter(line, 1));
        return 0;
    }
    if (cmd == "rnd") {
        if (!randoms_) throw std::runtime_error("no scripted random numbers in this run");
        for (std::size_t i = 1; i < w.size(); ++i) {
            const double v = NumberOf<double>(w[i]);
            if (v < 0 || v >= 1) throw std::runtime_error("rnd value out of [0,1): " + w[i]);
            randoms_(v);
        }
        return 0;
    }
    if (cmd == "quit") {
        host_.endRun(0);
        return 0;
    }
    if (cmd == "click" || cmd == "dblclick") {
        need(2);
        onControl(cmd == "click" ? forms::Event::Click : forms::Event::DblClick, {});
    } else if (cmd == "move") {
        need(2);
        if (w[1].find('.') == std::string::npos)
            host_.deliver(form(w[1]), forms::Event::MouseMove, "", {});
        else
            onControl(forms::Event::MouseMove, {});
    } else if (cmd == "down") {
        need(4);
        forms::EventArgs args;
        args.x = NumberOf<float>(w[2]);
        args.y = NumberOf<float>(w[3]);
        onControl(forms::Event::MouseDown, args);
    } else if (cmd == "keypress" || cmd == "keydown" || cmd == "keyup") {
        need(3);
        forms::EventArgs args;
        args.code = NumberOf<int>(w[2]);
        const forms::Event event = cmd == "keypress"  ? forms::Event::KeyPress
                                   : cmd == "keydown" ? forms::Event::KeyDown
                                                      : forms::Event::KeyUp;
        host_.deliver(form(w[1]), event, "", args);
    } else if (cmd == "select") {
        need(3);
        forms::Form* f = nullptr;
        forms::Control& c = control(w[1], &f);
        c.ListIndex = NumberOf<int>(w[2]);
        forms::EventArgs args;
        args.index = c.index();
        host_.deliver(*f, forms::Event::Click, c.name(), args);
    } else if (cmd == "settext") {
        if (w.size() < 2) throw std::runtime_error("settext needs a control");
        forms::Form* f = nullptr;
        control(w[1], &f).Text = TextAfter(line, 2);
        host_.syncAll();
    } else if (cmd == "close") {
        need(2);
        host_.closeRequested(form(w[1]));
    } else {
        throw std::runtime_error("unknown command: " + cmd);
    }
    return gapMs_;
}

}  // namespace ui
