// What the player does reaches the form's handlers with the right names and
// arguments: clicks, double clicks, hovering, mouse down, keys (Cyrillic,
// layout-independent key codes, auto-repeat) and the title-bar close.

#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QTest>

#include "ui/key_codes.h"
#include "ui_support.h"

namespace {

using forms::Event;
using forms::Kind;
using ui::ControlView;
using ui_test::App;
using ui_test::Recorder;
using ui_test::Sent;

class Board : public forms::Form {
public:
    explicit Board(forms::TimerQueue& timers)
        : forms::Form(timers, "Board"),
          Exit(label("Exit", "Выход", 1500, 1500, 1500, 300)),
          Spot(array(Kind::Image, "Spot", 0, 0, 300, 300)) {
        Caption = "Доска";
        Width = 6000;
        Height = 4500;
        for (int i = 1; i <= 2; ++i) {
            forms::Control& s = Spot.load(i);
            s.Left = float(3000 + 600 * i);
            s.Top = 3000;
            s.Visible = true;
        }
        on("Spot", Event::MouseDown, [this](const forms::EventArgs& a) {
            if (unloadOnDown) Spot.unload(a.index);
        });
        on("Exit", Event::MouseMove, [this] { Exit.FontBold = true; });
        on("", Event::MouseMove, [this] { Exit.FontBold = false; });
    }
    void QueryClose() override { ++closeAsked; }
    forms::Control& Exit;
    forms::ControlArray& Spot;
    int closeAsked = 0;
    bool unloadOnDown = false;
};

struct Shown {
    Shown() : board(timers), window((App(), board), recorder, pictures) {
        board.Show();
        window.sync();
        window.activateWindow();
        window.setFocus();
    }
    QWindow* handle() { return window.windowHandle(); }
    // The events sent since the last call, as "Event control index" words.
    std::vector<Sent> take() { return std::exchange(recorder.sent, {}); }
    forms::TimerQueue timers;
    Board board;
    Recorder recorder;
    ui::PictureCache pictures;
    ui::FormWindow window;
};

const char* NameOf(Event e) {
    switch (e) {
    case Event::Click: return "Click";
    case Event::DblClick: return "DblClick";
    case Event::MouseMove: return "MouseMove";
    case Event::MouseDown: return "MouseDown";
    case Event::KeyPress: return "KeyPress";
    case Event::KeyDown: return "KeyDown";
    case Event::KeyUp: return "KeyUp";
    }
    return "?";
}

// "MouseDown Exit -1", "KeyPress <form> 32" ... for easy comparison.
std::vector<std::string> Describe(const std::vector<Sent>& sent) {
    std::vector<std::string> out;
    for (const Sent& s : sent) {
        std::string d = std::string(NameOf(s.event)) + " " + (s.control.empty() ? "<form>" : s.control);
        if (s.event == Event::KeyPress || s.event == Event::KeyDown || s.event == Event::KeyUp)
            d += " " + std::to_string(s.args.code);
        else
            d += " " + std::to_string(s.args.index);
        out.push_back(d);
    }
    return out;
}

using Lines = std::vector<std::string>;

// Without the moves: the pointer comes to a control before it clicks there.
std::vector<Sent> WithoutMoves(const std::vector<Sent>& sent) {
    std::vector<Sent> out;
    for (const Sent& s : sent)
        if (s.event != Event::MouseMove) out.push_back(s);
    return out;
}

TEST(Input, AClickOnALabelGoesDownThenClicksWithTwipsInsideIt) {
    Shown s;
    // The label is at 100,100 pixels; press 10,5 pixels inside it.
    QTest::mouseClick(s.handle(), Qt::LeftButton, {}, QPoint(110, 105));
    const std::vector<Sent> sent = WithoutMoves(s.take());
    EXPECT_EQ(Describe(sent), (Lines{"MouseDown Exit -1", "Click Exit -1"}));
    ASSERT_FALSE(sent.empty());
    EXPECT_FLOAT_EQ(sent[0].args.x, 150.0f);
    EXPECT_FLOAT_EQ(sent[0].args.y, 75.0f);
}

TEST(Input, ArrayMembersAnswerWithTheirIndex) {
    Shown s;
    // Spot(2) is at 280,200 pixels.
    QTest::mouseClick(s.handle(), Qt::LeftButton, {}, QPoint(285, 205));
    EXPECT_EQ(Describe(WithoutMoves(s.take())), (Lines{"MouseDown Spot 2", "Click Spot 2"}));
    QTest::mouseClick(s.handle(), Qt::LeftButton, {}, QPoint(245, 205));
    EXPECT_EQ(Describe(WithoutMoves(s.take())), (Lines{"MouseDown Spot 1", "Click Spot 1"}));
}

TEST(Input, AMemberUnloadedByItsOwnMouseDownClicksNoMore) {
    Shown s;
    s.recorder.afterEach = [&] { s.window.sync(); };
    s.board.unloadOnDown = true;
    QTest::mousePress(s.handle(), Qt::LeftButton, {}, QPoint(285, 205));
    EXPECT_EQ(s.window.view("Spot(2)"), nullptr);
    QTest::mouseRelease(s.handle(), Qt::LeftButton, {}, QPoint(285, 205));
    EXPECT_EQ(Describe(WithoutMoves(s.take())), (Lines{"MouseDown Spot 2"}));
}

TEST(Input, ADoubleClickClicksOnceThenDoubleClicks) {
    Shown s;
    QTest::mouseDClick(s.handle(), Qt::LeftButton, {}, QPoint(110, 105));
    const Lines got = Describe(WithoutMoves(s.take()));
    ASSERT_GE(got.size(), 3u);
    EXPECT_EQ(std::count(got.begin(), got.end(), "Click Exit -1"), 1);
    EXPECT_EQ(std::count(got.begin(), got.end(), "DblClick Exit -1"), 1);
    const auto click = std::find(got.begin(), got.end(), "Click Exit -1");
    const auto dbl = std::find(got.begin(), got.end(), "DblClick Exit -1");
    EXPECT_LT(click, dbl) << "the click comes first";
    EXPECT_EQ(got.front(), "MouseDown Exit -1");
}

TEST(Input, HoveringReachesTheControlAndTheBackground) {
    Shown s;
    QTest::mouseMove(s.handle(), QPoint(120, 108));
    EXPECT_EQ(Describe(s.take()), (Lines{"MouseMove Exit -1"}));
    EXPECT_TRUE(s.board.Exit.FontBold);
    s.window.sync();
    EXPECT_TRUE(s.window.view("Exit")->shownFont().bold());

    QTest::mouseMove(s.handle(), QPoint(60, 60));
    EXPECT_EQ(Describe(s.take()), (Lines{"MouseMove <form> -1"}));
    EXPECT_FALSE(s.board.Exit.FontBold);
    s.window.sync();
    EXPECT_FALSE(s.window.view("Exit")->shownFont().bold());

    QTest::mouseMove(s.handle(), QPoint(245, 203));
    const std::vector<Sent> sent = s.take();
    EXPECT_EQ(Describe(sent), (Lines{"MouseMove Spot 1"}));
    EXPECT_FLOAT_EQ(sent.at(0).args.x, 75.0f);
    EXPECT_FLOAT_EQ(sent.at(0).args.y, 45.0f);
}

TEST(Input, CyrillicKeysGoDownAsTheirKeyAndTypeTheirCp1251Code) {
    Shown s;
    // "т" lies on the N key: key down 78, key press 242.
    QTest::sendKeyEvent(QTest::Press, &s.window, Qt::Key(0x0422), QString("т"), Qt::NoModifier);
    QTest::sendKeyEvent(QTest::Release, &s.window, Qt::Key(0x0422), QString("т"), Qt::NoModifier);
    // "п" lies on the G key.
    QTest::sendKeyEvent(QTest::Press, &s.window, Qt::Key(0x041F), QString("п"), Qt::NoModifier);
    QTest::sendKeyEvent(QTest::Release, &s.window, Qt::Key(0x041F), QString("п"), Qt::NoModifier);
    EXPECT_EQ(Describe(s.take()), (Lines{"KeyDown <form> 78", "KeyPress <form> 242", "KeyUp <form> 78",
                                         "KeyDown <form> 71", "KeyPress <form> 239", "KeyUp <form> 71"}));
}

TEST(Input, SpaceEnterAndLatinLettersTypeTheirCodes) {
    Shown s;
    QTest::keyClick(&s.window, Qt::Key_Space);
    QTest::keyClick(&s.window, Qt::Key_Return);
    QTest::keyClick(&s.window, Qt::Key_X, Qt::NoModifier);
    QTest::sendKeyEvent(QTest::Click, &s.window, Qt::Key_N, QString("N"), Qt::ShiftModifier);
    const Lines got = Describe(s.take());
    const Lines presses = [&] {
        Lines out;
        for (const std::string& g : got)
            if (g.rfind("KeyPress", 0) == 0) out.push_back(g);
        return out;
    }();
    EXPECT_EQ(presses, (Lines{"KeyPress <form> 32", "KeyPress <form> 13", "KeyPress <form> 120",
                              "KeyPress <form> 78"}));
    EXPECT_NE(std::find(got.begin(), got.end(), "KeyDown <form> 13"), got.end());
    EXPECT_NE(std::find(got.begin(), got.end(), "KeyUp <form> 88"), got.end());
}

TEST(Input, AHeldKeyRepeatsKeyDownAndGoesUpOnce) {
    Shown s;
    auto send = [&](QEvent::Type type, bool repeat) {
        QKeyEvent e(type, Qt::Key_G, Qt::NoModifier, QString(type == QEvent::KeyPress ? "g" : ""), repeat);
        QApplication::sendEvent(&s.window, &e);
    };
    send(QEvent::KeyPress, false);
    send(QEvent::KeyRelease, true);  // the window system's repeat: up and down again
    send(QEvent::KeyPress, true);
    send(QEvent::KeyRelease, true);
    send(QEvent::KeyPress, true);
    send(QEvent::KeyRelease, false);
    const Lines got = Describe(s.take());
    EXPECT_EQ(std::count(got.begin(), got.end(), "KeyDown <form> 71"), 3);
    EXPECT_EQ(std::count(got.begin(), got.end(), "KeyUp <form> 71"), 1);
    EXPECT_EQ(got.back(), "KeyUp <form> 71");
}

TEST(Input, NothingMoreIsSentOnceTheGameSaysStop) {
    Shown s;
    s.recorder.goOn = false;
    QTest::sendKeyEvent(QTest::Press, &s.window, Qt::Key_Space, QString(" "), Qt::NoModifier);
    EXPECT_EQ(Describe(s.take()), (Lines{"KeyDown <form> 32"})) << "no key press after the key down ended the game";
}

TEST(Input, TheTitleBarCloseAsksTheFormAndLeavesTheWindowToIt) {
    Shown s;
    s.window.close();
    EXPECT_EQ(s.board.closeAsked, 1);
    EXPECT_EQ(s.recorder.closes, 1);
    EXPECT_TRUE(s.window.isVisible()) << "the form did not hide itself";
}

TEST(KeyCodes, KeyCodesNameThePhysicalKey) {
    // Latin layout and, through the Latin letter on the same key, Russian.
    EXPECT_EQ(ui::VirtualKeyFromQtKey(Qt::Key_G, {}), 71);
    EXPECT_EQ(ui::VirtualKeyFromQtKey(0x041F, {}), 71);   // П
    EXPECT_EQ(ui::VirtualKeyFromQtKey(0x0447, {}), 88);   // ч, lower case
    EXPECT_EQ(ui::VirtualKeyFromQtKey(0x0416, {}), 186);  // Ж, on the ; key
    EXPECT_EQ(ui::VirtualKeyFromQtKey(Qt::Key_5, Qt::KeypadModifier), 101);
    EXPECT_EQ(ui::VirtualKeyFromQtKey(Qt::Key_Exclam, {}), 0);

    // xkb key codes are the evdev codes plus 8.
    EXPECT_EQ(ui::VirtualKeyFromXkb(42), 71);   // G
    EXPECT_EQ(ui::VirtualKeyFromXkb(104), 13);  // keypad Enter
    EXPECT_EQ(ui::VirtualKeyFromXkb(0), 0);
}

#if defined(Q_OS_LINUX)
TEST(KeyCodes, TheNativeKeyCodeWinsOverTheLayoutsLetter) {
    App();
    // The G key in a Russian layout, as X11 reports it: key code 42, "п".
    QKeyEvent russianG(QEvent::KeyPress, 0x041F, Qt::NoModifier, 42, 0x6d0, 0, QString("п"));
    EXPECT_EQ(ui::VirtualKeyOf(russianG), 71);
    EXPECT_EQ(ui::CharCodeOf(russianG), 239);
    // A remapped layout that puts "f" on the G key still reads key code 71.
    QKeyEvent remapped(QEvent::KeyPress, Qt::Key_F, Qt::NoModifier, 42, 0x66, 0, QString("f"));
    EXPECT_EQ(ui::VirtualKeyOf(remapped), 71);
    EXPECT_EQ(ui::CharCodeOf(remapped), 102);
}
#endif

TEST(KeyCodes, OnlyKeysThatTypeACharacterHaveACharacterCode) {
    App();
    QKeyEvent del(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier, QString(QChar(0x7F)));
    EXPECT_EQ(ui::CharCodeOf(del), -1);
    QKeyEvent left(QEvent::KeyPress, Qt::Key_Left, Qt::NoModifier);
    EXPECT_EQ(ui::CharCodeOf(left), -1);
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(ui::CharCodeOf(enter), 13);
    QKeyEvent yo(QEvent::KeyPress, 0x0401, Qt::ShiftModifier, QString("Ё"));
    EXPECT_EQ(ui::CharCodeOf(yo), 168);
    QKeyEvent euro(QEvent::KeyPress, 0x20AC, Qt::NoModifier, QString("€"));
    EXPECT_EQ(ui::CharCodeOf(euro), 136);
    QKeyEvent emoji(QEvent::KeyPress, 0, Qt::NoModifier, QString::fromUtf8("🐟"));
    EXPECT_EQ(ui::CharCodeOf(emoji), -1);
}

}  // namespace
