// Progress fills and chunks, up-down halves and frames, icon-and-text placement,
// status panels, header format and tool-button frames with worked numbers.
#include <gtest/gtest.h>

#include "skin/commonctrls/core/ControlLayout.h"

namespace zuno::skin::commonctrls {
namespace {

TEST(ControlLayout, ProgressFillAndChunks) {
    struct Case { int pos, high, width, fill; } cases[] = {
        {30, 120, 200, 50}, {0, 120, 200, 0}, {30, 0, 200, 0}, {-5, 120, 200, 0},
        {120, 120, 200, 200}, {500, 120, 200, 200}, {0x7FFFFFFF, 0x7FFFFFFF, 300, 300},
    };
    for (const Case& c : cases) EXPECT_EQ(ProgressFill(c.pos, c.high, c.width), c.fill) << c.pos;
    EXPECT_EQ(ChunkCount(50, 7), 8);  // laid at 0, 7, ..., 49
    EXPECT_EQ(ChunkCount(49, 7), 8);
    EXPECT_EQ(ChunkCount(0, 7), 0);
    EXPECT_EQ(ChunkCount(50, 0), 0);
}

TEST(ControlLayout, UpDownHalvesStatesAndFrames) {
    const UpDownHalves v = SplitUpDown({0, 0, 16, 31}, false);
    EXPECT_EQ(v.first, (Rect{0, 0, 16, 15}));
    EXPECT_EQ(v.second, (Rect{0, 15, 16, 31}));
    EXPECT_EQ(v.firstArrow, UpDownArrow::Up);
    const UpDownHalves h = SplitUpDown({1, 1, 31, 15}, true);
    EXPECT_EQ(h.first, (Rect{1, 1, 16, 15}));
    EXPECT_EQ(h.second, (Rect{16, 1, 31, 15}));
    EXPECT_EQ(h.secondArrow, UpDownArrow::Right);
    EXPECT_EQ(CursorHalf({0, 0, 16, 31}, false, 900, 20), 1);  // x is not looked at
    EXPECT_EQ(CursorHalf({0, 0, 16, 31}, false, 5, 14), 0);

    // Pressed over the lower half of a stacked one: frames 1 above and 6 below.
    const int upper = UpDownState(true, false, true, false), lower = UpDownState(true, true, true, false);
    EXPECT_EQ(UpDownFrame(upper, false), 1);
    EXPECT_EQ(UpDownFrame(lower, true), 6);
    const int disabled = UpDownState(false, true, true, true);  // disabled: 3 and 7
    EXPECT_EQ(UpDownFrame(disabled, false), 3);
    EXPECT_EQ(UpDownFrame(disabled, true), 7);
    EXPECT_EQ(UpDownState(true, true, false, true), 4);
    EXPECT_EQ(UpDownState(true, true, false, false), 1);
}

TEST(ControlLayout, LineArrowsAnchorAtTheHalfCentre) {
    const auto up = LineArrow(UpDownArrow::Up, {0, 0, 16, 15});
    ASSERT_EQ(up.size(), 7u);
    EXPECT_TRUE(up[0].pixel);
    EXPECT_EQ(up[0].x0, 8);
    EXPECT_EQ(up[0].y0, 5);  // 15 div 2 - 2
    const auto down = LineArrow(UpDownArrow::Down, {0, 15, 16, 31});
    EXPECT_EQ(down[0].y0, 15 + 8 - 2 + 3);
    const auto left = LineArrow(UpDownArrow::Left, {0, 0, 20, 10});
    ASSERT_EQ(left.size(), 4u);
    EXPECT_EQ(left[0].x0, 10);
    EXPECT_EQ(left[0].y0, 5);
    EXPECT_EQ(left[3].x1, 11);
}

TEST(ControlLayout, IconAndTextPlacement) {
    struct Case { TextAlign align; bool icon; int iconX, textX; } cases[] = {
        {TextAlign::Centre, true, 22, 39},   // (100 - 16 - 40) div 2; 22 + 16 + 1
        {TextAlign::Left, true, 2, 19},
        {TextAlign::Right, true, 42, 59},    // 100 - 16 - 40 - 2
        {TextAlign::Centre, false, 30, 31},  // no icon: it takes no room
    };
    for (const Case& c : cases) {
        const IconTextPlace p = PlaceIconAndText({0, 0, 100, 20}, c.align, c.icon, 16, 40, 14);
        EXPECT_EQ(p.drawIcon, c.icon);
        if (c.icon) {
            EXPECT_EQ(p.iconX, c.iconX) << int(c.align);
        }
        EXPECT_EQ(p.textX, c.textX) << int(c.align);
        EXPECT_EQ(p.textY, 3);
    }
    // A text wider than the room starts at 2 and is cut at the area's right edge.
    const IconTextPlace wide = PlaceIconAndText({10, 0, 60, 20}, TextAlign::Centre, false, 0, 90, 14);
    EXPECT_EQ(wide.textX, 13);
    EXPECT_EQ(wide.textRight, 60);
    // An icon as wide as the area takes no room but is still drawn.
    const IconTextPlace big = PlaceIconAndText({0, 0, 16, 16}, TextAlign::Left, true, 16, 0, 0);
    EXPECT_TRUE(big.drawIcon);
    EXPECT_EQ(big.textX, 3);
}

TEST(ControlLayout, StatusHeaderAndToolButtonRules) {
    EXPECT_EQ(PanelFrame(PanelBevel::Lowered), 1);
    EXPECT_EQ(PanelFrame(PanelBevel::Raised), 2);
    EXPECT_EQ(PanelFrame(PanelBevel::None), 3);
    EXPECT_EQ(PanelAlign(TextAlign::Left, true), TextAlign::Right);
    EXPECT_EQ(PanelAlign(TextAlign::Right, true), TextAlign::Left);
    EXPECT_EQ(PanelAlign(TextAlign::Centre, true), TextAlign::Centre);
    EXPECT_EQ(PanelAlign(TextAlign::Left, false), TextAlign::Left);
    EXPECT_EQ(SizeGripRect({0, 0, 300, 20}, 12, 12), (Rect{287, 7, 299, 19}));

    EXPECT_EQ(HeaderAlign(0x4001), TextAlign::Right);
    EXPECT_EQ(HeaderAlign(0x0802), TextAlign::Centre);
    EXPECT_EQ(HeaderAlign(0x0003), TextAlign::Left);
    EXPECT_EQ(HeaderImage(0x0002, 3), -1);  // centred with an index but no image flag
    EXPECT_EQ(HeaderImage(0x0802, 3), 3);
    EXPECT_EQ(HeaderImage(0x8000, 3), 3);

    struct Case { std::uint32_t state; int frame; } cases[] = {
        {0x1, 2}, {0x1 | 0x4, 2}, {0x10, 4}, {0x40, 4}, {0x20, 1}, {0x20 | 0x2, 0}, {0x20 | 0x4, 0},
        {0x2, 0}, {0x0, 0}, {0x8, 2}, {0x8 | 0x40, 2},
    };
    for (const Case& c : cases) EXPECT_EQ(ToolButtonFrame(c.state), c.frame) << std::hex << c.state;
}

}  // namespace
}  // namespace zuno::skin::commonctrls
