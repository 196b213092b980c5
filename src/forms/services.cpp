#include "forms/services.h"

#include <chrono>
#include <ctime>
#include <fstream>
#include <iterator>
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
    return std::generate_canonical<double, 53>(engine_);
}

std::optional<std::string> ScriptedDialogs::InputBox(const std::string&, const std::string&, const std::string&) {
    if (answers_.empty()) throw NoAnswerQueued();
    auto a = std::move(answers_.front());
    answers_.pop_front();
    return a;
}

void ScriptedDialogs::MsgBox(const std::string& text, MessageIcon, const std::string&) {
    messages_.push_back(text);
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

Bitmap DecodePicture(const unsigned char* data, std::size_t size, const std::string& name) {
    int w = 0, h = 0, channels = 0;
    unsigned char* pixels = stbi_load_from_memory(data, int(size), &w, &h, &channels, 4);
    if (!pixels) throw PictureError("not a loadable picture: " + name);
    auto image = std::make_shared<Image>();
    image->width = w;
    image->height = h;
    image->rgba.assign(pixels, pixels + std::size_t(w) * std::size_t(h) * 4);
    stbi_image_free(pixels);
    return Bitmap{name, std::move(image)};
}

Bitmap StbPictures::Load(const std::filesystem::path& file, const std::string& name) {
    std::ifstream in(file, std::ios::binary);
    if (!in) throw PictureError("cannot open picture file: " + file.string());
    std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return DecodePicture(bytes.data(), bytes.size(), name);
}

}  // namespace forms
