// PaintScrollBar: the strip composed by the core, stretched onto the bar in one
// StretchBlt so that its 16 pixels across fit the system's bar width.
#include "skin/scrollbars/SkinScrollbar.h"

#include "skin/draw/Primitives.h"
#include "skin/frames/GdiSurface.h"
#include "skin/frames/WinSkinData.h"
#include "skin/scrollbars/core/ScrollStrip.h"

namespace zuno::skin::controls {

void PaintScrollBar(HDC dc, const RECT& bar, bool horizontal, std::int32_t state,
                    const scrollbars::BarMetrics& m, const TSkinData& skin) {
    const int length = horizontal ? bar.right - bar.left : bar.bottom - bar.top;
    const int s = GetSystemMetrics(SM_CXHSCROLL);
    const Pixel32 fill = PixelFromTColor(static_cast<TColor>(frames::ResolveColour(skin.ScrollbarColour)));
    const SkinBitmap strip = scrollbars::ComposeScrollStrip(skin, horizontal, length, s, state, m, fill);
    if (strip.Empty()) return;
    frames::DibSurface surface;
    surface.Resize(strip.Width(), strip.Height());
    if (surface.Empty()) return;
    CopyRect(surface.Pixels(), 0, 0, strip, strip.Bounds());
    GdiFlush();
    const int old = SetStretchBltMode(dc, COLORONCOLOR);
    StretchBlt(dc, bar.left, bar.top, bar.right - bar.left, bar.bottom - bar.top, surface.Dc(), 0, 0,
               strip.Width(), strip.Height(), SRCCOPY);
    SetStretchBltMode(dc, old);
    GdiFlush();
}

}  // namespace zuno::skin::controls
