#pragma once
// The one game window: every form's window is shown inside it, centred on a
// stage as large as the largest form, in the order the forms came to the
// front. The stage scales to the window keeping its aspect ratio (or by a
// fixed factor), F11 toggles full screen, F2 and the context menu open the
// settings; the context menu also opens the catch journal. The title is the caption of the front form.

#include <QGraphicsView>
#include <functional>
#include <vector>

#include "ui/settings.h"

class QGraphicsProxyWidget;

namespace ui {

class FormWindow;

class Stage : public QGraphicsView {
    Q_OBJECT
public:
    // The stage is never smaller than the game's largest window.
    static constexpr QSize kMinimumSize{840, 600};

    explicit Stage(Settings& settings);
    ~Stage() override;

    // Takes a form's window onto the stage (hidden until its form shows).
    void add(FormWindow& window);
    // Puts a shown window in front of every other and gives it the keys.
    void bringToFront(FormWindow& window);
    // Re-centres the windows, sets the title from the front window, shows the
    // stage when a window is shown. Call after the windows are synced.
    void refresh();
    // The frontmost shown window, or null.
    FormWindow* front() const;

    // The logical size of the stage and the factor it is drawn at now.
    QSize logicalSize() const { return size_; }
    qreal scale() const;
    // A point of a widget on a form's window in the stage's viewport.
    QPoint toViewport(const QWidget& widget, QPoint at) const;

    // Full screen on or off; remembered in the settings.
    void setFullScreen(bool on);
    void toggleFullScreen() { setFullScreen(!isFullScreen()); }
    // Takes the scale mode from the settings.
    void applySettings();
    // Remembers the window's size and full-screen state in the settings.
    void remember();

    // What the stage's title-bar close does (the front form decides).
    void onClose(std::function<void()> close) { close_ = std::move(close); }
    // What F2 and the context menu's settings entry do.
    void onSettings(std::function<void()> open) { openSettings_ = std::move(open); }
    // What the context menu's catch journal entry does.
    void onJournal(std::function<void()> open) { openJournal_ = std::move(open); }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    struct Entry {
        FormWindow* window;
        QGraphicsProxyWidget* proxy;
    };
    void fitScale();
    void restoreSize();
    void withoutFocusRepaint(const std::function<void()>& handle);

    Settings& settings_;
    QSize size_ = kMinimumSize;
    std::vector<Entry> entries_;
    qreal nextZ_ = 1;
    bool restored_ = false;
    std::function<void()> close_;
    std::function<void()> openSettings_;
    std::function<void()> openJournal_;
};

}  // namespace ui
