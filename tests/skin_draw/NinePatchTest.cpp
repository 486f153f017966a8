// Frame geometry, GDI's nearest-neighbour stretch mapping, and the frame drawers:
// nine-patch composition (margin dropping, tiling, piece order), border-only
// nine-patches, three-part bars and stretched frames.

#include <gtest/gtest.h>

#include <cstdint>
#include <numeric>
#include <vector>

#include "skin/draw/Primitives.h"
#include "tests/skin_draw/TestBitmaps.h"

namespace zuno::skin {
namespace {

using test::CoordBitmap;
using test::FromArt;
using test::SourceColumns;
using test::SourceRows;
using test::ToArt;

std::vector<int> Range(int from, int to) {  // from .. to - 1
    std::vector<int> v(std::size_t(to - from));
    std::iota(v.begin(), v.end(), from);
    return v;
}
std::vector<int> Concat(std::initializer_list<std::vector<int>> parts) {
    std::vector<int> all;
    for (const auto& p : parts) all.insert(all.end(), p.begin(), p.end());
    return all;
}

// ---- Frame rectangles ----

TEST(FrameRect, FramesSideBySideAndStacked) {
    struct Case {
        int w, h;
        FrameLayout layout;
        int n, k;
        Rect expected;
        const char* note;
    };
    const Case cases[] = {
        {60, 20, FrameLayout::SideBySide, 3, 3, {40, 0, 60, 20}, "third of three"},
        {60, 20, FrameLayout::SideBySide, 3, 1, {0, 0, 20, 20}, "frames count from 1"},
        {40, 50, FrameLayout::Stacked, 2, 2, {0, 25, 40, 50}, "second of two stacked"},
        {62, 20, FrameLayout::SideBySide, 3, 3, {40, 0, 60, 20}, "width not divisible: div"},
        {40, 51, FrameLayout::Stacked, 2, 2, {0, 25, 40, 50}, "height not divisible: div"},
        {60, 20, FrameLayout::SideBySide, 0, 1, {0, 0, 60, 20}, "no frame count: one frame"},
        {60, 20, FrameLayout::SideBySide, 3, 4, {60, 0, 80, 20}, "beyond the count: outside"},
        {2, 20, FrameLayout::SideBySide, 3, 1, {0, 0, 0, 20}, "more frames than columns"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FrameRect(SkinBitmap(c.w, c.h), c.layout, c.n, c.k), c.expected) << c.note;
    }
}

// ---- Stretch mapping (StretchBlt, COLORONCOLOR) ----

TEST(StretchMapping, SourceIndexPerDestinationPixel) {
    struct Case {
        int source, dest;
        StretchAxis axis;
        std::vector<int> expected;
    };
    // Figures read back from GDI's StretchBlt; shrinking keeps the last column but
    // the first row of each dropped group.
    const Case cases[] = {
        {1, 5, StretchAxis::Columns, {0, 0, 0, 0, 0}},
        {5, 1, StretchAxis::Columns, {3}},
        {5, 1, StretchAxis::Rows, {0}},
        {3, 7, StretchAxis::Columns, {0, 0, 1, 1, 1, 2, 2}},
        {3, 7, StretchAxis::Rows, {0, 0, 1, 1, 1, 2, 2}},
        {7, 3, StretchAxis::Columns, {1, 4, 6}},
        {7, 3, StretchAxis::Rows, {0, 2, 5}},
        {4, 10, StretchAxis::Columns, {0, 0, 0, 1, 1, 2, 2, 2, 3, 3}},
        {10, 4, StretchAxis::Columns, {2, 4, 7, 9}},
        {10, 4, StretchAxis::Rows, {0, 3, 5, 8}},
        {2, 1, StretchAxis::Columns, {0}},
        {4, 4, StretchAxis::Columns, {0, 1, 2, 3}},
        {4, 4, StretchAxis::Rows, {0, 1, 2, 3}},
    };
    for (const Case& c : cases) {
        std::vector<int> got;
        for (int i = 0; i < c.dest; ++i)
            got.push_back(StretchSourceIndex(i, c.source, c.dest, c.axis));
        EXPECT_EQ(got, c.expected) << c.source << " -> " << c.dest
                                   << (c.axis == StretchAxis::Rows ? " rows" : " columns");
    }
}

TEST(StretchMapping, LargeSizesDoNotOverflow) {
    EXPECT_EQ(StretchSourceIndex(32766, 32767, 32767, StretchAxis::Columns), 32766);
    EXPECT_EQ(StretchSourceIndex(32766, 20000, 32767, StretchAxis::Rows), 19999);
}

TEST(StretchRect, ShrinkUsesColumnAndRowRules) {
    SkinBitmap target(3, 3);
    StretchRect(target, {0, 0, 3, 3}, CoordBitmap(7, 7), {0, 0, 7, 7});
    EXPECT_EQ(SourceColumns(target, 0), (std::vector<int>{1, 4, 6}));
    EXPECT_EQ(SourceRows(target, 0), (std::vector<int>{0, 2, 5}));
}

TEST(StretchRect, SourceOutsideTheBitmapLeavesTargetAlone) {
    SkinBitmap target(6, 1, 0xABCDEF);
    // Source columns 2..7 of a 4-wide bitmap: only 2 and 3 exist.
    StretchRect(target, {0, 0, 6, 1}, CoordBitmap(4, 1), {2, 0, 8, 1});
    EXPECT_EQ(SourceColumns(target, 0), (std::vector<int>{2, 3, -1, -1, -1, -1}));
    EXPECT_EQ(target.Pixel(5, 0), 0xABCDEFu);
}

TEST(StretchRect, ClippedToTheTarget) {
    SkinBitmap target(4, 1);
    StretchRect(target, {-2, 0, 6, 1}, CoordBitmap(4, 1), {0, 0, 4, 1});  // 4 -> 8
    EXPECT_EQ(SourceColumns(target, 0), (std::vector<int>{1, 1, 2, 2}));
}

// ---- ComposeNinePatch ----

TEST(ComposeNinePatch, MarginsDroppedWhenTheTargetIsNarrower) {
    const SkinBitmap frame = CoordBitmap(20, 4);
    const Margins m{6, 0, 6, 0};
    struct Case {
        int width;
        std::vector<int> columns;
        const char* note;
    };
    const Case cases[] = {
        {10,
         {1, 3, 5, 7, 9, 11, 13, 15, 17, 19},
         "10 < 12: all centre, stretched from the whole frame"},
        {11, {1, 3, 4, 6, 8, 10, 12, 14, 15, 17, 19}, "11 < 12: still dropped"},
        {12, Concat({Range(0, 6), Range(14, 20)}), "12: both margins kept, no centre"},
    };
    for (const Case& c : cases) {
        const SkinBitmap out = ComposeNinePatch(c.width, 4, frame, m, FrameLayout::SideBySide,
                                                CentreFill::Stretch, 1, 1);
        EXPECT_EQ(SourceColumns(out, 0), c.columns) << c.note;
    }
}

TEST(ComposeNinePatch, VerticalMarginsDroppedIndependently) {
    const SkinBitmap frame = CoordBitmap(4, 10);
    const SkinBitmap out = ComposeNinePatch(4, 5, frame, {1, 3, 1, 3}, FrameLayout::SideBySide,
                                            CentreFill::Stretch, 1, 1);
    // 5 < 6: top and bottom dropped; the left margin stays.
    EXPECT_EQ(SourceRows(out, 0), (std::vector<int>{0, 2, 4, 6, 8}));
    EXPECT_EQ(SourceColumns(out, 0), (std::vector<int>{0, 1, 2, 3}));
}

TEST(ComposeNinePatch, TiledCentreIsCutByTheRightEdge) {
    // Frame 30 wide, margins 10 and 10: a 10-pixel centre piece. Target 45 wide:
    // tiles at 10, 20 and 30; the last runs to 40, the right edge covers 35..39.
    const SkinBitmap out = ComposeNinePatch(45, 2, CoordBitmap(30, 2), {10, 0, 10, 0},
                                            FrameLayout::SideBySide, CentreFill::Tile, 1, 1);
    EXPECT_EQ(SourceColumns(out, 1),
              Concat({Range(0, 20), Range(10, 20), Range(10, 15), Range(20, 30)}));
}

TEST(ComposeNinePatch, StretchedCentreRepeatsColumns) {
    const SkinBitmap out = ComposeNinePatch(45, 2, CoordBitmap(30, 2), {10, 0, 10, 0},
                                            FrameLayout::SideBySide, CentreFill::Stretch, 1, 1);
    std::vector<int> centre;
    for (int s : {0, 0, 0, 1, 1, 2, 2, 2, 3, 3, 4, 4, 4, 5, 5, 6, 6, 6, 7, 7, 8, 8, 8, 9, 9})
        centre.push_back(10 + s);
    EXPECT_EQ(SourceColumns(out, 0), Concat({Range(0, 10), centre, Range(20, 30)}));
}

TEST(ComposeNinePatch, TiledCentreIsCutByTheBottomEdge) {
    // Frame 3 x 7 with top and bottom 2: a 3-row centre piece; target 9 high has a
    // 5-row centre, so the second tile (rows 5..7) runs into the bottom edge at 7.
    const SkinBitmap out = ComposeNinePatch(3, 9, CoordBitmap(3, 7), {0, 2, 0, 2},
                                            FrameLayout::SideBySide, CentreFill::Tile, 1, 1);
    EXPECT_EQ(SourceRows(out, 1), (std::vector<int>{0, 1, 2, 3, 4, 2, 3, 5, 6}));
}

TEST(ComposeNinePatch, CornersStayFixedAndEdgesStretch) {
    // A 4 x 4 frame with 1-pixel margins on a 6 x 5 target.
    const SkinBitmap out = ComposeNinePatch(6, 5, CoordBitmap(4, 4), {1, 1, 1, 1},
                                            FrameLayout::SideBySide, CentreFill::Stretch, 1, 1);
    EXPECT_EQ(SourceColumns(out, 0), (std::vector<int>{0, 1, 1, 2, 2, 3}));
    EXPECT_EQ(SourceRows(out, 0), (std::vector<int>{0, 1, 1, 2, 3}));
    EXPECT_EQ(test::SourceOf(out.Pixel(5, 4)), (test::Source{3, 3}));
}

TEST(ComposeNinePatch, PicksTheRequestedFrame) {
    // Two frames stacked in an 8 x 8 bitmap: frame 2 is rows 4..7.
    const SkinBitmap out = ComposeNinePatch(8, 4, CoordBitmap(8, 8), {2, 1, 2, 1},
                                            FrameLayout::Stacked, CentreFill::Stretch, 2, 2);
    EXPECT_EQ(SourceRows(out, 0), (std::vector<int>{4, 5, 6, 7}));
    // Side by side: frame 2 of 2 is columns 4..7 of an 8-wide bitmap.
    const SkinBitmap side = ComposeNinePatch(4, 2, CoordBitmap(8, 2), {1, 0, 1, 0},
                                             FrameLayout::SideBySide, CentreFill::Tile, 2, 2);
    EXPECT_EQ(SourceColumns(side, 0), (std::vector<int>{4, 5, 6, 7}));
}

TEST(ComposeNinePatch, MarginsWiderThanTheFrameLeaveTheCentreBlack) {
    // Frame 10 wide, margins 8 + 8, target 30: the centre piece is inverted and drawn
    // as nothing; the edges still come from their own columns.
    const SkinBitmap out = ComposeNinePatch(30, 1, CoordBitmap(10, 1), {8, 0, 8, 0},
                                            FrameLayout::SideBySide, CentreFill::Stretch, 1, 1);
    EXPECT_EQ(SourceColumns(out, 0),
              Concat({Range(0, 8), std::vector<int>(14, -1), Range(2, 10)}));
}

TEST(ComposeNinePatch, HugeMarginsFromASkinFileAreDroppedWithoutOverflow) {
    // L + R overflows 32 bits; the margins must still count as too wide and drop.
    const SkinBitmap frame = CoordBitmap(20, 4);
    const Margins huge{INT32_MAX, INT32_MAX, INT32_MAX, INT32_MAX};
    const SkinBitmap out =
        ComposeNinePatch(10, 4, frame, huge, FrameLayout::SideBySide, CentreFill::Stretch, 1, 1);
    EXPECT_EQ(SourceColumns(out, 0), (std::vector<int>{1, 3, 5, 7, 9, 11, 13, 15, 17, 19}));
    EXPECT_EQ(SourceRows(out, 0), (std::vector<int>{0, 1, 2, 3}));
}

TEST(ComposeNinePatch, EmptySourceGivesABlackImageOfTheTargetSize) {
    const SkinBitmap out = ComposeNinePatch(5, 3, SkinBitmap(), {1, 1, 1, 1},
                                            FrameLayout::SideBySide, CentreFill::Tile, 1, 1);
    EXPECT_EQ(out.Width(), 5);
    EXPECT_EQ(out.Height(), 3);
    EXPECT_EQ(out.Pixel(2, 1), 0u);
}

// ---- DrawNinePatch and DrawNinePatchBorder ----

TEST(DrawNinePatch, TransparentKeepsTheTargetUnderKeyPixels) {
    const SkinBitmap frame = FromArt({"#a#",
                                      "bcd",
                                      "#e#"});
    SkinBitmap target = FromArt({"zzzzz",
                                 "zzzzz",
                                 "zzzzz"});
    DrawNinePatch(target, {1, 0, 4, 3}, frame, FrameLayout::SideBySide, CentreFill::Stretch,
                  true, 1, 1, {1, 1, 1, 1});
    EXPECT_EQ(ToArt(target), (std::vector<std::string>{"zzazz",
                                                       "zbcdz",
                                                       "zzezz"}));
}

TEST(DrawNinePatch, OpaqueCopiesKeyPixelsAndIsClipped) {
    const SkinBitmap frame = FromArt({"#a#",
                                      "bcd",
                                      "#e#"});
    SkinBitmap target = FromArt({"zzzz",
                                 "zzzz"});
    DrawNinePatch(target, {2, -1, 5, 2}, frame, FrameLayout::SideBySide, CentreFill::Stretch,
                  false, 1, 1, {1, 1, 1, 1});
    EXPECT_EQ(ToArt(target), (std::vector<std::string>{"zzbc",
                                                       "zz#e"}));
}

TEST(DrawNinePatch, InvertedRectangleDrawsNothing) {
    SkinBitmap target = FromArt({"zz"});
    DrawNinePatch(target, {2, 0, 1, 1}, FromArt({"a"}), FrameLayout::SideBySide,
                  CentreFill::Stretch, false, 1, 1, {});
    EXPECT_EQ(ToArt(target), (std::vector<std::string>{"zz"}));
}

TEST(DrawNinePatchBorder, CentreIsLeftUntouched) {
    const SkinBitmap frame = FromArt({"abc",
                                      "dEf",
                                      "ghi"});
    SkinBitmap target = FromArt({"zzzzzz",
                                 "zzzzzz",
                                 "zzzzzz",
                                 "zzzzzz",
                                 "zzzzzz"});
    DrawNinePatchBorder(target, {1, 1, 6, 5}, frame, FrameLayout::SideBySide, 1, 1, {1, 1, 1, 1});
    EXPECT_EQ(ToArt(target), (std::vector<std::string>{"zzzzzz",
                                                       "zabbbc",
                                                       "zdzzzf",
                                                       "zdzzzf",
                                                       "zghhhi"}));
}

TEST(DrawNinePatchBorder, DropsMarginsLikeTheComposedPatch) {
    // Margins 2 + 2 do not fit a 3-wide rectangle and are dropped, so only the top
    // and bottom edges remain, shrunk from the full frame width (4 -> 3).
    const SkinBitmap frame = FromArt({"abcd",
                                      "efgh",
                                      "ijkl"});
    SkinBitmap target = FromArt({"zzz",
                                 "zzz",
                                 "zzz"});
    DrawNinePatchBorder(target, {0, 0, 3, 3}, frame, FrameLayout::SideBySide, 1, 1, {2, 1, 2, 1});
    EXPECT_EQ(ToArt(target), (std::vector<std::string>{"acd",
                                                       "zzz",
                                                       "ikl"}));
}

// ---- DrawThreePartBar ----

TEST(DrawThreePartBar, MiddleTiledAndRightCapOnTop) {
    // Frame 8 wide, caps 2 + 2, middle 4: copies at 2, 6 and 10 on a 13-wide bar;
    // the right cap at 11 covers the third copy's overrun.
    SkinBitmap target(13, 4);
    DrawThreePartBar(target, {0, 0, 13, 4}, CoordBitmap(8, 2), FrameLayout::SideBySide, false, 1,
                     1, 2, 2);
    EXPECT_EQ(SourceColumns(target, 0), (std::vector<int>{0, 1, 2, 3, 4, 5, 2, 3, 4, 5, 2, 6, 7}));
    EXPECT_EQ(SourceRows(target, 0), (std::vector<int>{0, 0, 1, 1}));
}

TEST(DrawThreePartBar, FrameNoWiderThanItsCapsDrawsOnlyTheCaps) {
    SkinBitmap target(10, 1, 0x123456);
    DrawThreePartBar(target, {0, 0, 10, 1}, CoordBitmap(6, 1), FrameLayout::SideBySide, false, 1, 1,
                     3, 3);
    // The bar's own background (black) shows between the caps.
    EXPECT_EQ(SourceColumns(target, 0), (std::vector<int>{0, 1, 2, -1, -1, -1, -1, 3, 4, 5}));
    EXPECT_EQ(target.Pixel(5, 0), 0u);
}

TEST(DrawThreePartBar, StackedFrameAndTransparency) {
    // Two frames stacked; frame 2 is the second row. '#' keeps the target.
    const SkinBitmap bitmap = FromArt({"aaaa",
                                       "b#cd"});
    SkinBitmap target = FromArt({"zzzzzz"});
    DrawThreePartBar(target, {0, 0, 6, 1}, bitmap, FrameLayout::Stacked, true, 2, 2, 1, 1);
    EXPECT_EQ(ToArt(target), (std::vector<std::string>{"bzczcd"}));
}

// ---- DrawFrameStretched ----

TEST(DrawFrameStretched, StretchesOneFrameOfSeveralSideBySide) {
    SkinBitmap target(7, 2);
    DrawFrameStretched(target, {1, 0, 6, 2}, CoordBitmap(30, 2), false, 3, 2);
    EXPECT_EQ(SourceColumns(target, 0), (std::vector<int>{-1, 11, 13, 15, 17, 19, -1}));
}

TEST(DrawFrameStretched, TransparentKeepsTheTargetUnderKeyPixels) {
    const SkinBitmap bitmap = FromArt({"a#b#"});
    SkinBitmap target = FromArt({"zzzz"});
    DrawFrameStretched(target, {0, 0, 4, 1}, bitmap, true, 2, 2);
    // Frame 2 is "b#", stretched to "bb##".
    EXPECT_EQ(ToArt(target), (std::vector<std::string>{"bbzz"}));
}

}  // namespace
}  // namespace zuno::skin
