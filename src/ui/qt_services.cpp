#include "ui/qt_services.h"

#include <QApplication>
#include <QInputDialog>
#include <QLibraryInfo>
#include <QLoggingCategory>
#include <QAudioDevice>
#include <QMediaDevices>
#include <QMessageBox>
#include <QSoundEffect>
#include <QTranslator>
#include <QUrl>
#include <algorithm>

namespace ui {

namespace {
QString Text(const std::string& s) { return QString::fromStdString(s); }
}  // namespace

bool LoadRussianTranslation(QApplication& app) {
    auto* translator = new QTranslator(&app);
    if (!translator->load(QLocale(QLocale::Russian, QLocale::Russia), "qtbase", "_",
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    QApplication::installTranslator(translator);
    return true;
}

std::optional<std::string> QtDialogs::InputBox(const std::string& prompt, const std::string& title,
                                               const std::string& defaultText) {
    if (!answers_.empty()) {
        std::string answer = std::move(answers_.front());
        answers_.pop_front();
        return answer;
    }
    if (beforeModal_) beforeModal_();
    bool ok = false;
    const QString text =
        QInputDialog::getText(parent_, Text(title), Text(prompt), QLineEdit::Normal, Text(defaultText), &ok);
    if (!ok) return std::nullopt;
    return text.toStdString();
}

void QtDialogs::MsgBox(const std::string& text, forms::MessageIcon icon, const std::string& title) {
    if (beforeModal_) beforeModal_();
    const QMessageBox::Icon shown = icon == forms::MessageIcon::Error         ? QMessageBox::Critical
                                    : icon == forms::MessageIcon::Information ? QMessageBox::Information
                                                                              : QMessageBox::NoIcon;
    QMessageBox box(shown, Text(title), Text(text), QMessageBox::Ok, parent_);
    box.exec();
}

QtWavePlayer::QtWavePlayer() = default;
QtWavePlayer::~QtWavePlayer() = default;

void QtWavePlayer::Close() {
    opened_.clear();
    if (effect_) effect_->stop();
}

void QtWavePlayer::Open(const std::filesystem::path& file) {
    std::error_code ec;
    opened_ = std::filesystem::is_regular_file(file, ec) ? file : std::filesystem::path();
}

bool QtWavePlayer::HasAudioOutput() { return !QMediaDevices::audioOutputs().isEmpty(); }

void QtWavePlayer::setVolume(int volume, bool muted) {
    volume_ = float(std::clamp(volume, 0, 100)) / 100.0f;
    muted_ = muted;
    if (effect_) effect_->setVolume(muted_ ? 0.0f : volume_);
    if (muted_ && effect_) effect_->stop();
}

void QtWavePlayer::Play() {
    if (opened_.empty() || muted_) return;
    // The multimedia backend loads here, with the first sound, not at the
    // start. Without a sound output one line says so, and the backend's own
    // warnings stay out of the terminal.
    if (output_ < 0) {
        QLoggingCategory::setFilterRules("qt.multimedia*=false");
        output_ = HasAudioOutput() ? 1 : 0;
        if (output_ == 1) QLoggingCategory::setFilterRules({});
        else qInfo("klevnitsa: no sound output, playing silently");
    }
    if (output_ == 0) return;
    if (!effect_) effect_ = std::make_unique<QSoundEffect>();
    effect_->setVolume(volume_);
    effect_->stop();
    effect_->setSource(QUrl::fromLocalFile(QString::fromStdString(opened_.string())));
    effect_->play();
}

}  // namespace ui
