// Decoding every BMP variant skin authors produce (bit depths, row order, colour
// tables, bit-field masks, header forms) and the 24-bit encoder's output.

#include <gtest/gtest.h>

#include <vector>

#include "skin/draw/BmpDecoder.h"
#include "skin/draw/BmpEncoder.h"
#include "tests/skin_draw/TestBmp.h"

namespace zuno::skin {
namespace {

using test::BmpSpec;
using test::BuildBmp;
using Rows = std::vector<std::vector<Pixel32>>;

Rows PixelsOf(const SkinBitmap& b) {
    Rows rows;
    for (int y = 0; y < b.Height(); ++y) {
        std::vector<Pixel32> row;
        for (int x = 0; x < b.Width(); ++x) row.push_back(b.Pixel(x, y));
        rows.push_back(row);
    }
    return rows;
}

constexpr Pixel32 kRed = 0xFF0000, kGreen = 0x00FF00, kBlue = 0x0000FF, kWhite = 0xFFFFFF;
constexpr Pixel32 kOdd = 0x123456;  // asymmetric: catches swapped red and blue

TEST(BmpTrueColour, TwentyFourBitRowOrderAndPadding) {
    // 3 pixels = 9 bytes per row, padded to 12; the top row must come out first.
    const Rows image = {{kRed, kGreen, kBlue}, {kOdd, kWhite, 0}};
    for (int sign : {1, -1}) {
        const BmpSpec spec{.width = 3, .height = 2 * sign, .bitsPerPixel = 24, .rows = image};
        EXPECT_EQ(PixelsOf(DecodeBmp(BuildBmp(spec))), image)
            << (sign > 0 ? "bottom-up" : "top-down");
    }
}

TEST(BmpTrueColour, ThirtyTwoBitAlphaIsIgnored) {
    // Skin bitmaps are opaque: neither an all-zero alpha nor a partial one may darken,
    // premultiply or otherwise change a pixel, and the unused byte comes out 0.
    for (std::uint32_t alpha : {0x00u, 0x80u, 0xFFu}) {
        const std::uint32_t a = alpha << 24;
        const BmpSpec spec{.width = 2, .height = 2, .bitsPerPixel = 32,
                           .rows = {{a | kOdd, a | kRed}, {a | 0xFF00FF, a | 0x010203}}};
        EXPECT_EQ(PixelsOf(DecodeBmp(BuildBmp(spec))), (Rows{{kOdd, kRed}, {0xFF00FF, 0x010203}}))
            << "alpha " << alpha;
    }
}

TEST(BmpTrueColour, BitfieldMasksPlaceTheChannels) {
    struct Case {
        std::uint32_t headerSize;
        std::vector<std::uint32_t> masks;
        std::uint32_t raw;
        const char* note;
    };
    const Case cases[] = {
        {40, {0xFF0000, 0x00FF00, 0x0000FF}, 0x00123456, "masks after a 40-byte header"},
        {40, {0x0000FF, 0x00FF00, 0xFF0000}, 0x00563412, "red in the low byte"},
        {40, {0xFF000000, 0x00FF0000, 0x0000FF00}, 0x12345600, "channels in the high bytes"},
        {124,
         {0xFF0000, 0x00FF00, 0x0000FF, 0xFF000000},
         0x00123456,
         "V5 header, alpha mask, alpha 0"},
        {108, {0xFF0000, 0x00FF00, 0x0000FF, 0xFF000000}, 0x7F123456, "V4 header, half alpha"},
        {56, {0xFF0000, 0x00FF00, 0x0000FF, 0}, 0x00123456, "V3 header"},
    };
    for (const Case& c : cases) {
        const BmpSpec spec{.width = 1, .height = 1, .bitsPerPixel = 32, .compression = 3,
                           .headerSize = c.headerSize, .masks = c.masks, .rows = {{c.raw}}};
        EXPECT_EQ(DecodeBmp(BuildBmp(spec)).Pixel(0, 0), kOdd) << c.note;
    }
}

TEST(BmpTrueColour, SixteenBitDefaultsAndMasks) {
    // 5-bit channels widen by repeating their top bits, as GDI does: 10000 -> 10000100.
    const BmpSpec rgb555{.width = 4, .height = 1, .bitsPerPixel = 16,
                         .rows = {{0x7C00, 0x03E0, 0x001F, 0x4210}}};
    EXPECT_EQ(PixelsOf(DecodeBmp(BuildBmp(rgb555))), (Rows{{kRed, kGreen, kBlue, 0x848484}}));
    const BmpSpec rgb565{.width = 3, .height = -1, .bitsPerPixel = 16, .compression = 3,
                         .masks = {0xF800, 0x07E0, 0x001F}, .rows = {{0xF800, 0x07E0, 0x001F}}};
    EXPECT_EQ(PixelsOf(DecodeBmp(BuildBmp(rgb565))), (Rows{{kRed, kGreen, kBlue}}));
}

TEST(BmpPalette, EightFourAndOneBit) {
    struct Case {
        int bpp;
        int width;
        std::vector<std::uint32_t> palette;
        std::vector<std::vector<std::uint32_t>> indices;
        const char* note;
    };
    const std::vector<std::uint32_t> three = {kOdd, kRed, kBlue};
    const Case cases[] = {
        {8, 3, three, {{0, 1, 2}, {2, 2, 0}}, "8 bits, short table"},
        {4, 5, three, {{0, 1, 2, 1, 0}, {2, 0, 0, 0, 1}}, "4 bits, odd width splits a byte"},
        {1, 9, {kOdd, kWhite}, {{1, 0, 1, 1, 0, 0, 0, 0, 1}, {0, 0, 0, 0, 0, 0, 0, 1, 0}},
         "1 bit, row crosses a byte"},
    };
    for (const Case& c : cases) {
        Rows expected;
        for (const auto& row : c.indices) {
            expected.emplace_back();
            for (std::uint32_t i : row) expected.back().push_back(c.palette[i]);
        }
        for (int sign : {1, -1}) {
            const BmpSpec spec{.width = c.width, .height = 2 * sign, .bitsPerPixel = c.bpp,
                               .palette = c.palette,
                               .colorsUsed = static_cast<std::uint32_t>(c.palette.size()),
                               .rows = c.indices};
            EXPECT_EQ(PixelsOf(DecodeBmp(BuildBmp(spec))), expected)
                << c.note << (sign > 0 ? ", bottom-up" : ", top-down");
        }
    }
}

TEST(BmpPalette, FullTableWhenColoursUsedIsZero) {
    std::vector<std::uint32_t> palette(256);
    for (std::uint32_t i = 0; i < 256; ++i) palette[i] = i * 0x010101u ^ 0x00A000u;
    const BmpSpec spec{.width = 2, .height = 1, .bitsPerPixel = 8, .palette = palette,
                       .rows = {{255, 7}}};
    EXPECT_EQ(PixelsOf(DecodeBmp(BuildBmp(spec))), (Rows{{palette[255], palette[7]}}));
}

TEST(BmpHeaders, Os2CoreHeaderWithThreeByteColourTable) {
    // Index 255 is the last entry of a full 3-byte table: a reader that sizes the table
    // wrongly shows garbage there.
    std::vector<std::uint32_t> palette(256, 0);
    palette[255] = kOdd;
    palette[1] = kGreen;
    const BmpSpec paletted{.width = 2, .height = 1, .bitsPerPixel = 8, .headerSize = 12,
                           .palette = palette, .rows = {{255, 1}}};
    EXPECT_EQ(PixelsOf(DecodeBmp(BuildBmp(paletted))), (Rows{{kOdd, kGreen}}));
    const BmpSpec trueColour{.width = 1, .height = 2, .bitsPerPixel = 24, .headerSize = 12,
                             .rows = {{kOdd}, {kBlue}}};
    EXPECT_EQ(PixelsOf(DecodeBmp(BuildBmp(trueColour))), (Rows{{kOdd}, {kBlue}}));
}

TEST(BmpHeaders, GapBeforeThePixelDataIsSkipped) {
    // Some writers leave room (or a colour table) between the headers and the pixels;
    // the data offset says where they start.
    for (int bpp : {24, 8}) {
        BmpSpec spec{.width = 2, .height = 2, .bitsPerPixel = bpp, .gap = 10,
                     .rows = {{kOdd, kRed}, {kBlue, kWhite}}};
        Rows expected = spec.rows;
        if (bpp == 8) {
            spec.palette = {kOdd, kRed, kBlue, kWhite};
            spec.colorsUsed = 4;
            spec.rows = {{0, 1}, {2, 3}};
        }
        EXPECT_EQ(PixelsOf(DecodeBmp(BuildBmp(spec))), expected) << bpp << " bits";
    }
}

TEST(BmpHeaders, TableShorterThanDeclaredIsCutAtTheDataOffset) {
    // 8 bits, colours-used 0 (a 256-entry table) but only two entries before the data.
    const BmpSpec spec{.width = 2, .height = 1, .bitsPerPixel = 8, .palette = {kOdd, kBlue},
                       .rows = {{1, 0}}};
    const auto file = BuildBmp(spec);
    EXPECT_EQ(ReadBmpInfo(file).paletteEntries, 2);
    EXPECT_EQ(PixelsOf(DecodeBmp(file)), (Rows{{kBlue, kOdd}}));
}

TEST(BmpHeaders, MissingPaddingAfterTheLastRowIsAccepted) {
    const BmpSpec spec{.width = 1, .height = 2, .bitsPerPixel = 24, .rows = {{kOdd}, {kRed}}};
    auto file = BuildBmp(spec);
    file.pop_back();  // the top row (stored last) loses its one padding byte
    EXPECT_EQ(PixelsOf(DecodeBmp(file)), (Rows{{kOdd}, {kRed}}));
}

TEST(BmpHeaders, InfoReportsTheDeclaredForm) {
    const BmpSpec spec{.width = 5,
                       .height = -3,
                       .bitsPerPixel = 4,
                       .palette = {0, 1, 2},
                       .colorsUsed = 3,
                       .rows = std::vector<std::vector<std::uint32_t>>(3, {0, 1, 2, 1, 0})};
    const BmpInfo info = ReadBmpInfo(BuildBmp(spec));
    EXPECT_EQ(info.width, 5);
    EXPECT_EQ(info.height, 3);
    EXPECT_TRUE(info.topDown);
    EXPECT_EQ(info.bitsPerPixel, 4);
    EXPECT_EQ(info.compression, 0u);
    EXPECT_EQ(info.paletteEntries, 3);
}

TEST(BmpEncoder, WritesBottomUpTwentyFourBitRows) {
    SkinBitmap b(3, 2);
    b.SetPixel(0, 0, kOdd);   // top-left
    b.SetPixel(2, 1, kRed);   // bottom-right
    const std::vector<std::uint8_t> file = EncodeBmp24(b);
    ASSERT_EQ(file.size(), 54u + 2 * 12);
    EXPECT_EQ(file[0], 'B');
    EXPECT_EQ(file[1], 'M');
    EXPECT_EQ(file[2], 78);   // file size
    EXPECT_EQ(file[10], 54);  // pixel data offset
    EXPECT_EQ(file[14], 40);  // BITMAPINFOHEADER
    EXPECT_EQ(file[22], 2);   // height positive: bottom-up
    EXPECT_EQ(file[28], 24);
    // First stored row is the bottom one: its last pixel is red, stored B, G, R.
    EXPECT_EQ(file[54 + 6], 0x00);
    EXPECT_EQ(file[54 + 8], 0xFF);
    EXPECT_EQ(file[54 + 9], 0) << "row padding must be zero";
    // Second stored row is the top one, starting 0x56 0x34 0x12.
    EXPECT_EQ(file[66], 0x56);
    EXPECT_EQ(file[67], 0x34);
    EXPECT_EQ(file[68], 0x12);
}

TEST(BmpEncoder, RoundTripsThroughTheDecoder) {
    for (auto [w, h] : {std::pair{1, 1}, std::pair{2, 3}, std::pair{5, 4}, std::pair{8, 1}}) {
        SkinBitmap b(w, h);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                b.SetPixel(x, y, MakePixel(std::uint8_t(x * 40), std::uint8_t(y * 50), 200));
        EXPECT_EQ(PixelsOf(DecodeBmp(EncodeBmp24(b))), PixelsOf(b)) << w << "x" << h;
    }
}

TEST(BmpEncoder, RefusesAnEmptyBitmap) {
    EXPECT_THROW(EncodeBmp24(SkinBitmap()), BitmapError);
}

}  // namespace
}  // namespace zuno::skin
