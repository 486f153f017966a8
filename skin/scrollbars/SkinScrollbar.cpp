// TSkinScrollbar, TSkinListView and TSkinScControl: the window scroll bars of
// scrollable controls painted over the system's, thumbs dragged by the wrapper where
// discovery asks for it, and scroll-bar controls painted as one bar.
#include "skin/scrollbars/SkinScrollbar.h"

#include <windowsx.h>

#include "forms/StdCtrls.h"
#include "skin/commonctrls/SkinHeader.h"
#include "skin/frames/WinSkinData.h"
#include "skin/scrollbars/ThumbTrack.h"

namespace zuno::skin::controls {

using namespace scrollbars;

namespace {

constexpr UINT kReflectedHScroll = forms::CN_HSCROLL;  // 0xBD14
constexpr UINT kReflectedVScroll = forms::CN_VSCROLL;  // 0xBD15

bool UsableArrows(const TSkinData* skin) {
    return skin && skin->Scrollbar && !skin->Scrollbar->Bitmap.Empty();
}

Rect ToRect(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }
RECT ToRECT(const Rect& r) { return {r.left, r.top, r.right, r.bottom}; }

int MinimumThumbHere() {
    const bool win9x = (GetVersion() & 0x80000000u) != 0;
    return MinimumThumb(win9x, GetSystemMetrics(SM_CXHSCROLL));
}

}  // namespace

// ---- TSkinScrollbar -----------------------------------------------------------

TSkinScrollbar::TSkinScrollbar(forms::TComponent* owner) : TSkinControl(owner) {
    ScrollInfo[0].cbSize = ScrollInfo[1].cbSize = sizeof(SCROLLINFO);
}

TSkinScrollbar::~TSkinScrollbar() { *alive_ = false; }

void TSkinScrollbar::AttachScrollable(forms::TControl*, TSkinData* data, bool ownThumbClicks,
                                      TWinSkinForm* frame, frames::DibSurface* canvas) {
    AttachToControl(frame, data, false, canvas);
    Tracking = SuppressVert = SuppressHorz = false;
    OwnThumbClicks = ownThumbClicks;
    if (Window)
        SetWindowPos(Window, nullptr, 0, 0, 0, 0,
                     SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOREDRAW | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

bool TSkinScrollbar::BeforeMessage(forms::TMessage& m) {
    switch (m.Msg) {
    case WM_NCMOUSEMOVE:
        return m.WParam != HTHSCROLL && m.WParam != HTVSCROLL;
    case WM_NCLBUTTONDOWN:
        return !ThumbPress(m);
    case WM_HSCROLL:
        ScrollRequest(m, true);
        return false;
    case WM_VSCROLL:
        ScrollRequest(m, false);
        return false;
    }
    return TSkinControl::BeforeMessage(m);
}

void TSkinScrollbar::ScrollRequest(forms::TMessage& m, bool horizontal) {
    ScrollState = StateForRequest(horizontal, LOWORD(m.WParam));
    bool& suppress = horizontal ? SuppressHorz : SuppressVert;
    std::shared_ptr<bool> alive = alive_;
    suppress = true;
    CallDefault(m);
    if (!*alive) return;
    suppress = false;
    PaintWindow(nullptr);
}

void TSkinScrollbar::AfterMessage(forms::TMessage& m) {
    switch (m.Msg) {
    case WM_NCPAINT:
    case WM_SIZE:
        // Straight over what the system just drew: a full redraw here would bring
        // another WM_NCPAINT and never end.
        PaintWindow(nullptr);
        return;
    case WM_PRINT:
        PaintWindow(reinterpret_cast<HDC>(m.WParam));
        return;
    }
    TSkinControl::AfterMessage(m);
}

void TSkinScrollbar::ComputeBars(const RECT& rect) {
    RECT client{};
    GetClientRect(Window, &client);
    BarRects bars{ToRect(HorzBarRect), ToRect(VertBarRect), ToRect(SizeBoxRect)};
    scrollbars::ComputeBars(rect.right, rect.bottom, ToRect(client), StyleCache, ExStyleCache,
                            GetSystemMetrics(SM_CXHSCROLL), GetSystemMetrics(SM_CXEDGE), bars);
    HorzBarRect = ToRECT(bars.horz);
    VertBarRect = ToRECT(bars.vert);
    SizeBoxRect = ToRECT(bars.sizeBox);
}

void TSkinScrollbar::ComputeThumb(const RECT& bar, bool horizontal) {
    if (Tracking) return;  // the drag owns the metrics
    const int i = horizontal ? 0 : 1;
    SCROLLINFO si{sizeof si, SIF_ALL};
    if (!GetScrollInfo(Window, horizontal ? SB_HORZ : SB_VERT, &si)) return;
    const int length = horizontal ? bar.right - bar.left : bar.bottom - bar.top;
    const ScrollValues v{si.nMin, si.nMax, si.nPage, si.nPos, si.nTrackPos};
    if (scrollbars::ComputeThumb(length, GetSystemMetrics(SM_CXHSCROLL), v, MinimumThumbHere(),
                                 GetSystemMetrics(SM_CXHTHUMB), BarMetrics[i]))
        ScrollInfo[i] = si;
}

void TSkinScrollbar::PaintBar(HDC dc, const RECT& bar, bool horizontal) {
    if (horizontal ? SuppressHorz : SuppressVert) return;
    ComputeThumb(bar, horizontal);
    PaintScrollBar(dc, bar, horizontal, ScrollState, BarMetrics[horizontal ? 0 : 1], *SkinData);
}

void TSkinScrollbar::Paint(HDC dc, const RECT& rect) {
    if (!UsableArrows(SkinData) || !Window) return;
    StyleCache = static_cast<std::uint32_t>(GetWindowLongPtrW(Window, GWL_STYLE));
    if (SuppressVert) StyleCache |= kWsVScroll;
    if (SuppressHorz) StyleCache |= kWsHScroll;
    ExStyleCache = static_cast<std::uint32_t>(GetWindowLongPtrW(Window, GWL_EXSTYLE));
    const bool vert = StyleCache & kWsVScroll, horz = StyleCache & kWsHScroll;
    if (!vert && !horz) return;
    ComputeBars(rect);
    auto nonEmpty = [](const RECT& r) { return r.left < r.right && r.top < r.bottom; };
    if (horz && nonEmpty(HorzBarRect)) PaintBar(dc, HorzBarRect, true);
    if (vert && nonEmpty(VertBarRect)) PaintBar(dc, VertBarRect, false);
    if (horz && vert && nonEmpty(SizeBoxRect)) FillFace(dc, SizeBoxRect);
}

bool TSkinScrollbar::ThumbPress(forms::TMessage& m) {
    if (!OwnThumbClicks || (m.WParam != HTHSCROLL && m.WParam != HTVSCROLL) || !Window) return false;
    const bool horizontal = m.WParam == HTHSCROLL;
    const POINT screen{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
    POINT p = screen;
    ScreenToClient(Window, &p);
    RECT w{};
    GetWindowRect(Window, &w);
    const RECT r{0, 0, w.right - w.left, w.bottom - w.top};
    StyleCache = static_cast<std::uint32_t>(GetWindowLongPtrW(Window, GWL_STYLE));
    ExStyleCache = static_cast<std::uint32_t>(GetWindowLongPtrW(Window, GWL_EXSTYLE));
    ComputeBars(r);
    ComputeThumb(horizontal ? HorzBarRect : VertBarRect, horizontal);
    const int c = horizontal ? p.x : p.y;
    if (HitTestBar(c, BarMetrics[horizontal ? 0 : 1]) != kSbThumbTrack) return false;
    ScrollState = horizontal ? kStateHorzThumb : kStateVertThumb;
    PaintWindow(nullptr);
    TrackThumb(horizontal, screen);
    return true;
}

void TSkinScrollbar::TrackThumb(bool horizontal, POINT start) {
    const int i = horizontal ? 0 : 1;
    ThumbDrag drag;
    drag.window = Window;
    drag.horizontal = horizontal;
    drag.scrollMessage = horizontal ? WM_HSCROLL : WM_VSCROLL;
    drag.bar = horizontal ? SB_HORZ : SB_VERT;
    drag.start = start;
    drag.metrics = BarMetrics[i];
    const SCROLLINFO& si = ScrollInfo[i];
    drag.values = {si.nMin, si.nMax, si.nPage, si.nPos, si.nTrackPos};
    std::shared_ptr<bool> alive = alive_;
    Tracking = true;
    scrollbars::TrackThumb(drag, [this, alive, i](int thumb) {
        if (*alive) BarMetrics[i].ThumbPos = thumb;
    });
    if (!*alive) return;  // the control went during the drag
    Tracking = false;
    ScrollState = kStateNone;
    PaintWindow(nullptr);
}

// ---- TSkinListView ------------------------------------------------------------

void TSkinListView::AttachScrollable(forms::TControl* control, TSkinData* data, bool ownThumbClicks,
                                     TWinSkinForm* frame, frames::DibSurface* canvas) {
    TSkinScrollbar::AttachScrollable(control, data, ownThumbClicks, frame, canvas);
    if (!Window) return;
    HWND header = reinterpret_cast<HWND>(SendMessageW(Window, LVM_GETHEADER, 0, 0));
    if (!header) return;
    HeaderWrapper = new TSkinHeader(Control);  // dies with the list view
    HeaderWrapper->AttachToWindow(header, data, frame, canvas);
}

// ---- TSkinScControl -----------------------------------------------------------

bool TSkinScControl::BeforeMessage(forms::TMessage& m) {
    switch (m.Msg) {
    case WM_NCMOUSEMOVE:
        return m.WParam != HTHSCROLL && m.WParam != HTVSCROLL;
    case SBM_SETSCROLLINFO:
        CallDefault(m);
        PaintWindow(nullptr);
        return false;
    case kReflectedHScroll:
    case kReflectedVScroll:
        ScrollState = StateForRequest(m.Msg == kReflectedHScroll, LOWORD(m.WParam));
        CallDefault(m);
        PaintWindow(nullptr);
        return false;
    }
    return TSkinControl::BeforeMessage(m);
}

void TSkinScControl::ComputeThumb(const RECT& rect, bool horizontal) {
    auto* bar = dynamic_cast<forms::TScrollBar*>(Control);
    if (!bar) return;
    const int length = horizontal ? rect.right - rect.left : rect.bottom - rect.top;
    scrollbars::ComputeControlThumb(length, GetSystemMetrics(SM_CXHSCROLL), bar->Min(), bar->Max(),
                                    bar->PageSize(), bar->Position(), MinimumThumbHere(),
                                    GetSystemMetrics(SM_CXHTHUMB), Metrics);
}

void TSkinScControl::Paint(HDC dc, const RECT& rect) {
    if (!UsableArrows(SkinData)) return;
    auto* bar = dynamic_cast<forms::TScrollBar*>(Control);
    const bool horizontal = !bar || bar->Kind != forms::TScrollBarKind::sbVertical;
    ComputeThumb(rect, horizontal);
    PaintScrollBar(dc, rect, horizontal, ScrollState, Metrics, *SkinData);
}

}  // namespace zuno::skin::controls
