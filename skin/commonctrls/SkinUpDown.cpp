// Up-down halves and track-bar thumbs from the skin.
#include "skin/commonctrls/SkinUpDown.h"

#include <commctrl.h>

#include "forms/Messages.h"
#include "skin/commonctrls/SkinBars.h"
#include "skin/commonctrls/core/ControlLayout.h"
#include "skin/draw/Primitives.h"
#include "skin/frames/GdiSurface.h"
#include "skin/frames/WinSkinData.h"

namespace zuno::skin::controls {

using namespace commonctrls;

namespace {

Rect ToRect(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

void LineArrowOn(HDC dc, UpDownArrow arrow, const Rect& half) {
    for (const Segment& s : LineArrow(arrow, half)) {
        if (s.pixel) {
            MoveToEx(dc, s.x0, s.y0, nullptr);
            LineTo(dc, s.x0 + 1, s.y0);
        } else {
            MoveToEx(dc, s.x0, s.y0, nullptr);
            LineTo(dc, s.x1, s.y1);
        }
    }
}

}  // namespace

bool TSkinUpDown::BeforeMessage(forms::TMessage& m) {
    switch (m.Msg) {
    case WM_PAINT:
        PaintThroughWmPaint(*this, m);
        return false;
    case WM_ERASEBKGND:
        m.Result = 1;
        return false;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        CallDefault(m);
        MouseState |= kPressed;
        PaintWindow(nullptr);
        return false;
    case WM_LBUTTONUP:
        MouseState &= static_cast<std::uint8_t>(~kPressed);
        CallDefault(m);
        PaintWindow(nullptr);
        return false;
    }
    return TSkinControl::BeforeMessage(m);
}

void TSkinUpDown::Paint(HDC dc, const RECT& rect) {
    if (!SkinData || !Window) return;
    RECT client{};
    GetClientRect(Window, &client);
    const Pixel32 face = PixelFromTColor(static_cast<TColor>(Colour(SkinData->ButtonFaceColour)));
    frames::DibSurface picture;
    picture.Resize(client.right, client.bottom);
    if (picture.Empty()) return;
    picture.Pixels().Fill(face);
    Rect c = ToRect(client);
    if (Inset) c = {c.left + 1, c.top + 1, c.right - 1, c.bottom - 1};
    POINT cursor{};
    GetCursorPos(&cursor);
    ScreenToClient(Window, &cursor);
    const auto style = GetWindowLongPtrW(Window, GWL_STYLE);
    Enabled = !(style & WS_DISABLED);
    const bool sideBySide = Horizontal || (style & UDS_HORZ);
    const UpDownHalves halves = SplitUpDown(c, sideBySide);
    const int in = CursorHalf(c, sideBySide, cursor.x, cursor.y);
    const TDataSkinBorder* object = sideBySide ? SkinData->UpDownHorz.get() : SkinData->UpDownVert.get();
    HDC p = picture.Dc();
    for (int k = 0; k < 2; ++k) {
        const Rect half = k == 0 ? halves.first : halves.second;
        const int state = UpDownState(Enabled, in == k, MouseState & kPressed, MouseState & kHot);
        if (object && !object->Bitmap.Empty()) {
            GdiFlush();
            const int frames = object->FrameCount < 1 ? 1 : object->FrameCount;
            const int b = UpDownFrame(state, k == 1);
            DrawFrameStretched(picture.Pixels(), half, object->Bitmap, true, frames, b);
            if (!object->Bitmap2.Empty()) {
                const int cw = object->Bitmap2.Width() / frames, ch = object->Bitmap2.Height();
                const int x = half.left + (half.Width() - cw) / 2, y = half.top + (half.Height() - ch) / 2;
                SkinBitmap glyph(cw, ch);
                CopyRect(glyph, 0, 0, object->Bitmap2, {cw * (b - 1), 0, cw * b, ch});
                TransparentBlit(picture.Pixels(), {x, y, x + cw, y + ch}, glyph);
            }
            continue;
        }
        const bool sunk = state == 2 || state == 4;
        HBRUSH brush = CreateSolidBrush(Colour(sunk ? SkinData->ButtonShadowColour : SkinData->ButtonFaceColour));
        HPEN pen = CreatePen(PS_SOLID, 1, Colour(SkinData->ButtonDkShadowColour));
        HGDIOBJ oldBrush = SelectObject(p, brush), oldPen = SelectObject(p, pen);
        Rectangle(p, half.left, half.top, half.right, half.bottom);
        LineArrowOn(p, k == 0 ? halves.firstArrow : halves.secondArrow, half);
        SelectObject(p, oldBrush);
        SelectObject(p, oldPen);
        DeleteObject(brush);
        DeleteObject(pen);
    }
    GdiFlush();
    // With Inset the last column and row are not copied: the edit's border stays.
    BitBlt(dc, rect.left, rect.top, c.right, c.bottom, p, 0, 0, SRCCOPY);
}

// ---- track bar ------------------------------------------------------------------

bool TSkinTrackBar::BeforeMessage(forms::TMessage& m) {
    if (m.Msg == WM_ERASEBKGND) {
        m.Result = 1;
        return false;
    }
    if ((m.Msg == WM_NOTIFY || m.Msg == forms::CN_NOTIFY) &&
        reinterpret_cast<NMHDR*>(m.LParam)->code == static_cast<UINT>(NM_CUSTOMDRAW)) {
        auto* cd = reinterpret_cast<NMCUSTOMDRAW*>(m.LParam);
        m.Result = CDRF_DODEFAULT;
        if (cd->dwDrawStage == CDDS_PREPAINT) {
            m.Result = CDRF_NOTIFYITEMDRAW;
        } else if (cd->dwDrawStage == CDDS_ITEMPREPAINT && cd->dwItemSpec == TBCD_THUMB) {
            DrawThumb(cd->hdc);
            m.Result = CDRF_SKIPDEFAULT;
        }
        return false;
    }
    return TSkinControl::BeforeMessage(m);
}

void TSkinTrackBar::DrawThumb(HDC dc) {
    RECT thumb{};
    SendMessageW(Window, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
    const bool vertical = GetWindowLongPtrW(Window, GWL_STYLE) & TBS_VERT;
    const TDataSkinObject* image = nullptr;
    if (vertical && SkinData->TrackbarThumbVert) image = SkinData->TrackbarThumbVert.get();
    else if (SkinData->TrackbarThumbHorz) image = SkinData->TrackbarThumbHorz.get();
    if (image && !image->Bitmap.Empty()) {
        const SkinBitmap& b = image->Bitmap;
        DrawOverDc(dc, thumb, [&](SkinBitmap& target, Rect area) { DrawFrameStretched(target, area, b, true, 5, 2); });
        return;
    }
    HPEN pen = CreatePen(PS_SOLID, 1, Colour(SkinData->ButtonShadowColour));
    HGDIOBJ old = SelectObject(dc, pen);
    Rectangle(dc, thumb.left, thumb.top, thumb.right, thumb.bottom);
    SelectObject(dc, old);
    DeleteObject(pen);
}

}  // namespace zuno::skin::controls
