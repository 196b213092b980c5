#include "ui/journal/journal_window.h"

#include <QAbstractTableModel>
#include <QDateTime>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QShortcut>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QtCharts/QBarCategoryAxis>
#include <QtCharts/QBarSet>
#include <QtCharts/QChart>
#include <QtCharts/QChartView>
#include <QtCharts/QDateTimeAxis>
#include <QtCharts/QHorizontalBarSeries>
#include <QtCharts/QLineSeries>
#include <QtCharts/QValueAxis>
#include <algorithm>
#include <cstdio>
#include <map>
#include <optional>
#include <utility>

namespace ui {
namespace {

QString Q(const std::string& utf8) { return QString::fromUtf8(utf8.data(), qsizetype(utf8.size())); }

// "850 г" below a kilogram, "1,25 кг" from one up, as the game writes weights.
QString WeightText(long long grams, const JournalTexts& texts) {
    if (grams < 1000) return Q(texts.number(double(grams)) + " г");
    return Q(texts.number(double(grams) / 1000.0) + " кг");
}

QString PlaceText(const data::JournalEntry& e) {
    return Q(e.map) + QString(e.map.empty() ? "место %1" : ", место %1").arg(e.place);
}

// The journal's time stamps ("2026-12-09 14:03:27") as local milliseconds
// since the epoch; nullopt for text that is none. Read by hand with the
// midnight of each day looked up once: QDateTime's own parsing and time zone
// lookups would cost more than the rest of an opening of ten thousand catches.
class Stamps {
public:
    std::optional<qint64> operator()(const std::string& text) {
        int y, mo, d, h, mi, s;
        char tail;
        if (text.size() != 19 || std::sscanf(text.c_str(), "%4d-%2d-%2d %2d:%2d:%2d%c", &y, &mo, &d, &h, &mi, &s, &tail) != 6)
            return std::nullopt;
        if (h < 0 || h > 23 || mi < 0 || mi > 59 || s < 0 || s > 59) return std::nullopt;
        const int day = (y * 100 + mo) * 100 + d;
        auto it = midnights_.find(day);
        if (it == midnights_.end()) {
            const QDate date(y, mo, d);
            if (!date.isValid()) return std::nullopt;
            it = midnights_.emplace(day, QDateTime(date, QTime(0, 0)).toMSecsSinceEpoch()).first;
        }
        return it->second + ((h * 60LL + mi) * 60 + s) * 1000;
    }

private:
    std::map<int, qint64> midnights_;
};

QChartView* ChartView(QChart* chart) {
    auto* view = new QChartView(chart);
    view->setRenderHint(QPainter::Antialiasing);
    return view;
}

QChart* NewChart(const QString& title) {
    auto* chart = new QChart;
    chart->setTitle(title);
    chart->setAnimationOptions(QChart::NoAnimation);
    return chart;
}

enum Column { Time, Map, Place, Species, Weight, Rig, Rod, Line, Bait, Fate, Price, ColumnCount };

const char* const kHeaders[ColumnCount] = {"Дата и время", "Карта",  "Место", "Рыба",       "Вес",    "Оснастка",
                                           "Удилище",      "Леска",  "Наживка или приманка", "Что стало", "Цена, $"};

}  // namespace

// The catches as table rows. It sorts itself on typed keys (numbers as
// numbers), so sorting ten thousand rows never converts a text per comparison.
class CatchTableModel : public QAbstractTableModel {
public:
    CatchTableModel(const JournalTexts& texts, QObject* parent) : QAbstractTableModel(parent), texts_(texts) {}

    void reset(std::vector<data::JournalCatch> rows) {
        beginResetModel();
        rows_ = std::move(rows);
        order_.resize(rows_.size());
        for (std::size_t i = 0; i < order_.size(); ++i) order_[i] = i;
        endResetModel();
    }

    int rowCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : int(order_.size()); }
    int columnCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : ColumnCount; }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0 || section >= ColumnCount) return {};
        return QString::fromUtf8(kHeaders[section]);
    }

    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid() || index.row() >= int(order_.size())) return {};
        const data::JournalCatch& c = rows_[order_[std::size_t(index.row())]];
        const data::JournalEntry& e = c.landing;
        const int column = index.column();
        if (role == Qt::TextAlignmentRole)
            return column == Place || column == Weight || column == Price ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                                                                          : QVariant();
        if (role != Qt::DisplayRole) return {};
        switch (column) {
            case Time: return Q(e.time);
            case Map: return Q(e.map);
            case Place: return QString::number(e.place);
            case Species: return Q(e.species);
            case Weight: return WeightText(e.weight, texts_);
            case Rig: return Q(e.rig);
            case Rod: return Q(e.rod);
            case Line: return Q(e.line);
            case Bait: return Q(e.bait);
            case Fate: return Q(texts_.fate(c));
            case Price: return c.price ? Q(texts_.number(*c.price)) : QString();
        }
        return {};
    }

    void sort(int column, Qt::SortOrder order) override {
        emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
        const auto less = [this, column](std::size_t a, std::size_t b) { return Less(rows_[a], rows_[b], column); };
        for (std::size_t i = 0; i < order_.size(); ++i) order_[i] = i;  // ties keep the landing order
        if (order == Qt::AscendingOrder)
            std::stable_sort(order_.begin(), order_.end(), less);
        else
            std::stable_sort(order_.begin(), order_.end(), [&less](std::size_t a, std::size_t b) { return less(b, a); });
        emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
    }

private:
    static bool Less(const data::JournalCatch& x, const data::JournalCatch& y, int column) {
        const data::JournalEntry& a = x.landing;
        const data::JournalEntry& b = y.landing;
        switch (column) {
            case Time: return a.time < b.time;
            case Map: return std::tie(a.map, a.place) < std::tie(b.map, b.place);
            case Place: return a.place < b.place;
            case Species: return a.species < b.species;
            case Weight: return a.weight < b.weight;
            case Rig: return a.rig < b.rig;
            case Rod: return a.rod < b.rod;
            case Line: return a.line < b.line;
            case Bait: return a.bait < b.bait;
            case Fate: return std::pair(int(x.fate), x.inRecords) < std::pair(int(y.fate), y.inRecords);
            case Price: return x.price.value_or(-1) < y.price.value_or(-1);
        }
        return false;
    }

    const JournalTexts& texts_;
    std::vector<data::JournalCatch> rows_;
    std::vector<std::size_t> order_;  // row -> catch
};

JournalWindow::JournalWindow(QWidget* parent, const JournalTexts& texts)
    : QWidget(parent, Qt::Window), texts_(texts) {
    setWindowTitle("Журнал рыбака");
    resize(960, 640);

    pages_ = new QStackedWidget;
    empty_ = new QLabel("Журнал пока пуст.\nПоймайте первую рыбу — она появится здесь.");
    empty_->setAlignment(Qt::AlignCenter);
    empty_->setWordWrap(true);
    QFont big = empty_->font();
    big.setPointSizeF(big.pointSizeF() * 1.4);
    empty_->setFont(big);
    pages_->addWidget(empty_);

    auto* full = new QWidget;
    auto* fullLayout = new QVBoxLayout(full);
    fullLayout->setContentsMargins(0, 0, 0, 0);
    totals_ = new QLabel;
    fullLayout->addWidget(totals_);
    tabs_ = new QTabWidget;
    fullLayout->addWidget(tabs_);
    pages_->addWidget(full);

    model_ = new CatchTableModel(texts_, this);
    table_ = new QTableView;
    table_->setObjectName("catches");
    table_->setModel(model_);
    table_->setSortingEnabled(true);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setAlternatingRowColors(true);
    table_->verticalHeader()->setVisible(false);
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 6);
    table_->horizontalHeader()->setStretchLastSection(true);
    tabs_->addTab(table_, "Уловы");

    bests_ = new QTableWidget(0, 5);
    bests_->setHorizontalHeaderLabels({"Рыба", "Лучший вес", "Дата и время", "Карта", "Место"});
    bests_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    bests_->verticalHeader()->setVisible(false);
    bests_->horizontalHeader()->setStretchLastSection(true);
    tabs_->addTab(bests_, "Лучшие");

    weightChart_ = NewChart("Вес каждой рыбы по времени");
    tabs_->addTab(ChartView(weightChart_), "Вес по времени");
    placeChart_ = NewChart("Уловы по местам");
    tabs_->addTab(ChartView(placeChart_), "По местам");
    moneyChart_ = NewChart("Деньги по сеансам");
    tabs_->addTab(ChartView(moneyChart_), "Деньги");

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages_);

    auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(close, &QShortcut::activated, this, &QWidget::close);
    showJournal({});
}

JournalWindow::~JournalWindow() = default;

void JournalWindow::showUnreadable(const std::string& why) {
    showJournal({});
    empty_->setText("Журнал не удалось прочитать.\n" + Q(why));
}

void JournalWindow::showJournal(const data::JournalSummary& journal) {
    empty_->setText("Журнал пока пуст.\nПоймайте первую рыбу — она появится здесь.");
    // What an earlier reading drew goes, axes and all.
    for (QChart* chart : {weightChart_, placeChart_, moneyChart_}) {
        chart->removeAllSeries();
        for (QAbstractAxis* axis : chart->axes()) {
            chart->removeAxis(axis);
            delete axis;
        }
    }
    if (journal.catches.empty()) {
        model_->reset({});
        bests_->setRowCount(0);
        pages_->setCurrentWidget(empty_);
        return;
    }
    long long total = 0;
    for (const data::JournalCatch& c : journal.catches) total += c.landing.weight;
    totals_->setText(QString("Поймано рыб: %1, общий вес: %2").arg(journal.catches.size()).arg(WeightText(total, texts_)));
    model_->reset(journal.catches);
    table_->sortByColumn(Time, Qt::DescendingOrder);  // the newest first
    // Widths from the first rows only: measuring every row of a long journal
    // would cost more than the whole rest of the opening.
    table_->horizontalHeader()->setResizeContentsPrecision(100);
    table_->resizeColumnsToContents();
    fillBests(journal);
    fillWeightChart(journal);
    fillPlaceChart(journal);
    fillMoneyChart(journal);
    pages_->setCurrentIndex(1);
}

bool JournalWindow::showsEmptyLine() const { return pages_->currentWidget() == empty_; }
const QAbstractItemModel* JournalWindow::catchTable() const { return model_; }
QString JournalWindow::emptyText() const { return empty_->text(); }

void JournalWindow::fillBests(const data::JournalSummary& journal) {
    std::map<std::string, const data::JournalCatch*> best;  // by species, in name order
    for (const data::JournalCatch& c : journal.catches) {
        const data::JournalCatch*& b = best[c.landing.species];
        if (!b || c.landing.weight > b->landing.weight) b = &c;  // the first of equal weights holds
    }
    bests_->setRowCount(int(best.size()));
    int row = 0;
    for (const auto& [species, c] : best) {
        const data::JournalEntry& e = c->landing;
        const QString cells[] = {Q(species), WeightText(e.weight, texts_), Q(e.time), Q(e.map), QString::number(e.place)};
        for (int col = 0; col < 5; ++col) bests_->setItem(row, col, new QTableWidgetItem(cells[col]));
        ++row;
    }
    bests_->resizeColumnsToContents();
}

void JournalWindow::fillWeightChart(const data::JournalSummary& journal) {
    std::map<std::string, QList<QPointF>> points;
    qint64 first = 0, last = 0;
    double heaviest = 0;
    Stamps stamps;
    for (const data::JournalCatch& c : journal.catches) {
        const std::optional<qint64> when = stamps(c.landing.time);
        if (!when) continue;
        const qint64 ms = *when;
        if (points.empty() || ms < first) first = ms;
        if (points.empty() || ms > last) last = ms;
        const double kg = double(c.landing.weight) / 1000.0;
        heaviest = std::max(heaviest, kg);
        points[c.landing.species].append(QPointF(double(ms), kg));
    }
    if (points.empty()) return;
    if (first == last) first -= 3600 * 1000, last += 3600 * 1000;  // one moment still gets a span
    // A margin, so that the first and last catch are not drawn on the axes.
    const qint64 margin = (last - first) / 30;
    first -= margin;
    last += margin;
    auto* x = new QDateTimeAxis;
    x->setFormat(last - first > 2LL * 24 * 3600 * 1000 ? "dd.MM.yy" : "dd.MM HH:mm");
    x->setRange(QDateTime::fromMSecsSinceEpoch(first), QDateTime::fromMSecsSinceEpoch(last));
    auto* y = new QValueAxis;
    y->setTitleText("Вес, кг");
    y->setRange(0, heaviest * 1.05);
    y->applyNiceNumbers();
    y->setLabelFormat("%.1f");
    weightChart_->addAxis(x, Qt::AlignBottom);
    weightChart_->addAxis(y, Qt::AlignLeft);
    // Points of a line series drawn without its line: a scatter series makes
    // an item of every point, ten times slower to lay out and paint.
    for (auto& [species, list] : points) {
        auto* series = new QLineSeries;
        series->setName(Q(species));
        series->replace(list);
        weightChart_->addSeries(series);
        QPen pen = series->pen();  // the theme's colour for this species
        pen.setStyle(Qt::NoPen);
        series->setPen(pen);
        series->setPointsVisible(true);
        series->setMarkerSize(6);
        series->attachAxis(x);
        series->attachAxis(y);
    }
    weightChart_->legend()->setMarkerShape(QLegend::MarkerShapeCircle);
}

void JournalWindow::fillPlaceChart(const data::JournalSummary& journal) {
    std::map<std::pair<std::string, long long>, int> counts;
    for (const data::JournalCatch& c : journal.catches) ++counts[{c.landing.map, c.landing.place}];
    auto* set = new QBarSet("Уловы");
    QStringList names;
    int most = 0;
    // Drawn from the bottom up: the first place in name order at the top.
    for (auto it = counts.rbegin(); it != counts.rend(); ++it) {
        data::JournalEntry where;
        where.map = it->first.first;
        where.place = it->first.second;
        names << PlaceText(where);
        *set << it->second;
        most = std::max(most, it->second);
    }
    auto* series = new QHorizontalBarSeries;
    series->append(set);
    series->setLabelsVisible(true);
    placeChart_->addSeries(series);
    auto* y = new QBarCategoryAxis;
    y->append(names);
    auto* x = new QValueAxis;
    x->setRange(0, most + 1);
    x->setLabelFormat("%d");
    x->setTitleText("Поймано рыб");
    placeChart_->addAxis(y, Qt::AlignLeft);
    placeChart_->addAxis(x, Qt::AlignBottom);
    series->attachAxis(y);
    series->attachAxis(x);
    placeChart_->legend()->hide();
}

void JournalWindow::fillMoneyChart(const data::JournalSummary& journal) {
    if (journal.sessions.empty()) return;
    auto* series = new QLineSeries;
    series->setName("Деньги после сеанса, $");
    series->setPointsVisible(true);
    long long low = journal.sessions.front().money, high = low;
    for (std::size_t i = 0; i < journal.sessions.size(); ++i) {
        const long long money = journal.sessions[i].money;
        series->append(double(i + 1), double(money));
        low = std::min(low, money);
        high = std::max(high, money);
    }
    moneyChart_->addSeries(series);
    const int count = int(journal.sessions.size());
    auto* x = new QValueAxis;
    x->setTitleText("Сеанс");
    x->setLabelFormat("%d");
    x->setRange(0.5, count + 0.5);
    x->setTickType(QValueAxis::TicksDynamic);
    x->setTickAnchor(1);
    x->setTickInterval(std::max(1, count / 10));
    auto* y = new QValueAxis;
    y->setTitleText("$");
    y->setLabelFormat("%d");
    y->setRange(double(std::min(0LL, low)), double(high) * 1.05 + 1);
    y->applyNiceNumbers();
    moneyChart_->addAxis(x, Qt::AlignBottom);
    moneyChart_->addAxis(y, Qt::AlignLeft);
    series->attachAxis(x);
    series->attachAxis(y);
    moneyChart_->legend()->hide();
}

}  // namespace ui
