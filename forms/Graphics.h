// Colours, fonts and the canvas of the form layer. A colour is a TColor: 0x00BBGGRR,
// or 0x80000000 + n for Windows system colour n, resolved whenever it is drawn.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>

namespace zuno::forms {

using TColor = std::int32_t;

inline constexpr TColor clSystemColor = static_cast<TColor>(0x80000000u);
inline constexpr TColor clNone = 0x1FFFFFFF;
inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clWhite = 0xFFFFFF;
inline constexpr TColor clScrollBar = clSystemColor | COLOR_SCROLLBAR;
inline constexpr TColor clMenu = clSystemColor | COLOR_MENU;
inline constexpr TColor clWindow = clSystemColor | COLOR_WINDOW;
inline constexpr TColor clWindowText = clSystemColor | COLOR_WINDOWTEXT;
inline constexpr TColor clMenuText = clSystemColor | COLOR_MENUTEXT;
inline constexpr TColor clHighlight = clSystemColor | COLOR_HIGHLIGHT;
inline constexpr TColor clHighlightText = clSystemColor | COLOR_HIGHLIGHTTEXT;
inline constexpr TColor clBtnFace = clSystemColor | COLOR_BTNFACE;
inline constexpr TColor clBtnShadow = clSystemColor | COLOR_BTNSHADOW;
inline constexpr TColor clBtnText = clSystemColor | COLOR_BTNTEXT;
inline constexpr TColor clBtnHighlight = clSystemColor | COLOR_BTNHIGHLIGHT;
inline constexpr TColor clGrayText = clSystemColor | COLOR_GRAYTEXT;

// The RGB value to hand to GDI.
COLORREF ColorToRGB(TColor color);

enum TFontStyle : unsigned { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };

// A font description with a lazily created GDI font. Height follows the Windows
// convention: negative is the character height in pixels (宋体 of height -13 draws
// 13-pixel characters), positive the cell height.
class TFont {
public:
    TFont() = default;
    TFont(const TFont& other) { Assign(other); }
    TFont& operator=(const TFont& other) {
        Assign(other);
        return *this;
    }
    ~TFont();

    std::wstring Name = L"宋体";
    int Height = -12;
    unsigned Style = 0;
    BYTE Charset = GB2312_CHARSET;
    TColor Color = clWindowText;

    void Assign(const TFont& other);
    // A GB2312 font of the given face and character height in pixels, in one step.
    void Set(const wchar_t* name, int charHeight, unsigned style = 0);
    // Point size at the screen's resolution (negative heights only).
    int Size() const;
    void SetSize(int points);
    // The GDI font, created on first use and kept until the description changes
    // (call Changed after editing the fields). Owned by this object.
    HFONT Handle() const;
    void Changed();
    // Called after Changed, so that the owner can re-lay out.
    std::function<void()> OnChange;

private:
    mutable HFONT handle_ = nullptr;
};

// Canvas handed to drawing events: the device context plus the font and colours the
// painter chose. It does not own the DC.
struct TCanvas {
    HDC Handle = nullptr;
    TFont Font;
    TColor BrushColor = clWindow;
};

// A picture held by a control (a button's glyph): a 32-bit top-down DIB section of
// 0x00RRGGBB pixels, owned here. Copies copy the pixels.
class TBitmap {
public:
    TBitmap() = default;
    TBitmap(const TBitmap& other) { Assign(other); }
    TBitmap& operator=(const TBitmap& other) {
        Assign(other);
        return *this;
    }
    ~TBitmap() { Clear(); }

    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Empty() const { return handle_ == nullptr; }
    HBITMAP Handle() const { return handle_; }
    // Takes width x height pixels (top row first); an empty size clears the picture.
    void SetPixels(int width, int height, const std::uint32_t* pixels);
    std::uint32_t Pixel(int x, int y) const { return bits_[static_cast<size_t>(y) * width_ + x]; }
    void Assign(const TBitmap& other);
    void Clear();
    // Draws the columns [srcX, srcX + width) at (x, y), the colour of the picture's
    // bottom-left pixel left out; greyed for a disabled look.
    void DrawTransparent(HDC dc, int x, int y, int srcX, int width, bool greyed) const;
    // Called after every change of the picture.
    std::function<void()> OnChange;

private:
    HBITMAP handle_ = nullptr;         // owned DIB section
    std::uint32_t* bits_ = nullptr;    // its pixels, owned by the DIB section
    int width_ = 0, height_ = 0;
};

}  // namespace zuno::forms
