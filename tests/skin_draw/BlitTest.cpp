// Colour-keyed blits, plain copies and tiling: what is copied, what stays, and how
// each is clipped to the target and to the source bitmap.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "skin/draw/Primitives.h"
#include "tests/skin_draw/TestBitmaps.h"

namespace zuno::skin {
namespace {

using test::CoordBitmap;
using test::FromArt;
using test::SourceColumns;
using test::ToArt;
using Art = std::vector<std::string>;

TEST(TransparentBlit, BitmapAllKeyLeavesTheTargetUnchanged) {
    SkinBitmap target = FromArt({"abc", "def"});
    TransparentBlit(target, {0, 0, 3, 2}, FromArt({"###", "###"}));
    EXPECT_EQ(ToArt(target), (Art{"abc", "def"}));
}

TEST(TransparentBlit, CopiesEverythingElseAtTheSameOffset) {
    struct Case {
        Rect rect;
        Art expected;
        const char* note;
    };
    const Art bitmap = {"x#y",
                        "#zw"};
    const Case cases[] = {
        {{0, 0, 3, 2}, {"x.y.", ".zw.", "...."}, "whole bitmap"},
        {{1, 1, 4, 3}, {"....", ".x.y", "..zw"}, "offset"},
        {{0, 0, 2, 1}, {"x...", "....", "...."}, "rectangle smaller: top-left part only"},
        {{1, 0, 9, 9}, {".x.y", "..zw", "...."}, "rectangle larger: nothing past the bitmap"},
        {{-1, -1, 2, 1}, {"zw..", "....", "...."}, "clipped: bitmap pixels keep their offset"},
        {{2, 0, 1, 2}, {"....", "....", "...."}, "inverted rectangle: nothing"},
    };
    for (const Case& c : cases) {
        SkinBitmap target = FromArt({"....", "....", "...."});
        TransparentBlit(target, c.rect, FromArt(bitmap));
        EXPECT_EQ(ToArt(target), c.expected) << c.note;
    }
}

TEST(TransparentBlit, KeyMatchIsExactAndIgnoresTheUnusedByte) {
    SkinBitmap bitmap(3, 1);
    bitmap.SetPixel(0, 0, 0xFF000000u | kKeyPixel);  // GDI may leave the top byte set
    bitmap.SetPixel(1, 0, MakePixel(255, 1, 255));   // near the key: still a colour
    bitmap.SetPixel(2, 0, MakePixel(254, 0, 255));
    SkinBitmap target(3, 1, 0x444444);
    TransparentBlit(target, {0, 0, 3, 1}, bitmap);
    EXPECT_EQ(target.Pixel(0, 0), 0x444444u);
    EXPECT_EQ(target.Pixel(1, 0), MakePixel(255, 1, 255));
    EXPECT_EQ(target.Pixel(2, 0), MakePixel(254, 0, 255));
}

TEST(TransparentBlit, HonoursAnotherKey) {
    SkinBitmap target = FromArt({"...."});
    TransparentBlit(target, {0, 0, 4, 1}, FromArt({"a#bb"}), test::ArtPixel('b'));
    EXPECT_EQ(ToArt(target), (Art{"a#.."}));
}

TEST(TileRect, TilesRunPastTheRightAndBottomEdge) {
    const SkinBitmap tile = FromArt({"ab",
                                     "cd"});
    SkinBitmap target = FromArt({"........",
                                 "........",
                                 "........",
                                 "........",
                                 "........"});
    // Rectangle 5 x 3 at (1, 1): tiles at x = 1, 3, 5 and y = 1, 3, each drawn whole.
    TileRect(target, {1, 1, 6, 4}, tile, {0, 0, 2, 2});
    EXPECT_EQ(ToArt(target), (Art{"........",
                                  ".ababab.",
                                  ".cdcdcd.",
                                  ".ababab.",
                                  ".cdcdcd."}));
}

TEST(TileRect, ClippedAtTheTargetKeepingTheTilePhase) {
    SkinBitmap target = FromArt({"......"});
    // Tiles at -3, -1, 1 and 3; the one at 3 runs to 5.
    TileRect(target, {-3, 0, 4, 1}, FromArt({"ab"}), {0, 0, 2, 1});
    EXPECT_EQ(ToArt(target), (Art{"babab."}));
}

TEST(TileRect, NothingForAnEmptyOrInvertedSource) {
    const SkinBitmap tile = FromArt({"ab"});
    for (Rect from : {Rect{0, 0, 0, 1}, Rect{0, 0, 2, 0}, Rect{2, 0, 0, 1}, Rect{0, 1, 2, 0}}) {
        SkinBitmap target = FromArt({"...."});
        TileRect(target, {0, 0, 4, 1}, tile, from);
        EXPECT_EQ(ToArt(target), (Art{"...."}));
    }
}

TEST(TileRect, ZeroWidthRectangleDrawsNoTile) {
    SkinBitmap target = FromArt({"...."});
    TileRect(target, {1, 0, 1, 1}, FromArt({"ab"}), {0, 0, 2, 1});
    EXPECT_EQ(ToArt(target), (Art{"...."}));
}

TEST(TileRect, SourcePartsOutsideTheBitmapLeaveTheTarget) {
    SkinBitmap target = FromArt({"......"});
    // The piece (1, 0)-(3, 1) of a 2-wide bitmap: only column 1 exists.
    TileRect(target, {0, 0, 6, 1}, FromArt({"ab"}), {1, 0, 3, 1});
    EXPECT_EQ(ToArt(target), (Art{"b.b.b."}));
}

TEST(CopyRect, ClipsToSourceAndTarget) {
    SkinBitmap target(4, 1, 0x999999);
    CopyRect(target, 1, 0, CoordBitmap(3, 1), {1, 0, 5, 1});
    EXPECT_EQ(SourceColumns(target, 0), (std::vector<int>{-1, 1, 2, -1}));
    EXPECT_EQ(target.Pixel(3, 0), 0x999999u);
}

TEST(CopyRect, OverlappingCopyWithinOneBitmap) {
    SkinBitmap b = FromArt({"abcd"});
    CopyRect(b, 1, 0, b, {0, 0, 3, 1});
    EXPECT_EQ(ToArt(b), (Art{"aabc"}));
}

}  // namespace
}  // namespace zuno::skin
