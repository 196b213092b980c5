#pragma once
// «Журнал рыбака»: the player's catch journal (data/journal_file.h) in a
// window of its own beside the game. A sortable table of every catch, the
// personal best of every species with its date and place, and three charts:
// the weight of every catch over time by species, the catches per place and
// the money over the sessions. An empty journal shows a friendly line
// instead. The window only shows what it is given: it touches neither the
// game's state nor its clock. It lives in the journal module
// (ui/journal_module.h) with everything of Qt Charts.

#include <QWidget>

#include "ui/journal_module.h"

class QAbstractItemModel;
class QChart;
class QLabel;
class QStackedWidget;
class QTabWidget;
class QTableView;
class QTableWidget;

namespace ui {

class CatchTableModel;

class JournalWindow : public QWidget, public JournalView {
    Q_OBJECT
public:
    // `texts` writes the weights, prices and fates shown; it must outlive
    // the window.
    JournalWindow(QWidget* parent, const JournalTexts& texts);
    ~JournalWindow() override;

    QWidget* widget() override { return this; }
    void showJournal(const data::JournalSummary& journal) override;
    void showUnreadable(const std::string& why) override;

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

    const JournalTexts& texts_;
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
