#pragma once
// «Журнал рыбака» is a module of its own (klevnitsa_journal) that the game
// loads the first time the player opens the journal: Qt Charts and the
// OpenGL libraries it pulls in then cost nothing at start. Only this
// interface crosses between the game and the module. The game reads and
// folds the journal file and lends the window its number texts, so the
// module holds no part of the game's core.

#include <string>

#include "data/journal_file.h"

class QWidget;

namespace ui {

// The game's own texts, as the window shows them.
class JournalTexts {
public:
    virtual ~JournalTexts() = default;
    // A number as the game shows it, with the player's decimal separator
    // ("2,6", "450").
    virtual std::string number(double value) const = 0;
    // What became of a catch ("в садке", "продана на оценке" ...).
    virtual std::string fate(const data::JournalCatch& c) const = 0;
};

// The journal's window. It belongs to the parent it was made with (a
// window of its own all the same) and goes with it.
class JournalView {
public:
    // The window itself (a QWidget, for showing, raising and closing it).
    virtual QWidget* widget() = 0;
    // Shows a folded journal; one without catches shows a friendly line.
    virtual void showJournal(const data::JournalSummary& journal) = 0;
    // Says in the window that the journal could not be read, and why.
    virtual void showUnreadable(const std::string& why) = 0;

protected:
    ~JournalView() = default;  // deleted as the widget it is
};

// The module's one entry point, looked up by this name. `texts` must
// outlive the window.
constexpr const char* MakeJournalViewSymbol = "klev_make_journal_view";
using MakeJournalView = JournalView* (*)(QWidget* parent, const JournalTexts& texts);

}  // namespace ui
