// Signed distance functions for the skin painter and the glyphs built from them.
// Glyph strokes are placed on whole pixels where they run straight, so that the
// small title-button symbols stay crisp instead of smearing over two pixel rows.
#include "authoring/skinart/Shapes.h"

#include <algorithm>
#include <cmath>

namespace zuno::skinart {

Shape RoundedBox(Box box, Corners radii) {
    return [=](double px, double py) {
        const double cx = box.CentreX(), cy = box.CentreY();
        const double hx = (box.x1 - box.x0) / 2, hy = (box.y1 - box.y0) / 2;
        double r = px < cx ? (py < cy ? radii.topLeft : radii.bottomLeft)
                           : (py < cy ? radii.topRight : radii.bottomRight);
        r = std::min({r, hx, hy});
        const double qx = std::abs(px - cx) - hx + r;
        const double qy = std::abs(py - cy) - hy + r;
        const double outside = std::hypot(std::max(qx, 0.0), std::max(qy, 0.0));
        return outside + std::min(std::max(qx, qy), 0.0) - r;
    };
}

Shape RoundedBox(Box box, double radius) { return RoundedBox(box, Corners::All(radius)); }

Shape Circle(double cx, double cy, double radius) {
    return [=](double px, double py) { return std::hypot(px - cx, py - cy) - radius; };
}

Shape Segment(Point a, Point b, double width) {
    return [=](double px, double py) {
        const double ex = b.x - a.x, ey = b.y - a.y;
        const double wx = px - a.x, wy = py - a.y;
        const double len2 = ex * ex + ey * ey;
        const double t = len2 > 0 ? std::clamp((wx * ex + wy * ey) / len2, 0.0, 1.0) : 0.0;
        return std::hypot(wx - ex * t, wy - ey * t) - width / 2;
    };
}

Shape Polygon(std::vector<Point> v) {
    return [v](double px, double py) {
        double d = (px - v[0].x) * (px - v[0].x) + (py - v[0].y) * (py - v[0].y);
        double sign = 1;
        for (size_t i = 0, j = v.size() - 1; i < v.size(); j = i, ++i) {
            const double ex = v[j].x - v[i].x, ey = v[j].y - v[i].y;
            const double wx = px - v[i].x, wy = py - v[i].y;
            const double t = std::clamp((wx * ex + wy * ey) / (ex * ex + ey * ey), 0.0, 1.0);
            const double bx = wx - ex * t, by = wy - ey * t;
            d = std::min(d, bx * bx + by * by);
            const bool c1 = py >= v[i].y, c2 = py < v[j].y, c3 = ex * wy > ey * wx;
            if ((c1 && c2 && c3) || (!c1 && !c2 && !c3)) sign = -sign;
        }
        return sign * std::sqrt(d);
    };
}

Shape Ellipse(double cx, double cy, double rx, double ry, double angle) {
    const double c = std::cos(angle), s = std::sin(angle);
    return [=](double px, double py) {
        const double dx = px - cx, dy = py - cy;
        const double u = (dx * c + dy * s) / rx, w = (-dx * s + dy * c) / ry;
        const double k = std::hypot(u, w);
        if (k < 1e-9) return -std::min(rx, ry);
        // First-order distance: the implicit value over the length of its gradient.
        const double gradient = std::hypot(u / rx, w / ry) / k;
        return (k - 1) / gradient;
    };
}

Shape Union(Shape a, Shape b) {
    return [=](double x, double y) { return std::min(a(x, y), b(x, y)); };
}

Shape Subtract(Shape from, Shape cut) {
    return [=](double x, double y) { return std::max(from(x, y), -cut(x, y)); };
}

Shape Intersect(Shape a, Shape b) {
    return [=](double x, double y) { return std::max(a(x, y), b(x, y)); };
}

Shape Moved(Shape s, double dx, double dy) {
    return [=](double x, double y) { return s(x - dx, y - dy); };
}

Shape CloseGlyph(double cx, double cy, double size, double weight) {
    const double h = size / 2 - weight / 2;
    return Union(Segment({cx - h, cy - h}, {cx + h, cy + h}, weight),
                 Segment({cx - h, cy + h}, {cx + h, cy - h}, weight));
}

// A square outline on whole pixels with a heavier top edge, like a window's caption.
static Shape WindowOutline(double x0, double y0, double side, double weight) {
    const Box outer{x0, y0, x0 + side, y0 + side};
    const Box inner{x0 + weight, y0 + weight + 1, x0 + side - weight, y0 + side - weight};
    return Subtract(RoundedBox(outer, 0.0), RoundedBox(inner, 0.0));
}

Shape MaximiseGlyph(double cx, double cy, double size, double weight) {
    const double side = std::round(size);
    const double x0 = std::round(cx - side / 2), y0 = std::round(cy - side / 2);
    return WindowOutline(x0, y0, side, std::round(weight));
}

Shape MinimiseGlyph(double cx, double cy, double size, double weight) {
    const double w = std::round(size);
    const double x0 = std::round(cx - w / 2);
    const double thick = std::max(2.0, std::round(weight + 1));
    const double y1 = std::round(cy + size / 2);
    return RoundedBox(Box{x0, y1 - thick, x0 + w, y1}, 0.0);
}

Shape RestoreGlyph(double cx, double cy, double size, double weight) {
    const double side = std::round(size * 0.72);
    const double offset = std::round(size) - side;
    const double x0 = std::round(cx - size / 2), y0 = std::round(cy - size / 2);
    const double wt = std::round(weight);
    const Shape front = WindowOutline(x0, y0 + offset, side, wt);
    // The window behind shows only where the front one does not cover it.
    const Shape back = WindowOutline(x0 + offset, y0, side, wt);
    const Shape frontArea = RoundedBox(Box{x0 - 0.01, y0 + offset - 0.01, x0 + side + 1, y0 + offset + side}, 0.0);
    return Union(front, Subtract(back, frontArea));
}

Shape Triangle(double cx, double cy, double length, Direction direction) {
    const double h = length / 2;   // half the base
    const double d = length / 4;   // half the height: base : height = 2 : 1
    switch (direction) {
        case Direction::Up:
            return Polygon({{cx - h, cy + d}, {cx + h, cy + d}, {cx, cy - d}});
        case Direction::Down:
            return Polygon({{cx - h, cy - d}, {cx + h, cy - d}, {cx, cy + d}});
        case Direction::Left:
            return Polygon({{cx + d, cy - h}, {cx + d, cy + h}, {cx - d, cy}});
        case Direction::Right:
            break;
    }
    return Polygon({{cx - d, cy - h}, {cx - d, cy + h}, {cx + d, cy}});
}

Shape Chevron(double cx, double cy, double length, Direction direction, double weight) {
    const double h = length / 2, d = length / 4;
    Point a, tip, b;
    switch (direction) {
        case Direction::Up: a = {cx - h, cy + d}, tip = {cx, cy - d}, b = {cx + h, cy + d}; break;
        case Direction::Down: a = {cx - h, cy - d}, tip = {cx, cy + d}, b = {cx + h, cy - d}; break;
        case Direction::Left: a = {cx + d, cy - h}, tip = {cx - d, cy}, b = {cx + d, cy + h}; break;
        case Direction::Right: a = {cx - d, cy - h}, tip = {cx + d, cy}, b = {cx - d, cy + h}; break;
    }
    return Union(Segment(a, tip, weight), Segment(tip, b, weight));
}

Shape CheckMark(double cx, double cy, double size, double weight) {
    const double s = size / 2;
    const Point a{cx - s, cy + s * 0.05}, knee{cx - s * 0.25, cy + s * 0.75}, b{cx + s, cy - s * 0.7};
    return Union(Segment(a, knee, weight), Segment(knee, b, weight));
}

}  // namespace zuno::skinart
