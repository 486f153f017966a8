// Tab control and tab set layout: orientation, page and strip rectangles, tabs
// mapped into the lying strip, and the tab-set fitting rule.
#include "skin/commonctrls/core/TabLayout.h"

namespace zuno::skin::commonctrls {

TabSide TabSideOf(std::uint32_t style) {
    const bool bottom = (style & kTcsBottom) != 0, vertical = (style & kTcsVertical) != 0;
    if (bottom && vertical) return TabSide::Right;
    if (bottom) return TabSide::Bottom;
    if (vertical) return TabSide::Left;
    return TabSide::Top;
}

Rect PageRect(Rect display, TabSide side) {
    Rect p{display.left - 4, display.top - 4, display.right + 4, display.bottom + 4};
    switch (side) {
    case TabSide::Top: p.top += 1; break;
    case TabSide::Bottom: p.bottom -= 1; break;
    case TabSide::Left: p.left += 1; break;
    case TabSide::Right: p.right -= 1; break;
    }
    return p;
}

Rect StripRect(Rect w, Rect p, TabSide side) {
    switch (side) {
    case TabSide::Top: return {w.left, w.top, w.right, p.top};
    case TabSide::Bottom: return {w.left, p.bottom, w.right, w.bottom};
    case TabSide::Left: return {w.left, w.top, p.left, w.bottom};
    case TabSide::Right: return {p.right, w.top, w.right, w.bottom};
    }
    return {};
}

StripSize StripSizeOf(Rect s, TabSide side) {
    if (side == TabSide::Top || side == TabSide::Bottom) return {s.Width(), s.Height()};
    return {s.Height(), s.Width()};
}

Rect TabInStrip(Rect i, TabSide side, int L, int windowRight, int pageBottom) {
    switch (side) {
    case TabSide::Top: return {i.left, i.top + 1, i.right, i.bottom + 1};
    case TabSide::Bottom:
        return {i.left, i.top - (pageBottom + 1), i.right, i.bottom - (pageBottom + 1)};
    case TabSide::Left: return {L - i.bottom, i.left, L - i.top, i.right};
    case TabSide::Right:
        return {i.top - 1, windowRight - i.right, i.bottom - 1, windowRight - i.left};
    }
    return i;
}

std::vector<TabSetTab> FitTabSet(const std::vector<int>& captionWidths, int firstIndex, int width,
                                 int height, int startMargin, int endMargin, bool scrollerVisible) {
    std::vector<TabSetTab> drawn;
    int x = startMargin;
    const int limit = width - endMargin;
    const int spare = scrollerVisible ? 21 : 9;
    for (int i = firstIndex < 0 ? 0 : firstIndex; i < static_cast<int>(captionWidths.size()); ++i) {
        const int tw = captionWidths[std::size_t(i)];
        if (limit < x + tw + spare) continue;
        drawn.push_back({i, {x, 0, x + tw + 9, height}});
        x += tw + 9;
    }
    return drawn;
}

}  // namespace zuno::skin::commonctrls
