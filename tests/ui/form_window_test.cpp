// A form model on screen: views at their places, in their containers and in
// z-order; pictures, colours and bars painted; lists, combo and text boxes
// kept in step with the model both ways.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

#include "forms/services.h"
#include "test_game.h"
#include "ui_support.h"

namespace {

using forms::Kind;
using ui::ControlView;
using ui::FormWindow;
using ui_test::App;
using ui_test::PixelAt;
using ui_test::Recorder;
using ui_test::SolidPicture;

class Pond : public forms::Form {
public:
    explicit Pond(forms::TimerQueue& timers)
        : forms::Form(timers, "Pond"),
          Back(add(Kind::Image, "Back", 0, 0, 6000, 4500)),
          Title(label("Title", "Пруд", 1500, 300, 3000, 450)),
          Box(add(Kind::Frame, "Box", 600, 1500, 3000, 1500)),
          Inner(label("Inner", "внутри", 150, 300, 1500, 300, &Box)),
          Marker(array(Kind::Image, "Marker", 0, 0, 300, 300)),
          Bar(label("Bar", "", 300, 3600, 1500, 150)),
          Ring(add(Kind::Shape, "Ring", 4500, 600, 900, 600)),
          Names(add(Kind::ListBox, "Names", 3900, 1500, 1800, 1500)),
          Kinds(add(Kind::ComboBox, "Kinds", 3900, 3150, 1800, 315)),
          Stake(add(Kind::TextBox, "Stake", 3900, 3600, 1800, 315)) {
        Caption = "Пруд у леса";
        Width = 6000;
        Height = 4500;
        Back.Stretch = true;
        Bar.BackTransparent = false;
        Bar.BackColor = 0x0000FF;
        Ring.Shape = forms::ShapeKind::Circle;
        Ring.Filled = true;
        Ring.FillColor = 0x00FF00;
        Ring.BorderColor = 0x00FF00;
        Names.List = {"щука", "окунь", "сом"};
        Kinds.List = {"общий вес", "колличество"};
        Kinds.Text = "общий вес";
        Kinds.ListIndex = 0;
        Marker[0].Visible = false;
        on("Title", forms::Event::MouseMove, [this] { Title.FontBold = true; });
        on("", forms::Event::MouseMove, [this] { Title.FontBold = false; });
    }
    forms::Control& Back;
    forms::Control& Title;
    forms::Control& Box;
    forms::Control& Inner;
    forms::ControlArray& Marker;
    forms::Control& Bar;
    forms::Control& Ring;
    forms::Control& Names;
    forms::Control& Kinds;
    forms::Control& Stake;
};

struct Shown {
    Shown() : pond(timers), window((App(), pond), recorder, pictures) {
        pond.Show();
        window.sync();
    }
    ControlView& view(const std::string& name) {
        ControlView* v = window.view(name);
        EXPECT_NE(v, nullptr) << name;
        return *v;
    }
    forms::TimerQueue timers;
    Pond pond;
    Recorder recorder;
    ui::PictureCache pictures;
    FormWindow window;
};

TEST(FormWindow, TheWindowTakesTheFormsSizeCaptionAndVisibility) {
    forms::TimerQueue timers;
    Pond pond(timers);
    Recorder recorder;
    ui::PictureCache pictures;
    FormWindow window((App(), pond), recorder, pictures);
    EXPECT_FALSE(window.sync());
    EXPECT_FALSE(window.isVisible());

    pond.Show();
    EXPECT_TRUE(window.sync());
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.size(), QSize(400, 300));
    EXPECT_EQ(window.minimumSize(), window.maximumSize());
    EXPECT_EQ(window.windowTitle(), QString("Пруд у леса"));
    EXPECT_FALSE(window.sync()) << "shown once, not again";

    pond.Caption = "Другой пруд";
    pond.Width = 7500;
    window.sync();
    EXPECT_EQ(window.windowTitle(), QString("Другой пруд"));
    EXPECT_EQ(window.width(), 500);

    pond.Hide();
    window.sync();
    EXPECT_FALSE(window.isVisible());
}

TEST(FormWindow, ViewsSitAtTheirTwipsInsideTheirContainers) {
    Shown s;
    EXPECT_EQ(s.view("Title").geometry(), QRect(100, 20, 200, 30));
    EXPECT_EQ(s.view("Box").geometry(), QRect(40, 100, 200, 100));
    EXPECT_EQ(s.view("Inner").parentWidget(), &s.view("Box"));
    EXPECT_EQ(s.view("Inner").geometry(), QRect(10, 20, 100, 20));
    EXPECT_EQ(s.view("Title").parentWidget(), &s.window);
    EXPECT_EQ(s.view("Title").shownCaption(), QString("Пруд"));

    s.pond.Title.Left = 1515.0f;  // one pixel further
    s.pond.Title.Caption = "Озеро";
    s.window.sync();
    EXPECT_EQ(s.view("Title").geometry(), QRect(101, 20, 200, 30));
    EXPECT_EQ(s.view("Title").shownCaption(), QString("Озеро"));
}

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget& w) { w.installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) ++paints;
        return false;
    }
    int paints = 0;
};

TEST(FormWindow, ASyncWithoutChangesRepaintsNothing) {
    Shown s;
    QApplication::processEvents();
    PaintCounter title(s.view("Title")), bar(s.view("Bar"));
    for (int i = 0; i < 3; ++i) s.window.sync();
    QApplication::processEvents();
    EXPECT_EQ(title.paints, 0);
    EXPECT_EQ(bar.paints, 0);

    s.pond.Title.FontBold = true;
    s.window.sync();
    QApplication::processEvents();
    EXPECT_GE(title.paints, 1);
    EXPECT_EQ(bar.paints, 0);
}

TEST(FormWindow, LaterControlsLieOnTopOfEarlierOnes) {
    Shown s;
    EXPECT_EQ(s.window.childAt(150, 30), &s.view("Title")) << "the label lies on the background image";
    EXPECT_EQ(s.window.childAt(390, 5), &s.view("Back"));

    // A member loaded later lies on top of everything loaded before it.
    forms::Control& m = s.pond.Marker.load(1);
    m.Left = 1500;
    m.Top = 300;
    m.Visible = true;
    s.window.sync();
    EXPECT_EQ(s.window.childAt(105, 25), s.window.view("Marker(1)"));
}

TEST(FormWindow, ArrayMembersComeAndGoWithLoadAndUnload) {
    Shown s;
    EXPECT_EQ(s.window.view("Marker(1)"), nullptr);
    for (int i = 1; i <= 3; ++i) {
        forms::Control& m = s.pond.Marker.load(i);
        m.Left = float(i * 750);
        m.Top = 750;
        m.Visible = true;
    }
    s.window.sync();
    ASSERT_NE(s.window.view("Marker(3)"), nullptr);
    EXPECT_EQ(s.view("Marker(2)").geometry(), QRect(100, 50, 20, 20));
    EXPECT_TRUE(s.view("Marker(2)").isVisible());
    EXPECT_FALSE(s.view("Marker(0)").isVisible()) << "the designed member stays hidden";
    ControlView* third = s.window.view("Marker(3)");

    s.pond.Marker.unload(2);
    s.window.sync();
    EXPECT_EQ(s.window.view("Marker(2)"), nullptr);
    EXPECT_EQ(s.window.view("Marker(3)"), third) << "views of members that stay are kept";
    EXPECT_EQ(third->control(), &s.pond.Marker[3]);

    // A member loaded again under an index used before gets a view of its own.
    s.pond.Marker.load(2).Visible = true;
    s.window.sync();
    ASSERT_NE(s.window.view("Marker(2)"), nullptr);
    EXPECT_EQ(s.window.view("Marker(2)")->control(), &s.pond.Marker[2]);
}

TEST(FormWindow, AControlShowsOnlyWhenItAndItsContainersAreVisible) {
    Shown s;
    EXPECT_TRUE(s.view("Inner").isVisible());
    s.pond.Box.Visible = false;
    s.window.sync();
    EXPECT_FALSE(s.view("Inner").isVisible());
    s.pond.Box.Visible = true;
    s.pond.Inner.Visible = false;
    s.window.sync();
    EXPECT_TRUE(s.view("Box").isVisible());
    EXPECT_FALSE(s.view("Inner").isVisible());
}

TEST(FormWindow, AControlGoesIntoAFrameMadeAfterIt) {
    class Late : public forms::Form {
    public:
        explicit Late(forms::TimerQueue& timers)
            : forms::Form(timers, "Late"),
              Note(label("Note", "позже", 300, 300, 900, 300)),
              Panel(add(Kind::Frame, "Panel", 1500, 1500, 3000, 1500)) {
            Note.container = &Panel;
        }
        forms::Control& Note;
        forms::Control& Panel;
    };
    forms::TimerQueue timers;
    Late late(timers);
    Recorder recorder;
    ui::PictureCache pictures;
    FormWindow window((App(), late), recorder, pictures);
    late.Show();
    window.sync();
    ASSERT_NE(window.view("Note"), nullptr);
    EXPECT_EQ(window.view("Note")->parentWidget(), window.view("Panel"));
    EXPECT_TRUE(window.view("Note")->isVisible());
    EXPECT_EQ(window.childAt(125, 125), window.view("Note"));
    late.Panel.Visible = false;
    window.sync();
    EXPECT_FALSE(window.view("Note")->isVisible());
}

TEST(FormWindow, BarsShapesAndPicturesArePaintedInTheirColours) {
    Shown s;
    s.pond.Back.setPicture(SolidPicture("blue", 2, 2, 0x0000FF));
    s.window.sync();
    EXPECT_EQ(PixelAt(s.window, 390, 5), QColor(0, 0, 255)) << "a stretched picture fills its image";
    EXPECT_EQ(s.view("Back").pictureRect(), QRect(0, 0, 400, 300));

    // The bar: a label painted in its BackColor (red) as wide as its Width.
    EXPECT_EQ(PixelAt(s.window, 25, 245), QColor(255, 0, 0));
    EXPECT_EQ(PixelAt(s.window, 118, 245), QColor(255, 0, 0));
    EXPECT_EQ(PixelAt(s.window, 125, 245), QColor(0, 0, 255));
    s.pond.Bar.Width = 1800;
    s.window.sync();
    EXPECT_EQ(PixelAt(s.window, 125, 245), QColor(255, 0, 0));
    EXPECT_EQ(PixelAt(s.window, 142, 245), QColor(0, 0, 255));
    s.pond.Bar.Width = 0;
    s.window.sync();
    EXPECT_EQ(PixelAt(s.window, 25, 245), QColor(0, 0, 255));

    // A filled circle, green in its middle, the background in the corners.
    EXPECT_EQ(PixelAt(s.window, 330, 60), QColor(0, 255, 0));
    EXPECT_EQ(PixelAt(s.window, 301, 41), QColor(0, 0, 255));

    // A transparent label shows the picture beneath where it has no text.
    EXPECT_EQ(PixelAt(s.window, 298, 48), QColor(0, 0, 255));
}

TEST(FormWindow, UnstretchedPicturesKeepTheirSizeAndAlpha) {
    Shown s;
    s.pond.Back.setPicture(SolidPicture("blue", 2, 2, 0x0000FF));
    forms::Control& m = s.pond.Marker.load(1);
    m.Left = 300;
    m.Top = 900;
    m.Visible = true;
    m.setPicture(SolidPicture("half red", 4, 3, 0xFF0000, 128));
    s.window.sync();
    EXPECT_EQ(s.view("Marker(1)").geometry(), QRect(20, 60, 4, 3));
    EXPECT_EQ(s.view("Marker(1)").pictureRect(), QRect(0, 0, 4, 3));
    const QColor mixed = PixelAt(s.window, 21, 61);
    EXPECT_NEAR(mixed.red(), 128, 3);
    EXPECT_NEAR(mixed.blue(), 127, 3);
}

TEST(FormWindow, FormBackgroundIsItsColourAndPicture) {
    Shown s;
    s.pond.Back.Visible = false;
    s.pond.BackColor = 0x00FFFF;  // yellow
    s.window.sync();
    EXPECT_EQ(PixelAt(s.window, 390, 5), QColor(255, 255, 0));
    s.pond.Picture = SolidPicture("green", 10, 10, 0x00FF00);
    s.window.sync();
    EXPECT_EQ(PixelAt(s.window, 5, 5), QColor(0, 255, 0));
    EXPECT_EQ(PixelAt(s.window, 390, 5), QColor(255, 255, 0)) << "a form picture keeps its size";
}

TEST(FormWindow, ListBoxShowsTheListAndAClickSelectsThenClicks) {
    Shown s;
    QListWidget* list = s.view("Names").listWidget();
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->count(), 3);
    EXPECT_EQ(list->item(1)->text(), QString("окунь"));
    EXPECT_EQ(list->currentRow(), -1);

    s.pond.Names.ListIndex = 1;
    s.window.sync();
    EXPECT_EQ(list->currentRow(), 1);

    const QPoint third = list->visualItemRect(list->item(2)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, third);
    EXPECT_EQ(s.pond.Names.ListIndex, 2);
    ASSERT_EQ(s.recorder.of(forms::Event::Click).size(), 1u);
    EXPECT_EQ(s.recorder.of(forms::Event::Click)[0].control, "Names");
    EXPECT_EQ(s.recorder.of(forms::Event::Click)[0].args.index, -1);

    // Clicking the entry already chosen clicks again.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, third);
    EXPECT_EQ(s.recorder.of(forms::Event::Click).size(), 2u);

    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, third);
    ASSERT_EQ(s.recorder.of(forms::Event::DblClick).size(), 1u);
    EXPECT_EQ(s.recorder.of(forms::Event::DblClick)[0].control, "Names");

    s.pond.Names.clear();
    s.pond.Names.addItem("лещ");
    s.window.sync();
    ASSERT_EQ(list->count(), 1);
    EXPECT_EQ(list->item(0)->text(), QString("лещ"));
    EXPECT_EQ(list->currentRow(), -1);
}

TEST(FormWindow, ComboAndTextBoxesCarryTheirTextBothWays) {
    Shown s;
    QComboBox* combo = s.view("Kinds").comboBox();
    ASSERT_NE(combo, nullptr);
    EXPECT_EQ(combo->count(), 2);
    EXPECT_EQ(combo->currentText(), QString("общий вес"));

    // The player picks the next entry with the keyboard.
    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_Down);
    EXPECT_EQ(s.pond.Kinds.Text, "колличество");
    EXPECT_EQ(s.pond.Kinds.ListIndex, 1);
    ASSERT_EQ(s.recorder.of(forms::Event::Click).size(), 1u);
    EXPECT_EQ(s.recorder.of(forms::Event::Click)[0].control, "Kinds");

    s.pond.Kinds.Text = "самай крупная рыба";
    s.window.sync();
    EXPECT_EQ(combo->currentText(), QString("самай крупная рыба"));

    QLineEdit* edit = s.view("Stake").lineEdit();
    ASSERT_NE(edit, nullptr);
    s.pond.Stake.Text = "100";
    s.window.sync();
    EXPECT_EQ(edit->text(), QString("100"));
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, "50");
    EXPECT_EQ(s.pond.Stake.Text, "1050");
    EXPECT_TRUE(s.recorder.of(forms::Event::KeyPress).empty()) << "typing in a text box is not the form's";
}

TEST(FormWindow, DisabledControlsAndShapesLetClicksThroughToWhatLiesBeneath) {
    Shown s;
    auto clickAt = [&](QPoint at) {
        s.recorder.sent.clear();
        QTest::mouseClick(s.window.windowHandle(), Qt::LeftButton, {}, at);
        const auto clicks = s.recorder.of(forms::Event::Click);
        return clicks.size() == 1 ? clicks[0].control : std::string("?");
    };
    EXPECT_EQ(clickAt(QPoint(150, 30)), "Title");
    EXPECT_EQ(clickAt(QPoint(330, 60)), "Back") << "the circle takes no clicks";
    s.pond.Title.Enabled = false;
    s.window.sync();
    EXPECT_EQ(clickAt(QPoint(150, 30)), "Back");
}

}  // namespace

TEST(FormWindow, AListOpenedPastTheEdgeIsDrawnWholeInsideTheWindow) {
    Shown s;
    s.pond.Names.Left = 5400;  // 360 px: a 120 px list would end at 480 of 400
    s.pond.Names.Top = 4200;   // 280 px: 100 px high, would end at 380 of 300
    s.window.sync();
    EXPECT_EQ(s.view("Names").geometry(), QRect(280, 200, 120, 100));
    EXPECT_EQ(s.pond.Names.Left, 5400) << "the game's own Left is kept";
    s.pond.Names.Left = 300;
    s.window.sync();
    EXPECT_EQ(s.view("Names").geometry().topLeft(), QPoint(20, 200));
    s.pond.Title.Left = 5400;  // any other control may run past the edge
    s.window.sync();
    EXPECT_EQ(s.view("Title").geometry().left(), 360);
}

TEST(PictureCache, APixmapIsTheDecodedPixelsThemselvesMadeOnceAndGoesWithItsPicture) {
    App();
    testing_support::TestFolder f;
    f.writeBytes("grey.png", testing_support::PictureBytes(4, 3));
    forms::FilePictures files(0);  // keeps nothing beyond what is in use
    forms::Bitmap grey = files.Load(f.game() / "grey.png", "grey");
    const forms::Bitmap glass = SolidPicture("glass", 2, 2, 0x102030, 128);
    ui::PictureCache cache;

    const forms::Pixel* decoded = grey.image->pixels.data();
    const QPixmap shown = cache.pixmap(grey);
    ASSERT_EQ(shown.size(), QSize(4, 3));
    EXPECT_FALSE(grey.image->pixels.ready()) << "the pixmap is the one decoded copy";
    EXPECT_EQ(static_cast<const void*>(shown.toImage().constBits()), static_cast<const void*>(decoded))
        << "neither copied nor converted";
    EXPECT_FALSE(shown.hasAlphaChannel()) << "opaque";
    EXPECT_EQ(shown.toImage().pixelColor(3, 2), QColor(0x80, 0x80, 0x80));
    EXPECT_EQ(cache.pixmap(grey).cacheKey(), shown.cacheKey()) << "made once";
    EXPECT_FALSE(grey.image->pixels.ready()) << "and not decoded again";

    const QPixmap translucent = cache.pixmap(glass);
    EXPECT_TRUE(translucent.hasAlphaChannel());
    EXPECT_EQ(translucent.toImage().pixel(1, 1), qPremultiply(qRgba(0x10, 0x20, 0x30, 128)));
    EXPECT_TRUE(glass.image->pixels.ready()) << "pixels set by hand stay";
    EXPECT_EQ(cache.size(), 2u);

    // No control holds the grey picture any more: its pixmap goes when the next comes.
    grey = {};
    cache.pixmap(SolidPicture("next", 1, 1, 0xFFFFFF));
    EXPECT_EQ(cache.size(), 2u);
}
