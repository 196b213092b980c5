#pragma once
// The sound backend, built as a module of its own (klevnitsa_sound) that the
// game loads with its first sound: Qt Multimedia and what it pulls in (the
// sound server's client, the network module) then cost nothing at start.
// Only this interface crosses between the game and the module.

namespace ui {

class SoundBackend {
public:
    virtual ~SoundBackend() = default;
    // Whether the machine has a sound output at all.
    virtual bool hasOutput() = 0;
    // Plays the wave file `file` (a local path, UTF-8) at `volume` 0..1,
    // stopping the sound before; never waits for it.
    virtual void play(const char* file, float volume) = 0;
    virtual void setVolume(float volume) = 0;
    virtual void stop() = 0;
};

// The module's one entry point, looked up by this name.
constexpr const char* MakeSoundBackendSymbol = "klev_make_sound_backend";
using MakeSoundBackend = SoundBackend* (*)();

}  // namespace ui
