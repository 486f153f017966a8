// The outline of a window cut from a skin bitmap: every horizontal run of pixels
// that are not the key colour becomes one rectangle. The Windows shell turns the
// rectangles into a region, kRegionBatchSize at a time.
#pragma once

#include <vector>

#include "skin/draw/Bitmap.h"

namespace zuno::skin {

// Rectangles handed to one region call at most.
inline constexpr int kRegionBatchSize = 2000;

// A pixel counts as the key when each of its red, green and blue values lies between
// the key's value and the key's value + 1 (capped at 255): for magenta, red 255,
// green 0 or 1, blue 255. The tolerance absorbs rounding by image tools.
bool IsKeyLike(Pixel32 pixel, Pixel32 key);

// Rows from top to bottom, each from left to right; a run of non-key pixels from x0
// to x1 (exclusive) in row y gives (x0 + dx, y + dy, x1 + dx, y + dy + 1). Runs are
// never merged across rows. An empty bitmap gives no rectangle.
std::vector<Rect> RegionRunsFromBitmap(const SkinBitmap& bitmap, int dx, int dy,
                                       Pixel32 key = kKeyPixel);

}  // namespace zuno::skin
