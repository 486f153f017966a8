// Run rectangles of a window outline: the non-key pixels of a skin bitmap, row by
// row, as the Windows shell feeds them to region calls.

#include "skin/draw/Region.h"

#include <algorithm>

namespace zuno::skin {
namespace {

bool ChannelNearKey(std::uint8_t value, std::uint8_t key) {
    const int high = std::min(int{key} + 1, 255);
    return value >= key && value <= high;
}

}  // namespace

bool IsKeyLike(Pixel32 pixel, Pixel32 key) {
    return ChannelNearKey(PixelRed(pixel), PixelRed(key)) &&
           ChannelNearKey(PixelGreen(pixel), PixelGreen(key)) &&
           ChannelNearKey(PixelBlue(pixel), PixelBlue(key));
}

std::vector<Rect> RegionRunsFromBitmap(const SkinBitmap& bitmap, int dx, int dy, Pixel32 key) {
    std::vector<Rect> runs;
    const int w = bitmap.Width();
    for (int y = 0; y < bitmap.Height(); ++y) {
        const Pixel32* row = bitmap.Row(y);
        int x = 0;
        while (x < w) {
            while (x < w && IsKeyLike(row[x], key)) ++x;
            const int start = x;
            while (x < w && !IsKeyLike(row[x], key)) ++x;
            if (x > start) runs.push_back({start + dx, y + dy, x + dx, y + dy + 1});
        }
    }
    return runs;
}

}  // namespace zuno::skin
