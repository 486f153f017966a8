// BMP decoding. Our own reader checks every header field, offset and length (and
// every palette index) against the file; stb_image then converts the pixels. stb is
// handed a rebuilt, canonical header (BITMAPINFOHEADER, exact colour table, pixel
// data right behind it) so that its own shortcuts never apply: it sizes the colour
// table from the data offset, leaves table slots past the file's entries
// uninitialised, refuses a gap before the pixel data that Windows accepts, reads
// OS/2 colour tables one entry short, and turns truncated data into black pixels.

#include "skin/draw/BmpDecoder.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <string>
#include <vector>

#define STB_IMAGE_STATIC
#define STBI_ONLY_BMP
#define STBI_NO_STDIO
#define STBI_NO_LINEAR
#define STBI_NO_HDR
#define STBI_MAX_DIMENSIONS 16384
#define STB_IMAGE_IMPLEMENTATION
#include <stb_image.h>

namespace zuno::skin {
namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kCoreHeaderSize = 12;  // OS/2 BITMAPCOREHEADER
constexpr std::size_t kInfoHeaderSize = 40;  // BITMAPINFOHEADER
constexpr std::uint32_t kBiRgb = 0, kBiRle8 = 1, kBiRle4 = 2, kBiBitfields = 3;

std::uint32_t U16(std::span<const std::uint8_t> f, std::size_t at) {
    return std::uint32_t{f[at]} | (std::uint32_t{f[at + 1]} << 8);
}
std::uint32_t U32(std::span<const std::uint8_t> f, std::size_t at) {
    return U16(f, at) | (U16(f, at + 2) << 16);
}
void Put16(std::vector<std::uint8_t>& out, std::uint32_t v) {
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}
void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

[[noreturn]] void Fail(const std::string& what) { throw BmpError("BMP: " + what); }

// Everything the decoder needs, all checked against the file.
struct Layout {
    BmpInfo info;
    std::uint32_t masks[3] = {};   // BI_BITFIELDS only
    std::size_t paletteAt = 0;     // first colour table entry
    std::size_t paletteEntrySize = 4;
    std::size_t pixelsAt = 0;      // bfOffBits
    std::size_t rowBytes = 0;      // without padding
    std::size_t stride = 0;        // rows are padded to 4 bytes
    std::size_t pixelBytes = 0;    // bytes read: the last row's padding may be missing
};

void CheckSize(std::int64_t width, std::int64_t height) {
    if (width <= 0) Fail("width must be positive");
    if (height == 0) Fail("height must not be zero");
    if (width > kMaxBmpSide || height > kMaxBmpSide) {
        Fail("image larger than " + std::to_string(kMaxBmpSide) + " x " +
             std::to_string(kMaxBmpSide));
    }
    if (std::uint64_t(width) * std::uint64_t(height) * 4 > kMaxBmpPixelBytes) {
        Fail("image too large");
    }
}

bool MaskIsContiguous(std::uint32_t mask) {
    const std::uint32_t low = mask & (~mask + 1);  // lowest set bit
    return mask != 0 && ((mask + low) & mask) == 0;
}

void CheckMasks(const std::uint32_t (&masks)[3], int bitsPerPixel) {
    const std::uint32_t usable = bitsPerPixel == 16 ? 0xFFFFu : 0xFFFFFFFFu;
    for (std::uint32_t m : masks) {
        if (!MaskIsContiguous(m) || (m & ~usable) != 0) Fail("invalid colour masks");
        if (std::popcount(m) > 8) Fail("colour masks wider than 8 bits are not supported");
    }
    if ((masks[0] & masks[1]) || (masks[0] & masks[2]) || (masks[1] & masks[2])) {
        Fail("colour masks overlap");
    }
}

void ReadCompression(Layout& l) {
    switch (l.info.compression) {
        case kBiRgb: break;
        case kBiBitfields:
            if (l.info.bitsPerPixel != 16 && l.info.bitsPerPixel != 32) {
                Fail("BI_BITFIELDS needs 16 or 32 bits per pixel");
            }
            break;
        case kBiRle8:
        case kBiRle4: Fail("RLE compression is not supported");
        case 4:
        case 5: Fail("embedded JPEG or PNG images are not supported");
        default: Fail("unknown compression " + std::to_string(l.info.compression));
    }
}

// Reads the file header and the info header (any of the Windows and OS/2 1.x forms).
Layout ReadHeaders(std::span<const std::uint8_t> f) {
    if (f.size() < kFileHeaderSize + 4) Fail("file header truncated");
    if (f[0] != 'B' || f[1] != 'M') Fail("not a BMP file");
    Layout l;
    l.pixelsAt = U32(f, 10);
    const std::uint32_t headerSize = U32(f, 14);
    const bool core = headerSize == kCoreHeaderSize;
    if (!core && headerSize != 40 && headerSize != 52 && headerSize != 56 && headerSize != 108 &&
        headerSize != 124) {
        Fail("unsupported header size " + std::to_string(headerSize));
    }
    if (f.size() < kFileHeaderSize + headerSize) Fail("info header truncated");
    std::int64_t width, height;
    std::uint32_t planes, colorsUsed = 0;
    if (core) {
        width = U16(f, 18);
        height = U16(f, 20);
        planes = U16(f, 22);
        l.info.bitsPerPixel = static_cast<int>(U16(f, 24));
        l.paletteEntrySize = 3;
    } else {
        width = static_cast<std::int32_t>(U32(f, 18));
        height = static_cast<std::int32_t>(U32(f, 22));
        planes = U16(f, 26);
        l.info.bitsPerPixel = static_cast<int>(U16(f, 28));
        l.info.compression = U32(f, 30);
        colorsUsed = U32(f, 46);
    }
    if (planes != 1) Fail("plane count must be 1");
    l.info.topDown = height < 0;
    CheckSize(width, height < 0 ? -height : height);
    l.info.width = static_cast<int>(width);
    l.info.height = static_cast<int>(height < 0 ? -height : height);
    const int bpp = l.info.bitsPerPixel;
    if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 16 && bpp != 24 && bpp != 32) {
        Fail("unsupported bit depth " + std::to_string(bpp));
    }
    if (core && bpp != 1 && bpp != 4 && bpp != 8 && bpp != 24) Fail("unsupported OS/2 bit depth");
    ReadCompression(l);
    std::size_t tableAt = kFileHeaderSize + headerSize;
    if (l.info.compression == kBiBitfields) {
        // A plain info header is followed by the three masks; later headers hold them.
        const std::size_t masksAt = kFileHeaderSize + kInfoHeaderSize;
        if (headerSize == kInfoHeaderSize) tableAt += 12;
        if (f.size() < masksAt + 12) Fail("colour masks truncated");
        for (int i = 0; i < 3; ++i) l.masks[i] = U32(f, masksAt + 4 * std::size_t(i));
        CheckMasks(l.masks, bpp);
    }
    l.paletteAt = tableAt;
    if (bpp <= 8) {
        const std::uint32_t full = 1u << bpp;
        const std::uint32_t declared =
            (core || colorsUsed == 0) ? full : std::min(colorsUsed, full);
        const std::size_t end = std::min<std::size_t>(l.pixelsAt, f.size());
        const std::size_t room = end > tableAt ? (end - tableAt) / l.paletteEntrySize : 0;
        l.info.paletteEntries = static_cast<int>(std::min<std::size_t>(declared, room));
        if (l.info.paletteEntries == 0) Fail("colour table missing");
        tableAt += std::size_t(l.info.paletteEntries) * l.paletteEntrySize;
    }
    if (l.pixelsAt < tableAt) Fail("pixel data offset points into the headers");
    l.rowBytes = (std::size_t(l.info.width) * std::size_t(bpp) + 7) / 8;
    l.stride = (l.rowBytes + 3) & ~std::size_t{3};
    l.pixelBytes = l.stride * std::size_t(l.info.height - 1) + l.rowBytes;
    if (l.pixelsAt > f.size() || f.size() - l.pixelsAt < l.pixelBytes) Fail("pixel data truncated");
    return l;
}

// Palette indices must name an entry the file has: anything else would show
// whatever lies past the colour table.
void CheckPaletteIndices(std::span<const std::uint8_t> f, const Layout& l) {
    const int bpp = l.info.bitsPerPixel;
    const int entries = l.info.paletteEntries;
    if (bpp > 8 || entries >= (1 << bpp)) return;
    const unsigned perByte = 8u / unsigned(bpp);
    const unsigned mask = (1u << bpp) - 1;
    for (int y = 0; y < l.info.height; ++y) {
        const std::uint8_t* row = f.data() + l.pixelsAt + std::size_t(y) * l.stride;
        for (int x = 0; x < l.info.width; ++x) {
            const unsigned shift = 8 - unsigned(bpp) * (unsigned(x) % perByte + 1);
            const unsigned index = (row[unsigned(x) / perByte] >> shift) & mask;
            if (index >= unsigned(entries)) {
                Fail("palette index " + std::to_string(index) + " out of range (colour table has " +
                     std::to_string(entries) + " entries)");
            }
        }
    }
}

// The headers as stb reads them best: BITMAPINFOHEADER, masks, a colour table of
// exactly the file's entries in RGBQUAD form, and the pixel data right behind.
std::vector<std::uint8_t> CanonicalHeaders(std::span<const std::uint8_t> f, const Layout& l) {
    std::vector<std::uint8_t> h;
    const std::size_t masksSize = l.info.compression == kBiBitfields ? 12 : 0;
    const std::size_t size = kFileHeaderSize + kInfoHeaderSize + masksSize +
                             std::size_t(l.info.paletteEntries) * 4;
    h.reserve(size);
    h.push_back('B');
    h.push_back('M');
    Put32(h, 0);  // file size: not read
    Put32(h, 0);  // reserved
    Put32(h, static_cast<std::uint32_t>(size));
    Put32(h, kInfoHeaderSize);
    Put32(h, static_cast<std::uint32_t>(l.info.width));
    Put32(h, static_cast<std::uint32_t>(l.info.topDown ? -l.info.height : l.info.height));
    Put16(h, 1);
    Put16(h, static_cast<std::uint32_t>(l.info.bitsPerPixel));
    Put32(h, l.info.compression);
    for (int i = 0; i < 5; ++i) Put32(h, 0);
    if (masksSize != 0) {
        for (std::uint32_t m : l.masks) Put32(h, m);
    }
    for (int i = 0; i < l.info.paletteEntries; ++i) {
        const std::uint8_t* e = f.data() + l.paletteAt + std::size_t(i) * l.paletteEntrySize;
        h.insert(h.end(), {e[0], e[1], e[2], 0});
    }
    return h;
}

// stb reads the canonical headers and then the file's pixel bytes, as one stream.
struct TwoPartStream {
    std::span<const std::uint8_t> parts[2];
    int part = 0;
    std::size_t at = 0;

    int Read(char* out, int size) {
        int done = 0;
        while (done < size && part < 2) {
            const std::size_t n = std::min(std::size_t(size - done), parts[part].size() - at);
            std::memcpy(out + done, parts[part].data() + at, n);
            done += static_cast<int>(n);
            at += n;
            if (at == parts[part].size()) { ++part; at = 0; }
        }
        return done;
    }
    void Skip(int n) {
        while (n > 0 && part < 2) {
            const std::size_t step = std::min(std::size_t(n), parts[part].size() - at);
            n -= static_cast<int>(step);
            at += step;
            if (at == parts[part].size()) { ++part; at = 0; }
        }
    }
};

SkinBitmap RunStb(const std::vector<std::uint8_t>& headers, std::span<const std::uint8_t> pixels,
                  const BmpInfo& info) {
    TwoPartStream stream{{std::span<const std::uint8_t>(headers), pixels}};
    stbi_io_callbacks io{};
    io.read = [](void* user, char* data, int size) {
        return static_cast<TwoPartStream*>(user)->Read(data, size);
    };
    io.skip = [](void* user, int n) { static_cast<TwoPartStream*>(user)->Skip(n); };
    io.eof = [](void* user) { return static_cast<TwoPartStream*>(user)->part >= 2 ? 1 : 0; };
    int width = 0, height = 0, channels = 0;
    // Three channels: stb then never looks at alpha, so skin bitmaps stay opaque
    // whatever the fourth byte of a 32-bit pixel holds.
    std::unique_ptr<stbi_uc, void (*)(void*)> rgb(
        stbi_load_from_callbacks(&io, &stream, &width, &height, &channels, 3), stbi_image_free);
    if (!rgb) Fail(std::string("cannot decode pixels: ") + stbi_failure_reason());
    if (width != info.width || height != info.height) Fail("decoded size differs from the header");
    SkinBitmap bitmap(width, height);
    const stbi_uc* in = rgb.get();
    for (int y = 0; y < height; ++y) {
        Pixel32* out = bitmap.Row(y);
        for (int x = 0; x < width; ++x, in += 3) out[x] = MakePixel(in[0], in[1], in[2]);
    }
    return bitmap;
}

}  // namespace

BmpInfo ReadBmpInfo(std::span<const std::uint8_t> file) { return ReadHeaders(file).info; }

SkinBitmap DecodeBmp(std::span<const std::uint8_t> file) {
    const Layout layout = ReadHeaders(file);
    CheckPaletteIndices(file, layout);
    const std::vector<std::uint8_t> headers = CanonicalHeaders(file, layout);
    return RunStb(headers, file.subspan(layout.pixelsAt, layout.pixelBytes), layout.info);
}

}  // namespace zuno::skin
