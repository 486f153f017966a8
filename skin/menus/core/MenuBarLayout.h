// The skinned menu bar without windows: where the first item starts, where every
// item goes (left to right or right to left), the accelerator of a caption and the
// keyboard-menu filter's decision.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "skin/data/SkinObjects.h"
#include "skin/draw/Bitmap.h"

namespace zuno::skin::menus {

// Offset of the first item: with a MenuBar image its right cap + 8 (right to left)
// or left cap + 4, but 12 when that is wider than the bar; without an image 6.
int MenuBarStartOffset(const TDataSkinObject* menuBar, bool rightToLeft, int barWidth);

struct MenuBarItemInput {
    int textWidth = 0;     // width of the caption in the menu font
    bool visible = true;
    bool emptyCaption = false;
};

// Item rectangles in bar coordinates (0, 0, barWidth, barHeight): a visible item is
// its text width + 10 wide (0 for an empty caption) and barHeight - 1 high; an
// invisible one gets the empty rectangle.
std::vector<Rect> LayoutMenuBarItems(const std::vector<MenuBarItemInput>& items, int start,
                                     int barWidth, int barHeight, bool rightToLeft);

// The character after a single "&" ("&&" is a literal ampersand), upper-cased for
// ASCII letters; 0 when the caption has none.
wchar_t AccelChar(std::wstring_view caption);

// Keyboard-menu filter for WM_SYSCOMMAND: true when the frame answers the command
// itself (with 1) instead of forwarding it.
bool KeyMenuSwallowed(bool tracking, unsigned command, std::int64_t key, bool captured,
                      bool accelItemFound);

}  // namespace zuno::skin::menus
