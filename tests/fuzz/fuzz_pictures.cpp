// The picture decoder: every file of "\images\" and every place picture.
#include "forms/picture_codec.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto header = forms::ReadPictureSize(data, size);
    const auto pixels = forms::DecodePicturePixels(data, size);
    if (pixels && (!header || pixels->size() != std::size_t(header->width) * std::size_t(header->height)))
        fuzz::Violated();
    return 0;
}
