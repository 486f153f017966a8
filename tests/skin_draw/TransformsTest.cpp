// The in-place utilities: grey formula, mirror and flip, and the two quarter turns
// (their directions and that they undo each other).

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "skin/draw/Primitives.h"
#include "tests/skin_draw/TestBitmaps.h"

namespace zuno::skin {
namespace {

using test::CoordBitmap;
using test::FromArt;
using test::ToArt;
using Art = std::vector<std::string>;

bool SamePixels(const SkinBitmap& a, const SkinBitmap& b) {
    if (a.Width() != b.Width() || a.Height() != b.Height()) return false;
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x)
            if (a.Pixel(x, y) != b.Pixel(x, y)) return false;
    return true;
}

TEST(GrayBitmap, EachChannelBecomesTheTruncatedMean) {
    struct Case {
        Pixel32 in;
        std::uint8_t grey;
    };
    const Case cases[] = {
        {MakePixel(255, 255, 255), 255},
        {MakePixel(255, 0, 0), 85},
        {MakePixel(1, 1, 0), 0},     // 2 div 3: truncated, not rounded
        {MakePixel(200, 100, 0), 100},
        {MakePixel(255, 255, 254), 254},  // sums past 255 must not wrap
        {0xFF102030u, 0x20},              // the unused byte takes no part
    };
    for (const Case& c : cases) {
        SkinBitmap b(1, 1, c.in);
        GrayBitmap(b);
        EXPECT_EQ(b.Pixel(0, 0), MakePixel(c.grey, c.grey, c.grey)) << std::hex << c.in;
    }
}

TEST(MirrorAndFlip, ReverseColumnsOrRows) {
    SkinBitmap m = FromArt({"abc", "def"});
    MirrorBitmap(m);
    EXPECT_EQ(ToArt(m), (Art{"cba", "fed"}));
    SkinBitmap f = FromArt({"abc", "def", "ghi"});
    FlipBitmap(f);
    EXPECT_EQ(ToArt(f), (Art{"ghi", "def", "abc"}));
}

TEST(MirrorAndFlip, AreTheirOwnInverse) {
    for (auto op : {&MirrorBitmap, &FlipBitmap}) {
        for (auto [w, h] : {std::pair{1, 1}, std::pair{4, 3}, std::pair{5, 6}}) {
            SkinBitmap b = CoordBitmap(w, h);
            op(b);
            op(b);
            EXPECT_TRUE(SamePixels(b, CoordBitmap(w, h))) << w << "x" << h;
        }
    }
}

TEST(Rotate, LeftIsCounterClockwise) {
    SkinBitmap b = FromArt({"abc",
                            "def"});
    RotateBitmapLeft(b);
    EXPECT_EQ(ToArt(b), (Art{"cf",
                             "be",
                             "ad"}));
}

TEST(Rotate, RightIsClockwise) {
    SkinBitmap b = FromArt({"abc",
                            "def"});
    RotateBitmapRight(b);
    EXPECT_EQ(ToArt(b), (Art{"da",
                             "eb",
                             "fc"}));
}

TEST(Rotate, RoundTripsRestoreEveryPixel) {
    for (auto [w, h] : {std::pair{1, 1}, std::pair{1, 5}, std::pair{4, 3}, std::pair{7, 2}}) {
        SkinBitmap b = CoordBitmap(w, h);
        RotateBitmapLeft(b);
        RotateBitmapRight(b);
        EXPECT_TRUE(SamePixels(b, CoordBitmap(w, h))) << "left then right " << w << "x" << h;
        RotateBitmapRight(b);
        RotateBitmapLeft(b);
        EXPECT_TRUE(SamePixels(b, CoordBitmap(w, h))) << "right then left " << w << "x" << h;
        for (int i = 0; i < 4; ++i) RotateBitmapLeft(b);
        EXPECT_TRUE(SamePixels(b, CoordBitmap(w, h))) << "four left turns " << w << "x" << h;
    }
}

TEST(Rotate, ReleasesAdoptedStorage) {
    std::vector<Pixel32> buffer(6, 1);
    int released = 0;
    SkinBitmap b = SkinBitmap::Adopt(buffer.data(), 3, 2, 3, [&] { ++released; });
    RotateBitmapRight(b);
    EXPECT_EQ(released, 1);
    EXPECT_EQ(b.Width(), 2);
    EXPECT_EQ(b.Height(), 3);
}

TEST(Utilities, EmptyBitmapsStayEmpty) {
    SkinBitmap b;
    GrayBitmap(b);
    MirrorBitmap(b);
    FlipBitmap(b);
    RotateBitmapLeft(b);
    RotateBitmapRight(b);
    EXPECT_TRUE(b.Empty());
}

}  // namespace
}  // namespace zuno::skin
