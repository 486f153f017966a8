// Layout rules of the smaller common controls without windows: progress fill and
// chunks, up-down halves, states, frames and line arrows, icon-and-text placement,
// status-panel frames and alignment, header item format, tool-button frames.
#pragma once

#include <cstdint>
#include <vector>

#include "skin/draw/Bitmap.h"

namespace zuno::skin::commonctrls {

// ---- progress bar
// The filled width of a bar `width` wide at `pos` of upper limit `high` (the lower
// limit is not used): pos * width div high, 0 unless both are positive. Computed in
// 64 bits so a large position cannot overflow; never wider than the bar.
int ProgressFill(int pos, int high, int width);
// Copies of a chunk `chunkWidth` wide laid into a strip `fill` wide: fill div chunk + 1
// (0 when either is not positive).
int ChunkCount(int fill, int chunkWidth);

// ---- up-down
enum class UpDownArrow { Up = 0, Down = 1, Left = 2, Right = 3 };
struct UpDownHalves {
    Rect first, second;  // up/left, down/right
    UpDownArrow firstArrow, secondArrow;
};
// The client rectangle split side by side (horizontal) or stacked.
UpDownHalves SplitUpDown(Rect client, bool horizontal);
// Which half the cursor (client coordinates) is in along the split axis: 0 first, 1
// second. The other coordinate is not tested.
int CursorHalf(Rect client, bool horizontal, int x, int y);
// State of a half: 3 disabled, else 1 unless the cursor is in it, then 2 pressed, 4
// hot, 1 otherwise.
int UpDownState(bool enabled, bool cursorInHalf, bool pressed, bool hot);
// Skin frame of a half: its state for the first arrow, state + 4 for the second.
inline int UpDownFrame(int state, bool second) { return second ? state + 4 : state; }

// A line segment from (x0, y0) up to, not including, (x1, y1); a single pixel when
// both points are equal and `pixel` is set.
struct Segment {
    int x0, y0, x1, y1;
    bool pixel = false;
};
// The line-drawn arrow of an unskinned half, anchored at its centre (minus 2 in y for
// up and down). Left and right are one polyline given as consecutive segments.
std::vector<Segment> LineArrow(UpDownArrow arrow, Rect half);

// ---- icon and text
enum class TextAlign { Left = 0, Centre = 1, Right = 2 };
struct IconTextPlace {
    int iconX = 0, iconY = 0;  // meaningful when drawIcon
    bool drawIcon = false;
    int textX = 0, textY = 0;  // top-left of the measured text
    int textRight = 0;         // its right edge, never past the area
};
// Places an icon `iconWidth` wide (its width also centres it vertically) and a text
// measured `textWidth` x `textHeight` in `area`. The icon takes room only when it is
// to be drawn (`hasIcon`) and narrower than the area.
IconTextPlace PlaceIconAndText(Rect area, TextAlign align, bool hasIcon, int iconWidth,
                               int textWidth, int textHeight);

// ---- status bar
enum class PanelBevel { Lowered, Raised, None };
// Frame of StatusBarEdges: lowered 1, raised 2, none 3.
int PanelFrame(PanelBevel bevel);
// A right-to-left panel swaps left and right; centre stays.
TextAlign PanelAlign(TextAlign align, bool rightToLeft);
// The size-grip cell's rectangle in a bar `bar`, cell w x h.
Rect SizeGripRect(Rect bar, int cellWidth, int cellHeight);

// ---- header
// Header item alignment from its format: HDF_RIGHT right, HDF_CENTER centre, else left.
TextAlign HeaderAlign(std::uint32_t format);
// The image index counts only with HDF_IMAGE or 0x8000 in the format, else -1.
int HeaderImage(std::uint32_t format, int image);

// ---- tool button
// Skin frame for a custom-draw item state: selected or checked 2; focus or hot 4; default and
// neither greyed nor disabled 1; 0 (nothing drawn) otherwise.
int ToolButtonFrame(std::uint32_t itemState);

}  // namespace zuno::skin::commonctrls
