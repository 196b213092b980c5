// The yardstick for the desktop game's start-up to its main screen: a bare Qt
// window of the splash's size that paints once; at the next turn of the
// event loop, when the paint is done, it prints "painted bare NS" (the wall
// clock, CLOCK_REALTIME in ns) as the game's autoplay does, and ends.
// With --text it also draws one line of Russian text, and so loads the font
// system as any program that shows text must: how much of the game's start
// is the fonts' share, which the bare window never pays.

#include <QApplication>
#include <QPainter>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <ctime>

namespace {

class Bare : public QWidget {
public:
    explicit Bare(bool text) : text_(text) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), QColor(40, 90, 140));
        if (text_) {
            p.setPen(Qt::white);
            p.drawText(rect(), Qt::AlignCenter, QStringLiteral("Клевница 2"));
        }
        if (painted_) return;
        painted_ = true;
        QTimer::singleShot(0, this, [] {
            timespec wall{};
            clock_gettime(CLOCK_REALTIME, &wall);
            std::printf("painted bare %lld\n", (long long)wall.tv_sec * 1000000000LL + wall.tv_nsec);
            std::fflush(stdout);
            QCoreApplication::quit();
        });
    }

private:
    bool text_;
    bool painted_ = false;
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    Bare window(QCoreApplication::arguments().contains(QStringLiteral("--text")));
    window.setWindowTitle("bare");
    window.setFixedSize(600, 400);
    window.show();
    return app.exec();
}
