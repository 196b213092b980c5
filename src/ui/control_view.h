#pragma once
// One control of a form on screen. Labels, images, picture boxes, shapes and
// frames paint themselves; list boxes, combo boxes and text boxes hold the
// matching Qt widget. A view paints only from the values it last took from
// its control, so a repaint never reads a control the game has unloaded.

#include <QWidget>
#include <memory>
#include <string>
#include <vector>

#include "forms/control.h"
#include "forms/form.h"

class QListWidget;
class QComboBox;
class QLineEdit;

namespace ui {

class FormWindow;

// Twips to logical pixels (15 twips a pixel), rounded to the nearest pixel.
int PixelsOf(float twips);

class ControlView : public QWidget {
    Q_OBJECT
public:
    ControlView(forms::Control& control, FormWindow& window, QWidget* parent);
    ~ControlView() override;

    forms::Control* control() const { return control_; }
    forms::Kind kind() const { return kind_; }
    const std::string& controlName() const { return name_; }
    int controlIndex() const { return index_; }
    // Whether `control` is the control this view was made for (same kind,
    // name and array index).
    bool matches(const forms::Control& control) const;
    // The control was unloaded: the view forgets it and goes away.
    void detach();
    // Puts the view into another parent (its container's view or the window).
    void moveTo(QWidget* parent);

    // Brings the view in line with its control; touches Qt only for values
    // that changed since the last sync.
    void sync();

    // The Qt widget of a list box, combo box or text box (null otherwise).
    QListWidget* listWidget() const { return list_; }
    QComboBox* comboBox() const { return combo_; }
    QLineEdit* lineEdit() const { return edit_; }

    // For inspection: where the view paints the control's picture, the text
    // it shows and the font it shows it in.
    QRect pictureRect() const;
    QString shownCaption() const { return QString::fromStdString(look_.caption); }
    QFont shownFont() const { return fontOf(); }
    // The picture the view last took from its control, or null.
    const std::shared_ptr<const forms::Image>& shownImage() const { return look_.image; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Everything the view shows, as last taken from the control.
    struct Look {
        std::string caption, text;
        bool visible = false, enabled = true, bold = false;
        float fontSize = 0;
        QRect geometry;
        long fore = 0, back = 0;
        bool transparent = false, centered = false;
        forms::ShapeKind shape = forms::ShapeKind::Rectangle;
        long fill = 0, border = 0;
        bool filled = false, stretch = false;
        std::vector<std::string> list;
        int listIndex = -1;
        std::shared_ptr<const forms::Image> image;
        std::shared_ptr<const forms::Image> mouseIcon;

        static Look of(const forms::Control& c);
        bool sameAs(const forms::Control& c) const;
        bool operator==(const Look&) const = default;
    };

    void createNative();
    void applyNative(const Look& before, bool first);
    void applyPalette();
    // Where the view goes for the control's geometry `g`.
    QRect placed(QRect g) const;
    QFont fontOf() const;
    void send(forms::Event event, QPointF at);
    void paintLabel(class QPainter& p);
    void paintPicture(class QPainter& p, bool stretch);
    void paintShape(class QPainter& p);
    void paintFrame(class QPainter& p);
    void listPressed(QPoint at);

    forms::Control* control_;
    FormWindow& window_;
    const forms::Kind kind_;
    const std::string name_;
    const int index_;
    Look look_;
    bool synced_ = false;
    bool afterDoubleClick_ = false;
    bool updating_ = false;  // the view itself writes to its Qt widget
    QPixmap scaled_;         // the stretched picture at the current size
    QListWidget* list_ = nullptr;
    QComboBox* combo_ = nullptr;
    QLineEdit* edit_ = nullptr;
};

}  // namespace ui
