// The forms runtime without GUI: control models, control arrays, handlers,
// and the services' production and scripted implementations.

#include <gtest/gtest.h>

#include <fstream>

#include "forms/form.h"
#include "forms/reflect.h"
#include "forms/services.h"
#include "test_game.h"

namespace {

using namespace forms;
using testing_support::PictureBytes;
using testing_support::TestFolder;

// A small window designed the way the game's windows are.
class TestForm : public Form {
public:
    explicit TestForm(TimerQueue& q)
        : Form(q, "TestForm"),
          Frame1(add(Kind::Frame, "Frame1", 100, 100, 3000, 2000)),
          Label1(label("Label1", "Привет", 10, 20, 300, 200, &Frame1)),
          Marks(array(Kind::Image, "Marks", 50, 60, 360, 360)),
          Tick(timer("Tick", 100, [this] { ++ticks; })) {
        Marks[0].Tag = "mark";
        Marks[0].ForeColor = Red;
        Marks[0].Caption = "m";
        Marks[0].Enabled = false;
        Marks[0].Stretch = true;
        on("Label1", Event::Click, [this] { log.push_back("click"); });
        on("Marks", Event::MouseMove, [this](const EventArgs& a) { log.push_back("move " + std::to_string(a.index)); });
        on("", Event::KeyPress, [this](const EventArgs& a) { log.push_back("key " + std::to_string(a.code)); });
    }
    Control& Frame1;
    Control& Label1;
    ControlArray& Marks;
    Timer& Tick;
    int ticks = 0;
    std::vector<std::string> log;
};

TEST(Forms, LoadedArrayMembersCopyMemberZeroButStartHidden) {
    TimerQueue q;
    TestForm f(q);
    Control& m = f.Marks.load(3);
    EXPECT_EQ(m.fullName(), "Marks(3)");
    EXPECT_EQ(m.index(), 3);
    EXPECT_EQ(m.Tag, "mark");
    EXPECT_EQ(m.ForeColor, Red);
    EXPECT_EQ(m.Caption, "m");
    EXPECT_EQ(m.Left, 50);
    EXPECT_FALSE(m.Enabled);
    EXPECT_TRUE(m.Stretch);
    EXPECT_FALSE(m.Visible);
    EXPECT_TRUE(f.Marks[0].Visible);
    EXPECT_EQ(&f.Marks[3], &m);
    EXPECT_EQ(f.find("Marks", 3), &m);
    EXPECT_EQ(f.find("Marks"), nullptr);  // the array is not a plain control
    EXPECT_EQ(f.Marks.indices(), (std::vector<int>{0, 3}));
}

TEST(Forms, UnloadingRemovesTheMemberAndLoadingTwiceIsAnError) {
    TimerQueue q;
    TestForm f(q);
    const auto before = f.controls().size();
    const auto generation = f.layoutGeneration();
    f.Marks.load(1);
    EXPECT_THROW(f.Marks.load(1), std::logic_error);
    EXPECT_EQ(f.controls().size(), before + 1);
    f.Marks.unload(1);
    EXPECT_EQ(f.controls().size(), before);
    EXPECT_FALSE(f.Marks.loaded(1));
    EXPECT_THROW(f.Marks[1], std::out_of_range);
    EXPECT_EQ(f.find("Marks", 1), nullptr);
    EXPECT_THROW(f.Marks.unload(0), std::logic_error);
    f.Marks.unload(7);  // not loaded: nothing happens
    EXPECT_EQ(f.layoutGeneration(), generation + 2);
    // Loaded again, it is a fresh copy of member 0.
    f.Marks[0].Tag = "other";
    EXPECT_EQ(f.Marks.load(1).Tag, "other");
}

TEST(Forms, HandlersAreFoundByControlAndEvent) {
    TimerQueue q;
    TestForm f(q);
    f.Marks.load(2);
    EXPECT_TRUE(f.dispatch(Event::Click, "Label1", {}));
    EventArgs move;
    move.index = 2;
    EXPECT_TRUE(f.dispatch(Event::MouseMove, "Marks", move));
    EventArgs key;
    key.code = 242;
    EXPECT_TRUE(f.dispatch(Event::KeyPress, "", key));
    EXPECT_FALSE(f.dispatch(Event::DblClick, "Label1", {}));
    EXPECT_FALSE(f.dispatch(Event::Click, "Frame1", {}));
    EXPECT_EQ(f.log, (std::vector<std::string>{"click", "move 2", "key 242"}));
    EXPECT_TRUE(f.hasHandler(Event::Click, "Label1"));
    EXPECT_FALSE(f.hasHandler(Event::KeyDown, ""));
}

TEST(Forms, TimersBelongToTheirFormAndRunOnTheQueue) {
    TimerQueue q;
    TestForm f(q);
    EXPECT_EQ(f.findTimer("Tick"), &f.Tick);
    EXPECT_EQ(f.findTimer("Tock"), nullptr);
    EXPECT_FALSE(f.Tick.enabled());  // designed disabled
    f.Tick.setEnabled(true);
    q.advance(350);
    EXPECT_EQ(f.ticks, 3);
}

TEST(Forms, AControlIsShownOnlyWhenItsContainersAre) {
    TimerQueue q;
    TestForm f(q);
    EXPECT_EQ(f.Label1.container, &f.Frame1);
    EXPECT_TRUE(f.Label1.shownOnForm());
    f.Frame1.Visible = false;
    EXPECT_FALSE(f.Label1.shownOnForm());
    EXPECT_TRUE(f.Label1.Visible);
}

TEST(Forms, AnImageTakesThePictureSizeUnlessStretched) {
    auto image = std::make_shared<Image>();
    image->width = 20;
    image->height = 10;
    const Bitmap picture{"p", image};
    Control plain(Kind::Image, "I");
    plain.setPicture(picture);
    EXPECT_EQ(plain.Width, 300);
    EXPECT_EQ(plain.Height, 150);
    Control stretched(Kind::Image, "S");
    stretched.Stretch = true;
    stretched.Width = 1000;
    stretched.setPicture(picture);
    EXPECT_EQ(stretched.Width, 1000);
    Control box(Kind::PictureBox, "B");
    box.Width = 77;
    box.setPicture(picture);
    EXPECT_EQ(box.Width, 77);
    EXPECT_EQ(box.picture().name, "p");
    // A picture known by name only changes no size.
    plain.setPicture(Bitmap{"Sc_a", nullptr});
    EXPECT_EQ(plain.Width, 300);
}

struct Item {
    std::string Name;
    long long Count = 0;
    void reflect(VarVisitor& v) {
        v.field("Name", Name);
        v.field("Count", Count);
    }
};

struct State {
    long long Money = 0;
    bool Hooked = false;
    double Ratio = 0;
    std::vector<Item> Items;
    Item Fixed[2];
    void reflect(VarVisitor& v) {
        v.field("Money", Money);
        v.field("Hooked", Hooked);
        v.field("Ratio", Ratio);
        v.records("Items", Items);
        v.count("ItemCount", Items.size());
        v.records("Fixed", Fixed);
    }
};

TEST(Reflection, StateIsPrintedByItsNamesAndOneBasedIndices) {
    State s;
    s.Money = -5;
    s.Hooked = true;
    s.Ratio = 0.00001;
    s.Items = {{"a", 1}, {"b", 2}};
    s.Fixed[1].Name = "z";
    EXPECT_EQ(PrintPath(s, "Money"), "-5");
    EXPECT_EQ(PrintPath(s, "Hooked"), "true");
    EXPECT_EQ(PrintPath(s, "Ratio"), "0.00001");
    EXPECT_EQ(PrintPath(s, "ItemCount"), "2");
    EXPECT_EQ(PrintPath(s, "Items(2).Name"), "b");
    EXPECT_EQ(PrintPath(s, "Items(1).Count"), "1");
    EXPECT_EQ(PrintPath(s, "Fixed(2).Name"), "z");
    for (const char* missing : {"Items(3).Name", "Items(0).Name", "Items(1)", "Items", "Money(1)", "Items(1).Nope",
                                "Fixed(3).Name", "Items(x).Name", "money"})
        EXPECT_EQ(PrintPath(s, missing), std::nullopt) << missing;
}

TEST(Pictures, TheSizeIsReadAtOnceAndThePixelsWhenFirstNeeded) {
    TestFolder f;
    f.writeBytes("p.bmp", PictureBytes(4, 3));
    FilePictures pictures;
    const Bitmap b = pictures.Load(f.game() / "p.bmp", "\\p.bmp");
    EXPECT_EQ(b.name, "\\p.bmp");
    ASSERT_TRUE(b.image);
    EXPECT_EQ(b.image->width, 4);
    EXPECT_EQ(b.image->height, 3);
    EXPECT_FALSE(b.image->pixels.ready());
    ASSERT_EQ(b.image->pixels.size(), 12u);
    EXPECT_TRUE(b.image->pixels.ready());
    // The test picture is grey 0x80 everywhere, fully opaque.
    EXPECT_EQ(b.image->pixels[0], 0xFF808080u);
    EXPECT_EQ(b.image->pixels[11], 0xFF808080u);
    EXPECT_EQ(b.widthTwips(), 60);
    EXPECT_EQ(b.heightTwips(), 45);
}

TEST(Pictures, AFileLoadedAgainUnchangedIsTheSamePictureWhileInUseOrKept) {
    TestFolder f;
    f.writeBytes("a.png", PictureBytes(4, 3));  // 48 bytes of pixels
    f.writeBytes("b.png", PictureBytes(2, 2));  // 16
    f.writeBytes("c.png", PictureBytes(4, 3));  // 48
    FilePictures pictures(64);
    Bitmap a = pictures.Load(f.game() / "a.png", "\\a.png");
    {
        const Bitmap again = pictures.Load(f.game() / "a.png", "\\A.PNG");
        EXPECT_EQ(again.image, a.image);
        EXPECT_EQ(again.name, "\\A.PNG") << "the name is the caller's";
    }
    pictures.Load(f.game() / "b.png", "b");
    const std::weak_ptr<const Image> first = a.image;
    a = {};
    EXPECT_EQ(pictures.Load(f.game() / "a.png", "a").image, first.lock()) << "kept: a and b fit in 64 bytes";

    pictures.Load(f.game() / "c.png", "c");  // a is the oldest: it goes
    EXPECT_TRUE(first.expired());
    const Bitmap reloaded = pictures.Load(f.game() / "a.png", "a");
    EXPECT_EQ(reloaded.image->width, 4);

    // A file changed on disk is read afresh, though its old picture is in use.
    f.writeBytes("a.png", PictureBytes(5, 3));
    const Bitmap changed = pictures.Load(f.game() / "a.png", "a");
    EXPECT_NE(changed.image, reloaded.image);
    EXPECT_EQ(changed.image->width, 5);
}

TEST(Pictures, PixelsReleasedAfterAViewTookThemAreDecodedAgainWhenRead) {
    TestFolder f;
    f.writeBytes("p.png", PictureBytes(4, 3));
    FilePictures pictures;
    const Bitmap b = pictures.Load(f.game() / "p.png", "p");
    b.image->pixels.release();  // nothing decoded yet: nothing to free
    ASSERT_EQ(b.image->pixels.size(), 12u);
    b.image->pixels.release();
    EXPECT_FALSE(b.image->pixels.ready());
    EXPECT_EQ(b.image->pixels[4], 0xFF808080u);
    // Taken, they are the caller's and are decoded again when read here.
    EXPECT_EQ(b.image->pixels.take().size(), 12u);
    EXPECT_FALSE(b.image->pixels.ready());
    EXPECT_EQ(b.image->pixels[11], 0xFF808080u);
    // Pixels set by hand have nothing to decode from: they stay, and a
    // taker gets a copy.
    Image byHand;
    byHand.pixels.assign(std::size_t(4), Pixel(7));
    byHand.pixels.release();
    EXPECT_EQ(byHand.pixels.take().size(), 4u);
    EXPECT_TRUE(byHand.pixels.ready());
    EXPECT_EQ(byHand.pixels.size(), 4u);
}

TEST(Pictures, AFileThatIsNoPictureOrIsMissingIsRefusedAtOnce) {
    TestFolder f;
    f.writeBytes("text.jpg", "JFIF? no, just text");
    f.writeBytes("empty.jpg", "");
    f.writeBytes("half.bmp", PictureBytes(4, 3).substr(0, 10));
    FilePictures pictures;
    EXPECT_THROW(pictures.Load(f.game() / "text.jpg", "t"), PictureError);
    EXPECT_THROW(pictures.Load(f.game() / "empty.jpg", "e"), PictureError);
    EXPECT_THROW(pictures.Load(f.game() / "half.bmp", "h"), PictureError);
    EXPECT_THROW(pictures.Load(f.game() / "missing.jpg", "m"), PictureError);
    std::filesystem::create_directory(f.game() / "folder.jpg");
    EXPECT_THROW(pictures.Load(f.game() / "folder.jpg", "d"), PictureError);
}

TEST(Pictures, PixelsBuiltByHandNeedNoDecoding) {
    Image image;
    image.pixels.push_back(1);
    image.pixels.push_back(2);
    EXPECT_TRUE(image.pixels.ready());
    EXPECT_EQ(image.pixels.size(), 2u);
    image.pixels.assign(std::size_t(3), Pixel(9));
    EXPECT_EQ(std::vector<Pixel>(image.pixels.begin(), image.pixels.end()), (std::vector<Pixel>{9, 9, 9}));
}

TEST(Services, ScriptedRandomPlaysItsQueueThenASeededSequence) {
    ScriptedRandom a, b;
    a.queue(0.75);
    a.seed(7);
    b.seed(7);
    a.Randomize();  // scripted runs are exact: no reseed
    EXPECT_EQ(a.left(), 1u);
    EXPECT_DOUBLE_EQ(a.Rnd(), 0.75);
    EXPECT_EQ(a.left(), 0u);
    for (int i = 0; i < 5; ++i) {
        const double v = a.Rnd();
        EXPECT_DOUBLE_EQ(v, b.Rnd());
        EXPECT_GE(v, 0.0);
        EXPECT_LT(v, 1.0);
    }
}

TEST(Services, TwoReseedsInOneSecondDoNotRepeatASequence) {
    FixedClock clock;
    SystemRandom r(clock);
    r.Randomize();
    const double first = r.Rnd();
    r.Randomize();  // the same time of day
    const double second = r.Rnd();
    EXPECT_NE(first, second);
    for (int i = 0; i < 1000; ++i) {
        const double v = r.Rnd();
        ASSERT_GE(v, 0.0);
        ASSERT_LT(v, 1.0);
    }
}

TEST(Services, ScriptedDialogsAnswerInOrderAndKeepTheMessages) {
    ScriptedDialogs d;
    d.queueAnswer("Вася");
    d.queueAnswer(std::nullopt);
    EXPECT_EQ(d.InputBox("Введите свое имя", "Клевница 2", ""), "Вася");
    EXPECT_EQ(d.InputBox("p", "t", "x"), std::nullopt);
    EXPECT_THROW(d.InputBox("p", "t", ""), NoAnswerQueued);
    d.MsgBox("Ошибка при сохранении игры", MessageIcon::Error, "Клевница 2");
    EXPECT_EQ(d.takeMessages(), std::vector<std::string>{"Ошибка при сохранении игры"});
    EXPECT_TRUE(d.takeMessages().empty());
    ASSERT_EQ(d.messageBoxes().size(), 1u);
    EXPECT_EQ(d.messageBoxes()[0].icon, MessageIcon::Error);
    EXPECT_EQ(d.inputBoxes().size(), 3u);
    EXPECT_EQ(d.inputBoxes()[1].defaultText, "x");
}

}  // namespace
