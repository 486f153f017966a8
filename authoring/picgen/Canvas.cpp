// Canvas shapes and the conversion to 8-bit pixels.
#include "authoring/picgen/Canvas.h"

#include <algorithm>

namespace zuno::authoring {

Canvas::Canvas(int width, int height, Color fill)
    : width_(width), height_(height), pixels_(static_cast<size_t>(width) * height, fill) {}

void Canvas::Blend(int x, int y, Color c, float a) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    a = std::clamp(a, 0.0f, 1.0f);
    Color& p = pixels_[static_cast<size_t>(y) * width_ + x];
    p = Mix(p, c, a);
}

void Canvas::FillRect(float x0, float y0, float x1, float y1, Color c, float alpha) {
    Fill(x0, y0, x1, y1, [&](float x, float y) { return x >= x0 && x < x1 && y >= y0 && y < y1; }, c, alpha);
}

void Canvas::FillRoundRect(float x0, float y0, float x1, float y1, float radius, Color c, float alpha) {
    Fill(x0, y0, x1, y1, [&](float x, float y) {
        if (x < x0 || x >= x1 || y < y0 || y >= y1) return false;
        const float dx = std::max({x0 + radius - x, 0.0f, x - (x1 - radius)});
        const float dy = std::max({y0 + radius - y, 0.0f, y - (y1 - radius)});
        return dx * dx + dy * dy <= radius * radius;
    }, c, alpha);
}

void Canvas::FillEllipse(float cx, float cy, float rx, float ry, float angle, Color c, float alpha) {
    const float cs = std::cos(angle), sn = std::sin(angle);
    const float reach = std::max(rx, ry);
    Fill(cx - reach, cy - reach, cx + reach, cy + reach, [&](float x, float y) {
        const float dx = x - cx, dy = y - cy;
        const float u = (dx * cs + dy * sn) / rx, v = (-dx * sn + dy * cs) / ry;
        return u * u + v * v <= 1.0f;
    }, c, alpha);
}

bool InsidePolygon(const std::vector<Point>& points, float x, float y) {
    bool inside = false;
    for (size_t i = 0, j = points.size() - 1; i < points.size(); j = i++) {
        const Point& a = points[i];
        const Point& b = points[j];
        if ((a.y > y) != (b.y > y) && x < (b.x - a.x) * (y - a.y) / (b.y - a.y) + a.x) inside = !inside;
    }
    return inside;
}

void Canvas::FillPolygon(const std::vector<Point>& points, Color c, float alpha) {
    if (points.size() < 3) return;
    float x0 = points[0].x, x1 = x0, y0 = points[0].y, y1 = y0;
    for (const Point& p : points) {
        x0 = std::min(x0, p.x); x1 = std::max(x1, p.x);
        y0 = std::min(y0, p.y); y1 = std::max(y1, p.y);
    }
    Fill(x0, y0, x1, y1, [&](float x, float y) { return InsidePolygon(points, x, y); }, c, alpha);
}

void Canvas::StrokeLine(Point a, Point b, float width, Color c, float alpha) {
    const float r = width / 2;
    const float dx = b.x - a.x, dy = b.y - a.y;
    const float len2 = std::max(dx * dx + dy * dy, 1e-6f);
    Fill(std::min(a.x, b.x) - r, std::min(a.y, b.y) - r, std::max(a.x, b.x) + r, std::max(a.y, b.y) + r,
         [&](float x, float y) {
             const float t = std::clamp(((x - a.x) * dx + (y - a.y) * dy) / len2, 0.0f, 1.0f);
             const float ex = a.x + t * dx - x, ey = a.y + t * dy - y;
             return ex * ex + ey * ey <= r * r;
         }, c, alpha);
}

void Canvas::Glow(float cx, float cy, float radius, Color c, float alpha) {
    const int x0 = Clamp(static_cast<int>(cx - radius), width_), x1 = Clamp(static_cast<int>(cx + radius) + 1, width_);
    const int y0 = Clamp(static_cast<int>(cy - radius), height_), y1 = Clamp(static_cast<int>(cy + radius) + 1, height_);
    for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x) {
            const float d = std::hypot(x + 0.5f - cx, y + 0.5f - cy) / radius;
            if (d < 1) Blend(x, y, c, alpha * (1 - d) * (1 - d));
        }
    }
}

std::vector<uint8_t> Canvas::ToRgb8() const {
    std::vector<uint8_t> out(pixels_.size() * 3);
    uint32_t seed = 0x9E3779B9u;
    for (size_t i = 0; i < pixels_.size(); ++i) {
        const float channels[3] = {pixels_[i].r, pixels_[i].g, pixels_[i].b};
        for (int k = 0; k < 3; ++k) {
            seed = seed * 1664525u + 1013904223u;
            const float dither = (static_cast<float>(seed >> 8) / 16777216.0f - 0.5f) * 0.8f;
            out[i * 3 + k] = static_cast<uint8_t>(std::clamp(channels[k] * 255.0f + 0.5f + dither, 0.0f, 255.0f));
        }
    }
    return out;
}

}  // namespace zuno::authoring
