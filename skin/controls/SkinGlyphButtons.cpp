// Bitmap and speed button wrappers: state frames, glyph cell and caption placement.
#include "skin/controls/SkinGlyphButtons.h"

#include "forms/core/GlyphLayout.h"
#include "skin/controls/core/PaintRules.h"
#include "skin/draw/Primitives.h"
#include "skin/frames/WinSkinData.h"

namespace zuno::skin::controls {
namespace {

forms::TButtonLayout LayoutNamed(std::wstring name) {
    for (wchar_t& c : name) c = static_cast<wchar_t>(towlower(c));
    if (name == L"blglyphright") return forms::TButtonLayout::blGlyphRight;
    if (name == L"blglyphtop") return forms::TButtonLayout::blGlyphTop;
    if (name == L"blglyphbottom") return forms::TButtonLayout::blGlyphBottom;
    return forms::TButtonLayout::blGlyphLeft;
}

// One cell of the glyph as a skin bitmap, greyed for the disabled look.
SkinBitmap GlyphCell(const forms::TBitmap& glyph, int cell, int width, bool grey) {
    SkinBitmap out(width, glyph.Height());
    for (int y = 0; y < glyph.Height(); ++y)
        for (int x = 0; x < width && cell * width + x < glyph.Width(); ++x)
            out.SetPixel(x, y, glyph.Pixel(cell * width + x, y) & 0xFFFFFFu);
    if (grey) GrayBitmap(out);
    return out;
}

}  // namespace

void TSkinBitButton::Paint(HDC dc, const RECT& rect) {
    if (!HasSkin()) return;
    ReadEnabled();
    Focused = GetFocus() == Window;
    const bool isDefault = _wcsicmp(ReadControlText("Default").c_str(), L"true") == 0;
    PaintGlyphButton(dc, rect, BitButtonFrame(MouseState & kPressed, MouseState & kHot, isDefault, Focused, Enabled),
                     false);
}

void TSkinBitButton::PaintGlyphButton(HDC dc, const RECT& rect, int frame, bool speedButton) {
    const int w = rect.right - rect.left, h = rect.bottom - rect.top;
    const TDataSkinButton& b = SkinData->Buttons;
    PaintFace(w, h, b.FrameCount, frame);
    if (BackBuffer.Empty()) return;
    HDC back = BackBuffer.Dc();
    forms::TControl* c = Control ? Control : GraphicControl;
    Caption = Window ? ReadWindowText() : std::wstring();
    if (Caption.empty()) Caption = ReadControlText("Caption");
    HGDIOBJ oldFont = SelectObject(back, c ? c->Font().Handle() : GetStockObject(DEFAULT_GUI_FONT));
    COLORREF text = c ? forms::ColorToRGB(c->Font().Color) : Colour(SkinData->ButtonTextColour);
    if (frame == 1 && b.HasNormalColour2) text = Colour(b.NormalColour2);
    if (frame == 4 && b.HasMouseOverColour2) text = Colour(b.MouseOverColour2);
    if (frame == 2 && b.HasPressedColour2) text = Colour(b.PressedColour2);
    if (!Enabled) text = GetSysColor(COLOR_BTNSHADOW);
    SetTextColor(back, text);
    SetBkMode(back, TRANSPARENT);

    forms::TBitmap* glyph = nullptr;
    if (auto v = ReadControlProperty("Glyph"))
        if (auto* g = std::get_if<forms::TBitmap*>(&*v)) glyph = *g;
    if (!glyph || glyph->Empty()) {
        DrawCaptionCentred(back, {0, 0, w, h}, DT_CENTER, Enabled, Caption);
    } else {
        int cells = static_cast<int>(ReadControlInt("NumGlyphs"));
        if (cells <= 0) cells = 1;
        forms::TGlyphLayoutInput in;
        in.width = w;
        in.height = h;
        in.glyphWidth = glyph->Width() / cells;
        in.glyphHeight = glyph->Height();
        RECT measured{0, 0, 0, 0};
        if (!Caption.empty()) DrawTextW(back, Caption.c_str(), -1, &measured, DT_CALCRECT);
        in.textWidth = measured.right;
        in.textHeight = measured.bottom;
        in.layout = LayoutNamed(ReadControlText("Layout"));
        in.margin = static_cast<int>(ReadControlInt("Margin"));
        in.spacing = static_cast<int>(ReadControlInt("Spacing"));
        in.speedButton = speedButton;
        const forms::TGlyphLayout at = forms::LayoutGlyphAndText(in);
        const int number = GlyphNumber(frame, Enabled);
        const int cell = cells == 4 ? number - 1 : 0;
        const SkinBitmap image = GlyphCell(*glyph, cell, in.glyphWidth, number == 2);
        if (!image.Empty()) {
            GdiFlush();
            const Pixel32 key = image.Pixel(0, image.Height() - 1);
            TransparentBlit(BackBuffer.Pixels(),
                            {at.glyphX, at.glyphY, at.glyphX + image.Width(), at.glyphY + image.Height()}, image, key);
        }
        if (!Caption.empty()) {
            RECT t{at.textX, at.textY, at.textX + in.textWidth, at.textY + in.textHeight};
            const UINT align = at.align == forms::TGlyphTextAlign::Right    ? DT_RIGHT
                               : at.align == forms::TGlyphTextAlign::Centre ? DT_CENTER
                                                                             : DT_LEFT;
            DrawTextW(back, Caption.c_str(), -1, &t, align);
        }
    }
    SelectObject(back, oldFont);
    BitBlt(dc, rect.left, rect.top, w, h, back, 0, 0, SRCCOPY);
}

// ---- Speed buttons ----------------------------------------------------------------

void TSkinSpeedButton::AttachToControl(TWinSkinForm* frame, TSkinData* data, bool ownsColour,
                                       frames::DibSurface* canvas) {
    TSkinBitButton::AttachToControl(frame, data, ownsColour, canvas);
    GraphicControl = Control;
    Window = nullptr;
    ReadEnabled();
}

bool TSkinSpeedButton::BeforeMessage(forms::TMessage& m) {
    if (!HasSkin()) return TSkinControl::BeforeMessage(m);
    switch (m.Msg) {
    case WM_PAINT:
        if (m.WParam && GraphicControl)
            Paint(reinterpret_cast<HDC>(m.WParam), {0, 0, GraphicControl->Width(), GraphicControl->Height()});
        m.Result = 1;
        return false;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        CallDefault(m);
        MouseState |= kPressed;
        PaintWindow(nullptr);
        return false;
    }
    return TSkinControl::BeforeMessage(m);
}

void TSkinSpeedButton::AfterMessage(forms::TMessage& m) {
    switch (m.Msg) {
    case WM_LBUTTONUP:
    case WM_CANCELMODE:
        MouseState &= ~kPressed;
        PaintWindow(nullptr);
        return;
    case kMsgMouseEnter:
        MouseState |= kHot;
        PaintWindow(nullptr);
        return;
    case kMsgMouseLeave:
        MouseState &= ~(kHot | kPressed);
        if (GraphicControl && GraphicControl->Showing()) PaintWindow(nullptr);
        return;
    case kMsgEnabledChanged:
        ReadEnabled();
        PaintWindow(nullptr);
        return;
    }
}

void TSkinSpeedButton::PaintWindow(HDC) {
    forms::TControl* c = GraphicControl;
    if (!c || !c->Parent() || !c->Parent()->HandleAllocated() || !c->Showing()) return;
    HWND parent = c->Parent()->HandleIfAllocated();
    HDC dc = GetDC(parent);
    const int saved = SaveDC(dc);
    OffsetViewportOrgEx(dc, c->Left(), c->Top(), nullptr);
    IntersectClipRect(dc, 0, 0, c->Width(), c->Height());
    try {
        Paint(dc, {0, 0, c->Width(), c->Height()});
    } catch (...) {
    }
    RestoreDC(dc, saved);
    ReleaseDC(parent, dc);
}

void TSkinSpeedButton::Paint(HDC dc, const RECT& rect) {
    if (!HasSkin() || !GraphicControl) return;
    ReadEnabled();
    const bool down = _wcsicmp(ReadControlText("Down").c_str(), L"true") == 0;
    PaintGlyphButton(dc, rect, SpeedButtonFrame(MouseState & kPressed, down, MouseState & kHot, Enabled), true);
}

}  // namespace zuno::skin::controls
