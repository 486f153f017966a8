// Floating-point canvas of the skin painter: colour helpers, gradients, coverage
// compositing and the flattening into key-coloured 24-bit bitmaps.
#include "authoring/skinart/ArtImage.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace zuno::skinart {

using skin::Pixel32;
using skin::SkinBitmap;

Rgb Hex(unsigned rrggbb) {
    return {static_cast<double>((rrggbb >> 16) & 0xFF), static_cast<double>((rrggbb >> 8) & 0xFF),
            static_cast<double>(rrggbb & 0xFF)};
}

Rgb Mix(Rgb a, Rgb b, double t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Rgb Lighten(Rgb c, double t) { return Mix(c, {255, 255, 255}, t); }
Rgb Darken(Rgb c, double t) { return Mix(c, {0, 0, 0}, t); }

double Luma(Rgb c) { return 0.299 * c.r + 0.587 * c.g + 0.114 * c.b; }

Rgb Desaturate(Rgb c, double t) {
    const double y = Luma(c);
    return Mix(c, {y, y, y}, t);
}

static std::uint8_t Channel(double v) {
    return static_cast<std::uint8_t>(std::clamp(std::lround(v), 0L, 255L));
}

Pixel32 ToPixel(Rgb c) { return skin::MakePixel(Channel(c.r), Channel(c.g), Channel(c.b)); }

Rgb FromPixel(Pixel32 p) {
    return {static_cast<double>(skin::PixelRed(p)), static_cast<double>(skin::PixelGreen(p)),
            static_cast<double>(skin::PixelBlue(p))};
}

Paint Solid(Rgb colour) {
    return [colour](double, double) { return colour; };
}

Rgb StopsAt(const std::vector<Stop>& stops, double t) {
    if (stops.empty()) return {};
    if (t <= stops.front().at) return stops.front().colour;
    for (size_t i = 1; i < stops.size(); ++i) {
        if (t <= stops[i].at) {
            const double span = stops[i].at - stops[i - 1].at;
            const double u = span <= 0 ? 1.0 : (t - stops[i - 1].at) / span;
            return Mix(stops[i - 1].colour, stops[i].colour, u);
        }
    }
    return stops.back().colour;
}

Paint VerticalGradient(double y0, double y1, std::vector<Stop> stops) {
    return [=](double, double y) { return StopsAt(stops, (y - y0) / (y1 - y0)); };
}

Paint HorizontalGradient(double x0, double x1, std::vector<Stop> stops) {
    return [=](double x, double) { return StopsAt(stops, (x - x0) / (x1 - x0)); };
}

Backdrop Behind(Rgb colour) {
    return [colour](int, int) { return colour; };
}

ArtImage::ArtImage(int width, int height)
    : width_(width), height_(height), pixels_(static_cast<size_t>(width) * height) {
    if (width <= 0 || height <= 0) throw std::invalid_argument("ArtImage: empty size");
}

void ArtImage::Blend(int x, int y, Rgb colour, double alpha) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_ || alpha <= 0) return;
    alpha = std::min(alpha, 1.0);
    Rgba& p = At(x, y);
    p.r = colour.r * alpha + p.r * (1 - alpha);
    p.g = colour.g * alpha + p.g * (1 - alpha);
    p.b = colour.b * alpha + p.b * (1 - alpha);
    p.a = alpha + p.a * (1 - alpha);
}

static double Coverage(double distance) { return std::clamp(0.5 - distance, 0.0, 1.0); }

void ArtImage::Fill(const Shape& shape, const Paint& paint, double opacity) {
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            const double cx = x + 0.5, cy = y + 0.5;
            const double c = Coverage(shape(cx, cy));
            if (c > 0) Blend(x, y, paint(cx, cy), c * opacity);
        }
    }
}

// An edge pixel covered partly by a fill and then by the stroke of the same shape
// must not gain coverage twice, or the outline grows a halo of solid pixels where
// the key colour belongs. So over painted pixels the stroke recolours (keeping the
// coverage the fill gave), and only over empty pixels does it add coverage.
void ArtImage::Stroke(const Shape& shape, double width, const Paint& paint, double opacity) {
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            const double cx = x + 0.5, cy = y + 0.5;
            const double d = shape(cx, cy);
            const double inside = Coverage(d);
            const double c = inside - Coverage(d + width);
            if (c <= 0) continue;
            Rgba& p = At(x, y);
            if (p.a <= 0) {
                Blend(x, y, paint(cx, cy), c * opacity);
                continue;
            }
            const double t = std::min(1.0, c / inside) * opacity;
            const Rgb colour = paint(cx, cy);
            p.r += (colour.r * p.a - p.r) * t;
            p.g += (colour.g * p.a - p.g) * t;
            p.b += (colour.b * p.a - p.b) * t;
        }
    }
}

void ArtImage::FillRect(int x0, int y0, int x1, int y1, Rgb colour, double opacity) {
    for (int y = std::max(y0, 0); y < std::min(y1, height_); ++y)
        for (int x = std::max(x0, 0); x < std::min(x1, width_); ++x) Blend(x, y, colour, opacity);
}

void ArtImage::Draw(const ArtImage& source, int x, int y) {
    for (int sy = 0; sy < source.height_; ++sy) {
        for (int sx = 0; sx < source.width_; ++sx) {
            const Rgba& s = source.At(sx, sy);
            const int tx = x + sx, ty = y + sy;
            if (s.a <= 0 || tx < 0 || ty < 0 || tx >= width_ || ty >= height_) continue;
            Rgba& d = At(tx, ty);
            d.r = s.r + d.r * (1 - s.a);
            d.g = s.g + d.g * (1 - s.a);
            d.b = s.b + d.b * (1 - s.a);
            d.a = s.a + d.a * (1 - s.a);
        }
    }
}

double ArtImage::Alpha(int x, int y) const { return At(x, y).a; }

Rgb ArtImage::ColourAt(int x, int y) const {
    const Rgba& p = At(x, y);
    if (p.a <= 0) return {};
    return {p.r / p.a, p.g / p.a, p.b / p.a};
}

// A pixel of the art must never read as the key, or it would turn into a hole.
static Pixel32 AvoidKey(Pixel32 p) { return p == skin::kKeyPixel ? skin::MakePixel(255, 1, 255) : p; }

SkinBitmap ArtImage::Flatten(const Backdrop& backdrop, double threshold) const {
    SkinBitmap out(width_, height_);
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            const Rgba& p = At(x, y);
            if (p.a < threshold) {
                out.SetPixel(x, y, skin::kKeyPixel);
                continue;
            }
            const Rgb back = backdrop(x, y);
            const Rgb c{p.r + back.r * (1 - p.a), p.g + back.g * (1 - p.a), p.b + back.b * (1 - p.a)};
            out.SetPixel(x, y, AvoidKey(ToPixel(c)));
        }
    }
    return out;
}

SkinBitmap ArtImage::FlattenOpaque(const Backdrop& backdrop) const {
    return Flatten(backdrop, -1.0);
}

SkinBitmap JoinSideBySide(const std::vector<const SkinBitmap*>& frames) {
    int width = 0;
    const int height = frames.empty() ? 0 : frames.front()->Height();
    for (const SkinBitmap* f : frames) {
        if (f->Height() != height) throw std::invalid_argument("JoinSideBySide: frame heights differ");
        width += f->Width();
    }
    SkinBitmap out(width, height);
    int x0 = 0;
    for (const SkinBitmap* f : frames) {
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < f->Width(); ++x) out.SetPixel(x0 + x, y, f->Pixel(x, y));
        x0 += f->Width();
    }
    return out;
}

SkinBitmap JoinSideBySide(const std::vector<SkinBitmap>& frames) {
    std::vector<const SkinBitmap*> pointers;
    for (const SkinBitmap& f : frames) pointers.push_back(&f);
    return JoinSideBySide(pointers);
}

SkinBitmap JoinStacked(const std::vector<const SkinBitmap*>& frames) {
    int height = 0;
    const int width = frames.empty() ? 0 : frames.front()->Width();
    for (const SkinBitmap* f : frames) {
        if (f->Width() != width) throw std::invalid_argument("JoinStacked: frame widths differ");
        height += f->Height();
    }
    SkinBitmap out(width, height);
    int y0 = 0;
    for (const SkinBitmap* f : frames) {
        for (int y = 0; y < f->Height(); ++y)
            for (int x = 0; x < width; ++x) out.SetPixel(x, y0 + y, f->Pixel(x, y));
        y0 += f->Height();
    }
    return out;
}

SkinBitmap Crop(const SkinBitmap& source, int x0, int y0, int x1, int y1) {
    SkinBitmap out(x1 - x0, y1 - y0);
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) out.SetPixel(x - x0, y - y0, source.Pixel(x, y));
    return out;
}

}  // namespace zuno::skinart
