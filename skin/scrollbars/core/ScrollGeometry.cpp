// Scroll-bar rectangles, thumb metrics, hit parts and drag positions: the
// arithmetic every skinned bar shares, kept free of windows so it is tested natively.
#include "skin/scrollbars/core/ScrollGeometry.h"

#include <algorithm>
#include <limits>

namespace zuno::skin::scrollbars {

std::int32_t StateForRequest(bool horizontal, int code) {
    switch (code) {
    case kSbLineUp: return horizontal ? kStateLeft : kStateUp;
    case kSbLineDown: return horizontal ? kStateRight : kStateDown;
    case kSbThumbTrack: return horizontal ? kStateHorzThumb : kStateVertThumb;
    default: return kStateNone;
    }
}

void ComputeBars(int width, int height, Rect client, std::uint32_t style, std::uint32_t exStyle,
                 int s, int cxEdge, BarRects& bars) {
    const int W = width, H = height;
    const bool vert = (style & kWsVScroll) != 0;
    const bool horz = (style & kWsHScroll) != 0;
    int e = cxEdge;
    if (vert)
        e = (W - client.right - s) / 2;
    else if (horz)
        e = (H - client.bottom - s) / 2;
    const bool rtl = (exStyle & kWsExLeftScrollBar) != 0;
    if (vert && horz) {
        if (rtl) {
            bars.horz = {e + s, H - e - s, W - e, H - e};
            bars.vert = {e, e, e + s, H - e - s};
            bars.sizeBox = {e, H - e - s, e + s, H - e};
        } else {
            bars.horz = {e, H - e - s, W - e - s, H - e};
            bars.vert = {W - e - s, e, W - e, H - e - s};
            bars.sizeBox = {W - e - s, H - e - s, W - e, H - e};
        }
    } else if (vert) {
        bars.vert = rtl ? Rect{e, e, e + s, H - e} : Rect{W - e - s, e, W - e, H - e};
    } else if (horz) {
        bars.horz = {e, H - e - s, W - e, H - e};
    }
}

std::int32_t MulDiv(std::int32_t a, std::int32_t b, std::int32_t c) {
    if (c == 0) return -1;
    std::int64_t x = a, y = b, d = c;
    if (d < 0) {
        x = -x;
        d = -d;
    }
    const std::int64_t product = x * y;
    const std::int64_t r = product >= 0 ? (product + d / 2) / d : (product - d / 2) / d;
    if (r > std::numeric_limits<std::int32_t>::max() || r < -std::numeric_limits<std::int32_t>::max())
        return -1;
    return static_cast<std::int32_t>(r);
}

int MinimumThumb(bool win9xFamily, int s) { return win9xFamily ? s / 2 : 8; }

namespace {

// Shared tail of both thumb computations: `range` is the divisor of the thumb
// length, `rest` that of the position, `full` whether the page covers the range.
void PlaceThumb(int track, std::int64_t page, std::int64_t range, std::int64_t offset,
                std::int64_t rest, int minimumThumb, int cxHThumb, BarMetrics& m) {
    int thumb = cxHThumb;
    if (page != 0)
        thumb = std::max(MulDiv(static_cast<std::int32_t>(page), track,
                                static_cast<std::int32_t>(range)), minimumThumb);
    thumb = std::min(thumb, track);
    int pos = 0;
    if (page == range) {
        thumb -= 1;
    } else if (rest > 0) {
        pos = MulDiv(static_cast<std::int32_t>(offset), track - thumb,
                     static_cast<std::int32_t>(rest));
        pos = std::clamp(pos, 0, std::max(track - thumb, 0));
    }
    m.TrackLength = track;
    m.ThumbSize = thumb;
    m.ThumbPos = pos;
}

}  // namespace

bool ComputeThumb(int barLength, int s, const ScrollValues& v, int minimumThumb, int cxHThumb,
                  BarMetrics& m) {
    const std::int64_t range = std::int64_t{v.nMax} - v.nMin;
    if (range <= 0 || range > std::numeric_limits<std::int32_t>::max()) return false;
    m.ArrowLength = s;
    PlaceThumb(barLength - 2 * s, v.nPage, range, std::int64_t{v.nPos} - v.nMin,
               range - std::int64_t{v.nPage}, minimumThumb, cxHThumb, m);
    return true;
}

bool ComputeControlThumb(int barLength, int s, int min, int max, int pageSize, int position,
                         int minimumThumb, int cxHThumb, BarMetrics& m) {
    const std::int64_t range = std::int64_t{max} - min;
    if (range < 0 || range >= std::numeric_limits<std::int32_t>::max()) return false;
    m.ArrowLength = s;
    PlaceThumb(barLength - 2 * s, pageSize, range + 1, std::int64_t{position} - min,
               range - pageSize + 1, minimumThumb, cxHThumb, m);
    return true;
}

int HitTestBar(int c, const BarMetrics& m) {
    const int A = m.ArrowLength, p = m.ThumbPos, t = m.ThumbSize, k = m.TrackLength;
    if (c < A) return kSbLineUp;
    if (c < A + p) return kSbPageUp;
    if (c < A + p + t) return kSbThumbTrack;
    if (c < A + k) return kSbPageDown;
    if (c < 2 * A + k) return kSbLineDown;
    return kSbNone;
}

std::int32_t DragPosition(int startThumb, int delta, const BarMetrics& m, const ScrollValues& v,
                          std::int32_t& thumbPos) {
    const int k = m.TrackLength, h = m.ThumbSize;
    const std::int64_t range = std::int64_t{v.nMax} - v.nMin;
    int t = std::max(startThumb + delta, 0);
    thumbPos = m.ThumbPos;
    if ((v.nPage != 0 ? k : k - h) <= 0 || range <= 0) return v.nPos;  // nothing to drag along
    std::int64_t p;
    if (v.nPage != 0) {
        t = std::min(t, k);
        p = std::int64_t{MulDiv(t, static_cast<std::int32_t>(range), k)} + v.nMin;
        const std::int64_t last = std::int64_t{v.nMax} - std::int64_t{v.nPage};
        if (p >= last) p = last + 1;
    } else {
        t = std::min(t, k - h);
        p = std::int64_t{MulDiv(t, static_cast<std::int32_t>(range), k - h)} + v.nMin;
        p = std::min<std::int64_t>(p, v.nMax);
    }
    p = std::max<std::int64_t>(p, v.nMin);
    // The reported position may follow the mouse to the track's end, but the drawn
    // thumb stops where it still fits, so it never covers the far arrow.
    thumbPos = std::clamp(t, 0, std::max(k - h, 0));
    return static_cast<std::int32_t>(p);
}

}  // namespace zuno::skin::scrollbars
