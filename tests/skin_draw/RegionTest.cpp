// Run rectangles of a window outline: which pixels count as the key, run order, and
// that runs are neither merged across rows nor split.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "skin/draw/Region.h"
#include "tests/skin_draw/TestBitmaps.h"

namespace zuno::skin {
namespace {

using test::FromArt;

TEST(RegionRuns, OneRectanglePerRunRowByRow) {
    const SkinBitmap b = FromArt({"#aa#b",
                                  "aaaaa",
                                  "#####",
                                  "a#a#a"});
    const std::vector<Rect> expected = {
        {1, 0, 3, 1}, {4, 0, 5, 1},                  // row 0: two runs
        {0, 1, 5, 2},                                // row 1: whole row, not merged
        {0, 3, 1, 4}, {2, 3, 3, 4}, {4, 3, 5, 4},   // row 3: single pixels
    };
    EXPECT_EQ(RegionRunsFromBitmap(b, 0, 0), expected);
}

TEST(RegionRuns, IdenticalRowsAreNotMergedVertically) {
    const SkinBitmap b = FromArt({"ab", "ab"});
    EXPECT_EQ(RegionRunsFromBitmap(b, 0, 0), (std::vector<Rect>{{0, 0, 2, 1}, {0, 1, 2, 2}}));
}

TEST(RegionRuns, OffsetMovesEveryRectangle) {
    const SkinBitmap b = FromArt({"#a"});
    EXPECT_EQ(RegionRunsFromBitmap(b, 10, -3), (std::vector<Rect>{{11, -3, 12, -2}}));
}

TEST(RegionRuns, KeyToleranceIsPlusOneOnEachChannel) {
    struct Case {
        Pixel32 pixel;
        bool key;
    };
    const Case cases[] = {
        {MakePixel(255, 0, 255), true},
        {MakePixel(255, 1, 255), true},   // green 0 or 1
        {MakePixel(255, 2, 255), false},
        {MakePixel(254, 0, 255), false},  // never below the key
        {MakePixel(255, 0, 254), false},
        {0xFF000000u | kKeyPixel, true},  // the unused byte does not count
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsKeyLike(c.pixel, kKeyPixel), c.key) << std::hex << c.pixel;
        SkinBitmap b(1, 1, c.pixel);
        EXPECT_EQ(RegionRunsFromBitmap(b, 0, 0).empty(), c.key) << std::hex << c.pixel;
    }
    // Another key: 10 and 11 match on every channel, 12 does not.
    EXPECT_TRUE(IsKeyLike(MakePixel(11, 10, 11), MakePixel(10, 10, 10)));
    EXPECT_FALSE(IsKeyLike(MakePixel(12, 10, 10), MakePixel(10, 10, 10)));
}

TEST(RegionRuns, AllKeyOrEmptyGivesNothing) {
    EXPECT_TRUE(RegionRunsFromBitmap(FromArt({"###", "###"}), 0, 0).empty());
    EXPECT_TRUE(RegionRunsFromBitmap(SkinBitmap(), 0, 0).empty());
}

TEST(RegionRuns, OpaqueBitmapGivesOneRunPerRow) {
    const SkinBitmap b(1024, 3, 0x808080);
    const std::vector<Rect> runs = RegionRunsFromBitmap(b, 0, 0);
    ASSERT_EQ(runs.size(), 3u);
    EXPECT_EQ(runs[2], (Rect{0, 2, 1024, 3}));
}

}  // namespace
}  // namespace zuno::skin
