// The evaluation at the base: records entry, which fish are bought, prices,
// the keep-net after sales, and the message list.

#include <gtest/gtest.h>

#include "trade_keep_net.h"

namespace {

using testing_support::TestGame;
using namespace trade_testing;
using klev::FishRecord;

// Starts the game as Вася with a scripted value queued, so that a random
// draw anywhere in the evaluation shows up as a missing value.
void Start(TestGame& t) {
    t.startAs("Вася");
    t.run("rnd 0.5\n");
}

// Runs the evaluation and returns the message list.
std::string Evaluate(TestGame& t) {
    return t.run("click Fish_Ocenka.Label3\nitems Fish_Ocenka.List1\n");
}

TEST(TradeEvaluation, AnEmptyKeepNetOnlyFinishes) {
    TestGame t;
    Start(t);
    EXPECT_EQ(Evaluate(t), "Оценка завершена\n.\n");
    EXPECT_EQ(t.print("PlayerMoney"), "50");
    // The evaluation never clears its list: that is the base's job.
    EXPECT_EQ(Evaluate(t), "Оценка завершена\nОценка завершена\n.\n");
    EXPECT_EQ(t.run("rndleft\n"), "1\n");
}

TEST(TradeEvaluation, RareSpeciesAreBoughtAtAnyWeight) {
    TestGame t;
    Start(t);
    Keep(t, Som, 1200);  // far below half of 50 kg
    EXPECT_EQ(Evaluate(t),
              "Вы продали: сом 1,2 кг за\n"
              "6 $\n"
              "Оценка завершена\n.\n");
    EXPECT_EQ(t.print("PlayerMoney"), "56");
    EXPECT_EQ(t.print("CaughtCount"), "0");
    EXPECT_EQ(t.run("rndleft\n"), "1\n");
}

TEST(TradeEvaluation, RareSpeciesAreMatchedByExactName) {
    TestGame t;
    Start(t);
    Keep(t, Som, 1200).SpeciesName = "Сом";  // capital letter: an ordinary species
    EXPECT_EQ(Evaluate(t), "Оценка завершена\n.\n");
    EXPECT_EQ(t.print("CaughtCount"), "1");
    EXPECT_EQ(t.print("PlayerMoney"), "50");
}

TEST(TradeEvaluation, HalfTheLargestWeightIsTheSellingLine) {
    TestGame t;
    Start(t);
    Keep(t, Pike, 2499);  // one gram below half of 5000
    EXPECT_EQ(Evaluate(t), "Оценка завершена\n.\n");
    EXPECT_EQ(t.print("CaughtCount"), "1");
    EXPECT_EQ(t.print("PlayerMoney"), "50");

    t.game().save.CaughtFish.clear();
    Keep(t, Pike, 2500);  // exactly half
    EXPECT_EQ(Evaluate(t),
              "Оценка завершена\n"
              "Вы продали: щука 2,5 кг за\n"
              "10 $\n"
              "Оценка завершена\n.\n");
    EXPECT_EQ(t.print("CaughtCount"), "0");
    EXPECT_EQ(t.print("PlayerMoney"), "60");
}

TEST(TradeEvaluation, HalfOfAnOddLargestWeightIsComparedAsADecimal) {
    TestGame t;
    Start(t);
    FishRecord& odd = Keep(t, Perch, 500);
    odd.MaxWeight = 1001;  // half is 500.5: 500 g stays
    EXPECT_EQ(Evaluate(t), "Оценка завершена\n.\n");
    t.game().save.CaughtFish[0].Weight = 501;
    Evaluate(t);
    EXPECT_EQ(t.print("CaughtCount"), "0");
}

TEST(TradeEvaluation, OnlyAFishHeavierThanTheRecordEntersTheBook) {
    TestGame t;
    Start(t);
    Keep(t, Pike, 3000);  // equal to Дед's record
    EXPECT_EQ(Evaluate(t),
              "Вы продали: щука 3 кг за\n"
              "12 $\n"
              "Оценка завершена\n.\n");
    EXPECT_EQ(t.print("RecordBook(1).Weight"), "3000");
    EXPECT_EQ(t.print("RecordBook(1).Holder"), "Дед");

    t.game().window<klev::Fish_Ocenka>().List1.clear();
    Keep(t, Pike, 3001);
    EXPECT_EQ(Evaluate(t),
              "Ваш щука 3,001 кг был занесен\n"
              "в книгу рекордов\n"
              "Вы продали: щука 3,001 кг за\n"
              "12,004 $\n"
              "Оценка завершена\n.\n");
    EXPECT_EQ(t.print("RecordBook(1).Weight"), "3001");
    EXPECT_EQ(t.print("RecordBook(1).Holder"), "Вася");
    EXPECT_EQ(t.print("RecordBook(2).Holder"), "Иван");
    EXPECT_EQ(t.print("PlayerMoney"), "74");
}

TEST(TradeEvaluation, ARecordFishThatIsNotSoldStaysAndIsNotEnteredTwice) {
    TestGame t;
    t.folder.write("Data/rec.cfg", {"1", "pike", "2000", "Дед"});
    Start(t);
    Keep(t, Pike, 2100);  // beats 2000 g, but below half of 5000
    EXPECT_EQ(Evaluate(t),
              "Ваш щука 2,1 кг был занесен\n"
              "в книгу рекордов\n"
              "Оценка завершена\n.\n");
    EXPECT_EQ(t.print("RecordBook(1).Weight"), "2100");
    EXPECT_EQ(t.print("RecordBook(1).Holder"), "Вася");
    EXPECT_EQ(t.print("CaughtCount"), "1");
    EXPECT_EQ(t.print("PlayerMoney"), "50");
    // Compared again next time: now only equal to the record.
    t.game().window<klev::Fish_Ocenka>().List1.clear();
    EXPECT_EQ(Evaluate(t), "Оценка завершена\n.\n");
}

TEST(TradeEvaluation, EveryMatchingEntryOfTheBookIsChecked) {
    TestGame t;
    t.folder.write("Data/rec.cfg", {"3", "pike", "1000", "А", "perch", "100", "Б", "pike", "1500", "В"});
    Start(t);
    Keep(t, Pike, 1200);  // beats the first pike entry, not the second
    Keep(t, Pike, 1600);  // beats both
    EXPECT_EQ(Evaluate(t),
              "Ваш щука 1,2 кг был занесен\n"
              "в книгу рекордов\n"
              "Ваш щука 1,6 кг был занесен\n"
              "в книгу рекордов\n"
              "Ваш щука 1,6 кг был занесен\n"
              "в книгу рекордов\n"
              "Оценка завершена\n.\n");
    EXPECT_EQ(t.print("RecordBook(1).Weight"), "1600");
    EXPECT_EQ(t.print("RecordBook(2).Weight"), "100");
    EXPECT_EQ(t.print("RecordBook(2).Holder"), "Б");
    EXPECT_EQ(t.print("RecordBook(3).Weight"), "1600");
    EXPECT_EQ(t.print("RecordBook(3).Holder"), "Вася");
}

TEST(TradeEvaluation, SellingTheMiddleFishMovesTheLastIntoItsPlace) {
    TestGame t;
    Start(t);
    Keep(t, Pike, 1000);   // stays
    Keep(t, Perch, 600);   // sold
    Keep(t, Pike, 2000);   // stays, moves to second place
    Evaluate(t);
    EXPECT_EQ(t.print("CaughtCount"), "2");
    EXPECT_EQ(t.print("CaughtFish(1).Name"), "щука 1 кг");
    EXPECT_EQ(t.print("CaughtFish(2).Name"), "щука 2 кг");
    EXPECT_EQ(t.print("CaughtFish(2).Weight"), "2000");
    EXPECT_EQ(t.print("CaughtFish(2).SpeciesName"), "щука");
    EXPECT_EQ(t.print("CaughtFish(2).PictureKey"), "pike");
    EXPECT_EQ(t.print("CaughtFish(2).MaxWeight"), "5000");
    EXPECT_EQ(t.print("CaughtFish(2).MinWeight"), "500");
    EXPECT_EQ(t.print("CaughtFish(2).PricePerUnit"), "4");
    EXPECT_EQ(t.print("CaughtFish(2).PriceWeightUnit"), "1000");
    EXPECT_EQ(t.print("CaughtFish(2).PictureIndex"), t.print("SpeciesList(1).PictureIndex"));
    EXPECT_EQ(t.print("PlayerMoney"), "51");  // 0.6 kg at 2 $: 1.2
}

TEST(TradeEvaluation, EverySaleStartsAgainFromTheFirstFish) {
    TestGame t;
    Start(t);
    Keep(t, Perch, 600);
    Keep(t, Perch, 700);
    Keep(t, Perch, 800);
    // 600 sold, 800 moves to the front and is sold next, then 700.
    EXPECT_EQ(Evaluate(t),
              "Вы продали: окунь 600 г за\n"
              "1,2 $\n"
              "Вы продали: окунь 800 г за\n"
              "1,6 $\n"
              "Вы продали: окунь 700 г за\n"
              "1,4 $\n"
              "Оценка завершена\n.\n");
    EXPECT_EQ(t.print("CaughtCount"), "0");
    // Each sale is rounded into the money on its own: 51.2 -> 51, 52.6 -> 53, 54.4 -> 54.
    EXPECT_EQ(t.print("PlayerMoney"), "54");
    EXPECT_EQ(t.run("rndleft\n"), "1\n");
}

TEST(TradeEvaluation, TheSumIsRoundedHalvesToEven) {
    struct Case {
        klev::Long money, grams;
        const char* price;
        const char* after;
    };
    // The money plus the price is rounded, not the price alone: 11 + 12.5 gives 24.
    for (const Case& c : {Case{10, 2500, "12,5 $", "22"}, Case{10, 2700, "13,5 $", "24"},
                          Case{11, 2500, "12,5 $", "24"}}) {
        TestGame t;
        Start(t);
        t.game().save.PlayerMoney = c.money;
        FishRecord& fish = Keep(t, Pike, c.grams);
        fish.PricePerUnit = 5;
        // The sale removes the fish from the keep-net: its name is taken first.
        const std::string name = fish.Name;
        EXPECT_EQ(Evaluate(t), "Вы продали: " + name + " за\n" + c.price + "\nОценка завершена\n.\n");
        EXPECT_EQ(t.print("PlayerMoney"), c.after) << c.money << " + " << c.price;
    }
}

TEST(TradeEvaluation, ThePriceIsWeightOverUnitTimesPrice) {
    TestGame t('.');
    Start(t);
    FishRecord& fish = Keep(t, Perch, 1500);
    fish.MaxWeight = 2000;
    fish.PriceWeightUnit = 1000;
    fish.PricePerUnit = 3;
    fish.PictureKey = "perch?";  // no records-book entry
    EXPECT_EQ(Evaluate(t), "Вы продали: окунь 1.5 кг за\n4.5 $\nОценка завершена\n.\n");
    EXPECT_EQ(t.print("PlayerMoney"), "54");  // 54.5 rounds to the even 54
}

TEST(TradeEvaluation, AFishWithoutAPriceUnitStopsTheGame) {
    TestGame t;
    Start(t);
    Keep(t, Pike, 3000).PriceWeightUnit = 0;
    const std::string out = t.run("click Fish_Ocenka.Label3\n");
    EXPECT_EQ(t.lastStatus(), driver::Fatal);
    EXPECT_NE(out.find("fatal: "), std::string::npos);
}

TEST(TradeEvaluation, ANewRecordIsListedByTheBaseAtOnce) {
    TestGame t;
    Start(t);
    Keep(t, Pike, 3250);
    t.run("click Form1.Label2\nclick Base.but_oc\nclick Fish_Ocenka.Label3\nclick Base.Label1\n");
    EXPECT_EQ(t.run("items Records.List1\n"),
              "pike: 3,25 кг. Поймал: Вася\n"
              "perch: 0,8 кг. Поймал: Иван\n.\n");
}

TEST(TradeEvaluation, ANewRecordIsWrittenAtTheNextSave) {
    TestGame t;
    Start(t);
    Keep(t, Perch, 900);
    Evaluate(t);
    EXPECT_EQ(t.run("click Form1.Label5\n"), "ended\n");
    const auto book = t.folder.readLines("Data/rec.cfg");
    const std::vector<std::string> want = {"2", "pike", "3000", "Дед", "perch", "900", "Вася"};
    EXPECT_EQ(book, want);
}

TEST(TradeEvaluation, LabelsHoverAndTheFinishLabelHides) {
    TestGame t;
    Start(t);
    t.game().window<klev::Fish_Ocenka>().Show();
    t.run("move Fish_Ocenka.Label3\n");
    EXPECT_EQ(t.print("Fish_Ocenka.Label3.FontBold"), "true");
    EXPECT_EQ(t.print("Fish_Ocenka.Label4.FontBold"), "false");
    t.run("move Fish_Ocenka.Label4\n");
    EXPECT_EQ(t.print("Fish_Ocenka.Label3.FontBold"), "false");
    EXPECT_EQ(t.print("Fish_Ocenka.Label4.FontBold"), "true");
    t.run("move Fish_Ocenka\n");
    EXPECT_EQ(t.print("Fish_Ocenka.Label3.FontBold"), "false");
    EXPECT_EQ(t.print("Fish_Ocenka.Label4.FontBold"), "false");
    EXPECT_EQ(t.print("Fish_Ocenka.Label1.Caption"), "Оценить рыбу::");
    EXPECT_EQ(t.print("Fish_Ocenka.Label3.Caption"), "Начать оценку");
    EXPECT_EQ(t.print("Fish_Ocenka.Label4.Caption"), "закончить");
    t.run("click Fish_Ocenka.Label4\n");
    EXPECT_EQ(t.print("Fish_Ocenka.Visible"), "false");
}

}  // namespace
