// Hostile and broken BMP files. Each fixture is a small valid file with one thing
// wrong, and a note on what it exercises; every one must be refused with BmpError
// naming the problem, without reading outside the file or allocating for the
// declared size first.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "skin/draw/BmpDecoder.h"
#include "tests/skin_draw/TestBmp.h"

namespace zuno::skin {
namespace {

using test::BmpSpec;
using test::BuildBmp;
using test::Poke16;
using test::Poke32;
using Bytes = std::vector<std::uint8_t>;

// Offsets of header fields in a file with a 40-byte info header.
constexpr std::size_t kOffBits = 10, kHeaderSize = 14, kWidth = 18, kHeight = 22, kPlanes = 26,
                      kBitCount = 28, kCompression = 30, kColorsUsed = 46;

Bytes Valid24() {  // 2 x 2, 24 bits, bottom-up: 54 + 16 bytes
    return BuildBmp({.width = 2, .height = 2, .bitsPerPixel = 24, .rows = {{1, 2}, {3, 4}}});
}
Bytes Valid8(std::vector<std::uint32_t> indices, std::uint32_t colours) {
    std::vector<std::uint32_t> palette(colours, 0x808080);
    return BuildBmp({.width = int(indices.size()), .height = 1, .bitsPerPixel = 8,
                     .palette = palette, .colorsUsed = colours, .rows = {indices}});
}
Bytes Prefix(Bytes f, std::size_t n) {
    f.resize(n);
    return f;
}
Bytes Edited(Bytes f, const std::function<void(Bytes&)>& edit) {
    edit(f);
    return f;
}

struct Fixture {
    const char* note;
    Bytes file;
    const char* message;  // part of the error text
};

std::vector<Fixture> Fixtures() {
    return {
        {"empty file", {}, "file header truncated"},
        {"file header cut after 10 bytes", Prefix(Valid24(), 10), "file header truncated"},
        {"wrong signature", Edited(Valid24(), [](Bytes& f) { f[1] = 'A'; }), "not a BMP"},
        {"info header cut short", Prefix(Valid24(), 30), "info header truncated"},
        {"header size 64 (OS/2 2.x) is not a Windows form",
         Edited(Valid24(), [](Bytes& f) { Poke32(f, kHeaderSize, 64); }),
         "unsupported header size"},
        {"header size beyond the file",
         Edited(Valid24(), [](Bytes& f) { Poke32(f, kHeaderSize, 124); }), "info header truncated"},
        {"zero width", Edited(Valid24(), [](Bytes& f) { Poke32(f, kWidth, 0); }), "width"},
        {"negative width", Edited(Valid24(), [](Bytes& f) { Poke32(f, kWidth, 0xFFFFFFFE); }),
         "width"},
        {"zero height", Edited(Valid24(), [](Bytes& f) { Poke32(f, kHeight, 0); }), "height"},
        {"width 16385: over the side limit",
         Edited(Valid24(), [](Bytes& f) { Poke32(f, kWidth, 16385); }), "larger than"},
        {"height -2^31: cannot be negated in 32 bits",
         Edited(Valid24(), [](Bytes& f) { Poke32(f, kHeight, 0x80000000); }), "larger than"},
        {"16384 x 16384 in 70 bytes: refused before allocating 1 GiB",
         Edited(Valid24(),
                [](Bytes& f) {
                    Poke32(f, kWidth, 16384);
                    Poke32(f, kHeight, 16384);
                }),
         "too large"},
        {"8192 x 8192 within both limits but the pixel data is missing",
         Edited(Valid24(),
                [](Bytes& f) {
                    Poke32(f, kWidth, 8192);
                    Poke32(f, kHeight, 8192);
                }),
         "pixel data truncated"},
        {"two planes", Edited(Valid24(), [](Bytes& f) { Poke16(f, kPlanes, 2); }), "plane"},
        {"2 bits per pixel", Edited(Valid24(), [](Bytes& f) { Poke16(f, kBitCount, 2); }),
         "bit depth"},
        {"0 bits per pixel", Edited(Valid24(), [](Bytes& f) { Poke16(f, kBitCount, 0); }),
         "bit depth"},
        {"BI_BITFIELDS on 24 bits", Edited(Valid24(), [](Bytes& f) { Poke32(f, kCompression, 3); }),
         "BI_BITFIELDS"},
        {"JPEG payload", Edited(Valid24(), [](Bytes& f) { Poke32(f, kCompression, 4); }), "JPEG"},
        {"compression 99", Edited(Valid24(), [](Bytes& f) { Poke32(f, kCompression, 99); }),
         "unknown compression"},
        {"data offset past the end of the file",
         Edited(Valid24(), [](Bytes& f) { Poke32(f, kOffBits, 1000); }), "pixel data truncated"},
        {"data offset 0xFFFFFFFF: no wrap-around",
         Edited(Valid24(), [](Bytes& f) { Poke32(f, kOffBits, 0xFFFFFFFF); }),
         "pixel data truncated"},
        {"data offset 0: inside the headers",
         Edited(Valid24(), [](Bytes& f) { Poke32(f, kOffBits, 0); }), "points into the headers"},
        {"data offset 20: inside the info header",
         Edited(Valid24(), [](Bytes& f) { Poke32(f, kOffBits, 20); }), "points into the headers"},
        {"last row one byte short (its 2 padding bytes may go, not a pixel byte)",
         Prefix(Valid24(), 67), "pixel data truncated"},
        {"8 bits with no room for a colour table",
         Edited(Valid8({0, 1}, 2), [](Bytes& f) { Poke32(f, kOffBits, 54); }),
         "colour table missing"},
        {"8 bits: index 2 with a 2-entry table", Valid8({0, 2}, 2), "palette index 2 out of range"},
        {"8 bits: index 255 with a 1-entry table", Valid8({255}, 1), "palette index 255"},
        {"4 bits: index 15 with a 3-entry table",
         BuildBmp({.width = 3,
                   .height = 1,
                   .bitsPerPixel = 4,
                   .palette = {0, 0, 0},
                   .colorsUsed = 3,
                   .rows = {{0, 1, 15}}}),
         "palette index 15"},
        {"1 bit: index 1 with a 1-entry table",
         BuildBmp({.width = 9,
                   .height = 1,
                   .bitsPerPixel = 1,
                   .palette = {0},
                   .colorsUsed = 1,
                   .rows = {{0, 0, 0, 0, 0, 0, 0, 0, 1}}}),
         "palette index 1"},
        {"RLE8 with a run past the end of the row (refused: RLE is not decoded)",
         Edited(Valid8({0, 1}, 2),
                [](Bytes& f) {
                    Poke32(f, kCompression, 1);
                    f.resize(62);
                    f.insert(f.end(), {0xFF, 0x01, 0x00, 0x01});  // 255 pixels into a 2-pixel row
                }),
         "RLE"},
        {"RLE4",
         Edited(Valid8({0, 1}, 2),
                [](Bytes& f) {
                    Poke32(f, kCompression, 2);
                    Poke16(f, kBitCount, 4);
                }),
         "RLE"},
        {"colours used 0x40000000 on 8 bits: the table is capped, not allocated",
         Edited(Valid8({0, 3}, 2), [](Bytes& f) { Poke32(f, kColorsUsed, 0x40000000); }),
         "palette index 3"},
        {"bit-field masks missing after the header",
         BuildBmp({.width = 1, .height = 1, .bitsPerPixel = 32, .compression = 3}),
         "colour masks truncated"},
        {"zero green mask",
         BuildBmp({.width = 1,
                   .height = 1,
                   .bitsPerPixel = 32,
                   .compression = 3,
                   .masks = {0xFF0000, 0, 0xFF},
                   .rows = {{0}}}),
         "invalid colour masks"},
        {"gapped red mask 0xF0F0",
         BuildBmp({.width = 1,
                   .height = 1,
                   .bitsPerPixel = 16,
                   .compression = 3,
                   .masks = {0xF0F0, 0x0F00, 0x000F},
                   .rows = {{0}}}),
         "invalid colour masks"},
        {"overlapping masks",
         BuildBmp({.width = 1,
                   .height = 1,
                   .bitsPerPixel = 32,
                   .compression = 3,
                   .masks = {0xFF0000, 0xFF00, 0xFF00},
                   .rows = {{0}}}),
         "overlap"},
        {"10-bit channels",
         BuildBmp({.width = 1,
                   .height = 1,
                   .bitsPerPixel = 32,
                   .compression = 3,
                   .masks = {0x3FF00000, 0x000FFC00, 0x000003FF},
                   .rows = {{0}}}),
         "wider than 8 bits"},
        {"16-bit pixel with a mask above bit 15",
         BuildBmp({.width = 1,
                   .height = 1,
                   .bitsPerPixel = 16,
                   .compression = 3,
                   .masks = {0xFF0000, 0x07E0, 0x001F},
                   .rows = {{0}}}),
         "invalid colour masks"},
        {"OS/2 header with 16 bits",
         BuildBmp({.width = 1, .height = 1, .bitsPerPixel = 16, .headerSize = 12, .rows = {{0}}}),
         "OS/2"},
    };
}

TEST(BmpMalformed, EveryFixtureIsRefusedWithItsReason) {
    for (const Fixture& f : Fixtures()) {
        try {
            (void)DecodeBmp(f.file);
            ADD_FAILURE() << f.note << ": decoded without error";
        } catch (const BmpError& e) {
            EXPECT_NE(std::string(e.what()).find(f.message), std::string::npos)
                << f.note << ": got \"" << e.what() << "\"";
            EXPECT_EQ(std::string(e.what()).rfind("BMP: ", 0), 0u) << f.note;
        }
    }
}

TEST(BmpMalformed, HeaderOnlyChecksAgree) {
    // ReadBmpInfo refuses every fixture whose fault lies in the headers.
    EXPECT_THROW(ReadBmpInfo(Bytes{}), BmpError);
    EXPECT_THROW(ReadBmpInfo(Edited(Valid24(), [](Bytes& f) { Poke32(f, kWidth, 16385); })),
                 BmpError);
    EXPECT_NO_THROW(ReadBmpInfo(Valid8({0, 2}, 2)));  // indices are checked only when decoding
}

TEST(BmpMalformed, EveryTruncationOfAValidFileIsRefused) {
    // No prefix of a valid file may decode: each one lacks pixel bytes or headers.
    for (const Bytes& whole : {Valid24(), Valid8({0, 1, 1}, 2),
                               BuildBmp({.width = 3, .height = -2, .bitsPerPixel = 16,
                                         .compression = 3, .masks = {0xF800, 0x07E0, 0x001F},
                                         .rows = {{1, 2, 3}, {4, 5, 6}}})}) {
        ASSERT_NO_THROW(DecodeBmp(whole));
        for (std::size_t n = 0; n + 2 < whole.size(); ++n) {
            // The last row's padding may be missing (2 bytes here at most), nothing more.
            EXPECT_THROW(DecodeBmp(std::span(whole.data(), n)), BmpError) << "prefix " << n;
        }
    }
}

}  // namespace
}  // namespace zuno::skin
