#include "forms/services.h"

#include <chrono>
#include <cstdint>
#include <ctime>
#include <fstream>
#include <utility>

#include <stb/stb_image.h>

namespace forms {

double SystemClock::secondsSinceMidnight() {
    const auto now = std::chrono::system_clock::now();
    const std::time_t t = std::chrono::system_clock::to_time_t(now);
    std::tm local{};
    localtime_r(&t, &local);
    const auto sub = std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000;
    return local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec + sub / 1000.0;
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

// Pictures larger than this many pixels are refused: no window shows them,
// and decoding them could exhaust memory.
constexpr long long MaxPixels = 64LL * 1024 * 1024;

std::vector<unsigned char> DecodeRgba(const unsigned char* data, std::size_t size, int width, int height) {
    int w = 0, h = 0, channels = 0;
    unsigned char* pixels = stbi_load_from_memory(data, int(size), &w, &h, &channels, 4);
    std::vector<unsigned char> rgba;
    if (pixels && w == width && h == height) rgba.assign(pixels, pixels + std::size_t(w) * std::size_t(h) * 4);
    // A file whose header was sound but whose body is damaged shows blank.
    else rgba.assign(std::size_t(width) * std::size_t(height) * 4, 0);
    if (pixels) stbi_image_free(pixels);
    return rgba;
}

// Checks the header and keeps the bytes; the pixels are decoded when read.
Bitmap LazyPicture(std::shared_ptr<const std::vector<unsigned char>> bytes, const std::string& name) {
    int w = 0, h = 0, channels = 0;
    const bool known = bytes->size() <= std::size_t(INT32_MAX) &&
                       stbi_info_from_memory(bytes->data(), int(bytes->size()), &w, &h, &channels) != 0;
    if (!known || w <= 0 || h <= 0 || (long long)w * h > MaxPixels)
        throw PictureError("not a loadable picture: " + name);
    auto image = std::make_shared<Image>();
    image->width = w;
    image->height = h;
    image->rgba = Pixels([bytes, w, h] { return DecodeRgba(bytes->data(), bytes->size(), w, h); });
    return Bitmap{name, std::move(image)};
}

}  // namespace

Bitmap DecodePicture(const unsigned char* data, std::size_t size, const std::string& name) {
    return LazyPicture(std::make_shared<const std::vector<unsigned char>>(data, data + size), name);
}

Bitmap StbPictures::Load(const std::filesystem::path& file, const std::string& name) {
    std::ifstream in(file, std::ios::binary | std::ios::ate);
    if (!in) throw PictureError("cannot open picture file: " + file.string());
    const std::streamoff size = in.tellg();
    if (size < 0) throw PictureError("cannot read picture file: " + file.string());
    std::vector<unsigned char> bytes(static_cast<std::size_t>(size));
    in.seekg(0);
    if (!in.read(reinterpret_cast<char*>(bytes.data()), size)) throw PictureError("cannot read picture file: " + file.string());
    return LazyPicture(std::make_shared<const std::vector<unsigned char>>(std::move(bytes)), name);
}

}  // namespace forms
