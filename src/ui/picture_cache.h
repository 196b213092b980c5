#pragma once
// Decoded game pictures as Qt pixmaps, made once per picture from its
// decoded words themselves and shared by every control that shows it. A
// picture's pixmap lives as long as the picture: it is the picture's one
// decoded copy (the model keeps the size and the file's bytes).

#include <QPixmap>
#include <map>
#include <memory>

#include "forms/picture.h"

namespace ui {

class PictureCache {
public:
    // The pixmap of a picture (a null pixmap for a picture without pixels).
    // Its size in logical pixels is the picture's size.
    QPixmap pixmap(const forms::Bitmap& picture);
    // Has the worker decode a picture about to be shown, unless its pixmap
    // is there already; nothing without a worker.
    void prefetch(const forms::Bitmap& picture) const;
    // A picture about to be shown is not after all (its window hid first).
    void cancelPrefetch(const std::shared_ptr<const forms::Image>& image) const;
    // The worker that decodes ahead from now on; it must outlive the cache.
    void decodeAheadOn(forms::Worker& worker) { worker_ = &worker; }
    // The picture scaled smoothly to `size` logical pixels, sharp on a screen
    // with `dpr` device pixels per logical pixel.
    QPixmap scaled(const forms::Bitmap& picture, QSize size, qreal dpr);

    std::size_t size() const { return entries_.size(); }

private:
    struct Entry {
        std::weak_ptr<const forms::Image> image;
        QPixmap pixmap;
    };
    void dropExpired();
    std::map<const forms::Image*, Entry> entries_;
    forms::Worker* worker_ = nullptr;
};

// 0xBBGGRR as a QColor.
QColor ColorOf(long bgr);

}  // namespace ui
