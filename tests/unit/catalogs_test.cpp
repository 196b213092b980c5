// The four tackle catalogs of "\Data\Dev\" and the shop lists they fill.

#include <gtest/gtest.h>

#include "data/catalog_files.h"
#include "model/fatal_error.h"
#include "test_game.h"

namespace {

using testing_support::TestFolder;
using testing_support::TestGame;

data::Catalog Lines(TestFolder& f, const std::vector<std::string>& lines, char sep = ',') {
    f.write("Data/Dev/lsk.cfg", lines);
    return data::ReadLineCatalog(f.game() / "Data" / "Dev" / "lsk.cfg", "\\Data\\Dev\\lsk.cfg", sep);
}

std::string LinesError(const std::vector<std::string>& lines) {
    TestFolder f;
    try {
        Lines(f, lines);
    } catch (const data::FatalError& e) {
        return e.what();
    }
    return "";
}

TEST(Catalogs, RodsBaitsAndLuresAreThreeLinesAnItem) {
    TestFolder f;
    f.write("Data/Dev/Sp.cfg", {"2", "Удочка  ", "2500", "10", "Спиннинг", "8000", "40"});
    const data::Catalog rods = data::ReadRodCatalog(f.game() / "Data/Dev/Sp.cfg", "\\Data\\Dev\\Sp.cfg", ',');
    ASSERT_EQ(rods.items.size(), 2u);
    EXPECT_EQ(rods.items[0].Name, "Удочка  ");  // trailing blanks stay
    EXPECT_EQ(rods.items[0].Strength, 2500);
    EXPECT_EQ(rods.items[0].Price, 10);
    EXPECT_EQ(rods.items[0].Amount, 0);
    EXPECT_EQ(rods.items[1].Strength, 8000);
    EXPECT_EQ(rods.listTexts, (std::vector<std::string>{"Удочка  ", "Спиннинг"}));

    f.write("Data/Dev/nas.cfg", {"1", "червь", "20", "3"});
    const data::Catalog baits = data::ReadBaitCatalog(f.game() / "Data/Dev/nas.cfg", "\\Data\\Dev\\nas.cfg", ',');
    EXPECT_EQ(baits.items[0].Amount, 20);
    EXPECT_EQ(baits.items[0].Price, 3);
    EXPECT_EQ(baits.items[0].Strength, 0);

    f.write("Data/Dev/bls.cfg", {"1", "Вертушка", "10", "8"});
    const data::Catalog lures = data::ReadLureCatalog(f.game() / "Data/Dev/bls.cfg", "\\Data\\Dev\\bls.cfg", ',');
    EXPECT_EQ(lures.items[0].Power, 10);
    EXPECT_EQ(lures.items[0].Price, 8);
    EXPECT_EQ(lures.listTexts, std::vector<std::string>{"Вертушка"});
}

TEST(Catalogs, ALineIsStrengthSemicolonPrice) {
    TestFolder f;
    const data::Catalog c = Lines(f, {"3", "1500;30", "2500 ; 12", "abc;7"});
    ASSERT_EQ(c.items.size(), 3u);
    EXPECT_EQ(c.items[0].Strength, 1500);
    EXPECT_EQ(c.items[0].Price, 30);
    EXPECT_EQ(c.items[1].Strength, 2500);
    EXPECT_EQ(c.items[1].Price, 12);
    EXPECT_EQ(c.items[2].Strength, 0);  // no leading number: no error
    EXPECT_EQ(c.items[2].Price, 7);
    EXPECT_EQ(c.listTexts, (std::vector<std::string>{"1,5 кг", "2,5 кг", "0 кг"}));
    EXPECT_EQ(c.items[0].Name, "");
}

TEST(Catalogs, TheListTextUsesTheUsersSeparator) {
    TestFolder f;
    EXPECT_EQ(Lines(f, {"2", "1500;30", "1250;5"}, '.').listTexts, (std::vector<std::string>{"1.5 кг", "1.25 кг"}));
}

TEST(Catalogs, ALineWithoutSemicolonAddsNoListEntry) {
    TestFolder f;
    const data::Catalog c = Lines(f, {"2", "1500", "3000;9"});
    ASSERT_EQ(c.items.size(), 2u);
    EXPECT_EQ(c.items[0].Strength, 0);
    EXPECT_EQ(c.items[0].Price, 0);
    EXPECT_EQ(c.listTexts, std::vector<std::string>{"3 кг"});
}

TEST(Catalogs, ASecondSemicolonOrAnEmptyPriceStopsTheStart) {
    EXPECT_EQ(LinesError({"1", "1500;30;"}),
              "\\Data\\Dev\\lsk.cfg, line 2: type mismatch: the price after \";\" is not a number: \"1500;30;\"");
    EXPECT_EQ(LinesError({"1", "1500;"}),
              "\\Data\\Dev\\lsk.cfg, line 2: type mismatch: the price after \";\" is not a number: \"1500;\"");
    EXPECT_EQ(LinesError({"2", "1500;30"}), "\\Data\\Dev\\lsk.cfg, line 3: input past end of file");
    EXPECT_EQ(LinesError({"два"}), "\\Data\\Dev\\lsk.cfg, line 1: type mismatch: not a number: \"два\"");
}

TEST(Catalogs, ALinePriceOrStrengthBeyondTheLongRangeIsAnOverflow) {
    const std::pair<const char*, const char*> cases[] = {
        {"1500;2147483648", "overflow"},
        {"1500;1e300", "overflow"},
        {"2147483648;5", "overflow"},
        {"1e300;5", "overflow"},
        {"2147483647;2147483647", ""},
        {"-2147483648;-2147483648", ""},
    };
    for (const auto& [line, problem] : cases) {
        const std::string message = LinesError({"1", line});
        EXPECT_EQ(message, *problem ? "\\Data\\Dev\\lsk.cfg, line 2: " + std::string(problem) + ": \"" + line + "\"" : "")
            << line;
    }
}

TEST(LoadCatalogs, AnItemNameThatWouldLeadOutOfTheImagesFolderStopsTheStart) {
    TestGame t;
    t.folder.write("Data/Dev/Sp.cfg", {"1", "..\\..\\conf", "3000", "10"});
    EXPECT_EQ(t.startAs("Вася"),
              "fatal: \\Data\\Dev\\Sp.cfg, line 2: \"..\" leads out of its folder: \"..\\..\\conf\"\n");
}

TEST(LoadCatalogs, TheFourCatalogsFillTheShopLists) {
    TestGame t;
    t.startAs("Вася");
    EXPECT_EQ(t.print("RodCatalogCount"), "2");
    EXPECT_EQ(t.print("LineCatalogCount"), "2");
    EXPECT_EQ(t.print("BaitCatalogCount"), "2");
    EXPECT_EQ(t.print("LureCatalogCount"), "2");
    EXPECT_EQ(t.print("RodCatalog(2).Name"), "Спиннинг");
    EXPECT_EQ(t.print("LineCatalog(2).Strength"), "6000");
    EXPECT_EQ(t.print("LineCatalog(2).Price"), "12");
    EXPECT_EQ(t.print("BaitCatalog(1).Amount"), "20");
    EXPECT_EQ(t.print("LureCatalog(2).Power"), "20");
    EXPECT_EQ(t.run("items ShopFr.List_Sp\n"), "Удочка\nСпиннинг\n.\n");
    EXPECT_EQ(t.run("items ShopFr.List_Leska\n"), "2,5 кг\n6 кг\n.\n");
    EXPECT_EQ(t.run("items ShopFr.List_Nas\n"), "червь\nживец\n.\n");
    EXPECT_EQ(t.run("items ShopFr.List_Bles\n"), "Вертушка\nВоблер\n.\n");
    EXPECT_EQ(t.print("ShopFr.Visible"), "false");
}

TEST(LoadCatalogs, ALineWithoutSemicolonIsInTheCatalogButNotInTheShopList) {
    TestGame t;
    t.folder.write("Data/Dev/lsk.cfg", {"3", "1500", "2500;7", "1234.5;9"});
    t.startAs("Вася");
    EXPECT_EQ(t.print("LineCatalogCount"), "3");
    EXPECT_EQ(t.print("LineCatalog(1).Price"), "0");
    EXPECT_EQ(t.print("LineCatalog(3).Strength"), "1234");  // lenient, halves to even
    EXPECT_EQ(t.run("items ShopFr.List_Leska\n"), "2,5 кг\n1,234 кг\n.\n");
}

TEST(LoadCatalogs, AnEmptyCatalogIsNoError) {
    TestGame t;
    t.folder.write("Data/Dev/bls.cfg", {"0"});
    EXPECT_EQ(t.startAs("Вася"), "");
    EXPECT_EQ(t.print("LureCatalogCount"), "0");
    EXPECT_EQ(t.run("items ShopFr.List_Bles\n"), ".\n");
}

TEST(LoadCatalogs, AMissingCatalogOrAShortOneStopsTheStart) {
    TestGame missing;
    missing.folder.remove("Data/Dev/nas.cfg");
    EXPECT_EQ(missing.startAs("Вася"), "fatal: File not found: \\Data\\Dev\\nas.cfg\n");

    TestGame shortRods;
    shortRods.folder.write("Data/Dev/Sp.cfg", {"2", "Удочка", "3000", "10", "Спиннинг", "8000"});
    EXPECT_EQ(shortRods.startAs("Вася"), "fatal: \\Data\\Dev\\Sp.cfg, line 7: input past end of file\n");
}

TEST(LoadCatalogs, TheCatalogFilesAreFoundInAnyLetterCase) {
    TestGame t;
    std::filesystem::rename(t.folder.game() / "Data/Dev/Sp.cfg", t.folder.game() / "Data/Dev/SP.CFG");
    EXPECT_EQ(t.startAs("Вася"), "");
    EXPECT_EQ(t.print("RodCatalogCount"), "2");
}

}  // namespace
