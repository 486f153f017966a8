// Shapes of the skin painter as signed distance functions (negative inside), from
// which the canvas derives anti-aliased coverage: rounded boxes, circles, strokes,
// polygons, and the small glyphs of title buttons, arrows and check marks.
#pragma once

#include <vector>

#include "authoring/skinart/ArtImage.h"

namespace zuno::skinart {

struct Point {
    double x = 0;
    double y = 0;
};

// Left, top, right, bottom in pixel edges: Box{0, 0, 4, 4} covers pixels 0..3 exactly.
struct Box {
    double x0 = 0;
    double y0 = 0;
    double x1 = 0;
    double y1 = 0;
    Box Inset(double d) const { return {x0 + d, y0 + d, x1 - d, y1 - d}; }
    double CentreX() const { return (x0 + x1) / 2; }
    double CentreY() const { return (y0 + y1) / 2; }
};

// Corner radii, clockwise from the top-left.
struct Corners {
    double topLeft = 0;
    double topRight = 0;
    double bottomRight = 0;
    double bottomLeft = 0;
    static Corners All(double r) { return {r, r, r, r}; }
    static Corners Top(double r) { return {r, r, 0, 0}; }
    static Corners Bottom(double r) { return {0, 0, r, r}; }
};

Shape RoundedBox(Box box, Corners radii);
Shape RoundedBox(Box box, double radius);
Shape Circle(double cx, double cy, double radius);
// A line from a to b with round caps, `width` pixels thick.
Shape Segment(Point a, Point b, double width);
// A closed polygon, either winding.
Shape Polygon(std::vector<Point> points);
// An ellipse with semi-axes rx, ry turned by `angle` radians (approximate distance,
// exact on the axes; good enough for anti-aliasing small motifs).
Shape Ellipse(double cx, double cy, double rx, double ry, double angle);

Shape Union(Shape a, Shape b);
Shape Subtract(Shape from, Shape cut);
Shape Intersect(Shape a, Shape b);
Shape Moved(Shape s, double dx, double dy);

// Title-button glyphs centred on (cx, cy) in a square of `size` pixels.
Shape CloseGlyph(double cx, double cy, double size, double weight);
Shape MaximiseGlyph(double cx, double cy, double size, double weight);
Shape MinimiseGlyph(double cx, double cy, double size, double weight);
Shape RestoreGlyph(double cx, double cy, double size, double weight);

enum class Direction { Left, Right, Up, Down };
// A solid triangle pointing in `direction`, `length` across its base.
Shape Triangle(double cx, double cy, double length, Direction direction);
// An open chevron (two strokes) pointing in `direction`.
Shape Chevron(double cx, double cy, double length, Direction direction, double weight);
Shape CheckMark(double cx, double cy, double size, double weight);

}  // namespace zuno::skinart
