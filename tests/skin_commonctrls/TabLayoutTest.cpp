// Tab orientation, page and strip rectangles, tabs in the lying strip, and which
// tab-set captions fit.
#include <gtest/gtest.h>

#include "skin/commonctrls/core/TabLayout.h"

namespace zuno::skin::commonctrls {
namespace {

TEST(TabLayout, SidesPagesAndStrips) {
    const Rect window{0, 0, 200, 100};
    struct Case {
        std::uint32_t style; TabSide side; Rect display, page, strip; int length, thickness;
    } cases[] = {
        {0, TabSide::Top, {4, 26, 196, 96}, {0, 23, 200, 100}, {0, 0, 200, 23}, 200, 23},
        {kTcsBottom, TabSide::Bottom, {4, 4, 196, 74}, {0, 0, 200, 77}, {0, 77, 200, 100}, 200, 23},
        {kTcsVertical, TabSide::Left, {30, 4, 196, 96}, {27, 0, 200, 100}, {0, 0, 27, 100}, 100, 27},
        {kTcsVertical | kTcsBottom, TabSide::Right, {4, 4, 170, 96}, {0, 0, 173, 100}, {173, 0, 200, 100}, 100, 27},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TabSideOf(c.style), c.side);
        const Rect p = PageRect(c.display, c.side);
        EXPECT_EQ(p, c.page) << int(c.side);
        const Rect s = StripRect(window, p, c.side);
        EXPECT_EQ(s, c.strip) << int(c.side);
        EXPECT_EQ(StripSizeOf(s, c.side).length, c.length);
        EXPECT_EQ(StripSizeOf(s, c.side).thickness, c.thickness);
    }
}

TEST(TabLayout, TabsInTheLyingStrip) {
    struct Case { TabSide side; Rect item, inStrip; } cases[] = {
        {TabSide::Top, {2, 2, 60, 22}, {2, 3, 60, 23}},
        {TabSide::Bottom, {2, 78, 60, 98}, {2, 0, 60, 20}},       // up by page bottom 77 + 1
        {TabSide::Left, {2, 2, 24, 50}, {50, 2, 98, 24}},         // L = 100
        {TabSide::Right, {176, 2, 198, 50}, {1, 2, 49, 24}},      // window right 200
    };
    for (const Case& c : cases) EXPECT_EQ(TabInStrip(c.item, c.side, 100, 200, 77), c.inStrip) << int(c.side);
}

TEST(TabLayout, TabSetFitting) {
    // 200 wide, no margins, scroller visible: a 100-pixel caption needs x + 121 <= 200.
    auto tabs = FitTabSet({80, 100, 60}, 0, 200, 20, 0, 0, true);
    ASSERT_EQ(tabs.size(), 2u);
    EXPECT_EQ(tabs[0].index, 0);
    EXPECT_EQ(tabs[0].rect, (Rect{0, 0, 89, 20}));
    EXPECT_EQ(tabs[1].index, 2);                       // the 100 is skipped (210 > 200), the 60 fits
    EXPECT_EQ(tabs[1].rect, (Rect{89, 0, 158, 20}));
    tabs = FitTabSet({100}, 0, 200, 20, 0, 0, true);   // x 0: 121 <= 200
    EXPECT_EQ(tabs.size(), 1u);
    tabs = FitTabSet({80, 100}, 0, 200, 20, 0, 0, true);  // 89 + 121 = 210 > 200
    EXPECT_EQ(tabs.size(), 1u);
    tabs = FitTabSet({80, 100}, 0, 200, 20, 0, 0, false);  // 89 + 109 = 198 fits without scroller
    EXPECT_EQ(tabs.size(), 2u);
    tabs = FitTabSet({10, 20, 30}, 1, 200, 20, 5, 0, false);  // first visible index, start margin
    ASSERT_EQ(tabs.size(), 2u);
    EXPECT_EQ(tabs[0].rect.left, 5);
    EXPECT_EQ(tabs[1].rect.left, 34);
    EXPECT_TRUE(FitTabSet({10}, 0, 200, 20, 0, 185, false).empty());  // end margin
}

}  // namespace
}  // namespace zuno::skin::commonctrls
