// JPEG checks: good data passes; damaged, foreign and CMYK data is refused with a
// reason, and never ends the process.
#include <gtest/gtest.h>

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

#include "authoring/common/Jpeg.h"

namespace zuno::authoring {
namespace {

std::vector<uint8_t> Sample(int w, int h) {
    std::vector<uint8_t> rgb(static_cast<size_t>(w) * h * 3);
    for (size_t i = 0; i < rgb.size(); ++i) rgb[i] = static_cast<uint8_t>((i * 37) ^ (i >> 5));
    return EncodeJpeg(rgb.data(), w, h, 85);
}

// A CMYK JPEG written directly with libjpeg (the tools never write one).
std::vector<uint8_t> CmykSample() {
    jpeg_compress_struct cinfo;
    jpeg_error_mgr err;
    cinfo.err = jpeg_std_error(&err);
    jpeg_create_compress(&cinfo);
    unsigned char* out = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &out, &size);
    cinfo.image_width = 8;
    cinfo.image_height = 8;
    cinfo.input_components = 4;
    cinfo.in_color_space = JCS_CMYK;
    jpeg_set_defaults(&cinfo);
    jpeg_start_compress(&cinfo, TRUE);
    std::vector<uint8_t> row(8 * 4, 100);
    while (cinfo.next_scanline < 8) {
        JSAMPROW r = row.data();
        jpeg_write_scanlines(&cinfo, &r, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    std::vector<uint8_t> bytes(out, out + size);
    free(out);
    return bytes;
}

TEST(CheckJpeg, GoodPictureGivesItsSize) {
    const std::vector<uint8_t> jpeg = Sample(40, 24);
    const JpegCheck check = CheckJpeg(jpeg.data(), jpeg.size());
    EXPECT_TRUE(check.ok) << check.error;
    EXPECT_EQ(check.width, 40);
    EXPECT_EQ(check.height, 24);
}

TEST(CheckJpeg, BadDataIsRefused) {
    const std::vector<uint8_t> good = Sample(64, 64);
    std::vector<uint8_t> corrupt = good;
    for (size_t i = good.size() / 2; i < good.size() - 2; ++i) corrupt[i] = 0xFF;
    const std::string png = "\x89PNG\r\n\x1a\n0000";
    const std::vector<std::pair<const char*, std::vector<uint8_t>>> cases = {
        {"empty", {}},
        {"text", std::vector<uint8_t>(png.begin(), png.end())},
        {"header only", std::vector<uint8_t>(good.begin(), good.begin() + 200)},
        {"cut in half", std::vector<uint8_t>(good.begin(), good.begin() + good.size() / 2)},
        {"scan data overwritten", corrupt},
        {"CMYK", CmykSample()},
    };
    for (const auto& [what, bytes] : cases) {
        const JpegCheck check = CheckJpeg(bytes.data(), bytes.size());
        EXPECT_FALSE(check.ok) << what;
        EXPECT_FALSE(check.error.empty()) << what;
    }
}

}  // namespace
}  // namespace zuno::authoring
