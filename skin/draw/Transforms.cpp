// The in-place bitmap utilities: grey scale for disabled glyphs, mirror and flip,
// and the two quarter turns used for tabs on the side of a tab control.

#include <algorithm>
#include <utility>

#include "skin/draw/Primitives.h"

namespace zuno::skin {

void GrayBitmap(SkinBitmap& bitmap) {
    for (int y = 0; y < bitmap.Height(); ++y) {
        Pixel32* row = bitmap.Row(y);
        for (int x = 0; x < bitmap.Width(); ++x) {
            const Pixel32 p = row[x];
            const auto grey =
                static_cast<std::uint8_t>((PixelBlue(p) + PixelGreen(p) + PixelRed(p)) / 3);
            row[x] = MakePixel(grey, grey, grey);
        }
    }
}

void MirrorBitmap(SkinBitmap& bitmap) {
    for (int y = 0; y < bitmap.Height(); ++y) {
        Pixel32* row = bitmap.Row(y);
        std::reverse(row, row + bitmap.Width());
        for (int x = 0; x < bitmap.Width(); ++x) row[x] = PixelRgb(row[x]);
    }
}

void FlipBitmap(SkinBitmap& bitmap) {
    const int w = bitmap.Width();
    for (int top = 0, bottom = bitmap.Height() - 1; top <= bottom; ++top, --bottom) {
        Pixel32* a = bitmap.Row(top);
        Pixel32* b = bitmap.Row(bottom);
        for (int x = 0; x < w; ++x) {
            const Pixel32 t = PixelRgb(a[x]);
            a[x] = PixelRgb(b[x]);
            b[x] = t;
        }
    }
}

void RotateBitmapLeft(SkinBitmap& bitmap) {
    const int w = bitmap.Width(), h = bitmap.Height();
    SkinBitmap turned(h, w);
    for (int y = 0; y < w; ++y) {
        Pixel32* out = turned.Row(y);
        for (int x = 0; x < h; ++x) out[x] = PixelRgb(bitmap.Row(x)[w - 1 - y]);
    }
    bitmap = std::move(turned);
}

void RotateBitmapRight(SkinBitmap& bitmap) {
    const int w = bitmap.Width(), h = bitmap.Height();
    SkinBitmap turned(h, w);
    for (int y = 0; y < w; ++y) {
        Pixel32* out = turned.Row(y);
        for (int x = 0; x < h; ++x) out[x] = PixelRgb(bitmap.Row(h - 1 - x)[y]);
    }
    bitmap = std::move(turned);
}

}  // namespace zuno::skin
