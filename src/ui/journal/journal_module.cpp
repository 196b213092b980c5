// The journal module's one entry point (ui/journal_module.h).

#include "ui/journal/journal_window.h"

extern "C" __attribute__((visibility("default"))) ui::JournalView* klev_make_journal_view(QWidget* parent,
                                                                                         const ui::JournalTexts& texts) {
    return new ui::JournalWindow(parent, texts);
}
