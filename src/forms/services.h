#pragma once
// The platform services the game uses, each behind a small interface with a
// production implementation (here or in the front end) and a scripted one
// for tests and the headless driver.

#include <deque>
#include <filesystem>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "forms/picture.h"

namespace forms {

// A moment of the local calendar.
struct LocalTime {
    int year = 2000, month = 1, day = 1;
    int hour = 0, minute = 0, second = 0;
};

// The time of day, in seconds since midnight.
class Clock {
public:
    virtual ~Clock() = default;
    virtual double secondsSinceMidnight() = 0;
    // The local date and time, for what the game stamps with a date (the
    // catch journal). The system's unless a clock says otherwise.
    virtual LocalTime now();
};

class Random {
public:
    virtual ~Random() = default;
    // Uniform in [0, 1).
    virtual double Rnd() = 0;
    // Mixes the time of day into the generator state.
    virtual void Randomize() = 0;
};

enum class MessageIcon { None, Error, Information };

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // The system input box; nullopt when the player cancels it.
    virtual std::optional<std::string> InputBox(const std::string& prompt, const std::string& title,
                                                const std::string& defaultText) = 0;
    virtual void MsgBox(const std::string& text, MessageIcon icon, const std::string& title) = 0;
};

// One sound at a time: Close stops whatever plays, Open names a file, Play
// starts it and returns at once. Failures are silent.
class WavePlayer {
public:
    virtual ~WavePlayer() = default;
    virtual void Close() = 0;
    virtual void Open(const std::filesystem::path& file) = 0;
    virtual void Play() = 0;
};

// Reads picture files. Throws PictureError for a file that cannot be opened
// or is no picture.
class Pictures {
public:
    virtual ~Pictures() = default;
    virtual Bitmap Load(const std::filesystem::path& file, const std::string& name) = 0;
};

struct PictureError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// --- Production implementations that need no GUI -------------------------

class SystemClock : public Clock {
public:
    double secondsSinceMidnight() override;
};

// A generator seeded from the clock; Randomize mixes the time of day into
// its state, so two reseeds within one second do not replay a sequence.
class SystemRandom : public Random {
public:
    explicit SystemRandom(Clock& clock);
    double Rnd() override;
    void Randomize() override;

private:
    Clock& clock_;
    std::mt19937_64 engine_;
};

// JPEG and PNG files (forms/picture_codec.h). The header is checked at once:
// a file that is neither, or a picture beyond the size limits, is refused
// with "not a loadable picture" and the name. The pixels are decoded when
// first read, and a damaged body then reads as blank pixels of the announced
// size.
//
// A file loaded again, unchanged (same length and time), while its picture
// is still in use or among the last ones loaded gives the same picture, so a
// place's picture is read and decoded once however often the place is
// visited. The last pictures are kept up to `keptBytes` of pixels.
class FilePictures : public Pictures {
public:
    static constexpr std::size_t DefaultKeptBytes = std::size_t(16) << 20;
    explicit FilePictures(std::size_t keptBytes = DefaultKeptBytes) : keptBudget_(keptBytes) {}
    Bitmap Load(const std::filesystem::path& file, const std::string& name) override;

private:
    // A file's time of last change, to the nanosecond.
    struct FileTime {
        long long seconds = 0;
        long nanoseconds = 0;
        bool operator==(const FileTime&) const = default;
    };
    struct Seen {
        std::uintmax_t length = 0;
        FileTime time;
        std::weak_ptr<const Image> image;
    };
    void keep(const std::shared_ptr<const Image>& image);
    std::unordered_map<std::string, Seen> seen_;  // by the path as given
    std::deque<std::shared_ptr<const Image>> kept_;  // loaded last at the back
    std::size_t keptBytes_ = 0;
    std::size_t keptBudget_;
};
// The same for pictures held in memory (the program's own embedded pictures).
Bitmap DecodePicture(const unsigned char* data, std::size_t size, const std::string& name);

// --- Scripted implementations ----------------------------------------------

// Plays queued values first, then a seeded generator. Randomize leaves the
// script alone: scripted runs are exact.
struct NoRandomQueued : std::runtime_error {
    NoRandomQueued() : std::runtime_error("no random value queued") {}
};

// Plays queued values first, then draws from a seeded generator; in strict
// mode a draw with nothing queued throws NoRandomQueued instead. Reseeds
// from the time of day are only counted: a script must stay repeatable.
class ScriptedRandom : public Random {
public:
    void queue(double value) { queued_.push_back(value); }
    void seed(std::uint64_t seed) { engine_.seed(seed); }
    void setStrict(bool on) { strict_ = on; }
    std::size_t left() const { return queued_.size(); }
    // The reseeds since the last call.
    std::size_t takeReseeds() { return std::exchange(reseeds_, 0); }
    double Rnd() override;
    void Randomize() override { ++reseeds_; }

private:
    std::deque<double> queued_;
    std::mt19937_64 engine_{1};
    bool strict_ = false;
    std::size_t reseeds_ = 0;
};

struct NoAnswerQueued : std::runtime_error {
    NoAnswerQueued() : std::runtime_error("an input box was asked with no answer queued") {}
};

class ScriptedDialogs : public Dialogs {
public:
    // One box as it was shown: its text (the prompt of an input box), its
    // title, and the default answer or the icon.
    struct Shown {
        std::string text;
        std::string title;
        std::string defaultText;
        MessageIcon icon = MessageIcon::None;
    };

    void queueAnswer(std::optional<std::string> answer) { answers_.push_back(std::move(answer)); }
    std::optional<std::string> InputBox(const std::string& prompt, const std::string& title,
                                        const std::string& defaultText) override;
    void MsgBox(const std::string& text, MessageIcon icon, const std::string& title) override;
    // Message boxes shown since the last call.
    std::vector<std::string> takeMessages();
    std::size_t answersLeft() const { return answers_.size(); }
    // Every input box and message box shown, in order.
    const std::vector<Shown>& inputBoxes() const { return inputBoxes_; }
    const std::vector<Shown>& messageBoxes() const { return messageBoxes_; }

private:
    std::deque<std::optional<std::string>> answers_;
    std::vector<std::string> messages_;
    std::vector<Shown> inputBoxes_;
    std::vector<Shown> messageBoxes_;
};

class RecordingWavePlayer : public WavePlayer {
public:
    void Close() override { open_.clear(); }
    void Open(const std::filesystem::path& file) override { open_ = file; }
    void Play() override;
    // Files started since the last call, as opened.
    std::vector<std::filesystem::path> takeStarted();

private:
    std::filesystem::path open_;
    std::vector<std::filesystem::path> started_;
};

// Always the same moment: 1 January 2000 at `seconds` past midnight, so a
// scripted run stamps the same dates every time.
class FixedClock : public Clock {
public:
    double seconds = 12 * 3600;
    double secondsSinceMidnight() override { return seconds; }
    LocalTime now() override;
};

}  // namespace forms
