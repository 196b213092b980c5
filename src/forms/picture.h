#pragma once
// Pictures as the forms see them: a name the game can report and, when the
// picture was really decoded, its pixels. Copies share the pixels.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "forms/worker.h"

namespace forms {

constexpr int TwipsPerPixel = 15;

// One pixel: a 32-bit word 0xAARRGGBB with the colours premultiplied by the
// alpha, the layout screens draw from without converting.
using Pixel = std::uint32_t;

constexpr Pixel PixelOf(unsigned red, unsigned green, unsigned blue, unsigned alpha = 0xFF) {
    // Premultiplied, rounded to nearest.
    const auto times = [alpha](unsigned c) { return (c * alpha + 127) / 255; };
    return Pixel(alpha) << 24 | Pixel(times(red)) << 16 | Pixel(times(green)) << 8 | Pixel(times(blue));
}

// An allocator that leaves new elements of a plain type uninitialised: a
// decoder overwrites every pixel, so zero-filling a megabyte first would only
// touch each page twice.
template <class T>
struct UninitialisedAllocator : std::allocator<T> {
    template <class U>
    struct rebind {
        using other = UninitialisedAllocator<U>;
    };
    UninitialisedAllocator() = default;
    template <class U>
    UninitialisedAllocator(const UninitialisedAllocator<U>&) noexcept {}
    template <class U>
    void construct(U* at) noexcept(std::is_nothrow_default_constructible_v<U>) {
        ::new (static_cast<void*>(at)) U;
    }
    template <class U, class... Args>
    void construct(U* at, Args&&... args) {
        ::new (static_cast<void*>(at)) U(std::forward<Args>(args)...);
    }
};

// Pixels row by row, top to bottom; `PixelWords(n)` leaves them unset.
using PixelWords = std::vector<Pixel, UninitialisedAllocator<Pixel>>;

// A picture's pixels. A picture read from a file keeps its file's bytes and
// decodes them the first time its pixels are read: the picture stock holds
// many pictures that no window ever shows, and the size is known from the
// file's header without decoding. A view takes the decoded pixels away as
// they are (`take`), so a picture shown on screen is in memory once; read
// again, they are decoded again.
class Pixels {
public:
    using Decoder = std::function<PixelWords()>;

    Pixels() = default;
    // Pixels that `decode` produces when first needed.
    explicit Pixels(Decoder decode) : decode_(std::move(decode)) {}

    const Pixel* data() const { return decoded().data(); }
    std::size_t size() const { return decoded().size(); }  // in pixels
    bool empty() const { return decoded().empty(); }
    Pixel operator[](std::size_t i) const { return decoded()[i]; }
    PixelWords::const_iterator begin() const { return decoded().begin(); }
    PixelWords::const_iterator end() const { return decoded().end(); }
    // Whether the pixels are decoded now.
    bool ready() const { return !decode_ || decoded_; }
    // Has `worker` decode the pixels ahead, for pixels about to be shown,
    // while the window is laid out. Reading the pixels takes them from there,
    // decodes them itself when the worker has not come to them, and while
    // the worker is at them decodes the next pictures waiting for it. Nothing
    // for pixels already there. The worker must outlive the pixels.
    void prefetch(Worker& worker) const {
        if (!decode_ || decoded_ || pending_) return;
        pending_ = std::make_shared<Ahead<PixelWords>>(decode_);
        worker_ = &worker;
        worker.post([ahead = std::weak_ptr(pending_)] {
            if (const auto a = ahead.lock()) a->runAhead();
        });
    }
    // Drops a decoding ahead that the worker has not begun: the pixels are
    // not about to be shown after all.
    void cancelPrefetch() const { pending_.reset(); }
    // Frees decoded pixels that can be decoded again (those of a file);
    // pixels set by hand stay. Pointers from data() are invalid after it.
    void release() const {
        if (!decode_ || !decoded_) return;
        PixelWords().swap(words_);
        decoded_ = false;
    }
    // The decoded pixels themselves for the caller to keep, released here as
    // by `release`; pixels set by hand, which cannot be decoded again, are
    // copied instead.
    PixelWords take() const {
        decoded();
        if (!decode_) return words_;
        PixelWords taken = std::exchange(words_, {});
        release();
        return taken;
    }

    void push_back(Pixel pixel) { mutableWords().push_back(pixel); }
    template <class It>
    void assign(It first, It last) {
        decode_ = nullptr;
        pending_.reset();
        words_.assign(first, last);
    }
    void assign(std::size_t count, Pixel pixel) {
        decode_ = nullptr;
        pending_.reset();
        words_.assign(count, pixel);
    }

private:
    const PixelWords& decoded() const {
        if (decode_ && !decoded_) {
            words_ = pending_ ? pending_->take([w = worker_] { return w->runOne(); }) : decode_();
            pending_.reset();
            decoded_ = true;
        }
        return words_;
    }
    PixelWords& mutableWords() {
        decoded();
        decode_ = nullptr;  // changed by hand: no longer the file's
        return words_;
    }
    mutable PixelWords words_;
    mutable Decoder decode_;
    mutable bool decoded_ = false;
    mutable std::shared_ptr<Ahead<PixelWords>> pending_;  // decoding ahead
    mutable Worker* worker_ = nullptr;                    // on this worker
};

struct Image {
    int width = 0;
    int height = 0;
    Pixels pixels;  // width * height once read
    // Every pixel opaque, known from the file's format before decoding (a
    // JPEG); false says nothing.
    bool opaque = false;
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
