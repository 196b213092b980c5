// The game on screen through the host: windows follow the forms after every
// tick and every input, the pump timer is set to the next due tick, overdue
// ticks are coalesced, nothing runs inside a running handler, and a failure
// or the end of the game ends the run with its status.

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>
#include <stdexcept>

#include "base/movie1.h"
#include "mainscreen/about.h"
#include "mainscreen/form1.h"
#include "scene/scene_form.h"
#include "shell/game.h"
#include "test_game.h"
#include "ui/control_view.h"
#include "ui/game_host.h"
#include "ui/shown_extras.h"
#include "ui_support.h"

namespace {

using testing_support::TestGame;
using ui::ControlView;
using ui::FormWindow;
using ui::GameHost;
using ui_test::App;

struct Hosted {
    Hosted() : host((App(), t.game()), [this] { return std::chrono::milliseconds(now) + part; }) {}
    // Starts the game and answers the name prompt at 2 s.
    void toMap() {
        t.run("answer Вася\n");
        host.start();
        now = 2000;
        host.pump();
    }
    FormWindow& window(const std::string& form) {
        FormWindow* w = host.window(form);
        if (!w) throw std::runtime_error("no window " + form);
        return *w;
    }
    ControlView& view(const std::string& form, const std::string& control) {
        ControlView* v = window(form).view(control);
        if (!v) throw std::runtime_error("no view " + form + "." + control);
        return *v;
    }
    // Clicks where the player sees the control: on the stage.
    void clickOn(const std::string& form, const std::string& control) {
        ControlView& v = view(form, control);
        const QPoint at = host.stage().toViewport(v, v.rect().center());
        QTest::mouseClick(host.stage().viewport(), Qt::LeftButton, {}, at);
    }
    TestGame t;
    std::int64_t now = 0;                 // ms
    std::chrono::nanoseconds part{0};    // and a part of the next ms
    GameHost host;
};

TEST(GameHost, TheSplashShowsFirstAndItsTickBringsTheMap) {
    Hosted h;
    h.t.run("answer Вася\n");
    h.host.start();
    EXPECT_TRUE(h.window("About").isVisible());
    EXPECT_EQ(h.host.window("Form1"), nullptr) << "the map window is made by the loaders";
    EXPECT_EQ(h.host.armedFor(), 2000);
    EXPECT_TRUE(h.host.pumpAlarm().isActive());
    EXPECT_EQ(h.host.pumpAlarm().lastWait(), std::chrono::milliseconds(2000));

    h.now = 1990;
    h.host.pump();
    EXPECT_TRUE(h.window("About").isVisible()) << "not due yet";
    EXPECT_EQ(h.host.armedFor(), 2000);

    h.now = 2000;
    h.host.pump();
    EXPECT_FALSE(h.window("About").isVisible());
    FormWindow& map = h.window("Form1");
    EXPECT_TRUE(map.isVisible());
    EXPECT_EQ(map.windowTitle(), QString("Клевница 2 "));
    EXPECT_EQ(map.size(), QSize(840, 600));
    EXPECT_EQ(h.view("Form1", "Label1").shownCaption(), QString("Озеро"));
    // The lake's places lie at 2400,3000 and 6000,4200 twips.
    EXPECT_EQ(h.view("Form1", "PScene(1)").pos(), QPoint(160, 200));
    EXPECT_EQ(h.view("Form1", "PScene(2)").pos(), QPoint(400, 280));
    EXPECT_TRUE(h.view("Form1", "PScene(2)").isVisible());
    EXPECT_EQ(h.window("Form1").view("PScene(3)"), nullptr);
    EXPECT_EQ(h.host.armedFor(), 3000) << "the map's event timer is next";
    EXPECT_FALSE(h.host.finished());
}

TEST(GameHost, AChangeMadeByATimerTickReachesTheWidget) {
    Hosted h;
    h.toMap();
    klev::Form1& form1 = h.t.game().window<klev::Form1>();
    int ticks = 0;
    forms::Timer probe(h.t.game().timers, "Probe", 250, [&] {
        ++ticks;
        form1.Info.Caption = "тик " + std::to_string(ticks);
    });
    probe.setEnabled(true);
    h.host.syncAll();
    EXPECT_EQ(h.view("Form1", "Info").shownCaption(), QString(""));

    h.now = 2250;
    h.host.pump();
    EXPECT_EQ(ticks, 1);
    EXPECT_EQ(h.view("Form1", "Info").shownCaption(), QString("тик 1"));
    EXPECT_EQ(h.host.armedFor(), 2500);
}

TEST(GameHost, TicksFoundLongOverdueFireOnceAndCountOnFromNow) {
    Hosted h;
    h.toMap();
    int ticks = 0;
    forms::Timer probe(h.t.game().timers, "Probe", 100, [&] { ++ticks; });
    probe.setEnabled(true);  // due at 2100
    h.now = 2950;
    h.host.pump();
    EXPECT_EQ(ticks, 1);
    EXPECT_EQ(h.host.armedFor(), 3000) << "the map's timer, then the probe at 3050";
    h.now = 3000;
    h.host.pump();
    EXPECT_EQ(ticks, 1);
    EXPECT_EQ(h.host.armedFor(), 3050);
}

TEST(GameHost, NoTickRunsInsideARunningHandler) {
    Hosted h;
    h.t.run("answer Вася\n");
    h.host.start();
    h.now = 2500;
    bool splashDuring = false;
    h.host.run([&] {
        h.host.pump();  // as when a dialog's own event loop lets the pump timer fire
        splashDuring = h.t.game().window<klev::About>().Visible;
    });
    EXPECT_TRUE(splashDuring);
    EXPECT_EQ(h.host.armedFor(), 2000) << "armed again once the handler returned";
    h.host.pump();
    EXPECT_FALSE(h.t.game().window<klev::About>().Visible);
    EXPECT_TRUE(h.window("Form1").isVisible());
}

TEST(GameHost, ClicksOnTheMapSwitchMapsOnScreen) {
    Hosted h;
    h.toMap();
    h.clickOn("Form1", "Label4");
    EXPECT_EQ(h.view("Form1", "Label1").shownCaption(), QString("Река"));
    ASSERT_NE(h.window("Form1").view("PScene(3)"), nullptr);
    EXPECT_EQ(h.view("Form1", "PScene(3)").pos(), QPoint(300, 300));
    EXPECT_TRUE(h.view("Form1", "PScene(3)").isVisible());

    h.clickOn("Form1", "Label3");
    EXPECT_EQ(h.view("Form1", "Label1").shownCaption(), QString("Озеро"));
    EXPECT_EQ(h.window("Form1").view("PScene(3)"), nullptr) << "the river's third marker is gone";
    EXPECT_EQ(h.view("Form1", "PScene(1)").pos(), QPoint(160, 200));
}

TEST(GameHost, ShownWindowsComeOnTopAndHiddenOnesGo) {
    Hosted h;
    h.toMap();
    h.clickOn("Form1", "Label6");
    FormWindow& credits = h.window("MyStudio");
    EXPECT_TRUE(credits.isVisible());
    EXPECT_TRUE(h.window("Form1").isVisible());
    EXPECT_EQ(credits.windowTitle(), QString("О программе"));
    // Drawn by the stage, the windows have no native window of their own.
    EXPECT_EQ(credits.windowHandle(), nullptr);
    EXPECT_EQ(h.window("Form1").windowHandle(), nullptr);
    h.clickOn("MyStudio", "Label8");
    EXPECT_FALSE(credits.isVisible());
}

TEST(GameHost, TheExitLabelSavesAndEndsTheRunWithStatusZero) {
    Hosted h;
    h.toMap();
    QSignalSpy ended(&h.host, &GameHost::ended);
    h.clickOn("Form1", "Label5");
    EXPECT_TRUE(h.host.finished());
    EXPECT_EQ(h.host.exitCode(), 0);
    ASSERT_EQ(ended.count(), 1);
    EXPECT_EQ(ended.at(0).at(0).toInt(), 0);
    EXPECT_FALSE(h.window("Form1").isVisible());
    EXPECT_FALSE(h.host.armedFor().has_value());
    EXPECT_FALSE(h.t.folder.read("Saves/Вася/vrb.cfg").empty());

    // Nothing reaches the game any more.
    EXPECT_FALSE(h.host.run([] { throw std::runtime_error("must not run"); }));
    EXPECT_EQ(ended.count(), 1);
}

TEST(GameHost, TheTitleBarCloseIsTheFormsToDecide) {
    Hosted h;
    h.toMap();
    h.window("Form1").close();
    // The map's close saves and ends like its exit label.
    EXPECT_TRUE(h.host.finished());
    EXPECT_EQ(h.host.exitCode(), 0);
    EXPECT_FALSE(h.t.folder.read("Saves/Вася/vrb.cfg").empty());
}

TEST(GameHost, AFatalDataErrorShowsItsMessageAndEndsWithStatusOne) {
    Hosted h;
    h.t.folder.remove("Data/Maps/Info.inf");
    const std::string records = h.t.folder.read("Data/rec.cfg");
    QSignalSpy ended(&h.host, &GameHost::ended);
    h.toMap();
    EXPECT_TRUE(h.host.finished());
    EXPECT_EQ(h.host.exitCode(), 1);
    ASSERT_EQ(ended.count(), 1);
    EXPECT_EQ(ended.at(0).at(0).toInt(), 1);
    const auto messages = h.t.driver().dialogs().takeMessages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find("Info.inf"), std::string::npos) << messages[0];
    EXPECT_FALSE(h.host.armedFor().has_value());
    EXPECT_FALSE(h.t.game().timers.nextDue().has_value()) << "no timer of the game fires again";
    for (forms::Form* f : h.t.game().createdForms())
        if (FormWindow* w = h.host.window(*f)) EXPECT_FALSE(w->isVisible()) << f->name();
    EXPECT_EQ(h.t.folder.read("Data/rec.cfg"), records);
    EXPECT_EQ(h.t.folder.read("Saves/Вася/vrb.cfg"), "") << "the new save stays as the start made it";
}

TEST(GameHost, AnyExceptionFromATickIsFatalToo) {
    Hosted h;
    h.toMap();
    forms::Timer bomb(h.t.game().timers, "Bomb", 100, [] { throw std::runtime_error("Overflow"); });
    bomb.setEnabled(true);
    h.now = 2100;
    h.host.pump();
    EXPECT_EQ(h.host.exitCode(), 1);
    EXPECT_EQ(h.t.driver().dialogs().takeMessages(), std::vector<std::string>{"Overflow"});
    EXPECT_FALSE(h.window("Form1").isVisible());
}

}  // namespace

TEST(GameHost, InputComesAfterTheDueTicksAndATimerItStartsCountsFromIt) {
    Hosted h;
    h.toMap();
    h.clickOn("Form1", "Butt_base");
    // The pump has not run since 2000: the click at 2700 brings the clock up first.
    h.now = 2700;
    h.clickOn("Base", "But_shop");
    auto& movie = h.t.game().window<klev::Movie1>();
    EXPECT_EQ(h.t.game().timers.now(), 2700);
    EXPECT_EQ(movie.Timer1.due(), 2700 + 1500);
    h.now = 4199;
    h.host.pump();
    EXPECT_TRUE(movie.Visible);
    h.now = 4200;
    h.host.pump();
    EXPECT_FALSE(movie.Visible);
}

TEST(GameHost, InputOnAWindowThatADueTickTookAwayGoesNowhere) {
    Hosted h;
    h.t.run("answer Вася\n");
    h.host.start();
    h.now = 2000;  // the splash's tick is due, but the pump has not run
    h.host.deliver(h.t.game().window<klev::About>(), forms::Event::Click, "", {});
    EXPECT_FALSE(h.t.game().window<klev::About>().Visible);
    EXPECT_TRUE(h.window("Form1").isVisible());
}

TEST(GameHost, TheInventoryShowsTheItemsInUseThoughItWasNeverGivenThem) {
    Hosted h;
    h.toMap();
    klev::SaveData& save = h.t.game().save;  // as a save read at start-up leaves it
    save.OwnedRods.push_back({.Name = "Удочка бамбуковая"});
    save.OwnedBaits.push_back({.Name = "Выползок", .Amount = 7});
    save.OwnedLines.push_back({.Name = "Леска 0,2", .LineLength = 50});
    save.RodSlot = save.BaitSlot = save.LineSlot = 1;
    h.clickOn("Form1", "Butt_base");
    h.clickOn("Base", "Image1");
    auto& inventory = h.t.game().form("InvenFr");
    EXPECT_FALSE(h.view("InvenFr", "Sp_pic").pictureRect().isEmpty());
    EXPECT_FALSE(h.view("InvenFr", "Nas_pic").pictureRect().isEmpty());
    EXPECT_EQ(inventory.find("Nas_Kol")->Caption, "7") << "the model keeps what the base wrote";
    EXPECT_EQ(h.view("InvenFr", "Nas_Kol").shownCaption(), QString("Осталось: 7"));
    EXPECT_EQ(h.view("InvenFr", "Leska_Kol").shownCaption(), QString("Осталось: 50 м"));
    EXPECT_EQ(h.view("InvenFr", "Leska_Naz").shownCaption(), QString("Леска 0,2"));
    EXPECT_EQ(h.view("InvenFr", "Bles_Raz").shownCaption(), QString()) << "no lure in use";
}

TEST(GameHost, TheTensionBarIsDrawnAtRestUntilTheTackleIsFirstReset) {
    Hosted h;
    const auto adjust = ui::SceneShown(h.t.game());
    const forms::Control& bar = *h.t.game().form("SceneForm").find("HerboLine");
    std::string caption;
    std::shared_ptr<const forms::Image> image;
    QRect designed(224, 419, 113, 9);
    adjust(bar, {caption, designed, image});
    EXPECT_EQ(designed.width(), 1);
    h.t.game().fishing.Hooked = true;
    h.t.game().fishing.Tension = 1695;
    QRect hooked(224, 419, 113, 9);
    adjust(bar, {caption, hooked, image});
    EXPECT_EQ(hooked.width(), 113);
}

TEST(GameHost, InputOnAControlThatIsNoLongerLoadedGoesNowhere) {
    Hosted h;
    h.toMap();
    // The lake has two places: a marker 3 is what the river left behind,
    // unloaded by the switch back before its view could go.
    ASSERT_EQ(h.t.game().form("Form1").find("PScene", 3), nullptr);
    forms::EventArgs args;
    args.index = 3;
    EXPECT_TRUE(h.host.deliver(h.t.game().window<klev::Form1>(), forms::Event::Click, "PScene", args));
    EXPECT_FALSE(h.t.game().form("SceneForm").Visible) << "no place is opened for a marker not on the map";
    args.index = 2;
    h.host.deliver(h.t.game().window<klev::Form1>(), forms::Event::Click, "PScene", args);
    EXPECT_TRUE(h.t.game().form("SceneForm").Visible);
}

TEST(GameHost, ThePumpWaitsForTheNextTickToTheNanosecond) {
    using std::chrono::microseconds;
    using std::chrono::milliseconds;
    using std::chrono::nanoseconds;
    Hosted h;
    h.t.run("answer Вася\n");
    h.host.start();
    // The splash's tick is due at 2000 ms; woken between two milliseconds, the
    // game's clock reads the whole millisecond, the wait is to the nanosecond.
    const struct {
        std::int64_t ms;
        nanoseconds part;
        nanoseconds wait;
    } wakes[] = {
        {1990, microseconds(400), microseconds(9600)},
        {1999, nanoseconds(999'999), nanoseconds(1)},
    };
    for (const auto& w : wakes) {
        h.now = w.ms;
        h.part = w.part;
        h.host.pump();
        EXPECT_TRUE(h.window("About").isVisible()) << w.ms << " ms is before the tick";
        EXPECT_EQ(h.host.armedFor(), 2000);
        EXPECT_EQ(h.host.pumpAlarm().lastWait(), w.wait) << w.ms;
    }
    h.now = 2000;
    h.part = nanoseconds(0);
    h.host.pump();
    EXPECT_FALSE(h.window("About").isVisible());
}

TEST(GameHost, ATimerAKeyStartsFiresOneIntervalAfterTheKey) {
    using std::chrono::microseconds;
    Hosted h;
    h.t.startAs();
    // A rod, a line and worms in use, then the first place with the float.
    h.t.run("click Form1.Butt_base\nclick Base.But_shop\nadvance 1500\n"
            "select ShopFr.List_Sp 0\ndblclick ShopFr.List_Sp\n"
            "click ShopFr.Razdel_B(1)\nselect ShopFr.List_Leska 0\ndblclick ShopFr.List_Leska\n"
            "click ShopFr.Razdel_B(2)\nselect ShopFr.List_Nas 0\ndblclick ShopFr.List_Nas\nclick ShopFr.Label5\n"
            "click Form1.Butt_base\nclick Base.Image1\n"
            "down InvenFr.But_SP 100 100\nselect InvenFr.List1 0\n"
            "down InvenFr.Label2 100 100\nselect InvenFr.List1 0\n"
            "down InvenFr.Label3 100 100\nselect InvenFr.List1 0\n"
            "click InvenFr.Label5\nclick Base.Image3\n"
            "click Form1.PScene(1)\nclick SceneForm.Butt_Popl\n");
    h.host.syncAll();
    klev::Game& game = h.t.game();
    auto& animation = game.window<klev::SceneForm>().Speen_AnimationT;
    ASSERT_FALSE(animation.enabled());

    // Space, 700.6 ms after the game's clock last moved: the cast's animation
    // counts its 50 ms from the key.
    const std::int64_t key = game.timers.now() + 700;
    h.now = key;
    h.part = microseconds(600);
    QTest::keyClick(&h.window("SceneForm"), Qt::Key_Space);
    EXPECT_EQ(game.timers.now(), key);
    ASSERT_EQ(animation.due(), key + 50);
    EXPECT_EQ(game.fishing.CastFrame, 1);
    // The pump waits to its next tick (the cast's, or one before it) from 700.6 ms.
    ASSERT_TRUE(h.host.armedFor());
    EXPECT_LE(*h.host.armedFor(), key + 50);
    EXPECT_EQ(h.host.pumpAlarm().lastWait(),
              std::chrono::milliseconds(*h.host.armedFor() - key) - microseconds(600));

    h.now = key + 49;
    h.part = microseconds(999);
    h.host.pump();
    EXPECT_EQ(game.fishing.CastFrame, 1) << "49.999 ms after the key";
    h.now = key + 50;
    h.part = microseconds(0);
    h.host.pump();
    EXPECT_EQ(game.fishing.CastFrame, 2) << "the first frame, 50 ms after the key";
}

TEST(PreciseAlarm, RingsOnceNotBeforeItsWaitAndNotAfterAStop) {
    App();
    ui::PreciseAlarm alarm;
    QSignalSpy rings(&alarm, &ui::PreciseAlarm::timeout);
    QElapsedTimer clock;
    clock.start();
    alarm.start(std::chrono::microseconds(2500));
    EXPECT_TRUE(alarm.isActive());
    ASSERT_TRUE(rings.wait(5000));
    EXPECT_GE(clock.nsecsElapsed(), 2'500'000);
    EXPECT_FALSE(alarm.isActive());
    EXPECT_EQ(rings.count(), 1);

    // Expired but not yet seen by the event loop when stopped: it stays silent.
    alarm.start(std::chrono::nanoseconds(1));
    const qint64 started = clock.nsecsElapsed();
    while (clock.nsecsElapsed() - started < 100'000) {
    }
    alarm.stop();
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    EXPECT_EQ(rings.count(), 1);
}
