// Dragging a scroll thumb ourselves: a local message loop that follows the mouse,
// tells the window each new position and ends on release, lost capture, the
// window's destruction or WM_QUIT (which it hands on to the outer loop).
#pragma once

#include <windows.h>

#include <functional>

#include "skin/scrollbars/core/ScrollGeometry.h"

namespace zuno::skin::scrollbars {

enum class TrackEnd { Released, CaptureLost, Destroyed, Quit };

struct ThumbDrag {
    HWND window = nullptr;
    bool horizontal = false;
    UINT scrollMessage = WM_VSCROLL;  // sent to `window` with the request codes
    int bar = SB_VERT;                // SB_HORZ, SB_VERT or SB_CTL for SetScrollInfo
    POINT start{};                    // the press, screen coordinates
    BarMetrics metrics;               // at the press
    ScrollValues values;              // at the press
};

// Runs the drag. Each mouse move that changes the position sets it with
// SetScrollInfo (no redraw), calls `thumbMoved` with the thumb's new offset in the
// track and sends SB_THUMBTRACK; the release sends SB_THUMBPOSITION with the last
// position and posts SB_ENDSCROLL. Lost capture ends the drag the same way; a
// destroyed window ends it silently. Blocks in GetMessage between messages.
TrackEnd TrackThumb(const ThumbDrag& drag, const std::function<void(int thumbPos)>& thumbMoved);

}  // namespace zuno::skin::scrollbars
