// One game window: every form on one stage, the front form's caption as the
// title, hidden forms gone, scaling to the window, F11 full screen; keys by
// position under a Russian layout and the help panel's I/F/M keys, which do
// what the scene's icons do, refusals included.

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGraphicsProxyWidget>
#include <QSlider>
#include <QTest>
#include <QTimer>

#include "base/inven_fr.h"
#include "base/trofei.h"
#include "scene/scene_form.h"
#include "shell/game.h"
#include "test_game.h"
#include "ui/control_view.h"
#include "ui/game_host.h"
#include "ui/key_codes.h"
#include "ui/settings.h"
#include "ui_support.h"

namespace {

using testing_support::TestGame;
using ui::FormWindow;
using ui::GameHost;
using ui_test::App;
using ui_test::Recorder;

struct Staged {
    explicit Staged(ui::Settings settings = {}) : host((App(), t.game()), [this] { return std::chrono::milliseconds(now); }, settings) {}
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
    void clickOn(const std::string& form, const std::string& control) {
        ui::ControlView* v = window(form).view(control);
        if (!v) throw std::runtime_error("no view " + control);
        QTest::mouseClick(host.stage().viewport(), Qt::LeftButton, {},
                          host.stage().toViewport(*v, v->rect().center()));
    }
    // A key of a Russian layout on the scene: Qt key of the upper-case letter,
    // the lower-case letter as text, as the window system sends it.
    void russianKey(const std::string& form, char16_t upper, char16_t lower) {
        QTest::sendKeyEvent(QTest::Click, &window(form), Qt::Key(upper), QString(QChar(lower)), Qt::NoModifier);
    }
    TestGame t;
    std::int64_t now = 0;
    GameHost host;
};

}  // namespace

TEST(Stage, EveryFormIsShownInsideTheOneStageWithTheFrontCaptionAsTitle) {
    Staged s;
    s.t.run("answer Вася\n");
    s.host.start();
    ui::Stage& stage = s.host.stage();
    EXPECT_TRUE(stage.isVisible()) << "the splash shows on the stage";
    EXPECT_EQ(stage.front(), &s.window("About"));
    EXPECT_EQ(stage.windowTitle(), QString("Клевница 2")) << "a form without caption leaves the game's name";
    EXPECT_TRUE(s.window("About").graphicsProxyWidget()) << "not a window of its own";

    s.now = 2000;
    s.host.pump();
    EXPECT_FALSE(s.window("About").isVisible());
    EXPECT_EQ(stage.front(), &s.window("Form1"));
    EXPECT_EQ(stage.windowTitle(), QString("Клевница 2 "));

    s.clickOn("Form1", "Label6");
    FormWindow& credits = s.window("MyStudio");
    EXPECT_EQ(stage.front(), &credits);
    EXPECT_EQ(stage.windowTitle(), QString("О программе"));
    EXPECT_GT(credits.graphicsProxyWidget()->zValue(), s.window("Form1").graphicsProxyWidget()->zValue());
    // Centred on the 840 x 600 stage.
    EXPECT_EQ(credits.graphicsProxyWidget()->pos().toPoint(),
              QPoint((840 - credits.width()) / 2, (600 - credits.height()) / 2));
    s.clickOn("MyStudio", "Label8");
    EXPECT_FALSE(credits.isVisible());
    EXPECT_FALSE(credits.graphicsProxyWidget()->isVisible()) << "what the model hides goes";
    EXPECT_EQ(stage.front(), &s.window("Form1"));
    EXPECT_EQ(stage.windowTitle(), QString("Клевница 2 "));
}

TEST(Stage, TheStageScalesToItsWindowKeepingTheAspectOrByAFixedFactor) {
    Staged s;
    s.toMap();
    ui::Stage& stage = s.host.stage();
    stage.resize(1680, 1200);
    EXPECT_DOUBLE_EQ(stage.scale(), 2.0);
    stage.resize(1680, 900);  // height limits: 900 / 600
    EXPECT_DOUBLE_EQ(stage.scale(), 1.5);

    ui::Settings fixed = s.host.settings();
    fixed.scale = ui::ScaleMode::OneAndHalf;
    s.host.applySettings(fixed);
    EXPECT_DOUBLE_EQ(stage.scale(), 1.5);
    stage.resize(900, 700);
    EXPECT_DOUBLE_EQ(stage.scale(), 1.5) << "a fixed factor does not follow the window";
    EXPECT_EQ(ui::Settings::load().scale, ui::ScaleMode::OneAndHalf) << "the choice is stored";

    // A click still lands on its control at any scale.
    fixed.scale = ui::ScaleMode::Two;
    s.host.applySettings(fixed);
    stage.resize(1680, 1200);
    s.clickOn("Form1", "Label6");
    EXPECT_TRUE(s.window("MyStudio").isVisible());
}

TEST(Stage, F11TogglesFullScreenAndTheStateIsRemembered) {
    Staged s;
    s.toMap();
    ui::Stage& stage = s.host.stage();
    ASSERT_FALSE(stage.isFullScreen());
    QTest::keyClick(&stage, Qt::Key_F11);
    EXPECT_TRUE(stage.isFullScreen());
    EXPECT_TRUE(ui::Settings::load().fullScreen);
    QTest::keyClick(&stage, Qt::Key_F11);
    EXPECT_FALSE(stage.isFullScreen());
    EXPECT_FALSE(ui::Settings::load().fullScreen);
}

TEST(Stage, LosingAndRegainingTheKeysRepaintsNothingAndTheKeysComeBackToTheForm) {
    Staged s;
    s.toMap();
    ui::Stage& stage = s.host.stage();
    stage.activateWindow();
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    ASSERT_EQ(QApplication::activeWindow(), &stage);

    struct Count : QObject {
        int paints = 0;
        int keys = 0;
        bool eventFilter(QObject*, QEvent* e) override {
            paints += e->type() == QEvent::Paint;
            keys += e->type() == QEvent::KeyPress;
            return false;
        }
    } count;
    s.window("Form1").installEventFilter(&count);
    stage.viewport()->installEventFilter(&count);
    QWidget other;
    other.show();
    other.activateWindow();
    QCoreApplication::processEvents();
    ASSERT_EQ(QApplication::activeWindow(), &other);
    stage.activateWindow();
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    ASSERT_EQ(QApplication::activeWindow(), &stage);
    EXPECT_EQ(count.paints, 0) << "the game looks the same with the keys or without";
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_A);
    EXPECT_EQ(count.keys, 1) << "the map has the keys again";
}

TEST(Stage, F2OpensTheSettingsWhileTheGameWaitsAndOkAppliesAndStoresThem) {
    Staged s;
    s.toMap();
    ui::Settings chosen;
    bool sawCurrent = false, clockStood = false;
    // Inside the dialog's own loop: the player changes everything, then OK or Cancel.
    auto answer = [&](bool ok) {
        QTimer::singleShot(0, [&, ok] {
            auto* d = qobject_cast<ui::SettingsDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(d, nullptr);
            sawCurrent = d->keysBox()->isChecked() && d->scaleBox()->currentIndex() == 0;
            d->volumeSlider()->setValue(40);
            d->muteBox()->setChecked(true);
            d->scaleBox()->setCurrentIndex(3);
            d->keysBox()->setChecked(false);
            // The pump timer may fire in there: the game must not move.
            const std::int64_t before = s.t.game().timers.now();
            s.now += 5000;
            s.host.pump();
            clockStood = s.t.game().timers.now() == before;
            ok ? d->accept() : d->reject();
        });
    };
    answer(false);
    QTest::keyClick(&s.host.stage(), Qt::Key_F2);
    EXPECT_TRUE(sawCurrent);
    EXPECT_EQ(s.host.settings().volume, 100) << "Cancel changes nothing";
    EXPECT_TRUE(clockStood) << "no tick ran while the dialog was open";

    answer(true);
    QTest::keyClick(&s.host.stage(), Qt::Key_F2);
    const ui::Settings stored = ui::Settings::load();
    for (const ui::Settings& got : {s.host.settings(), stored}) {
        EXPECT_EQ(got.volume, 40);
        EXPECT_TRUE(got.muted);
        EXPECT_EQ(got.scale, ui::ScaleMode::Two);
        EXPECT_FALSE(got.keysByPosition);
    }
    EXPECT_DOUBLE_EQ(s.host.stage().scale(), 2.0);
}

TEST(Stage, TheStagesCloseAsksTheFrontForm) {
    Staged s;
    s.toMap();
    s.host.stage().close();
    // The map's close saves and ends like its exit label.
    EXPECT_TRUE(s.host.finished());
    EXPECT_EQ(s.host.exitCode(), 0);
    EXPECT_FALSE(s.host.stage().isVisible());
}

TEST(Stage, HelpPanelKeysDoWhatTheScenesIconsDoRefusalsIncluded) {
    Staged s;
    s.toMap();
    s.clickOn("Form1", "PScene(1)");
    ASSERT_TRUE(s.window("SceneForm").isVisible());

    s.russianKey("SceneForm", u'Ш', u'ш');  // the I key: the things
    EXPECT_TRUE(s.window("InvenFr").isVisible());
    s.host.run([&] { s.t.game().window<klev::InvenFr>().Hide(); });

    s.russianKey("SceneForm", u'А', u'а');  // the F key: the caught fish
    EXPECT_TRUE(s.window("Trofei").isVisible());
    s.host.run([&] { s.t.game().window<klev::Trofei>().Hide(); });

    // The map icon refuses while the line is snagged; so does M.
    s.host.run([&] { s.t.game().fishing.Snagged = true; });
    s.russianKey("SceneForm", u'Ь', u'ь');
    EXPECT_TRUE(s.window("SceneForm").isVisible());
    EXPECT_EQ(s.t.game().window<klev::SceneForm>().Info_Display.Caption, "Обрежь леску(X)");

    // B goes the way of the map icon, refused alike, then on to the base.
    s.russianKey("SceneForm", u'И', u'и');
    EXPECT_TRUE(s.window("SceneForm").isVisible());
    EXPECT_FALSE(s.window("Base").isVisible());

    s.host.run([&] { s.t.game().fishing.Snagged = false; });
    QTest::keyClick(&s.window("SceneForm"), Qt::Key_M);
    EXPECT_FALSE(s.window("SceneForm").isVisible());
    EXPECT_TRUE(s.window("Form1").isVisible());

    s.clickOn("Form1", "PScene(1)");
    s.russianKey("SceneForm", u'И', u'и');
    EXPECT_FALSE(s.window("SceneForm").isVisible());
    EXPECT_TRUE(s.window("Base").isVisible());
}

namespace {

// A form with one icon that only listens.
class Board : public forms::Form {
public:
    explicit Board(forms::TimerQueue& timers) : forms::Form(timers, "Board") {
        Caption = "Доска";
        label("Icon", "", 0, 0, 300, 300);
    }
};

struct Listening {
    Listening() : form(timers), window((App(), form), recorder, pictures) {
        form.Show();
        window.sync();
    }
    std::vector<std::string> presses() {
        std::vector<std::string> out;
        for (const auto& sent : std::exchange(recorder.sent, {}))
            if (sent.event == forms::Event::KeyPress) out.push_back(std::to_string(sent.args.code));
            else if (sent.event == forms::Event::Click) out.push_back("Click " + sent.control);
        return out;
    }
    void key(Qt::Key key, const QString& text, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::sendKeyEvent(QTest::Press, &window, key, text, modifiers);
        QTest::sendKeyEvent(QTest::Release, &window, key, text, modifiers);
    }
    forms::TimerQueue timers;
    Board form;
    Recorder recorder;
    ui::PictureCache pictures;
    FormWindow window;
};

using Lines = std::vector<std::string>;

}  // namespace

TEST(KeysByPosition, LetterKeysTypeTheirLatinLetterInAnyLayoutOrCapsLock) {
    Listening l;
    l.window.setKeysByPosition(true);
    l.key(Qt::Key(0x0427), "ч");                   // X key, Russian layout: cut
    l.key(Qt::Key(0x0422), "т");                   // N key: groundbait
    l.key(Qt::Key_X, "X");                          // Caps Lock
    l.key(Qt::Key_N, "N", Qt::ShiftModifier);       // Shift
    l.key(Qt::Key_Space, " ");
    l.key(Qt::Key_Return, "\r");
    l.key(Qt::Key_7, "7");
    EXPECT_EQ(l.presses(), (Lines{"120", "110", "120", "110", "32", "13", "55"}));

    // Off, the typed character goes through as it is: the game's own rules
    // then ignore 247, 88 and 78.
    l.window.setKeysByPosition(false);
    l.key(Qt::Key(0x0427), "ч");
    l.key(Qt::Key_X, "X");
    l.key(Qt::Key_N, "N", Qt::ShiftModifier);
    EXPECT_EQ(l.presses(), (Lines{"247", "88", "78"}));
}

TEST(KeysByPosition, PositionalCodesLeaveNonLettersAlone) {
    const struct {
        int vk, code, want;
    } cases[] = {
        {'X', 247, 120}, {'X', 'X', 120}, {'X', 'x', 120}, {'N', 242, 110}, {'N', 210, 110}, {'E', 184, 'e'},
        {'1', '!', '!'}, {32, 32, 32},     {186, 230, 230}, {'Q', 17, 17},   {'G', -1, -1},
    };
    for (const auto& c : cases) EXPECT_EQ(ui::PositionalCharCode(c.vk, c.code), c.want) << c.vk << " " << c.code;
}

TEST(KeysByPosition, AShortcutClicksOnlyAControlTheMouseCouldClick) {
    Listening l;
    l.window.setShortcuts({{'I', "Icon"}});
    l.key(Qt::Key(0x0428), "ш");  // the I key in a Russian layout
    EXPECT_EQ(l.presses(), (Lines{"248", "Click Icon"}));
    l.form.find("Icon")->Visible = false;
    l.key(Qt::Key_I, "i");
    EXPECT_EQ(l.presses(), (Lines{"105"}));
    l.form.find("Icon")->Visible = true;
    l.form.find("Icon")->Enabled = false;
    l.key(Qt::Key_I, "i");
    l.key(Qt::Key_I, "i", Qt::ControlModifier);
    EXPECT_EQ(l.presses(), (Lines{"105", "105"})) << "neither a disabled control nor Ctrl+I clicks";
}
