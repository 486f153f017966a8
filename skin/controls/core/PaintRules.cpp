// State frames and placement of the control wrappers' skin images.
#include "skin/controls/core/PaintRules.h"

namespace zuno::skin::controls {

int ButtonFrame(bool pressed, bool hot, bool isDefault, bool focused, bool enabled) {
    if (!enabled) return 3;
    if (pressed) return 2;
    if (hot) return 4;
    if (isDefault) return 5;
    if (focused) return 4;
    return 1;
}

int BitButtonFrame(bool pressed, bool hot, bool isDefault, bool focused, bool enabled) {
    if (!enabled) return 3;
    if (pressed) return 2;
    if (focused || hot) return 4;
    if (isDefault) return 5;
    return 1;
}

int SpeedButtonFrame(bool pressed, bool down, bool hot, bool enabled) {
    if (pressed || down) return 2;
    if (hot && enabled) return 4;
    if (!enabled) return 3;
    return 1;
}

int GlyphNumber(int frame, bool enabled) {
    if (frame == 2) return 3;
    return enabled ? 1 : 2;
}

int CheckFrame(bool checkBox, bool checked, bool enabled, bool indeterminate, int frameCount) {
    int frame = checked ? 2 : 1;
    if (!enabled) frame += 2;
    const bool grey = checkBox && indeterminate;
    if (grey) frame = 4;
    const bool remap = checkBox ? frameCount == 12 : frameCount == 8;
    if (!remap) return frame;
    if (grey) return enabled ? 9 : 12;
    switch (frame) {
    case 2: return 5;
    case 3: return 4;
    case 4: return 8;
    }
    return frame;
}

CheckGlyphPlace PlaceCheckGlyph(bool checkBox, bool leftText, int w, int h, int cellW, int cellH, int m) {
    CheckGlyphPlace p;
    p.glyph.top = (h - cellH) / 2;
    p.glyph.bottom = p.glyph.top + cellH;
    if (leftText) {
        p.glyph.right = cellW < 15 ? w - (14 - cellW) / 2 : w - 1;
        p.glyph.left = p.glyph.right - cellW;
        p.erase = {w - (m + 3), 0, w, h};
    } else {
        const int extra = checkBox ? 2 : 0;
        p.glyph.left = (cellW < 15 ? (14 - cellW) / 2 : 0) + extra;
        p.glyph.right = p.glyph.left + cellW;
        p.erase = {0, 0, m + 3, h};
    }
    return p;
}

int ComboFrame(bool pressed, bool focused, bool hot, bool enabled) {
    if (pressed) return 2;
    if (focused || hot) return 4;
    return enabled ? 1 : 3;
}

ComboPlace PlaceCombo(int w, int h, int e, bool rtl) {
    if (rtl) return {{e + 4, 2, w - 2, h - 2}, {0, 0, e + 2, h}, {2, 0, e + 2, h}};
    return {{2, 2, w - e - 4, h - 2}, {w - e - 2, 0, w, h}, {w - e - 2, 0, w - 2, h}};
}

Offset CentredCaptionOffset(int width, int height, int textWidth, int textHeight) {
    return {(width - textWidth) / 2, (height - textHeight) / 2 - 1};
}

bool EditHasBorder(int clientW, int clientH, int windowW, int windowH) {
    return clientW < windowW && clientH < windowH;
}

bool EditPrintHasBorder(int clientW, int clientH, int windowW, int windowH) {
    return clientW + 2 < windowW && clientH + 2 < windowH;
}

}  // namespace zuno::skin::controls
