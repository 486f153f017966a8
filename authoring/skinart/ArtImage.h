// The skin painter's canvas: a floating-point RGBA image on which shapes are laid
// with anti-aliased coverage, then flattened into a 24-bit skin bitmap in which
// whatever stayed (nearly) transparent becomes the magenta key colour.
#pragma once

#include <functional>
#include <vector>

#include "skin/draw/Bitmap.h"

namespace zuno::skinart {

// A colour with channels 0..255 as reals, so gradients and blends keep precision
// until the final rounding.
struct Rgb {
    double r = 0;
    double g = 0;
    double b = 0;
};

Rgb Hex(unsigned rrggbb);
Rgb Mix(Rgb a, Rgb b, double t);  // t = 0 gives a, 1 gives b
Rgb Lighten(Rgb c, double t);     // towards white
Rgb Darken(Rgb c, double t);      // towards black
Rgb Desaturate(Rgb c, double t);  // towards its own grey
double Luma(Rgb c);               // perceived brightness 0..255
skin::Pixel32 ToPixel(Rgb c);
Rgb FromPixel(skin::Pixel32 p);

// A colour as a function of the pixel centre: solid fills, gradients, textures.
using Paint = std::function<Rgb(double x, double y)>;

struct Stop {
    double at;  // 0..1 along the gradient
    Rgb colour;
};
Paint Solid(Rgb colour);
// Colour stops between y0 (at 0) and y1 (at 1); clamped outside.
Paint VerticalGradient(double y0, double y1, std::vector<Stop> stops);
Paint HorizontalGradient(double x0, double x1, std::vector<Stop> stops);
Rgb StopsAt(const std::vector<Stop>& stops, double t);

// Signed distance from a point to a shape's edge: negative inside, in pixels.
using Shape = std::function<double(double x, double y)>;

// Where the flattened image has no pixel of its own: the colour the art is blended
// against for partly covered pixels (what will lie behind it on screen).
using Backdrop = std::function<Rgb(int x, int y)>;
Backdrop Behind(Rgb colour);

class ArtImage {
public:
    ArtImage(int width, int height);

    int Width() const { return width_; }
    int Height() const { return height_; }

    // Lays `paint` over every pixel the shape covers; coverage comes from the distance
    // at the pixel centre, so edges are anti-aliased over one pixel.
    void Fill(const Shape& shape, const Paint& paint, double opacity = 1.0);
    // A band `width` pixels wide just inside the shape's edge; over painted pixels it
    // recolours without adding coverage.
    void Stroke(const Shape& shape, double width, const Paint& paint, double opacity = 1.0);
    // Hard-edged rectangle [x0, x1) x [y0, y1), clipped.
    void FillRect(int x0, int y0, int x1, int y1, Rgb colour, double opacity = 1.0);
    void Blend(int x, int y, Rgb colour, double alpha);
    // Copies `source` onto this image at (x, y), compositing over what is there.
    void Draw(const ArtImage& source, int x, int y);

    double Alpha(int x, int y) const;
    Rgb ColourAt(int x, int y) const;  // un-premultiplied; black where transparent

    // Pixels with coverage below `threshold` become the key colour; the others are
    // composited over the backdrop. Magenta itself never survives in the art: a pixel
    // that would round to it is nudged one step in green.
    skin::SkinBitmap Flatten(const Backdrop& backdrop, double threshold = 0.5) const;
    // Everything composited over the backdrop: no key pixels at all.
    skin::SkinBitmap FlattenOpaque(const Backdrop& backdrop) const;

private:
    struct Rgba {
        double r = 0, g = 0, b = 0, a = 0;  // premultiplied
    };
    Rgba& At(int x, int y) { return pixels_[static_cast<size_t>(y) * width_ + x]; }
    const Rgba& At(int x, int y) const { return pixels_[static_cast<size_t>(y) * width_ + x]; }

    int width_;
    int height_;
    std::vector<Rgba> pixels_;
};

// Frames side by side (all of the first one's height) or one above the other.
skin::SkinBitmap JoinSideBySide(const std::vector<const skin::SkinBitmap*>& frames);
skin::SkinBitmap JoinStacked(const std::vector<const skin::SkinBitmap*>& frames);
skin::SkinBitmap JoinSideBySide(const std::vector<skin::SkinBitmap>& frames);

template <class... Frames>
skin::SkinBitmap SideBySide(const Frames&... frames) {
    return JoinSideBySide(std::vector<const skin::SkinBitmap*>{&frames...});
}
template <class... Frames>
skin::SkinBitmap Stacked(const Frames&... frames) {
    return JoinStacked(std::vector<const skin::SkinBitmap*>{&frames...});
}
// A copy of the rectangle [x0, x1) x [y0, y1) of a bitmap.
skin::SkinBitmap Crop(const skin::SkinBitmap& source, int x0, int y0, int x1, int y1);

}  // namespace zuno::skinart
