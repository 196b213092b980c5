#pragma once
// The desktop's platform services: the system input box and message box,
// and wave playback.

#include <QObject>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "forms/services.h"

class QApplication;
class QWidget;

namespace ui {

class SoundBackend;

// Loads Qt's Russian translation, so that standard buttons read "Отмена".
// False when the translation is not installed.
bool LoadRussianTranslation(QApplication& app);

class QtDialogs : public forms::Dialogs {
public:
    std::optional<std::string> InputBox(const std::string& prompt, const std::string& title,
                                        const std::string& defaultText) override;
    void MsgBox(const std::string& text, forms::MessageIcon icon, const std::string& title) override;

    // Runs before a dialog opens, so the windows show what the game did up to
    // this moment (a window hidden just before the question goes first).
    void setBeforeModal(std::function<void()> hook) { beforeModal_ = std::move(hook); }
    // The window the dialogs open over (none: free-standing).
    void setParent(QWidget* parent) { parent_ = parent; }
    // Answers the next input box without showing it (unattended runs).
    void queueAnswer(std::string answer) { answers_.push_back(std::move(answer)); }

private:
    std::function<void()> beforeModal_;
    std::deque<std::string> answers_;
    QWidget* parent_ = nullptr;
};

// One sound at a time through the sound module (ui/sound_backend.h), loaded
// with the first sound. Without the module, without an audio device, or for
// a file that is missing or no wave, it stays silent.
class QtWavePlayer : public forms::WavePlayer {
public:
    QtWavePlayer();
    ~QtWavePlayer() override;
    void Close() override;
    void Open(const std::filesystem::path& file) override;
    void Play() override;

    // Volume 0..100; muted plays nothing.
    void setVolume(int volume, bool muted);

    // The file opened last, if it exists (for inspection).
    const std::filesystem::path& opened() const { return opened_; }

private:
    // Loads the module and asks for a sound output the first time; without
    // one nothing is played, and one line says so.
    bool ready();
    std::unique_ptr<SoundBackend> backend_;  // made when the first sound plays
    std::filesystem::path opened_;
    float volume_ = 1.0f;
    bool muted_ = false;
    int output_ = -1;  // whether sound can play: -1 not asked yet
};

}  // namespace ui
