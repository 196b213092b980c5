// Species files of "\Data\Fish\" and LoadSpecies.

#include <gtest/gtest.h>

#include "model/fatal_error.h"
#include "data/fish_file.h"
#include "data/text_file.h"
#include "shell/source.h"
#include "test_game.h"

namespace {

using testing_support::TestFolder;
using testing_support::TestGame;
namespace fs = std::filesystem;

klev::FishRecord ReadSpecies(TestFolder& f, const std::vector<std::string>& lines) {
    f.write("Data/Fish/x.txt", lines);
    return data::ReadSpeciesFile(f.game() / "Data" / "Fish" / "x.txt", "\\Data\\Fish\\x.txt", ',');
}

std::string SpeciesError(const std::vector<std::string>& lines) {
    TestFolder f;
    try {
        ReadSpecies(f, lines);
    } catch (const data::FatalError& e) {
        return e.what();
    }
    return "";
}

TEST(Species, EveryLineGoesToItsField) {
    TestFolder f;
    const klev::FishRecord s = ReadSpecies(
        f, {"  Лещ ", "200", "4000", "7", "60", "45", "lesch ", "2", "червь", "70", "тесто ", "25", "500", "3", "extra"});
    EXPECT_EQ(s.Name, "Лещ");
    EXPECT_EQ(s.SpeciesName, "Лещ");
    EXPECT_EQ(s.MinWeight, 200);
    EXPECT_EQ(s.MaxWeight, 4000);
    EXPECT_EQ(s.SpeciesValue4, 7);
    EXPECT_EQ(s.Strength, 60);
    EXPECT_EQ(s.Caution, 45);
    EXPECT_EQ(s.PictureKey, "lesch ");  // as read
    ASSERT_EQ(s.Baits.size(), 2u);
    EXPECT_EQ(s.Baits[0].BaitName, "червь");
    EXPECT_EQ(s.Baits[0].Chance, 70);
    EXPECT_EQ(s.Baits[1].BaitName, "тесто ");
    EXPECT_EQ(s.Baits[1].Chance, 25);
    EXPECT_EQ(s.PriceWeightUnit, 500);
    EXPECT_EQ(s.PricePerUnit, 3);
    EXPECT_EQ(s.PictureIndex, 0);
    EXPECT_EQ(s.Weight, 0);
}

TEST(Species, ASpeciesWithoutBaitsIsFine) {
    TestFolder f;
    const klev::FishRecord s = ReadSpecies(f, {"Ёрш", "10", "200", "0", "5", "20", "ersh", "0", "100", "1"});
    EXPECT_TRUE(s.Baits.empty());
    EXPECT_EQ(s.PriceWeightUnit, 100);
    EXPECT_EQ(s.PricePerUnit, 1);
}

TEST(Species, ShortFilesAndBadNumbersNameTheFileAndTheLine) {
    EXPECT_EQ(SpeciesError({"Лещ", "200", "4000", "0", "60", "45", "lesch", "2", "червь", "70", "тесто"}),
              "\\Data\\Fish\\x.txt, line 12: input past end of file");
    EXPECT_EQ(SpeciesError({"Лещ", "200", "много", "0", "60", "45", "lesch", "0", "500", "3"}),
              "\\Data\\Fish\\x.txt, line 3: type mismatch: not a number: \"много\"");
    EXPECT_EQ(SpeciesError({"Лещ", "200", "4000", "0", "60", "45", "lesch", "1", "червь", "семьдесят", "500", "3"}),
              "\\Data\\Fish\\x.txt, line 10: type mismatch: not a number: \"семьдесят\"");
    EXPECT_EQ(SpeciesError({"Лещ", "200", "4000", "0", "60", "45", "lesch", "-1", "500", "3"}),
              "\\Data\\Fish\\x.txt, line 8: subscript out of range: a negative number of baits: \"-1\"");
}

TEST(Species, ASpeciesWhoseLargestFishWouldSellPastTheLongRangeStopsTheStart) {
    const struct {
        const char* maxWeight;
        const char* unit;
        const char* price;
        bool refused;
    } cases[] = {
        {"200000", "1", "10737", false},     // 2,147,400,000 $
        {"200000", "1", "10738", true},      // 2,147,600,000 $
        {"2147483647", "1", "1", false},
        {"2147483647", "1", "2", true},
        {"2147483647", "2147483647", "2147483647", false},
        {"200000", "1", "-10738", true},
    };
    for (const auto& c : cases) {
        const std::string error = SpeciesError({"Сом", "1000", c.maxWeight, "0", "60", "45", "som", "0", c.unit, c.price});
        EXPECT_EQ(error, c.refused ? "\\Data\\Fish\\x.txt, line 10: overflow: the largest fish would sell for more than "
                                     "2147483647 $: \"" + std::string(c.price) + "\""
                                   : "")
            << c.maxWeight << " " << c.price;
    }
}

TEST(Species, APriceUnitThatIsNotPositiveOrAnEmptyWeightRangeStopsTheStart) {
    EXPECT_EQ(SpeciesError({"Лещ", "200", "4000", "0", "60", "45", "lesch", "0", "0", "3"}),
              "\\Data\\Fish\\x.txt, line 9: the grams per price unit must be positive: \"0\"");
    EXPECT_EQ(SpeciesError({"Лещ", "200", "4000", "0", "60", "45", "lesch", "0", "-5", "3"}),
              "\\Data\\Fish\\x.txt, line 9: the grams per price unit must be positive: \"-5\"");
    EXPECT_EQ(SpeciesError({"Лещ", "4001", "4000", "0", "60", "45", "lesch", "0", "500", "3"}),
              "\\Data\\Fish\\x.txt, line 3: the largest weight is below the smallest weight of line 2: \"4000\"");
    // Equal weights are a range of one.
    EXPECT_EQ(SpeciesError({"Лещ", "4000", "4000", "0", "60", "45", "lesch", "0", "500", "3"}), "");
}

TEST(LoadSpecies, FilesAreSpeciesInListingOrderWithTheirPictures) {
    TestGame t;
    t.startAs("Вася");
    EXPECT_EQ(t.print("SpeciesCount"), "3");
    EXPECT_EQ(t.print("SpeciesList(1).Name"), "щука");
    EXPECT_EQ(t.print("SpeciesList(2).Name"), "окунь");
    EXPECT_EQ(t.print("SpeciesList(3).Name"), "сом");
    // The stock in name order: back1, base, lake, perch, pike, ...
    EXPECT_EQ(t.print("SpeciesList(1).PictureIndex"), "5");
    EXPECT_EQ(t.print("SpeciesList(2).PictureIndex"), "4");
    EXPECT_EQ(t.print("SpeciesList(3).PictureIndex"), "0");  // no picture "som"
    EXPECT_EQ(t.print("SpeciesList(1).BaitCount"), "2");
    EXPECT_EQ(t.print("SpeciesList(1).Baits(2).BaitName"), "блесна с");
    EXPECT_EQ(t.print("SpeciesList(1).Baits(2).Chance"), "50");
    EXPECT_EQ(t.print("SpeciesList(2).PricePerUnit"), "2");
}

TEST(LoadSpecies, AnyFileCountsAndTheOrderIgnoresLetterCase) {
    TestGame t;
    t.folder.write("Data/Fish/B.cfg", {"карп", "100", "900", "0", "10", "10", "pike", "0", "1000", "1"});
    t.folder.write("Data/Fish/a", {"язь", "100", "900", "0", "10", "10", "perch", "0", "1000", "1"});
    t.startAs("Вася");
    EXPECT_EQ(t.print("SpeciesCount"), "5");
    EXPECT_EQ(t.print("SpeciesList(4).Name"), "язь");
    EXPECT_EQ(t.print("SpeciesList(5).Name"), "карп");
}

TEST(LoadSpecies, ATrailingBlankOfTheKeyStillFindsThePicture) {
    TestGame t;
    t.folder.write("Data/Fish/1.txt", {" щука ", "500", "5000", "0", "100", "50", "pike ", "0", "1000", "4"});
    t.startAs("Вася");
    EXPECT_EQ(t.print("SpeciesList(1).Name"), "щука");
    EXPECT_EQ(t.print("SpeciesList(1).PictureIndex"), "5");
    EXPECT_EQ(t.print("SpeciesList(1).PictureKey"), "pike ");
}

TEST(LoadSpecies, ASpeciesGetsTheFirstPictureOfItsTagInStockOrder) {
    TestGame t;
    // Two files of one tag: "perch.jpg" and "perch.jpg.jpg".
    t.folder.writeBytes("images/perch.jpg.jpg", testing_support::PictureBytes(2, 2));
    t.startAs("Вася");
    // The stock: back1, base, lake, perch.jpg, perch.jpg.jpg, pike, ...
    EXPECT_EQ(t.print("Source.Pic(4).Tag"), "perch");
    EXPECT_EQ(t.print("Source.Pic(5).Tag"), "perch");
    EXPECT_EQ(t.print("SpeciesList(2).PictureIndex"), "4");
    EXPECT_EQ(t.print("SpeciesList(1).PictureIndex"), "6");

    // A member retagged after the start no longer answers for its old tag.
    auto& source = t.game().window<klev::Source>();
    t.run("set Source.Pic(4).Tag окунь\n");
    const struct {
        const char* tag;
        long long index;
    } lookups[] = {{"perch", 5}, {"pike", 6}, {"som", 0}};
    for (const auto& l : lookups) EXPECT_EQ(source.FindTag(l.tag), l.index) << l.tag;
}

TEST(LoadSpecies, AStrayTextFileStopsTheStart) {
    TestGame t;
    t.folder.write("Data/Fish/readme.txt", {"Рыбы игры", "по одной в файле"});
    EXPECT_EQ(t.startAs("Вася"), "fatal: \\Data\\Fish\\readme.txt, line 2: type mismatch: not a number: \"по одной в файле\"\n");
}

TEST(LoadSpecies, AnEmptyFolderGivesNoSpeciesAndPlacesMatchNothing) {
    TestGame t;
    for (const char* f : {"1.txt", "2.txt", "3.txt"}) t.folder.remove(std::string("Data/Fish/") + f);
    EXPECT_EQ(t.startAs("Вася"), "");
    EXPECT_EQ(t.print("SpeciesCount"), "0");
    t.run("click Form1.PScene(1)\n");
    EXPECT_EQ(t.print("PlaceFishCount"), "0");
}

TEST(LoadSpecies, AMissingFolderStopsTheStart) {
    TestGame t;
    t.folder.remove("Data/Fish");
    EXPECT_EQ(t.startAs("Вася"), "fatal: Path not found: \\Data\\Fish\\\n");
}

}  // namespace
