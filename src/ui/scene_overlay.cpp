#include "ui/scene_overlay.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <string_view>

#include "forms/form.h"
#include "shell/embedded_pictures.h"
#include "shell/game.h"
#include "ui/form_window.h"
#include "ui/picture_cache.h"

namespace ui {

namespace {

constexpr double Px = forms::TwipsPerPixel;
// The water picture of the scene: the window's top 640 x 380 pixels.
constexpr int WaterWidth = 640, WaterHeight = 380;
// The model moves the float by a pixel or two; drawn like that nobody sees a
// nibble. The drawing multiplies the float's vertical moves by this.
constexpr double BobScale = 3.0;
// A rising bite lengthens the float's body a twip a tick; drawn, it lifts.
constexpr double RiseScale = 4.0;

QPixmap EmbeddedPixmap(std::string_view name) {
    QPixmap out;
    for (const klev::EmbeddedPicture& p : klev::EmbeddedPictures())
        if (name == p.name) out.loadFromData(p.begin, unsigned(p.end - p.begin), "PNG");
    return out;
}

QPointF At(const forms::Control& c) { return {c.Left / Px, c.Top / Px}; }

}  // namespace

SceneOverlay::SceneOverlay(FormWindow& window, const klev::Game& game)
    : QWidget(&window), window_(window), game_(game) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(0, 0, WaterWidth, WaterHeight);
    clock_.start();
    // Cues fade by real time; the timer runs only while one is on screen.
    frames_.setInterval(33);
    connect(&frames_, &QTimer::timeout, this, [this] {
        const qint64 now = clock_.elapsed();
        std::erase_if(cues_, [now](const Cue& c) { return now - c.born > c.life; });
        if (cues_.empty() && !under_) frames_.stop();
        update();
    });
}

void SceneOverlay::cue(const QString& text, QPointF at, QColor colour, int life, bool rings) {
    cues_.push_back({text, at, colour, clock_.elapsed(), life, rings});
    if (!frames_.isActive()) frames_.start();
}

QPointF SceneOverlay::tipOf(const forms::Image* picture, QPointF origin, QSize size) {
    if (picture != tipPicture_) {
        tipPicture_ = picture;
        tipInPicture_ = QPointF(size.width() * 0.3, 0);
        const QImage image = window_.pictures().pixmap(window_.form().find("Speening")->picture()).toImage();
        // The tip is the rod's point farthest from the butt, which every rod
        // frame holds near its bottom right corner.
        const QPointF butt(image.width() * 0.89, image.height());
        double best = -1;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                if (qAlpha(image.pixel(x, y)) < 160) continue;
                const double d = std::hypot(x - butt.x(), y - butt.y());
                if (d > best) {
                    best = d;
                    tipInPicture_ = QPointF(x + 0.5, y + 0.5);
                }
            }
    }
    return origin + tipInPicture_;
}

void SceneOverlay::follow() {
    forms::Form& form = window_.form();
    forms::Control* rod = form.find("Speening");
    forms::Control* sled = form.find("SLED");
    forms::Control* body = form.find("popl", 0);
    forms::Control* tension = form.find("HerboLine");
    if (!rod || !sled || !body || !tension) return;
    const klev::FishingState& f = game_.fishing;
    const bool floatRig = game_.save.RigMode == klev::Rig::Float;

    // Where the tackle is and how it is drawn.
    const bool inWater = form.Visible && sled->Visible && !f.CastAnimating;
    line_ = inWater && rod->Visible && !rod->picture().empty();
    float_ = inWater && body->Visible;
    lure_ = inWater && !floatRig;
    under_ = inWater && floatRig && f.BiteActive && f.BiteKind == klev::BiteType::Under && !f.Hooked;
    lift_ = 0;
    if (float_ && !f.Hooked) {
        // The float rests on the cast line; the bobs of a nibble or a bite move
        // it away from there.
        lift_ = -double(f.TackleY - game_.place.CastLineY) / Px * (BobScale - 1);
        lift_ += std::max(0.0, double(body->Height) - 15) / Px * RiseScale;
    }
    tackle_ = float_ ? At(*body) + QPointF(0.5, -lift_) : At(*sled) + QPointF(0.5, 0.5);
    if (line_) {
        const QSize size(int(std::lround(rod->Width / Px)), int(std::lround(rod->Height / Px)));
        tip_ = tipOf(rod->picture().image.get(), At(*rod), size);
    }

    noticeEvents(*body, tension->Width);
    if (under_ && !frames_.isActive()) frames_.start();

    raise();  // above views made since
    setVisible(form.Visible);
    update();
}

void SceneOverlay::noticeEvents(const forms::Control& body, float tension) {
    const klev::FishingState& f = game_.fishing;
    // What happened since the last look.
    const std::size_t caught = game_.save.CaughtFish.size();
    if (seen_.valid) {
        const QPointF here = tackle_;
        if (caught > seen_.caught) {
            cue(QString::fromUtf8("Есть!"), here, QColor(120, 255, 120), 1600, true);
        } else if (seen_.hooked && !f.Hooked && !f.CastAnimating) {
            const std::string& info = game_.messages.InfoText;
            const bool broke = info == "Леска порвалась!" || info == "Спининг сломан!";
            QString why = QString::fromUtf8("Сошла!");
            if (broke) why.clear();  // the info line says what broke
            else if (seen_.tension >= 2300) why = QString::fromUtf8("Перетянул! Сошла");
            else if (seen_.tension <= 1100) why = QString::fromUtf8("Слабина! Сошла");
            cue(why, here, QColor(255, 150, 110), 1600, true);
        } else if (seen_.strike && !f.StrikeAnimating && !f.Hooked && (seen_.strikeWithFish || seen_.fishAtBait)) {
            cue(QString::fromUtf8("Мимо!"), here, QColor(255, 230, 120), 1300, false);
        } else if (seen_.biteActive && !f.BiteActive && !f.Hooked && !f.HookSet && !f.StrikeAnimating) {
            cue(QString::fromUtf8("Прозевал поклёвку"), here, QColor(255, 230, 120), 1400, true);
        } else if (seen_.fishAtBait && !f.FishAtBait && !seen_.biteActive && !f.Hooked && !f.CastAnimating &&
                   !seen_.casting) {
            cue(QString::fromUtf8("Рыба ушла"), here, QColor(200, 220, 255), 1400, false);
        } else if (float_ && f.FishAtBait && !f.Hooked && f.TackleY != seen_.tackleY) {
            // A nibble or a bite moved the float: a small ring on the water.
            cue(QString(), At(body) + QPointF(0.5, 0), QColor(255, 255, 255), f.BiteActive ? 350 : 700, true);
        }
    }
    seen_.valid = true;
    seen_.caught = caught;
    seen_.strikeWithFish = f.StrikeAnimating && (seen_.strikeWithFish || f.FishAtBait || f.BiteActive);
    seen_.fishAtBait = f.FishAtBait;
    seen_.biteActive = f.BiteActive;
    seen_.hooked = f.Hooked;
    seen_.strike = f.StrikeAnimating;
    seen_.casting = f.CastAnimating;
    seen_.tackleY = f.TackleY;
    seen_.tension = tension;
}

void SceneOverlay::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setClipRect(rect());
    const qint64 now = clock_.elapsed();

    if (line_) {
        // A thin line with a little sag, lighter than the water under it.
        QPainterPath path(tip_);
        const QPointF mid = (tip_ + tackle_) / 2 + QPointF(0, game_.fishing.Hooked ? 2 : 10);
        path.quadTo(mid, tackle_);
        p.setPen(QPen(QColor(20, 20, 20, 110), 2.2));
        p.drawPath(path);
        p.setPen(QPen(QColor(235, 235, 225, 220), 1.0));
        p.drawPath(path);
    }
    // Decoded when first drawn: the overlay is made with the scene's window,
    // at the start, long before anything floats.
    if (float_ && floatPicture_.isNull()) floatPicture_ = EmbeddedPixmap("scene_float");
    if (float_ && !floatPicture_.isNull()) {
        const QPointF top = tackle_ - QPointF(floatPicture_.width() / 2.0, floatPicture_.height() - 3);
        p.drawPixmap(top, floatPicture_);
    }
    if (lure_) {
        p.setPen(QPen(QColor(40, 40, 40), 1));
        p.setBrush(QColor(230, 230, 240));
        p.drawEllipse(tackle_, 3.0, 2.0);
    }
    if (under_) {
        // Pulled under: rings and bubbles where the float went down.
        const double phase = (now % 600) / 600.0;
        p.setBrush(Qt::NoBrush);
        for (int k = 0; k < 2; ++k) {
            const double t = std::fmod(phase + k * 0.5, 1.0);
            p.setPen(QPen(QColor(255, 255, 255, int(200 * (1 - t))), 1.5));
            p.drawEllipse(tackle_, 4 + 16 * t, 1.5 + 5 * t);
        }
    }
    for (const Cue& c : cues_) paintCue(p, c, now);
}

void SceneOverlay::paintCue(QPainter& p, const Cue& c, qint64 now) {
    {
        const double t = std::clamp(double(now - c.born) / c.life, 0.0, 1.0);
        if (c.rings) {
            p.setBrush(Qt::NoBrush);
            for (int k = 0; k < 2; ++k) {
                const double r = std::max(0.0, t - k * 0.2);
                QColor ring = c.text.isEmpty() ? QColor(255, 255, 255) : c.colour;
                ring.setAlphaF(0.8 * (1 - t));
                p.setPen(QPen(ring, 1.5));
                p.drawEllipse(c.at, 4 + 24 * r, 1.5 + 8 * r);
            }
        }
        if (!c.text.isEmpty()) {
            QFont font = p.font();
            font.setPixelSize(18);
            font.setBold(true);
            p.setFont(font);
            const QPointF at = c.at - QPointF(0, 28 + 24 * t);
            const QRectF box(at.x() - 160, at.y() - 14, 320, 28);
            QColor shadow(0, 0, 0, int(180 * (1 - t)));
            QColor ink = c.colour;
            ink.setAlphaF(1 - t * t);
            p.setPen(shadow);
            p.drawText(box.translated(1.5, 1.5), Qt::AlignCenter, c.text);
            p.setPen(ink);
            p.drawText(box, Qt::AlignCenter, c.text);
        }
    }
}

}  // namespace ui
