// Decoding of Windows BMP files (the skin packages' ".bmp" members) into SkinBitmap.
// Untrusted input: every size and offset is checked against the bytes present and
// against fixed limits before any pixel memory is allocated.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <stdexcept>

#include "skin/draw/Bitmap.h"

namespace zuno::skin {

// Limits on a decoded BMP; skin images are far smaller.
inline constexpr int kMaxBmpSide = 16384;
inline constexpr std::size_t kMaxBmpPixelBytes = std::size_t{256} << 20;  // as 32-bit pixels

// A BMP that is malformed, truncated, too large or of an unsupported kind. The
// message is English and names the problem, e.g. "BMP: pixel data truncated".
class BmpError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// What a BMP declares, read and checked without decoding pixels.
struct BmpInfo {
    int width = 0;
    int height = 0;          // always positive
    bool topDown = false;    // a negative height in the file
    int bitsPerPixel = 0;    // 1, 4, 8, 16, 24 or 32
    std::uint32_t compression = 0;  // 0 BI_RGB, 3 BI_BITFIELDS
    int paletteEntries = 0;  // entries present in the file (bit depths 1 to 8)
};

// Reads and checks the headers. Throws BmpError.
BmpInfo ReadBmpInfo(std::span<const std::uint8_t> file);

// Decodes a whole BMP file: 1, 4 and 8 bits with a palette, 16 and 32 bits as
// BI_RGB or BI_BITFIELDS, 24 bits; bottom-up or top-down; BITMAPCOREHEADER (OS/2),
// BITMAPINFOHEADER and the V2 to V5 headers. The result is opaque: an alpha channel,
// where the file has one, is ignored, as GDI ignores it when it blits. RLE-compressed,
// JPEG and PNG payloads are refused. Throws BmpError; never reads outside `file`.
SkinBitmap DecodeBmp(std::span<const std::uint8_t> file);

}  // namespace zuno::skin
