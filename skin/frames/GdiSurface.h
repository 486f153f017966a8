// The Windows side of the skin drawing: an off-screen 32-bit DIB that GDI and the
// portable primitives both draw into, blitting a skin bitmap to a device context,
// turning skin colours into COLORREFs and cutting a region from a bitmap.
#pragma once

#include <windows.h>

#include "skin/draw/Bitmap.h"
#include "skin/draw/Color.h"

namespace zuno::skin::frames {

// A top-down 32-bit DIB section selected into its own memory DC. Pixels() views the
// same memory as a SkinBitmap; call GdiFlush() between GDI drawing and pixel work.
class DibSurface {
public:
    DibSurface() = default;
    ~DibSurface();
    DibSurface(const DibSurface&) = delete;
    DibSurface& operator=(const DibSurface&) = delete;

    // Re-creates the DIB when the size changes (contents are then undefined). A size
    // with a zero side leaves the surface empty.
    void Resize(int width, int height);
    void Clear();
    bool Empty() const { return dc_ == nullptr; }
    HDC Dc() const { return dc_; }
    SkinBitmap& Pixels() { return pixels_; }
    int Width() const { return pixels_.Width(); }
    int Height() const { return pixels_.Height(); }

private:
    HDC dc_ = nullptr;        // owned memory DC
    HBITMAP dib_ = nullptr;   // owned DIB section, selected into dc_
    HGDIOBJ oldBitmap_ = nullptr;
    SkinBitmap pixels_;       // adopts the DIB's bits; released with the DIB
};

// Copies the whole bitmap to (x, y) of the DC.
void BlitBitmap(HDC dc, int x, int y, const SkinBitmap& bitmap);

// A skin colour for GDI: system colours (0x80000000 + n) resolved to their RGB.
COLORREF ResolveColour(TColor colour);

// The region of every pixel that is not the key colour, offset by (dx, dy); built
// from run rectangles kRegionBatchSize at a time. Null when the bitmap is empty or
// all key. The caller owns the region.
HRGN RegionFromBitmap(const SkinBitmap& bitmap, int dx, int dy, Pixel32 key = kKeyPixel);

// Owns a GDI object until destroyed, unless released.
template <typename H>
class GdiObject {
public:
    explicit GdiObject(H h = nullptr) : h_(h) {}
    ~GdiObject() {
        if (h_) DeleteObject(h_);
    }
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;
    H Get() const { return h_; }
    H Release() {
        H h = h_;
        h_ = nullptr;
        return h;
    }
    void Reset(H h = nullptr) {
        if (h_) DeleteObject(h_);
        h_ = h;
    }

private:
    H h_;
};

}  // namespace zuno::skin::frames
