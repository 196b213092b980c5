// How a control view paints itself: labels, pictures, shapes and frames,
// from the values the view last took from its control.

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "ui/control_view.h"
#include "ui/form_window.h"
#include "ui/picture_cache.h"

namespace ui {

using forms::Kind;
using forms::ShapeKind;

namespace {

QString Text(const std::string& s) { return QString::fromStdString(s); }

constexpr QColor kDisabledText{128, 128, 128};

}  // namespace

QRect ControlView::pictureRect() const {
    if (!look_.image) return {};
    if (kind_ == Kind::Image && look_.stretch) return rect();
    return QRect(0, 0, look_.image->width, look_.image->height);
}

void ControlView::paintEvent(QPaintEvent*) {
    if (list_ || combo_ || edit_) return;
    QPainter p(this);
    switch (kind_) {
    case Kind::Label: paintLabel(p); break;
    case Kind::Image: paintPicture(p, look_.stretch); break;
    case Kind::PictureBox:
        p.fillRect(rect(), ColorOf(look_.back));
        paintPicture(p, false);
        break;
    case Kind::Shape: paintShape(p); break;
    case Kind::Frame: paintFrame(p); break;
    default: break;
    }
}

void ControlView::paintLabel(QPainter& p) {
    if (!look_.transparent) p.fillRect(rect(), ColorOf(look_.back));
    if (look_.caption.empty()) return;
    p.setFont(fontOf());
    p.setPen(look_.enabled ? ColorOf(look_.fore) : kDisabledText);
    const int align = Qt::AlignTop | (look_.centered ? Qt::AlignHCenter : Qt::AlignLeft);
    p.drawText(rect(), align | Qt::TextWordWrap, Text(look_.caption));
}

void ControlView::paintPicture(QPainter& p, bool stretch) {
    if (!look_.image) return;
    forms::Bitmap picture{{}, look_.image};
    if (!stretch) {
        p.drawPixmap(QPoint(0, 0), window_.pictures().pixmap(picture));
        return;
    }
    const qreal dpr = devicePixelRatioF();
    if (scaled_.isNull() || scaled_.devicePixelRatio() != dpr)
        scaled_ = window_.pictures().scaled(picture, size(), dpr);
    p.drawPixmap(QPoint(0, 0), scaled_);
}

void ControlView::paintShape(QPainter& p) {
    const QColor border = ColorOf(look_.border);
    QRect r = rect();
    if (look_.shape == ShapeKind::Square || look_.shape == ShapeKind::Circle) {
        const int side = std::min(r.width(), r.height());
        r = QRect(r.x() + (r.width() - side) / 2, r.y() + (r.height() - side) / 2, side, side);
    }
    // A shape a pixel or two across is all border.
    if (r.width() <= 2 || r.height() <= 2) {
        p.fillRect(r, border);
        return;
    }
    p.setPen(QPen(border, 1));
    p.setBrush(look_.filled ? QBrush(ColorOf(look_.fill)) : Qt::NoBrush);
    const QRect inner = r.adjusted(0, 0, -1, -1);
    if (look_.shape == ShapeKind::Oval || look_.shape == ShapeKind::Circle) {
        p.setRenderHint(QPainter::Antialiasing);
        p.drawEllipse(QRectF(inner).adjusted(0.5, 0.5, -0.5, -0.5));
    } else {
        p.drawRect(inner);
    }
}

void ControlView::paintFrame(QPainter& p) {
    if (!look_.transparent) p.fillRect(rect(), ColorOf(look_.back));
    p.setFont(fontOf());
    const QFontMetrics fm(p.font());
    const bool titled = !look_.caption.empty();
    const int top = titled ? fm.height() / 2 : 0;
    const QRect box = rect().adjusted(0, top, -2, -2);
    p.setPen(QColor(128, 128, 128));
    p.drawRect(box);
    p.setPen(QColor(255, 255, 255));
    p.drawRect(box.translated(1, 1));
    if (!titled) return;
    const QString caption = Text(look_.caption);
    const QRect title(8, 0, fm.horizontalAdvance(caption) + 4, fm.height());
    if (!look_.transparent) p.fillRect(title, ColorOf(look_.back));
    p.setPen(look_.enabled ? ColorOf(look_.fore) : kDisabledText);
    p.drawText(title, Qt::AlignCenter, caption);
}

}  // namespace ui
