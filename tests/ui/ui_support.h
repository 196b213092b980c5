#pragma once
// Shared pieces of the offscreen Qt tests: the application object, a form
// model built in the test, and a recorder of the events a window sends.

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QSettings>
#include <cstdlib>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "forms/form.h"
#include "ui/control_view.h"
#include "ui/form_window.h"
#include "ui/picture_cache.h"

// Readable colours in test failures.
inline void PrintTo(const QColor& c, std::ostream* os) {
    *os << "rgba(" << c.red() << "," << c.green() << "," << c.blue() << "," << c.alpha() << ")";
}

namespace ui_test {

// The one QApplication of the test run, made on first use, offscreen unless
// the environment names another platform.
inline QApplication& App() {
    static int argc = 1;
    static char name[] = "klev_ui_tests";
    static char* argv[] = {name, nullptr};
    if (!std::getenv("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // Never destroyed: a QApplication torn down among the static objects at
    // exit outlives parts of Qt it needs.
    static QApplication* app = [] {
        auto* made = new QApplication(argc, argv);
        // The player's settings of a test run go to a folder of its own.
        const QString settings =
            QDir::temp().filePath(QString("klev_ui_tests_settings_%1").arg(QCoreApplication::applicationPid()));
        QDir(settings).removeRecursively();
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings);
        return made;
    }();
    return *app;
}

// One event as the form received it.
struct Sent {
    forms::Event event;
    std::string control;
    forms::EventArgs args;
};

// Passes events on to the form, as the game host does, and remembers them.
class Recorder : public ui::FormEvents {
public:
    bool deliver(forms::Form& form, forms::Event event, const std::string& control,
                 const forms::EventArgs& args) override {
        sent.push_back({event, control, args});
        form.dispatch(event, control, args);
        if (afterEach) afterEach();
        return goOn;
    }
    void closeRequested(forms::Form& form) override {
        ++closes;
        form.QueryClose();
    }
    // The events of one kind, in order.
    std::vector<Sent> of(forms::Event event) const {
        std::vector<Sent> out;
        for (const Sent& s : sent)
            if (s.event == event) out.push_back(s);
        return out;
    }
    std::vector<Sent> sent;
    std::function<void()> afterEach;  // as the host syncs the windows
    int closes = 0;
    bool goOn = true;
};

// A picture of w x h pixels, every pixel the colour 0xRRGGBB with alpha a.
inline forms::Bitmap SolidPicture(const std::string& name, int w, int h, unsigned rgb, unsigned char a = 255) {
    auto image = std::make_shared<forms::Image>();
    image->width = w;
    image->height = h;
    for (int i = 0; i < w * h; ++i) image->pixels.push_back(forms::PixelOf(rgb >> 16 & 0xFF, rgb >> 8 & 0xFF, rgb & 0xFF, a));
    return forms::Bitmap{name, image};
}

// The colour of one pixel of a widget as it paints itself (logical pixels).
inline QColor PixelAt(QWidget& widget, int x, int y) {
    const QImage shot = widget.grab().toImage();
    const qreal dpr = shot.devicePixelRatio();
    return shot.pixelColor(int(x * dpr), int(y * dpr));
}

}  // namespace ui_test
