// Colour resolution and the GDI side of TFont.
#include "forms/Graphics.h"

#include <algorithm>
#include <cstring>
#include <vector>

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

// ---- TBitmap ----------------------------------------------------------------

namespace {

HBITMAP CreateTopDownDib(int width, int height, std::uint32_t** bits) {
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = width;
    bi.bmiHeader.biHeight = -height;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    void* p = nullptr;
    HBITMAP bmp = CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &p, nullptr, 0);
    *bits = static_cast<std::uint32_t*>(p);
    return bmp;
}

// Blits a run of pixels held in memory; the source DIB lives only for the call.
void BlitPixels(HDC dc, int x, int y, int width, int height, const std::vector<std::uint32_t>& pixels, DWORD rop) {
    std::uint32_t* bits = nullptr;
    HBITMAP bmp = CreateTopDownDib(width, height, &bits);
    if (!bmp) return;
    std::memcpy(bits, pixels.data(), pixels.size() * sizeof(std::uint32_t));
    HDC mem = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(mem, bmp);
    BitBlt(dc, x, y, width, height, mem, 0, 0, rop);
    SelectObject(mem, old);
    DeleteDC(mem);
    DeleteObject(bmp);
}

}  // namespace

void TBitmap::SetPixels(int width, int height, const std::uint32_t* pixels) {
    if (handle_) DeleteObject(handle_);
    handle_ = nullptr;
    bits_ = nullptr;
    width_ = height_ = 0;
    if (width > 0 && height > 0 && pixels) {
        handle_ = CreateTopDownDib(width, height, &bits_);
        if (handle_) {
            std::memcpy(bits_, pixels, static_cast<size_t>(width) * height * sizeof(std::uint32_t));
            width_ = width, height_ = height;
        }
    }
    if (OnChange) OnChange();
}

void TBitmap::Assign(const TBitmap& other) {
    if (this == &other) return;
    SetPixels(other.width_, other.height_, other.bits_);
}

void TBitmap::Clear() {
    if (handle_) DeleteObject(handle_);
    handle_ = nullptr;
    bits_ = nullptr;
    width_ = height_ = 0;
}

void TBitmap::DrawTransparent(HDC dc, int x, int y, int srcX, int width, bool greyed) const {
    if (Empty() || srcX < 0 || width <= 0 || srcX + width > width_) return;
    const std::uint32_t key = Pixel(0, height_ - 1) & 0xFFFFFF;
    // Mask: white where the background stays, black under the glyph; the picture:
    // black where it is transparent. AND then OR puts one over the other.
    std::vector<std::uint32_t> mask(static_cast<size_t>(width) * height_), image(mask.size());
    for (int row = 0; row < height_; ++row) {
        for (int col = 0; col < width; ++col) {
            std::uint32_t p = Pixel(srcX + col, row) & 0xFFFFFF;
            const size_t i = static_cast<size_t>(row) * width + col;
            const bool clear = p == key;
            if (greyed && !clear) {
                const std::uint32_t luma = ((p >> 16 & 0xFF) * 30 + (p >> 8 & 0xFF) * 59 + (p & 0xFF) * 11) / 100;
                const std::uint32_t g = std::min<std::uint32_t>(255, 128 + luma / 2);
                p = g << 16 | g << 8 | g;
            }
            mask[i] = clear ? 0xFFFFFF : 0;
            image[i] = clear ? 0 : p;
        }
    }
    BlitPixels(dc, x, y, width, height_, mask, SRCAND);
    BlitPixels(dc, x, y, width, height_, image, SRCPAINT);
}

}  // namespace zuno::forms
