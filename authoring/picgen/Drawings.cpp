// The drawings. Coordinates are pixels of a 256 × 160 picture (320 × 112 for the
// splash); every random choice comes from a fixed seed, so files are repeatable.
#include "authoring/picgen/Drawings.h"

#include <algorithm>
#include <cmath>

namespace zuno::authoring {
namespace {

constexpr float kPi = 3.14159265f;
constexpr int W = kPictureWidth;
constexpr int H = kPictureHeight;

class Rng {
public:
    explicit Rng(uint32_t seed) : state_(seed * 2654435761u + 1) {}
    float Uniform(float lo, float hi) {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return lo + (hi - lo) * static_cast<float>(state_ & 0xFFFFFF) / 16777216.0f;
    }

private:
    uint32_t state_;
};

float Smooth(float t) {
    t = std::clamp(t, 0.0f, 1.0f);
    return t * t * (3 - 2 * t);
}

void VerticalGradient(Canvas& c, float y0, float y1, Color top, Color bottom) {
    c.Shade([&](float, float y) { return Mix(top, bottom, Smooth((y - y0) / (y1 - y0))); },
            [&](float, float y) { return y >= y0 && y < y1 ? 1.0f : 0.0f; });
}

Color Darker(Color c, float t) { return Mix(c, Hex(0x000000), t); }
Color Lighter(Color c, float t) { return Mix(c, Hex(0xFFFFFF), t); }

Canvas DrawInkblot() {
    Canvas c(W, H, Hex(0xFBFAF6));
    struct Ball { float x, y, r; };  // x is the distance from the fold line
    std::vector<Ball> balls = {{0, 40, 11}, {0, 66, 14}, {0, 94, 13}, {0, 120, 8},   {30, 52, 11},
                               {46, 40, 8},  {58, 70, 7},  {36, 100, 10}, {56, 114, 7}, {20, 80, 9}};
    Rng rng(11);
    for (int i = 0; i < 10; ++i) {
        const float x = rng.Uniform(8, 66);
        balls.push_back({x, rng.Uniform(34, 126), rng.Uniform(3.5f, 7.5f)});
    }
    for (int arm = 0; arm < 3; ++arm) {  // thin reaching arms
        const float ax = 44, ay = 46.0f + arm * 34, bx = rng.Uniform(84, 104), by = ay + rng.Uniform(-26, 14);
        for (int k = 0; k <= 6; ++k) {
            const float t = k / 6.0f;
            balls.push_back({ax + (bx - ax) * t, ay + (by - ay) * t, 4.5f - 2.5f * t});
        }
    }
    auto field = [&](float x, float y) {
        const float dx0 = std::fabs(x - W / 2.0f);
        float f = 0;
        for (const Ball& b : balls) {
            const float dx = dx0 - b.x, dy = y - b.y;
            f += b.r * b.r / (dx * dx + dy * dy + 1);
        }
        return f;
    };
    const Color ink = Hex(0x24386F);
    c.Fill(0, 0, W, H, [&](float x, float y) { return field(x, y) >= 1.6f; }, ink);
    c.Shade([](float, float) { return Hex(0x111A3D); },
            [&](float x, float y) { return 0.6f * Smooth((std::log(field(x, y)) - 0.6f) / 2.2f); });
    for (int i = 0; i < 10; ++i) {  // splashes, mirrored like the blot
        const float dx = rng.Uniform(40, 110), y = rng.Uniform(20, 145), r = rng.Uniform(1.2f, 3.2f);
        c.FillCircle(W / 2.0f - dx, y, r, ink);
        c.FillCircle(W / 2.0f + dx, y, r, ink);
    }
    return c;
}

void DrawPine(Canvas& c, float x, float base, float h, Color green) {
    c.FillRect(x - h * 0.045f, base - h * 0.2f, x + h * 0.045f, base, Hex(0x5B4330));
    const float tiers[3][3] = {{0.85f, 0.30f, 0.32f}, {0.62f, 0.55f, 0.25f}, {0.40f, 0.78f, 0.17f}};
    for (int k = 0; k < 3; ++k) {
        const float bottom = base - h * (0.15f + 0.22f * k), top = base - h * tiers[k][1] - h * 0.22f;
        const float half = h * tiers[k][2];
        const Color shade = k % 2 ? Lighter(green, 0.06f) : green;
        c.FillPolygon({{x, top}, {x - half, bottom}, {x + half, bottom}}, shade);
        c.FillPolygon({{x, top}, {x + half, bottom}, {x + half * 0.2f, bottom}}, Darker(green, 0.15f), 0.6f);
    }
}

Canvas DrawForestPath() {
    Canvas c(W, H, Hex(0xE6F4EC));
    VerticalGradient(c, 0, 74, Hex(0x94CDF0), Hex(0xE8F5EA));
    c.Glow(196, 20, 70, Hex(0xFFF7D6), 0.9f);
    c.FillCircle(196, 20, 9, Hex(0xFFFBEA));
    std::vector<Point> hills = {{0, 80}};
    for (int x = 0; x <= W; x += 8) hills.push_back({float(x), 66 - 5 * std::sin(x / 30.0f) - 3 * std::sin(x / 11.0f + 1)});
    hills.push_back({float(W), 80});
    c.FillPolygon(hills, Hex(0xA3C7AE));
    VerticalGradient(c, 72, H, Hex(0x93C872), Hex(0x5C9943));
    Rng rng(5);
    for (float x = 4; x < W; x += rng.Uniform(9, 14)) {
        if (x > 104 && x < 154) continue;
        DrawPine(c, x, 78, rng.Uniform(20, 30), Hex(0x5C9268));
    }
    std::vector<Point> path;
    for (int k = 0; k <= 20; ++k) {  // left edge, near to far
        const float t = k / 20.0f, y = 160 - 86 * t;
        path.push_back({128 - 62 * (1 - t) * (1 - t) - 3 + 10 * std::sin(t * kPi) - 2 * t, y});
    }
    for (int k = 20; k >= 0; --k) {  // right edge, far to near
        const float t = k / 20.0f, y = 160 - 86 * t;
        path.push_back({128 + 66 * (1 - t) * (1 - t) + 3 + 10 * std::sin(t * kPi) + 2 * t, y});
    }
    c.FillPolygon(path, Hex(0xC9A877));
    c.Fill(0, 74, W, H, [&](float x, float y) { return InsidePolygon(path, x, y) && InsidePolygon(path, x - 5, y) && InsidePolygon(path, x + 5, y); }, Hex(0xE2C898));
    for (float x = 8; x < W; x += rng.Uniform(22, 30)) {
        if (x > 80 && x < 178) continue;
        DrawPine(c, x, 98, rng.Uniform(44, 56), Hex(0x2F7446));
    }
    DrawPine(c, 22, 146, 104, Hex(0x1E5A35));
    DrawPine(c, 62, 158, 84, Hex(0x24663C));
    DrawPine(c, 234, 150, 110, Hex(0x1E5A35));
    DrawPine(c, 196, 160, 80, Hex(0x24663C));
    return c;
}

void DrawDoor(Canvas& c, float x, Color color) {
    c.FillRect(x - 29, 27, x + 33, 129, Hex(0x000000), 0.10f);  // shadow of the frame
    c.FillRect(x - 31, 25, x + 31, 127, Hex(0xFBF8F2));
    c.FillRect(x - 25, 31, x + 25, 127, color);
    c.FillRect(x - 25, 31, x + 25, 34, Darker(color, 0.25f), 0.8f);  // lintel shadow
    for (const float top : {39.0f, 82.0f}) {
        const float bottom = top == 39.0f ? 73.0f : 119.0f;
        c.FillRoundRect(x - 18, top, x + 18, bottom, 3, Darker(color, 0.18f));
        c.FillRoundRect(x - 16, top + 2, x + 18, bottom, 2, Lighter(color, 0.10f));
    }
    c.FillCircle(x + 18, 79, 3.4f, Hex(0xD9A93E));
    c.FillCircle(x + 17.3f, 78.2f, 1.3f, Hex(0xFFF1C2));
    c.FillEllipse(x, 131, 30, 3, 0, Hex(0x000000), 0.18f);
}

Canvas DrawDoors() {
    Canvas c(W, H, Hex(0xF1E9DC));
    VerticalGradient(c, 0, 126, Hex(0xF5EEE3), Hex(0xE5D8C5));
    VerticalGradient(c, 126, H, Hex(0xBB8F60), Hex(0x966A43));
    for (const float y : {136.0f, 147.0f}) c.FillRect(0, y, W, y + 1, Hex(0x7F5837), 0.35f);
    c.FillRect(0, 122, W, 128, Hex(0xFBF7F0));
    DrawDoor(c, 50, Hex(0xC8433B));
    DrawDoor(c, 128, Hex(0x3E9A57));
    DrawDoor(c, 206, Hex(0x3A6AC2));
    return c;
}

Canvas DrawShapes() {
    Canvas c(W, H, Hex(0xF4F1EA));
    VerticalGradient(c, 0, H, Hex(0xF7F3EC), Hex(0xE4EBF2));
    c.FillRect(0, 117, W, H, Hex(0xD7DEE6), 0.5f);
    for (const float x : {62.0f, 130.0f, 204.0f}) c.FillEllipse(x + 3, 119, 33, 4.5f, 0, Hex(0x2B3440), 0.18f);
    c.FillCircle(60, 85, 32, Hex(0xF28A35));
    c.FillEllipse(49, 72, 13, 8, -0.6f, Hex(0xFFFFFF), 0.25f);
    c.FillPolygon({{128, 50}, {93, 117}, {163, 117}}, Hex(0x27998B));
    c.FillPolygon({{128, 50}, {128, 117}, {163, 117}}, Hex(0x1B7569), 0.35f);
    c.FillRect(174, 57, 234, 117, Hex(0x7A59A6));
    c.FillRect(174, 57, 234, 63, Hex(0xFFFFFF), 0.18f);
    c.FillRect(226, 57, 234, 117, Hex(0x000000), 0.12f);
    return c;
}

// Half-width of the glass at height y: it narrows toward its foot.
float GlassHalfWidth(float y) { return 32 - (y - 22) / 110 * 7; }

Canvas DrawGlass() {
    Canvas c(W, H, Hex(0xEEF3F6));
    VerticalGradient(c, 0, 120, Hex(0xF1F5F8), Hex(0xDCE6ED));
    VerticalGradient(c, 120, H, Hex(0xCBA276), Hex(0xA47A51));
    c.FillRect(0, 120, W, 122, Hex(0xE6C9A2));
    c.FillEllipse(140, 134, 38, 5, 0, Hex(0x3A2A1A), 0.22f);
    auto side = [](float y, int s) { return Point{128 + s * GlassHalfWidth(y), y}; };
    c.FillPolygon({side(22, -1), side(22, 1), side(132, 1), side(132, -1)}, Hex(0xFFFFFF), 0.30f);
    const float surface = 77;
    c.FillPolygon({side(surface, -1), side(surface, 1), side(126, 1), side(126, -1)}, Hex(0x5AAEE0), 0.55f);
    c.FillPolygon({side(100, -1), side(100, 1), side(126, 1), side(126, -1)}, Hex(0x2F86C2), 0.25f);
    c.FillEllipse(128, surface, GlassHalfWidth(surface), 3.5f, 0, Hex(0xA9DBF5), 0.9f);
    c.FillPolygon({side(126, -1), side(126, 1), side(132, 1), side(132, -1)}, Hex(0xC9D8E2), 0.7f);
    const Color edge = Hex(0x7F9BB0);
    c.StrokeLine(side(22, -1), side(132, -1), 1.8f, edge, 0.85f);
    c.StrokeLine(side(22, 1), side(132, 1), 1.8f, edge, 0.85f);
    c.Fill(90, 14, 166, 30, [](float x, float y) {
        const float u = (x - 128) / 32, v = (y - 22) / 4;
        const float ui = (x - 128) / 30.2f, vi = (y - 22) / 2.6f;
        return u * u + v * v <= 1 && ui * ui + vi * vi > 1;
    }, edge, 0.85f);
    c.FillEllipse(128, 132, GlassHalfWidth(132), 2.5f, 0, edge, 0.6f);
    c.FillPolygon({{104, 30}, {109, 30}, {113, 120}, {108, 120}}, Hex(0xFFFFFF), 0.55f);
    return c;
}

Canvas DrawStairs() {
    Canvas c(W, H, Hex(0x9CCDEE));
    c.Shade([](float x, float y) {
                const float glow = std::clamp(1 - std::hypot(x - 236, y - 12) / 230, 0.0f, 1.0f);
                return Mix(Hex(0x86C1EA), Hex(0xFFF8DF), std::pow(glow, 1.4f));
            },
            [](float, float) { return 1.0f; });
    for (int k = 0; k < 5; ++k) {
        const float a = 2.3f + k * 0.22f;
        c.FillPolygon({{236, 12}, {236 + 300 * std::cos(a), 12 + 300 * std::sin(a)},
                       {236 + 300 * std::cos(a + 0.08f), 12 + 300 * std::sin(a + 0.08f)}}, Hex(0xFFFFFF), 0.10f);
    }
    for (const Point p : {Point{44, 34}, Point{96, 20}}) {
        c.FillEllipse(p.x, p.y, 20, 7, 0, Hex(0xFFFFFF), 0.85f);
        c.FillEllipse(p.x - 9, p.y - 4, 10, 7, 0, Hex(0xFFFFFF), 0.85f);
        c.FillEllipse(p.x + 7, p.y - 5, 11, 8, 0, Hex(0xFFFFFF), 0.85f);
    }
    const int steps = 7;
    const float depth = 32, rise = 15, base = 158, left = 8;
    std::vector<Point> profile = {{left, float(H)}};
    for (int i = 0; i < steps; ++i) {
        const float x = left + i * depth, y = base - (i + 1) * rise;
        profile.push_back({x, y + rise});
        profile.push_back({x, y});
    }
    profile.push_back({float(W), base - steps * rise});
    profile.push_back({float(W), float(H)});
    c.FillPolygon(profile, Hex(0xCDC3B3));
    for (int i = 0; i < steps; ++i) {
        const float x = left + i * depth, y = base - (i + 1) * rise;
        c.FillRect(x, y, W, y + 3.5f, Hex(0xF4EFE6));
        c.FillRect(x, y + 3.5f, W, y + rise, Hex(0x8C8170), 0.10f + 0.02f * (steps - i));
        c.FillRect(x, y + rise - 2, W, y + rise, Hex(0x6E6455), 0.18f);
    }
    c.Glow(236, 12, 90, Hex(0xFFFBEA), 0.5f);
    return c;
}

// A palm leaf from the crown, bending down along its length.
void DrawLeaf(Canvas& c, Point crown, float angle, float length, Color color) {
    std::vector<Point> left, right;
    for (int k = 0; k <= 12; ++k) {
        const float t = k / 12.0f;
        const float cx = crown.x + std::cos(angle) * length * t;
        const float cy = crown.y + std::sin(angle) * length * t + 16 * t * t;
        const float w = 5.5f * std::sin(kPi * std::min(t * 1.15f, 1.0f));
        const float nx = -std::sin(angle), ny = std::cos(angle);
        left.push_back({cx + nx * w, cy + ny * w});
        right.push_back({cx - nx * w, cy - ny * w});
    }
    left.insert(left.end(), right.rbegin(), right.rend());
    c.FillPolygon(left, color);
}

Canvas DrawIsland() {
    Canvas c(W, H, Hex(0x8ECFF2));
    VerticalGradient(c, 0, 92, Hex(0x69BEEE), Hex(0xD8F1FB));
    c.Glow(46, 30, 55, Hex(0xFFF4C4), 0.9f);
    c.FillCircle(46, 30, 11, Hex(0xFFF8DC));
    for (const Point p : {Point{176, 26}, Point{224, 44}}) {
        c.FillEllipse(p.x, p.y, 18, 5.5f, 0, Hex(0xFFFFFF), 0.9f);
        c.FillEllipse(p.x - 6, p.y - 4, 9, 6, 0, Hex(0xFFFFFF), 0.9f);
    }
    VerticalGradient(c, 92, H, Hex(0x3C9FD4), Hex(0x1A6596));
    c.FillRect(0, 92, W, 93, Hex(0xFFFFFF), 0.35f);
    Rng rng(3);
    for (int i = 0; i < 26; ++i) {
        const float x = rng.Uniform(0, W), y = rng.Uniform(98, 156);
        if (std::fabs(x - 128) < 95 && std::fabs(y - 121) < 24) continue;
        c.FillEllipse(x, y, rng.Uniform(5, 10), 0.9f, 0, Hex(0xFFFFFF), 0.35f);
    }
    c.FillEllipse(128, 121, 86, 20, 0, Hex(0x7AD2D6), 0.75f);
    c.FillEllipse(128, 119, 62, 12.5f, 0, Hex(0xEDD6A0));
    c.FillEllipse(121, 116, 46, 6.5f, 0, Hex(0xF8EAC4), 0.7f);
    const Point base{122, 118}, bend{118, 84}, crown{144, 52};
    for (int k = 0; k <= 48; ++k) {
        const float t = k / 48.0f;
        const float x = (1 - t) * (1 - t) * base.x + 2 * t * (1 - t) * bend.x + t * t * crown.x;
        const float y = (1 - t) * (1 - t) * base.y + 2 * t * (1 - t) * bend.y + t * t * crown.y;
        c.FillCircle(x, y, 4.6f - 1.8f * t, k % 6 < 4 ? Hex(0x8A6A45) : Hex(0x745737));
    }
    for (const float a : {-2.7f, -1.9f, -0.9f}) DrawLeaf(c, crown, a, 36, Hex(0x23702F));
    for (const float a : {-3.3f, -2.3f, -1.4f, -0.4f, 0.25f}) DrawLeaf(c, crown, a, 40, Hex(0x2F8C3E));
    for (const Point p : {Point{141, 56}, Point{146.5f, 57}, Point{143.5f, 60}}) c.FillCircle(p.x, p.y, 2.6f, Hex(0x5A3F22));
    return c;
}

// The splash: a pale gradient with soft bands and a petal emblem on the right;
// the lower left stays plain because the program writes its progress text there.
Canvas DrawSplash() {
    const int w = kSplashWidth, h = kSplashHeight;
    Canvas c(w, h, Hex(0xFFFFFF));
    c.Shade([&](float x, float y) { return Mix(Hex(0xFFFFFF), Hex(0xD6E8F7), Smooth(x / w * 0.9f + y / h * 0.15f)); },
            [](float, float) { return 1.0f; });
    const Color bands[3] = {Hex(0x9CC6EA), Hex(0xB4A6E0), Hex(0x8FD5CC)};
    for (int k = 0; k < 3; ++k) {
        c.Shade([&](float, float) { return bands[k]; }, [&](float x, float y) {
            const float centre = 30 + k * 22 + 9 * std::sin(x / 38 + k * 1.7f);
            const float d = std::fabs(y - centre) / 7;
            return d < 1 ? 0.22f * (1 - d * d) * Smooth((x - 120) / 150) : 0.0f;
        });
    }
    const Point centre{262, 52};
    const Color petals[3] = {Hex(0x4A7FD0), Hex(0x7A5CC4), Hex(0x2BB3A3)};
    for (int k = 0; k < 6; ++k) {  // a back ring of small petals, then the front ring
        const float a = k * kPi / 3 - kPi / 3;
        c.FillEllipse(centre.x + 14 * std::cos(a), centre.y + 14 * std::sin(a), 15, 6, a, petals[(k + 1) % 3], 0.25f);
    }
    for (int k = 0; k < 6; ++k) {
        const float a = k * kPi / 3 - kPi / 2;
        c.FillEllipse(centre.x + 15 * std::cos(a), centre.y + 15 * std::sin(a), 19, 9, a, petals[k % 3], 0.42f);
    }
    c.Glow(centre.x, centre.y, 26, Hex(0xFFFFFF), 0.7f);
    c.FillCircle(centre.x, centre.y, 7, Hex(0xFFFFFF), 0.95f);
    c.FillCircle(centre.x, centre.y, 3.5f, Hex(0x4A7FD0), 0.8f);
    Rng rng(9);
    for (int i = 0; i < 14; ++i) {
        const float a = rng.Uniform(0, 2 * kPi), r = rng.Uniform(38, 54);
        c.FillCircle(centre.x + r * std::cos(a), centre.y + r * 0.8f * std::sin(a), rng.Uniform(0.8f, 2.0f), petals[i % 3], 0.5f);
    }
    c.Fill(centre.x - 44, centre.y - 44, centre.x + 44, centre.y + 44, [&](float x, float y) {
        const float d = std::hypot(x - centre.x, y - centre.y);
        return d > 39 && d < 40.2f;
    }, Hex(0x4A7FD0), 0.35f);
    return c;
}

}  // namespace

const std::vector<Drawing>& AllDrawings() {
    static const std::vector<Drawing> drawings = {
        {"inkblot", DrawInkblot}, {"forest-path", DrawForestPath}, {"doors", DrawDoors},
        {"shapes", DrawShapes},   {"glass", DrawGlass},            {"stairs", DrawStairs},
        {"island", DrawIsland},   {"splash", DrawSplash},
    };
    return drawings;
}

}  // namespace zuno::authoring
