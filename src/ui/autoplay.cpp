#include "ui/autoplay.h"

#include <QApplication>
#include <QEvent>
#include <chrono>
#include <ctime>
#include <fstream>
#include <iostream>
#include <stdexcept>

#include "app/input_command.h"
#include "forms/form.h"
#include "shell/game.h"
#include "ui/game_host.h"

namespace ui {

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

Autoplay::~Autoplay() {
    if (!paintOf_.empty()) qApp->removeEventFilter(this);
    if (!latenessFile_.empty()) host_.setWakeProbe({});
    writeLateness();
}

void Autoplay::begin() { timer_.start(0); }

bool Autoplay::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Paint && !painted_ && !paintOf_.empty()) {
        const FormWindow* window = host_.window(paintOf_);
        if (window && watched == window) {
            painted_ = true;
            // The next turn of the event loop: the paint is done by then.
            timer_.start(0);
        }
    }
    return QObject::eventFilter(watched, event);
}

void Autoplay::writeLateness() const {
    if (latenessFile_.empty()) return;
    std::ofstream out(latenessFile_);
    for (const std::int64_t us : lateness_) out << us << "\n";
}

void Autoplay::step() {
    if (host_.finished() || done()) return;
    if (!paintOf_.empty()) {
        if (!painted_) return;  // the paint restarts the timer
        qApp->removeEventFilter(this);
        timespec wall{};
        clock_gettime(CLOCK_REALTIME, &wall);
        std::cout << "painted " << paintOf_ << " " << std::int64_t(wall.tv_sec) * 1'000'000'000 + wall.tv_nsec
                  << std::endl;
        paintOf_.clear();
    }
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
    if (pause >= 0 && !done() && !host_.finished()) timer_.start(pause);
}

int Autoplay::execute(const std::string& line) {
    const klev::CommandLine cmd = klev::SplitCommand(line);
    if (cmd.words.empty() || cmd.words[0].text[0] == '#') return 0;
    const std::string& verb = cmd.words[0].text;
    if (verb == "wait") {
        cmd.need(2);
        return int(klev::WholeNumber(cmd.words[1].text));
    }
    if (verb == "answer") {
        answers_(cmd.restAfter(0));
        return 0;
    }
    if (verb == "rnd") {
        if (!randoms_) throw klev::CommandError("no scripted random numbers in this run");
        for (std::size_t i = 1; i < cmd.words.size(); ++i) {
            const double v = klev::RealNumber(cmd.words[i].text);
            if (v < 0 || v >= 1) throw klev::CommandError("rnd value out of [0,1): " + cmd.words[i].text);
            randoms_(v);
        }
        return 0;
    }
    if (verb == "painted") {
        cmd.need(2);
        paintOf_ = cmd.words[1].text;
        painted_ = false;
        qApp->installEventFilter(this);
        return -1;  // the paint goes on
    }
    if (verb == "gap") {
        cmd.need(2);
        gapMs_ = int(klev::WholeNumber(cmd.words[1].text));
        return 0;
    }
    if (verb == "rss") {
        std::ifstream status("/proc/self/status");
        for (std::string line; std::getline(status, line);)
            if (line.rfind("VmRSS:", 0) == 0) std::cout << "rss " << std::stol(line.substr(6)) << std::endl;
        return 0;
    }
    if (verb == "lateness") {
        cmd.need(2);
        latenessFile_ = cmd.restAfter(0);
        host_.setWakeProbe([this](std::chrono::nanoseconds late) {
            lateness_.push_back(std::chrono::duration_cast<std::chrono::microseconds>(late).count());
        });
        return 0;
    }
    if (verb == "journal") {
        host_.openJournal();
        return gapMs_;
    }
    if (verb == "quit") {
        host_.endRun(0);
        return 0;
    }
    const std::optional<klev::Input> input = klev::ParseInput(host_.game(), cmd);
    if (!input) throw klev::CommandError("unknown command: " + verb);
    switch (input->action) {
        case klev::Input::Action::Close: host_.closeRequested(*input->form); break;
        case klev::Input::Action::SetText:
            klev::ApplyInput(*input, {});
            host_.syncAll();
            break;
        case klev::Input::Action::Event:
            klev::ApplyInput(*input, [this](forms::Form& form, forms::Event e, const std::string& control,
                                            const forms::EventArgs& args) { host_.deliver(form, e, control, args); });
            break;
    }
    return gapMs_;
}

}  // namespace ui
