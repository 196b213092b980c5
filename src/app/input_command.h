#pragma once
// The player's input in the words of the headless driver, parsed once for
// the driver and the desktop's unattended play:
//
//   click FORM.CONTROL         dblclick FORM.CONTROL
//   move FORM.CONTROL | FORM   down FORM.CONTROL X Y
//   keypress FORM CODE         keydown FORM CODE        keyup FORM CODE
//   select FORM.CONTROL I      settext FORM.CONTROL TEXT
//   close FORM
//
// Words are separated by blanks (spaces or tabs); TEXT is the rest of the
// line after one blank. A member of a control array is NAME(i). A line is
// checked against the game first (the window and the control exist, the
// numbers are numbers, a selected entry exists) and only then applied.

#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "forms/form.h"

namespace klev {

class Game;

// A fault of a command line: the message says what is wrong.
struct CommandError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// A command line cut into words, each with where it starts.
struct CommandLine {
    struct Word {
        std::string text;
        std::size_t at = 0;
    };
    std::string line;
    std::vector<Word> words;

    // TEXT: the rest of the line after word `i` and one blank, as it stands.
    std::string restAfter(std::size_t i) const;
    // Throws CommandError unless the line has exactly `n` words.
    void need(std::size_t n) const;
};
CommandLine SplitCommand(const std::string& line);

// Numbers in a command: plain digits with "." (never the locale's).
long long WholeNumber(const std::string& text);
double RealNumber(const std::string& text);

// "NAME(i)" into NAME and i; -1 without an index, -2 for a bad one.
std::pair<std::string, int> SplitIndex(const std::string& text);
// Splits at the first dot outside parentheses.
std::pair<std::string, std::string> SplitFirstDot(const std::string& text);

// The window `name` (created on first use), or CommandError.
forms::Form& WindowNamed(Game& game, const std::string& name);

// One checked input, ready to apply.
struct Input {
    enum class Action { Event, SetText, Close };
    Action action = Action::Event;
    forms::Form* form = nullptr;
    forms::Control* control = nullptr;  // null for the window itself
    forms::Event event = forms::Event::Click;
    forms::EventArgs args;
    int listIndex = -1;  // select: the entry to choose first
    std::string text;    // settext
};

// The input of `cmd`, or nullopt when its first word is no input command.
// Throws CommandError for a faulty line; changes nothing in the game.
std::optional<Input> ParseInput(Game& game, const CommandLine& cmd);

// Applies an Event or SetText input: a select chooses its entry first; the
// event goes through `deliver` (the window's dispatch, or the desktop's
// path that brings the screen in line afterwards). Close is the caller's.
using Deliver = std::function<void(forms::Form&, forms::Event, const std::string&, const forms::EventArgs&)>;
void ApplyInput(const Input& input, const Deliver& deliver);

}  // namespace klev
