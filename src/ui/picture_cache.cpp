#include "ui/picture_cache.h"

#include <QColor>
#include <QImage>

namespace ui {

QColor ColorOf(long bgr) {
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

QPixmap PictureCache::pixmap(const forms::Bitmap& picture) {
    const forms::Image* image = picture.image.get();
    if (!image || image->width <= 0 || image->height <= 0) return {};
    auto it = entries_.find(image);
    // An expired entry may name a new picture at a reused address.
    if (it != entries_.end() && it->second.image.lock().get() == image) return it->second.pixmap;
    // Pixels short of the announced size are no picture to show.
    if (image->rgba.size() < std::size_t(image->width) * std::size_t(image->height) * 4) return {};
    const QImage view(image->rgba.data(), image->width, image->height, image->width * 4, QImage::Format_RGBA8888);
    QPixmap converted = QPixmap::fromImage(view.copy());
    entries_[image] = Entry{picture.image, converted};
    if (++insertsSinceSweep_ >= 64) dropExpired();
    return converted;
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
    insertsSinceSweep_ = 0;
    for (auto it = entries_.begin(); it != entries_.end();)
        it = it->second.image.expired() ? entries_.erase(it) : std::next(it);
}

}  // namespace ui
