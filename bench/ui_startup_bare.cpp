// The yardstick for the desktop game's start-up: a bare Qt window of the
// splash's size, shown, then the run ends at the first turn of the event loop.

#include <QApplication>
#include <QTimer>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle("bare");
    window.setFixedSize(600, 400);
    window.show();
    QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return app.exec();
}
