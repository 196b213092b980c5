#pragma once
// The picture formats the game reads: JPEG (libjpeg-turbo) and PNG (libpng).
// Nothing else is decoded: every byte of a picture file comes from a game
// folder that anyone may have edited, and only these two decoders are fuzzed.

#include <cstddef>
#include <optional>
#include <vector>

#include "forms/picture.h"

namespace forms {

// Limits of a picture the game accepts: no window is larger than a screen,
// and the decoded pixels of the whole stock must fit in memory.
constexpr int MaxPictureSide = 8192;
constexpr std::size_t MaxPictureBytes = std::size_t(64) << 20;  // decoded, 4 bytes a pixel

struct PictureSize {
    int width = 0;
    int height = 0;
    bool opaque = false;  // every pixel opaque, whatever the file holds (JPEG)
};

// The size a JPEG or PNG header announces. nullopt for any other data, a
// damaged header, and a picture beyond the limits above.
std::optional<PictureSize> ReadPictureSize(const unsigned char* data, std::size_t size);

// The pixels (forms/picture.h: premultiplied 0xAARRGGBB), rows top to
// bottom, of exactly the size that ReadPictureSize gives. nullopt when the
// header is refused or the body cannot be read to the end.
std::optional<PixelWords> DecodePicturePixels(const unsigned char* data, std::size_t size);

}  // namespace forms
