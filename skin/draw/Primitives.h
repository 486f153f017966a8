// The skin drawing primitives: cutting a state frame out of a skin bitmap and drawing
// it as a nine-patch, a three-part bar or stretched whole, with optional colour-key
// transparency; tiling; and five in-place bitmap utilities. Free functions, no state.
//
// Drawing target: a SkinBitmap plus a rectangle in its coordinates; everything is
// clipped to the target. A destination pixel whose source pixel lies outside the
// source bitmap is left as it was (GDI clips blits to the source surface too).
// Frames are counted from 1.
#pragma once

#include "skin/draw/Bitmap.h"

namespace zuno::skin {

// How the state frames lie in a skin bitmap.
enum class FrameLayout {
    SideBySide,  // frame k: x from (width div n)(k - 1), (width div n) wide, full height
    Stacked,     // frame k: y from (height div n)(k - 1), full width, (height div n) high
};

// How the centre of a nine-patch fills its area.
enum class CentreFill { Stretch, Tile };

// Fixed parts of a nine-patch, in pixels (a skin object's LeftWidth, TopHeight,
// RightWidth, BottomHeight).
struct Margins {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// Frame `frame` (from 1) of `frameCount` frames, in bitmap coordinates. A frame count
// below 1 counts as 1. The rectangle is not clipped: a frame number beyond the count
// lies outside the bitmap and then draws nothing.
Rect FrameRect(const SkinBitmap& bitmap, FrameLayout layout, int frameCount, int frame);

// Nearest-neighbour stretch as StretchBlt in COLORONCOLOR mode: columns and rows are
// repeated or dropped, never blended. The source index for destination offset i
// (0 <= i < d, source length s) is the one GDI's DIB engine picks (measured under
// Wine), see StretchSourceIndex. Nothing happens when either rectangle has zero or
// negative width or height.
void StretchRect(SkinBitmap& target, Rect to, const SkinBitmap& source, Rect from);

// Which axis a stretch runs along: GDI enlarges both alike but, when shrinking,
// keeps the last source column and the first source row of each dropped group.
enum class StretchAxis { Columns, Rows };

// Source offset for destination offset i, 0 <= i < destLength, both lengths >= 1:
//   enlarging or equal (d >= s): (i*s + (s - 1) div 2) div d;
//   shrinking columns: (i*s' + s' - 1 - (d - 1) div 2) div d, s' = s, or s - 1 when d = 1;
//   shrinking rows: 0 for i = 0, else the column formula at i - 1, plus 1.
int StretchSourceIndex(int i, int sourceLength, int destLength, StretchAxis axis);

// Copies `source` at `from` (its size) to (x, y) of the target: BitBlt with SRCCOPY.
void CopyRect(SkinBitmap& target, int x, int y, const SkinBitmap& source, Rect from);

// A new width x height bitmap (owned by the caller) holding frame `frame` as a
// nine-patch: corners fixed, edges and centre stretched, or the centre tiled.
// Horizontal margins are dropped when width < left + right, vertical ones when
// height < top + bottom. Pieces are drawn in the order top-left, bottom-left,
// top-right, left, top, centre, bottom-right, right, bottom, so the right and bottom
// pieces cover tiles that run past the centre. Pixels no piece reaches stay black.
SkinBitmap ComposeNinePatch(int width, int height, const SkinBitmap& bitmap, Margins margins,
                            FrameLayout layout, CentreFill centre, int frameCount, int frame);

// Composes the rectangle's size and draws it at the rectangle: with the key colour
// transparent (`transparent`) or opaque. Nothing for an empty rectangle.
void DrawNinePatch(SkinBitmap& target, Rect rect, const SkinBitmap& bitmap, FrameLayout layout,
                   CentreFill centre, bool transparent, int frameCount, int frame,
                   Margins margins);

// The eight border pieces of the nine-patch stretched straight onto the target,
// offset by the rectangle's top-left corner; the centre is left untouched.
void DrawNinePatchBorder(SkinBitmap& target, Rect rect, const SkinBitmap& bitmap,
                         FrameLayout layout, int frameCount, int frame, Margins margins);

// Left cap, middle tiled (never stretched) across, right cap over any middle copy that
// ran past; caps and middle are stretched to the rectangle's height. A frame no wider
// than its caps draws only the caps. Nothing for an empty rectangle.
void DrawThreePartBar(SkinBitmap& target, Rect rect, const SkinBitmap& bitmap, FrameLayout layout,
                      bool transparent, int frameCount, int frame, int leftCap, int rightCap);

// Frame `frame` of frames side by side, stretched over the whole rectangle.
void DrawFrameStretched(SkinBitmap& target, Rect rect, const SkinBitmap& bitmap,
                        bool transparent, int frameCount, int frame);

// Copies the bitmap's top-left part into the rectangle; target pixels where the
// bitmap holds `key` stay as they are. Nothing for an empty rectangle.
void TransparentBlit(SkinBitmap& target, Rect rect, const SkinBitmap& bitmap,
                     Pixel32 key = kKeyPixel);

// Repeats the piece `from` of the bitmap over the rectangle, tiles starting at its
// top-left; the last column and row of tiles may run past its right and bottom edge
// (clipped only by the target). Nothing when `from` has negative or zero size.
void TileRect(SkinBitmap& target, Rect rect, const SkinBitmap& bitmap, Rect from);

// In-place utilities. W and H are the size before the call.
// Each pixel becomes grey: every channel (B + G + R) div 3.
void GrayBitmap(SkinBitmap& bitmap);
// new(x, y) = old(W - 1 - x, y).
void MirrorBitmap(SkinBitmap& bitmap);
// new(x, y) = old(x, H - 1 - y).
void FlipBitmap(SkinBitmap& bitmap);
// A quarter turn counter-clockwise: H wide, W high, new(x, y) = old(W - 1 - y, x).
// The result is in new owned storage (adopted storage is released).
void RotateBitmapLeft(SkinBitmap& bitmap);
// A quarter turn clockwise: H wide, W high, new(x, y) = old(y, H - 1 - x).
void RotateBitmapRight(SkinBitmap& bitmap);

}  // namespace zuno::skin
