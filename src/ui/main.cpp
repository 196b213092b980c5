// Klevnitsa on the desktop. The game folder is the folder of the executable.
//
// Two environment variables serve unattended runs (screenshots, benchmarks):
// KLEV_AUTOPLAY_NAME answers the first input box (the player's name), and
// KLEV_AUTOPLAY_SCRIPT names a file of commands fed to the running game
// (see ui/autoplay.h).

#include <QApplication>
#include <QLocale>
#include <cstdlib>
#include <deque>
#include <memory>

#include "forms/services.h"
#include "app/windows.h"
#include "shell/game.h"
#include "shell/platform.h"
#include "ui/autoplay.h"
#include "ui/game_host.h"
#include "ui/qt_services.h"

namespace {

char DecimalSeparator() {
    const QString point = QLocale::system().decimalPoint();
    if (point.size() == 1 && point.at(0).unicode() < 128) return char(point.at(0).unicode());
    return klev::UserDecimalSeparator();
}

klev::GameConfig Config() {
    klev::GameConfig config = klev::DefaultVersion({});
    config.gameFolder = klev::ExecutableFolder();
    config.systemFolder = klev::DefaultSystemFolder();
    config.decimalSeparator = DecimalSeparator();
    return config;
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

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Клевница 2");
    // Windows come and go as the game says; only the game ends the run.
    QApplication::setQuitOnLastWindowClosed(false);
    ui::LoadRussianTranslation(app);

    forms::SystemClock clock;
    forms::SystemRandom systemRandom(clock);
    AutoplayRandom random(systemRandom);
    forms::StbPictures pictures;
    ui::QtDialogs dialogs;
    ui::QtWavePlayer wave;
    if (const char* name = std::getenv("KLEV_AUTOPLAY_NAME"); name && *name) dialogs.queueAnswer(name);

    klev::Game game(Config(), klev::Services{random, dialogs, wave, pictures, clock}, klev::GameWindows());
    ui::GameHost host(game);
    dialogs.setBeforeModal([&host] { host.syncAll(); });
    QObject::connect(&host, &ui::GameHost::ended, &app, [](int code) { QCoreApplication::exit(code); });

    std::unique_ptr<ui::Autoplay> autoplay;
    if (const char* script = std::getenv("KLEV_AUTOPLAY_SCRIPT"); script && *script)
        autoplay = std::make_unique<ui::Autoplay>(
            host, ui::ReadScriptLines(script), [&dialogs](std::string answer) { dialogs.queueAnswer(answer); }, 250,
            [&random](double value) { random.queue(value); });

    host.start();
    if (host.finished()) return host.exitCode();
    if (autoplay) autoplay->begin();
    return app.exec();
}
