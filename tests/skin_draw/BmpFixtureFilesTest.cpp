// BMP files written by another program (ImageMagick, see fixtures/make_fixtures.sh):
// each header form and bit depth it produces must decode to the test card it was
// made from; its RLE8 file must be refused.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "skin/draw/BmpDecoder.h"

namespace zuno::skin {
namespace {

// fixtures/colours.ppm, row by row.
const Pixel32 kCard[3][5] = {
    {0xFF0000, 0x00FF00, 0x0000FF, 0xFF00FF, 0x123456},
    {0x000000, 0xFFFFFF, 0x808080, 0xFFFF00, 0x00FFFF},
    {0x563412, 0xF01080, 0xC86432, 0x3264C8, 0xFF00FF},
};

std::vector<std::uint8_t> ReadFixture(const std::string& name) {
    std::ifstream in("fixtures/" + name, std::ios::binary);
    EXPECT_TRUE(in.good()) << "missing fixture " << name;
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

int Distance(Pixel32 a, Pixel32 b) {
    return std::max({std::abs(PixelRed(a) - PixelRed(b)), std::abs(PixelGreen(a) - PixelGreen(b)),
                     std::abs(PixelBlue(a) - PixelBlue(b))});
}

TEST(BmpFromAnotherWriter, DecodesToTheTestCard) {
    struct Case {
        const char* file;
        int tolerance;  // per channel: 16-bit files keep 5 or 6 bits
        const char* note;
    };
    const Case cases[] = {
        {"im_rgb24_v3.bmp", 0, "24 bits, BITMAPINFOHEADER"},
        {"im_rgb24_v5.bmp", 0, "24 bits, V5 header"},
        {"im_argb32_v5.bmp", 0, "32 bits, bit fields, 50% alpha: alpha must not alter colours"},
        {"im_pal4_v3.bmp", 0, "4 bits, 13-colour table"},
        {"im_rgb565_v5.bmp", 8, "16 bits, 5-6-5 bit fields"},
        {"im_rgb555_v5.bmp", 8, "16 bits, 5-5-5 bit fields"},
        {"im_rgb24_os2.bmp", 0, "OS/2 core header, 24 bits"},
        {"im_pal4_os2.bmp", 0, "OS/2 core header, 3-byte colour table"},
    };
    for (const Case& c : cases) {
        const SkinBitmap b = DecodeBmp(ReadFixture(c.file));
        ASSERT_EQ(b.Width(), 5) << c.file;
        ASSERT_EQ(b.Height(), 3) << c.file;
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 5; ++x)
                EXPECT_LE(Distance(b.Pixel(x, y), kCard[y][x]), c.tolerance)
                    << c.file << " (" << c.note << ") at " << x << "," << y << ": " << std::hex
                    << b.Pixel(x, y);
    }
}

TEST(BmpFromAnotherWriter, OneBitFile) {
    const SkinBitmap b = DecodeBmp(ReadFixture("im_mono1_v3.bmp"));
    // fixtures/mono.pbm: 1 is black.
    const int bits[2][9] = {{1, 0, 1, 1, 0, 0, 0, 0, 1}, {0, 0, 0, 0, 0, 0, 0, 1, 0}};
    ASSERT_EQ(b.Width(), 9);
    ASSERT_EQ(b.Height(), 2);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 9; ++x)
            EXPECT_EQ(b.Pixel(x, y), bits[y][x] ? 0x000000u : 0xFFFFFFu) << x << "," << y;
}

TEST(BmpFromAnotherWriter, RleFileIsRefusedWithAClearMessage) {
    try {
        (void)DecodeBmp(ReadFixture("im_rle8_v3.bmp"));
        ADD_FAILURE() << "RLE8 file decoded";
    } catch (const BmpError& e) {
        EXPECT_STREQ(e.what(), "BMP: RLE compression is not supported");
    }
}

}  // namespace
}  // namespace zuno::skin
