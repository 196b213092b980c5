#include "forms/picture_codec.h"

#include <bit>
#include <csetjmp>
#include <cstdio>
#include <cstring>

#include <jpeglib.h>
#include <png.h>

namespace forms {
namespace {

// Both libraries report errors by longjmp. The functions that call setjmp
// hold only plain locals and write only into memory their caller owns, so
// nothing with a destructor is skipped by the jump.

bool Acceptable(long long width, long long height) {
    return width > 0 && height > 0 && width <= MaxPictureSide && height <= MaxPictureSide &&
           width * height * 4 <= (long long)MaxPictureBytes;
}

// --- JPEG -------------------------------------------------------------------

// A progressive file may announce any number of scans, each of which makes
// the decoder walk the whole picture again; real pictures have a handful.
constexpr int MaxJpegScans = 256;

struct JpegError {
    jpeg_error_mgr mgr;
    std::jmp_buf jump;
};

void JpegFail(j_common_ptr info) { std::longjmp(reinterpret_cast<JpegError*>(info->err)->jump, 1); }
void JpegQuiet(j_common_ptr, int) {}
void JpegNoOutput(j_common_ptr) {}

struct JpegProgress {
    jpeg_progress_mgr mgr;
};

void JpegScanLimit(j_common_ptr info) {
    if (info->is_decompressor) {
        auto* d = reinterpret_cast<j_decompress_ptr>(info);
        if (d->input_scan_number > MaxJpegScans) JpegFail(info);
    }
}

void JpegSetUp(jpeg_decompress_struct& info, JpegError& err, JpegProgress& progress) {
    info.err = jpeg_std_error(&err.mgr);
    err.mgr.error_exit = JpegFail;
    err.mgr.emit_message = JpegQuiet;
    err.mgr.output_message = JpegNoOutput;
    jpeg_create_decompress(&info);
    progress.mgr.progress_monitor = JpegScanLimit;
    info.progress = &progress.mgr;
    // Enough for any picture within the limits, refused beyond that.
    info.mem->max_memory_to_use = 4 * (long)MaxPictureBytes;
}

bool JpegHeader(const unsigned char* data, std::size_t size, PictureSize& out) {
    jpeg_decompress_struct info;
    JpegError err;
    JpegProgress progress;
    std::memset(&info, 0, sizeof info);
    if (setjmp(err.jump)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    JpegSetUp(info, err, progress);
    jpeg_mem_src(&info, data, (unsigned long)size);
    jpeg_read_header(&info, TRUE);
    out.width = int(info.image_width);
    out.height = int(info.image_height);
    out.opaque = true;
    const bool known = info.num_components >= 1 && info.num_components <= 4;
    jpeg_destroy_decompress(&info);
    return known;
}

// `row` holds at least width * 4 bytes; `out` width * height * 4, written
// as blue, green, red, alpha bytes.
bool JpegPixels(const unsigned char* data, std::size_t size, const PictureSize& expect, unsigned char* out,
                unsigned char* row) {
    jpeg_decompress_struct info;
    JpegError err;
    JpegProgress progress;
    std::memset(&info, 0, sizeof info);
    if (setjmp(err.jump)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    JpegSetUp(info, err, progress);
    jpeg_mem_src(&info, data, (unsigned long)size);
    jpeg_read_header(&info, TRUE);
    const bool cmyk = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
    info.out_color_space = cmyk ? JCS_CMYK : JCS_EXT_BGRA;
    jpeg_start_decompress(&info);
    if (int(info.output_width) != expect.width || int(info.output_height) != expect.height ||
        info.output_components != 4)
        JpegFail(reinterpret_cast<j_common_ptr>(&info));
    const std::size_t stride = std::size_t(expect.width) * 4;
    while (info.output_scanline < info.output_height) {
        unsigned char* target = out + std::size_t(info.output_scanline) * stride;
        JSAMPROW rows[1] = {cmyk ? row : target};
        if (jpeg_read_scanlines(&info, rows, 1) != 1) JpegFail(reinterpret_cast<j_common_ptr>(&info));
        if (cmyk) {
            // Adobe's CMYK pictures store the inks inverted.
            for (std::size_t x = 0; x < stride; x += 4) {
                const unsigned k = row[x + 3];
                target[x] = static_cast<unsigned char>(row[x + 2] * k / 255);
                target[x + 1] = static_cast<unsigned char>(row[x + 1] * k / 255);
                target[x + 2] = static_cast<unsigned char>(row[x] * k / 255);
                target[x + 3] = 0xFF;
            }
        }
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

// --- PNG --------------------------------------------------------------------

struct PngInput {
    const unsigned char* data;
    std::size_t size;
    std::size_t at;
};

void PngRead(png_structp png, png_bytep target, png_size_t count) {
    auto* in = static_cast<PngInput*>(png_get_io_ptr(png));
    if (count > in->size - in->at) png_error(png, "truncated");
    std::memcpy(target, in->data + in->at, count);
    in->at += count;
}

void PngFail(png_structp png, png_const_charp) { png_longjmp(png, 1); }
void PngQuiet(png_structp, png_const_charp) {}

png_structp PngOpen(PngInput* input) {
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, PngFail, PngQuiet);
    if (!png) return nullptr;
    png_set_read_fn(png, input, PngRead);
    png_set_user_limits(png, MaxPictureSide, MaxPictureSide);
    // Text and colour-profile chunks are never used; keep them from taking memory.
    png_set_chunk_malloc_max(png, 8 << 20);
    png_set_keep_unknown_chunks(png, PNG_HANDLE_CHUNK_NEVER, nullptr, 0);
    return png;
}

// Applies the conversions to 8-bit blue, green, red, alpha; the row size
// must then be width * 4.
void PngToBgra(png_structp png, png_infop info) {
    const png_byte type = png_get_color_type(png, info);
    if (png_get_bit_depth(png, info) == 16) png_set_strip_16(png);
    if (type == PNG_COLOR_TYPE_PALETTE) png_set_palette_to_rgb(png);
    if (type == PNG_COLOR_TYPE_GRAY && png_get_bit_depth(png, info) < 8) png_set_expand_gray_1_2_4_to_8(png);
    if (png_get_valid(png, info, PNG_INFO_tRNS)) png_set_tRNS_to_alpha(png);
    if (type == PNG_COLOR_TYPE_GRAY || type == PNG_COLOR_TYPE_GRAY_ALPHA) png_set_gray_to_rgb(png);
    png_set_add_alpha(png, 0xFF, PNG_FILLER_AFTER);
    png_set_bgr(png);
}

bool PngHeader(const unsigned char* data, std::size_t size, PictureSize& out) {
    PngInput input{data, size, 0};
    png_structp png = PngOpen(&input);
    if (!png) return false;
    png_infop info = png_create_info_struct(png);
    if (!info || setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, &info, nullptr);
        return false;
    }
    png_read_info(png, info);
    out.width = int(png_get_image_width(png, info));
    out.height = int(png_get_image_height(png, info));
    png_destroy_read_struct(&png, &info, nullptr);
    return true;
}

bool PngPixels(const unsigned char* data, std::size_t size, const PictureSize& expect, unsigned char* out) {
    PngInput input{data, size, 0};
    png_structp png = PngOpen(&input);
    if (!png) return false;
    png_infop info = png_create_info_struct(png);
    if (!info || setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, &info, nullptr);
        return false;
    }
    png_read_info(png, info);
    PngToBgra(png, info);
    const int passes = png_set_interlace_handling(png);
    png_read_update_info(png, info);
    const std::size_t stride = std::size_t(expect.width) * 4;
    if (int(png_get_image_width(png, info)) != expect.width || int(png_get_image_height(png, info)) != expect.height ||
        png_get_rowbytes(png, info) != stride)
        png_error(png, "unexpected layout");
    // Interlaced pictures fill each row over several passes in place.
    for (int pass = 0; pass < passes; ++pass)
        for (int y = 0; y < expect.height; ++y) png_read_row(png, out + std::size_t(y) * stride, nullptr);
    png_destroy_read_struct(&png, &info, nullptr);
    return true;
}

enum class Format { None, Jpeg, Png };

Format FormatOf(const unsigned char* data, std::size_t size) {
    static const unsigned char png[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    if (size >= 8 && std::memcmp(data, png, 8) == 0) return Format::Png;
    if (size >= 3 && data[0] == 0xFF && data[1] == 0xD8 && data[2] == 0xFF) return Format::Jpeg;
    return Format::None;
}

}  // namespace

std::optional<PictureSize> ReadPictureSize(const unsigned char* data, std::size_t size) {
    PictureSize s;
    bool read = false;
    switch (FormatOf(data, size)) {
        case Format::Jpeg: read = JpegHeader(data, size, s); break;
        case Format::Png: read = PngHeader(data, size, s); break;
        case Format::None: break;
    }
    if (!read || !Acceptable(s.width, s.height)) return std::nullopt;
    return s;
}

std::optional<PixelWords> DecodePicturePixels(const unsigned char* data, std::size_t size) {
    const auto s = ReadPictureSize(data, size);
    if (!s) return std::nullopt;
    PixelWords pixels(std::size_t(s->width) * std::size_t(s->height));
    auto* bytes = reinterpret_cast<unsigned char*>(pixels.data());
    bool done = false;
    if (FormatOf(data, size) == Format::Jpeg) {
        std::vector<unsigned char> row(std::size_t(s->width) * 4);
        done = JpegPixels(data, size, *s, bytes, row.data());
    } else {
        done = PngPixels(data, size, *s, bytes);
    }
    if (!done) return std::nullopt;
    // Blue, green, red, alpha bytes are the word 0xAARRGGBB where the low
    // byte comes first; elsewhere the bytes turn round.
    if constexpr (std::endian::native == std::endian::big)
        for (Pixel& p : pixels) p = (p >> 24) | (p >> 8 & 0xFF00) | (p << 8 & 0xFF0000) | (p << 24);
    // A JPEG has no alpha: nothing to premultiply in a megabyte of pixels.
    if (s->opaque) return pixels;
    for (Pixel& p : pixels)
        if (const unsigned alpha = p >> 24; alpha != 0xFF)
            p = PixelOf(p >> 16 & 0xFF, p >> 8 & 0xFF, p & 0xFF, alpha);
    return pixels;
}

}  // namespace forms
