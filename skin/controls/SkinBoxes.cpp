// Group box, panel and size-grip wrappers.
#include "skin/controls/SkinBoxes.h"

#include "skin/controls/core/PaintRules.h"
#include "skin/frames/GdiSurface.h"
#include "skin/frames/WinSkinData.h"
#include "skin/frames/WinSkinForm.h"

namespace zuno::skin::controls {

void TSkinGroupBox::Paint(HDC dc, const RECT& rect) {
    if (!SkinData || !SkinData->FaceBrush) return;
    Caption = ReadWindowText();
    if (Caption.empty()) Caption = ReadControlText("Caption");
    HFONT font = Control ? Control->Font().Handle() : nullptr;
    if (!font) font = reinterpret_cast<HFONT>(SendMessageW(Window, WM_GETFONT, 0, 0));
    HGDIOBJ oldFont = SelectObject(dc, font);
    SIZE zero{};
    GetTextExtentPoint32W(dc, L"0", 1, &zero);
    const int w = rect.right - rect.left, h = rect.bottom - rect.top;
    const int y = GroupBoxFrameTop(zero.cy);
    const RECT outer{0, y, w, h}, inner{1, y + 1, w - 1, h - 1};
    FrameRect(dc, &outer, SkinData->FaceBrush);
    FrameRect(dc, &inner, SkinData->FaceBrush);
    frames::GdiObject<HPEN> pen(CreatePen(PS_SOLID, 1, Colour(SkinData->ButtonShadowColour)));
    HGDIOBJ oldPen = SelectObject(dc, pen.Get());
    HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
    RoundRect(dc, 1, y, w - 1, h - 1, 5, 5);
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
    if (!Caption.empty()) {
        SetBkMode(dc, OPAQUE);
        SetBkColor(dc, Colour(SkinData->ButtonFaceColour));
        // The caption sits on the face: a caption in the system's text colour takes the skin's.
        const forms::TColor colour = Control ? Control->Font().Color : forms::clWindowText;
        const bool system = colour == forms::clWindowText || colour == forms::clBtnText;
        SetTextColor(dc, system ? Colour(SkinData->ButtonTextColour) : forms::ColorToRGB(colour));
        RECT text{9, 0, w, h};
        DrawTextW(dc, Caption.c_str(), -1, &text, DT_LEFT | DT_EXPANDTABS);
    }
    SelectObject(dc, oldFont);
}

void TSkinBox::AttachToControl(TWinSkinForm* frame, TSkinData* data, bool ownsColour, frames::DibSurface* canvas) {
    if (Attached) return;
    Frame = frame;
    SkinData = data;
    OwnsColour = ownsColour;
    WorkCanvas = canvas;
    Control = dynamic_cast<forms::TControl*>(Owner());
    if (auto* w = dynamic_cast<forms::TWinControl*>(Control)) Window = w->HandleIfAllocated();
    if (Frame) Frame->AddWrapper(this);
    if (OwnsColour && Control) {
        SavedColour = Control->Color();
        ApplyFaceColour();
    }
    Attached = true;
    State = stAttached;
}

void TSkinBox::RestoreControl() {
    if (State != 4 && State != stColourRestored && OwnsColour && Control) GiveBackColour();
    State = stColourRestored;
}

bool TSkinSizer::BeforeMessage(forms::TMessage& m) {
    switch (m.Msg) {
    case WM_PAINT: {
        PAINTSTRUCT ps{};
        HDC dc = BeginPaint(Window, &ps);
        RECT r{};
        GetClientRect(Window, &r);
        try {
            Paint(dc, r);
        } catch (...) {
        }
        EndPaint(Window, &ps);
        m.Result = 0;
        return false;
    }
    case WM_ERASEBKGND:
        m.Result = 1;
        return false;
    }
    return TSkinControl::BeforeMessage(m);
}

void TSkinSizer::Paint(HDC dc, const RECT& rect) {
    if (!SkinData) return;
    // The grip's own dots would show through: the face goes first.
    FillFace(dc, rect);
    frames::GdiObject<HBRUSH> brush(CreateSolidBrush(Colour(SkinData->ButtonShadowColour)));
    FrameRect(dc, &rect, brush.Get());
}

}  // namespace zuno::skin::controls
