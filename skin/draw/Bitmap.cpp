// SkinBitmap storage: owned or adopted pixel buffers, moves, copies and fills.

#include "skin/draw/Bitmap.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <utility>

namespace zuno::skin {
namespace {

void CheckSize(int width, int height) {
    if (width < 0 || height < 0 || width > kMaxBitmapSide || height > kMaxBitmapSide) {
        throw BitmapError("bitmap size " + std::to_string(width) + " x " + std::to_string(height) +
                          " is out of range");
    }
    const auto bytes = std::uint64_t(width) * std::uint64_t(height) * sizeof(Pixel32);
    if (bytes > kMaxBitmapBytes) {
        throw BitmapError("bitmap of " + std::to_string(width) + " x " + std::to_string(height) +
                          " pixels is too large");
    }
}

}  // namespace

SkinBitmap::SkinBitmap(int width, int height, Pixel32 fill) {
    CheckSize(width, height);
    const std::size_t count = std::size_t(width) * std::size_t(height);
    if (count == 0) return;  // an empty bitmap holds no storage
    owned_ = std::make_unique_for_overwrite<Pixel32[]>(count);
    std::fill_n(owned_.get(), count, fill);
    pixels_ = owned_.get();
    width_ = width;
    height_ = height;
    stride_ = width;
}

SkinBitmap SkinBitmap::Adopt(Pixel32* pixels, int width, int height, std::ptrdiff_t stridePixels,
                             Release release) {
    try {
        CheckSize(width, height);
        if (stridePixels < width) throw BitmapError("bitmap stride is shorter than a row");
        if (pixels == nullptr && width > 0 && height > 0) {
            throw BitmapError("bitmap storage is missing");
        }
    } catch (...) {
        if (release) release();
        throw;
    }
    SkinBitmap bitmap;
    bitmap.release_ = std::move(release);
    if (width == 0 || height == 0) return bitmap;  // keeps the release for later
    bitmap.pixels_ = pixels;
    bitmap.width_ = width;
    bitmap.height_ = height;
    bitmap.stride_ = stridePixels;
    return bitmap;
}

SkinBitmap::SkinBitmap(SkinBitmap&& other) noexcept
    : pixels_(std::exchange(other.pixels_, nullptr)),
      width_(std::exchange(other.width_, 0)),
      height_(std::exchange(other.height_, 0)),
      stride_(std::exchange(other.stride_, 0)),
      owned_(std::move(other.owned_)),
      release_(std::exchange(other.release_, nullptr)) {}

SkinBitmap& SkinBitmap::operator=(SkinBitmap&& other) noexcept {
    if (this != &other) {
        Reset();
        pixels_ = std::exchange(other.pixels_, nullptr);
        width_ = std::exchange(other.width_, 0);
        height_ = std::exchange(other.height_, 0);
        stride_ = std::exchange(other.stride_, 0);
        owned_ = std::move(other.owned_);
        release_ = std::exchange(other.release_, nullptr);
    }
    return *this;
}

SkinBitmap::~SkinBitmap() { Reset(); }

void SkinBitmap::Reset() noexcept {
    pixels_ = nullptr;
    width_ = height_ = 0;
    stride_ = 0;
    owned_.reset();
    if (release_) {
        // Cleared first so that a release function that throws or re-enters cannot
        // run twice.
        Release release = std::exchange(release_, nullptr);
        release();
    }
}

SkinBitmap SkinBitmap::Clone() const {
    SkinBitmap copy(width_, height_);
    for (int y = 0; y < height_; ++y) std::copy_n(Row(y), width_, copy.Row(y));
    return copy;
}

void SkinBitmap::Fill(Pixel32 value) { Fill(Bounds(), value); }

void SkinBitmap::Fill(Rect area, Pixel32 value) {
    const int left = std::max(area.left, 0);
    const int right = std::min(area.right, width_);
    const int top = std::max(area.top, 0);
    const int bottom = std::min(area.bottom, height_);
    if (left >= right) return;
    for (int y = top; y < bottom; ++y) std::fill(Row(y) + left, Row(y) + right, value);
}

}  // namespace zuno::skin
