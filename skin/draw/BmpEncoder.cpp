// Writing 24-bit bottom-up BMP files: the skin-art generator's output format.

#include "skin/draw/BmpEncoder.h"

namespace zuno::skin {
namespace {

void Put16(std::vector<std::uint8_t>& out, std::uint32_t v) {
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}
void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

}  // namespace

std::vector<std::uint8_t> EncodeBmp24(const SkinBitmap& bitmap) {
    if (bitmap.Empty()) throw BitmapError("cannot write an empty bitmap as BMP");
    const std::size_t rowBytes = std::size_t(bitmap.Width()) * 3;
    const std::size_t stride = (rowBytes + 3) & ~std::size_t{3};
    const std::size_t imageSize = stride * std::size_t(bitmap.Height());
    constexpr std::uint32_t kHeaders = 14 + 40;
    std::vector<std::uint8_t> out;
    out.reserve(kHeaders + imageSize);
    out.push_back('B');
    out.push_back('M');
    Put32(out, static_cast<std::uint32_t>(kHeaders + imageSize));
    Put32(out, 0);         // reserved
    Put32(out, kHeaders);  // pixel data offset
    Put32(out, 40);        // BITMAPINFOHEADER
    Put32(out, static_cast<std::uint32_t>(bitmap.Width()));
    Put32(out, static_cast<std::uint32_t>(bitmap.Height()));  // positive: bottom-up
    Put16(out, 1);   // planes
    Put16(out, 24);  // bits per pixel
    Put32(out, 0);   // BI_RGB
    Put32(out, static_cast<std::uint32_t>(imageSize));
    Put32(out, 2835);  // 72 dpi
    Put32(out, 2835);
    Put32(out, 0);  // colours used
    Put32(out, 0);  // important colours
    for (int y = bitmap.Height() - 1; y >= 0; --y) {
        const Pixel32* row = bitmap.Row(y);
        for (int x = 0; x < bitmap.Width(); ++x) {
            out.push_back(PixelBlue(row[x]));
            out.push_back(PixelGreen(row[x]));
            out.push_back(PixelRed(row[x]));
        }
        out.insert(out.end(), stride - rowBytes, 0);
    }
    return out;
}

}  // namespace zuno::skin
