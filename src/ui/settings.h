#pragma once
// The player's settings of the desktop game, kept with QSettings in the
// user's config folder (klevnitsa/klevnitsa.conf), and the small dialog that
// changes them.

#include <QByteArray>
#include <QDialog>

class QCheckBox;
class QComboBox;
class QSlider;

namespace ui {

enum class ScaleMode { Fit, One, OneAndHalf, Two };

struct Settings {
    int volume = 100;  // 0..100
    bool muted = false;
    ScaleMode scale = ScaleMode::Fit;
    bool keysByPosition = true;
    QByteArray geometry;  // the game window's, as QWidget::saveGeometry gives it
    bool fullScreen = false;

    // The factor of a fixed scale mode (0 for fit to window).
    static qreal factorOf(ScaleMode mode);
    // The settings stored so far (defaults for what was never stored; values
    // out of range are brought into it).
    static Settings load();
    void save() const;
};

// "Настройки": volume and mute, scale, keys by position. exec() returns
// Accepted when the player chose "OK"; values() then holds the choice.
class SettingsDialog : public QDialog {
    Q_OBJECT
public:
    SettingsDialog(const Settings& current, QWidget* parent);
    Settings values() const;

    QSlider* volumeSlider() const { return volume_; }
    QCheckBox* muteBox() const { return mute_; }
    QComboBox* scaleBox() const { return scale_; }
    QCheckBox* keysBox() const { return keys_; }

private:
    Settings base_;
    QSlider* volume_;
    QCheckBox* mute_;
    QComboBox* scale_;
    QCheckBox* keys_;
};

}  // namespace ui
