// The push-button wrapper: its messages and its painting.
#include "skin/controls/SkinButton.h"

#include "skin/controls/core/PaintRules.h"
#include "skin/draw/Primitives.h"
#include "skin/frames/WinSkinData.h"

namespace zuno::skin::controls {

bool TSkinButton::HasSkin() const { return SkinData && !SkinData->Buttons.Bitmap.Empty(); }

bool TSkinButton::BeforeMessage(forms::TMessage& m) {
    if (!HasSkin()) return TSkinControl::BeforeMessage(m);
    switch (m.Msg) {
    case WM_PAINT: {
        PAINTSTRUCT ps{};
        HDC dc = reinterpret_cast<HDC>(m.WParam);
        if (!dc) dc = BeginPaint(Window, &ps);
        GetWindowRect(Window, &LastWindowRect);
        const RECT r{0, 0, LastWindowRect.right - LastWindowRect.left, LastWindowRect.bottom - LastWindowRect.top};
        try {
            Paint(dc, r);
        } catch (...) {
            // A bad bitmap must not stop the control's messages.
        }
        if (!m.WParam) EndPaint(Window, &ps);
        m.Result = 0;
        return false;
    }
    case WM_ERASEBKGND:
        m.Result = 1;
        return false;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        // The control never sees the press: the click is ours at the release.
        if (GetFocus() != Window) SetFocus(Window);
        MouseState |= kPressed;
        PaintWindow(nullptr);
        m.Result = 0;
        return false;
    }
    return TSkinControl::BeforeMessage(m);
}

void TSkinButton::AfterMessage(forms::TMessage& m) {
    const bool skinned = HasSkin();
    switch (m.Msg) {
    case WM_KEYDOWN:
    case WM_KEYUP:
        if (m.WParam == VK_SPACE) {
            if (m.Msg == WM_KEYDOWN)
                MouseState |= kPressed;
            else
                MouseState &= ~kPressed;
            Redraw();
        }
        return;
    case WM_MOUSEMOVE:
        if (!(MouseState & kHot)) {
            MouseState |= kHot;
            TSkinControl* hovered = HoveredButton();
            if (hovered && hovered != this && hovered->Window) SendMessageW(hovered->Window, kMsgMouseLeave, 0, 0);
            if (HoveredButton() != this) {
                Redraw();
                SetHoveredButton(this);
            }
        }
        return;
    case WM_LBUTTONUP:
        if (skinned && (MouseState & kPressed)) {
            MouseState &= ~kPressed;
            Redraw();
            Click();  // last: the click may close the window and free this wrapper
        }
        return;
    case kMsgMouseEnter:
        if (Enabled) {
            MouseState |= kHot;
            Redraw();
            SetHoveredButton(this);
        }
        return;
    case kMsgMouseLeave:
        if (Enabled) {
            MouseState &= ~(kHot | kPressed);
            Redraw();
            if (HoveredButton() == this) SetHoveredButton(nullptr);
        }
        return;
    case BM_SETSTYLE:
    case BM_SETSTATE:
    case WM_UPDATEUISTATE:
        // The button paints itself at once on these, past WM_PAINT: paint over it.
        Redraw();
        return;
    }
    TSkinControl::AfterMessage(m);
}

void TSkinButton::Click() {
    if (Control) {
        Control->Click();
    } else if (HWND parent = GetParent(Window)) {
        PostMessageW(parent, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(Window), 0), reinterpret_cast<LPARAM>(Window));
    }
}

void TSkinButton::PaintFace(int width, int height, int frames, int frame) {
    BackBuffer.Resize(width, height);
    if (BackBuffer.Empty()) return;
    const COLORREF face = Colour(SkinData->ButtonFaceColour);
    BackBuffer.Pixels().Fill(MakePixel(GetRValue(face), GetGValue(face), GetBValue(face)));
    const TDataSkinButton& b = SkinData->Buttons;
    DrawNinePatch(BackBuffer.Pixels(), {0, 0, width, height}, b.Bitmap, FrameLayout::SideBySide,
                  b.Tile == 1 ? CentreFill::Tile : CentreFill::Stretch, b.Trans == 1, frames, frame,
                  {b.LeftWidth, b.TopHeight, b.RightWidth, b.BottomHeight});
}

void TSkinButton::Paint(HDC dc, const RECT& rect) {
    if (!HasSkin()) return;
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(Window, GWL_STYLE));
    const bool isDefault = (style & BS_DEFPUSHBUTTON) != 0;
    ReadEnabled();
    Focused = GetFocus() == Window;
    Caption = ReadWindowText();
    if (Caption.empty()) Caption = ReadControlText("Caption");
    const int frame = ButtonFrame(MouseState & kPressed, MouseState & kHot, isDefault, Focused, Enabled);
    const int w = rect.right - rect.left, h = rect.bottom - rect.top;
    PaintFace(w, h, 5, frame);
    if (BackBuffer.Empty()) return;
    HDC back = BackBuffer.Dc();
    HGDIOBJ oldFont = SelectObject(back, reinterpret_cast<HFONT>(SendMessageW(Window, WM_GETFONT, 0, 0)));
    const TDataSkinButton& b = SkinData->Buttons;
    TColor text = SkinData->ButtonTextColour;
    if (frame == 1) text = b.NormalColour2;
    if (frame == 4) text = b.MouseOverColour2;
    if (frame == 2) text = b.PressedColour2;
    SetTextColor(back, Enabled ? Colour(text) : RGB(0x80, 0x80, 0x80));
    DrawCaptionCentred(back, {0, 0, w, h}, DT_CENTER, Enabled, Caption);
    SelectObject(back, oldFont);
    BitBlt(dc, rect.left, rect.top, w, h, back, 0, 0, SRCCOPY);
}

}  // namespace zuno::skin::controls
