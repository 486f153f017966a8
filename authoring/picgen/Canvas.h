// A small RGB canvas for drawing the content pictures: shapes are filled with
// 4 × 4 supersampling, so edges come out smooth, and blended with an alpha.
#pragma once

#include <cmath>
#include <cstdint>
#include <vector>

namespace zuno::authoring {

struct Color {
    float r = 0, g = 0, b = 0;  // 0..1, sRGB
};

// From 0xRRGGBB.
constexpr Color Hex(uint32_t rgb) {
    return {static_cast<float>((rgb >> 16) & 0xFF) / 255.0f, static_cast<float>((rgb >> 8) & 0xFF) / 255.0f,
            static_cast<float>(rgb & 0xFF) / 255.0f};
}

inline Color Mix(Color a, Color b, float t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

struct Point {
    float x = 0, y = 0;
};

class Canvas {
public:
    Canvas(int width, int height, Color fill);

    int width() const { return width_; }
    int height() const { return height_; }
    Color at(int x, int y) const { return pixels_[static_cast<size_t>(y) * width_ + x]; }

    // Blends c over the pixel with weight a (0..1); outside pixels are ignored.
    void Blend(int x, int y, Color c, float a);

    // Colours every pixel by f(x, y) -> Color at the pixel's centre, blended with alpha(x, y).
    template <class ColorAt, class AlphaAt>
    void Shade(ColorAt colorAt, AlphaAt alphaAt) {
        for (int y = 0; y < height_; ++y) {
            for (int x = 0; x < width_; ++x) {
                const float px = x + 0.5f, py = y + 0.5f;
                const float a = alphaAt(px, py);
                if (a > 0) Blend(x, y, colorAt(px, py), a);
            }
        }
    }

    // Fills the points for which inside(x, y) holds, within the box [x0, x1] × [y0, y1].
    template <class Inside>
    void Fill(float x0, float y0, float x1, float y1, Inside inside, Color c, float alpha = 1.0f) {
        const int ix0 = Clamp(static_cast<int>(std::floor(x0)), width_), ix1 = Clamp(static_cast<int>(std::ceil(x1)), width_);
        const int iy0 = Clamp(static_cast<int>(std::floor(y0)), height_), iy1 = Clamp(static_cast<int>(std::ceil(y1)), height_);
        for (int y = iy0; y < iy1; ++y) {
            for (int x = ix0; x < ix1; ++x) {
                int hits = 0;
                for (int sy = 0; sy < 4; ++sy) {
                    for (int sx = 0; sx < 4; ++sx) hits += inside(x + (sx + 0.5f) / 4, y + (sy + 0.5f) / 4) ? 1 : 0;
                }
                if (hits > 0) Blend(x, y, c, alpha * static_cast<float>(hits) / 16.0f);
            }
        }
    }

    void FillRect(float x0, float y0, float x1, float y1, Color c, float alpha = 1.0f);
    void FillRoundRect(float x0, float y0, float x1, float y1, float radius, Color c, float alpha = 1.0f);
    // An ellipse turned by angle (radians, clockwise on screen).
    void FillEllipse(float cx, float cy, float rx, float ry, float angle, Color c, float alpha = 1.0f);
    void FillCircle(float cx, float cy, float r, Color c, float alpha = 1.0f) { FillEllipse(cx, cy, r, r, 0, c, alpha); }
    void FillPolygon(const std::vector<Point>& points, Color c, float alpha = 1.0f);
    // A straight stroke with round ends.
    void StrokeLine(Point a, Point b, float width, Color c, float alpha = 1.0f);
    // A soft round glow: full alpha at the centre, fading to nothing at radius.
    void Glow(float cx, float cy, float radius, Color c, float alpha);

    // 8-bit RGB rows, with a faint fixed dither so gradients do not band.
    std::vector<uint8_t> ToRgb8() const;

private:
    static int Clamp(int v, int limit) { return v < 0 ? 0 : v > limit ? limit : v; }

    int width_, height_;
    std::vector<Color> pixels_;
};

// Inside test of a polygon (even-odd rule).
bool InsidePolygon(const std::vector<Point>& points, float x, float y);

}  // namespace zuno::authoring
