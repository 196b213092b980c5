#pragma once
// Pictures as the forms see them: a name the game can report and, when the
// picture was really decoded, its pixels. Copies share the pixels.

#include <cstddef>
#include <functional>
#include <future>
#include <memory>
#include <string>
#include <vector>

namespace forms {

constexpr int TwipsPerPixel = 15;

// 8-bit RGBA bytes, rows top to bottom. A picture read from a file keeps its
// file's bytes and decodes them the first time its pixels are read: the
// picture stock holds many pictures that no window ever shows, and the size
// is known from the file's header without decoding. Once a view has taken
// the pixels into its own format it releases them here, so a picture shown
// on screen is decoded in memory once; read again, they are decoded again.
class Pixels {
public:
    using Decoder = std::function<std::vector<unsigned char>()>;

    Pixels() = default;
    // Pixels that `decode` produces when first needed.
    explicit Pixels(Decoder decode) : decode_(std::move(decode)) {}

    const unsigned char* data() const { return decoded().data(); }
    std::size_t size() const { return decoded().size(); }
    bool empty() const { return decoded().empty(); }
    unsigned char operator[](std::size_t i) const { return decoded()[i]; }
    std::vector<unsigned char>::const_iterator begin() const { return decoded().begin(); }
    std::vector<unsigned char>::const_iterator end() const { return decoded().end(); }
    // Whether the pixels are decoded now.
    bool ready() const { return !decode_ || decoded_; }
    // Starts decoding on a thread of its own, for pixels about to be shown:
    // several pictures decode side by side while the window is laid out.
    // Reading the pixels waits for it. Nothing for pixels already there.
    void prefetch() const {
        if (!decode_ || decoded_ || pending_) return;
        pending_ = std::make_shared<std::future<std::vector<unsigned char>>>(std::async(std::launch::async, decode_));
    }
    // Frees decoded pixels that can be decoded again (those of a file);
    // pixels set by hand stay. Pointers from data() are invalid after it.
    void release() const {
        if (!decode_ || !decoded_) return;
        std::vector<unsigned char>().swap(bytes_);
        decoded_ = false;
    }

    void push_back(unsigned char byte) { mutableBytes().push_back(byte); }
    template <class It>
    void assign(It first, It last) {
        decode_ = nullptr;
        pending_.reset();
        bytes_.assign(first, last);
    }
    void assign(std::size_t count, unsigned char byte) {
        decode_ = nullptr;
        pending_.reset();
        bytes_.assign(count, byte);
    }

private:
    const std::vector<unsigned char>& decoded() const {
        if (decode_ && !decoded_) {
            // A copy of these pixels may have taken the decoded bytes first.
            bytes_ = pending_ && pending_->valid() ? pending_->get() : decode_();
            pending_.reset();
            decoded_ = true;
        }
        return bytes_;
    }
    std::vector<unsigned char>& mutableBytes() {
        decoded();
        decode_ = nullptr;  // changed by hand: no longer the file's
        return bytes_;
    }
    mutable std::vector<unsigned char> bytes_;
    mutable Decoder decode_;
    mutable bool decoded_ = false;
    mutable std::shared_ptr<std::future<std::vector<unsigned char>>> pending_;  // decoding on its thread
};

struct Image {
    int width = 0;
    int height = 0;
    Pixels rgba;  // width * height * 4 bytes once read
};

// What a control's Picture property holds. `name` is what the driver prints:
// a stock tag, a fixed picture's name, or a game-folder path as the game
// built it. An empty Bitmap means "no picture".
struct Bitmap {
    std::string name;
    std::shared_ptr<const Image> image;

    bool empty() const { return name.empty() && !image; }
    float widthTwips() const { return image ? float(image->width * TwipsPerPixel) : 0.0f; }
    float heightTwips() const { return image ? float(image->height * TwipsPerPixel) : 0.0f; }
};

}  // namespace forms
