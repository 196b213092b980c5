#include "bar/duel.h"
#include "bar/duel_select.h"
#include "bar/kafe.h"
#include "bar_fixture.h"
#include "scene/scene_form.h"

namespace {

using bar_testing::BarTest;
using bar_testing::Pick;

klev::FishRecord Fish(long long grams) {
    klev::FishRecord f;
    f.Name = "рыба";
    f.Weight = grams;
    return f;
}

// Бумбер (skill 15) respects the player, who has 100 dollars and is in the bar.
class Duel : public BarTest {
protected:
    void SetUp() override {
        BarTest::SetUp();
        game().save.PlayerMoney = 100;
        regular(1).Attitude = 100;
        OpenBar();
    }
    void Challenge(int rival = 1) { run("click Kafe.But_Duel\nclick Kafe.Lb_Select(" + std::to_string(rival) + ")"); }
    // Stake and conditions typed into the set-up window, then "начать".
    std::string Start(const std::string& stake, const std::string& kind = "общий вес") {
        return run("settext Duel_Select.Text1 " + stake + "\nsettext Duel_Select.Duel_T " + kind +
                   "\nclick Duel_Select.Label4\nprint Duel_Select.Info.Caption");
    }
    // Arranged and on the first place, the duel clock running.
    void Play(const std::string& kind = "общий вес", const std::string& stake = "50") {
        Challenge();
        Start(stake, kind);
        run("click Form1.PScene(1)");
        ASSERT_EQ(print("InDuel"), "true");
        scene().Sound_T.setEnabled(false);  // the ambient sound's draws are not under test
    }
    // One tick's draws: r, s (of the rival's skill 15) and p (of the place's 3 species).
    void QueueTick(long long r, long long s, long long p) { rnd({Pick(r, 100), Pick(s, 15), Pick(p, 3)}); }
    klev::SceneForm& scene() { return game().window<klev::SceneForm>(); }
};

TEST_F(Duel, ARegularBelow100RespectSendsThePlayerOff) {
    regular(2).Attitude = 99;
    Challenge(2);
    EXPECT_EQ(run("print SelectedRegular\nprint Kafe.Label12.Caption\nprint Kafe.Visible\nprint Duel_Select.Visible\n"),
              "2\nдобейся его уважения\ntrue\nfalse\n");
    bar().Drunkenness = 40;
    scene().Duel_Console.addItem("старое");
    Challenge(1);
    EXPECT_EQ(run("print SelectedRegular\nprint Kafe.Visible\nprint Drunkenness\nprint Kafe.Actions.Enabled\n"
                  "print Kafe.Timer1.Enabled\nprint Duel_Select.Visible\nprint Duel_Select.Caption\n"
                  "print Duel_Select.Text1.Text\nprint Duel_Select.Duel_T.Text\nprint SceneForm.Duel_Console.ListCount\n"),
              "1\nfalse\n1\nfalse\nfalse\ntrue\nДуэль\n100\nобщий вес\n0\n");
    EXPECT_EQ(run("items Duel_Select.Duel_T"), "общий вес\nсамай крупная рыба\nколличество\n.\n");
}

TEST_F(Duel, SetUpButtonsTurnLightGreenUnderTheMouse) {
    Challenge();
    const std::string face = print("Duel_Select.Label4.BackColor");
    EXPECT_EQ(run("move Duel_Select.Label4\nprint Duel_Select.Label4.BackColor\nmove Duel_Select.Label5\n"
                  "print Duel_Select.Label5.BackColor\nmove Duel_Select\nprint Duel_Select.Label4.BackColor\n"
                  "print Duel_Select.Label5.BackColor\n"),
              "12648384\n12648384\n" + face + "\n" + face + "\n");
    EXPECT_EQ(run("click Duel_Select.Label5\nprint Duel_Select.Visible\nprint Kafe.Visible\nprint InDuel\n"),
              "false\nfalse\nfalse\n");
}

TEST_F(Duel, StakeChecks) {
    const struct {
        const char* text;
        long long money;
        const char* info;
        const char* inDuel;
        long long stake;
    } cases[] = {
        {"100", 100, "", "true", 100},
        {"101", 500, "100 максимально", "false", 0},
        {"99.5", 100, "", "true", 100},  // halves to even
        {"98.5", 100, "", "true", 98},
        {"abc", 0, "", "true", 0},       // no leading number: a friendly match
        {"60", 59, "Нет таких денег", "false", 0},
        {"-5", 100, "Ставка не может быть отрицательной", "false", 0},
        {"-500", 100, "Ставка не может быть отрицательной", "false", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        game().duel.InDuel = false;
        game().duel.DuelStake = 0;
        game().save.PlayerMoney = c.money;
        Challenge();
        game().window<klev::Duel_Select>().Info.Caption = "";
        EXPECT_EQ(Start(c.text), std::string(c.info) + "\n");
        EXPECT_EQ(print("InDuel"), c.inDuel);
        EXPECT_EQ(game().duel.DuelStake, c.stake);
        EXPECT_EQ(print("Duel_Select.Visible"), c.inDuel == std::string("true") ? "false" : "true");
        if (c.inDuel == std::string("true")) {
            EXPECT_EQ(run("print Form1.Visible\nprint Form1.Info.Caption\n"), "true\nВыбери место для соревнования\n");
        }
    }
}

TEST_F(Duel, KindFromTheExactComboTextOtherTextKeepsThePrevious) {
    const std::pair<const char*, const char*> cases[] = {
        {"самай крупная рыба", "topves"}, {"колличество", "kol"}, {"общий вес ", "kol"},
        {"общий вес", "allves"},          {"что угодно", "allves"},
    };
    for (const auto& [text, kind] : cases) {
        SCOPED_TRACE(text);
        game().duel.InDuel = false;
        Challenge();
        Start("10", text);
        EXPECT_EQ(print("DuelKind"), kind);
    }
}

TEST_F(Duel, StartingPlayOnTheMapAndTheExitRefusedDuringTheDuel) {
    scene().Rez_Prize.Caption = "Победа !5 $";
    game().duel.RivalCatch = {Fish(100)};
    Play();
    EXPECT_EQ(run("print DuelTimeLeft\nprint SceneForm.Duel_Console.Visible\nprint SceneForm.Duel_Vremya.Visible\n"
                  "print SceneForm.Duel_T.Enabled\nprint RivalCatchCount\nprint Form1.Info.Caption\n"
                  "print SceneForm.Visible\nprint SceneForm.Rez_Prize.Caption\n"),
              "100\ntrue\ntrue\ntrue\n0\n\ntrue\n\n");
    EXPECT_EQ(run("click SceneForm.Image2\nprint SceneForm.Visible\nprint Form1.Visible\n"), "true\nfalse\n");
}

// A catch needs s = 5 and the drawn species' Value at least r.
TEST_F(Duel, TheRivalsCatchRoll) {
    Play();
    // Place entries: 1 щука 60, 2 окунь 100, 3 сом 5.
    QueueTick(61, 5, 1);  // s = 5 but r above 60
    advanceDrawingAll(1000);
    EXPECT_EQ(run("print RivalCatchCount\nprint SceneForm.Duel_Vremya.Caption\nprint DuelTimeLeft\n"), "0\n99\n99\n");
    QueueTick(60, 4, 1);  // r within 60 but s = 4
    advanceDrawingAll(1000);
    EXPECT_EQ(print("RivalCatchCount"), "0");
    // r = 60 and s = 5: a pike of 2750, then 1625, then 1062 g.
    QueueTick(60, 5, 1);
    rnd({0.5, 0.5, 0.5});
    advanceDrawingAll(1000);
    EXPECT_EQ(run("print RivalCatchCount\nprint RivalCatch(1).Name\nprint RivalCatch(1).Weight\n"
                  "print SceneForm.Duel_Console.List(0)\n"),
              "1\nщука\n1062\nБумбер поймал щука 1,062 кг\n");
    // Where every species has Value 100, s = 5 alone decides.
    game().place.PlaceFish = {{2, 100}, {1, 100}, {3, 100}};
    QueueTick(100, 5, 3);
    rnd({0.0, 0.9, 0.9});  // the smallest catfish: 2000 g
    advanceDrawingAll(1000);
    QueueTick(100, 6, 2);
    advanceDrawingAll(1000);
    EXPECT_EQ(run("print RivalCatchCount\nprint SceneForm.Duel_Console.List(1)\n"), "2\nБумбер поймал сом 2 кг\n");
}

TEST_F(Duel, APlaceWithoutSpeciesGivesTheRivalNothing) {
    Play();
    game().place.PlaceFish.clear();
    rnd({Pick(1, 100), Pick(5, 15), 0.3});
    advanceDrawingAll(1000);
    EXPECT_EQ(run("print RivalCatchCount\nprint DuelTimeLeft\n"), "0\n99\n");
}

TEST_F(Duel, SettlesAfterExactly100TicksAndMovesTheMoneyOnce) {
    Play("колличество", "30");
    game().save.CaughtFish = {Fish(100)};
    for (int i = 0; i < 99; ++i) QueueTick(100, 1, 1);  // the rival never catches
    advanceDrawingAll(99000);
    EXPECT_EQ(run("print DuelTimeLeft\nprint InDuel\nprint SceneForm.Frame_Winner.Visible\nprint PlayerMoney\n"),
              "1\ntrue\nfalse\n100\n");
    QueueTick(100, 1, 1);
    advanceDrawingAll(1000);
    EXPECT_EQ(run("print DuelTimeLeft\nprint InDuel\nprint SceneForm.Frame_Winner.Visible\nprint PlayerMoney\n"
                  "print SceneForm.Rez_Prize.Caption\nprint SceneForm.Duel_T.Enabled\n"
                  "print SceneForm.Duel_Console.Visible\nprint SceneForm.Duel_Vremya.Visible\nprint CaughtCount\n"),
              "0\nfalse\ntrue\n130\nПобеда !30 $\nfalse\nfalse\nfalse\n1\n");
    run("advance 5000");
    EXPECT_EQ(print("PlayerMoney"), "130");
    // "OK" back to the map; the scene may be left again.
    EXPECT_EQ(run("click SceneForm.Label13\nprint SceneForm.Frame_Winner.Visible\nprint Form1.Visible\n"),
              "false\ntrue\n");
}

TEST_F(Duel, SettlementByKind) {
    const struct {
        const char* kind;
        std::vector<long long> mine, rival;
        const char* prize;
        const char* rivalLine;
        const char* playerLine;
        long long money;
    } cases[] = {
        {"общий вес", {1000, 500}, {1200}, "Победа !50 $", "Бумбер наловил рыбу на 1,2 кг", "Ты наловил рыбу на 1,5 кг", 150},
        {"общий вес", {}, {300}, "Проигрыш !50 $", "Бумбер наловил рыбу на 0,3 кг", "Ты наловил рыбу на 0 кг", 50},
        {"общий вес", {700}, {400, 300}, "НИЧЬЯ", "Бумбер наловил рыбу на 0,7 кг", "Ты наловил рыбу на 0,7 кг", 100},
        {"самай крупная рыба", {900, 2500}, {2400, 100}, "Победа !50 $", "Бумбер выловил рыбу на 2,4 кг",
         "Ты выловил рыбу на 2,5 кг", 150},
        {"самай крупная рыба", {900}, {1000}, "Проигрыш !50 $", "Бумбер выловил рыбу на 1 кг",
         "Ты выловил рыбу на 0,9 кг", 50},
        {"самай крупная рыба", {}, {}, "НИЧЬЯ", "Бумбер выловил рыбу на 0 кг", "Ты выловил рыбу на 0 кг", 100},
        {"колличество", {1, 2}, {3}, "Победа !50 $", "Бумбер выловил 1 рыб", "Ты выловил 2 рыб", 150},
        {"колличество", {1, 2, 3}, {1, 2, 3, 4}, "Проигрыш !50 $", "Бумбер выловил 4 рыб", "Ты выловил 3 рыб", 50},
        {"колличество", {}, {}, "НИЧЬЯ", "Бумбер выловил 0 рыб", "Ты выловил 0 рыб", 100},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.kind << " " << c.prize << " " << c.playerLine);
        game().save.PlayerMoney = 100;
        Play(c.kind);
        game().save.CaughtFish.clear();
        for (long long w : c.mine) game().save.CaughtFish.push_back(Fish(w));
        game().duel.RivalCatch.clear();
        for (long long w : c.rival) game().duel.RivalCatch.push_back(Fish(w));
        game().duel.DuelTimeLeft = 1;
        QueueTick(100, 1, 1);
        advanceDrawingAll(1000);
        EXPECT_EQ(run("print SceneForm.Rez_Prize.Caption\nprint SceneForm.Rez_Sop.Caption\nprint SceneForm.Rez_you.Caption\n"
                      "print PlayerMoney\nprint RivalCatchCount\nprint InDuel\n"),
                  std::string(c.prize) + "\n" + c.rivalLine + "\n" + c.playerLine + "\n" + std::to_string(c.money) +
                      "\n0\nfalse\n");
        run("click SceneForm.Label13\nclick Form1.Butt_base\nclick Base.but_pub\nadvance 1500");
    }
}

// The first duel with an unknown conditions text has no kind: no money
// moves, and the frame shows no result at all rather than an old one.
TEST_F(Duel, ADuelWithoutAKindSettlesNothingAndShowsNoOldResult) {
    scene().Rez_Prize.Caption = "Победа !100 $";
    scene().Rez_Sop.Caption = "Бумбер наловил рыбу на 1 кг";
    scene().Rez_you.Caption = "Ты наловил рыбу на 2 кг";
    Play("на спор");
    EXPECT_EQ(print("DuelKind"), "");
    game().save.CaughtFish = {Fish(100)};
    game().duel.DuelTimeLeft = 1;
    QueueTick(100, 1, 1);
    advanceDrawingAll(1000);
    EXPECT_EQ(run("print SceneForm.Frame_Winner.Visible\nprint SceneForm.Rez_Prize.Caption\nprint SceneForm.Rez_Sop.Caption\n"
                  "print SceneForm.Rez_you.Caption\nprint PlayerMoney\nprint InDuel\n"),
              "true\n\n\n\n100\nfalse\n");
}

}  // namespace
