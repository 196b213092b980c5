#pragma once
// Unattended play for screenshots and benchmarks: commands in the words of
// the headless driver, fed to the running game one after another on a
// timer, through the same path as the player's input.
//
//   wait MS                      pause before the next command
//   click FORM.CONTROL           dblclick FORM.CONTROL
//   move FORM.CONTROL | FORM     down FORM.CONTROL X Y
//   keypress FORM CODE           keydown FORM CODE      keyup FORM CODE
//   select FORM.CONTROL I        settext FORM.CONTROL TEXT
//   close FORM                   answer TEXT (the next input box)
//   quit                         end the run at once, saving nothing
//   rnd V...                     values the next draws return (screenshots of
//                                random moments); then the system's generator
// A member of a control array is NAME(i). Blank lines and lines starting
// with '#' are skipped; a faulty line is reported on stderr and skipped.
// The input commands are parsed and checked as the driver does it
// (app/input_command.h).

#include <QObject>
#include <QTimer>
#include <functional>
#include <string>
#include <vector>

namespace forms {
class Form;
class Control;
}

namespace ui {

class GameHost;

class Autoplay : public QObject {
    Q_OBJECT
public:
    using AnswerSink = std::function<void(std::string)>;
    using RandomSink = std::function<void(double)>;

    Autoplay(GameHost& host, std::vector<std::string> lines, AnswerSink answers, int gapMs = 250,
             RandomSink randoms = nullptr);

    // Starts feeding commands once the event loop runs.
    void begin();
    // Runs one command line now. Returns the pause before the next one in
    // milliseconds; throws std::runtime_error for a faulty line.
    int execute(const std::string& line);
    bool done() const { return next_ >= lines_.size(); }

private:
    void step();

    GameHost& host_;
    std::vector<std::string> lines_;
    AnswerSink answers_;
    RandomSink randoms_;
    int gapMs_;
    std::size_t next_ = 0;
    QTimer timer_;
};

// The lines of a text file (UTF-8), or nothing when it cannot be read.
std::vector<std::string> ReadScriptLines(const std::string& file);

}  // namespace ui
