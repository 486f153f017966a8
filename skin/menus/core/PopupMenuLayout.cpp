// Popup-menu geometry: measuring additions, glyph, caption and shortcut boxes,
// separator pieces, neighbour items and arrow keys.
#include "skin/menus/core/PopupMenuLayout.h"

#include <algorithm>

namespace zuno::skin::menus {
namespace {

constexpr unsigned kKeyDown = 0x0100, kKeyUp = 0x0101, kSysKeyDown = 0x0104, kSysKeyUp = 0x0105;
constexpr unsigned kVkLeft = 37, kVkRight = 39;

}  // namespace

int MenuItemLeftMargin(const TDataSkinObject* menuItem) { return menuItem ? menuItem->LeftWidth : 0; }

int PopupItemWidth(int measuredWidth, int margin, bool hasImages) {
    return measuredWidth + margin + (hasImages ? 12 : 35);
}

int MenuBarItemWidth(int measuredWidth, int margin, bool hasImages) {
    return measuredWidth + margin + (hasImages ? 10 : 35);
}

ItemSize HandleItemSize(int textWidth, bool emptyText, int proposedHeight, int margin, bool win9x) {
    ItemSize s;
    s.width = textWidth + 26 + margin;
    s.height = emptyText ? 8 : proposedHeight + 4;
    if (win9x) s.height += 4;
    return s;
}

int GlyphSize(int imageWidth, bool hasImages, bool checked) {
    const int g = hasImages ? imageWidth : 16;
    return checked ? std::max(g, 16) : g;
}

Rect GlyphRect(Rect r, int g, int margin, bool rightToLeft, bool separator) {
    if (rightToLeft) {
        if (separator) return {r.right, r.top + 1, r.right, r.top + 1 + g};
        const int right = r.right - 1 - margin;
        return {right - g, r.top + 1, right, r.top + 1 + g};
    }
    if (separator) return {0, r.top + 1, 0, r.top + 1 + g};
    const int left = r.left + 1 + margin;
    return {left, r.top + 1, left + g, r.top + 1 + g};
}

Point CheckMarkOrigin(Rect glyph, int g, int bitmapWidth, int bitmapHeight) {
    return {glyph.left + (g - bitmapWidth) / 2 + 1, glyph.top + (g - bitmapHeight) / 2 + 1};
}

Rect CaptionRect(Rect item, Rect glyph, bool rightToLeft) {
    if (rightToLeft) return {item.left + 1, item.top, glyph.left - 3, item.bottom};
    return {glyph.right + 3, item.top, item.right - 1, item.bottom};
}

Rect CentreCaption(Rect item, Rect measured) {
    const int dy = (item.Height() - measured.Height()) / 2;  // truncates toward zero
    return {measured.left, measured.top + dy, measured.right, measured.bottom + dy};
}

Rect ShortcutRect(Rect item, Rect caption, bool rightToLeft) {
    if (rightToLeft) return {caption.left + 10, caption.top, caption.right, caption.bottom};
    return {caption.right, caption.top, item.right - 1 - 10, caption.bottom};
}

std::array<Piece, 3> SeparatorPieces(int imageWidth, int ih, int w, int h, int lm, int rm) {
    const int fw = imageWidth / 5;
    const int t = h < ih ? ih - h : 0;
    return {{
        {{0, 0, lm, h}, {fw, t, fw + lm, ih}},
        {{w - rm, 0, w, h}, {2 * fw - rm, t, 2 * fw, ih}},
        {{lm, 0, w - rm, h}, {fw + lm, t, 2 * fw - rm, ih}},
    }};
}

int NeighbourIndex(int count, int open, bool forward) {
    if (count <= 0) return -1;
    if (forward) return open >= count - 1 ? 0 : open + 1;
    return open <= 0 ? count - 1 : open - 1;
}

ArrowMove ArrowKeyMove(unsigned key, const SelectedItem& s) {
    if (key == kVkLeft)
        return (!s.known || s.parentIsOpen || s.selfIsOpen) ? ArrowMove::Previous : ArrowMove::None;
    if (key == kVkRight) return (s.known && s.hasSubItems) ? ArrowMove::None : ArrowMove::Next;
    return ArrowMove::None;
}

bool IsKeyMessage(unsigned message) {
    return message == kKeyDown || message == kKeyUp || message == kSysKeyDown || message == kSysKeyUp;
}

std::uintptr_t SwapLeftRight(unsigned message, std::uintptr_t wParam, bool rightToLeft) {
    if (!rightToLeft || !IsKeyMessage(message)) return wParam;
    if (wParam == kVkLeft) return kVkRight;
    if (wParam == kVkRight) return kVkLeft;
    return wParam;
}

}  // namespace zuno::skin::menus
