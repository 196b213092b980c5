#include "ui/picture_cache.h"

#include <QColor>
#include <QImage>

namespace ui {

QColor ColorOf(long bgr) {
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

namespace {

// The picture in the format the screen draws fastest: opaque pictures (every
// JPEG) without alpha, others premultiplied. One conversion, one new buffer.
QImage ScreenImage(const forms::Image& image) {
    const unsigned char* rgba = image.rgba.data();
    const QImage view(rgba, image.width, image.height, image.width * 4, QImage::Format_RGBA8888);
    const std::size_t bytes = std::size_t(image.width) * std::size_t(image.height) * 4;
    bool opaque = true;
    for (std::size_t i = 3; i < bytes && opaque; i += 4) opaque = rgba[i] == 0xFF;
    return view.convertToFormat(opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
}

}  // namespace

QPixmap PictureCache::pixmap(const forms::Bitmap& picture) {
    const forms::Image* image = picture.image.get();
    if (!image || image->width <= 0 || image->height <= 0) return {};
    auto it = entries_.find(image);
    // An expired entry may name a new picture at a reused address.
    if (it != entries_.end() && it->second.image.lock().get() == image) return it->second.pixmap;
    // Pixels short of the announced size are no picture to show.
    if (image->rgba.size() < std::size_t(image->width) * std::size_t(image->height) * 4) return {};
    // The pixmap takes the converted buffer as it is (no copy), and the
    // decoded pixels go: the pixmap is the one decoded copy from now on.
    QPixmap converted = QPixmap::fromImage(ScreenImage(*image));
    image->rgba.release();
    // Pixmaps of pictures no control holds any more go before a new one comes.
    dropExpired();
    entries_[image] = Entry{picture.image, converted};
    return converted;
}

void PictureCache::prefetch(const forms::Bitmap& picture) const {
    const forms::Image* image = picture.image.get();
    if (!image || image->width <= 0 || image->height <= 0) return;
    const auto it = entries_.find(image);
    if (it != entries_.end() && it->second.image.lock().get() == image) return;
    image->rgba.prefetch();
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
