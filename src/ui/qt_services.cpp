#include "ui/qt_services.h"

#include <QApplication>
#include <QInputDialog>
#include <QLibraryInfo>
#include <QLoggingCategory>
#include <QMessageBox>
#include <QTranslator>
#include <algorithm>

#include "ui/modules.h"
#include "ui/sound_backend.h"

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
    if (backend_) backend_->stop();
}

void QtWavePlayer::Open(const std::filesystem::path& file) {
    std::error_code ec;
    opened_ = std::filesystem::is_regular_file(file, ec) ? file : std::filesystem::path();
}

void QtWavePlayer::setVolume(int volume, bool muted) {
    volume_ = float(std::clamp(volume, 0, 100)) / 100.0f;
    muted_ = muted;
    if (backend_) backend_->setVolume(muted_ ? 0.0f : volume_);
    if (muted_ && backend_) backend_->stop();
}

bool QtWavePlayer::ready() {
    if (output_ >= 0) return output_ == 1;
    // The multimedia backend loads here, with the first sound, not at the
    // start. Without a sound output one line says so, and the backend's own
    // warnings stay out of the terminal.
    QLoggingCategory::setFilterRules("qt.multimedia*=false");
    // The audio system's client library warns in plain lines of its own
    // (PulseAudio: "pa_context_connect() failed") while the backend looks
    // for an output: they are held back, and the line below says it all.
    const QtMessageHandler previous = qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    const auto make = reinterpret_cast<MakeSoundBackend>(ModuleEntry(ModuleDirs(), "klevnitsa_sound", MakeSoundBackendSymbol));
    backend_.reset(make ? make() : nullptr);
    output_ = backend_ && backend_->hasOutput() ? 1 : 0;
    qInstallMessageHandler(previous);
    if (output_ == 1) {
        QLoggingCategory::setFilterRules({});
    } else {
        qInfo(backend_ ? "klevnitsa: no sound output, playing silently"
                       : "klevnitsa: the sound module klevnitsa_sound is missing, playing silently");
    }
    return output_ == 1;
}

void QtWavePlayer::Play() {
    if (opened_.empty() || muted_ || !ready()) return;
    backend_->play(opened_.string().c_str(), volume_);
}

}  // namespace ui
