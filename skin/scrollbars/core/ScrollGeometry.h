// Scroll-bar geometry without windows: where a window's two bars and the size box
// lie, how long the thumb is and where it sits, which part of a bar a press hits,
// and the position a thumb drag reports. Pixels along the bar; window coordinates.
#pragma once

#include <cstdint>

#include "skin/draw/Bitmap.h"

namespace zuno::skin::scrollbars {

inline constexpr std::uint32_t kWsHScroll = 0x00100000u;
inline constexpr std::uint32_t kWsVScroll = 0x00200000u;
inline constexpr std::uint32_t kWsExLeftScrollBar = 0x00004000u;

// Scroll request codes (low word of WM_HSCROLL / WM_VSCROLL).
inline constexpr int kSbLineUp = 0;
inline constexpr int kSbLineDown = 1;
inline constexpr int kSbPageUp = 2;
inline constexpr int kSbPageDown = 3;
inline constexpr int kSbThumbPosition = 4;
inline constexpr int kSbThumbTrack = 5;
inline constexpr int kSbEndScroll = 8;
inline constexpr int kSbNone = -1;

// The part shown pressed: 0 none, 1 left, 2 right, 3 up, 4 down arrow, 5 horizontal
// thumb, 6 vertical thumb.
enum ScrollState : std::int32_t {
    kStateNone = 0, kStateLeft = 1, kStateRight = 2, kStateUp = 3, kStateDown = 4,
    kStateHorzThumb = 5, kStateVertThumb = 6,
};

// The ScrollState a scroll request shows: line and track codes press their part,
// every other code (page, position, end) shows nothing pressed.
std::int32_t StateForRequest(bool horizontal, int code);

struct BarRects {
    Rect horz;
    Rect vert;
    Rect sizeBox;
};

// The bars of a window `width` x `height` whose client rectangle is `client`, with
// bar thickness s and the system edge `cxEdge`. A rectangle the style does not call
// for keeps its old value in `bars`.
void ComputeBars(int width, int height, Rect client, std::uint32_t style, std::uint32_t exStyle,
                 int s, int cxEdge, BarRects& bars);

// The five values of a SCROLLINFO record the thumb depends on.
struct ScrollValues {
    std::int32_t nMin = 0;
    std::int32_t nMax = 0;
    std::uint32_t nPage = 0;
    std::int32_t nPos = 0;
    std::int32_t nTrackPos = 0;
};

struct BarMetrics {
    std::int32_t ArrowLength = 0;  // s
    std::int32_t TrackLength = 0;  // bar length less both arrows
    std::int32_t ThumbSize = 0;
    std::int32_t ThumbPos = 0;     // offset from the start of the track
};

// a * b / c with a 64-bit intermediate, rounded half away from zero; -1 when c is 0
// or the result does not fit, as the Windows function does.
std::int32_t MulDiv(std::int32_t a, std::int32_t b, std::int32_t c);

// The shortest thumb: 8 pixels, or s div 2 on the Windows 9x family.
int MinimumThumb(bool win9xFamily, int s);

// Thumb of a window scroll bar `barLength` long. False, metrics untouched, when the
// range nMax - nMin is 0 or less. The position never leaves 0 .. track - thumb, so a
// page larger than the range cannot put the thumb over an arrow.
bool ComputeThumb(int barLength, int s, const ScrollValues& v, int minimumThumb, int cxHThumb,
                  BarMetrics& m);

// Thumb of a scroll-bar control from its Min, Max, PageSize and Position; the range
// counts both ends (Max - Min + 1). False, metrics untouched, when Max < Min.
bool ComputeControlThumb(int barLength, int s, int min, int max, int pageSize, int position,
                         int minimumThumb, int cxHThumb, BarMetrics& m);

// The request a press at `c` along the bar makes: line up, page up, thumb track,
// page down, line down, or kSbNone past the bar's end.
int HitTestBar(int c, const BarMetrics& m);

// One step of a thumb drag: the thumb started at `startThumb` and the mouse moved
// `delta` pixels along the bar. Gives the position to report; `thumbPos` receives
// where the thumb is drawn (kept inside the track).
std::int32_t DragPosition(int startThumb, int delta, const BarMetrics& m, const ScrollValues& v,
                          std::int32_t& thumbPos);

}  // namespace zuno::skin::scrollbars
