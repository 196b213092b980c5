// «Журнал рыбака»: the table, the bests and a chart series per species for a
// journal of three species; the friendly line for an empty one; J on the map
// and at the base opens it from its module without an entry into the game,
// and without the module J tells so and the game plays on.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QTest>
#include <QtCharts/QBarCategoryAxis>
#include <QtCharts/QChart>
#include <QtCharts/QXYSeries>
#include <fstream>
#include <functional>

#include "data/journal_file.h"
#include "shell/game.h"
#include "shell/journal.h"
#include "test_game.h"
#include "ui/game_host.h"
#include "ui/journal/journal_window.h"
#include "ui/journal_opener.h"
#include "ui/modules.h"
#include "ui_support.h"

namespace {

using data::JournalEntry;
using data::JournalKind;
using testing_support::TestFolder;
using testing_support::TestGame;

JournalEntry Catch(long long id, std::string time, std::string map, long long place, std::string species, long long grams) {
    JournalEntry e;
    e.kind = JournalKind::Catch;
    e.id = id;
    e.time = std::move(time);
    e.map = std::move(map);
    e.place = place;
    e.species = std::move(species);
    e.weight = grams;
    e.rig = "поплавок";
    e.rod = "Удочка";
    e.line = "0,2";
    e.bait = "червь";
    return e;
}

JournalEntry Line(JournalKind kind, long long id, std::string time, std::optional<long long> money = {}) {
    JournalEntry e;
    e.kind = kind;
    e.id = id;
    e.time = std::move(time);
    e.money = money;
    return e;
}

// Three species over two sessions at three places.
std::vector<JournalEntry> ThreeSpecies() {
    return {
        Line(JournalKind::Session, 0, "2026-12-01 10:00:00", 50),
        Catch(1, "2026-12-01 10:20:00", "Озеро", 1, "щука", 2600),
        Catch(2, "2026-12-01 10:40:00", "Озеро", 1, "окунь", 300),
        Line(JournalKind::Evaluated, 1, "2026-12-01 11:00:00", 60),
        Line(JournalKind::Session, 0, "2026-12-03 09:00:00", 40),
        Catch(3, "2026-12-03 09:30:00", "Река, у моста", 2, "окунь", 450),
        Catch(4, "2026-12-03 09:50:00", "Озеро", 2, "сом", 9000),
        Line(JournalKind::Bought, 3, "2026-12-03 12:00:00", 49),
    };
}

std::vector<std::string> Column(const QAbstractItemModel& m, int column) {
    std::vector<std::string> out;
    for (int row = 0; row < m.rowCount(); ++row) out.push_back(m.index(row, column).data().toString().toStdString());
    return out;
}

std::vector<std::string> SeriesNames(const QChart& chart) {
    std::vector<std::string> out;
    for (const QAbstractSeries* s : chart.series()) out.push_back(s->name().toStdString());
    return out;
}

TEST(JournalWindow, ThreeSpeciesShowTheirRowsBestsAndASeriesEach) {
    ui_test::App();
    TestFolder f;
    const auto file = f.root() / "journal.csv";
    data::AppendJournal(file, ThreeSpecies());
    const ui::GameJournalTexts texts(',');
    ui::JournalWindow w(nullptr, texts);
    ui::ShowJournalFile(w, file);
    EXPECT_EQ(w.windowTitle(), QString("Журнал рыбака"));
    ASSERT_FALSE(w.showsEmptyLine());

    const QAbstractItemModel& table = *w.catchTable();
    ASSERT_EQ(table.rowCount(), 4);
    // The newest first; every field of a catch in its column.
    EXPECT_EQ(Column(table, 0), (std::vector<std::string>{"2026-12-03 09:50:00", "2026-12-03 09:30:00",
                                                          "2026-12-01 10:40:00", "2026-12-01 10:20:00"}));
    EXPECT_EQ(Column(table, 4), (std::vector<std::string>{"9 кг", "450 г", "300 г", "2,6 кг"}));
    EXPECT_EQ(Column(table, 9), (std::vector<std::string>{"в садке", "продана скупщику", "в садке", "продана на оценке"}));
    EXPECT_EQ(table.index(3, 1).data().toString(), QString("Озеро"));
    EXPECT_EQ(table.index(1, 1).data().toString(), QString("Река, у моста"));
    EXPECT_EQ(table.index(3, 8).data().toString(), QString("червь"));

    // Sorted by weight the number decides, not the text ("9 кг" < "450 г" as text).
    w.catchView()->sortByColumn(4, Qt::AscendingOrder);
    EXPECT_EQ(Column(table, 3), (std::vector<std::string>{"окунь", "окунь", "щука", "сом"}));
    w.catchView()->sortByColumn(2, Qt::DescendingOrder);
    EXPECT_EQ(Column(table, 2), (std::vector<std::string>{"2", "2", "1", "1"}));

    const QTableWidget& bests = *w.bests();
    ASSERT_EQ(bests.rowCount(), 3);
    EXPECT_EQ(bests.item(0, 0)->text(), QString("окунь"));
    EXPECT_EQ(bests.item(0, 1)->text(), QString("450 г"));
    EXPECT_EQ(bests.item(0, 2)->text(), QString("2026-12-03 09:30:00"));
    EXPECT_EQ(bests.item(0, 3)->text(), QString("Река, у моста"));
    EXPECT_EQ(bests.item(0, 4)->text(), QString("2"));

    EXPECT_EQ(SeriesNames(*w.weightChart()), (std::vector<std::string>{"окунь", "сом", "щука"}));
    const auto* perch = static_cast<const QXYSeries*>(w.weightChart()->series()[0]);
    ASSERT_EQ(perch->count(), 2);
    EXPECT_DOUBLE_EQ(perch->at(1).y(), 0.45);

    ASSERT_EQ(w.placeChart()->series().size(), 1);
    auto* places = qobject_cast<QBarCategoryAxis*>(w.placeChart()->axes(Qt::Vertical).value(0));
    ASSERT_TRUE(places);
    EXPECT_EQ(places->categories(), (QStringList{"Река, у моста, место 2", "Озеро, место 2", "Озеро, место 1"}));

    ASSERT_EQ(w.moneyChart()->series().size(), 1);
    const auto* money = static_cast<const QXYSeries*>(w.moneyChart()->series()[0]);
    ASSERT_EQ(money->count(), 2);
    EXPECT_EQ(money->at(0), QPointF(1, 60));
    EXPECT_EQ(money->at(1), QPointF(2, 49));
}

TEST(JournalWindow, AnEmptyJournalShowsAFriendlyLineAndNoChartAxes) {
    ui_test::App();
    TestFolder f;
    const auto file = f.root() / "journal.csv";
    const ui::GameJournalTexts texts(',');
    ui::JournalWindow w(nullptr, texts);
    ui::ShowJournalFile(w, file);  // no file yet
    EXPECT_TRUE(w.showsEmptyLine());
    EXPECT_TRUE(w.emptyText().startsWith("Журнал пока пуст"));

    // A journal read before, then emptied of its catches, leaves no old axes.
    data::AppendJournal(file, ThreeSpecies());
    ui::ShowJournalFile(w, file);
    ASSERT_FALSE(w.showsEmptyLine());
    std::filesystem::resize_file(file, 0);
    data::AppendJournal(file, {Line(JournalKind::Session, 0, "2026-12-04 09:00:00", 40)});
    ui::ShowJournalFile(w, file);
    EXPECT_TRUE(w.showsEmptyLine());
    for (QChart* chart : {w.weightChart(), w.placeChart(), w.moneyChart()}) {
        EXPECT_TRUE(chart->series().isEmpty()) << chart->title().toStdString();
        EXPECT_TRUE(chart->axes().isEmpty()) << chart->title().toStdString();
    }

    std::filesystem::create_directories(f.root() / "folder.csv");
    ui::ShowJournalFile(w, f.root() / "folder.csv");
    EXPECT_TRUE(w.showsEmptyLine());
    EXPECT_TRUE(w.emptyText().startsWith("Журнал не удалось прочитать")) << w.emptyText().toStdString();
}

struct Hosted {
    Hosted() : host((ui_test::App(), t.game()), [this] { return std::chrono::milliseconds(now); }) {
        t.run("answer Вася\n");
        host.start();
        now = 2000;
        host.pump();
    }
    ui::FormWindow& window(const std::string& form) { return *host.window(form); }
    TestGame t;
    std::int64_t now = 0;
    ui::GameHost host;
};

TEST(JournalWindow, JOnTheMapAndAtTheBaseOpensItAndTheGameHearsNothing) {
    const struct {
        const char* form;
        Qt::Key key;
        const char* text;
    } cases[] = {
        {"Form1", Qt::Key_J, "j"},
        {"Form1", Qt::Key(0x041E), "о"},  // the J key under a Russian layout
        {"Base", Qt::Key_J, "J"},
    };
    for (const auto& c : cases) {
        Hosted h;
        data::AppendJournal(klev::JournalPath(h.t.game()), ThreeSpecies());
        if (std::string(c.form) == "Base") h.host.run([&] { h.t.game().form("Base").Show(); });
        ASSERT_TRUE(h.window(c.form).isVisible()) << c.form;
        const std::int64_t gameTime = h.t.game().timers.now();
        h.now = 7000;  // real time ran on: any entry into the game would bring its clock here
        QTest::sendKeyEvent(QTest::Press, &h.window(c.form), c.key, c.text, Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Release, &h.window(c.form), c.key, c.text, Qt::NoModifier);
        QWidget* journal = h.host.journalWindow();
        ASSERT_TRUE(journal) << c.form << " " << c.text;
        EXPECT_TRUE(journal->isVisible());
        EXPECT_TRUE(journal->isWindow()) << "a window of its own, not a control of a form";
        const auto* catches = journal->findChild<QTableView*>("catches");
        ASSERT_TRUE(catches);
        EXPECT_EQ(catches->model()->rowCount(), 4);
        EXPECT_EQ(h.t.game().timers.now(), gameTime) << c.form << " " << c.text;
        EXPECT_TRUE(h.window(c.form).isVisible());
    }
}

TEST(JournalWindow, WithoutItsModuleJTellsSoAndTheGamePlaysOn) {
    const struct {
        const char* what;
        std::function<void(const std::filesystem::path& dir)> make;
    } cases[] = {
        {"no module", [](const auto&) {}},
        {"a file that is no library", [](const auto& dir) { std::ofstream(dir / "libklevnitsa_journal.so") << "MZ"; }},
        {"a library without the entry point",
         [](const auto& dir) {
             const auto sound = QCoreApplication::applicationDirPath().toStdString() + "/libklevnitsa_sound.so";
             std::filesystem::copy_file(sound, dir / "libklevnitsa_journal.so");
         }},
    };
    for (const auto& c : cases) {
        Hosted h;
        const auto dir = h.t.folder.root() / "modules";
        std::filesystem::create_directories(dir);
        c.make(dir);
        h.host.setModuleDirs({QString::fromStdString(dir.string())});
        const std::int64_t gameTime = h.t.game().timers.now();
        h.now = 7000;
        testing::internal::CaptureStderr();
        QTest::keyClick(&h.window("Form1"), Qt::Key_J);
        QTest::keyClick(&h.window("Form1"), Qt::Key_J);  // and again: still no crash
        const std::string err = testing::internal::GetCapturedStderr();
        EXPECT_FALSE(h.host.journalWindow()) << c.what;
        EXPECT_EQ(h.t.driver().dialogs().takeMessages(),
                  std::vector<std::string>(2, "Журнал рыбака недоступен: не найден модуль klevnitsa_journal."))
            << c.what;
        EXPECT_NE(err.find("klevnitsa: the catch journal's module klevnitsa_journal is missing: "), std::string::npos)
            << c.what << ": " << err;
        EXPECT_EQ(h.t.game().timers.now(), gameTime) << c.what;
        ASSERT_FALSE(h.host.finished()) << c.what;
        EXPECT_TRUE(h.window("Form1").isVisible()) << c.what;

        // The game plays on, and with its module found the journal opens.
        h.host.pump();
        EXPECT_EQ(h.t.game().timers.now(), 7000) << c.what;
        h.host.setModuleDirs(ui::ModuleDirs());
        QTest::keyClick(&h.window("Form1"), Qt::Key_J);
        ASSERT_TRUE(h.host.journalWindow()) << c.what;
        EXPECT_TRUE(h.host.journalWindow()->isVisible()) << c.what;
    }
}

TEST(JournalWindow, TheSceneLeavesJToTheGame) {
    Hosted h;
    h.host.run([&] { h.t.game().form("SceneForm").Show(); });
    QTest::keyClick(&h.window("SceneForm"), Qt::Key_J);
    EXPECT_FALSE(h.host.journalWindow());
}

}  // namespace
