// Helpers the two halves of the preview composer share: colour conversion, an
// object's margins and centre fill, stand-in text, and the painters of the client
// area and the popup menu.
#pragma once

#include <algorithm>

#include "skin/data/SkinData.h"
#include "skin/draw/Primitives.h"

namespace zuno::skinart::preview {

using namespace zuno::skin;

inline Pixel32 Px(TColor c) { return PixelFromTColor(c); }

inline Margins MarginsOf(const TDataSkinObject& o) {
    return {o.LeftWidth, o.TopHeight, o.RightWidth, o.BottomHeight};
}

inline CentreFill FillOf(const TDataSkinObject& o) { return o.Tile == 1 ? CentreFill::Tile : CentreFill::Stretch; }

// Word-like bars standing in for text, 7 pixels high.
inline void FakeText(SkinBitmap& b, int x, int y, int width, Pixel32 colour) {
    static constexpr int kWords[] = {18, 11, 25, 14, 8, 21, 16};
    for (int i = 0, cx = x; cx < x + width; ++i) {
        const int w = std::min(kWords[i % 7], x + width - cx);
        b.Fill({cx, y, cx + w, y + 7}, colour);
        cx += w + 4;
    }
}

// The client area of the large preview window: every standard and common control.
void PaintClientControls(SkinBitmap& b, const TSkinData& d, Rect client);
// A popup menu with normal, selected, separator and disabled items at (x, y).
void PaintPopupMenu(SkinBitmap& b, const TSkinData& d, int x, int y);

}  // namespace zuno::skinart::preview
