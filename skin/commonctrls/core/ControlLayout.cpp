// Progress, up-down, icon-and-text, status-panel, header and tool-button rules.
#include "skin/commonctrls/core/ControlLayout.h"

#include <algorithm>
#include <cstdint>

namespace zuno::skin::commonctrls {

int ProgressFill(int pos, int high, int width) {
    if (pos <= 0 || high <= 0 || width <= 0) return 0;
    const std::int64_t f = std::int64_t{pos} * width / high;
    return static_cast<int>(std::min<std::int64_t>(f, width));
}

int ChunkCount(int fill, int chunkWidth) {
    if (fill <= 0 || chunkWidth <= 0) return 0;
    return fill / chunkWidth + 1;
}

UpDownHalves SplitUpDown(Rect c, bool horizontal) {
    if (horizontal) {
        const int half = c.Width() / 2;
        return {{c.left, c.top, c.left + half, c.bottom},
                {c.left + half, c.top, c.right, c.bottom},
                UpDownArrow::Left, UpDownArrow::Right};
    }
    const int half = c.Height() / 2;
    return {{c.left, c.top, c.right, c.top + half},
            {c.left, c.top + half, c.right, c.bottom},
            UpDownArrow::Up, UpDownArrow::Down};
}

int CursorHalf(Rect c, bool horizontal, int x, int y) {
    const int half = horizontal ? c.Width() / 2 : c.Height() / 2;
    return (horizontal ? x : y) < half ? 0 : 1;
}

int UpDownState(bool enabled, bool cursorInHalf, bool pressed, bool hot) {
    if (!enabled) return 3;
    if (!cursorInHalf) return 1;
    if (pressed) return 2;
    if (hot) return 4;
    return 1;
}

std::vector<Segment> LineArrow(UpDownArrow arrow, Rect h) {
    const int x = h.left + h.Width() / 2;
    const int yc = h.top + h.Height() / 2;
    switch (arrow) {
    case UpDownArrow::Up: {
        const int y = yc - 2;
        return {{x, y, x, y, true},        {x + 1, y + 1, x + 4, y + 4},
                {x, y + 1, x + 3, y + 4},  {x, y + 2, x + 2, y + 4},
                {x - 1, y + 1, x - 4, y + 4}, {x, y + 2, x - 3, y + 4},
                {x, y + 1, x - 2, y + 4}};
    }
    case UpDownArrow::Down: {
        const int y = yc - 2;
        return {{x, y + 3, x, y + 3, true},   {x + 1, y + 2, x + 4, y - 1},
                {x, y + 2, x + 3, y - 1},     {x, y + 1, x + 2, y},
                {x - 1, y + 2, x - 4, y - 1}, {x, y + 2, x - 3, y - 1},
                {x, y + 1, x - 2, y}};
    }
    case UpDownArrow::Left: {
        const int y = yc;
        return {{x, y, x + 1, y + 2}, {x + 1, y + 2, x + 1, y - 2},
                {x + 1, y - 2, x - 1, y}, {x - 1, y, x + 1, y + 2}};
    }
    case UpDownArrow::Right: {
        const int y = yc;
        return {{x, y, x - 1, y + 2}, {x - 1, y + 2, x - 1, y - 2},
                {x - 1, y - 2, x + 1, y}, {x + 1, y, x - 1, y + 2}};
    }
    }
    return {};
}

IconTextPlace PlaceIconAndText(Rect a, TextAlign align, bool hasIcon, int iconWidth,
                               int textWidth, int textHeight) {
    IconTextPlace p;
    const int cx = hasIcon && iconWidth < a.Width() ? iconWidth : 0;
    int dx = 2;
    if (align == TextAlign::Centre) dx = (a.Width() - cx - textWidth) / 2;
    if (align == TextAlign::Right) dx = a.Width() - cx - textWidth - 2;
    dx = std::max(dx, 2);
    p.drawIcon = hasIcon;
    p.iconX = a.left + dx;
    p.iconY = a.top + (a.Height() - cx) / 2;
    // Clamped into the area, so a text too long for the room ends in an ellipsis.
    const int tx = a.left + dx + cx + 1;
    p.textX = std::min(tx, a.right);
    p.textRight = std::min(tx + textWidth, a.right);
    p.textY = a.top + (a.Height() - textHeight) / 2;
    return p;
}

int PanelFrame(PanelBevel bevel) {
    switch (bevel) {
    case PanelBevel::Lowered: return 1;
    case PanelBevel::Raised: return 2;
    case PanelBevel::None: return 3;
    }
    return 1;
}

TextAlign PanelAlign(TextAlign align, bool rightToLeft) {
    if (!rightToLeft || align == TextAlign::Centre) return align;
    return align == TextAlign::Left ? TextAlign::Right : TextAlign::Left;
}

Rect SizeGripRect(Rect r, int w, int h) {
    return {r.right - 1 - w, r.bottom - 1 - h, r.right - 1, r.bottom - 1};
}

TextAlign HeaderAlign(std::uint32_t format) {
    switch (format & 0xFF) {
    case 1: return TextAlign::Right;
    case 2: return TextAlign::Centre;
    default: return TextAlign::Left;
    }
}

int HeaderImage(std::uint32_t format, int image) {
    return (format & 0x0800u) != 0 || (format & 0x8000u) != 0 ? image : -1;
}

int ToolButtonFrame(std::uint32_t s) {
    // A checked (down) button looks pressed: left to the tool bar, it would show the
    // system's light checked pattern, a bright box in a dark skin.
    if (s & (0x1u | 0x8u)) return 2;
    if (s & (0x10u | 0x40u)) return 4;
    if ((s & 0x20u) && !(s & (0x2u | 0x4u))) return 1;
    return 0;
}

}  // namespace zuno::skin::commonctrls
