#pragma once
// What the fishing scene shows beyond its controls: the line from the rod tip
// to the float or lure while the tackle is in the water, a float picture that
// reads on any water (its nibbles and bites drawn larger than the model moves
// the float), and short cues when a fish leaves the bait, a strike misses, a
// fish gets off or is landed. It reads the game after every update and never
// writes to it: no rule, timer or random draw depends on it.

#include <QElapsedTimer>
#include <QImage>
#include <QPixmap>
#include <QPointF>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <cstddef>
#include <vector>

namespace klev {
class Game;
}
namespace forms {
struct Image;
}

namespace ui {

class FormWindow;

class SceneOverlay : public QWidget {
    Q_OBJECT
public:
    // Lies over the scene's water picture in `window` (the SceneForm's window).
    SceneOverlay(FormWindow& window, const klev::Game& game);

    // Reads the game after an update: where things are, and what happened
    // since the last look (which starts a cue).
    void follow();

    // What the next paint draws, in the window's pixels.
    bool drawsLine() const { return line_; }
    QPointF rodTip() const { return tip_; }
    QPointF tackle() const { return tackle_; }
    bool drawsFloat() const { return float_; }
    // Cues still running, newest last.
    struct Cue {
        QString text;  // empty: rings only
        QPointF at;
        QColor colour;
        qint64 born = 0;
        int life = 0;  // ms
        bool rings = false;
    };
    const std::vector<Cue>& cues() const { return cues_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Seen {
        bool fishAtBait = false, biteActive = false, hooked = false, strike = false, casting = false;
        bool strikeWithFish = false;
        std::size_t caught = 0;
        long tackleY = 0;
        float tension = 0;
        bool valid = false;
    };
    void cue(const QString& text, QPointF at, QColor colour, int life, bool rings);
    QPointF tipOf(const forms::Image* picture, QPointF origin, QSize size);

    FormWindow& window_;
    const klev::Game& game_;
    QElapsedTimer clock_;
    QTimer frames_;
    Seen seen_;
    bool line_ = false, float_ = false, lure_ = false;
    bool under_ = false;  // the float is pulled under: rings where it was
    QPointF tip_, tackle_;
    double lift_ = 0;  // how far the float is drawn above its model position (px)
    std::vector<Cue> cues_;
    const forms::Image* tipPicture_ = nullptr;
    QPointF tipInPicture_;
    QPixmap floatPicture_;
};

}  // namespace ui
