// Writing a SkinBitmap as a Windows BMP file: 24 bits per pixel, bottom-up rows,
// BI_RGB, BITMAPINFOHEADER. This is the form skin art is stored in.
#pragma once

#include <cstdint>
#include <vector>

#include "skin/draw/Bitmap.h"

namespace zuno::skin {

// The complete file: 14-byte file header, 40-byte info header, rows padded to four
// bytes, 2835 pixels per metre (72 dpi). An empty bitmap throws BitmapError: a BMP
// must be at least 1 x 1.
std::vector<std::uint8_t> EncodeBmp24(const SkinBitmap& bitmap);

}  // namespace zuno::skin
