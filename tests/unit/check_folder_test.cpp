// The game-folder check for modders: the default folder passes, and every
// broken file of a folder is listed, not only the first.

#include <gtest/gtest.h>

#include "mainscreen/check_folder.h"
#include "test_game.h"

namespace {

using testing_support::PictureBytes;
using testing_support::TestFolder;
using Problems = std::vector<std::string>;

TEST(CheckFolder, TheDefaultGameFolderAndTheTestFolderPass) {
    EXPECT_EQ(klev::CheckGameFolder(KLEV_GAMEDATA_DIR, ','), Problems{});
    TestFolder f;
    EXPECT_EQ(klev::CheckGameFolder(f.game(), ','), Problems{});
}

TEST(CheckFolder, EveryBrokenFileIsListedInTheOrderTheGameReadsThem) {
    TestFolder f;
    f.write("Data/Fish/2.txt", {"окунь", "50", "тысяча"});
    f.write("Data/Dev/lsk.cfg", {"2", "2500;5", "99999999999;12"});
    f.write("Data/Maps/river/Loc2/Conf.cfg", {"0", "5000", "2400", "30", "1", "щ"});
    EXPECT_EQ(klev::CheckGameFolder(f.game(), ','),
              (Problems{"\\Data\\Fish\\2.txt, line 3: type mismatch: not a number: \"тысяча\"",
                        "\\Data\\Dev\\lsk.cfg, line 3: overflow: \"99999999999;12\"",
                        "\\Data\\Maps\\river\\Loc2\\Conf.cfg, line 6: a species line needs a name and a "
                        "three-character abundance: \"щ\""}));
}

TEST(CheckFolder, PicturesSavesSoundsAndMissingFilesAreCheckedToo) {
    TestFolder f;
    f.writeBytes("images/wood2.jpg", "not a picture");
    std::string damaged = PictureBytes(8, 6);
    damaged.resize(damaged.size() - 20);  // the header stays, the pixels are cut
    f.writeBytes("Data/Maps/lake/Loc1/Scene.scn", damaged);
    f.remove("Data/Maps/lake/Loc2/Scene.scn");
    f.write("Saves/Вася/vrb.cfg", {"50", "0"});
    f.writeBytes("Saves/Петя/vrb.cfg", "");  // a new player's empty save is sound
    f.remove("sound/fon7.wav");
    f.remove("Data/rec.cfg");
    f.write("conf.cfg", {"lake", "может быть"});
    EXPECT_EQ(klev::CheckGameFolder(f.game(), ','),
              (Problems{"\\Saves\\Вася\\vrb.cfg, line 3: input past end of file",
                        "\\conf.cfg, line 2: type mismatch: not true or false: \"может быть\"",
                        "\\images\\wood2.jpg: not a loadable picture",
                        "\\Data\\Maps\\lake\\Loc1\\Scene.scn: the picture's data is damaged: it would show blank",
                        "File not found or not a picture: \\Data\\Maps\\lake\\Loc2\\Scene.scn",
                        "File not found: \\Data\\rec.cfg",
                        "File not found: \\sound\\fon7.wav"}));
}

TEST(CheckFolder, AMapListedTwiceIsCheckedOnceAndAMissingFolderIsNamed) {
    TestFolder f;
    f.write("Data/Maps/Info.inf", {"3", "lake", "LAKE", "sea"});
    f.remove("images");
    EXPECT_EQ(klev::CheckGameFolder(f.game(), ','),
              (Problems{"Path not found: \\images\\", "File not found: \\Data\\Maps\\sea\\conf.cfg"}));
}

}  // namespace
