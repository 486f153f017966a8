// SkinBitmap storage and the pixel/TColor conversions: byte order, owned and adopted
// buffers, moves, release functions, clipping of fills and single-pixel access.

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "skin/draw/Bitmap.h"

namespace zuno::skin {
namespace {

TEST(PixelLayout, BytesInMemoryAreBlueGreenRedUnused) {
    // A 32-bit DIB stores B, G, R, X; GDI and SetDIBitsToDevice rely on it.
    const Pixel32 p = MakePixel(0x11, 0x22, 0x33);
    unsigned char bytes[4];
    std::memcpy(bytes, &p, 4);
    EXPECT_EQ(bytes[0], 0x33);
    EXPECT_EQ(bytes[1], 0x22);
    EXPECT_EQ(bytes[2], 0x11);
    EXPECT_EQ(bytes[3], 0x00);
}

TEST(ColourConversion, TColorHasRedInTheLowByte) {
    struct Case {
        TColor colour;
        Pixel32 pixel;
    };
    const Case cases[] = {
        {0x000000FF, 0x00FF0000},  // clRed
        {0x0000FF00, 0x0000FF00},  // clLime
        {0x00FF0000, 0x000000FF},  // clBlue
        {0x00E3DFE0, 0x00E0DFE3},  // a skin colour "224 223 227"
        {0x00FF00FF, 0x00FF00FF},  // the key colour reads the same both ways
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PixelFromTColor(c.colour), c.pixel) << std::hex << c.colour;
        EXPECT_EQ(TColorFromPixel(c.pixel), c.colour) << std::hex << c.pixel;
    }
    EXPECT_EQ(MakeTColor(224, 223, 227), 0x00E3DFE0);
    EXPECT_EQ(kKeyColour, MakeTColor(255, 0, 255));
    EXPECT_EQ(kKeyPixel, MakePixel(255, 0, 255));
}

TEST(ColourConversion, SystemColourFlagIsDroppedNotMixedIn) {
    // clBtnFace is 0x8000000F; its low bytes must not turn into a blue component of 0x80.
    EXPECT_EQ(PixelFromTColor(static_cast<TColor>(0x8000000Fu)), MakePixel(0x0F, 0, 0));
}

TEST(SkinBitmapStorage, OwnedBitmapStartsBlackOrFilled) {
    SkinBitmap b(3, 2);
    EXPECT_EQ(b.Width(), 3);
    EXPECT_EQ(b.Height(), 2);
    EXPECT_EQ(b.Stride(), 3);
    EXPECT_FALSE(b.Empty());
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x) EXPECT_EQ(b.Pixel(x, y), 0u);
    SkinBitmap filled(2, 2, 0x123456);
    EXPECT_EQ(filled.Pixel(1, 1), 0x123456u);
}

TEST(SkinBitmapStorage, EmptyWhenEitherSideIsZero) {
    EXPECT_TRUE(SkinBitmap().Empty());
    EXPECT_TRUE(SkinBitmap(0, 5).Empty());
    EXPECT_TRUE(SkinBitmap(5, 0).Empty());
}

TEST(SkinBitmapStorage, RefusesNegativeAndOversizedBitmaps) {
    EXPECT_THROW(SkinBitmap(-1, 1), BitmapError);
    EXPECT_THROW(SkinBitmap(1, -1), BitmapError);
    EXPECT_THROW(SkinBitmap(kMaxBitmapSide + 1, 1), BitmapError);
    // Each side allowed, the product not: 32767 x 32767 x 4 bytes > 256 MiB.
    EXPECT_THROW(SkinBitmap(kMaxBitmapSide, kMaxBitmapSide), BitmapError);
}

TEST(SkinBitmapStorage, AdoptedBufferIsUsedInPlaceWithItsStride) {
    std::vector<Pixel32> buffer(4 * 3, 0xAAAAAA);  // 3 rows of 4, only 2 columns used
    int released = 0;
    {
        SkinBitmap b = SkinBitmap::Adopt(buffer.data(), 2, 3, 4, [&] { ++released; });
        b.SetPixel(1, 2, 0x010203);
        EXPECT_EQ(b.Stride(), 4);
        EXPECT_EQ(b.Row(2), buffer.data() + 8);
        EXPECT_EQ(buffer[9], 0x010203u);
        b.Fill(0x111111);
        EXPECT_EQ(buffer[2], 0xAAAAAAu) << "fill ran into the padding of a row";
        EXPECT_EQ(released, 0);
    }
    EXPECT_EQ(released, 1);
}

TEST(SkinBitmapStorage, ReleaseRunsOnceAcrossMovesAndAssignment) {
    std::vector<Pixel32> buffer(4);
    int released = 0;
    SkinBitmap a = SkinBitmap::Adopt(buffer.data(), 2, 2, 2, [&] { ++released; });
    SkinBitmap b(std::move(a));
    EXPECT_TRUE(a.Empty());
    SkinBitmap c;
    c = std::move(b);
    EXPECT_EQ(released, 0);
    c = SkinBitmap(1, 1);  // replacing the adopted storage lets go of it
    EXPECT_EQ(released, 1);
    c.Reset();
    EXPECT_EQ(released, 1);
}

TEST(SkinBitmapStorage, InvalidAdoptionReleasesAndThrows) {
    std::vector<Pixel32> buffer(4);
    int released = 0;
    EXPECT_THROW(SkinBitmap::Adopt(buffer.data(), 4, 1, 2, [&] { ++released; }), BitmapError);
    EXPECT_THROW(SkinBitmap::Adopt(nullptr, 1, 1, 1, [&] { ++released; }), BitmapError);
    EXPECT_EQ(released, 2);
}

TEST(SkinBitmapStorage, CloneIsDeepAndPacked) {
    std::vector<Pixel32> buffer(6, 5);
    SkinBitmap a = SkinBitmap::Adopt(buffer.data(), 2, 2, 3, nullptr);
    SkinBitmap copy = a.Clone();
    a.SetPixel(0, 0, 9);
    EXPECT_EQ(copy.Pixel(0, 0), 5u);
    EXPECT_EQ(copy.Stride(), 2);
    EXPECT_EQ(copy.Pixel(1, 1), 5u);
}

TEST(SkinBitmapAccess, OutsidePixelsReadZeroAndIgnoreWrites) {
    SkinBitmap b(2, 2, 0x777777);
    struct Case {
        int x, y;
    };
    for (Case c : {Case{-1, 0}, Case{0, -1}, Case{2, 0}, Case{0, 2}}) {
        EXPECT_EQ(b.Pixel(c.x, c.y), 0u);
        b.SetPixel(c.x, c.y, 1);
    }
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 2; ++x) EXPECT_EQ(b.Pixel(x, y), 0x777777u);
}

TEST(SkinBitmapAccess, FillOfARectangleIsClipped) {
    SkinBitmap b(3, 3);
    b.Fill({-5, 1, 2, 99}, 4);
    const Pixel32 expected[3][3] = {{0, 0, 0}, {4, 4, 0}, {4, 4, 0}};
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 3; ++x) EXPECT_EQ(b.Pixel(x, y), expected[y][x]) << x << "," << y;
    b.Fill({2, 0, 1, 3}, 9);  // inverted: nothing
    EXPECT_EQ(b.Pixel(1, 0), 0u);
}

TEST(RectRules, EmptyForDrawingOnlyWhenInverted) {
    EXPECT_TRUE((Rect{5, 0, 4, 1}).IsEmptyForDrawing());
    EXPECT_TRUE((Rect{0, 5, 1, 4}).IsEmptyForDrawing());
    EXPECT_FALSE((Rect{3, 3, 3, 3}).IsEmptyForDrawing());
    EXPECT_FALSE((Rect{3, 3, 3, 3}).HasArea());
}

}  // namespace
}  // namespace zuno::skin
