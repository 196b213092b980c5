// "\Data\Maps\Info.inf", the map files, the place settings and ShowMap.

#include <gtest/gtest.h>

#include <map>

#include "model/fatal_error.h"
#include "data/map_files.h"
#include "mainscreen/form1.h"
#include "mainscreen/load_game.h"
#include "test_game.h"

namespace {

using testing_support::PictureBytes;
using testing_support::TestFolder;
using testing_support::TestGame;

std::vector<klev::FishRecord> Species(std::initializer_list<const char*> names) {
    std::vector<klev::FishRecord> list;
    for (const char* n : names) list.emplace_back().Name = n;
    return list;
}

data::PlaceConfig Place(TestFolder& f, const std::vector<std::string>& lines,
                        const std::vector<klev::FishRecord>& species) {
    f.write("Data/Maps/lake/Loc1/Conf.cfg", lines);
    return data::ReadPlaceConfig(f.game() / "Data/Maps/lake/Loc1/Conf.cfg", "\\Data\\Maps\\lake\\Loc1\\Conf.cfg",
                                 species, ',');
}

std::string PlaceError(const std::vector<std::string>& lines) {
    TestFolder f;
    try {
        Place(f, lines, Species({"щука"}));
    } catch (const data::FatalError& e) {
        return e.what();
    }
    return "";
}

TEST(Places, TheFirstFiveLinesAreLenient) {
    TestFolder f;
    const data::PlaceConfig p = Place(f, {"junk", "5000.5 twips", "2400", "abc", "0"}, Species({"щука"}));
    EXPECT_EQ(p.shoreLineY, 5000);  // 5000.5 rounds to the even 5000
    EXPECT_EQ(p.castLineY, 2400);
    EXPECT_EQ(p.snagChance, 0);
    EXPECT_TRUE(p.fish.empty());
}

TEST(Places, ASpeciesLineEndsInAThreeCharacterAbundance) {
    TestFolder f;
    const auto species = Species({"щука", "окунь", "сом", "окунь"});
    const data::PlaceConfig p = Place(f, {"0", "1", "2", "3", "4", "щука 60", "окунь100", "сом  5", "окунь 100"}, species);
    ASSERT_EQ(p.fish.size(), 3u);  // "окунь " with its blank matches nothing
    EXPECT_EQ(p.fish[0].SpeciesIndex, 1);
    EXPECT_EQ(p.fish[0].Value, 60);
    EXPECT_EQ(p.fish[1].SpeciesIndex, 2);  // the first species of that name
    EXPECT_EQ(p.fish[1].Value, 100);
    EXPECT_EQ(p.fish[2].SpeciesIndex, 3);
    EXPECT_EQ(p.fish[2].Value, 5);
}

TEST(Places, ALineNamingNoSpeciesIsSkipped) {
    TestFolder f;
    const data::PlaceConfig p = Place(f, {"0", "1", "2", "3", "3", "щука 60", "карась 40", "Щука 30"}, Species({"щука"}));
    ASSERT_EQ(p.fish.size(), 1u);
    EXPECT_EQ(p.fish[0].Value, 60);
}

TEST(Places, ShortOrBadSpeciesLinesStopTheGame) {
    EXPECT_EQ(PlaceError({"0", "1", "2", "3", "1", "60"}),
              "\\Data\\Maps\\lake\\Loc1\\Conf.cfg, line 6: a species line needs a name and a three-character "
              "abundance: \"60\"");
    EXPECT_EQ(PlaceError({"0", "1", "2", "3", "1", "щука abc"}),
              "\\Data\\Maps\\lake\\Loc1\\Conf.cfg, line 6: type mismatch: the abundance is not a number: \"щука abc\"");
    EXPECT_EQ(PlaceError({"0", "1", "2", "3", "2", "щука 60"}),
              "\\Data\\Maps\\lake\\Loc1\\Conf.cfg, line 7: input past end of file");
    EXPECT_EQ(PlaceError({"0", "1", "2"}), "\\Data\\Maps\\lake\\Loc1\\Conf.cfg, line 4: input past end of file");
    // Exactly three characters: an empty name, which no species has.
    EXPECT_EQ(PlaceError({"0", "1", "2", "3", "1", " 60"}), "");
}

TEST(Maps, InfoListsTheFoldersAndEachMapItsPlaces) {
    TestFolder f;
    f.write("Data/Maps/Info.inf", {"2", "lake", "river"});
    EXPECT_EQ(data::ReadMapList(f.game() / "Data/Maps/Info.inf", "\\Data\\Maps\\Info.inf", ','),
              (std::vector<std::string>{"lake", "river"}));
    f.write("Data/Maps/lake/conf.cfg", {"Озеро ", "whatever", "2", "100", "200", "a", "300", "400", "b"});
    const klev::MapInfo m = data::ReadMapFile(f.game() / "Data/Maps/lake/conf.cfg", "\\Data\\Maps\\lake\\conf.cfg", ',');
    EXPECT_EQ(m.Title, "Озеро ");
    ASSERT_EQ(m.Places.size(), 2u);
    EXPECT_EQ(m.Places[0].X, 100);
    EXPECT_EQ(m.Places[0].Y, 200);
    EXPECT_EQ(m.Places[1].X, 300);
    EXPECT_EQ(m.Places[1].Y, 400);
}

TEST(Maps, AFolderThatWouldLeadOutOfTheMapsFolderStopsTheStart) {
    const std::pair<std::string, std::string> cases[] = {
        {"..\\..", "line 3: \"..\" leads out of its folder: \"..\\..\""},
        {"\\Data", "line 3: an absolute path: \"\\Data\""},
        {std::string("la\0ke", 5), "line 3: a NUL character in a file name: \"la\\x00ke\""},
    };
    for (const auto& [folder, problem] : cases) {
        TestGame t;
        t.folder.write("Data/Maps/Info.inf", {"2", "lake", folder});
        EXPECT_EQ(t.startAs("Вася"), "fatal: \\Data\\Maps\\Info.inf, " + problem + "\n") << problem;
    }
    TestGame settings;
    settings.folder.write("conf.cfg", {"../lake", "false"});
    EXPECT_EQ(settings.startAs("Вася"), "fatal: \\conf.cfg, line 1: \"..\" leads out of its folder: \"../lake\"\n");
}

TEST(Maps, ShortOrBadMapFilesStopTheStart) {
    TestGame shortInfo;
    shortInfo.folder.write("Data/Maps/Info.inf", {"3", "lake", "river"});
    EXPECT_EQ(shortInfo.startAs("Вася"), "fatal: \\Data\\Maps\\Info.inf, line 4: input past end of file\n");

    TestGame missingMap;
    missingMap.folder.write("Data/Maps/Info.inf", {"1", "sea"});
    EXPECT_EQ(missingMap.startAs("Вася"), "fatal: File not found: \\Data\\Maps\\sea\\conf.cfg\n");

    TestGame badPlace;
    badPlace.folder.write("Data/Maps/lake/conf.cfg", {"Озеро", "-", "1", "2400", "верх", "-"});
    EXPECT_EQ(badPlace.startAs("Вася"),
              "fatal: \\Data\\Maps\\lake\\conf.cfg, line 5: type mismatch: not a number: \"верх\"\n");
}

TEST(LoadMaps, MapsTheirPicturesAndTheFirstMapShown) {
    TestGame t;
    t.startAs("Вася");
    EXPECT_EQ(t.print("MapCount"), "2");
    EXPECT_EQ(t.print("MapList(1).Folder"), "lake");
    EXPECT_EQ(t.print("MapList(2).Title"), "Река");
    EXPECT_EQ(t.print("MapList(2).PlaceCount"), "3");
    EXPECT_EQ(t.print("MapList(2).Places(3).X"), "4500");
    // The stock in name order: back1, base, lake, perch, pike, river, scene, wood2.
    EXPECT_EQ(t.print("MapList(1).PictureIndex"), "3");
    EXPECT_EQ(t.print("MapList(2).PictureIndex"), "6");
    EXPECT_EQ(t.print("MapIndex"), "1");
    EXPECT_EQ(t.print("Form1.Label1.Caption"), "Озеро");
    EXPECT_EQ(t.print("Form1.Picture1.Picture"), "lake");
    EXPECT_EQ(t.print("Form1.PScene(2).Left"), "6000");
    EXPECT_EQ(t.print("Form1.PScene(2).Top"), "4200");
    EXPECT_EQ(t.print("Form1.PScene(2).Visible"), "true");
    EXPECT_EQ(t.print("Form1.PScene(2).Picture"), "scene");
    EXPECT_NE(t.print("Form1.PScene(3).Visible").find("unknown control"), std::string::npos);
}

TEST(LoadMaps, TheSettingsFileChoosesTheFirstMap) {
    TestGame t;
    t.folder.write("conf.cfg", {"river", "false"});
    t.startAs("Вася");
    EXPECT_EQ(t.print("MapIndex"), "2");
    EXPECT_EQ(t.print("Form1.Label1.Caption"), "Река");
    EXPECT_EQ(t.print("Form1.PScene(3).Left"), "4500");
}

TEST(LoadMaps, AMapWithoutPictureShowsTheBlankStockMember) {
    TestGame t;
    t.folder.remove("images/lake.jpg");
    t.startAs("Вася");
    EXPECT_EQ(t.print("MapList(1).PictureIndex"), "0");
    EXPECT_EQ(t.print("Form1.Picture1.Picture"), "");
    EXPECT_EQ(t.print("Form1.Label1.Caption"), "Озеро");
}

TEST(LoadMaps, AFolderNamingNoMapShowsNothingUntilTheMapIsSwitched) {
    TestGame t;
    t.folder.write("conf.cfg", {"sea", "false"});
    EXPECT_EQ(t.startAs("Вася"), "");
    EXPECT_EQ(t.print("MapIndex"), "0");
    EXPECT_EQ(t.print("Form1.Label1.Caption"), "");
    EXPECT_EQ(t.print("Form1.Picture1.Picture"), "");
    EXPECT_NE(t.print("Form1.PScene(1).Visible").find("unknown control"), std::string::npos);
    t.run("click Form1.Label4\n");
    EXPECT_EQ(t.print("MapIndex"), "1");
    EXPECT_EQ(t.print("MapFolder"), "lake");
    EXPECT_EQ(t.print("Form1.Label1.Caption"), "Озеро");
}

TEST(LoadMaps, FromNoMapThePreviousLabelGoesToTheLastMap) {
    TestGame t;
    t.folder.write("conf.cfg", {"sea", "false"});
    t.startAs("Вася");
    t.run("click Form1.Label3\n");
    EXPECT_EQ(t.print("MapIndex"), "2");
    EXPECT_EQ(t.print("Form1.Label1.Caption"), "Река");
}

TEST(LoadMaps, AMapListedManyTimesHasItsFileReadOnce) {
    TestGame t;
    t.folder.write("Data/Maps/Info.inf", {"5", "lake", "river", "LAKE", "lake", "river"});
    std::map<std::string, int> reads;
    klev::LoadMaps(t.game(), [&](const std::filesystem::path& file, const std::string& shown, char sep) {
        ++reads[shown];
        return data::ReadMapFile(file, shown, sep);
    });
    // "LAKE" resolves to lake's file, as every path of the game does.
    EXPECT_EQ(reads, (std::map<std::string, int>{{"\\Data\\Maps\\lake\\conf.cfg", 1},
                                                 {"\\Data\\Maps\\river\\conf.cfg", 1}}));
    const auto& maps = t.game().loaded.MapList;
    ASSERT_EQ(maps.size(), 5u);
    const char* folders[] = {"lake", "river", "LAKE", "lake", "river"};
    const char* titles[] = {"Озеро", "Река", "Озеро", "Озеро", "Река"};
    for (std::size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(maps[i].Folder, folders[i]);
        EXPECT_EQ(maps[i].Title, titles[i]);
        EXPECT_EQ(maps[i].Places.size(), i == 1 || i == 4 ? 3u : 2u) << i;
    }
    EXPECT_EQ(maps[3].Places[1].X, 6000);
}

TEST(LoadMaps, ARepeatedMapStartsTheGameAsBefore) {
    TestGame t;
    t.folder.write("Data/Maps/Info.inf", {"3", "river", "lake", "river"});
    EXPECT_EQ(t.startAs("Вася"), "");
    EXPECT_EQ(t.print("MapCount"), "3");
    EXPECT_EQ(t.print("MapList(3).Title"), "Река");
    EXPECT_EQ(t.print("MapList(3).Places(3).X"), "4500");
    EXPECT_EQ(t.print("MapList(3).PictureIndex"), "6");
}

TEST(OpenPlace, ThePlaceSettingsGoToTheSharedState) {
    TestGame t;
    t.folder.write("Data/Maps/river/Loc3/Conf.cfg", {"7", "5100", "2300", "15", "2", "сом  5", "окунь100"});
    t.startAs("Вася");
    t.run("click Form1.Label4\nclick Form1.PScene(3)\n");
    EXPECT_EQ(t.print("PlaceNumber"), "3");
    EXPECT_EQ(t.print("ShoreLineY"), "5100");
    EXPECT_EQ(t.print("CastLineY"), "2300");
    EXPECT_EQ(t.print("SnagChance"), "15");
    EXPECT_EQ(t.print("PlaceFishCount"), "2");
    EXPECT_EQ(t.print("PlaceFish(1).SpeciesIndex"), "3");
    EXPECT_EQ(t.print("PlaceFish(1).Value"), "5");
    EXPECT_EQ(t.print("PlaceFish(2).SpeciesIndex"), "2");
    EXPECT_EQ(t.print("PlaceFish(2).Value"), "100");
    EXPECT_EQ(t.print("SceneForm.Picture1.Picture"), "\\Data\\Maps\\river\\Loc3\\Scene.scn");
}

TEST(OpenPlace, AnEmptySpeciesListDiscardsThePreviousPlacesFish) {
    TestGame t;
    t.folder.write("Data/Maps/lake/Loc2/Conf.cfg", {"0", "5000", "2400", "30", "0"});
    t.startAs("Вася");
    t.run("click Form1.PScene(1)\n");
    EXPECT_EQ(t.print("PlaceFishCount"), "3");
    t.game().window<klev::Form1>().Show();
    t.run("click Form1.PScene(2)\n");
    EXPECT_EQ(t.print("PlaceFishCount"), "0");
}

TEST(OpenPlace, AMissingPlacePictureOrSettingsStopTheGame) {
    TestGame noPicture;
    noPicture.folder.remove("Data/Maps/lake/Loc1/Scene.scn");
    noPicture.startAs("Вася");
    EXPECT_EQ(noPicture.run("click Form1.PScene(1)\n"),
              "fatal: File not found or not a picture: \\Data\\Maps\\lake\\Loc1\\Scene.scn\n");
    EXPECT_EQ(noPicture.lastStatus(), driver::Fatal);

    TestGame badPicture;
    badPicture.folder.writeBytes("Data/Maps/lake/Loc1/Scene.scn", "no picture");
    badPicture.startAs("Вася");
    EXPECT_EQ(badPicture.run("click Form1.PScene(1)\n"),
              "fatal: File not found or not a picture: \\Data\\Maps\\lake\\Loc1\\Scene.scn\n");

    TestGame noSettings;
    noSettings.folder.remove("Data/Maps/lake/Loc2/Conf.cfg");
    noSettings.startAs("Вася");
    EXPECT_EQ(noSettings.run("click Form1.PScene(2)\n"), "fatal: File not found: \\Data\\Maps\\lake\\Loc2\\Conf.cfg\n");
}

TEST(OpenPlace, ThePlacePictureMayBeAnyPictureFormat) {
    TestGame t;
    t.folder.writeBytes("Data/Maps/lake/Loc1/Scene.scn", PictureBytes(10, 5));
    t.startAs("Вася");
    EXPECT_EQ(t.run("click Form1.PScene(1)\n"), "");
    EXPECT_EQ(t.print("SceneForm.Visible"), "true");
}

}  // namespace
