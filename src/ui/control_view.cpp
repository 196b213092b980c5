#include "ui/control_view.h"

#include <QComboBox>
#include <QCursor>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "ui/form_window.h"
#include "ui/picture_cache.h"

namespace ui {

using forms::Kind;
using forms::ShapeKind;

namespace {

QRect GeometryOf(const forms::Control& c) {
    const int left = PixelsOf(c.Left), top = PixelsOf(c.Top);
    // Edges are rounded, not sizes, so that controls laid edge to edge stay so.
    const int right = PixelsOf(c.Left + std::max(0.0f, c.Width));
    const int bottom = PixelsOf(c.Top + std::max(0.0f, c.Height));
    return QRect(left, top, std::max(0, right - left), std::max(0, bottom - top));
}

QString Text(const std::string& s) { return QString::fromStdString(s); }

QStringList Items(const std::vector<std::string>& list) {
    QStringList out;
    out.reserve(qsizetype(list.size()));
    for (const std::string& s : list) out << Text(s);
    return out;
}

constexpr QColor kDisabledText{128, 128, 128};

}  // namespace

int PixelsOf(float twips) {
    const double px = std::clamp(double(twips) / forms::TwipsPerPixel, -1.0e6, 1.0e6);
    return int(std::lround(px));
}

ControlView::Look ControlView::Look::of(const forms::Control& c) {
    Look l;
    l.caption = c.Caption;
    l.text = c.Text;
    l.visible = c.Visible;
    l.enabled = c.Enabled;
    l.bold = c.FontBold;
    l.fontSize = c.FontSize;
    l.geometry = GeometryOf(c);
    l.fore = c.ForeColor;
    l.back = c.BackColor;
    l.transparent = c.BackTransparent;
    l.centered = c.Centered;
    l.shape = c.Shape;
    l.fill = c.FillColor;
    l.border = c.BorderColor;
    l.filled = c.Filled;
    l.stretch = c.Stretch;
    l.list = c.List;
    l.listIndex = c.ListIndex;
    l.image = c.picture().image;
    l.mouseIcon = c.MouseIcon.image;
    return l;
}

bool ControlView::Look::sameAs(const forms::Control& c) const {
    return caption == c.Caption && text == c.Text && visible == c.Visible && enabled == c.Enabled &&
           bold == c.FontBold && fontSize == c.FontSize && geometry == GeometryOf(c) && fore == c.ForeColor &&
           back == c.BackColor && transparent == c.BackTransparent && centered == c.Centered && shape == c.Shape &&
           fill == c.FillColor && border == c.BorderColor && filled == c.Filled && stretch == c.Stretch &&
           listIndex == c.ListIndex && image == c.picture().image && list == c.List &&
           mouseIcon == c.MouseIcon.image;
}

ControlView::ControlView(forms::Control& control, FormWindow& window, QWidget* parent)
    : QWidget(parent),
      control_(&control),
      window_(window),
      kind_(control.kind()),
      name_(control.name()),
      index_(control.index()) {
    setObjectName(Text(control.fullName()));
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
    // Shapes take no mouse input: the pointer reaches what lies under them.
    if (kind_ == Kind::Shape) setAttribute(Qt::WA_TransparentForMouseEvents);
    createNative();
}

ControlView::~ControlView() = default;

bool ControlView::matches(const forms::Control& control) const {
    return control.kind() == kind_ && control.name() == name_ && control.index() == index_;
}

void ControlView::detach() {
    control_ = nullptr;
    hide();
}

void ControlView::moveTo(QWidget* parent) {
    setParent(parent);
    // A widget given a new parent is hidden until shown again.
    setVisible(synced_ && look_.visible);
}

void ControlView::createNative() {
    auto track = [this](QWidget* w) {
        w->setMouseTracking(true);
        w->installEventFilter(this);
    };
    if (kind_ == Kind::ListBox) {
        list_ = new QListWidget(this);
        list_->setFocusPolicy(Qt::NoFocus);
        list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        list_->setSelectionMode(QAbstractItemView::SingleSelection);
        track(list_);
        track(list_->viewport());
    } else if (kind_ == Kind::ComboBox) {
        combo_ = new QComboBox(this);
        combo_->setEditable(true);
        combo_->setInsertPolicy(QComboBox::NoInsert);
        combo_->setFocusPolicy(Qt::ClickFocus);
        track(combo_);
        track(combo_->lineEdit());
        connect(combo_, &QComboBox::editTextChanged, this, [this](const QString& text) {
            if (updating_ || !control_) return;
            control_->Text = text.toStdString();
            control_->ListIndex = -1;
        });
        connect(combo_, &QComboBox::activated, this, [this](int index) {
            if (updating_ || !control_) return;
            control_->ListIndex = index;
            control_->Text = combo_->itemText(index).toStdString();
            send(forms::Event::Click, QPointF(width() / 2.0, height() / 2.0));
        });
    } else if (kind_ == Kind::TextBox) {
        edit_ = new QLineEdit(this);
        edit_->setFocusPolicy(Qt::StrongFocus);
        track(edit_);
        connect(edit_, &QLineEdit::textEdited, this, [this](const QString& text) {
            if (control_) control_->Text = text.toStdString();
        });
    }
}

void ControlView::sync() {
    if (!control_) return;
    const forms::Control& c = *control_;
    const FormWindow::Adjust& adjust = window_.adjust();
    if (synced_ && !adjust && look_.sameAs(c)) return;
    Look next = Look::of(c);
    if (adjust) {
        adjust(c, {next.caption, next.geometry, next.image});
        if (synced_ && next == look_) return;
    }
    const Look before = std::move(look_);
    look_ = std::move(next);
    const bool first = !synced_;
    synced_ = true;
    if (first || before.geometry != look_.geometry) setGeometry(placed(look_.geometry));
    if (first || before.enabled != look_.enabled)
        setAttribute(Qt::WA_TransparentForMouseEvents, kind_ == Kind::Shape || !look_.enabled);
    if (first || before.image != look_.image || before.geometry.size() != look_.geometry.size())
        scaled_ = QPixmap();
    // A picture about to be shown starts decoding now, beside the others.
    if (look_.image && look_.visible && window_.form().Visible && (first || before.image != look_.image))
        window_.pictures().prefetch(forms::Bitmap{{}, look_.image});
    applyNative(before, first);
    if (first || before.mouseIcon != look_.mouseIcon) {
        // A custom pointer points with its centre.
        const QPixmap icon = look_.mouseIcon ? window_.pictures().pixmap(forms::Bitmap{{}, look_.mouseIcon}) : QPixmap();
        if (icon.isNull()) unsetCursor();
        else setCursor(QCursor(icon));
    }
    if (first || before.visible != look_.visible) setVisible(look_.visible);
    update();
}

QRect ControlView::placed(QRect g) const {
    // A list box opened at the mouse (the inventory's pick list) is drawn
    // whole inside its window; its own Left and Top stay what the game set.
    if (kind_ != forms::Kind::ListBox || !parentWidget()) return g;
    const QSize room = parentWidget()->size();
    g.moveLeft(std::max(0, std::min(g.left(), room.width() - g.width())));
    g.moveTop(std::max(0, std::min(g.top(), room.height() - g.height())));
    return g;
}

QFont ControlView::fontOf() const {
    QFont f = font();
    // Font sizes are points of a 96-dpi screen, where a point is 4/3 pixel.
    f.setPixelSize(std::max(1, int(std::lround(look_.fontSize * 4.0 / 3.0))));
    f.setBold(look_.bold);
    return f;
}

void ControlView::applyPalette() {
    QWidget* w = list_ ? static_cast<QWidget*>(list_) : combo_ ? static_cast<QWidget*>(combo_) : edit_;
    QPalette pal = w->palette();
    pal.setColor(QPalette::Base, ColorOf(look_.back));
    pal.setColor(QPalette::Text, ColorOf(look_.fore));
    w->setPalette(pal);
    w->setFont(fontOf());
}

void ControlView::applyNative(const Look& before, bool first) {
    if (!list_ && !combo_ && !edit_) return;
    updating_ = true;
    QWidget* w = list_ ? static_cast<QWidget*>(list_) : combo_ ? static_cast<QWidget*>(combo_) : edit_;
    if (first || before.geometry.size() != look_.geometry.size()) w->setGeometry(rect());
    if (first || before.fore != look_.fore || before.back != look_.back || before.bold != look_.bold ||
        before.fontSize != look_.fontSize)
        applyPalette();
    if (first || before.enabled != look_.enabled) w->setEnabled(look_.enabled);
    const bool listChanged = first || before.list != look_.list;
    if (list_) {
        if (listChanged) {
            list_->clear();
            list_->addItems(Items(look_.list));
        }
        if (listChanged || before.listIndex != look_.listIndex) {
            const int row = look_.listIndex;
            if (row >= 0 && row < list_->count()) {
                list_->setCurrentRow(row);
                list_->scrollToItem(list_->item(row));
            } else {
                list_->setCurrentRow(-1);
                list_->clearSelection();
            }
        }
    }
    if (combo_) {
        if (listChanged) {
            combo_->clear();
            combo_->addItems(Items(look_.list));
        }
        if (listChanged || before.listIndex != look_.listIndex)
            combo_->setCurrentIndex(look_.listIndex < combo_->count() ? look_.listIndex : -1);
        if (combo_->currentText() != Text(look_.text)) combo_->setEditText(Text(look_.text));
    }
    if (edit_ && edit_->text() != Text(look_.text)) edit_->setText(Text(look_.text));
    updating_ = false;
}

void ControlView::send(forms::Event event, QPointF at) {
    // A view whose control was unloaded under the pointer sends nothing more.
    if (!control_) return;
    forms::EventArgs args;
    args.index = index_;
    args.x = float(at.x() * forms::TwipsPerPixel);
    args.y = float(at.y() * forms::TwipsPerPixel);
    window_.send(event, name_, args);
}

void ControlView::mousePressEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() != Qt::LeftButton) return;
    afterDoubleClick_ = false;
    send(forms::Event::MouseDown, event->position());
}

void ControlView::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() != Qt::LeftButton) return;
    // The release that ends a double click makes no second click.
    if (std::exchange(afterDoubleClick_, false)) return;
    if (rect().contains(event->position().toPoint())) send(forms::Event::Click, event->position());
}

void ControlView::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() != Qt::LeftButton) return;
    afterDoubleClick_ = true;
    send(forms::Event::DblClick, event->position());
}

void ControlView::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    send(forms::Event::MouseMove, event->position());
}

// Keys typed into a text box or list stay there; they are not the form's.
void ControlView::keyPressEvent(QKeyEvent* event) { event->accept(); }
void ControlView::keyReleaseEvent(QKeyEvent* event) { event->accept(); }

void ControlView::listPressed(QPoint at) {
    QListWidgetItem* item = list_->itemAt(at);
    if (!item || !control_) return;
    const int row = list_->row(item);
    control_->ListIndex = row;
    updating_ = true;
    list_->setCurrentRow(row);
    updating_ = false;
    look_.listIndex = row;
    send(forms::Event::Click, list_->viewport()->mapTo(this, QPointF(at)));
}

bool ControlView::eventFilter(QObject* watched, QEvent* event) {
    auto* widget = qobject_cast<QWidget*>(watched);
    const auto type = event->type();
    if (!widget || (type != QEvent::MouseMove && type != QEvent::MouseButtonPress &&
                    type != QEvent::MouseButtonRelease && type != QEvent::MouseButtonDblClick))
        return QWidget::eventFilter(watched, event);
    auto* mouse = static_cast<QMouseEvent*>(event);
    const QPointF at = widget->mapTo(this, mouse->position());
    const bool left = mouse->button() == Qt::LeftButton;
    const bool listArea = list_ && watched == list_->viewport();
    switch (type) {
    case QEvent::MouseMove:
        send(forms::Event::MouseMove, at);
        return false;
    case QEvent::MouseButtonPress:
        // A press on an entry selects it and clicks, as the desktop list does.
        if (listArea) {
            if (left) listPressed(mouse->position().toPoint());
            return true;
        }
        if (left) send(forms::Event::MouseDown, at);
        return false;
    case QEvent::MouseButtonDblClick:
        if (listArea) {
            if (left && list_->itemAt(mouse->position().toPoint())) send(forms::Event::DblClick, at);
            return true;
        }
        if (left) send(forms::Event::DblClick, at);
        return false;
    default:  // release
        if (listArea) return true;
        if (left && edit_ && watched == edit_) send(forms::Event::Click, at);
        return false;
    }
}

}  // namespace ui
