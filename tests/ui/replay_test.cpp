// A desktop session recorded and played again through the headless driver:
// the offscreen game with synthesized clicks and keys and a scripted time
// source writes its script, the driver plays it on a copy of the starting
// game folder, and the saves come out byte for byte the same; a session that
// stops on a fatal data error replays to the same `fatal:` line.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <atomic>
#include <fstream>
#include <functional>
#include <random>
#include <sstream>

#include "app/session_record.h"
#include "app/windows.h"
#include "driver/driver.h"
#include "forms/reflect.h"
#include "shell/game.h"
#include "ui/control_view.h"
#include "ui/game_host.h"
#include "ui_support.h"

namespace {

namespace fs = std::filesystem;
using ui::ControlView;
using ui::FormWindow;
using ui::GameHost;

std::string ReadBytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// Two copies of the default game folder: one to play on, one to replay on.
struct Folders {
    Folders() {
        static std::atomic<unsigned> counter{0};
        root = fs::temp_directory_path() /
               ("klev-replay-" + std::to_string(std::random_device{}()) + "-" + std::to_string(counter++));
        for (const char* copy : {"played", "replayed"}) {
            fs::create_directories(root / copy);
            fs::copy(KLEV_GAMEDATA_DIR, root / copy, fs::copy_options::recursive);
        }
    }
    ~Folders() {
        std::error_code ec;
        fs::remove_all(root, ec);
    }
    klev::GameConfig config(const char* copy) const {
        klev::GameConfig c = klev::DefaultVersion({});
        c.gameFolder = root / copy;
        c.systemFolder = root / (std::string(copy) + "-system");
        c.decimalSeparator = ',';
        return c;
    }
    fs::path root;
};

// The desktop game on the "played" copy, recording, with a seeded generator
// standing for the system's, scripted dialogs and a scripted time source.
struct RecordedDesk {
    explicit RecordedDesk(const Folders& folders)
        : game(folders.config("played"), {random, dialogs, wave, pictures, clock}, klev::GameWindows()),
          host((ui_test::App(), game), [this] { return std::chrono::milliseconds(now); }) {
        system.seed(20261209);
        recorder.begin(game);
        host.setObserver(&recorder);
    }

    // Real time passes: the pump timer fires when due, a little late, and
    // once in a while a whole second late (the desktop was busy).
    void wait(std::int64_t ms) {
        const std::int64_t until = now + ms;
        while (!host.finished()) {
            const auto due = host.armedFor();
            if (!due || *due > until) break;
            ++pumps;
            now = std::max(now, *due + (pumps % 7 == 0 ? 1000 : pumps % 3));
            host.pump();
        }
        now = std::max(now, until);
    }
    std::string var(const std::string& name) {
        return forms::PrintPath(static_cast<klev::GameState&>(game), name).value_or("?");
    }
    ControlView& view(const std::string& form, const std::string& control) {
        FormWindow* w = host.window(form);
        ControlView* v = w ? w->view(control) : nullptr;
        if (!v) throw std::runtime_error("no view " + form + "." + control);
        return *v;
    }
    void click(const std::string& form, const std::string& control) {
        ControlView& v = view(form, control);
        if (!v.isVisible()) throw std::runtime_error("not on screen: " + form + "." + control);
        QTest::mouseClick(host.stage().viewport(), Qt::LeftButton, {}, host.stage().toViewport(v, v.rect().center()));
        wait(120);
    }
    // A click (or double click) on an entry of a list box, where it shows.
    void pick(const std::string& form, const std::string& control, int row, bool twice = false) {
        QListWidget* list = view(form, control).listWidget();
        ASSERT_NE(list, nullptr);
        ASSERT_LT(row, list->count()) << form << "." << control;
        const QPoint at = list->visualItemRect(list->item(row)).center();
        if (twice) QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
        else QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        wait(150);
    }
    void press(Qt::Key key) { QTest::keyPress(&window("SceneForm"), key); }
    void release(Qt::Key key) { QTest::keyRelease(&window("SceneForm"), key); }
    FormWindow& window(const std::string& form) {
        FormWindow* w = host.window(form);
        if (!w) throw std::runtime_error("no window " + form);
        return *w;
    }

    // Casts the float, strikes when it goes, and plays the fish with G
    // the way the tension asks. True when a fish came into the net.
    bool castAndFight() {
        const std::string caught = var("CaughtCount");
        press(Qt::Key_Space);
        release(Qt::Key_Space);
        for (int waited = 0; waited < 90000 && var("BiteActive") != "true"; waited += 100) wait(100);
        if (var("BiteActive") != "true") return false;
        wait(250);
        press(Qt::Key_Return);
        release(Qt::Key_Return);
        wait(150);
        bool reeling = false;
        for (int t = 0; t < 600 && var("Hooked") == "true"; ++t) {
            const double tension = game.form("SceneForm").find("HerboLine")->Width;
            if (!reeling && tension < 1500) {
                press(Qt::Key_G);
                reeling = true;
            } else if (reeling && (tension > 2350 || var("Reeling") != "true")) {
                release(Qt::Key_G);
                reeling = false;
            }
            wait(50);
        }
        if (reeling) release(Qt::Key_G);
        wait(100);
        return var("CaughtCount") != caught;
    }

    forms::ScriptedRandom system;
    forms::ScriptedDialogs shownDialogs;
    forms::FixedClock timeOfDay;
    std::ostringstream script;
    klev::SessionRecorder recorder{script};
    klev::RecordingRandom random{system, recorder};
    klev::RecordingDialogs dialogs{shownDialogs, recorder};
    klev::RecordingClock clock{timeOfDay, recorder};
    forms::RecordingWavePlayer wave;
    forms::FilePictures pictures;
    klev::Game game;
    std::int64_t now = 0;
    int pumps = 0;
    GameHost host;
};

struct Replayed {
    driver::Status status;
    std::string out;
    std::string warnings;
};

// Plays `script` through the driver on the "replayed" copy; `inspect` sees
// the driver's game afterwards.
Replayed Replay(const Folders& folders, const std::string& script,
                const std::function<void(klev::Game&)>& inspect = {}) {
    std::ostringstream warnings;
    driver::Options options{folders.config("replayed"), &warnings};
    options.config.decimalSeparator = '.';  // the script names the one the session had
    driver::ScriptDriver d(std::move(options));
    std::istringstream in(script);
    std::ostringstream out;
    const driver::Status status = d.run(in, out);
    if (inspect) inspect(d.game());
    return {status, out.str(), warnings.str()};
}

bool Has(const std::string& script, const std::string& line) {
    return ("\n" + script).find("\n" + line + "\n") != std::string::npos;
}

TEST(Replay, ARecordedDesktopSessionReplaysToTheSameSaves) {
    Folders folders;
    RecordedDesk desk(folders);
    // The name prompt: cancelled, left empty, then a name.
    desk.shownDialogs.queueAnswer(std::nullopt);
    desk.shownDialogs.queueAnswer("");
    desk.shownDialogs.queueAnswer("Вася");
    desk.host.start();
    desk.wait(2100);
    ASSERT_TRUE(desk.window("Form1").isVisible());

    // The shop: the cheapest rod, line and worms.
    desk.click("Form1", "Butt_base");
    desk.click("Base", "But_shop");
    desk.wait(1600);
    for (auto [section, list] : {std::pair{0, "List_Sp"}, {1, "List_Leska"}, {2, "List_Nas"}}) {
        desk.click("ShopFr", "Razdel_B(" + std::to_string(section) + ")");
        desk.pick("ShopFr", list, 0);
        desk.pick("ShopFr", list, 0, true);
    }
    ASSERT_EQ(desk.var("OwnedRodCount"), "1");
    ASSERT_EQ(desk.var("OwnedBaitCount"), "1");
    desk.click("ShopFr", "Label5");

    // Rigging: each opener lists the owned things, a click takes one; the
    // inventory goes by its title-bar close.
    desk.click("Form1", "Butt_base");
    desk.click("Base", "Image1");
    for (const char* opener : {"But_SP", "Label2", "Label3"}) {
        desk.click("InvenFr", opener);
        desk.pick("InvenFr", "List1", 0);
    }
    ASSERT_NE(desk.var("BaitSlot"), "0");
    desk.window("InvenFr").close();
    desk.wait(100);
    desk.click("Base", "Image3");

    // The water: a few casts with the float.
    desk.click("Form1", "PScene(1)");
    desk.click("SceneForm", "Butt_Popl");
    int landed = 0;
    for (int cast = 0; cast < 6 && landed == 0; ++cast) {
        if (desk.castAndFight()) {
            ++landed;
            desk.click("Trofei", "Label1");
        }
    }
    EXPECT_EQ(landed, 1) << "the seeded session lands a fish";
    desk.click("SceneForm", "Image2");

    // The evaluation, then "Выход" saves and ends.
    desk.click("Form1", "Butt_base");
    desk.click("Base", "but_oc");
    desk.click("Fish_Ocenka", "Label3");
    desk.click("Fish_Ocenka", "Label4");
    desk.click("Base", "Image3");
    desk.click("Form1", "Label5");
    ASSERT_TRUE(desk.host.finished());
    ASSERT_EQ(desk.host.exitCode(), 0);

    const std::string script = desk.script.str();
    EXPECT_EQ(script.rfind("# klevnitsa-record version ", 0), 0u) << script.substr(0, 80);
    for (const char* line : {"decimal ,", "rndstrict on", "cancel", "answer", "answer Вася", "start",
                             "set ShopFr.List_Sp.ListIndex 0", "dblclick ShopFr.List_Sp", "close InvenFr",
                             "keypress SceneForm 32", "keydown SceneForm 71", "click Form1.Label5"})
        EXPECT_TRUE(Has(script, line)) << line;
    EXPECT_NE(script.find("\nrnd "), std::string::npos);
    EXPECT_NE(script.find("\npump "), std::string::npos);

    const Replayed r = Replay(folders, script);
    EXPECT_EQ(r.status, driver::Finished) << r.out;
    EXPECT_EQ(r.out, "ended\n");
    EXPECT_EQ(r.warnings, "");
    for (const char* file : {"Saves/Вася/vrb.cfg", "Data/rec.cfg", "conf.cfg"}) {
        const std::string played = ReadBytes(folders.root / "played" / file);
        EXPECT_FALSE(played.empty()) << file;
        EXPECT_EQ(ReadBytes(folders.root / "replayed" / file), played) << file;
    }
}

TEST(Replay, ASessionStoppedByAFatalDataErrorReplaysToTheSameFatalLine) {
    Folders folders;
    for (const char* copy : {"played", "replayed"}) {
        std::ofstream damaged(folders.root / copy / "Data/Maps/lake/Loc1/Conf.cfg", std::ios::binary);
        damaged << "12\r\nfive thousand\r\n";
    }
    RecordedDesk desk(folders);
    desk.shownDialogs.queueAnswer("Вася");
    desk.host.start();
    desk.wait(2100);
    desk.click("Form1", "PScene(1)");
    ASSERT_TRUE(desk.host.finished());
    ASSERT_EQ(desk.host.exitCode(), 1);
    const auto shown = desk.shownDialogs.takeMessages();
    ASSERT_FALSE(shown.empty());

    const std::string script = desk.script.str();
    const std::string last = "# fatal: " + shown.back() + "\n";
    ASSERT_GE(script.size(), last.size());
    EXPECT_EQ(script.substr(script.size() - last.size()), last) << "the script ends with the failure";
    EXPECT_TRUE(Has(script, "click Form1.PScene(1)")) << script;
    const Replayed r = Replay(folders, script);
    EXPECT_EQ(r.status, driver::Fatal);
    EXPECT_EQ(r.out, "fatal: " + shown.back() + "\n");
}

TEST(Replay, WhatThePlayerTypesAndChoosesInTheBoxesReachesTheReplay) {
    Folders folders;
    // A player the regulars like, with money for a stake, on both copies.
    {
        driver::ScriptDriver d(driver::Options{folders.config("played"), nullptr});
        std::istringstream in("answer Рыбак\nstart\nadvance 2000\nset PlayerMoney 500\n"
                              "set Regulars(3).Attitude 100\nclick Form1.Label5\n");
        std::ostringstream out;
        ASSERT_EQ(d.run(in, out), driver::Finished) << out.str();
        fs::remove_all(folders.root / "replayed");
        fs::copy(folders.root / "played", folders.root / "replayed", fs::copy_options::recursive);
    }
    RecordedDesk desk(folders);
    desk.shownDialogs.queueAnswer("Рыбак");
    desk.host.start();
    desk.wait(2100);
    desk.click("Form1", "Butt_base");
    desk.click("Base", "but_pub");
    desk.wait(1600);
    desk.click("Kafe", "But_Duel");
    desk.click("Kafe", "Lb_Select(3)");
    ASSERT_TRUE(desk.window("Duel_Select").isVisible());

    // The stake typed over, the kind chosen with the keyboard, then a start
    // the rules refuse; then a stake typed and a kind typed in.
    QLineEdit* stake = desk.view("Duel_Select", "Text1").lineEdit();
    QComboBox* kind = desk.view("Duel_Select", "Duel_T").comboBox();
    ASSERT_TRUE(stake && kind);
    stake->setFocus();
    stake->selectAll();
    QTest::keyClicks(stake, "101");
    kind->setFocus();
    QTest::keyClick(kind, Qt::Key_Down);
    QTest::keyClick(kind, Qt::Key_Down);
    desk.click("Duel_Select", "Label4");
    klev::Game& game = desk.game;
    const forms::Control& info = *game.form("Duel_Select").find("Info");
    EXPECT_EQ(info.Caption, "100 максимально");
    stake->selectAll();
    QTest::keyClicks(stake, "-5");
    kind->lineEdit()->selectAll();
    QTest::keyClicks(kind->lineEdit(), "kind");
    desk.click("Duel_Select", "Label4");
    EXPECT_EQ(info.Caption, "Ставка не может быть отрицательной");
    desk.wait(3000);

    const std::string script = desk.script.str();
    for (const char* line : {"settext Duel_Select.Text1 101", "set Duel_Select.Duel_T.ListIndex 1",
                             "settext Duel_Select.Duel_T самай крупная рыба", "settext Duel_Select.Text1 -5",
                             "set Duel_Select.Duel_T.ListIndex -1", "settext Duel_Select.Duel_T kind"})
        EXPECT_TRUE(Has(script, line)) << line << "\n" << script;
    const Replayed r = Replay(folders, script, [&](klev::Game& replayed) {
        forms::Form& shown = replayed.form("Duel_Select");
        EXPECT_EQ(shown.find("Info")->Caption, info.Caption);
        for (const char* box : {"Text1", "Duel_T"}) {
            EXPECT_EQ(shown.find(box)->Text, game.form("Duel_Select").find(box)->Text) << box;
            EXPECT_EQ(shown.find(box)->ListIndex, game.form("Duel_Select").find(box)->ListIndex) << box;
        }
        EXPECT_EQ(replayed.timers.now(), game.timers.now());
        EXPECT_EQ(replayed.save.PlayerMoney, game.save.PlayerMoney);
    });
    EXPECT_EQ(r.status, driver::Finished) << r.out;
    EXPECT_EQ(r.out, "");
}

// --- The driver's side: the header, the time of day, the separator ---------

TEST(Replay, TheHeaderWarnsOnTheStandardErrorWhenVersionOrFolderDiffer) {
    Folders folders;
    const klev::GameConfig config = folders.config("replayed");
    const std::string version = klev::VersionText(config);
    const std::string checksum = klev::GameFolderChecksum(config);
    EXPECT_EQ(klev::RecordHeader(config), "# klevnitsa-record version " + version + " checksum " + checksum);
    struct Case {
        std::string header;
        std::vector<std::string> warned;  // parts of the warnings, in order
    };
    const std::vector<Case> cases = {
        {klev::RecordHeader(config), {}},
        {"# klevnitsa-record version 0.9.1 checksum " + checksum, {"recorded with version 0.9.1, this is " + version}},
        {"# klevnitsa-record version " + version + " checksum 00000000deadbeef",
         {"checksum " + checksum + ", recorded 00000000deadbeef"}},
        {"# klevnitsa-record version 2.0.0 checksum 0", {"version 2.0.0", "recorded 0)"}},
        {"# a comment that only looks like one: version 0.1", {}},
    };
    for (const Case& c : cases) {
        const Replayed r = Replay(folders, c.header + "\nprint PlayerMoney\n");
        EXPECT_EQ(r.out, "0\n") << c.header;
        std::size_t from = 0;
        for (const std::string& part : c.warned) {
            from = r.warnings.find(part, from);
            EXPECT_NE(from, std::string::npos) << c.header << "\n" << r.warnings;
        }
        if (c.warned.empty()) EXPECT_EQ(r.warnings, "") << c.header;
    }
}

TEST(Replay, TheChecksumCoversWhatTheGameReadsAndNothingElse) {
    Folders folders;
    klev::GameConfig config = folders.config("played");
    const fs::path game = config.gameFolder;
    const std::string first = klev::GameFolderChecksum(config);
    auto write = [](const fs::path& file, const std::string& bytes) {
        fs::create_directories(file.parent_path());
        std::ofstream(file, std::ios::binary) << bytes;
    };
    // Beside the game's folders (the executables of a build): not read.
    write(game / "klevnitsa-notes.txt", "x");
    EXPECT_EQ(klev::GameFolderChecksum(config), first);
    struct Change {
        const char* what;
        std::function<void()> apply;
    };
    const std::vector<Change> changes = {
        {"a byte of a picture", [&] { write(game / "images/logo.jpg", ReadBytes(game / "images/logo.jpg") + "!"); }},
        {"a save appears", [&] { write(game / "Saves/Вася/vrb.cfg", ""); }},
        {"a file is renamed", [&] { fs::rename(game / "Saves/Вася/vrb.cfg", game / "Saves/Вася/vrb2.cfg"); }},
        {"the settings", [&] { write(game / "conf.cfg", "river\r\nfalse\r\n"); }},
    };
    std::string before = first;
    for (const Change& c : changes) {
        c.apply();
        const std::string after = klev::GameFolderChecksum(config);
        EXPECT_NE(after, before) << c.what;
        before = after;
    }

    // With a player folder the player's own files are read from there.
    config.playerFolder = folders.root / "player";
    const std::string split = klev::GameFolderChecksum(config);
    write(game / "Saves/Петя/vrb.cfg", "1");
    EXPECT_EQ(klev::GameFolderChecksum(config), split) << "the game folder's saves are not read";
    write(config.playerFolder / "Saves/Петя/vrb.cfg", "1");
    EXPECT_NE(klev::GameFolderChecksum(config), split);
}

TEST(Replay, TheDriverTakesTheTimeOfDayAndTheSeparatorFromTheScript) {
    Folders folders;
    driver::ScriptDriver d(driver::Options{folders.config("replayed"), nullptr});
    std::ostringstream out;
    ASSERT_EQ(d.runLine("clock 3600 7200.5", out), driver::Finished);
    forms::Clock& clock = d.game().services.clock;
    EXPECT_EQ(clock.secondsSinceMidnight(), 3600);
    EXPECT_EQ(clock.secondsSinceMidnight(), 7200.5);
    EXPECT_EQ(clock.secondsSinceMidnight(), 7200.5) << "the last one stays";
    EXPECT_EQ(d.runLine("clock 86400", out), driver::ScriptFault);

    EXPECT_EQ(d.game().sep(), ',');
    EXPECT_EQ(d.runLine("decimal .", out), driver::Finished);
    EXPECT_EQ(d.game().sep(), '.');
    EXPECT_EQ(d.runLine("print PlayerMoney", out), driver::Finished);
    EXPECT_EQ(d.runLine("decimal ,", out), driver::ScriptFault) << "the game was reached";
    EXPECT_EQ(d.game().sep(), '.');
    EXPECT_NE(out.str().find("decimal must come before"), std::string::npos) << out.str();

    // `event` reaches only windows and controls that are there.
    ASSERT_EQ(d.runLine("answer Вася", out), driver::Finished);
    ASSERT_EQ(d.runLine("start", out), driver::Finished);
    ASSERT_EQ(d.runLine("advance 2000", out), driver::Finished);
    for (const char* bad : {"event Form1.PScene(9) click 0 0 0", "event Form1.Label5 hover 0 0 0",
                            "event Form1.PScene(x) click 0 0 0", "event Form1 click 0 0"})
        EXPECT_EQ(d.runLine(bad, out), driver::ScriptFault) << bad;
    EXPECT_FALSE(d.game().form("SceneForm").Visible);
    EXPECT_EQ(d.runLine("event Form1.PScene(1) click 12.5 7 0", out), driver::Finished);
    EXPECT_TRUE(d.game().form("SceneForm").Visible);

    // Times past the clock's range are refused, not wrapped.
    for (const char* bad : {"pump 9223372036854775807", "pump 99999999999999999999", "advance 1e30"})
        EXPECT_EQ(d.runLine(bad, out), driver::ScriptFault) << bad;
    EXPECT_EQ(d.runLine("pump 9000000000000000000", out), driver::Finished);
    EXPECT_EQ(d.runLine("pump 300000000000000000", out), driver::ScriptFault);
    EXPECT_NE(out.str().find("time out of range: 300000000000000000"), std::string::npos) << out.str();
}

}  // namespace
