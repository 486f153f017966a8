// Speed of the drawing primitives at window size: composing a 1,024 x 768 nine-patch
// (stretched and tiled centre), a colour-keyed blit of that size, the region runs
// of a 1,024 x 768 window frame, and decoding a typical skin bitmap.

#include <benchmark/benchmark.h>

#include "skin/draw/BmpDecoder.h"
#include "skin/draw/BmpEncoder.h"
#include "skin/draw/Primitives.h"
#include "skin/draw/Region.h"

namespace {

using namespace zuno::skin;

// Three 48 x 48 frames side by side with a patterned centre, as a button or panel image.
SkinBitmap SkinImage() {
    SkinBitmap b(144, 48);
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x)
            b.SetPixel(x, y,
                       MakePixel(std::uint8_t(x * 3), std::uint8_t(y * 5), std::uint8_t(x ^ y)));
    return b;
}

// A window-sized frame: opaque, with key-coloured rounded corners and a few holes.
SkinBitmap WindowFrame() {
    SkinBitmap b(1024, 768, 0x406080);
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8 - y; ++x) {
            b.SetPixel(x, y, kKeyPixel);
            b.SetPixel(1023 - x, y, kKeyPixel);
        }
    }
    for (int y = 0; y < 768; y += 16) b.Fill({500, y, 510, y + 4}, kKeyPixel);
    return b;
}

void ComposeNinePatchWindow(benchmark::State& state) {
    const SkinBitmap image = SkinImage();
    const CentreFill centre = state.range(0) ? CentreFill::Tile : CentreFill::Stretch;
    for (auto _ : state) {
        SkinBitmap out = ComposeNinePatch(1024, 768, image, {12, 12, 12, 12},
                                          FrameLayout::SideBySide, centre, 3, 2);
        benchmark::DoNotOptimize(out.Row(0));
    }
    state.SetLabel(state.range(0) ? "tiled centre" : "stretched centre");
    state.SetItemsProcessed(state.iterations() * 1024 * 768);
}
BENCHMARK(ComposeNinePatchWindow)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void TransparentBlitWindow(benchmark::State& state) {
    const SkinBitmap source = WindowFrame();
    SkinBitmap target(1024, 768, 0x112233);
    for (auto _ : state) {
        TransparentBlit(target, target.Bounds(), source);
        benchmark::DoNotOptimize(target.Row(0));
    }
    state.SetItemsProcessed(state.iterations() * 1024 * 768);
}
BENCHMARK(TransparentBlitWindow)->Unit(benchmark::kMicrosecond);

void RegionRunsWindow(benchmark::State& state) {
    const SkinBitmap frame = WindowFrame();
    for (auto _ : state) {
        std::vector<Rect> runs = RegionRunsFromBitmap(frame, 0, 0);
        benchmark::DoNotOptimize(runs.data());
    }
    state.SetItemsProcessed(state.iterations() * 1024 * 768);
}
BENCHMARK(RegionRunsWindow)->Unit(benchmark::kMicrosecond);

void DecodeSkinBmp(benchmark::State& state) {
    SkinBitmap big(512, 256);
    for (int y = 0; y < big.Height(); ++y)
        for (int x = 0; x < big.Width(); ++x)
            big.SetPixel(x, y, MakePixel(std::uint8_t(x), std::uint8_t(y), 9));
    const std::vector<std::uint8_t> file = EncodeBmp24(big);
    for (auto _ : state) {
        SkinBitmap b = DecodeBmp(file);
        benchmark::DoNotOptimize(b.Row(0));
    }
    state.SetBytesProcessed(state.iterations() * std::int64_t(file.size()));
}
BENCHMARK(DecodeSkinBmp)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
