// Composes a scroll bar's work strip: fill, shaft nine-patch, the two arrow frames
// and the thumb nine-patch, drawn lying along the bar so one stretch fits it.
#include "skin/scrollbars/core/ScrollStrip.h"

#include "skin/draw/Primitives.h"

namespace zuno::skin::scrollbars {

int ArrowFrame(bool horizontal, bool second, std::int32_t state) {
    // Left 1, right 5, up 9, down 13; the pressed look is the next frame.
    const int base = horizontal ? (second ? 5 : 1) : (second ? 13 : 9);
    const std::int32_t pressedState =
        horizontal ? (second ? kStateRight : kStateLeft) : (second ? kStateDown : kStateUp);
    return state == pressedState ? base + 1 : base;
}

StripLayout LayoutStrip(int length, int s, const BarMetrics& m) {
    StripLayout l;
    l.arrow = length < 2 * s ? length / 2 : s;
    l.firstArrow = {0, 0, l.arrow, kStripThickness};
    l.secondArrow = {length - l.arrow, 0, length, kStripThickness};
    l.shaft = {s, 0, length - s, kStripThickness};
    if (length >= 2 * s && m.ThumbSize > 0 && m.TrackLength >= m.ThumbSize) {
        const int from = l.arrow + m.ThumbPos;
        l.thumb = {from, 0, from + m.ThumbSize, kStripThickness};
    }
    return l;
}

namespace {

Margins MarginsOf(const TDataSkinObject& o) {
    return {o.LeftWidth, o.TopHeight, o.RightWidth, o.BottomHeight};
}

// Along-bar rectangle to strip coordinates: vertical strips swap the axes.
Rect Orient(Rect r, bool horizontal) {
    return horizontal ? r : Rect{r.top, r.left, r.bottom, r.right};
}

}  // namespace

SkinBitmap ComposeScrollStrip(const TSkinData& skin, bool horizontal, int length, int s,
                              std::int32_t state, const BarMetrics& m, Pixel32 fill) {
    if (!skin.Scrollbar || skin.Scrollbar->Bitmap.Empty()) return {};
    if (length < 1 || length > kMaxStripLength) return {};
    SkinBitmap strip = horizontal ? SkinBitmap(length, kStripThickness, fill)
                                  : SkinBitmap(kStripThickness, length, fill);
    const StripLayout l = LayoutStrip(length, s, m);

    const TDataSkinObject* shaft = horizontal ? skin.HorzScroll.get() : skin.VertScroll.get();
    if (shaft && !shaft->Bitmap.Empty() && l.shaft.HasArea())
        DrawNinePatch(strip, Orient(l.shaft, horizontal), shaft->Bitmap, FrameLayout::SideBySide,
                      shaft->Tile == 1 ? CentreFill::Tile : CentreFill::Stretch, shaft->Trans == 1,
                      4, 1, MarginsOf(*shaft));

    const SkinBitmap& arrows = skin.Scrollbar->Bitmap;
    DrawFrameStretched(strip, Orient(l.firstArrow, horizontal), arrows, true, kArrowFrames,
                       ArrowFrame(horizontal, false, state));
    DrawFrameStretched(strip, Orient(l.secondArrow, horizontal), arrows, true, kArrowFrames,
                       ArrowFrame(horizontal, true, state));

    const TDataSkinObject* thumb =
        horizontal ? skin.HorzScrollThumb.get() : skin.VertScrollThumb.get();
    if (thumb && !thumb->Bitmap.Empty() && l.thumb.HasArea()) {
        const bool pressed = state == (horizontal ? kStateHorzThumb : kStateVertThumb);
        DrawNinePatch(strip, Orient(l.thumb, horizontal), thumb->Bitmap, FrameLayout::SideBySide,
                      CentreFill::Stretch, thumb->Trans == 1, thumb->FrameCount, pressed ? 2 : 1,
                      MarginsOf(*thumb));
    }
    return strip;
}

}  // namespace zuno::skin::scrollbars
