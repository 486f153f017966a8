// zuno-glyphgen: draws the system-menu glyph strip SYSMENUGLYPHS, a 64 x 16
// monochrome BMP with four 16 x 16 images (restore, maximize, minimize, close);
// black glyphs on white, and white is the transparent colour of the image list.
#include <array>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <vector>

namespace {

constexpr int kWidth = 64, kHeight = 16;
using Strip = std::array<std::array<bool, kWidth>, kHeight>;  // true = black

void Box(Strip& s, int x0, int y0, int x1, int y1, int topThickness) {
    for (int x = x0; x <= x1; ++x) {
        for (int t = 0; t < topThickness; ++t) s[y0 + t][x] = true;
        s[y1][x] = true;
    }
    for (int y = y0; y <= y1; ++y) s[y][x0] = s[y][x1] = true;
}

Strip Draw() {
    Strip s{};
    // Restore: two overlapping windows.
    Box(s, 6, 3, 12, 8, 2);
    Box(s, 3, 6, 9, 12, 2);
    for (int y = 8; y < 12; ++y)
        for (int x = 4; x < 9; ++x) s[y][x] = false;
    // Maximize: one window.
    Box(s, 16 + 3, 3, 16 + 12, 12, 2);
    // Minimize: a bar at the bottom.
    for (int x = 32 + 4; x <= 32 + 10; ++x) s[11][x] = s[12][x] = true;
    // Close: a cross.
    for (int i = 0; i < 8; ++i) {
        s[4 + i][48 + 4 + i] = s[4 + i][48 + 5 + i] = true;
        s[4 + i][48 + 11 - i] = s[4 + i][48 + 12 - i] = true;
    }
    return s;
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}
void Put16(std::vector<std::uint8_t>& out, std::uint16_t v) {
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: zuno-glyphgen OUTPUT.bmp\n");
        return 2;
    }
    const Strip strip = Draw();
    constexpr int rowBytes = kWidth / 8;  // 8: already a multiple of four
    constexpr int offset = 14 + 40 + 8;
    std::vector<std::uint8_t> out;
    out.push_back('B');
    out.push_back('M');
    Put32(out, offset + rowBytes * kHeight);
    Put32(out, 0);
    Put32(out, offset);
    Put32(out, 40);
    Put32(out, kWidth);
    Put32(out, kHeight);  // bottom-up rows
    Put16(out, 1);
    Put16(out, 1);
    Put32(out, 0);  // BI_RGB
    Put32(out, rowBytes * kHeight);
    Put32(out, 2835);
    Put32(out, 2835);
    Put32(out, 2);
    Put32(out, 0);
    Put32(out, 0x00000000);  // index 0: black
    Put32(out, 0x00FFFFFF);  // index 1: white
    for (int y = kHeight - 1; y >= 0; --y) {
        for (int b = 0; b < rowBytes; ++b) {
            std::uint8_t byte = 0;
            for (int bit = 0; bit < 8; ++bit)
                if (!strip[y][b * 8 + bit]) byte |= static_cast<std::uint8_t>(0x80 >> bit);
            out.push_back(byte);
        }
    }
    std::ofstream file(argv[1], std::ios::binary);
    file.write(reinterpret_cast<const char*>(out.data()), static_cast<std::streamsize>(out.size()));
    if (!file) {
        std::fprintf(stderr, "zuno-glyphgen: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
