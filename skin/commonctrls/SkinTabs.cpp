// Tab strips and page borders of tab and page controls, and tab-set captions, from
// the skin's Tabs object.
#include "skin/commonctrls/SkinTabs.h"

#include <commctrl.h>

#include "forms/ComCtrls.h"
#include "skin/commonctrls/SkinHeader.h"
#include "skin/commonctrls/SkinUpDown.h"
#include "skin/draw/Primitives.h"
#include "skin/frames/WinSkinData.h"

namespace zuno::skin::controls {

using namespace commonctrls;

namespace {

bool UsableTabs(const TSkinData* skin) { return skin && skin->Tabs && !skin->Tabs->Bitmap.Empty(); }
Margins MarginsOf(const TDataSkinObject& o) { return {o.LeftWidth, o.TopHeight, o.RightWidth, o.BottomHeight}; }
CentreFill FillOf(const TDataSkinObject& o) { return o.Tile == 1 ? CentreFill::Tile : CentreFill::Stretch; }
Rect ToRect(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }
RECT ToRECT(const Rect& r) { return {r.left, r.top, r.right, r.bottom}; }

// A copy of the pixels of a DIB surface, so it can be turned.
SkinBitmap Snapshot(frames::DibSurface& s) {
    GdiFlush();
    return s.Pixels().Clone();
}

}  // namespace

// ---- TSkinTab -------------------------------------------------------------------

void TSkinTab::AttachToWindow(HWND window, TSkinData* data, TWinSkinForm* frame, frames::DibSurface* canvas) {
    TSkinControl::AttachToWindow(window, data, frame, canvas);
    Focused = GetFocus() == Window;
    Enabled = !(GetWindowLongPtrW(Window, GWL_STYLE) & WS_DISABLED);
    PrepareImages();
    FindArrows();
}

void TSkinTab::Refresh() {
    TSkinControl::Refresh();
    PrepareImages();
}

void TSkinTab::PrepareImages() {
    Orientation = static_cast<std::uint8_t>(TabSideOf(static_cast<std::uint32_t>(GetWindowLongPtrW(Window, GWL_STYLE))));
    TabImage.Reset();
    BorderImage.Reset();
    if (!SkinData || !SkinData->Tabs) return;
    if (!SkinData->Tabs->Bitmap.Empty()) TabImage = SkinData->Tabs->Bitmap.Clone();
    if (!SkinData->Tabs->Bitmap2.Empty()) BorderImage = SkinData->Tabs->Bitmap2.Clone();
    switch (static_cast<TabSide>(Orientation)) {
    case TabSide::Bottom:
        if (!TabImage.Empty()) FlipBitmap(TabImage);
        if (!BorderImage.Empty()) FlipBitmap(BorderImage);
        break;
    case TabSide::Left:
        if (!BorderImage.Empty()) RotateBitmapLeft(BorderImage);
        break;
    case TabSide::Right:
        if (!BorderImage.Empty()) RotateBitmapRight(BorderImage);
        break;
    case TabSide::Top: break;
    }
}

HWND TSkinTab::FindArrows() {
    HWND arrows = FindWindowExW(Window, nullptr, UPDOWN_CLASSW, nullptr);
    if (!arrows) return nullptr;
    if (!ArrowsWrapper) {
        ArrowsWrapper = new TSkinUpDown(Owner());
        ArrowsWrapper->AttachToWindow(arrows, SkinData, Frame, WorkCanvas);
    }
    return (GetWindowLongPtrW(arrows, GWL_STYLE) & WS_VISIBLE) ? arrows : nullptr;
}

void TSkinTab::PaintStrip(HDC dc, const RECT& rect, const RECT& page, TabSide side) {
    const TDataSkinBorder& tabs = *SkinData->Tabs;
    const Rect s = StripRect(ToRect(rect), ToRect(page), side);
    const StripSize size = StripSizeOf(s, side);
    if (size.length <= 0 || size.thickness <= 0) return;
    StripBuffer.Resize(size.length, size.thickness);
    if (StripBuffer.Empty()) return;
    HDC b = StripBuffer.Dc();
    const RECT all{0, 0, size.length, size.thickness};
    FillFace(b, all);
    HFONT font = reinterpret_cast<HFONT>(SendMessageW(Window, WM_GETFONT, 0, 0));
    HGDIOBJ oldFont = SelectObject(b, font);
    const int n = static_cast<int>(SendMessageW(Window, TCM_GETITEMCOUNT, 0, 0));
    const int focus = static_cast<int>(SendMessageW(Window, TCM_GETCURFOCUS, 0, 0));
    auto images = reinterpret_cast<HIMAGELIST>(SendMessageW(Window, TCM_GETIMAGELIST, 0, 0));
    for (int i = 0; i < n; ++i) {
        wchar_t text[81]{};
        TCITEMW item{TCIF_TEXT | TCIF_IMAGE | TCIF_STATE};
        item.pszText = text;
        item.cchTextMax = 80;
        SendMessageW(Window, TCM_GETITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
        RECT r{};
        if (!SendMessageW(Window, TCM_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&r))) continue;
        const Rect in = TabInStrip(ToRect(r), side, size.length, rect.right, page.bottom);
        const int k = i == focus ? 2 : 1;
        GdiFlush();
        DrawNinePatch(StripBuffer.Pixels(), in, TabImage, FrameLayout::SideBySide, FillOf(tabs), tabs.Trans == 1,
                      tabs.FrameCount, k, MarginsOf(tabs));
        SelectObject(b, font);
        SetTextColor(b, Colour(k == 1 ? tabs.NormalColour2 : tabs.MouseOverColour2));
        DrawIconAndText(b, ToRECT(in), TextAlign::Centre, text, item.iImage, images, Enabled);
    }
    SelectObject(b, oldFont);
    SkinBitmap strip = Snapshot(StripBuffer);
    if (side == TabSide::Right) RotateBitmapRight(strip);
    if (side == TabSide::Left) RotateBitmapLeft(strip);
    const int saved = SaveDC(dc);
    if (HWND arrows = FindArrows()) {
        RECT a{};
        GetWindowRect(arrows, &a);
        MapWindowPoints(nullptr, Window, reinterpret_cast<POINT*>(&a), 2);
        ExcludeClipRect(dc, a.left, a.top, a.right, a.bottom);
    }
    frames::BlitBitmap(dc, s.left, s.top, strip);
    RestoreDC(dc, saved);
}

void TSkinTab::Paint(HDC dc, const RECT& rect) {
    if (!UsableTabs(SkinData) || TabImage.Empty()) return;
    const TabSide side = static_cast<TabSide>(Orientation);
    RECT display = rect;
    SendMessageW(Window, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
    const RECT page = ToRECT(PageRect(ToRect(display), side));
    PaintStrip(dc, rect, page, side);
    if (BorderImage.Empty()) return;
    // Inside the skin's border the page is the face, not the control's own pane.
    const RECT inside{page.left + kBorderLeft, page.top + kBorderTop, page.right - kBorderRight,
                      page.bottom - kBorderBottom};
    if (inside.left < inside.right && inside.top < inside.bottom) FillFace(dc, inside);
    DrawOverDc(dc, page, [this](SkinBitmap& target, Rect area) {
        DrawNinePatchBorder(target, area, BorderImage, FrameLayout::SideBySide, 1, 1,
                            {kBorderLeft, kBorderTop, kBorderRight, kBorderBottom});
    });
}

// ---- TSkinTab31 -----------------------------------------------------------------

void TSkinTab31::AttachToControl(TWinSkinForm* frame, TSkinData* data, bool ownsColour, frames::DibSurface* canvas) {
    auto* set = dynamic_cast<forms::TTabSet*>(Owner());
    if (!set || Attached) return;
    Control = set;
    OwnsColour = ownsColour;
    TSkinControl::AttachToWindow(set->Handle(), data, frame, canvas);
    PrepareImages();
    if (forms::TUpDown* scroller = set->Scroller(); scroller && !ArrowsWrapper) {
        Scroller = scroller;
        ArrowsWrapper = new TSkinUpDown(set);
        ArrowsWrapper->Horizontal = true;
        ArrowsWrapper->AttachToWindow(scroller->Handle(), data, frame, canvas);
    }
}

void TSkinTab31::Refresh() {
    TSkinControl::Refresh();
    PrepareImages();
}

void TSkinTab31::PrepareImages() {
    TabImage.Reset();
    if (!UsableTabs(SkinData)) return;
    TabImage = SkinData->Tabs->Bitmap.Clone();
    FlipBitmap(TabImage);  // the tabs hang from the top edge
}

bool TSkinTab31::BeforeMessage(forms::TMessage& m) {
    if (m.Msg == WM_PAINT) {
        PAINTSTRUCT ps{};
        HDC dc = reinterpret_cast<HDC>(m.WParam);
        if (!dc) dc = BeginPaint(Window, &ps);
        RECT w{};
        GetWindowRect(Window, &w);
        try {
            Paint(dc, {0, 0, w.right - w.left, w.bottom - w.top});
        } catch (...) {
            // The control paints on regardless.
        }
        if (!m.WParam) EndPaint(Window, &ps);
        return true;
    }
    if (m.Msg == WM_ERASEBKGND) {
        m.Result = 1;
        return false;
    }
    return TSkinControl::BeforeMessage(m);
}

void TSkinTab31::Paint(HDC dc, const RECT& rect) {
    auto* set = dynamic_cast<forms::TTabSet*>(Control);
    if (!set || !UsableTabs(SkinData) || TabImage.Empty()) return;
    const TDataSkinBorder& tabs = *SkinData->Tabs;
    frames::DibSurface picture;
    picture.Resize(rect.right, rect.bottom);
    if (picture.Empty()) return;
    HDC p = picture.Dc();
    FillFace(p, {0, 0, rect.right, rect.bottom});
    HGDIOBJ oldFont = SelectObject(p, set->CanvasFont());
    const bool scrollerShown = Scroller && Scroller->Visible();
    const auto drawn = FitTabSet(set->CaptionWidths(), set->FirstIndex(), rect.right, rect.bottom, set->StartMargin,
                                 set->EndMargin, scrollerShown);
    for (const TabSetTab& t : drawn) {
        const int k = t.index == set->TabIndex() ? 2 : 1;
        GdiFlush();
        DrawNinePatch(picture.Pixels(), t.rect, TabImage, FrameLayout::SideBySide, FillOf(tabs), tabs.Trans == 1,
                      tabs.FrameCount, k, MarginsOf(tabs));
        SetTextColor(p, Colour(k == 1 ? tabs.NormalColour2 : tabs.MouseOverColour2));
        SelectObject(p, GetStockObject(NULL_BRUSH));
        DrawCaptionCentred(p, ToRECT(t.rect), DT_CENTER, true, set->Tabs[static_cast<size_t>(t.index)]);
    }
    SelectObject(p, oldFont);
    GdiFlush();
    RECT skip{};
    const int saved = SaveDC(dc);
    if (scrollerShown) {
        skip = Scroller->BoundsRect();
        ExcludeClipRect(dc, skip.left, skip.top, skip.right, skip.bottom);
    }
    BitBlt(dc, rect.left, rect.top, rect.right, rect.bottom, p, 0, 0, SRCCOPY);
    RestoreDC(dc, saved);
}

}  // namespace zuno::skin::controls
