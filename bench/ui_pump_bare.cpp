// The yardstick for the game's timer lateness: a bare Qt program that runs
// precise repeating QTimers of the given intervals for SECONDS and writes
// how late each tick came against its ideal time (start + k x interval), in
// microseconds, one a line, to FILE.
//   ui_pump_bare SECONDS FILE INTERVAL_MS...

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <vector>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 4) return 2;
    const int seconds = std::atoi(argv[1]);
    QWidget window;  // shown, as the game's stage is
    window.setFixedSize(600, 400);
    window.show();

    std::vector<std::int64_t> late;
    QElapsedTimer clock;
    std::vector<std::unique_ptr<QTimer>> timers;
    clock.start();
    for (int i = 3; i < argc; ++i) {
        const std::int64_t interval = std::atoi(argv[i]);
        auto timer = std::make_unique<QTimer>();
        timer->setTimerType(Qt::PreciseTimer);
        auto ticks = std::make_shared<std::int64_t>(0);
        const std::int64_t started = clock.nsecsElapsed();
        QObject::connect(timer.get(), &QTimer::timeout, [&, interval, ticks, started] {
            const std::int64_t due = started + (++*ticks) * interval * 1'000'000;
            late.push_back((clock.nsecsElapsed() - due) / 1000);
        });
        timer->start(int(interval));
        timers.push_back(std::move(timer));
    }
    QTimer::singleShot(seconds * 1000, &app, &QCoreApplication::quit);
    const int status = app.exec();
    std::ofstream out(argv[2]);
    for (const std::int64_t us : late) out << us << "\n";
    return status;
}
