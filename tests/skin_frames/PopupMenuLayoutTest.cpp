// Popup-menu rules: measuring additions, glyph and text boxes in both directions,
// the separator's pieces, neighbour items, arrow keys and the Left/Right swap.
#include <gtest/gtest.h>

#include "skin/menus/core/PopupMenuLayout.h"

namespace zuno::skin::menus {
namespace {

TEST(PopupMenu, Measuring) {
    TDataSkinObject item("MenuItem");
    item.LeftWidth = 7;
    EXPECT_EQ(MenuItemLeftMargin(nullptr), 0);
    EXPECT_EQ(MenuItemLeftMargin(&item), 7);
    EXPECT_EQ(PopupItemWidth(100, 7, true), 119);
    EXPECT_EQ(PopupItemWidth(100, 7, false), 142);
    EXPECT_EQ(MenuBarItemWidth(100, 7, true), 117);
    EXPECT_EQ(MenuBarItemWidth(100, 0, false), 135);
    struct Case { int text; bool empty; int proposed, margin; bool win9x; int w, h; } cases[] = {
        {50, false, 15, 0, false, 76, 19},
        {50, false, 15, 7, true, 83, 23},   // 95/98/Me: 4 pixels taller
        {0, true, 15, 0, false, 26, 8},     // separator
        {0, true, 15, 0, true, 26, 12},
    };
    for (const Case& c : cases) {
        const ItemSize s = HandleItemSize(c.text, c.empty, c.proposed, c.margin, c.win9x);
        EXPECT_EQ(s.width, c.w);
        EXPECT_EQ(s.height, c.h);
    }
}

TEST(PopupMenu, GlyphBoxAndCheckMark) {
    EXPECT_EQ(GlyphSize(0, false, false), 16);
    EXPECT_EQ(GlyphSize(12, true, false), 12);
    EXPECT_EQ(GlyphSize(12, true, true), 16);  // a checked item gets at least 16
    EXPECT_EQ(GlyphSize(20, true, true), 20);
    const Rect item{0, 0, 120, 20};
    EXPECT_EQ(GlyphRect(item, 16, 4, false, false), (Rect{5, 1, 21, 17}));
    EXPECT_EQ(GlyphRect(item, 16, 4, true, false), (Rect{99, 1, 115, 17}));
    EXPECT_EQ(GlyphRect(item, 16, 4, false, true).Width(), 0);
    EXPECT_EQ(GlyphRect(item, 16, 4, false, true).left, 0);
    EXPECT_EQ(GlyphRect(item, 16, 4, true, true).left, 120);
    // A 13 x 13 check mark centred in the 16-pixel box, one pixel in.
    EXPECT_EQ(CheckMarkOrigin({5, 1, 21, 17}, 16, 13, 13), (Point{5 + 1 + 1, 1 + 1 + 1}));
    EXPECT_EQ(CheckMarkOrigin({5, 1, 21, 17}, 16, 8, 8), (Point{5 + 4 + 1, 1 + 4 + 1}));
}

TEST(PopupMenu, CaptionAndShortcutBoxes) {
    const Rect item{0, 20, 150, 41};
    const Rect glyph{5, 21, 21, 37};
    EXPECT_EQ(CaptionRect(item, glyph, false), (Rect{24, 20, 149, 41}));
    EXPECT_EQ(CaptionRect(item, {129, 21, 145, 37}, true), (Rect{1, 20, 126, 41}));
    // Measured 13 high in a 21-high item: 4 down.
    EXPECT_EQ(CentreCaption(item, {24, 20, 60, 33}), (Rect{24, 24, 60, 37}));
    EXPECT_EQ(CentreCaption(item, {24, 20, 60, 42}), (Rect{24, 20, 60, 42}));  // taller: (-1) / 2 = 0
    EXPECT_EQ(ShortcutRect(item, {24, 24, 60, 37}, false), (Rect{60, 24, 139, 37}));
    EXPECT_EQ(ShortcutRect(item, {1, 24, 126, 37}, true), (Rect{11, 24, 126, 37}));
}

TEST(PopupMenu, SeparatorFromFrameTwoBottomAligned) {
    // Five frames of 20 x 24, margins 3 and 4, an 8-pixel separator: the last 8 rows.
    const auto p = SeparatorPieces(100, 24, 90, 8, 3, 4);
    EXPECT_EQ(p[0].to, (Rect{0, 0, 3, 8}));
    EXPECT_EQ(p[0].from, (Rect{20, 16, 23, 24}));
    EXPECT_EQ(p[1].to, (Rect{86, 0, 90, 8}));
    EXPECT_EQ(p[1].from, (Rect{36, 16, 40, 24}));
    EXPECT_EQ(p[2].to, (Rect{3, 0, 86, 8}));
    EXPECT_EQ(p[2].from, (Rect{23, 16, 36, 24}));
    EXPECT_EQ(SeparatorPieces(100, 6, 90, 8, 3, 4)[2].from, (Rect{23, 0, 36, 6}));  // shorter image: from the top
}

TEST(PopupMenu, NeighbourWrapsRound) {
    struct Case { int count, open; bool forward; int next; } cases[] = {
        {4, 0, true, 1}, {4, 3, true, 0}, {4, 0, false, 3}, {4, 2, false, 1}, {1, 0, true, 0}, {0, 0, true, -1},
    };
    for (const Case& c : cases) EXPECT_EQ(NeighbourIndex(c.count, c.open, c.forward), c.next) << c.open;
}

TEST(PopupMenu, ArrowKeys) {
    const SelectedItem none{};
    const SelectedItem inTop{true, true, false, false};
    const SelectedItem withSub{true, true, false, true};
    const SelectedItem nested{true, false, false, false};
    struct Case { unsigned key; SelectedItem s; ArrowMove move; } cases[] = {
        {37, none, ArrowMove::Previous},
        {37, inTop, ArrowMove::Previous},
        {37, nested, ArrowMove::None},       // back one level inside the drop-down
        {37, {true, false, true, true}, ArrowMove::Previous},
        {39, inTop, ArrowMove::Next},
        {39, none, ArrowMove::Next},
        {39, withSub, ArrowMove::None},      // opens the submenu instead
        {39, nested, ArrowMove::Next},
        {40, none, ArrowMove::None},
    };
    for (const Case& c : cases) EXPECT_EQ(c.move, ArrowKeyMove(c.key, c.s)) << c.key;
}

TEST(PopupMenu, LeftRightSwappedOnlyInKeyMessages) {
    struct Case { unsigned msg; std::uintptr_t w; bool rtl; std::uintptr_t out; } cases[] = {
        {0x0100, 37, true, 39}, {0x0101, 39, true, 37}, {0x0104, 37, true, 39}, {0x0100, 38, true, 38},
        {0x0100, 37, false, 37},
        {0x0200, 37, true, 37},  // WM_MOUSEMOVE: wParam holds button flags
        {0x011F, 39, true, 39},  // WM_MENUSELECT: an item id
    };
    for (const Case& c : cases) EXPECT_EQ(SwapLeftRight(c.msg, c.w, c.rtl), c.out) << c.msg;
}

}  // namespace
}  // namespace zuno::skin::menus
