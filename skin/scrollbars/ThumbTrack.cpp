// The thumb drag's local message loop. It waits in GetMessage rather than polling,
// and re-posts WM_QUIT so the program's own loop still ends.
#include "skin/scrollbars/ThumbTrack.h"

namespace zuno::skin::scrollbars {

namespace {

// The mouse position of a move message in screen coordinates: client coordinates
// for WM_MOUSEMOVE (the window has the capture), screen ones for WM_NCMOUSEMOVE.
POINT ScreenPoint(const MSG& msg) {
    POINT p{static_cast<short>(LOWORD(msg.lParam)), static_cast<short>(HIWORD(msg.lParam))};
    if (msg.message == WM_MOUSEMOVE) ClientToScreen(msg.hwnd, &p);
    return p;
}

void Finish(const ThumbDrag& d, int last) {
    SendMessageW(d.window, d.scrollMessage, MAKEWPARAM(SB_THUMBPOSITION, last & 0xFFFF), 0);
    if (IsWindow(d.window)) PostMessageW(d.window, d.scrollMessage, SB_ENDSCROLL, 0);
}

}  // namespace

TrackEnd TrackThumb(const ThumbDrag& d, const std::function<void(int)>& thumbMoved) {
    SetCapture(d.window);
    std::int32_t last = d.values.nPos;
    TrackEnd end = TrackEnd::Released;
    MSG msg;
    for (;;) {
        if (!IsWindow(d.window)) return TrackEnd::Destroyed;
        if (GetCapture() != d.window) {
            end = TrackEnd::CaptureLost;
            break;
        }
        const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            end = TrackEnd::Quit;
            break;
        }
        if (got == -1) {
            end = TrackEnd::CaptureLost;
            break;
        }
        if (msg.message == WM_LBUTTONUP || msg.message == WM_NCLBUTTONUP) break;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
        if (msg.message != WM_MOUSEMOVE && msg.message != WM_NCMOUSEMOVE) continue;
        if (!IsWindow(d.window)) return TrackEnd::Destroyed;
        const POINT p = ScreenPoint(msg);
        const int delta = d.horizontal ? p.x - d.start.x : p.y - d.start.y;
        std::int32_t thumb = 0;
        const std::int32_t pos = DragPosition(d.metrics.ThumbPos, delta, d.metrics, d.values, thumb);
        if (pos == last) continue;
        SCROLLINFO si{sizeof si, SIF_POS};
        si.nPos = pos;
        SetScrollInfo(d.window, d.bar, &si, FALSE);
        if (thumbMoved) thumbMoved(thumb);
        SendMessageW(d.window, d.scrollMessage, MAKEWPARAM(SB_THUMBTRACK, pos & 0xFFFF), 0);
        last = pos;
    }
    if (GetCapture() == d.window) ReleaseCapture();
    if (IsWindow(d.window)) Finish(d, last);
    return end;
}

}  // namespace zuno::skin::scrollbars
