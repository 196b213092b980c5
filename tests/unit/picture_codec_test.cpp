// The picture decoder: JPEG and PNG only, size limits on the header, damaged
// bodies read as no pixels rather than as memory that is not theirs.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <png.h>
#include <zlib.h>

#include "forms/picture_codec.h"
#include "forms/services.h"
#include "test_game.h"

namespace {

using namespace forms;
using testing_support::PictureBytes;
using testing_support::TestFolder;

std::optional<PictureSize> SizeOf(const std::string& bytes) {
    return ReadPictureSize(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
}
std::optional<PixelWords> PixelsOf(const std::string& bytes) {
    return DecodePicturePixels(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
}

void PutBig32(std::string& s, std::size_t at, unsigned v) {
    for (int i = 0; i < 4; ++i) s[at + std::size_t(i)] = char((v >> (24 - 8 * i)) & 0xFF);
}

// A 1 x 1 PNG whose header announces another size (the IHDR's CRC fixed up).
std::string PngAnnouncing(unsigned width, unsigned height) {
    std::string s = PictureBytes(1, 1);
    PutBig32(s, 16, width);
    PutBig32(s, 20, height);
    const uLong crc = crc32(0, reinterpret_cast<const Bytef*>(s.data() + 12), 17);
    PutBig32(s, 29, unsigned(crc));
    return s;
}

std::string PngOf(png_uint_32 format, int width, int height, const std::vector<unsigned char>& pixels) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = png_uint_32(width);
    image.height = png_uint_32(height);
    image.format = format;
    png_alloc_size_t size = 0;
    png_image_write_to_memory(&image, nullptr, &size, 0, pixels.data(), 0, nullptr);
    std::string bytes(size, '\0');
    EXPECT_TRUE(png_image_write_to_memory(&image, bytes.data(), &size, 0, pixels.data(), 0, nullptr));
    bytes.resize(size);
    return bytes;
}

std::string FileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

TEST(PictureCodec, TheHeaderIsRefusedBeyondTheSideAndMemoryLimits) {
    const struct {
        unsigned width, height;
        bool accepted;
    } cases[] = {
        {1, 1, true},         {8192, 1, true},     {1, 8192, true},       {8193, 1, false},
        {1, 8193, false},     {8192, 2048, true},  {8192, 2049, false},   {2048, 8192, true},
        {0x7FFFFFFF, 1, false}, {4096, 4097, false},
    };
    for (const auto& c : cases) {
        const auto size = SizeOf(PngAnnouncing(c.width, c.height));
        EXPECT_EQ(size.has_value(), c.accepted) << c.width << " x " << c.height;
        if (size && c.accepted) {
            EXPECT_EQ(size->width, int(c.width));
            EXPECT_EQ(size->height, int(c.height));
        }
    }
}

TEST(PictureCodec, OnlyJpegAndPngAreRead) {
    std::string tga(18, '\0');
    tga[2] = 2;  // true colour
    tga[12] = tga[13] = tga[14] = tga[15] = char(0xFF);
    tga[16] = 32;
    tga += "abc";  // 21 bytes announcing 65535 x 65535
    const std::string refused[] = {
        "",
        "BM6\0\0\0\0\0\0\0" + std::string(44, '\0'),
        "GIF89a\x01\0\x01\0\0\0\0;",
        tga,
        "P5\n65535 65535\n65535\n\x01\x02",
        "\xFF\xD8\xFF",                      // a JPEG start and nothing more
        "\xFF\xD8\xFF\xDB\0\x43\0\x01\x01",  // a 9-byte JPEG with a cut quantisation table
        PictureBytes(4, 3).substr(0, 30),    // a PNG cut inside its header
    };
    for (const std::string& bytes : refused) {
        EXPECT_FALSE(SizeOf(bytes)) << bytes.size() << " bytes";
        EXPECT_FALSE(PixelsOf(bytes)) << bytes.size() << " bytes";
    }
}

TEST(PictureCodec, PngColourKindsAllBecomePremultipliedArgbWords) {
    const struct {
        png_uint_32 format;
        std::vector<unsigned char> pixels;  // 2 x 1
        std::vector<Pixel> words;
    } cases[] = {
        {PNG_FORMAT_RGB, {10, 20, 30, 40, 50, 60}, {0xFF0A141E, 0xFF28323C}},
        {PNG_FORMAT_RGBA, {10, 20, 30, 0, 40, 50, 60, 128}, {0x00000000, 0x8014191E}},
        {PNG_FORMAT_GRAY, {0x80, 0x10}, {0xFF808080, 0xFF101010}},
        {PNG_FORMAT_GA, {0x80, 7, 0x10, 9}, {0x07040404, 0x09010101}},
        // 16 bits a sample are cut to 8: white, black.
        {PNG_FORMAT_LINEAR_Y, {0xFF, 0xFF, 0, 0}, {0xFFFFFFFF, 0xFF000000}},
    };
    for (const auto& c : cases) {
        const auto words = PixelsOf(PngOf(c.format, 2, 1, c.pixels));
        ASSERT_TRUE(words) << c.format;
        EXPECT_EQ(std::vector<Pixel>(words->begin(), words->end()), c.words) << c.format;
    }
}

TEST(PictureCodec, AJpegOfTheGameFolderDecodesToItsHeaderSize) {
    const std::string jpeg = FileBytes(std::string(KLEV_GAMEDATA_DIR) + "/Data/Maps/lake/Loc1/Scene.scn");
    const auto size = SizeOf(jpeg);
    ASSERT_TRUE(size);
    EXPECT_EQ(size->width, 640);
    EXPECT_EQ(size->height, 380);
    EXPECT_TRUE(size->opaque) << "known from the format, before decoding";
    EXPECT_FALSE(SizeOf(PictureBytes(4, 3))->opaque) << "a PNG may hold alpha";
    const auto words = PixelsOf(jpeg);
    ASSERT_TRUE(words);
    ASSERT_EQ(words->size(), 640u * 380u);
    EXPECT_TRUE(std::all_of(words->begin(), words->end(), [](Pixel p) { return p >> 24 == 0xFF; })) << "opaque";
    EXPECT_NE((*words)[0] & 0xFFFFFF, 0u);
}

TEST(PictureCodec, ADamagedBodyGivesNoPixelsAndTheLoaderShowsItBlank) {
    std::string png = PictureBytes(4, 3);
    const std::size_t idat = png.find("IDAT");
    ASSERT_NE(idat, std::string::npos);
    png.resize(idat + 6);  // the header is whole, the pixel data cut
    EXPECT_TRUE(SizeOf(png));
    EXPECT_FALSE(PixelsOf(png));

    TestFolder f;
    f.writeBytes("cut.png", png);
    FilePictures pictures;
    const Bitmap b = pictures.Load(f.game() / "cut.png", "\\cut.png");
    ASSERT_TRUE(b.image);
    ASSERT_EQ(b.image->pixels.size(), 12u);
    EXPECT_EQ(std::vector<Pixel>(b.image->pixels.begin(), b.image->pixels.end()), std::vector<Pixel>(12, 0));
}

TEST(PictureCodec, TheLoaderRefusesOversizedPicturesAndFilesNamingThem) {
    TestFolder f;
    f.writeBytes("wide.png", PngAnnouncing(9000, 10));
    {
        // A file larger than any picture the game takes is not even read.
        std::ofstream big(f.game() / "big.jpg", std::ios::binary);
        big << "\xFF\xD8\xFF";
    }
    std::filesystem::resize_file(f.game() / "big.jpg", MaxPictureBytes + 1);
    FilePictures pictures;
    for (const char* name : {"wide.png", "big.jpg"}) {
        try {
            pictures.Load(f.game() / name, std::string("\\images\\") + name);
            ADD_FAILURE() << name << " was loaded";
        } catch (const PictureError& e) {
            EXPECT_EQ(std::string(e.what()), std::string("not a loadable picture: \\images\\") + name);
        }
    }
}

}  // namespace
