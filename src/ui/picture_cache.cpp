#include "ui/picture_cache.h"

#include <QColor>
#include <QImage>
#include <algorithm>
#include <memory>

namespace ui {

QColor ColorOf(long bgr) {
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

namespace {

// The picture as the screen draws it: the decoded words themselves, taken
// from the picture, neither copied nor converted. Opaque pictures (every
// JPEG, known without looking at a pixel) draw as RGB32, without blending;
// others as they are, premultiplied.
// A null image when the pixels fall short of the announced size.
QImage ScreenImage(const forms::Image& image) {
    auto words = std::make_unique<forms::PixelWords>(image.pixels.take());
    if (words->size() < std::size_t(image.width) * std::size_t(image.height)) return {};
    const bool opaque =
        image.opaque || std::all_of(words->begin(), words->end(), [](forms::Pixel p) { return p >> 24 == 0xFF; });
    auto* data = reinterpret_cast<uchar*>(words->data());
    // The image owns the words from here on and frees them with itself.
    QImage screen(
        data, image.width, image.height, image.width * 4,
        opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied,
        [](void* owned) { delete static_cast<forms::PixelWords*>(owned); }, words.get());
    words.release();
    return screen;
}

}  // namespace

QPixmap PictureCache::pixmap(const forms::Bitmap& picture) {
    const forms::Image* image = picture.image.get();
    if (!image || image->width <= 0 || image->height <= 0) return {};
    auto it = entries_.find(image);
    // An expired entry may name a new picture at a reused address.
    if (it != entries_.end() && it->second.image.lock().get() == image) return it->second.pixmap;
    // The pixmap takes the decoded pixels as they are, the one decoded copy
    // from now on. Pixels short of the announced size are no picture to show.
    QImage screen = ScreenImage(*image);
    if (screen.isNull()) return {};
    QPixmap screenPixmap = QPixmap::fromImage(std::move(screen), Qt::NoFormatConversion);
    // Pixmaps of pictures no control holds any more go before a new one comes.
    dropExpired();
    entries_[image] = Entry{picture.image, screenPixmap};
    return screenPixmap;
}

void PictureCache::prefetch(const forms::Bitmap& picture) const {
    const forms::Image* image = picture.image.get();
    if (!worker_ || !image || image->width <= 0 || image->height <= 0) return;
    const auto it = entries_.find(image);
    if (it != entries_.end() && it->second.image.lock().get() == image) return;
    image->pixels.prefetch(*worker_);
}

void PictureCache::cancelPrefetch(const std::shared_ptr<const forms::Image>& image) const {
    if (image) image->pixels.cancelPrefetch();
}

QPixmap PictureCache::scaled(const forms::Bitmap& picture, QSize size, qreal dpr) {
    QPixmap source = pixmap(picture);
    if (source.isNull() || size.isEmpty()) return {};
    const QSize device = (QSizeF(size) * dpr).toSize();
    if (source.size() == device) {
        source.setDevicePixelRatio(dpr);
        return source;
    }
    QPixmap out = source.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    out.setDevicePixelRatio(dpr);
    return out;
}

void PictureCache::dropExpired() {
    for (auto it = entries_.begin(); it != entries_.end();)
        it = it->second.image.expired() ? entries_.erase(it) : std::next(it);
}

}  // namespace ui
