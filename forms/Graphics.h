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

}  // namespace zuno::forms
