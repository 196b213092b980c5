// The player's files live in the player's data folder: it is seeded from the
// game's on first start, a later start (after a rebuild or reinstall) leaves
// the player's changes alone, and the game reads and writes saves, the
// records book and conf.cfg there while the game folder is only read.

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>

#include "data/game_folder.h"
#include "app/windows.h"
#include "forms/services.h"
#include "mainscreen/form1.h"
#include "shell/game.h"
#include "shell/platform.h"
#include "shell/save_game.h"
#include "test_game.h"

namespace {

namespace fs = std::filesystem;
using testing_support::TestFolder;

std::string Read(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

void Write(const fs::path& file, const std::string& bytes) { std::ofstream(file, std::ios::binary) << bytes; }

// Every file of a folder with its bytes, to see that nothing changed.
std::map<std::string, std::string> Snapshot(const fs::path& folder) {
    std::map<std::string, std::string> out;
    for (const auto& e : fs::recursive_directory_iterator(folder))
        out[fs::relative(e.path(), folder).string()] = e.is_regular_file() ? Read(e.path()) : "<dir>";
    return out;
}

}  // namespace

TEST(PlayerFiles, OnlySavesTheRecordsBookAndConfCfgAreThePlayers) {
    const std::pair<const char*, bool> cases[] = {
        {"\\Saves", true},          {"\\saves\\Вася\\vrb.cfg", true}, {"\\SAVES\\", true},
        {"\\Data\\rec.cfg", true},  {"\\DATA\\REC.CFG", true},        {"\\conf.cfg", true}, {"\\Data\\rec.bak", true},
        {"\\Data\\Maps\\lake\\conf.cfg", false}, {"\\SavesOld", false}, {"\\Data\\rec.cfg.bak", false},
        {"\\images\\back1.jpg", false},
    };
    for (const auto& [path, mine] : cases) EXPECT_EQ(data::IsPlayerFile(path), mine) << path;
}

TEST(PlayerFiles, AFirstStartSeedsTheFolderAndALaterOneKeepsThePlayersChanges) {
    TestFolder game;
    const fs::path player = game.root() / "player";
    ASSERT_TRUE(klev::SeedPlayerFolder(game.game(), player));
    EXPECT_TRUE(fs::is_directory(player / "Saves"));
    EXPECT_EQ(Read(player / "conf.cfg"), game.read("conf.cfg"));
    EXPECT_EQ(Read(player / "Data" / "rec.cfg"), game.read("Data/rec.cfg"));

    // The player's records book and save change; the bundled book changes too
    // (a new release). Seeding again replaces nothing of the player's.
    Write(player / "Data" / "rec.cfg", "mine");
    fs::create_directories(player / "Saves" / "Вася");
    Write(player / "Saves" / "Вася" / "vrb.cfg", "save");
    game.writeBytes("Data/rec.cfg", "new release");
    ASSERT_TRUE(klev::SeedPlayerFolder(game.game(), player));
    EXPECT_EQ(Read(player / "Data" / "rec.cfg"), "mine");
    EXPECT_EQ(Read(player / "Saves" / "Вася" / "vrb.cfg"), "save");

    // A lost file comes back from the game's.
    fs::remove(player / "conf.cfg");
    ASSERT_TRUE(klev::SeedPlayerFolder(game.game(), player));
    EXPECT_EQ(Read(player / "conf.cfg"), game.read("conf.cfg"));

    EXPECT_FALSE(klev::SeedPlayerFolder(game.game(), game.game() / "conf.cfg" / "below a file"));
}

TEST(PlayerFiles, TheGamePlaysFromThePlayersFolderAndNeverWritesTheGameFolder) {
    TestFolder game;
    game.remove("Saves");
    const fs::path player = game.root() / "player";
    ASSERT_TRUE(klev::SeedPlayerFolder(game.game(), player));
    // The player's own records book differs from the bundled one.
    const std::string bundled = game.read("Data/rec.cfg");
    std::string mine = bundled;
    mine.replace(mine.find("3000"), 4, "3100");
    Write(player / "Data" / "rec.cfg", mine);
    const auto before = Snapshot(game.game());

    forms::ScriptedRandom random;
    forms::ScriptedDialogs dialogs;
    forms::RecordingWavePlayer wave;
    forms::FilePictures pictures;
    forms::FixedClock clock;
    dialogs.queueAnswer("Вася");
    klev::GameConfig config;
    config.gameFolder = game.game();
    config.playerFolder = player;
    config.systemFolder = player;
    klev::Game g(config, {random, dialogs, wave, pictures, clock}, klev::GameWindows());
    g.Start();
    g.timers.advance(2000);
    ASSERT_TRUE(g.window<klev::Form1>().Visible) << "the game reached the map";
    EXPECT_TRUE(fs::is_regular_file(player / "Saves" / "Вася" / "vrb.cfg"));

    g.save.PlayerMoney = 777;
    klev::SaveGameState(g);
    EXPECT_NE(Read(player / "Saves" / "Вася" / "vrb.cfg").find("777"), std::string::npos);
    EXPECT_NE(Read(player / "Data" / "rec.cfg").find("3100"), std::string::npos)
        << "the records book was read from the player's folder and written back there";
    EXPECT_EQ(Snapshot(game.game()), before) << "the game folder is only read";
    EXPECT_EQ(g.path("\\Data\\Maps\\Info.inf"), data::Resolve(game.game(), "\\Data\\Maps\\Info.inf"));
}

TEST(PlayerFiles, TheGameFolderIsBesideTheProgramOrInstalledBesideItsFolder) {
    TestFolder root;
    const fs::path prefix = root.root() / "prefix";
    const fs::path bin = prefix / "bin";
    const fs::path installed = prefix / "share" / "klevnitsa";
    fs::create_directories(bin);
    EXPECT_EQ(klev::InstalledDataFolder(bin), installed);  // nothing anywhere: where it would be installed
    Write(bin / "CONF.CFG", "");
    EXPECT_EQ(klev::InstalledDataFolder(bin), bin);  // a game folder copied from Windows
    fs::create_directories(installed);
    EXPECT_EQ(klev::InstalledDataFolder(bin), installed);  // installed data wins over a name in another case
    Write(bin / "conf.cfg", "");
    EXPECT_EQ(klev::InstalledDataFolder(bin), bin);  // the build's own folder
}
