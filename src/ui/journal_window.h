#pragma once
// «Журнал рыбака»: the player's catch journal (data/journal_file.h) in a
// window of its own beside the game. A sortable table of every catch, the
// personal best of every species with its date and place, and three charts:
// the weight of every catch over time by species, the catches per place and
// the money over the sessions. An empty journal shows a friendly line
// instead. The window only reads the journal file: it touches neither the
// game's state nor its clock.

#include <QWidget>
#include <filesystem>

#include "data/journal_file.h"

class QAbstractItemModel;
class QChart;
class QLabel;
class QStackedWidget;
class QTabWidget;
class QTableView;
class QTableWidget;

namespace ui {

class CatchTableModel;

class JournalWindow : public QWidget {
    Q_OBJECT
public:
    // `sep` is the decimal separator of the weights and prices shown.
    explicit JournalWindow(QWidget* parent = nullptr, char sep = ',');
    ~JournalWindow() override;

    // Reads the journal file afresh and shows it. Damaged lines are told on
    // the standard error and left out; a file that cannot be read is said so
    // in the window.
    void load(const std::filesystem::path& file);
    // Shows a journal already folded.
    void showJournal(const data::JournalSummary& journal);

    // What the window shows, for tests.
    bool showsEmptyLine() const;
    const QAbstractItemModel* catchTable() const;  // in the order the player sorted it
    QTableView* catchView() const { return table_; }
    const QTableWidget* bests() const { return bests_; }
    QChart* weightChart() const { return weightChart_; }
    QChart* placeChart() const { return placeChart_; }
    QChart* moneyChart() const { return moneyChart_; }
    QTabWidget* tabs() const { return tabs_; }
    QString emptyText() const;

private:
    void fillBests(const data::JournalSummary& journal);
    void fillWeightChart(const data::JournalSummary& journal);
    void fillPlaceChart(const data::JournalSummary& journal);
    void fillMoneyChart(const data::JournalSummary& journal);

    char sep_;
    QStackedWidget* pages_;
    QLabel* empty_;
    QLabel* totals_;
    QTabWidget* tabs_;
    CatchTableModel* model_;
    QTableView* table_;
    QTableWidget* bests_;
    QChart* weightChart_;
    QChart* placeChart_;
    QChart* moneyChart_;
};

}  // namespace ui
