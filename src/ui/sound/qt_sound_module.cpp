// The sound module: one sound at a time through QSoundEffect.

#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QString>
#include <QUrl>
#include <memory>

#include "ui/sound_backend.h"

namespace {

class QtSound : public ui::SoundBackend {
public:
    bool hasOutput() override { return !QMediaDevices::audioOutputs().isEmpty(); }
    void play(const char* file, float volume) override {
        if (!effect_) effect_ = std::make_unique<QSoundEffect>();
        effect_->setVolume(volume);
        effect_->stop();
        effect_->setSource(QUrl::fromLocalFile(QString::fromUtf8(file)));
        effect_->play();
    }
    void setVolume(float volume) override {
        if (effect_) effect_->setVolume(volume);
    }
    void stop() override {
        if (effect_) effect_->stop();
    }

private:
    std::unique_ptr<QSoundEffect> effect_;
};

}  // namespace

extern "C" __attribute__((visibility("default"))) ui::SoundBackend* klev_make_sound_backend() { return new QtSound; }
