// Klevnitsa on the desktop.
//
//   klevnitsa                      the game's data is read from the folder of
//                                  the executable (or the installed data
//                                  folder) and never written; saves, the
//                                  records book, conf.cfg and the first-run
//                                  marker live in the player's data folder
//                                  ($XDG_DATA_HOME/klevnitsa), seeded on
//                                  first start
//   klevnitsa --game-folder DIR    everything in DIR, read and written
//   klevnitsa --record FILE        plays as usual and writes the session to
//                                  FILE as a klevnitsa-script script that
//                                  replays it on a copy of the starting folder
//   klevnitsa --check [DIR]        reads every file of the game folder DIR
//                                  (the game's data folder without DIR) as
//                                  the game does, lists every problem, one a
//                                  line, and exits 0 when there is none;
//                                  no window is opened
//   klevnitsa --splash-ms MS       the splash shows MS milliseconds instead
//                                  of two seconds (for benchmarks)
//
// Two environment variables serve unattended runs (screenshots, benchmarks):
// KLEV_AUTOPLAY_NAME answers the first input box (the player's name), and
// KLEV_AUTOPLAY_SCRIPT names a file of commands fed to the running game
// (see ui/autoplay.h).

#include <deque>
#include <QApplication>
#include <QCommandLineParser>
#include <QLocale>
#include <QMessageBox>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "forms/services.h"
#include "forms/worker.h"
#include "app/session_record.h"
#include "app/windows.h"
#include "mainscreen/about.h"
#include "mainscreen/check_folder.h"
#include "shell/game.h"
#include "shell/platform.h"
#include "ui/autoplay.h"
#include "ui/game_host.h"
#include "ui/lean_start.h"
#include "ui/qt_services.h"
#include "ui/settings.h"

namespace {

char DecimalSeparator() {
    const QString point = QLocale::system().decimalPoint();
    if (point.size() == 1 && point.at(0).unicode() < 128) return char(point.at(0).unicode());
    return klev::UserDecimalSeparator();
}

// The system's generator, with the values an autoplay script queues drawn
// first (for screenshots of moments that come by chance).
class AutoplayRandom : public forms::Random {
public:
    explicit AutoplayRandom(forms::Random& system) : system_(system) {}
    void queue(double value) { queued_.push_back(value); }
    double Rnd() override {
        if (queued_.empty()) return system_.Rnd();
        const double v = queued_.front();
        queued_.pop_front();
        return v;
    }
    void Randomize() override { system_.Randomize(); }

private:
    forms::Random& system_;
    std::deque<double> queued_;
};

// `--check [DIR]` anywhere among the arguments: the folder to check, or
// nullopt when the option is not given.
std::optional<std::filesystem::path> FolderToCheck(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::string_view(argv[i]) != "--check") continue;
        if (i + 1 < argc && !std::string_view(argv[i + 1]).starts_with("--")) return argv[i + 1];
        return klev::InstalledDataFolder();
    }
    return std::nullopt;
}

int CheckFolder(const std::filesystem::path& folder) {
    const std::vector<std::string> problems = klev::CheckGameFolder(folder, DecimalSeparator());
    for (const std::string& p : problems) std::cout << p << '\n';
    if (problems.empty()) std::cout << "Ошибок нет: " << folder.string() << '\n';
    else std::cout << "Ошибок: " << problems.size() << '\n';
    return problems.empty() ? 0 : 1;
}

// The game folder and, when installed or run from the build, the player's
// own folder for what the game writes; the file to record the session to
// and the splash's time, if they are given.
klev::GameConfig ConfigFromOptions(QApplication& app, std::string& recordFile, std::optional<int>& splashMs) {
    QCommandLineParser options;
    options.setApplicationDescription("Клевница 2 — рыбалка");
    options.addHelpOption();
    const QCommandLineOption gameFolder("game-folder", "Всё в папке игры DIR: данные, сохранения, рекорды.", "DIR");
    options.addOption(gameFolder);
    const QCommandLineOption record("record", "Записать игру в FILE сценарием для klevnitsa-script.", "FILE");
    options.addOption(record);
    // Handled before the application starts (FolderToCheck); listed for --help.
    options.addOption(QCommandLineOption(
        "check", "Проверить папку игры [DIR] (без DIR — данные игры): все ошибки в файлах, по одной в строке; "
                 "код выхода 0, когда ошибок нет."));
    const QCommandLineOption splash("splash-ms", "Заставка MS миллисекунд вместо двух секунд (для замеров).", "MS");
    options.addOption(splash);
    options.process(app);
    if (options.isSet(record)) recordFile = options.value(record).toStdString();
    if (options.isSet(splash)) {
        bool ok = false;
        const int ms = options.value(splash).toInt(&ok);
        if (!ok || ms < 1) options.showHelp(2);
        splashMs = ms;
    }

    klev::GameConfig config = klev::DefaultVersion({});
    config.decimalSeparator = DecimalSeparator();
    if (options.isSet(gameFolder)) {
        config.gameFolder = options.value(gameFolder).toStdString();
        config.systemFolder = klev::DefaultSystemFolder();
    } else {
        config.gameFolder = klev::InstalledDataFolder();
        config.playerFolder = klev::PlayerDataFolder();
        config.systemFolder = config.playerFolder;
        // A folder that cannot be made shows as the game's own "Path not found".
        klev::SeedPlayerFolder(config.gameFolder, config.playerFolder);
    }
    return config;
}

}  // namespace

int main(int argc, char** argv) {
    if (const auto folder = FolderToCheck(argc, argv)) return CheckFolder(*folder);
    ui::PrepareHeap();
    QApplication app(argc, argv);
    QApplication::setApplicationName("klevnitsa");
    QApplication::setApplicationDisplayName("Клевница 2");
    QApplication::setDesktopFileName("klevnitsa");
    // Windows come and go as the game says; only the game ends the run.
    QApplication::setQuitOnLastWindowClosed(false);
    ui::LoadRussianTranslation(app);
    const std::jthread fonts = ui::WarmUpFonts();
    // Decodes the pictures about to be shown while the windows are built.
    forms::Worker worker;

    std::string recordFile;
    std::optional<int> splashMs;
    klev::GameConfig config = ConfigFromOptions(app, recordFile, splashMs);

    forms::SystemClock clock;
    forms::SystemRandom systemRandom(clock);
    AutoplayRandom random(systemRandom);
    forms::FilePictures pictures;
    ui::QtDialogs dialogs;
    ui::QtWavePlayer wave;
    if (const char* name = std::getenv("KLEV_AUTOPLAY_NAME"); name && *name) dialogs.queueAnswer(name);

    const ui::Settings settings = ui::Settings::load();
    wave.setVolume(settings.volume, settings.muted);
    // --record: the game draws, asks and reads the time through the recorder.
    std::unique_ptr<klev::SessionRecording> recording;
    if (!recordFile.empty()) {
        recording = std::make_unique<klev::SessionRecording>(recordFile, random, dialogs, clock);
        if (!recording->ready()) {
            qCritical("klevnitsa: cannot write %s", recordFile.c_str());
            return 1;
        }
    }
    const klev::Services services = recording
        ? klev::Services{recording->random, recording->dialogs, wave, pictures, recording->clock}
        : klev::Services{random, dialogs, wave, pictures, clock};
    klev::Game game(config, services, klev::GameWindows());
    ui::GameHost host(game, {}, settings);
    host.decodeAheadOn(worker);
    if (recording) {
        recording->recorder.begin(game);
        host.setObserver(&recording->recorder);
    }
    host.onSettings([&wave](const ui::Settings& s) { wave.setVolume(s.volume, s.muted); });
    dialogs.setParent(&host.stage());
    dialogs.setBeforeModal([&host] { host.syncAll(); });
    QObject::connect(&host, &ui::GameHost::ended, &app, [](int code) { QCoreApplication::exit(code); });

    std::unique_ptr<ui::Autoplay> autoplay;
    if (const char* script = std::getenv("KLEV_AUTOPLAY_SCRIPT"); script && *script)
        autoplay = std::make_unique<ui::Autoplay>(
            host, ui::ReadScriptLines(script), [&dialogs](std::string answer) { dialogs.queueAnswer(answer); }, 250,
            [&random](double value) { random.queue(value); });

    host.start();
    if (splashMs)
        host.run([&game, ms = *splashMs] { game.window<klev::About>().Timer1.setInterval(ms); });
    if (host.finished()) return host.exitCode();
    if (autoplay) autoplay->begin();
    return app.exec();
}
