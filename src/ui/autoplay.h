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
//   journal                      open the catch journal's window, as J does
//   rnd V...                     values the next draws return (screenshots of
//                                random moments); then the system's generator
//   painted FORM                 wait until FORM's window has been painted,
//                                then print "painted FORM NS" (the wall clock,
//                                CLOCK_REALTIME in ns) on stdout (benchmarks)
//   gap MS                       the pause after each input command from now
//                                on (250 ms unless set)
//   rss                          print "rss KB", the resident memory, on stdout
//   lateness FILE                from now on, note how late each wake of the
//                                timer pump comes; written to FILE, one
//                                figure in microseconds a line, at the end
// A member of a control array is NAME(i). Blank lines and lines starting
// with '#' are skipped; a faulty line is reported on stderr and skipped.
// The input commands are parsed and checked as the driver does it
// (app/input_command.h).

#include <QObject>
#include <QTimer>
#include <cstdint>
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
    ~Autoplay() override;

    // Starts feeding commands once the event loop runs.
    void begin();
    // Runs one command line now. Returns the pause before the next one in
    // milliseconds; throws std::runtime_error for a faulty line.
    int execute(const std::string& line);
    bool done() const { return next_ >= lines_.size(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void step();
    void writeLateness() const;

    GameHost& host_;
    std::vector<std::string> lines_;
    AnswerSink answers_;
    RandomSink randoms_;
    int gapMs_;
    std::size_t next_ = 0;
    QTimer timer_;
    std::string paintOf_;  // the form whose window's first paint is awaited
    bool painted_ = false;
    std::string latenessFile_;
    std::vector<std::int64_t> lateness_;  // microseconds
};

// The lines of a text file (UTF-8), or nothing when it cannot be read.
std::vector<std::string> ReadScriptLines(const std::string& file);

}  // namespace ui
