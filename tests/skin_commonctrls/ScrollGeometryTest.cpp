// Bar rectangles, thumb metrics, hit parts and drag positions with worked numbers.
#include <gtest/gtest.h>

#include "skin/scrollbars/core/ScrollGeometry.h"

namespace zuno::skin::scrollbars {
namespace {

TEST(ScrollGeometry, BarsOfBothLayouts) {
    const Rect client{0, 0, 180, 80};
    const Rect keep{1, 2, 3, 4};
    struct Case { std::uint32_t style, ex; Rect horz, vert, box; } cases[] = {
        {kWsHScroll | kWsVScroll, 0, {2, 82, 182, 98}, {182, 2, 198, 82}, {182, 82, 198, 98}},
        {kWsHScroll | kWsVScroll, kWsExLeftScrollBar, {18, 82, 198, 98}, {2, 2, 18, 82}, {2, 82, 18, 98}},
        {kWsVScroll, 0, keep, {182, 2, 198, 98}, keep},
        {kWsVScroll, kWsExLeftScrollBar, keep, {2, 2, 18, 98}, keep},
        {kWsHScroll, kWsExLeftScrollBar, {2, 82, 198, 98}, keep, keep},
        {0, 0, keep, keep, keep},
    };
    for (const Case& c : cases) {
        BarRects bars{keep, keep, keep};
        // The edge comes from the sizes, not the system edge (a wrong 9 would show).
        ComputeBars(200, 100, c.style & kWsVScroll ? client : Rect{0, 0, 196, 80}, c.style, c.ex,
                    16, 9, bars);
        EXPECT_EQ(bars.horz, c.horz) << std::hex << c.style << " " << c.ex;
        EXPECT_EQ(bars.vert, c.vert) << std::hex << c.style << " " << c.ex;
        EXPECT_EQ(bars.sizeBox, c.box) << std::hex << c.style << " " << c.ex;
    }
}

TEST(ScrollGeometry, MulDivRoundsHalvesAwayFromZero) {
    struct Case { int a, b, c, r; } cases[] = {
        {10, 148, 99, 15}, {45, 133, 89, 67}, {1, 3, 2, 2}, {-1, 3, 2, -2}, {1, -3, 2, -2},
        {5, 5, -2, -13}, {7, 7, 0, -1}, {0x7FFFFFFF, 4, 2, -1}, {0x40000000, 4, 4, 0x40000000},
    };
    for (const Case& c : cases) EXPECT_EQ(MulDiv(c.a, c.b, c.c), c.r) << c.a << "*" << c.b << "/" << c.c;
}

TEST(ScrollGeometry, WindowThumb) {
    struct Case { int length, nMin, nMax, page, pos; int track, thumb, at; } cases[] = {
        {180, 0, 99, 10, 45, 148, 15, 67},      // the worked bar: drawn 83..98 along it
        {180, 0, 99, 99, 50, 148, 147, 0},      // page equals range: one short, at the start
        {180, 0, 99, 1, 0, 148, 8, 0},          // minimum thumb
        {180, 0, 1000, 0, 1000, 148, 17, 131},  // no page: the system thumb length
        {180, 0, 99, 100, 0, 148, 148, 0},      // page past the range stays inside the track
        {180, 10, 109, 10, 109, 148, 15, 133},  // past the end clamps to track - thumb
    };
    for (const Case& c : cases) {
        BarMetrics m;
        ASSERT_TRUE(ComputeThumb(c.length, 16, {c.nMin, c.nMax, std::uint32_t(c.page), c.pos, 0}, 8, 17, m));
        EXPECT_EQ(m.ArrowLength, 16);
        EXPECT_EQ(m.TrackLength, c.track);
        EXPECT_EQ(m.ThumbSize, c.thumb) << c.page;
        EXPECT_EQ(m.ThumbPos, c.at) << c.page << " " << c.pos;
    }
    BarMetrics kept{1, 2, 3, 4};
    EXPECT_FALSE(ComputeThumb(180, 16, {5, 5, 1, 5, 0}, 8, 17, kept));
    EXPECT_FALSE(ComputeThumb(180, 16, {5, 2, 1, 5, 0}, 8, 17, kept));
    EXPECT_EQ(kept.ThumbPos, 4);
    EXPECT_EQ(MinimumThumb(false, 16), 8);
    EXPECT_EQ(MinimumThumb(true, 17), 8);
}

TEST(ScrollGeometry, ControlThumbCountsBothEnds) {
    BarMetrics m;
    // Min 0, Max 100, no page: the system thumb length, position MulDiv(pos, track - thumb, 101).
    ASSERT_TRUE(ComputeControlThumb(180, 16, 0, 100, 0, 50, 8, 17, m));
    EXPECT_EQ(m.ThumbSize, 17);
    EXPECT_EQ(m.ThumbPos, MulDiv(50, 131, 101));
    ASSERT_TRUE(ComputeControlThumb(180, 16, 0, 100, 101, 0, 8, 17, m));
    EXPECT_EQ(m.ThumbSize, 147);
    EXPECT_EQ(m.ThumbPos, 0);
    ASSERT_TRUE(ComputeControlThumb(180, 16, 0, 99, 10, 90, 8, 17, m));
    EXPECT_EQ(m.ThumbSize, 15);
    EXPECT_EQ(m.ThumbPos, 133);
    BarMetrics kept{1, 2, 3, 4};
    EXPECT_FALSE(ComputeControlThumb(180, 16, 5, 4, 0, 0, 8, 17, kept));
    EXPECT_EQ(kept.ThumbSize, 3);
}

TEST(ScrollGeometry, HitParts) {
    const BarMetrics m{16, 148, 15, 67};
    struct Case { int c, code; } cases[] = {
        {0, kSbLineUp}, {15, kSbLineUp}, {16, kSbPageUp}, {82, kSbPageUp}, {83, kSbThumbTrack},
        {97, kSbThumbTrack}, {98, kSbPageDown}, {163, kSbPageDown}, {164, kSbLineDown},
        {179, kSbLineDown}, {180, kSbNone},
    };
    for (const Case& c : cases) EXPECT_EQ(HitTestBar(c.c, m), c.code) << c.c;
}

TEST(ScrollGeometry, DragPositions) {
    const BarMetrics m{16, 148, 15, 67};
    const ScrollValues v{0, 99, 10, 45, 45};
    struct Case { int delta, pos, thumb; } cases[] = {
        {0, 45, 67},      // MulDiv(67, 99, 148) = 45
        {81, 90, 133},    // to the end: 99 >= 89 reports 90; the thumb stays inside
        {500, 90, 133},
        {-100, 0, 0},     // never before the start
        {10, 52, 77},
    };
    for (const Case& c : cases) {
        std::int32_t thumb = -1;
        EXPECT_EQ(DragPosition(67, c.delta, m, v, thumb), c.pos) << c.delta;
        EXPECT_EQ(thumb, c.thumb) << c.delta;
    }
    // Without a page the thumb runs to track - thumb and the position to nMax.
    std::int32_t thumb = 0;
    EXPECT_EQ(DragPosition(0, 1000, {16, 148, 17, 0}, {0, 50, 0, 0, 0}, thumb), 50);
    EXPECT_EQ(thumb, 131);
    EXPECT_EQ(DragPosition(0, 0, {16, 148, 17, 0}, {-5, 50, 0, 0, 0}, thumb), -5);
    // A bar with no track to drag along keeps the position.
    EXPECT_EQ(DragPosition(0, 40, {16, 0, 0, 0}, {0, 50, 10, 7, 0}, thumb), 7);
}

TEST(ScrollGeometry, RequestsShowTheirPart) {
    EXPECT_EQ(StateForRequest(true, kSbLineUp), kStateLeft);
    EXPECT_EQ(StateForRequest(true, kSbLineDown), kStateRight);
    EXPECT_EQ(StateForRequest(false, kSbLineUp), kStateUp);
    EXPECT_EQ(StateForRequest(false, kSbLineDown), kStateDown);
    EXPECT_EQ(StateForRequest(true, kSbThumbTrack), kStateHorzThumb);
    EXPECT_EQ(StateForRequest(false, kSbThumbTrack), kStateVertThumb);
    for (int code : {kSbPageUp, kSbPageDown, kSbThumbPosition, kSbEndScroll})
        EXPECT_EQ(StateForRequest(false, code), kStateNone) << code;
}

}  // namespace
}  // namespace zuno::skin::scrollbars
