// Picture decoding: colours and layout of decoded pixels, and every kind of damaged
// or unsuitable input ending in a JpegError rather than a crash or an exit.
#include <gtest/gtest.h>

#include <cstdio>
#include <vector>

#include <jpeglib.h>

#include "runner/JpegDecoder.h"

namespace {

using zuno::runner::DecodeJpeg;
using zuno::runner::JpegError;

// Encodes a w x h picture whose left half is pure red and right half pure blue.
std::vector<uint8_t> EncodeHalves(int w, int h, bool gray = false) {
    jpeg_compress_struct c{};
    jpeg_error_mgr err{};
    c.err = jpeg_std_error(&err);
    jpeg_create_compress(&c);
    unsigned char* buf = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&c, &buf, &size);
    c.image_width = w;
    c.image_height = h;
    c.input_components = gray ? 1 : 3;
    c.in_color_space = gray ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_set_defaults(&c);
    jpeg_set_quality(&c, 95, TRUE);
    jpeg_start_compress(&c, TRUE);
    std::vector<uint8_t> row(static_cast<size_t>(w) * c.input_components);
    for (int x = 0; x < w; ++x) {
        if (gray) {
            row[x] = x < w / 2 ? 40 : 200;
        } else {
            row[3 * x] = x < w / 2 ? 255 : 0;
            row[3 * x + 2] = x < w / 2 ? 0 : 255;
        }
    }
    while (c.next_scanline < c.image_height) {
        JSAMPROW r = row.data();
        jpeg_write_scanlines(&c, &r, 1);
    }
    jpeg_finish_compress(&c);
    jpeg_destroy_compress(&c);
    std::vector<uint8_t> out(buf, buf + size);
    free(buf);
    return out;
}

bool Near(uint32_t pixel, uint32_t rgb) {
    for (int shift : {0, 8, 16}) {
        const int a = (pixel >> shift) & 0xFF, b = (rgb >> shift) & 0xFF;
        if (a - b > 24 || b - a > 24) return false;
    }
    return (pixel >> 24) == 0;
}

TEST(JpegDecoder, DecodesColourPicturesTopDownAsRgb) {
    const auto pic = DecodeJpeg(EncodeHalves(64, 32));
    ASSERT_EQ(pic.width, 64);
    ASSERT_EQ(pic.height, 32);
    EXPECT_TRUE(Near(pic.pixels[8], 0xFF0000)) << std::hex << pic.pixels[8];
    EXPECT_TRUE(Near(pic.pixels[31 * 64 + 60], 0x0000FF)) << std::hex << pic.pixels[31 * 64 + 60];
}

TEST(JpegDecoder, DecodesGreyPicturesAsEqualChannels) {
    const auto pic = DecodeJpeg(EncodeHalves(32, 8, true));
    EXPECT_TRUE(Near(pic.pixels[2], 0x282828));
    EXPECT_TRUE(Near(pic.pixels[30], 0xC8C8C8));
}

TEST(JpegDecoder, RefusesDamagedAndForeignInput) {
    const auto good = EncodeHalves(64, 64);
    struct Case {
        const char* what;
        std::vector<uint8_t> bytes;
    };
    std::vector<uint8_t> noisyScan = good;
    for (size_t i = noisyScan.size() / 2; i < noisyScan.size(); ++i) noisyScan[i] = 0xFF;
    const std::vector<Case> cases = {
        {"empty", {}},
        {"a BMP file", {'B', 'M', 0, 0, 0, 0, 0, 0}},
        {"SOI marker only", {0xFF, 0xD8}},
        {"header cut short", {good.begin(), good.begin() + 40}},
        {"scan cut in half", {good.begin(), good.begin() + good.size() / 2}},
        {"scan overwritten with markers", noisyScan},
    };
    for (const auto& c : cases) EXPECT_THROW(DecodeJpeg(c.bytes), JpegError) << c.what;
}

TEST(JpegDecoder, RefusesPicturesTooLargeToAllocate) {
    auto big = EncodeHalves(16, 16);
    // The SOF0 frame header holds height and width as big-endian 16-bit values.
    for (size_t i = 0; i + 8 < big.size(); ++i) {
        if (big[i] == 0xFF && big[i + 1] == 0xC0) {
            big[i + 5] = 0xFF, big[i + 6] = 0xF0;  // height 65520
            big[i + 7] = 0xFF, big[i + 8] = 0xF0;  // width 65520
            break;
        }
    }
    EXPECT_THROW(DecodeJpeg(big), JpegError);
}

}  // namespace
