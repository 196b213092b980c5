#include "forms/services.h"

#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstring>
#include <ctime>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "forms/picture_codec.h"

namespace forms {

double SystemClock::secondsSinceMidnight() {
    const auto now = std::chrono::system_clock::now();
    const std::time_t t = std::chrono::system_clock::to_time_t(now);
    std::tm local{};
    localtime_r(&t, &local);
    const auto sub = std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000;
    return local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec + sub / 1000.0;
}

LocalTime Clock::now() {
    const std::time_t t = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm local{};
    localtime_r(&t, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec};
}

LocalTime FixedClock::now() {
    long s = long(seconds) % 86400;
    if (s < 0) s += 86400;
    return {2000, 1, 1, int(s / 3600), int(s / 60 % 60), int(s % 60)};
}

SystemRandom::SystemRandom(Clock& clock) : clock_(clock) {
    engine_.seed(std::random_device{}());
}

double SystemRandom::Rnd() {
    return std::generate_canonical<double, 53>(engine_);
}

void SystemRandom::Randomize() {
    // Mix rather than replace, so two reseeds in the same second differ.
    const auto seconds = static_cast<std::uint64_t>(clock_.secondsSinceMidnight() * 1000.0);
    std::seed_seq seq{static_cast<std::uint32_t>(engine_()), static_cast<std::uint32_t>(seconds),
                      static_cast<std::uint32_t>(seconds >> 32)};
    engine_.seed(seq);
}

double ScriptedRandom::Rnd() {
    if (!queued_.empty()) {
        const double v = queued_.front();
        queued_.pop_front();
        return v;
    }
    if (strict_) throw NoRandomQueued();
    return std::generate_canonical<double, 53>(engine_);
}

std::optional<std::string> ScriptedDialogs::InputBox(const std::string& prompt, const std::string& title,
                                                     const std::string& defaultText) {
    inputBoxes_.push_back({prompt, title, defaultText, MessageIcon::None});
    if (answers_.empty()) throw NoAnswerQueued();
    auto a = std::move(answers_.front());
    answers_.pop_front();
    return a;
}

void ScriptedDialogs::MsgBox(const std::string& text, MessageIcon icon, const std::string& title) {
    messages_.push_back(text);
    messageBoxes_.push_back({text, title, "", icon});
}

std::vector<std::string> ScriptedDialogs::takeMessages() {
    return std::exchange(messages_, {});
}

void RecordingWavePlayer::Play() {
    if (!open_.empty()) started_.push_back(open_);
}

std::vector<std::filesystem::path> RecordingWavePlayer::takeStarted() {
    return std::exchange(started_, {});
}

namespace {

// A file that no loadable picture could fill: its bytes are not read at all.
constexpr std::uintmax_t MaxPictureFile = MaxPictureBytes;

// A picture file's bytes: read over at once, so not zero-filled first.
using FileBytes = std::vector<unsigned char, UninitialisedAllocator<unsigned char>>;

// Checks the header and keeps the bytes; the pixels are decoded when read.
Bitmap LazyPicture(std::shared_ptr<const FileBytes> bytes, const std::string& name) {
    const auto size = ReadPictureSize(bytes->data(), bytes->size());
    if (!size) throw PictureError("not a loadable picture: " + name);
    const int w = size->width, h = size->height;
    auto image = std::make_shared<Image>();
    image->width = w;
    image->height = h;
    image->opaque = size->opaque;
    image->pixels = Pixels([bytes, w, h] {
        auto pixels = DecodePicturePixels(bytes->data(), bytes->size());
        // A file whose header was sound but whose body is damaged shows blank.
        if (!pixels) return PixelWords(std::size_t(w) * std::size_t(h), Pixel(0));
        return std::move(*pixels);
    });
    return Bitmap{name, std::move(image)};
}

}  // namespace

Bitmap DecodePicture(const unsigned char* data, std::size_t size, const std::string& name) {
    return LazyPicture(std::make_shared<const FileBytes>(data, data + size), name);
}

Bitmap FilePictures::Load(const std::filesystem::path& file, const std::string& name) {
    // One open, one fstat and a read: the picture stock is dozens of small
    // files read while the player waits for the main screen.
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) throw PictureError("cannot open picture file: " + file.string() + ": " + std::strerror(errno));
    struct Closer {
        int fd;
        ~Closer() { ::close(fd); }
    } closer{fd};
    struct stat info {};
    if (::fstat(fd, &info) != 0)
        throw PictureError("cannot open picture file: " + file.string() + ": " + std::strerror(errno));
    if (!S_ISREG(info.st_mode)) throw PictureError("not a loadable picture: " + name);
    const auto length = std::uintmax_t(info.st_size);
    const FileTime time{info.st_mtim.tv_sec, info.st_mtim.tv_nsec};
    if (const auto seen = seen_.find(file.native());
        seen != seen_.end() && seen->second.length == length && seen->second.time == time)
        if (std::shared_ptr<const Image> image = seen->second.image.lock()) {
            keep(image);
            return Bitmap{name, std::move(image)};
        }
    if (length > MaxPictureFile) throw PictureError("not a loadable picture: " + name);
    FileBytes bytes(static_cast<std::size_t>(length));
    for (std::size_t got = 0; got < bytes.size();) {
        const ssize_t n = ::read(fd, bytes.data() + got, bytes.size() - got);
        if (n < 0 && errno == EINTR) continue;
        // A file that shrank under us is as unreadable as one that fails.
        if (n <= 0) throw PictureError("cannot read picture file: " + file.string());
        got += std::size_t(n);
    }
    Bitmap picture = LazyPicture(std::make_shared<const FileBytes>(std::move(bytes)), name);
    seen_[file.native()] = Seen{length, time, picture.image};
    keep(picture.image);
    return picture;
}

void FilePictures::keep(const std::shared_ptr<const Image>& image) {
    const auto bytesOf = [](const Image& i) { return std::size_t(i.width) * std::size_t(i.height) * 4; };
    for (auto it = kept_.begin(); it != kept_.end(); ++it)
        if (*it == image) {
            kept_.erase(it);
            keptBytes_ -= bytesOf(*image);
            break;
        }
    kept_.push_back(image);
    keptBytes_ += bytesOf(*image);
    while (keptBytes_ > keptBudget_ && !kept_.empty()) {
        keptBytes_ -= bytesOf(*kept_.front());
        kept_.pop_front();
    }
}

}  // namespace forms
