// The settings file "\conf.cfg", the first-run marker and the picture stock
// with its tag rule and the fixed pictures it gives to the windows.

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <sstream>

#include "model/fatal_error.h"
#include "data/settings_file.h"
#include "test_game.h"

namespace {

using testing_support::PictureBytes;
using testing_support::TestFolder;
using testing_support::RunAgain;
using testing_support::TestGame;
namespace fs = std::filesystem;

std::string Read(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

TEST(Settings, LineOneIsTheFirstMapAndLineTwoABoolean) {
    TestFolder f;
    for (const auto& [text, want] : {std::pair{"false", false}, std::pair{"FALSE", false}, std::pair{"True", true},
                                     std::pair{"0", false}, std::pair{"-1", true}}) {
        f.write("conf.cfg", {" river ", text});
        const data::Settings s = data::ReadSettings(f.game() / "conf.cfg", "\\conf.cfg", ',');
        EXPECT_EQ(s.mapFolder, " river ");
        EXPECT_EQ(s.useSettingsFile, want) << text;
    }
}

TEST(Settings, AMissingFileOrLineOrANonBooleanStopsTheStart) {
    TestGame missing;
    missing.folder.remove("conf.cfg");
    EXPECT_EQ(missing.startAs("Вася"), "fatal: File not found: \\conf.cfg\n");
    EXPECT_EQ(missing.lastStatus(), driver::Fatal);

    TestGame oneLine;
    oneLine.folder.write("conf.cfg", {"lake"});
    EXPECT_EQ(oneLine.startAs("Вася"), "fatal: \\conf.cfg, line 2: input past end of file\n");

    TestGame notBoolean;
    notBoolean.folder.write("conf.cfg", {"lake", "да"});
    EXPECT_EQ(notBoolean.startAs("Вася"), "fatal: \\conf.cfg, line 2: type mismatch: not true or false: \"да\"\n");
}

TEST(Settings, TheFirstStartWritesTheMarkerAndTurnsLineTwoOff) {
    TestGame t;
    t.folder.write("conf.cfg", {"river", "TRUE"});
    EXPECT_EQ(t.startAs("Вася"), "");
    EXPECT_EQ(t.print("UseSettingsFile"), "true");
    EXPECT_EQ(t.print("MapFolder"), "river");
    // The marker's folder did not exist: it is created.
    EXPECT_EQ(Read(t.folder.system() / "fshset.ini"), t.folder.game().string() + "\r\n");
    EXPECT_EQ(t.folder.read("conf.cfg"), "river\r\nfalse\r\n");

    // A later start finds "false" and touches neither file.
    fs::remove(t.folder.system() / "fshset.ini");
    EXPECT_EQ(RunAgain(t.folder, "answer Вася\nstart\nadvance 2000\nprint UseSettingsFile\n"), "false\n");
    EXPECT_FALSE(fs::exists(t.folder.system() / "fshset.ini"));
    EXPECT_EQ(t.folder.read("conf.cfg"), "river\r\nfalse\r\n");
}

TEST(Settings, TheMarkerHoldsTheFullPathOfTheGameFolder) {
    TestFolder f;
    f.write("conf.cfg", {"lake", "true"});
    const fs::path saved = fs::current_path();
    fs::current_path(f.root());
    driver::Options o;
    o.config = klev::DefaultVersion({});
    o.config.gameFolder = "game/";  // relative, with a trailing separator
    o.config.systemFolder = f.system();
    driver::ScriptDriver d(std::move(o));
    std::istringstream in("answer Вася\nstart\nadvance 2000\n");
    std::ostringstream out;
    d.run(in, out);
    fs::current_path(saved);
    EXPECT_EQ(out.str(), "");
    EXPECT_EQ(Read(f.system() / "fshset.ini"), f.game().string() + "\r\n");
}

TEST(Settings, TheMarkerFailsSilentlyAndLeavesLineTwoForTheNextStart) {
    TestGame t;
    t.folder.write("conf.cfg", {"lake", "true"});
    // A file where the marker's folder should be: nothing can be written there.
    fs::create_directories(t.folder.root());
    std::ofstream(t.folder.system()) << "x";
    EXPECT_EQ(t.startAs("Вася"), "");
    EXPECT_EQ(t.print("Form1.Visible"), "true");
    EXPECT_EQ(t.run("messages\n"), ".\n");
    EXPECT_EQ(t.folder.read("conf.cfg"), "lake\r\ntrue\r\n");
}

TEST(Settings, TheMarkerIsWrittenEvenWhenTheSettingsFileCannotBeRewritten) {
    TestFolder f;
    f.write("conf.cfg", {"lake", "true"});
    data::WriteInstallMarker(f.game() / "missing.cfg", f.system(), f.game(), "lake");
    EXPECT_EQ(Read(f.system() / "fshset.ini"), f.game().string() + "\r\n");
    EXPECT_FALSE(fs::exists(f.game() / "missing.cfg"));
    // Without a marker folder nothing at all is written.
    data::WriteInstallMarker(f.game() / "conf.cfg", fs::path(), f.game(), "river");
    EXPECT_EQ(f.read("conf.cfg"), "lake\r\ntrue\r\n");
}

TEST(PictureStock, TagsAreFileNamesWithoutEveryLowerCaseJpg) {
    EXPECT_EQ(data::PictureTag("wood.jpg"), "wood");
    EXPECT_EQ(data::PictureTag("wood.JPG"), "wood.JPG");
    EXPECT_EQ(data::PictureTag("wood.Jpg"), "wood.Jpg");
    EXPECT_EQ(data::PictureTag("a.jpg.jpg"), "a");
    EXPECT_EQ(data::PictureTag("x.jpgy.jpg"), "xy");
    EXPECT_EQ(data::PictureTag("base(mini).jpg"), "base(mini)");
    EXPECT_EQ(data::PictureTag("logo.png"), "logo.png");
    // One pass: what joins up once an occurrence is removed stays.
    EXPECT_EQ(data::PictureTag("a.j.jpgpg"), "a.jpg");
}

TEST(PictureStock, EveryFileIsLoadedInNameOrderUnderItsTag) {
    TestGame t;
    t.folder.writeBytes("images/Zander.jpg", PictureBytes(2, 2));
    t.folder.writeBytes("images/perch.png", PictureBytes(2, 2));
    t.folder.writeBytes("images/.thumbs", "not a picture, but hidden");
    t.startAs("Вася");
    EXPECT_EQ(t.print("PictureCount"), "10");
    const char* tags[] = {"back1", "base", "lake", "perch", "perch.png", "pike", "river", "scene", "wood2", "Zander"};
    for (int i = 1; i <= 10; ++i) {
        EXPECT_EQ(t.print("Source.Pic(" + std::to_string(i) + ").Tag"), tags[i - 1]) << i;
        EXPECT_EQ(t.print("Source.Pic(" + std::to_string(i) + ").Picture"), tags[i - 1]) << i;
        EXPECT_EQ(t.print("Source.Pic(" + std::to_string(i) + ").Visible"), "false") << i;
    }
    EXPECT_NE(t.print("Source.Pic(11).Tag").find("unknown control: Source.Pic(11)"), std::string::npos);
}

TEST(PictureStock, FixedTagsGoToTheirWindows) {
    TestGame t;
    for (const char* tag : {"base(mini)", "but_shop1", "butt_pub", "but_fishery", "but_oc", "order", "bar", "pubcrew",
                            "fishery_background", "vsy", "wood", "tourinfo", "kubok"})
        t.folder.writeBytes(std::string("images/") + tag + ".jpg", PictureBytes(3, 2));
    t.startAs("Вася");
    const std::pair<const char*, const char*> targets[] = {
        {"Form1.Butt_base.Picture", "base(mini)"}, {"Form1.Image1.Picture", "back1"},
        {"Base.Picture", "base"},                   {"Base.But_shop.Picture", "but_shop1"},
        {"Base.but_pub.Picture", "butt_pub"},       {"Base.but_fishery.Picture", "but_fishery"},
        {"Base.but_oc.Picture", "but_oc"},          {"Base.But_Order.Picture", "order"},
        {"Kafe.Picture", "bar"},                    {"Kafe.Image1.Picture", "pubcrew"},
        {"Fishery.Picture", "fishery_background"},  {"Fish_Ocenka.Picture", "vsy"},
        {"Desk.Picture", "wood"},                   {"Tour_Form.Picture", "tourinfo"},
        {"Tur_Result.Image1.Picture", "kubok"},     {"Records.Picture", "wood2"},
    };
    for (const auto& [what, tag] : targets) EXPECT_EQ(t.print(what), tag) << what;
    // An image without stretching takes the picture's size: 3 x 2 pixels.
    EXPECT_EQ(t.print("Form1.Butt_base.Width"), "45");
    EXPECT_EQ(t.print("Form1.Butt_base.Height"), "30");
}

TEST(PictureStock, AnUpperCaseJpgFeedsNothing) {
    TestGame t;
    t.folder.writeBytes("images/wood.JPG", PictureBytes(2, 2));
    t.startAs("Вася");
    EXPECT_EQ(t.print("Source.Pic(8).Tag"), "wood.JPG");
    EXPECT_EQ(t.print("Desk.Picture"), "");
}

TEST(PictureStock, AnEmptyImagesFolderGivesNoPictures) {
    TestGame t;
    t.folder.remove("images");
    fs::create_directories(t.folder.game() / "images");
    EXPECT_EQ(t.startAs("Вася"), "");
    EXPECT_EQ(t.print("PictureCount"), "0");
    EXPECT_EQ(t.print("Form1.Image1.Picture"), "");
    EXPECT_EQ(t.print("Form1.Picture1.Picture"), "");
    EXPECT_EQ(t.print("Form1.PScene(1).Picture"), "");
    EXPECT_EQ(t.print("SpeciesList(1).PictureIndex"), "0");
    EXPECT_EQ(t.print("MapList(1).PictureIndex"), "0");
}

TEST(PictureStock, AFileThatIsNoPictureStopsTheStart) {
    TestGame t;
    t.folder.writeBytes("images/notes.txt", "these are no pixels");
    EXPECT_EQ(t.startAs("Вася"), "fatal: \\images\\notes.txt: not a loadable picture\n");
    EXPECT_EQ(t.lastStatus(), driver::Fatal);
}

TEST(PictureStock, AMissingImagesFolderStopsTheStart) {
    TestGame t;
    t.folder.remove("images");
    EXPECT_EQ(t.startAs("Вася"), "fatal: Path not found: \\images\\\n");
}

TEST(PictureStock, TheImagesFolderIsFoundInAnyLetterCase) {
    TestGame t;
    fs::rename(t.folder.game() / "images", t.folder.game() / "IMAGES");
    EXPECT_EQ(t.startAs("Вася"), "");
    EXPECT_EQ(t.print("PictureCount"), "8");
}

}  // namespace
