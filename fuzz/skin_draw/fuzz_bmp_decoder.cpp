// libFuzzer target: BMP decoding of untrusted skin members. Every decoded pixel is
// read, the result must survive an encode/decode round trip unchanged, and the
// bitmap is then drawn through the primitives with parameters taken from the input.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "skin/draw/BmpDecoder.h"
#include "skin/draw/BmpEncoder.h"
#include "skin/draw/Primitives.h"
#include "skin/draw/Region.h"

namespace {

using namespace zuno::skin;

// Small signed values from the input's last bytes: margins, frame numbers, sizes.
int Param(std::span<const std::uint8_t> data, std::size_t i) {
    if (data.size() <= i) return 0;
    return static_cast<int>(data[data.size() - 1 - i] % 40) - 4;
}

void Draw(const SkinBitmap& bitmap, std::span<const std::uint8_t> data) {
    const Margins m{Param(data, 0), Param(data, 1), Param(data, 2), Param(data, 3)};
    const int n = Param(data, 4), k = Param(data, 5);
    const int w = Param(data, 6) + 4, h = Param(data, 7) + 4;
    const auto layout = (Param(data, 8) & 1) ? FrameLayout::Stacked : FrameLayout::SideBySide;
    const auto centre = (Param(data, 8) & 2) ? CentreFill::Tile : CentreFill::Stretch;
    if (w >= 0 && h >= 0) {
        const SkinBitmap patch = ComposeNinePatch(w, h, bitmap, m, layout, centre, n, k);
        // An empty result is 0 x 0 whichever side was zero.
        if (w > 0 && h > 0 && (patch.Width() != w || patch.Height() != h)) std::abort();
    }
    SkinBitmap target(24, 24, 0x336699);
    const Rect rect{Param(data, 9), Param(data, 10), Param(data, 11), Param(data, 12)};
    DrawNinePatch(target, rect, bitmap, layout, centre, true, n, k, m);
    DrawNinePatchBorder(target, rect, bitmap, layout, n, k, m);
    DrawThreePartBar(target, rect, bitmap, layout, false, n, k, m.left, m.right);
    DrawFrameStretched(target, rect, bitmap, true, n, k);
    TileRect(target, rect, bitmap, {m.left, m.top, m.right, m.bottom});
    (void)RegionRunsFromBitmap(target, rect.left, rect.top);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    const std::span<const std::uint8_t> data(bytes, size);
    SkinBitmap bitmap;
    try {
        const BmpInfo info = ReadBmpInfo(data);
        bitmap = DecodeBmp(data);
        if (bitmap.Width() != info.width || bitmap.Height() != info.height) std::abort();
    } catch (const BmpError&) {
        return 0;
    }
    Pixel32 sum = 0;
    for (int y = 0; y < bitmap.Height(); ++y)
        for (int x = 0; x < bitmap.Width(); ++x) sum ^= bitmap.Row(y)[x];
    if (sum >> 24) std::abort();  // decoded pixels never carry the unused byte
    const SkinBitmap again = DecodeBmp(EncodeBmp24(bitmap));
    for (int y = 0; y < bitmap.Height(); ++y)
        for (int x = 0; x < bitmap.Width(); ++x)
            if (again.Row(y)[x] != bitmap.Row(y)[x]) std::abort();
    Draw(bitmap, data);
    return 0;
}
