// Pixel and colour values of the skin engine: the 32-bit pixel of a skin bitmap and
// the Delphi-style TColor the skin definition carries, with explicit conversions.
// The two keep red and blue in opposite byte positions; mixing them up swaps colours.
#pragma once

#include <cstdint>

namespace zuno::skin {

// One pixel of a SkinBitmap as a 32-bit integer: 0x00RRGGBB. On a little-endian
// machine its bytes lie in memory as B, G, R, X, the layout of a 32-bit DIB.
// The top byte is ignored on reading and written as 0.
using Pixel32 = std::uint32_t;

// A Delphi TColor: an RGB value is 0x00BBGGRR (red in the low byte); 0x80000000 + n
// names Windows system colour n and must be resolved by the platform before it is
// turned into a pixel.
using TColor = std::int32_t;

inline constexpr TColor kClNone = 0x1FFFFFFF;

constexpr Pixel32 MakePixel(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    return (Pixel32{red} << 16) | (Pixel32{green} << 8) | Pixel32{blue};
}
constexpr std::uint8_t PixelRed(Pixel32 p) { return static_cast<std::uint8_t>(p >> 16); }
constexpr std::uint8_t PixelGreen(Pixel32 p) { return static_cast<std::uint8_t>(p >> 8); }
constexpr std::uint8_t PixelBlue(Pixel32 p) { return static_cast<std::uint8_t>(p); }

// Drops the unused top byte so that pixels compare by colour alone.
constexpr Pixel32 PixelRgb(Pixel32 p) { return p & 0x00FFFFFFu; }

// RGB(r, g, b) as Delphi and Windows write it: 0x00BBGGRR.
constexpr TColor MakeTColor(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    return static_cast<TColor>(std::uint32_t{red} | (std::uint32_t{green} << 8) |
                               (std::uint32_t{blue} << 16));
}

// TColor 0x00BBGGRR -> pixel 0x00RRGGBB. The top byte (a system-colour flag) is
// ignored: resolve system colours first.
constexpr Pixel32 PixelFromTColor(TColor colour) {
    const auto c = static_cast<std::uint32_t>(colour);
    return MakePixel(static_cast<std::uint8_t>(c), static_cast<std::uint8_t>(c >> 8),
                     static_cast<std::uint8_t>(c >> 16));
}

// Pixel 0x00RRGGBB -> TColor 0x00BBGGRR.
constexpr TColor TColorFromPixel(Pixel32 p) {
    return MakeTColor(PixelRed(p), PixelGreen(p), PixelBlue(p));
}

// The key colour, pure magenta RGB(255, 0, 255): transparent in every skin bitmap.
// It reads the same in both byte orders, so tests of byte order must use other colours.
inline constexpr Pixel32 kKeyPixel = MakePixel(255, 0, 255);
inline constexpr TColor kKeyColour = MakeTColor(255, 0, 255);

}  // namespace zuno::skin
