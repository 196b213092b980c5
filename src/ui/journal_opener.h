#pragma once
// The game's side of «Журнал рыбака» (ui/journal_module.h): the texts it
// lends the window, and the reading of the journal file.

#include <filesystem>

#include "ui/journal_module.h"

namespace ui {

// The game's number texts with decimal separator `sep`, and its fate texts.
class GameJournalTexts : public JournalTexts {
public:
    explicit GameJournalTexts(char sep) : sep_(sep) {}
    std::string number(double value) const override;
    std::string fate(const data::JournalCatch& c) const override;

private:
    char sep_;
};

// Reads the journal file afresh and shows it in `view`. Damaged lines are
// told on the standard error and left out; a file that cannot be read is
// said so in the window. An empty path (no player yet) shows an empty
// journal.
void ShowJournalFile(JournalView& view, const std::filesystem::path& file);

}  // namespace ui
