#pragma once
// The program's own pictures (rod frames, empty slot, highlighted marker,
// groundbait packs, panel icons), compiled into the executable.

#include <vector>

namespace klev {

struct EmbeddedPicture {
    const char* name;
    const unsigned char* begin;
    const unsigned char* end;
};

const std::vector<EmbeddedPicture>& EmbeddedPictures();

}  // namespace klev
