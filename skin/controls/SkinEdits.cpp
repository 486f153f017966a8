// Combo-box and edit wrappers.
#include "skin/controls/SkinEdits.h"

#include "skin/controls/WrapperFactory.h"
#include "skin/controls/core/PaintRules.h"
#include "skin/draw/Primitives.h"
#include "skin/frames/GdiSurface.h"
#include "skin/frames/WinSkinData.h"
#include "skin/frames/SkinManage.h"
#include "skin/frames/WinSkinForm.h"

namespace zuno::skin::controls {

// ---- Combo boxes ------------------------------------------------------------------

void TSkinComBox::AfterMessage(forms::TMessage& m) {
    switch (m.Msg) {
    case WM_NCPAINT:
        PaintWindow(nullptr);
        return;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        MouseState |= kPressed;
        PaintWindow(nullptr);
        return;
    case WM_LBUTTONUP:
        MouseState &= ~kPressed;
        PaintWindow(nullptr);
        return;
    case kMsgMouseEnter:
    case kMsgMouseLeave:
        if (Enabled) {
            if (m.Msg == kMsgMouseEnter)
                MouseState |= kHot;
            else
                MouseState &= ~kHot;
            PaintWindow(nullptr);
        }
        return;
    case WM_COMMAND:
    case WM_CTLCOLOREDIT:
        // The inner edit gained or lost the focus, or repainted: the ring follows.
        if (m.Msg == WM_COMMAND && (HIWORD(m.WParam) == EN_SETFOCUS || HIWORD(m.WParam) == EN_KILLFOCUS))
            PaintWindow(nullptr);
        return;
    case CB_SHOWDROPDOWN:
    case WM_CAPTURECHANGED:
        MouseState &= ~kPressed;
        PaintWindow(nullptr);
        return;
    }
    TSkinControl::AfterMessage(m);
}

void TSkinComBox::Paint(HDC dc, const RECT& rect) {
    if (!SkinData || !SkinData->ComboButton || SkinData->ComboButton->Bitmap.Empty() || !SkinData->SunkEdge ||
        SkinData->SunkEdge->Bitmap.Empty())
        return;
    PaintedStyle = static_cast<DWORD>(GetWindowLongPtrW(Window, GWL_STYLE));
    PaintedExStyle = static_cast<DWORD>(GetWindowLongPtrW(Window, GWL_EXSTYLE));
    ReadEnabled();
    HWND focus = GetFocus();
    Focused = focus && (focus == Window || IsChild(Window, focus));
    const int d = ComboFrame(MouseState & kPressed, Focused, MouseState & kHot, Enabled);
    const int w = rect.right - rect.left, h = rect.bottom - rect.top;
    const bool rtl = (PaintedExStyle & WS_EX_LEFTSCROLLBAR) != 0;
    const ComboPlace place = PlaceCombo(w, h, GetSystemMetrics(SM_CXHSCROLL), rtl);
    const int saved = SaveDC(dc);
    ExcludeClipRect(dc, place.exclude.left, place.exclude.top, place.exclude.right, place.exclude.bottom);
    const TDataSkinObject& sunk = *SkinData->SunkEdge;
    DrawSkinObject(dc, rect, sunk.FrameCount, d, sunk);
    const TDataSkinBorder& button = *SkinData->ComboButton;
    const SkinBitmap& image = rtl && !button.Bitmap2.Empty() ? button.Bitmap2 : button.Bitmap;
    const TDataSkinObject* extra = SkinData->ExtraImages.get();
    const RECT r{place.button.left, place.button.top, place.button.right, place.button.bottom};
    DrawOverDc(dc, r, [&](SkinBitmap& target, Rect area) {
        DrawFrameStretched(target, area, image, true, button.FrameCount, d);
        if (!extra || extra->Bitmap.Empty()) return;
        const int n = std::max(1, extra->FrameCount);
        const int cw = extra->Bitmap.Width() / n, ch = extra->Bitmap.Height();
        // The glyph area lies inside the button rectangle, offset by its left edge.
        const int gx = place.glyphArea.left - place.button.left, gw = place.glyphArea.Width();
        const Rect cell = FrameRect(extra->Bitmap, FrameLayout::SideBySide, n, d);
        SkinBitmap piece(cw, ch);
        CopyRect(piece, 0, 0, extra->Bitmap, cell);
        const int x = gx + (gw - cw) / 2, y = (area.Height() - ch) / 2;
        TransparentBlit(target, {x, y, x + cw, y + ch}, piece);
    });
    RestoreDC(dc, saved);
}

// ---- Edits ------------------------------------------------------------------------

TSkinEdit::~TSkinEdit() {
    // Owned by the control or the frame; make sure it does not outlive this link.
    SpinWrapper = nullptr;
}

void TSkinEdit::AfterMessage(forms::TMessage& m) {
    switch (m.Msg) {
    case WM_PAINT:
        if (m.WParam == 0) PaintWindow(nullptr);
        return;
    case WM_NCPAINT:
        // The system draws the border outside WM_PAINT too.
        PaintWindow(nullptr);
        return;
    case WM_PRINT:
        PaintPrintBorder(reinterpret_cast<HDC>(m.WParam));
        return;
    }
    TSkinControl::AfterMessage(m);
}

void TSkinEdit::WrapSpinChild() {
    if (SpinWrapper) return;
    for (HWND child = GetWindow(Window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        const std::string cls = AsciiLower(frames::WindowClassName(child));
        if (cls != "msctls_updown32" && cls != "tspinbutton") continue;
        if (TSkinControl* s = CreateWrapper(SkinKind::UpDown, Control)) {
            s->SetInset(true);
            s->AttachToWindow(child, SkinData, Frame, WorkCanvas);
            SpinWrapper = s;
        }
        return;
    }
}

void TSkinEdit::Paint(HDC dc, const RECT& rect) {
    if (!SkinData) return;
    WrapSpinChild();
    RECT client{};
    GetClientRect(Window, &client);
    const int w = rect.right - rect.left, h = rect.bottom - rect.top;
    if (!EditHasBorder(client.right, client.bottom, w, h)) return;
    frames::GdiObject<HBRUSH> shadow(CreateSolidBrush(Colour(SkinData->ButtonShadowColour)));
    frames::GdiObject<HBRUSH> white(CreateSolidBrush(RGB(255, 255, 255)));
    const RECT outer = rect, inner{rect.left + 1, rect.top + 1, rect.right - 1, rect.bottom - 1};
    FrameRect(dc, &outer, shadow.Get());
    FrameRect(dc, &inner, white.Get());
}

void TSkinEdit::PaintPrintBorder(HDC dc) {
    if (!dc || !SkinData) return;
    RECT window{}, client{};
    GetWindowRect(Window, &window);
    GetClientRect(Window, &client);
    const int w = window.right - window.left, h = window.bottom - window.top;
    if (!EditPrintHasBorder(client.right, client.bottom, w, h)) return;
    const RECT outer{0, 0, w, h}, inner{1, 1, w - 1, h - 1};
    FrameRect(dc, &inner, static_cast<HBRUSH>(GetCurrentObject(dc, OBJ_BRUSH)));
    frames::GdiObject<HBRUSH> shadow(CreateSolidBrush(Colour(SkinData->ButtonShadowColour)));
    FrameRect(dc, &outer, shadow.Get());
}

}  // namespace zuno::skin::controls
