#include "ui/form_window.h"

#include <QCloseEvent>
#include <QGraphicsProxyWidget>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <unordered_set>

#include "ui/control_view.h"
#include "ui/key_codes.h"
#include "ui/picture_cache.h"

namespace ui {

FormWindow::FormWindow(forms::Form& form, FormEvents& events, PictureCache& pictures)
    : QWidget(nullptr), form_(form), events_(events), pictures_(pictures) {
    setObjectName(QString::fromStdString(form.name()));
    setAttribute(Qt::WA_QuitOnClose, false);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
}

FormWindow::~FormWindow() = default;

bool FormWindow::sync() {
    if (!form_.Visible) {
        shown_ = false;
        if (isVisible()) {
            hide();
            // A splash cut short never shows its pictures: not worth decoding.
            pictures_.cancelPrefetch(background_);
            for (const ControlView* v : views_) pictures_.cancelPrefetch(v->shownImage());
        }
        return false;
    }
    syncFrame();
    syncViews();
    // Embedded on the stage, a window may count as visible before it was
    // ever shown: what counts is whether it was shown since its form showed.
    if (std::exchange(shown_, true) && isVisible()) return false;
    if (!placed_) placeOnScreen();
    show();
    // Keys go to the form unless a text box or combo box holds the focus.
    if (!focusWidget()) setFocus();
    return true;
}

void FormWindow::syncFrame() {
    if (!placed_ || form_.Caption != caption_) {
        caption_ = form_.Caption;
        setWindowTitle(QString::fromStdString(caption_));
    }
    const QSize size(PixelsOf(form_.Width), PixelsOf(form_.Height));
    if (size != size_) {
        size_ = size;
        setFixedSize(size.expandedTo(QSize(1, 1)));
    }
    if (form_.BackColor != backColor_ || form_.Picture.image != background_) {
        backColor_ = form_.BackColor;
        background_ = form_.Picture.image;
        if (background_ && form_.Visible) pictures_.prefetch(forms::Bitmap{{}, background_});
        update();
    }
}

void FormWindow::placeOnScreen() {
    placed_ = true;
    // On the stage the stage places the form.
    if (graphicsProxyWidget()) return;
    // A window without a caption is a splash or a picture: no title bar.
    if (form_.Caption.empty()) setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - QPoint(width() / 2, height() / 2));
    }
}

void FormWindow::syncViews() {
    if (!built_ || generation_ != form_.layoutGeneration()) rebuildViews();
    for (ControlView* v : views_) v->sync();
}

void FormWindow::retireAll() {
    for (ControlView* v : views_) {
        v->detach();
        v->deleteLater();
    }
    views_.clear();
    byControl_.clear();
}

void FormWindow::rebuildViews() {
    built_ = true;
    generation_ = form_.layoutGeneration();
    const auto& controls = form_.controls();
    const std::unordered_set<const forms::Control*> present(controls.begin(), controls.end());
    // Views whose control was unloaded go; a view of a container takes its
    // children with it, so then every view is made afresh.
    std::vector<ControlView*> kept;
    bool containerGone = false;
    for (ControlView* v : views_) {
        const forms::Control* c = v->control();
        if (c && present.count(c) && v->matches(*c)) {
            kept.push_back(v);
            continue;
        }
        if (v->kind() == forms::Kind::Frame || v->kind() == forms::Kind::PictureBox) containerGone = true;
        byControl_.erase(c);
        v->detach();
        v->deleteLater();
    }
    views_ = std::move(kept);
    if (containerGone) retireAll();

    bool moved = false;
    std::vector<ControlView*> ordered;
    ordered.reserve(controls.size());
    for (forms::Control* c : controls) {
        auto it = byControl_.find(c);
        if (it == byControl_.end()) {
            it = byControl_.emplace(c, new ControlView(*c, *this, this)).first;
            moved = true;
        }
        ordered.push_back(it->second);
    }
    views_ = std::move(ordered);
    // Children go into the views of their frames and picture boxes, whatever
    // the order in which the form made them.
    for (ControlView* v : views_) {
        QWidget* parent = this;
        if (const forms::Control* holder = v->control()->container)
            if (auto h = byControl_.find(holder); h != byControl_.end()) parent = h->second;
        if (v->parentWidget() != parent) {
            v->moveTo(parent);
            moved = true;
        }
    }
    // New views go on top of their siblings; put every view back in its place.
    if (moved)
        for (ControlView* v : views_) v->raise();
}

ControlView* FormWindow::view(const std::string& fullName) const {
    const QString name = QString::fromStdString(fullName);
    for (ControlView* v : views_)
        if (v->objectName() == name) return v;
    return nullptr;
}

bool FormWindow::send(forms::Event event, const std::string& control, const forms::EventArgs& args) {
    return events_.deliver(form_, event, control, args);
}

bool FormWindow::sendBackground(forms::Event event, QPointF at) {
    forms::EventArgs args;
    args.x = float(at.x() * forms::TwipsPerPixel);
    args.y = float(at.y() * forms::TwipsPerPixel);
    return send(event, "", args);
}

void FormWindow::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), ColorOf(backColor_ < 0 ? form_.BackColor : backColor_));
    if (background_) p.drawPixmap(QPoint(0, 0), pictures_.pixmap(forms::Bitmap{{}, background_}));
}

void FormWindow::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    afterDoubleClick_ = false;
    sendBackground(forms::Event::MouseDown, event->position());
}

void FormWindow::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    if (std::exchange(afterDoubleClick_, false)) return;
    if (rect().contains(event->position().toPoint())) sendBackground(forms::Event::Click, event->position());
}

void FormWindow::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    afterDoubleClick_ = true;
    sendBackground(forms::Event::DblClick, event->position());
}

void FormWindow::mouseMoveEvent(QMouseEvent* event) {
    sendBackground(forms::Event::MouseMove, event->position());
}

bool FormWindow::takeFrontKey(const QKeyEvent& event, bool press) {
    if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier)) return false;
    const int vk = VirtualKeyOf(event);
    for (const auto& [key, action] : frontKeys_) {
        if (key != vk) continue;
        if (press && !event.isAutoRepeat() && action) action();
        return true;
    }
    return false;
}

void FormWindow::keyPressEvent(QKeyEvent* event) {
    event->accept();
    if (takeFrontKey(*event, true)) return;
    forms::EventArgs args;
    // A key goes down (again, while it is held), then types its character.
    if (const int vk = VirtualKeyOf(*event)) {
        args.code = vk;
        if (!send(forms::Event::KeyDown, "", args)) return;
    }
    if (int code = CharCodeOf(*event); code >= 0) {
        if (keysByPosition_) code = PositionalCharCode(VirtualKeyOf(*event), code);
        args.code = code;
        if (!send(forms::Event::KeyPress, "", args)) return;
    }
    if (event->isAutoRepeat() || event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) return;
    const int vk = VirtualKeyOf(*event);
    for (const auto& [key, control] : shortcuts_) {
        if (key != vk) continue;
        // The control is clicked only where the mouse could click it.
        const forms::Control* c = form_.find(control);
        if (c && c->Visible && c->Enabled && form_.Visible) send(forms::Event::Click, control, {});
    }
}

void FormWindow::keyReleaseEvent(QKeyEvent* event) {
    event->accept();
    // A held key repeats key downs only; it goes up once, when let go.
    if (event->isAutoRepeat() || takeFrontKey(*event, false)) return;
    if (const int vk = VirtualKeyOf(*event)) {
        forms::EventArgs args;
        args.code = vk;
        send(forms::Event::KeyUp, "", args);
    }
}

void FormWindow::closeEvent(QCloseEvent* event) {
    // The game decides whether the window goes.
    event->ignore();
    events_.closeRequested(form_);
}

}  // namespace ui
