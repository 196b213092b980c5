#include "ui/settings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QSettings>
#include <QSlider>
#include <algorithm>

namespace ui {
namespace {

QSettings Store() { return QSettings("klevnitsa", "klevnitsa"); }

}  // namespace

qreal Settings::factorOf(ScaleMode mode) {
    switch (mode) {
    case ScaleMode::One: return 1.0;
    case ScaleMode::OneAndHalf: return 1.5;
    case ScaleMode::Two: return 2.0;
    case ScaleMode::Fit: break;
    }
    return 0;
}

Settings Settings::load() {
    const QSettings s = Store();
    Settings out;
    out.volume = std::clamp(s.value("sound/volume", out.volume).toInt(), 0, 100);
    out.muted = s.value("sound/muted", out.muted).toBool();
    const int scale = s.value("window/scale", 0).toInt();
    out.scale = scale >= 0 && scale <= 3 ? ScaleMode(scale) : ScaleMode::Fit;
    out.keysByPosition = s.value("keys/byPosition", out.keysByPosition).toBool();
    out.geometry = s.value("window/geometry").toByteArray();
    out.fullScreen = s.value("window/fullScreen", false).toBool();
    return out;
}

void Settings::save() const {
    QSettings s = Store();
    s.setValue("sound/volume", volume);
    s.setValue("sound/muted", muted);
    s.setValue("window/scale", int(scale));
    s.setValue("keys/byPosition", keysByPosition);
    s.setValue("window/geometry", geometry);
    s.setValue("window/fullScreen", fullScreen);
}

SettingsDialog::SettingsDialog(const Settings& current, QWidget* parent)
    : QDialog(parent),
      base_(current),
      volume_(new QSlider(Qt::Horizontal, this)),
      mute_(new QCheckBox("Без звука", this)),
      scale_(new QComboBox(this)),
      keys_(new QCheckBox("Клавиши по положению (при любой раскладке)", this)) {
    setWindowTitle("Настройки");
    volume_->setRange(0, 100);
    volume_->setValue(current.volume);
    mute_->setChecked(current.muted);
    scale_->addItems({"По размеру окна", "1×", "1,5×", "2×"});
    scale_->setCurrentIndex(int(current.scale));
    keys_->setChecked(current.keysByPosition);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* form = new QFormLayout(this);
    form->addRow("Громкость:", volume_);
    form->addRow("", mute_);
    form->addRow("Масштаб:", scale_);
    form->addRow("", keys_);
    form->addRow(buttons);
}

Settings SettingsDialog::values() const {
    Settings out = base_;
    out.volume = volume_->value();
    out.muted = mute_->isChecked();
    out.scale = ScaleMode(std::clamp(scale_->currentIndex(), 0, 3));
    out.keysByPosition = keys_->isChecked();
    return out;
}

}  // namespace ui
