// Pixel copying between skin bitmaps: the GDI blits the skin engine relies on
// (BitBlt SRCCOPY, StretchBlt COLORONCOLOR, a colour-keyed MaskBlt) and tiling.
// Every copy is clipped to the target and to the source bitmap.

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

#include "skin/draw/Primitives.h"

namespace zuno::skin {
namespace {

// Offsets i in [0, length) at which origin + i lies inside [0, limit).
struct Span {
    int begin = 0;
    int end = 0;
};

Span VisibleOffsets(int origin, int length, int limit) {
    const std::int64_t begin = std::max<std::int64_t>(0, -std::int64_t{origin});
    const std::int64_t end = std::min<std::int64_t>(length, std::int64_t{limit} - origin);
    if (end <= begin) return {};
    return {static_cast<int>(begin), static_cast<int>(end)};
}

std::int64_t ShrinkColumnIndex(std::int64_t i, std::int64_t source, std::int64_t dest) {
    // GDI's DIB engine shrinks a one-pixel-wide target as if the source were a
    // column shorter, so it shows the last column but one.
    const std::int64_t s = dest == 1 ? source - 1 : source;
    return (i * s + s - 1 - (dest - 1) / 2) / dest;
}

// Source index per visible destination offset; -1 where the source pixel lies
// outside the source bitmap (the destination pixel is then left alone).
std::vector<int> StretchMap(Span visible, int from, int sourceLength, int destLength,
                            int sourceLimit, StretchAxis axis) {
    std::vector<int> map(static_cast<std::size_t>(visible.end - visible.begin));
    for (int i = visible.begin; i < visible.end; ++i) {
        const std::int64_t s =
            std::int64_t{from} + StretchSourceIndex(i, sourceLength, destLength, axis);
        map[static_cast<std::size_t>(i - visible.begin)] =
            (s >= 0 && s < sourceLimit) ? static_cast<int>(s) : -1;
    }
    return map;
}

}  // namespace

int StretchSourceIndex(int i, int sourceLength, int destLength, StretchAxis axis) {
    const std::int64_t s = sourceLength;
    const std::int64_t d = destLength;
    if (d >= s) return static_cast<int>((i * s + (s - 1) / 2) / d);
    if (axis == StretchAxis::Columns) return static_cast<int>(ShrinkColumnIndex(i, s, d));
    // Rows keep the first source row of each dropped group: the row after the one
    // the column rule picks for the previous destination row.
    return i == 0 ? 0 : static_cast<int>(ShrinkColumnIndex(i - 1, s, d) + 1);
}

void StretchRect(SkinBitmap& target, Rect to, const SkinBitmap& source, Rect from) {
    if (!to.HasArea() || !from.HasArea()) return;
    const Span xs = VisibleOffsets(to.left, to.Width(), target.Width());
    const Span ys = VisibleOffsets(to.top, to.Height(), target.Height());
    if (xs.begin >= xs.end || ys.begin >= ys.end) return;
    if (to.Width() == from.Width() && to.Height() == from.Height()) {
        CopyRect(target, to.left, to.top, source, from);
        return;
    }
    const std::vector<int> columns =
        StretchMap(xs, from.left, from.Width(), to.Width(), source.Width(), StretchAxis::Columns);
    for (int i = ys.begin; i < ys.end; ++i) {
        const std::int64_t sy =
            std::int64_t{from.top} +
            StretchSourceIndex(i, from.Height(), to.Height(), StretchAxis::Rows);
        if (sy < 0 || sy >= source.Height()) continue;
        const Pixel32* in = source.Row(static_cast<int>(sy));
        Pixel32* out = target.Row(to.top + i) + to.left + xs.begin;
        for (std::size_t x = 0; x < columns.size(); ++x) {
            if (columns[x] >= 0) out[x] = in[columns[x]];
        }
    }
}

void CopyRect(SkinBitmap& target, int x, int y, const SkinBitmap& source, Rect from) {
    if (!from.HasArea()) return;
    // Offsets inside `from` that are both inside the source and land on the target.
    const Span sx = VisibleOffsets(from.left, from.Width(), source.Width());
    const Span sy = VisibleOffsets(from.top, from.Height(), source.Height());
    const Span tx = VisibleOffsets(x, from.Width(), target.Width());
    const Span ty = VisibleOffsets(y, from.Height(), target.Height());
    const int left = std::max(sx.begin, tx.begin), right = std::min(sx.end, tx.end);
    const int top = std::max(sy.begin, ty.begin), bottom = std::min(sy.end, ty.end);
    if (left >= right || top >= bottom) return;
    const std::size_t bytes = std::size_t(right - left) * sizeof(Pixel32);
    for (int j = top; j < bottom; ++j) {
        // memmove: source and target may be the same bitmap.
        std::memmove(target.Row(y + j) + x + left, source.Row(from.top + j) + from.left + left,
                     bytes);
    }
}

void TransparentBlit(SkinBitmap& target, Rect rect, const SkinBitmap& bitmap, Pixel32 key) {
    if (rect.IsEmptyForDrawing()) return;
    const int width = std::min(rect.Width(), bitmap.Width());
    const int height = std::min(rect.Height(), bitmap.Height());
    const Span xs = VisibleOffsets(rect.left, width, target.Width());
    const Span ys = VisibleOffsets(rect.top, height, target.Height());
    const Pixel32 keyRgb = PixelRgb(key);
    for (int j = ys.begin; j < ys.end; ++j) {
        const Pixel32* in = bitmap.Row(j);
        Pixel32* out = target.Row(rect.top + j) + rect.left;
        for (int i = xs.begin; i < xs.end; ++i) {
            if (PixelRgb(in[i]) != keyRgb) out[i] = in[i];
        }
    }
}

void TileRect(SkinBitmap& target, Rect rect, const SkinBitmap& bitmap, Rect from) {
    if (!from.HasArea() || rect.IsEmptyForDrawing()) return;
    const int tileW = from.Width(), tileH = from.Height();
    // Whole tiles cover [left, left + columns·tileW); the last may run past the right.
    const std::int64_t columns = (std::int64_t{rect.Width()} + tileW - 1) / tileW;
    const std::int64_t rows = (std::int64_t{rect.Height()} + tileH - 1) / tileH;
    const int coveredW = static_cast<int>(std::min<std::int64_t>(columns * tileW, INT32_MAX / 2));
    const int coveredH = static_cast<int>(std::min<std::int64_t>(rows * tileH, INT32_MAX / 2));
    const Span xs = VisibleOffsets(rect.left, coveredW, target.Width());
    const Span ys = VisibleOffsets(rect.top, coveredH, target.Height());
    // Columns of the tile that exist in the bitmap; others leave the target alone.
    const Span us = VisibleOffsets(from.left, tileW, bitmap.Width());
    if (xs.begin >= xs.end || us.begin >= us.end) return;
    for (int j = ys.begin; j < ys.end; ++j) {
        const int sy = from.top + j % tileH;
        if (sy < 0 || sy >= bitmap.Height()) continue;
        const Pixel32* in = bitmap.Row(sy) + from.left;
        Pixel32* out = target.Row(rect.top + j) + rect.left;
        for (int tile = xs.begin - xs.begin % tileW; tile < xs.end; tile += tileW) {
            const int a = std::max(tile + us.begin, xs.begin);
            const int b = std::min(tile + us.end, xs.end);
            if (a < b) std::memmove(out + a, in + (a - tile), std::size_t(b - a) * sizeof(Pixel32));
        }
    }
}

}  // namespace zuno::skin
