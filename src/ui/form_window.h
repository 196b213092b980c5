#pragma once
// One form on screen: a top-level window of the form's size with a view per
// control, stacked in the form's z-order and nested in their frames and
// picture boxes. Input goes back to the form through FormEvents.

#include <QRect>
#include <QWidget>
#include <functional>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "forms/form.h"

namespace ui {

class ControlView;
class PictureCache;

// Where a window sends what the player does.
class FormEvents {
public:
    virtual ~FormEvents() = default;
    // Runs the form's handler for the event. False when the game has ended
    // or stopped on an error, so the caller sends nothing more.
    virtual bool deliver(forms::Form& form, forms::Event event, const std::string& control,
                         const forms::EventArgs& args) = 0;
    // The title-bar close button.
    virtual void closeRequested(forms::Form& form) = 0;
};

class FormWindow : public QWidget {
    Q_OBJECT
public:
    FormWindow(forms::Form& form, FormEvents& events, PictureCache& pictures);
    ~FormWindow() override;

    forms::Form& form() const { return form_; }
    PictureCache& pictures() const { return pictures_; }

    // Brings the window in line with its form: shown or hidden, title, size,
    // background, and every control view. The views are made when the form
    // is first shown and remade for controls loaded or unloaded since.
    // True when the window was hidden and is shown now.
    bool sync();

    // The view of a control ("Label1", "PScene(2)"), or null.
    ControlView* view(const std::string& fullName) const;
    const std::vector<ControlView*>& views() const { return views_; }

    // Keys by position: letter keys type the lower-case Latin letter of the
    // physical key whatever the layout or Caps Lock (off unless set).
    void setKeysByPosition(bool on) { keysByPosition_ = on; }
    // Key shortcuts: a letter key (virtual key code) clicks a control of the
    // form, as the mouse would, when the control is visible and enabled.
    void setShortcuts(std::vector<std::pair<int, std::string>> shortcuts) { shortcuts_ = std::move(shortcuts); }
    // Keys of the front end's own (a letter key, as a virtual key code): the
    // action runs and the form never hears of the key.
    void setFrontKeys(std::vector<std::pair<int, std::function<void()>>> keys) { frontKeys_ = std::move(keys); }

    // What the screen shows of a control where the front end shows more than
    // the model holds (a slot's item after a restart, the bar at rest). It
    // may change what is drawn, never the control.
    struct Shown {
        std::string& caption;
        QRect& geometry;
        std::shared_ptr<const forms::Image>& image;
    };
    using Adjust = std::function<void(const forms::Control&, Shown)>;
    void setAdjust(Adjust adjust) { adjust_ = std::move(adjust); }
    const Adjust& adjust() const { return adjust_; }

    // From the views: an event on one of the form's controls.
    bool send(forms::Event event, const std::string& control, const forms::EventArgs& args);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // Runs the front end's action of a front key; true when it is one.
    bool takeFrontKey(const QKeyEvent& event, bool press);
    void syncViews();
    void rebuildViews();
    void retireAll();
    void syncFrame();
    void placeOnScreen();
    bool sendBackground(forms::Event event, QPointF at);

    forms::Form& form_;
    FormEvents& events_;
    PictureCache& pictures_;
    std::vector<ControlView*> views_;  // z-order, bottom first
    std::unordered_map<const forms::Control*, ControlView*> byControl_;
    bool built_ = false;
    bool placed_ = false;
    bool afterDoubleClick_ = false;
    bool keysByPosition_ = false;
    bool shown_ = false;
    std::vector<std::pair<int, std::string>> shortcuts_;
    std::vector<std::pair<int, std::function<void()>>> frontKeys_;
    unsigned long generation_ = 0;
    std::string caption_;
    QSize size_;
    long backColor_ = -1;
    std::shared_ptr<const forms::Image> background_;
    Adjust adjust_;
};

}  // namespace ui
