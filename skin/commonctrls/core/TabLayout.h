// Tab strips without windows: the orientation a tab control's style asks for, its
// page and strip rectangles, where each tab lies in the strip painted lying down
// (then turned once), and which captions of a tab set fit beside its scroller.
#pragma once

#include <cstdint>
#include <vector>

#include "skin/draw/Bitmap.h"

namespace zuno::skin::commonctrls {

inline constexpr std::uint32_t kTcsBottom = 0x2;
inline constexpr std::uint32_t kTcsVertical = 0x80;

enum class TabSide : std::uint8_t { Top = 0, Bottom = 1, Left = 2, Right = 3 };

TabSide TabSideOf(std::uint32_t style);

// The page rectangle from the control's display rectangle (TCM_ADJUSTRECT of the
// window rectangle): inflated by 4 and moved one pixel toward the tabs.
Rect PageRect(Rect display, TabSide side);

// The strip between the window's edge and the page, in window coordinates.
Rect StripRect(Rect window, Rect page, TabSide side);

// The strip lying horizontally: length along the tabs, thickness across them.
struct StripSize {
    int length = 0;
    int thickness = 0;
};
StripSize StripSizeOf(Rect strip, TabSide side);

// A tab's rectangle (window coordinates, TCM_GETITEMRECT) inside the lying strip.
// `stripLength` is the strip's length, `windowRight` the window width, `pageBottom`
// the page's bottom edge.
Rect TabInStrip(Rect item, TabSide side, int stripLength, int windowRight, int pageBottom);

// Fixed margins of the page border nine-patch (not the Tabs object's own).
inline constexpr int kBorderLeft = 4, kBorderTop = 5, kBorderRight = 4, kBorderBottom = 4;

// One caption of a tab set that is drawn: its index and rectangle.
struct TabSetTab {
    int index = 0;
    Rect rect;
};

// The tabs of a tab set `width` wide and `height` high, from `firstIndex` on, with
// caption widths `captionWidths`: each takes its caption plus 9 pixels and is drawn
// only when it ends inside the margins with 21 pixels spare while the scroller is
// visible (9 otherwise). A tab that does not fit is passed over; a later shorter
// one may still be drawn at the same place.
std::vector<TabSetTab> FitTabSet(const std::vector<int>& captionWidths, int firstIndex, int width,
                                 int height, int startMargin, int endMargin, bool scrollerVisible);

}  // namespace zuno::skin::commonctrls
