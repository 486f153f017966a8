// Benchmarks of a whole skin load (decompression, archive, definition, every bitmap,
// derived values) on a package shaped like a real skin: about forty bitmaps of the
// sizes skin art has, with enough noise that they compress as art does. Set
// ZUNO_SKIN_BENCH_FILE to a .skn file to time that package as well.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "skin/data/SkinData.h"
#include "skin/draw/BmpEncoder.h"
#include "skin/package/LzhEncoder.h"

namespace zuno::skin {
namespace {

struct Art {
    const char* name;
    int width, height;
};

// Member sizes of a typical skin: borders in two frames, title buttons in three or
// six, push buttons in five, the 23-frame scroll bar, and the rest.
constexpr Art kArt[] = {
    {"left.bmp", 16, 120},       {"right.bmp", 16, 120},      {"top.bmp", 320, 60},
    {"bottom.bmp", 320, 16},     {"textback.bmp", 120, 22},   {"menubar.bmp", 60, 40},
    {"close.bmp", 63, 21},       {"max.bmp", 63, 21},         {"min.bmp", 63, 21},
    {"restore.bmp", 63, 21},     {"help.bmp", 63, 21},        {"sysmenu.bmp", 126, 21},
    {"rollup.bmp", 63, 21},      {"mdi.bmp", 192, 14},        {"button.bmp", 375, 23},
    {"check.bmp", 104, 13},      {"radio.bmp", 104, 13},      {"progress.bmp", 60, 20},
    {"chunk.bmp", 8, 16},        {"tabs.bmp", 300, 22},       {"tabborder.bmp", 40, 40},
    {"status.bmp", 60, 20},      {"combo.bmp", 68, 17},       {"sunkedge.bmp", 40, 10},
    {"extra.bmp", 100, 20},      {"header.bmp", 100, 20},     {"menuitem.bmp", 100, 20},
    {"menuback.bmp", 64, 64},    {"scrollbar.bmp", 391, 17},  {"hscroll.bmp", 68, 17},
    {"vscroll.bmp", 68, 17},     {"hthumb.bmp", 51, 17},      {"vthumb.bmp", 51, 17},
    {"trackh.bmp", 55, 20},      {"trackv.bmp", 100, 11},     {"updownh.bmp", 128, 16},
    {"updownv.bmp", 128, 16},    {"glyphs.bmp", 64, 8},       {"logo.bmp", 120, 48},
    {"background.bmp", 64, 64},
};

constexpr const char* kDefinition = R"([TitlebarSkin]
SkinName=Benchmark
[Personality]
Left=left.bmp
LeftFrame=2
LeftTopHeight=30
LeftBotHeight=10
Right=right.bmp
RightFrame=2
Top=top.bmp
TopFrame=2
TopTopHeight=40
TopBotHeight=60
Bottom=bottom.bmp
BottomFrame=2
TextBack=textback.bmp
TextShift=24
menuBar=menubar.bmp
[Fonts]
FontHeight=13
[Colours]
ButtonFace=212 208 200
ButtonText=0 0 0
Hilight=49 106 197
HilightText=255 255 255
Menu=255 251 240
MenuText=0 0 0
[Button1]
Action=0
ButtonImage=close.bmp
[Button2]
Action=1
ButtonImage=max.bmp
[Button3]
Action=2
ButtonImage=min.bmp
[Button4]
Action=5
ButtonImage=restore.bmp
[Button5]
Action=4
ButtonImage=help.bmp
[Button6]
Action=3
ButtonImage=sysmenu.bmp
[Button7]
Action=6
ButtonImage=rollup.bmp
[MDICONTROLS]
Image=mdi.bmp
[Buttons]
Bitmap=button.bmp
CheckButton=check.bmp
RadioButton=radio.bmp
LeftWidth=4
RightWidth=4
TopHeight=4
BottomHeight=4
[Progress]
Bitmap=progress.bmp
Chunk=chunk.bmp
[Tabs]
Image=tabs.bmp
Border=tabborder.bmp
[StatusBarEdges]
Image=status.bmp
[ComboButton]
Image=combo.bmp
[SunkEdge]
Image=sunkedge.bmp
[ExtraImages]
Image=extra.bmp
[Headerbar]
Image=header.bmp
[MenuItem]
Image=menuitem.bmp
[MenuBackground]
Image=menuback.bmp
[Scrollbar]
Image=scrollbar.bmp
[HorzScroll]
Image=hscroll.bmp
[VertScroll]
Image=vscroll.bmp
[HorzScrollThumb]
Image=hthumb.bmp
[VertScrollThumb]
Image=vthumb.bmp
[Trackbar.ThumbHorz]
Image=trackh.bmp
[Trackbar.ThumbVert]
Image=trackv.bmp
[UpDown.Horz]
Image=updownh.bmp
GlyphImage=glyphs.bmp
[UpDown.Vert]
Image=updownv.bmp
GlyphImage=glyphs.bmp
)";

// Smooth shading with sparse noise and a magenta key area, like drawn skin art.
SkinBitmap MakeArt(int width, int height, unsigned seed) {
    SkinBitmap bitmap(width, height);
    unsigned noise = seed * 2654435761u + 1;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            noise = noise * 1103515245u + 12345u;
            const int n = (x % 8 == 0) ? static_cast<int>((noise >> 16) & 3) : 0;
            const bool key = x < width / 10 && y < height / 4;
            bitmap.SetPixel(x, y, key ? kKeyPixel
                                      : MakePixel(static_cast<std::uint8_t>(80 + y * 2 + n),
                                                  static_cast<std::uint8_t>(120 + x / 3 + n),
                                                  static_cast<std::uint8_t>(200 - y + n)));
        }
    }
    return bitmap;
}

const std::vector<std::uint8_t>& RealisticPackage() {
    static const std::vector<std::uint8_t> package = [] {
        std::vector<SkinPackageMember> members;
        members.push_back({"skin.ini", std::vector<std::uint8_t>(kDefinition, kDefinition + std::char_traits<char>::length(kDefinition))});
        unsigned seed = 1;
        for (const Art& art : kArt) members.push_back({art.name, EncodeBmp24(MakeArt(art.width, art.height, seed++))});
        return WriteSkinPackage(members);
    }();
    return package;
}

void LoadWholeSkin(benchmark::State& state, const std::vector<std::uint8_t>& package) {
    TSkinData skin;
    skin.PackageStream = package;
    for (auto _ : state) {
        if (!skin.LoadPackage()) state.SkipWithError("package refused");
        benchmark::DoNotOptimize(skin.Buttons.Bitmap.Width());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * package.size()));
    state.counters["package_bytes"] = static_cast<double>(package.size());
}

void BM_LoadRealisticSkin(benchmark::State& state) {
    LoadWholeSkin(state, RealisticPackage());
}
BENCHMARK(BM_LoadRealisticSkin)->Unit(benchmark::kMillisecond);

// The decompression share of the load above.
void BM_DecompressRealisticSkin(benchmark::State& state) {
    const std::vector<std::uint8_t>& package = RealisticPackage();
    std::vector<std::uint8_t> archive;
    for (auto _ : state) {
        TSkinReader::Decompress(package, archive);
        benchmark::DoNotOptimize(archive.data());
    }
    state.counters["archive_bytes"] = static_cast<double>(archive.size());
}
BENCHMARK(BM_DecompressRealisticSkin)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zuno::skin

int main(int argc, char** argv) {
    // A shipped package, when named, is timed next to the built one.
    if (const char* file = std::getenv("ZUNO_SKIN_BENCH_FILE")) {
        std::ifstream in(file, std::ios::binary);
        static std::vector<std::uint8_t> shipped((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        benchmark::RegisterBenchmark("BM_LoadShippedSkin", [](benchmark::State& state) {
            zuno::skin::LoadWholeSkin(state, shipped);
        })->Unit(benchmark::kMillisecond);
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
