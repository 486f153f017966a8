// Menu-bar rules: the start offset, item places in both directions, accelerators
// and the keyboard-menu filter.
#include <gtest/gtest.h>

#include "skin/menus/core/MenuBarLayout.h"

namespace zuno::skin::menus {
namespace {

TEST(MenuBar, StartOffset) {
    TDataSkinObject bar("MenuBar");
    bar.LeftWidth = 10;
    bar.RightWidth = 20;
    EXPECT_EQ(MenuBarStartOffset(nullptr, false, 500), 6);
    EXPECT_EQ(MenuBarStartOffset(&bar, false, 500), 14);
    EXPECT_EQ(MenuBarStartOffset(&bar, true, 500), 28);
    EXPECT_EQ(MenuBarStartOffset(&bar, false, 13), 12);  // margin wider than the bar
    EXPECT_EQ(MenuBarStartOffset(&bar, true, 27), 12);
}

TEST(MenuBar, ItemsLeftToRightAndRightToLeft) {
    const std::vector<MenuBarItemInput> items = {
        {48, true, false}, {20, false, false}, {0, true, true}, {30, true, false}};
    const std::vector<Rect> ltr = LayoutMenuBarItems(items, 6, 400, 19, false);
    EXPECT_EQ(ltr[0], (Rect{6, 0, 64, 18}));
    EXPECT_EQ(ltr[1], (Rect{}));
    EXPECT_EQ(ltr[2], (Rect{64, 0, 64, 18}));  // empty caption: zero width
    EXPECT_EQ(ltr[3], (Rect{64, 0, 104, 18}));
    const std::vector<Rect> rtl = LayoutMenuBarItems(items, 28, 400, 19, true);
    EXPECT_EQ(rtl[0], (Rect{314, 0, 372, 18}));
    EXPECT_EQ(rtl[3], (Rect{274, 0, 314, 18}));
}

TEST(MenuBar, Accelerators) {
    EXPECT_EQ(AccelChar(L"&File"), L'F');
    EXPECT_EQ(AccelChar(L"e&xit"), L'X');
    EXPECT_EQ(AccelChar(L"A && B"), 0);
    EXPECT_EQ(AccelChar(L"A && &B"), L'B');
    EXPECT_EQ(AccelChar(L"工具(&T)"), L'T');
    EXPECT_EQ(AccelChar(L"工具"), 0);
    EXPECT_EQ(AccelChar(L"trailing&"), 0);
}

TEST(MenuBar, KeyMenuFilter) {
    struct Case { bool tracking; unsigned cmd; std::int64_t key; bool captured, found, swallowed; } cases[] = {
        {false, 0xF100, 0, false, false, true},     // Alt or F10 alone
        {false, 0xF103, 0, false, false, true},     // low bits masked
        {false, 0xF100, 'x', false, true, true},    // an accelerator of the bar
        {false, 0xF100, 'x', false, false, false},
        {false, 0xF100, 32, false, true, false},    // Alt+Space: the system menu
        {false, 0xF100, 45, false, true, false},
        {false, 0xF100, 0, true, false, false},     // mouse captured
        {true, 0xF100, 0, false, false, false},     // a drop-down is open
        {false, 0xF060, 0, false, false, false},    // not SC_KEYMENU
    };
    for (const Case& c : cases)
        EXPECT_EQ(KeyMenuSwallowed(c.tracking, c.cmd, c.key, c.captured, c.found), c.swallowed) << c.key;
}

}  // namespace
}  // namespace zuno::skin::menus
