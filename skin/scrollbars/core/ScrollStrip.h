// One scroll bar composed in its work strip: 16 pixels thick and as long as the bar,
// holding the shaft, both arrows and the thumb from the skin. The Windows side
// stretches the strip once onto the bar, mapping the 16 pixels onto the bar width.
#pragma once

#include <cstdint>

#include "skin/data/SkinData.h"
#include "skin/scrollbars/core/ScrollGeometry.h"

namespace zuno::skin::scrollbars {

inline constexpr int kStripThickness = 16;
inline constexpr int kArrowFrames = 23;  // frames of the skin's Scrollbar strip
inline constexpr int kMaxStripLength = 10000;

// The frame of the Scrollbar strip for the first (left/up) or second (right/down)
// arrow of a bar, pressed when `state` names that arrow.
int ArrowFrame(bool horizontal, bool second, std::int32_t state);

// Where the pieces lie along the bar: each arrow is s long, or half the bar when it
// is shorter than 2s (then no shaft and no thumb).
struct StripLayout {
    int arrow = 0;       // a
    Rect firstArrow;     // along-bar coordinates in a horizontal strip
    Rect secondArrow;
    Rect shaft;
    Rect thumb;          // empty (no area) when no thumb is drawn
};
StripLayout LayoutStrip(int length, int s, const BarMetrics& m);

// The strip of a bar `length` pixels long: length x 16 for a horizontal bar, 16 x
// length for a vertical one, filled with `fill` and then the skin's pieces. `m` must
// come from the thumb computation for this bar. Empty when the skin has no usable
// Scrollbar strip or the length is outside 1 .. kMaxStripLength.
SkinBitmap ComposeScrollStrip(const TSkinData& skin, bool horizontal, int length, int s,
                              std::int32_t state, const BarMetrics& m, Pixel32 fill);

}  // namespace zuno::skin::scrollbars
