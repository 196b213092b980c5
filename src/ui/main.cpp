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
#include <malloc.h>
#include <memory>
#include <optional>

#include "forms/services.h"
#include "app/windows.h"
#include "mainscreen/about.h"
#include "shell/game.h"
#include "shell/platform.h"
#include "ui/autoplay.h"
#include "ui/game_host.h"
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

// The game folder and, when installed or run from the build, the player's
// own folder for what the game writes; the splash's time if it is given.
klev::GameConfig ConfigFromOptions(QApplication& app, std::optional<int>& splashMs) {
    QCommandLineParser options;
    options.setApplicationDescription("Клевница 2 — рыбалка");
    options.addHelpOption();
    const QCommandLineOption gameFolder("game-folder", "Всё в папке игры DIR: данные, сохранения, рекорды.", "DIR");
    options.addOption(gameFolder);
    const QCommandLineOption splash("splash-ms", "Заставка MS миллисекунд вместо двух секунд (для замеров).", "MS");
    options.addOption(splash);
    options.process(app);
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
    // Picture buffers (a megabyte or two each, decoded, converted, freed)
    // come from the heap and are reused there, instead of each being mapped
    // fresh from the system and faulted in page by page.
    mallopt(M_MMAP_THRESHOLD, 32 << 20);
    mallopt(M_TRIM_THRESHOLD, 16 << 20);
    QApplication app(argc, argv);
    QApplication::setApplicationName("klevnitsa");
    QApplication::setApplicationDisplayName("Клевница 2");
    QApplication::setDesktopFileName("klevnitsa");
    // Windows come and go as the game says; only the game ends the run.
    QApplication::setQuitOnLastWindowClosed(false);
    ui::LoadRussianTranslation(app);

    std::optional<int> splashMs;
    klev::GameConfig config = ConfigFromOptions(app, splashMs);

    forms::SystemClock clock;
    forms::SystemRandom systemRandom(clock);
    AutoplayRandom random(systemRandom);
    forms::FilePictures pictures;
    ui::QtDialogs dialogs;
    ui::QtWavePlayer wave;
    if (const char* name = std::getenv("KLEV_AUTOPLAY_NAME"); name && *name) dialogs.queueAnswer(name);

    const ui::Settings settings = ui::Settings::load();
    wave.setVolume(settings.volume, settings.muted);
    klev::Game game(config, klev::Services{random, dialogs, wave, pictures, clock}, klev::GameWindows());
    ui::GameHost host(game, {}, settings);
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
