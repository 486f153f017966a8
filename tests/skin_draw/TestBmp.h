// A BMP writer for tests that can produce every header form and field value the
// decoder must handle, including wrong ones.
#pragma once

#include <cstdint>
#include <vector>

namespace zuno::skin::test {

struct BmpSpec {
    int width = 0;
    int height = 0;                  // negative: top-down rows
    int bitsPerPixel = 24;
    std::uint32_t compression = 0;   // 0 BI_RGB, 1 RLE8, 2 RLE4, 3 BI_BITFIELDS
    std::uint32_t headerSize = 40;   // 12 (OS/2), 40, 52, 56, 108, 124
    std::uint16_t planes = 1;
    std::vector<std::uint32_t> palette;  // 0x00RRGGBB; 3 bytes each in an OS/2 file
    std::uint32_t colorsUsed = 0;
    std::vector<std::uint32_t> masks;    // written after a 40-byte header or inside a later one
    std::size_t gap = 0;                 // bytes between the colour table and the pixels
    // Pixel values, top row first: palette indices (1 to 8 bits), raw 16- or 32-bit
    // values, or 0x00RRGGBB (24 bits). Rows may be left empty for a header-only file.
    std::vector<std::vector<std::uint32_t>> rows;
};

inline void Put(std::vector<std::uint8_t>& out, std::uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

inline std::vector<std::uint8_t> PackRow(const std::vector<std::uint32_t>& row, int bpp) {
    std::vector<std::uint8_t> bytes;
    if (bpp < 8) {
        const int perByte = 8 / bpp;
        bytes.assign((row.size() + std::size_t(perByte) - 1) / std::size_t(perByte), 0);
        for (std::size_t x = 0; x < row.size(); ++x) {
            const int shift = 8 - bpp * (int(x % std::size_t(perByte)) + 1);
            bytes[x / std::size_t(perByte)] |= static_cast<std::uint8_t>(row[x] << shift);
        }
    } else {
        for (std::uint32_t v : row) Put(bytes, v, bpp / 8);
    }
    while (bytes.size() % 4 != 0) bytes.push_back(0);
    return bytes;
}

inline std::vector<std::uint8_t> BuildBmp(const BmpSpec& s) {
    const bool core = s.headerSize == 12;
    std::vector<std::uint8_t> info;
    Put(info, s.headerSize, 4);
    if (core) {
        Put(info, std::uint32_t(s.width), 2);
        Put(info, std::uint32_t(s.height), 2);
        Put(info, s.planes, 2);
        Put(info, std::uint32_t(s.bitsPerPixel), 2);
    } else {
        Put(info, std::uint32_t(s.width), 4);
        Put(info, std::uint32_t(s.height), 4);
        Put(info, s.planes, 2);
        Put(info, std::uint32_t(s.bitsPerPixel), 2);
        Put(info, s.compression, 4);
        Put(info, 0, 4);                   // image size
        Put(info, 2835, 4);
        Put(info, 2835, 4);
        Put(info, s.colorsUsed, 4);
        Put(info, 0, 4);                   // important colours
        for (std::size_t i = 0; s.headerSize > 40 && i < s.masks.size(); ++i)
            Put(info, s.masks[i], 4);
        while (info.size() < s.headerSize) info.push_back(0);
        if (s.headerSize == 40) {
            for (std::uint32_t m : s.masks) Put(info, m, 4);
        }
    }
    for (std::uint32_t c : s.palette) Put(info, c, core ? 3 : 4);
    info.insert(info.end(), s.gap, 0xEE);
    std::vector<std::uint8_t> pixels;
    const bool bottomUp = s.height > 0;
    for (std::size_t i = 0; i < s.rows.size(); ++i) {
        const auto& row = s.rows[bottomUp ? s.rows.size() - 1 - i : i];
        const auto packed = PackRow(row, s.bitsPerPixel);
        pixels.insert(pixels.end(), packed.begin(), packed.end());
    }
    std::vector<std::uint8_t> file{'B', 'M'};
    Put(file, std::uint32_t(14 + info.size() + pixels.size()), 4);
    Put(file, 0, 4);
    Put(file, std::uint32_t(14 + info.size()), 4);
    file.insert(file.end(), info.begin(), info.end());
    file.insert(file.end(), pixels.begin(), pixels.end());
    return file;
}

// Little-endian field writes into an existing file, for breaking one field.
inline void Poke32(std::vector<std::uint8_t>& f, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) f[at + std::size_t(i)] = static_cast<std::uint8_t>(v >> (8 * i));
}
inline void Poke16(std::vector<std::uint8_t>& f, std::size_t at, std::uint16_t v) {
    f[at] = static_cast<std::uint8_t>(v);
    f[at + 1] = static_cast<std::uint8_t>(v >> 8);
}

}  // namespace zuno::skin::test
