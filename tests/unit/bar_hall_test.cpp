#include "bar/kafe.h"
#include "bar/regulars.h"
#include "bar_fixture.h"

namespace {

using bar_testing::BarTest;
using bar_testing::Pick;

TEST_F(BarTest, OpeningResetsTheHallButNotThePlayersDrunkenness) {
    bar().Drunkenness = 37;
    bar().Satiety = 120;
    bar().Puddles = {{1080, 5281}, {1080, 5381}};
    bar().EyesShown = true;
    for (int i = 1; i <= 4; ++i) regular(i).Drunkenness = 90;
    OpenBar();
    EXPECT_EQ(run("print Kafe.Caption\nprint Drunkenness\nprint Satiety\nprint Kafe.St_Drink.Width\n"
                  "print Kafe.St_Goloda.Width\nprint Kafe.Label4.ForeColor\nprint PuddleCount\n"
                  "print FirstSlidingPuddle\nprint Kafe.Eye1.Visible\nprint Kafe.eye2.Visible\n"
                  "print Kafe.Select_fr.Visible\nprint Kafe.Actions.Enabled\nprint Kafe.Timer1.Enabled\n"
                  "print Kafe.TurboTimer.Enabled\nprint Regulars(1).Drunkenness\nprint Regulars(4).Drunkenness\n"),
              "Бар\n37\n1\n370\n60\n16777215\n0\n1\nfalse\nfalse\nfalse\ntrue\ntrue\nfalse\n1\n1\n");
    EXPECT_FALSE(game().window<klev::Kafe>().Blevo.loaded(1));
}

TEST_F(BarTest, ReopeningKeepsTheSpeechTimersCountdown) {
    OpenBar();
    run("advance 2000");
    klev::OpenBar(game());  // the transition again while the bar is open
    rnd({Pick(100, 100), Pick(1, 4), Pick(99, 99)});  // t 100, b 99: Бумбер speaks
    rnd({Pick(2, 10)});
    advanceDrawingAll(1000);  // the tick due 3000 ms after the first opening
    EXPECT_EQ(print("Kafe.Rech.Caption"), "Щас нажрусь");
}

// b < t decides; Int rounds down, so a drunkenness above 100 gives b <= 0.
TEST_F(BarTest, SpeakerDrawAndTheBeLessThanTeeRule) {
    OpenBar();
    struct Case {
        long long drunkenness;
        long long t;
        double bRnd;
        bool speaks;
    } cases[] = {
        {1, 50, Pick(50, 99), false},   // b = t
        {1, 50, Pick(49, 99), true},    // b = t - 1
        {100, 1, 0.999, false},         // 100 - 100 = 0: b = 1 whatever the draw
        {100, 2, 0.999, true},
        {104, 1, 0.1, true},            // Int(-0.4) = -1: b = 0 < 1
        {104, 1, 0.0, false},           // Int(0) = 0: b = 1
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.drunkenness << " t=" << c.t << " rnd=" << c.bRnd);
        bar().Speech.clear();
        regular(2).Drunkenness = c.drunkenness;
        rnd({Pick(c.t, 100), Pick(2, 4), c.bRnd});
        if (c.speaks) rnd({Pick(1, 10)});
        rnd({0.987654321});
        klev::ChooseSpeaker(game());
        EXPECT_EQ(rndLeft(), 1u);
        game().Rnd();
        const std::string said = c.drunkenness > 70 ? "Zzz Zzz" : "Может не будем сегодня водку пить?";
        EXPECT_EQ(bar().Speech, c.speaks ? said : "");
    }
}

TEST_F(BarTest, EachRegularSleepsOnlyAboveHisThreshold) {
    OpenBar();
    const struct {
        int regular;
        long long threshold;
        const char* awake;
    } regulars[] = {{1, 100, "Дросс, борода ты немытая, вали отсюда!"},
                    {2, 70, "Может не будем сегодня водку пить?"},
                    {3, 50, "Где бы денег срубить"},
                    {4, 30, "ням ням ням"}};
    for (const auto& r : regulars) {
        for (long long extra : {0, 1}) {
            SCOPED_TRACE(testing::Message() << "regular " << r.regular << " at " << r.threshold + extra);
            regular(r.regular).Drunkenness = r.threshold + extra;
            rnd({Pick(100, 100), Pick(r.regular, 4), 0.0, Pick(1, r.regular == 4 ? 7 : 10), 0.987654321});
            run("advance 3000");
            EXPECT_EQ(rndLeft(), 1u);
            game().Rnd();
            EXPECT_EQ(print("Kafe.Rech.Caption"), extra ? "Zzz Zzz" : r.awake);
            EXPECT_EQ(print("Kafe.Rech.Visible"), "true");
        }
    }
    // The bubble stands by the last speaker.
    EXPECT_EQ(run("print Kafe.Rech.Top\nprint Kafe.Rech.Left\n"), "3240\n2160\n");
}

// Every mode of every regular, for a stranger and a friend, sober and drunk.
TEST_F(BarTest, LinesByModeAttitudeAndDrunkenness) {
    OpenBar();
    struct Case {
        void (*speak)(klev::Game&);
        int regular;
        long long mode, attitude, drunkenness;
        const char* line;
    } cases[] = {
        {klev::Bumber_AI, 1, 2, 0, 1, "Щас нажрусь"},
        {klev::Bumber_AI, 1, 3, 99, 1, "Чего-то я тебя не узнаю"},
        {klev::Bumber_AI, 1, 3, 100, 1, "Здарова! не купишь выпивки?"},
        {klev::Bumber_AI, 1, 4, 0, 1, "Это кто?"},
        {klev::Bumber_AI, 1, 5, 100, 1, "Ну рассказывай кого поймал?"},
        {klev::Bumber_AI, 1, 6, 0, 1, "Я тебя раньше видел?"},
        {klev::Bumber_AI, 1, 6, 100, 1, "Пацаны! б.я. Пиви хочу!"},
        {klev::Bumber_AI, 1, 8, 0, 60, "Станно, я еще трезвый"},
        {klev::Bumber_AI, 1, 8, 0, 61, "Б.Я! ЭЭЭЭЭЭЭЭ ССУУУУ..."},
        {klev::Bumber_AI, 1, 9, 0, 80, "ОХо хо хо хо!"},
        {klev::Bumber_AI, 1, 9, 0, 81, "АХУ.. ВАЫПЫВАЫ.... ГРЫМ!"},
        {klev::Bumber_AI, 1, 10, 0, 80, "Меня тошнит"},
        {klev::Lipot_AI, 2, 2, 0, 1, "Я приво возьму"},
        {klev::Lipot_AI, 2, 3, 0, 1, "Мы с тобой вроде еще не пили"},
        {klev::Lipot_AI, 2, 3, 100, 1, "Привет! Присоединяйся"},
        {klev::Lipot_AI, 2, 4, 0, 1, "Кто это пришел?"},
        {klev::Lipot_AI, 2, 4, 100, 1, "Ну как сегодня клев?"},
        {klev::Lipot_AI, 2, 5, 0, 1, "На рыбалку охота"},
        {klev::Lipot_AI, 2, 5, 100, 1, "Может по виски?"},
        {klev::Lipot_AI, 2, 6, 0, 1, "С тобой я пить не буду"},
        {klev::Lipot_AI, 2, 6, 100, 1, "Бумбер, ты толстый говнюк!"},
        {klev::Lipot_AI, 2, 8, 0, 40, "я больше не хочу пить!"},
        {klev::Lipot_AI, 2, 8, 0, 41, "Ну чт.. чт... тоесть выпи.. выпе.. ммм бл."},
        {klev::Lipot_AI, 2, 9, 0, 60, "Хе меня даже не берет!"},
        {klev::Lipot_AI, 2, 9, 0, 61, "А,еть. Фаталити! ли ти б.ля"},
        {klev::Lipot_AI, 2, 10, 0, 55, "Меня тошнит"},
        {klev::Dross_AI, 3, 1, 0, 1, "Где бы денег срубить"},
        {klev::Dross_AI, 3, 2, 0, 1, "Бумбер ты сволочь жирная!"},
        {klev::Dross_AI, 3, 3, 0, 1, "Привет! Я Дросс"},
        {klev::Dross_AI, 3, 3, 100, 1, "Привет! Присоединяйся"},
        {klev::Dross_AI, 3, 4, 0, 1, "Как тебя зовут?"},
        {klev::Dross_AI, 3, 4, 100, 1, "Говорили что сегодня хорошо клюет на озере"},
        {klev::Dross_AI, 3, 5, 0, 1, "Это еще кто?"},
        {klev::Dross_AI, 3, 5, 100, 1, "Может по виски?"},
        {klev::Dross_AI, 3, 6, 0, 1, "С тобой я пить не буду"},
        {klev::Dross_AI, 3, 6, 100, 1, "Бумбер, ты толстый говнюк!"},
        {klev::Dross_AI, 3, 8, 0, 30, "Я ничего не понимаю"},
        {klev::Dross_AI, 3, 8, 0, 31, "Нет нет я больше не пью! щас блевану!"},
        {klev::Dross_AI, 3, 9, 0, 40, "Уфф!"},
        {klev::Dross_AI, 3, 9, 0, 41, "О боже мой они убили Хумпи!!!"},
        {klev::Dross_AI, 3, 10, 0, 40, "Меня тошнит"},
        {klev::Humpi_AI, 4, 1, 100, 1, "ням ням ням"},
        {klev::Humpi_AI, 4, 2, 0, 1, "умбр сасранец!"},
        {klev::Humpi_AI, 4, 3, 0, 1, "Хумпи!"},
        {klev::Humpi_AI, 4, 4, 0, 5, "аааа ееее ыыыы ааа"},
        {klev::Humpi_AI, 4, 4, 0, 6, "аа ыва ы ццуц фчс "},
        {klev::Humpi_AI, 4, 5, 0, 15, "хххххххх"},
        {klev::Humpi_AI, 4, 5, 0, 16, "ууууууууу"},
        {klev::Humpi_AI, 4, 6, 0, 20, "хххххххх"},
        {klev::Humpi_AI, 4, 7, 0, 20, "хххххххх"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        regular(c.regular).Attitude = c.attitude;
        regular(c.regular).Drunkenness = c.drunkenness;
        rnd({Pick(c.mode, c.regular == 4 ? 7 : 10), 0.987654321});
        c.speak(game());
        EXPECT_EQ(rndLeft(), 1u);
        game().Rnd();
        EXPECT_EQ(bar().Speech, c.line);
        EXPECT_EQ(regular(c.regular).Drunkenness, c.drunkenness);
        EXPECT_TRUE(bar().Puddles.empty());
        EXPECT_FALSE(bar().EyesShown);
    }
}

// factor 1 up to 10, drunkenness / 10 above; the weight in the user's format.
TEST_F(BarTest, FishStoryExaggeratesByDrunkenness) {
    OpenBar();
    const struct {
        void (*speak)(klev::Game&);
        int regular;
        long long drunkenness;
        double weightRnd;
        const char* line;
    } cases[] = {
        {klev::Bumber_AI, 1, 10, 0.5, "Пацаны я вчера поймал щука 2,75 кг"},   // 4500 * 0.5 + 500
        {klev::Bumber_AI, 1, 11, 0.5, "Пацаны я вчера поймал щука 3 кг"},      // 5000 * 0.5 + 500
        {klev::Lipot_AI, 2, 25, 0.5, "Пацаны я вчера поймал щука 6,5 кг"},     // 12000 * 0.5 + 500
        {klev::Dross_AI, 3, 10, 0.1, "я вчера поймал щука 950 г"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        regular(c.regular).Drunkenness = c.drunkenness;
        rnd({Pick(7, 10), Pick(1, 3), c.weightRnd, 0.987654321});
        c.speak(game());
        EXPECT_EQ(rndLeft(), 1u);
        game().Rnd();
        EXPECT_EQ(bar().Speech, c.line);
    }
}

TEST_F(BarTest, ThrowingUpLaysASeriesOfPuddlesAndSobers) {
    OpenBar();
    regular(1).Drunkenness = 81;
    rnd({Pick(10, 10), Pick(2, 3), 0.987654321});  // one puddle: the first 1..3 draw is 2
    klev::Bumber_AI(game());
    EXPECT_EQ(rndLeft(), 1u);
    game().Rnd();
    game().window<klev::Kafe>().ShowHall();
    EXPECT_EQ(run("print Kafe.Rech.Caption\nprint Regulars(1).Drunkenness\nprint PuddleCount\nprint Kafe.Blevo(1).Left\n"
                  "print Kafe.Blevo(1).Top\nprint Kafe.Blevo(1).Visible\nprint Kafe.Blevo(1).Width\n"),
              "ЭЭЭЭЭЭЭЭЭЭ\n61\n1\n1080\n5281\ntrue\n600\n");
    EXPECT_EQ(game().window<klev::Kafe>().Blevo[1].FillColor, 0x00C000);
    // A single puddle that is also the first sliding one never moves.
    run("advance 2950");
    EXPECT_EQ(print("Kafe.Blevo(1).Top"), "5281");

    // Хумпи: three puddles (1, 3, then 2 ends the series).
    regular(4).Drunkenness = 21;
    rnd({Pick(7, 7), Pick(1, 3), Pick(3, 3), Pick(2, 3), 0.987654321});
    klev::Humpi_AI(game());
    EXPECT_EQ(rndLeft(), 1u);
    game().Rnd();
    game().window<klev::Kafe>().ShowHall();
    EXPECT_EQ(run("print Kafe.Rech.Caption\nprint Regulars(4).Drunkenness\nprint PuddleCount\n"
                  "print Kafe.Blevo(2).Top\nprint Kafe.Blevo(3).Top\nprint Kafe.Blevo(4).Top\nprint Kafe.Blevo(4).Left\n"),
              "ОЫЫЫЫ\n1\n4\n4801\n4921\n5041\n3000\n");
}

// The slide exactly as it runs: bounds taken once, a puddle at the floor
// jumps to the top of the first sliding one, which then moves on.
TEST_F(BarTest, PuddlesSlideAndStopAsWritten) {
    OpenBar();
    bar().Puddles = {{6240, 3481}, {6240, 3601}, {6240, 3721}};
    run("advance 850");  // 17 ticks: the lowest reaches the floor
    EXPECT_EQ(run("print Kafe.Blevo(1).Top\nprint Kafe.Blevo(2).Top\nprint Kafe.Blevo(3).Top\nprint FirstSlidingPuddle\n"),
              "5181\n5301\n5181\n2\n");
    run("advance 50");
    EXPECT_EQ(run("print Kafe.Blevo(1).Top\nprint Kafe.Blevo(2).Top\nprint Kafe.Blevo(3).Top\nprint FirstSlidingPuddle\n"),
              "5181\n5401\n5281\n3\n");
    run("advance 1000");  // nothing moves any more
    EXPECT_EQ(run("print Kafe.Blevo(1).Top\nprint Kafe.Blevo(2).Top\nprint Kafe.Blevo(3).Top\n"), "5181\n5401\n5281\n");

    // Three fresh ones from Бумбер's base all meet at the first one's top at once.
    bar().Puddles = {{1080, 5281}, {1080, 5401}, {1080, 5521}};
    bar().FirstSlidingPuddle = 1;
    run("advance 50");
    EXPECT_EQ(run("print Kafe.Blevo(1).Top\nprint Kafe.Blevo(2).Top\nprint Kafe.Blevo(3).Top\nprint FirstSlidingPuddle\n"),
              "5381\n5381\n5381\n3\n");
}

TEST_F(BarTest, HumpisEyesLightUpInOneDrawnColour) {
    OpenBar();
    regular(4).Drunkenness = 21;
    rnd({Pick(6, 7), 0.5, 0.987654321});
    klev::Humpi_AI(game());
    EXPECT_EQ(rndLeft(), 1u);
    game().Rnd();
    EXPECT_EQ(bar().Speech, "где я?");
    EXPECT_EQ(bar().EyeColor, 50000);  // Int(0.5 * 99999) + 1
    klev::Kafe& kafe = game().window<klev::Kafe>();
    kafe.ShowHall();
    EXPECT_TRUE(kafe.Eye1.Visible);
    EXPECT_TRUE(kafe.eye2.Visible);
    EXPECT_EQ(kafe.Eye1.FillColor, 50000);
    EXPECT_EQ(kafe.eye2.FillColor, 50000);
}

TEST_F(BarTest, ButtonsHoverZonesAndTheChooser) {
    OpenBar();
    const char* buttons[] = {"But_Buy", "But_All", "But_Din", "But_Duel", "But_exit"};
    for (const char* hovered : buttons) {
        run(std::string("move Kafe.") + hovered);
        for (const char* b : buttons)
            EXPECT_EQ(print(std::string("Kafe.") + b + ".FontBold"), b == hovered ? "true" : "false") << hovered;
    }
    EXPECT_EQ(run("print Kafe.But_exit.Caption\nmove Kafe.Label5\nprint Kafe.Label2.Caption\nmove Kafe.Label6\n"
                  "print Kafe.Label2.Caption\nmove Kafe.Label7\nprint Kafe.Label2.Caption\nmove Kafe.Label8\n"
                  "print Kafe.Label2.Caption\n"),
              "Уйти отcюдова\nЛипот\nДросс\nХумпи\nБумбер\n");
    EXPECT_EQ(run("click Kafe.But_Duel\nprint Kafe.Select_fr.Visible\nprint Kafe.Label12.Caption\n"
                  "print Kafe.Lb_Select(4).Left\nprint Kafe.Lb_Select(2).Left\nprint Kafe.Lb_Select(3).Left\n"
                  "print Kafe.Lb_Select(1).Left\nprint Kafe.Lb_Select(1).Width\nprint Kafe.Lb_Select(1).Height\n"
                  "print Kafe.Lb_Select(4).Picture\nmove Kafe\nprint Kafe.Select_fr.Visible\n"),
              "true\nвыбери соперника\n180\n780\n1380\n1980\n375\n735\nrival4\nfalse\n");
    EXPECT_EQ(run("click Kafe.But_Duel\nmove Kafe.Label7\nprint Kafe.Select_fr.Visible\nmove Kafe.Image1\n"
                  "print Kafe.Select_fr.Visible\n"),
              "true\nfalse\n");
    // With a fish in the keep-net the chooser stays shut.
    game().save.CaughtFish.resize(1);
    EXPECT_EQ(run("click Kafe.But_Duel\nprint Kafe.Select_fr.Visible\nprint Kafe.Info.Caption\nmove Kafe.Label1\n"
                  "print Kafe.Info.Caption\n"),
              "false\nпродай или отпусти всю рыбу\n\n");
}

TEST_F(BarTest, LeavingStopsTheTimersAndSobersThePlayer) {
    OpenBar();
    bar().Drunkenness = 70;
    EXPECT_EQ(run("click Kafe.But_exit\nprint Kafe.Visible\nprint Drunkenness\nprint Kafe.Actions.Enabled\n"
                  "print Kafe.Timer1.Enabled\n"),
              "false\n1\nfalse\nfalse\n");
    // Back in the bar the meter is redrawn from the value.
    OpenBar();
    EXPECT_EQ(print("Kafe.St_Drink.Width"), "10");
}

}  // namespace
