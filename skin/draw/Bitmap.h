// The skin engine's bitmap: 32-bit pixels in top-down rows, laid out like a Windows
// 32-bit top-down DIB section so that the Windows shell can back one with a DIB,
// let GDI draw text into it and blit it in one call. The core never needs Windows.
#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <stdexcept>

#include "skin/draw/Color.h"

namespace zuno::skin {

// Left, top, right, bottom in pixels; right and bottom are exclusive.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    constexpr int Width() const { return right - left; }
    constexpr int Height() const { return bottom - top; }
    // The drawing primitives skip a rectangle only when it is inverted; a zero-width
    // one passes this test but covers no pixel.
    constexpr bool IsEmptyForDrawing() const { return right < left || bottom < top; }
    constexpr bool HasArea() const { return right > left && bottom > top; }
    friend constexpr bool operator==(const Rect&, const Rect&) = default;
};

// Limits for one bitmap; anything larger is refused before memory is touched.
inline constexpr int kMaxBitmapSide = 32767;                      // GDI's coordinate range
inline constexpr std::size_t kMaxBitmapBytes = std::size_t{256} << 20;  // 256 MiB of pixels

// Invalid sizes or storage handed to SkinBitmap.
class BitmapError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Width x height pixels, row 0 at the top, each row Stride() pixels apart (Stride() >=
// Width()). Storage is either owned (allocated here, zero = black) or adopted: a
// caller-provided buffer, such as a DIB section's bits, with a release function that
// runs exactly once when the bitmap lets go of it. Move-only; Clone() copies.
class SkinBitmap {
public:
    using Release = std::function<void()>;

    SkinBitmap() noexcept = default;  // empty, 0 x 0
    // Owned storage filled with `fill` (black by default). Throws BitmapError for a
    // negative size or one beyond kMaxBitmapSide / kMaxBitmapBytes. A size with a
    // zero side gives the empty bitmap, 0 x 0.
    SkinBitmap(int width, int height, Pixel32 fill = 0);

    // Adopts width x height pixels at `pixels`, rows `stridePixels` apart (top-down).
    // `release` (may be empty) runs when the bitmap is destroyed, reset or assigned.
    // Throws BitmapError (after running `release`) when the arguments are invalid.
    static SkinBitmap Adopt(Pixel32* pixels, int width, int height, std::ptrdiff_t stridePixels,
                            Release release);

    SkinBitmap(SkinBitmap&& other) noexcept;
    SkinBitmap& operator=(SkinBitmap&& other) noexcept;
    SkinBitmap(const SkinBitmap&) = delete;
    SkinBitmap& operator=(const SkinBitmap&) = delete;
    ~SkinBitmap();

    // A deep copy in owned storage (rows packed: Stride() == Width()).
    SkinBitmap Clone() const;
    // Back to the empty bitmap, releasing the storage.
    void Reset() noexcept;

    int Width() const { return width_; }
    int Height() const { return height_; }
    std::ptrdiff_t Stride() const { return stride_; }  // in pixels, not bytes
    bool Empty() const { return width_ == 0 || height_ == 0; }
    Rect Bounds() const { return {0, 0, width_, height_}; }
    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

    // Row y, 0 <= y < Height(); no check: the fast path of every primitive.
    Pixel32* Row(int y) { return pixels_ + y * stride_; }
    const Pixel32* Row(int y) const { return pixels_ + y * stride_; }

    // Checked single-pixel access: outside the bitmap Pixel() gives 0 and
    // SetPixel() does nothing, as GDI does for pixels off the surface.
    Pixel32 Pixel(int x, int y) const { return Contains(x, y) ? Row(y)[x] : 0; }
    void SetPixel(int x, int y, Pixel32 value) {
        if (Contains(x, y)) Row(y)[x] = value;
    }

    void Fill(Pixel32 value);
    void Fill(Rect area, Pixel32 value);  // clipped to the bitmap

private:
    Pixel32* pixels_ = nullptr;
    int width_ = 0;
    int height_ = 0;
    std::ptrdiff_t stride_ = 0;
    std::unique_ptr<Pixel32[]> owned_;  // set for owned storage; pixels_ points into it
    Release release_;                   // set for adopted storage with a release function
};

}  // namespace zuno::skin
