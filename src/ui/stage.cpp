#include "ui/stage.h"

#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QPalette>
#include <QScreen>
#include <algorithm>

#include "ui/form_window.h"

namespace ui {

namespace {

// A window's proxy on the stage. A graphics widget repaints itself whole
// whenever the game's window gains or loses the keys, and nothing the game
// draws depends on that. Under X the window is activated only after the main
// screen's first paint, and that second paint had to wait for the server to
// finish with the first.
class WindowProxy : public QGraphicsProxyWidget {
public:
    WindowProxy() : QGraphicsProxyWidget(nullptr, Qt::Widget) {}

protected:
    bool event(QEvent* event) override {
        if (event->type() == QEvent::WindowActivate || event->type() == QEvent::WindowDeactivate) return true;
        return QGraphicsProxyWidget::event(event);
    }
};

}  // namespace

Stage::Stage(Settings& settings) : settings_(settings) {
    setObjectName("Stage");
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowTitle("Клевница 2");
    setScene(new QGraphicsScene(this));
    scene()->setSceneRect(QRectF(QPointF(0, 0), size_));
    setBackgroundBrush(Qt::black);
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setAlignment(Qt::AlignCenter);
    // Pictures scale smoothly; text is drawn at the scaled size, so it stays crisp.
    setRenderHints(QPainter::SmoothPixmapTransform | QPainter::TextAntialiasing | QPainter::Antialiasing);
    setMouseTracking(true);
    viewport()->setMouseTracking(true);
    // The game looks the same whether or not its window has the keys (no
    // greyed selection in an inactive window), so activation repaints nothing.
    QPalette same = palette();
    for (int r = 0; r < QPalette::NColorRoles; ++r) {
        const auto role = QPalette::ColorRole(r);
        same.setBrush(QPalette::Inactive, role, same.brush(QPalette::Active, role));
    }
    setPalette(same);
}

Stage::~Stage() {
    // The windows belong to the host: take them out of their proxies first.
    for (const Entry& e : entries_) e.proxy->setWidget(nullptr);
}

void Stage::add(FormWindow& window) {
    // A proxy starts visible and would show the window with it: the window
    // shows when its form does, and the proxy follows it.
    auto* proxy = new WindowProxy;
    proxy->hide();
    // The proxy draws the window and it is never mapped, yet its first
    // showing would make it a native window of its own (under X some 15 ms
    // of round trips a window, and an X window that never appears). Taken as
    // made already, it gets none; one is still made if anything asks for it.
    window.setAttribute(Qt::WA_WState_Created);
    proxy->setWidget(&window);
    scene()->addItem(proxy);
    proxy->setAcceptHoverEvents(true);
    proxy->setZValue(0);
    entries_.push_back({&window, proxy});
}

void Stage::bringToFront(FormWindow& window) {
    for (const Entry& e : entries_) {
        if (e.window != &window) continue;
        e.proxy->setZValue(nextZ_++);
        scene()->setActiveWindow(nullptr);
        e.proxy->setFocus();
        // Keys go to the form unless one of its text boxes holds the focus.
        if (!window.focusWidget()) window.setFocus();
    }
}

FormWindow* Stage::front() const {
    const Entry* best = nullptr;
    for (const Entry& e : entries_)
        if (e.window->isVisible() && (!best || e.proxy->zValue() > best->proxy->zValue())) best = &e;
    return best ? best->window : nullptr;
}

void Stage::refresh() {
    QSize wanted = kMinimumSize;
    for (const Entry& e : entries_)
        if (e.window->isVisible()) wanted = wanted.expandedTo(e.window->size());
    if (wanted != size_) {
        size_ = wanted;
        scene()->setSceneRect(QRectF(QPointF(0, 0), size_));
        fitScale();
    }
    for (const Entry& e : entries_) {
        const QSize s = e.window->size();
        e.proxy->setPos(std::max(0, (size_.width() - s.width()) / 2), std::max(0, (size_.height() - s.height()) / 2));
    }
    FormWindow* top = front();
    const QString caption = top ? top->windowTitle() : QString();
    setWindowTitle(caption.trimmed().isEmpty() ? QString("Клевница 2") : caption);
    if (top && !isVisible()) {
        restoreSize();
        if (settings_.fullScreen) showFullScreen();
        else show();
        activateWindow();
    }
}

qreal Stage::scale() const { return transform().m11(); }

QPoint Stage::toViewport(const QWidget& widget, QPoint at) const {
    for (const Entry& e : entries_) {
        if (&widget != e.window && !e.window->isAncestorOf(&widget)) continue;
        const QPointF inForm = widget.mapTo(e.window, QPointF(at));
        return mapFromScene(e.proxy->mapToScene(inForm));
    }
    return {};
}

void Stage::restoreSize() {
    if (restored_) return;
    restored_ = true;
    if (!settings_.geometry.isEmpty() && restoreGeometry(settings_.geometry)) return;
    // At first, as large a whole-stage window as fits the screen comfortably.
    QSize s = size_;
    qreal factor = Settings::factorOf(settings_.scale);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        if (factor == 0) {
            factor = std::max<qreal>(1, std::min(0.85 * area.width() / s.width(), 0.85 * area.height() / s.height()));
            factor = std::floor(factor * 2) / 2;  // 1, 1.5, 2 ...
        }
        s = (QSizeF(s) * factor).toSize().boundedTo(area.size());
        resize(s);
        move(area.center() - QPoint(s.width() / 2, s.height() / 2));
        return;
    }
    resize((QSizeF(s) * std::max<qreal>(1, factor)).toSize());
}

void Stage::applySettings() {
    fitScale();
    if (isVisible() && settings_.scale != ScaleMode::Fit && !isFullScreen())
        resize((QSizeF(size_) * Settings::factorOf(settings_.scale)).toSize());
}

void Stage::fitScale() {
    qreal factor = Settings::factorOf(settings_.scale);
    if (factor == 0) {
        const QSize area = viewport()->size();
        factor = std::min(qreal(area.width()) / size_.width(), qreal(area.height()) / size_.height());
        if (factor <= 0) factor = 1;
    }
    setTransform(QTransform::fromScale(factor, factor));
}

void Stage::setFullScreen(bool on) {
    if (on == isFullScreen()) return;
    if (on) {
        settings_.geometry = saveGeometry();
        showFullScreen();
    } else {
        showNormal();
        if (!settings_.geometry.isEmpty()) restoreGeometry(settings_.geometry);
    }
    settings_.fullScreen = on;
    settings_.save();
}

void Stage::remember() {
    settings_.fullScreen = isFullScreen();
    if (!isFullScreen() && isVisible()) settings_.geometry = saveGeometry();
    settings_.save();
}

void Stage::resizeEvent(QResizeEvent* event) {
    QGraphicsView::resizeEvent(event);
    fitScale();
}

void Stage::focusInEvent(QFocusEvent* event) {
    withoutFocusRepaint([&] { QGraphicsView::focusInEvent(event); });
}

void Stage::focusOutEvent(QFocusEvent* event) {
    withoutFocusRepaint([&] { QGraphicsView::focusOutEvent(event); });
}

void Stage::withoutFocusRepaint(const std::function<void()>& handle) {
    // Qt repaints a window that takes or loses the keys, for a focus frame,
    // unless it takes no focus; the stage draws none, so it passes for one
    // that takes no focus while the event is handled.
    const Qt::FocusPolicy policy = focusPolicy();
    setFocusPolicy(Qt::NoFocus);
    handle();
    setFocusPolicy(policy);
}

void Stage::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F11 && !event->isAutoRepeat()) {
        toggleFullScreen();
        return;
    }
    if (event->key() == Qt::Key_F2 && !event->isAutoRepeat()) {
        if (openSettings_) openSettings_();
        return;
    }
    QGraphicsView::keyPressEvent(event);
}

void Stage::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    QAction* settings = menu.addAction("Настройки…\tF2");
    QAction* full = menu.addAction("Во весь экран\tF11");
    full->setCheckable(true);
    full->setChecked(isFullScreen());
    QAction* journal = menu.addAction("Журнал рыбака…\tJ");
    QAction* chosen = menu.exec(event->globalPos());
    if (chosen == journal && openJournal_) openJournal_();
    if (chosen == settings && openSettings_) openSettings_();
    if (chosen == full) toggleFullScreen();
}

void Stage::closeEvent(QCloseEvent* event) {
    // The game decides whether it ends.
    event->ignore();
    if (close_) close_();
}

}  // namespace ui
