// Colour resolution and the GDI side of TFont.
#include "forms/Graphics.h"

namespace zuno::forms {

COLORREF ColorToRGB(TColor color) {
    if (color & clSystemColor) return GetSysColor(color & 0xFF);
    return static_cast<COLORREF>(color) & 0x00FFFFFF;
}

TFont::~TFont() {
    if (handle_) DeleteObject(handle_);
}

void TFont::Assign(const TFont& other) {
    if (this == &other) return;
    Name = other.Name;
    Height = other.Height;
    Style = other.Style;
    Charset = other.Charset;
    Color = other.Color;
    Changed();
}

void TFont::Set(const wchar_t* name, int charHeight, unsigned style) {
    Name = name;
    Height = -charHeight;
    Charset = GB2312_CHARSET;
    Style = style;
    Changed();
}

static int ScreenDpi() {
    HDC dc = GetDC(nullptr);
    const int dpi = GetDeviceCaps(dc, LOGPIXELSY);
    ReleaseDC(nullptr, dc);
    return dpi > 0 ? dpi : 96;
}

int TFont::Size() const { return -MulDiv(Height, 72, ScreenDpi()); }

void TFont::SetSize(int points) {
    Height = -MulDiv(points, ScreenDpi(), 72);
    Changed();
}

HFONT TFont::Handle() const {
    if (!handle_) {
        LOGFONTW lf{};
        lf.lfHeight = Height;
        lf.lfWeight = (Style & fsBold) ? FW_BOLD : FW_NORMAL;
        lf.lfItalic = (Style & fsItalic) ? TRUE : FALSE;
        lf.lfUnderline = (Style & fsUnderline) ? TRUE : FALSE;
        lf.lfStrikeOut = (Style & fsStrikeOut) ? TRUE : FALSE;
        lf.lfCharSet = Charset;
        lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
        lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
        lf.lfQuality = DEFAULT_QUALITY;
        lf.lfPitchAndFamily = DEFAULT_PITCH;
        lstrcpynW(lf.lfFaceName, Name.c_str(), LF_FACESIZE);
        handle_ = CreateFontIndirectW(&lf);
    }
    return handle_;
}

void TFont::Changed() {
    if (handle_) {
        DeleteObject(handle_);
        handle_ = nullptr;
    }
    if (OnChange) OnChange();
}

}  // namespace zuno::forms
