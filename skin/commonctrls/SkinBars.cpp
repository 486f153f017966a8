// Status bars and progress bars painted from the skin: panels as StatusBarEdges
// frames (plain 3-D panels without it), the size-grip cell, the progress frame fill
// or its chunks, all composed off-screen and copied once.
#include "skin/commonctrls/SkinBars.h"

#include <commctrl.h>

#include "forms/ComCtrls.h"
#include "skin/commonctrls/core/ControlLayout.h"
#include "skin/draw/Primitives.h"
#include "skin/frames/GdiSurface.h"
#include "skin/frames/WinSkinData.h"

namespace zuno::skin::controls {

using namespace commonctrls;

void PaintThroughWmPaint(TSkinControl& w, forms::TMessage& m) {
    PAINTSTRUCT ps{};
    HDC dc = reinterpret_cast<HDC>(m.WParam);
    if (!dc) dc = BeginPaint(w.Window, &ps);
    GetWindowRect(w.Window, &w.LastWindowRect);
    const RECT r{0, 0, w.LastWindowRect.right - w.LastWindowRect.left, w.LastWindowRect.bottom - w.LastWindowRect.top};
    try {
        w.Paint(dc, r);
    } catch (...) {
        // No error leaves the window procedure; the control is left as it was.
    }
    if (!m.WParam) EndPaint(w.Window, &ps);
    m.Result = 0;
}

namespace {

Margins MarginsOf(const TDataSkinObject& o) { return {o.LeftWidth, o.TopHeight, o.RightWidth, o.BottomHeight}; }
CentreFill FillOf(const TDataSkinObject& o) { return o.Tile == 1 ? CentreFill::Tile : CentreFill::Stretch; }
Rect ToRect(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

template <class T>
bool Usable(const std::unique_ptr<T>& o) {
    return o && !o->Bitmap.Empty();
}

UINT DrawTextAlign(TextAlign a) { return a == TextAlign::Right ? DT_RIGHT : a == TextAlign::Centre ? DT_CENTER : DT_LEFT; }

// The panel's text inset by 2 on the left and right.
void PanelText(HDC dc, RECT q, TextAlign align, const std::wstring& text, bool enabled) {
    q.left += 2;
    q.right -= 2;
    SelectObject(dc, GetStockObject(NULL_BRUSH));
    TSkinControl::DrawCaptionCentred(dc, q, DrawTextAlign(align), enabled, text.empty() ? L" " : text);
}

void DrawSkinnedPanel(frames::DibSurface& work, const TDataSkinObject& edges, RECT q, TextAlign align,
                      const std::wstring& text, int frame, bool enabled) {
    if (q.right <= q.left || q.bottom <= q.top) return;
    GdiFlush();
    const SkinBitmap image = ComposeNinePatch(q.right - q.left, q.bottom - q.top, edges.Bitmap, MarginsOf(edges),
                                              FrameLayout::SideBySide, FillOf(edges), 3, frame);
    CopyRect(work.Pixels(), q.left, q.top, image, image.Bounds());
    PanelText(work.Dc(), q, align, text, enabled);
}

void DrawPlainPanel(HDC dc, RECT q, TextAlign align, const std::wstring& text, PanelBevel bevel, bool enabled) {
    if (bevel != PanelBevel::None) {
        const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW), light = GetSysColor(COLOR_BTNHIGHLIGHT);
        const COLORREF topLeft = bevel == PanelBevel::Lowered ? shadow : light;
        const COLORREF bottomRight = bevel == PanelBevel::Lowered ? light : shadow;
        HPEN a = CreatePen(PS_SOLID, 1, topLeft), b = CreatePen(PS_SOLID, 1, bottomRight);
        HGDIOBJ old = SelectObject(dc, a);
        MoveToEx(dc, q.left, q.bottom - 1, nullptr);
        LineTo(dc, q.left, q.top);
        LineTo(dc, q.right - 1, q.top);
        SelectObject(dc, b);
        LineTo(dc, q.right - 1, q.bottom - 1);
        LineTo(dc, q.left - 1, q.bottom - 1);
        SelectObject(dc, old);
        DeleteObject(a);
        DeleteObject(b);
        InflateRect(&q, -1, -1);
    }
    PanelText(dc, q, align, text, enabled);
}

TextAlign AlignOf(forms::TAlignment a) {
    return a == forms::TAlignment::taRightJustify ? TextAlign::Right
         : a == forms::TAlignment::taCenter ? TextAlign::Centre : TextAlign::Left;
}

PanelBevel BevelOf(forms::TStatusPanelBevel b) {
    return b == forms::TStatusPanelBevel::pbRaised ? PanelBevel::Raised
         : b == forms::TStatusPanelBevel::pbNone ? PanelBevel::None : PanelBevel::Lowered;
}

}  // namespace

// ---- status bar -----------------------------------------------------------------

bool TSkinStatusBar::BeforeMessage(forms::TMessage& m) {
    if (m.Msg == WM_PAINT) {
        PaintThroughWmPaint(*this, m);
        return false;
    }
    if (m.Msg == WM_ERASEBKGND) {
        m.Result = 1;
        return false;
    }
    return TSkinControl::BeforeMessage(m);
}

void TSkinStatusBar::Paint(HDC dc, const RECT& rect) {
    auto* bar = dynamic_cast<forms::TStatusBar*>(Control);
    if (!bar || !WorkCanvas || !SkinData) return;
    frames::DibSurface& work = *WorkCanvas;
    work.Resize(rect.right, rect.bottom);
    if (work.Empty()) return;
    HDC w = work.Dc();
    RECT all{0, 0, rect.right, rect.bottom};
    FillFace(w, all);
    forms::TFont font = bar->Font();
    font.Style = 0;
    HGDIOBJ oldFont = SelectObject(w, font.Handle());
    if (SkinData->StatusBarEdges) SetTextColor(w, Colour(SkinData->StatusBarEdges->NormalColour2));
    const bool skinned = Usable(SkinData->StatusBarEdges);
    if (bar->SimplePanel || bar->Panels.empty()) {
        if (skinned)
            DrawSkinnedPanel(work, *SkinData->StatusBarEdges, all, TextAlign::Left, bar->SimpleText, 1, Enabled);
        else
            DrawPlainPanel(w, all, TextAlign::Left, bar->SimpleText, PanelBevel::Lowered, Enabled);
    } else {
        const int n = static_cast<int>(bar->Panels.size());
        for (int i = 0; i < n; ++i) {
            const forms::TStatusPanel& p = bar->Panels[static_cast<size_t>(i)];
            RECT q{};
            if (!SendMessageW(Window, SB_GETRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&q))) continue;
            if (i == n - 1) q.right = rect.right;
            const TextAlign align = PanelAlign(AlignOf(p.Alignment), p.RightToLeft);
            if (skinned)
                DrawSkinnedPanel(work, *SkinData->StatusBarEdges, q, align, p.Text, PanelFrame(BevelOf(p.Bevel)), Enabled);
            else
                DrawPlainPanel(w, q, align, p.Text, BevelOf(p.Bevel), Enabled);
        }
    }
    SelectObject(w, oldFont);
    GdiFlush();
    const bool grip = GetWindowLongPtrW(Window, GWL_STYLE) & SBARS_SIZEGRIP;
    if (grip && Usable(SkinData->ExtraImages)) {
        const TDataSkinObject& x = *SkinData->ExtraImages;
        const int frames = x.FrameCount < 1 ? 1 : x.FrameCount;
        const Rect cell = SizeGripRect(ToRect(all), x.Bitmap.Width() / frames, x.Bitmap.Height());
        DrawFrameStretched(work.Pixels(), cell, x.Bitmap, true, frames, 5);
    }
    BitBlt(dc, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, w, 0, 0, SRCCOPY);
}

// ---- progress bar ---------------------------------------------------------------

bool TSkinProgress::BeforeMessage(forms::TMessage& m) {
    if (m.Msg == WM_PAINT) {
        if (!SkinData || !Usable(SkinData->Progress)) return TSkinControl::BeforeMessage(m);
        PaintThroughWmPaint(*this, m);
        return false;
    }
    if (m.Msg == WM_ERASEBKGND) {
        m.Result = 1;
        return false;
    }
    return TSkinControl::BeforeMessage(m);
}

void TSkinProgress::Paint(HDC dc, const RECT& rect) {
    if (!SkinData || !Usable(SkinData->Progress)) return;
    const TDataSkinBorder& p = *SkinData->Progress;
    const int pos = static_cast<int>(SendMessageW(Window, PBM_GETPOS, 0, 0));
    const int high = static_cast<int>(SendMessageW(Window, PBM_GETRANGE, FALSE, 0));
    const int W = rect.right - rect.left, H = rect.bottom - rect.top;
    const Pixel32 face = PixelFromTColor(static_cast<TColor>(Colour(SkinData->ButtonFaceColour)));
    SkinBitmap picture(W, H, face);
    const int fill = ProgressFill(pos, high, W);
    if (p.Style != 1) {
        DrawNinePatch(picture, {0, 0, W, H}, p.Bitmap, FrameLayout::SideBySide, FillOf(p), true, 2, 1, MarginsOf(p));
        if (fill > 0)
            DrawNinePatch(picture, {0, 0, fill, H}, p.Bitmap, FrameLayout::SideBySide, FillOf(p), true, 2, 2, MarginsOf(p));
    } else {
        if (p.Bitmap2.Empty()) return;  // chunk mode without its chunk: the control is left blank
        DrawNinePatch(picture, {0, 0, W, H}, p.Bitmap, FrameLayout::SideBySide, FillOf(p), true, 1, 1, MarginsOf(p));
        if (fill > 0) {
            const SkinBitmap& chunk = p.Bitmap2;
            SkinBitmap strip(fill, chunk.Height());
            for (int i = 0, n = ChunkCount(fill, chunk.Width()); i < n; ++i)
                CopyRect(strip, i * chunk.Width(), 0, chunk, chunk.Bounds());
            const int x = p.LeftWidth, y = (H - chunk.Height()) / 2;
            TransparentBlit(picture, {x, y, x + fill, y + chunk.Height()}, strip);
        }
    }
    frames::BlitBitmap(dc, rect.left, rect.top, picture);
}

}  // namespace zuno::skin::controls
