// Off-screen DIBs, blits of skin bitmaps, colours and bitmap regions.
#include "skin/frames/GdiSurface.h"

#include <vector>

#include "skin/draw/Region.h"

namespace zuno::skin::frames {

DibSurface::~DibSurface() { Clear(); }

void DibSurface::Clear() {
    pixels_.Reset();
    if (dc_) {
        SelectObject(dc_, oldBitmap_);
        DeleteDC(dc_);
        dc_ = nullptr;
    }
    if (dib_) {
        DeleteObject(dib_);
        dib_ = nullptr;
    }
}

void DibSurface::Resize(int width, int height) {
    if (dc_ && width == pixels_.Width() && height == pixels_.Height()) return;
    Clear();
    if (width <= 0 || height <= 0) return;
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = width;
    bi.bmiHeader.biHeight = -height;  // top-down, like SkinBitmap
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    dib_ = CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!dib_ || !bits) {
        Clear();
        return;
    }
    dc_ = CreateCompatibleDC(nullptr);
    oldBitmap_ = SelectObject(dc_, dib_);
    pixels_ = SkinBitmap::Adopt(static_cast<Pixel32*>(bits), width, height, width, nullptr);
}

void BlitBitmap(HDC dc, int x, int y, const SkinBitmap& bitmap) {
    if (bitmap.Empty()) return;
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = static_cast<LONG>(bitmap.Stride());
    bi.bmiHeader.biHeight = -bitmap.Height();
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    StretchDIBits(dc, x, y, bitmap.Width(), bitmap.Height(), 0, 0, bitmap.Width(), bitmap.Height(),
                  bitmap.Row(0), &bi, DIB_RGB_COLORS, SRCCOPY);
}

COLORREF ResolveColour(TColor colour) {
    const auto c = static_cast<std::uint32_t>(colour);
    if (c & 0x80000000u) return GetSysColor(static_cast<int>(c & 0xFF));
    return c & 0x00FFFFFFu;
}

namespace {

HRGN RegionFromRects(const Rect* rects, std::size_t count) {
    std::vector<std::uint8_t> buffer(sizeof(RGNDATAHEADER) + count * sizeof(RECT));
    auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
    data->rdh.dwSize = sizeof(RGNDATAHEADER);
    data->rdh.iType = RDH_RECTANGLES;
    data->rdh.nCount = static_cast<DWORD>(count);
    data->rdh.nRgnSize = static_cast<DWORD>(count * sizeof(RECT));
    RECT bounds{rects[0].left, rects[0].top, rects[0].right, rects[0].bottom};
    auto* out = reinterpret_cast<RECT*>(data->Buffer);
    for (std::size_t i = 0; i < count; ++i) {
        const Rect& r = rects[i];
        out[i] = {r.left, r.top, r.right, r.bottom};
        bounds.left = std::min<LONG>(bounds.left, r.left);
        bounds.top = std::min<LONG>(bounds.top, r.top);
        bounds.right = std::max<LONG>(bounds.right, r.right);
        bounds.bottom = std::max<LONG>(bounds.bottom, r.bottom);
    }
    data->rdh.rcBound = bounds;
    return ExtCreateRegion(nullptr, static_cast<DWORD>(buffer.size()), data);
}

}  // namespace

HRGN RegionFromBitmap(const SkinBitmap& bitmap, int dx, int dy, Pixel32 key) {
    const std::vector<Rect> runs = RegionRunsFromBitmap(bitmap, dx, dy, key);
    HRGN result = nullptr;
    for (std::size_t at = 0; at < runs.size(); at += kRegionBatchSize) {
        const std::size_t n = std::min<std::size_t>(kRegionBatchSize, runs.size() - at);
        HRGN part = RegionFromRects(runs.data() + at, n);
        if (!part) continue;
        if (!result) {
            result = part;
        } else {
            CombineRgn(result, result, part, RGN_OR);
            DeleteObject(part);
        }
    }
    return result;
}

}  // namespace zuno::skin::frames
