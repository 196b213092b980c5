#pragma once
// Pictures as the forms see them: a name the game can report and, when the
// picture was really decoded, its pixels. Copies share the pixels.

#include <memory>
#include <string>
#include <vector>

namespace forms {

constexpr int TwipsPerPixel = 15;

// Decoded pixels, 8-bit RGBA, rows top to bottom.
struct Image {
    int width = 0;
    int height = 0;
    std::vector<unsigned char> rgba;
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
