// zuno-icongen OUT.ico: draws the program's icon — a white ψ on a rounded teal-blue
// tile — at 16, 32 and 48 pixels, anti-aliased, as a 32-bit icon with alpha.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

struct Rgba {
    double r, g, b, a;
};

double Clamp01(double v) { return std::clamp(v, 0.0, 1.0); }

// Distance from p to the segment a-b.
double SegmentDistance(double px, double py, double ax, double ay, double bx, double by) {
    const double dx = bx - ax, dy = by - ay;
    const double t = Clamp01(((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy));
    return std::hypot(px - (ax + t * dx), py - (ay + t * dy));
}

// Distance to the lower half of a circle (the cup of the ψ).
double CupDistance(double px, double py, double cx, double cy, double r) {
    if (py >= cy) return std::fabs(std::hypot(px - cx, py - cy) - r);
    return std::min(std::hypot(px - (cx - r), py - cy), std::hypot(px - (cx + r), py - cy));
}

// Signed distance to a rounded square of half-size h and corner radius rad.
double RoundedBox(double px, double py, double h, double rad) {
    const double qx = std::fabs(px) - h + rad, qy = std::fabs(py) - h + rad;
    return std::hypot(std::max(qx, 0.0), std::max(qy, 0.0)) + std::min(std::max(qx, qy), 0.0) - rad;
}

Rgba Shade(double u, double v, double px) {
    // u, v in [0, 1]; px is the size of one pixel in these units.
    const double box = RoundedBox(u - 0.5, v - 0.5, 0.47, 0.12);
    const double coverage = Clamp01(0.5 - box / px);
    const double t = v;  // top to bottom gradient
    Rgba c{0.16 + 0.10 * (1 - t), 0.55 + 0.15 * (1 - t), 0.78 + 0.12 * (1 - t), coverage};
    const double stroke = std::max(0.075, px * 1.1);
    double d = SegmentDistance(u, v, 0.5, 0.15, 0.5, 0.85);
    d = std::min(d, CupDistance(u, v, 0.5, 0.33, 0.24));
    const double ink = Clamp01(0.5 - (d - stroke / 2) / px) * coverage;
    c.r = c.r * (1 - ink) + ink;
    c.g = c.g * (1 - ink) + ink;
    c.b = c.b * (1 - ink) + ink;
    return c;
}

// One icon image: BITMAPINFOHEADER, BGRA rows bottom-up, then the AND mask.
std::vector<std::uint8_t> IconImage(int size) {
    std::vector<std::uint8_t> out;
    auto put32 = [&](std::uint32_t v) {
        for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
    };
    auto put16 = [&](std::uint16_t v) {
        out.push_back(static_cast<std::uint8_t>(v));
        out.push_back(static_cast<std::uint8_t>(v >> 8));
    };
    put32(40);
    put32(static_cast<std::uint32_t>(size));
    put32(static_cast<std::uint32_t>(size * 2));
    put16(1);
    put16(32);
    for (int i = 0; i < 6; ++i) put32(0);
    const int samples = 4;
    for (int y = size - 1; y >= 0; --y) {
        for (int x = 0; x < size; ++x) {
            Rgba sum{0, 0, 0, 0};
            for (int sy = 0; sy < samples; ++sy)
                for (int sx = 0; sx < samples; ++sx) {
                    const Rgba c = Shade((x + (sx + 0.5) / samples) / size, (y + (sy + 0.5) / samples) / size,
                                         1.0 / size);
                    sum.r += c.r * c.a, sum.g += c.g * c.a, sum.b += c.b * c.a, sum.a += c.a;
                }
            const double n = samples * samples;
            const double a = sum.a / n;
            auto channel = [&](double premultiplied) {
                return static_cast<std::uint8_t>(std::lround(a > 0 ? 255 * premultiplied / sum.a : 0));
            };
            out.push_back(channel(sum.b));
            out.push_back(channel(sum.g));
            out.push_back(channel(sum.r));
            out.push_back(static_cast<std::uint8_t>(std::lround(255 * a)));
        }
    }
    const int maskRow = ((size + 31) / 32) * 4;
    out.insert(out.end(), static_cast<size_t>(maskRow * size), 0);
    return out;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: zuno-icongen OUT.ico\n");
        return 2;
    }
    const int sizes[] = {16, 32, 48};
    std::vector<std::vector<std::uint8_t>> images;
    for (int s : sizes) images.push_back(IconImage(s));
    std::vector<std::uint8_t> file = {0, 0, 1, 0, static_cast<std::uint8_t>(std::size(sizes)), 0};
    std::uint32_t offset = 6 + 16 * static_cast<std::uint32_t>(std::size(sizes));
    for (size_t i = 0; i < images.size(); ++i) {
        const std::uint32_t len = static_cast<std::uint32_t>(images[i].size());
        const std::uint8_t entry[16] = {static_cast<std::uint8_t>(sizes[i]), static_cast<std::uint8_t>(sizes[i]), 0, 0,
                                        1, 0, 32, 0,
                                        static_cast<std::uint8_t>(len), static_cast<std::uint8_t>(len >> 8),
                                        static_cast<std::uint8_t>(len >> 16), static_cast<std::uint8_t>(len >> 24),
                                        static_cast<std::uint8_t>(offset), static_cast<std::uint8_t>(offset >> 8),
                                        static_cast<std::uint8_t>(offset >> 16), static_cast<std::uint8_t>(offset >> 24)};
        file.insert(file.end(), entry, entry + 16);
        offset += len;
    }
    for (const auto& img : images) file.insert(file.end(), img.begin(), img.end());
    std::ofstream out(argv[1], std::ios::binary);
    out.write(reinterpret_cast<const char*>(file.data()), static_cast<std::streamsize>(file.size()));
    if (!out) {
        std::fprintf(stderr, "zuno-icongen: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
