// Helpers for the skin drawing tests: bitmaps drawn as character art and bitmaps
// whose every pixel names its own coordinates, so a result shows where each pixel
// came from.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "skin/draw/Bitmap.h"

namespace zuno::skin::test {

// Character art: '#' is the key colour (magenta), '.' black; any other character c
// is MakePixel(c, 255 - c, c ^ 0x5A), distinct per character and never magenta.
inline Pixel32 ArtPixel(char c) {
    if (c == '#') return kKeyPixel;
    if (c == '.') return 0;
    const auto v = static_cast<std::uint8_t>(c);
    return MakePixel(v, static_cast<std::uint8_t>(255 - v), static_cast<std::uint8_t>(v ^ 0x5A));
}

inline SkinBitmap FromArt(const std::vector<std::string>& rows) {
    const int h = static_cast<int>(rows.size());
    const int w = h == 0 ? 0 : static_cast<int>(rows[0].size());
    SkinBitmap b(w, h);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x)
            b.SetPixel(x, y, ArtPixel(rows[std::size_t(y)][std::size_t(x)]));
    }
    return b;
}

// The reverse of FromArt; '?' for a pixel no art character makes.
inline std::vector<std::string> ToArt(const SkinBitmap& b) {
    std::vector<std::string> rows;
    for (int y = 0; y < b.Height(); ++y) {
        std::string row;
        for (int x = 0; x < b.Width(); ++x) {
            char found = '?';
            for (int c = 32; c < 127; ++c) {
                if (ArtPixel(static_cast<char>(c)) == b.Pixel(x, y)) {
                    found = static_cast<char>(c);
                    break;
                }
            }
            row += found;
        }
        rows.push_back(row);
    }
    return rows;
}

// Pixel (x, y) holds red x, green y, blue 7 (sizes below 256).
inline SkinBitmap CoordBitmap(int w, int h) {
    SkinBitmap b(w, h);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            b.SetPixel(x, y,
                       MakePixel(static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y), 7));
        }
    }
    return b;
}

// The source coordinates a CoordBitmap pixel names, or (-1, -1) for any other pixel.
struct Source {
    int x = -1;
    int y = -1;
    friend bool operator==(const Source&, const Source&) = default;
};
inline Source SourceOf(Pixel32 p) {
    if (PixelBlue(p) != 7) return {};
    return {PixelRed(p), PixelGreen(p)};
}

// Source columns along row y of a result built from a CoordBitmap.
inline std::vector<int> SourceColumns(const SkinBitmap& b, int y) {
    std::vector<int> xs;
    for (int x = 0; x < b.Width(); ++x) xs.push_back(SourceOf(b.Pixel(x, y)).x);
    return xs;
}
inline std::vector<int> SourceRows(const SkinBitmap& b, int x) {
    std::vector<int> ys;
    for (int y = 0; y < b.Height(); ++y) ys.push_back(SourceOf(b.Pixel(x, y)).y);
    return ys;
}

}  // namespace zuno::skin::test
