#include "ui/journal_opener.h"

#include <exception>
#include <iostream>

#include "data/game_folder.h"
#include "data/numbers.h"

namespace ui {

std::string GameJournalTexts::number(double value) const { return data::NumberText(value, sep_); }

std::string GameJournalTexts::fate(const data::JournalCatch& c) const { return data::CatchFateText(c); }

void ShowJournalFile(JournalView& view, const std::filesystem::path& file) {
    if (file.empty()) {
        view.showJournal({});
        return;
    }
    data::JournalSummary journal;
    try {
        journal = data::FoldJournal(data::ReadJournal(file, [&file](std::size_t line, const std::string& why) {
            std::cerr << "klevnitsa: catch journal: " << data::PathText(file) << ", line " << line << ": " << why
                      << "; the line is skipped\n";
        }));
    } catch (const std::exception& e) {
        view.showUnreadable(e.what());
        return;
    }
    view.showJournal(journal);
}

}  // namespace ui
