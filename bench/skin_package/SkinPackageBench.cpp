// Decoder and encoder throughput on skin-like packages of about 1 MB and 10 MB
// (24-bit bitmaps with magenta key areas, dithered gradients, flat faces and noisy
// textures, plus a definition text) and on the shipped skins, beside the plain
// classic decoder (PlainLzh.h). Rates are of decompressed (archive) bytes; the
// counter "ratio" is compressed size / archive size.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <random>
#include <string>

#include "bench/skin_package/PlainLzh.h"

#include "skin/package/LzhEncoder.h"
#include "skin/package/SkinReader.h"

namespace {

using namespace zuno::skin;
using Bytes = std::vector<uint8_t>;

void PutLe(Bytes& b, uint32_t v, int n) {
    for (int i = 0; i < n; ++i) b.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

// A 24-bit bottom-up BMP like a skin's frame or button strip.
Bytes MakeBitmap(int w, int h, std::mt19937& rng) {
    const int row = (w * 3 + 3) / 4 * 4;
    Bytes b;
    b.push_back('B');
    b.push_back('M');
    PutLe(b, 54 + row * h, 4);
    PutLe(b, 0, 4);
    PutLe(b, 54, 4);
    PutLe(b, 40, 4);
    PutLe(b, w, 4);
    PutLe(b, h, 4);
    PutLe(b, 1, 2);
    PutLe(b, 24, 2);
    for (int i = 0; i < 6; ++i) PutLe(b, 0, 4);
    const int style = static_cast<int>(rng() % 4);
    const uint8_t base = static_cast<uint8_t>(rng());
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            uint8_t r, g, bl;
            const bool key = (x < 4 && y < 4) || (x >= w - 4 && y < 4) || (style == 2 && (x / 8 + y / 8) % 5 == 0);
            const auto noise = [&](int amp) { return static_cast<int>(rng() % (2 * amp + 1)) - amp; };
            if (key) {
                r = 255, g = 0, bl = 255;  // transparent corner / cut-out
            } else if (style == 0) {       // dithered two-way gradient, the typical title bar
                const int d = noise(2);
                r = static_cast<uint8_t>(base + y * 2 + x / 6 + d);
                g = static_cast<uint8_t>(base / 2 + y + x / 9 + d);
                bl = static_cast<uint8_t>(200 - x / 5 + d);
            } else if (style == 1) {       // flat face with a little noise and a bevel
                const bool edge = x == 4 || y == h - 1;
                r = g = bl = edge ? 255 : static_cast<uint8_t>(192 + (rng() % 8 == 0 ? rng() % 6 : 0));
            } else {                       // textured surface (brushed metal, wood)
                const int t = base + ((x * 7 + y * 13) % 31) + noise(10);
                r = static_cast<uint8_t>(t);
                g = static_cast<uint8_t>(t * 3 / 4);
                bl = static_cast<uint8_t>(t / 2 + noise(4));
            }
            b.push_back(bl);
            b.push_back(g);
            b.push_back(r);
        }
        for (int p = w * 3; p < row; ++p) b.push_back(0);
    }
    return b;
}

std::vector<SkinPackageMember> MakeSkin(size_t targetBytes) {
    std::mt19937 rng(2024);
    std::vector<SkinPackageMember> members;
    std::string ini = "; generated skin\r\n[Skin]\r\nName=Bench\r\n";
    size_t total = 0;
    for (int i = 0; total < targetBytes; ++i) {
        const std::string name = "part" + std::to_string(i) + ".bmp";
        ini += "[Part" + std::to_string(i) + "]\r\nImage=" + name + "\r\nTop=" + std::to_string(i % 9) +
               "\r\nTrans=1\r\nColour=$00FF00FF\r\n";
        Bytes bmp = MakeBitmap(40 + static_cast<int>(rng() % 300), 8 + static_cast<int>(rng() % 60), rng);
        total += bmp.size();
        members.push_back({name, std::move(bmp)});
    }
    members.insert(members.begin(), {"skin.ini", Bytes(ini.begin(), ini.end())});
    return members;
}

struct Fixture {
    Bytes archive;
    Bytes package;
};

const Fixture& GetFixture(size_t megabytes) {
    static std::map<size_t, Fixture> cache;
    auto it = cache.find(megabytes);
    if (it == cache.end()) {
        Fixture f;
        f.archive = BuildSkinArchive(MakeSkin(megabytes << 20));
        f.package = PackSkinArchive(f.archive);
        it = cache.emplace(megabytes, std::move(f)).first;
    }
    return it->second;
}

void BM_Decode(benchmark::State& state) {
    const Fixture& f = GetFixture(static_cast<size_t>(state.range(0)));
    Bytes out;
    for (auto _ : state) {
        TSkinReader::Decompress(f.package, out);
        benchmark::DoNotOptimize(out.data());
    }
    if (out != f.archive) state.SkipWithError("decoded archive differs");
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * f.archive.size()));
    state.counters["ratio"] = static_cast<double>(f.package.size()) / f.archive.size();
    state.counters["archive_MB"] = f.archive.size() / 1e6;
}

void BM_DecodePlain(benchmark::State& state) {
    const Fixture& f = GetFixture(static_cast<size_t>(state.range(0)));
    const std::span<const uint8_t> stream(f.package.data() + 4, f.package.size() - 4);
    Bytes out;
    for (auto _ : state) {
        out = zuno::bench::PlainLzhUnpack(static_cast<int64_t>(f.archive.size()), stream);
        benchmark::DoNotOptimize(out.data());
    }
    if (out != f.archive) state.SkipWithError("plain decoder differs");
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * f.archive.size()));
}

// The shipped skins, all packages of the host build's skins folder one after
// the other; with argument 1 the classic decoder is timed instead of ours.
std::vector<Bytes> ShippedSkins() {
    static const std::vector<Bytes> skins = [] {
        std::vector<Bytes> all;
        for (const auto& entry : std::filesystem::directory_iterator(ZUNO_SHIPPED_SKINS)) {
            if (entry.path().extension() != ".skn") continue;
            std::ifstream in(entry.path(), std::ios::binary);
            all.emplace_back(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        }
        return all;
    }();
    return skins;
}

void BM_DecodeShippedSkins(benchmark::State& state) {
    const bool plain = state.range(0) != 0;
    const std::vector<Bytes> skins = ShippedSkins();
    if (skins.empty()) {
        state.SkipWithError("no skins in " ZUNO_SHIPPED_SKINS);
        return;
    }
    size_t bytes = 0;
    Bytes ours, classic;
    for (auto _ : state) {
        bytes = 0;
        for (const Bytes& skn : skins) {
            const int32_t count = static_cast<int32_t>(skn[0] | skn[1] << 8 | skn[2] << 16 | skn[3] << 24);
            if (plain) {
                classic = zuno::bench::PlainLzhUnpack(count, std::span<const uint8_t>(skn).subspan(4));
                benchmark::DoNotOptimize(classic.data());
            } else {
                TSkinReader::Decompress(skn, ours);
                benchmark::DoNotOptimize(ours.data());
            }
            bytes += static_cast<size_t>(count);
        }
    }
    for (const Bytes& skn : skins) {
        TSkinReader::Decompress(skn, ours);
        const int32_t count = static_cast<int32_t>(skn[0] | skn[1] << 8 | skn[2] << 16 | skn[3] << 24);
        if (ours != zuno::bench::PlainLzhUnpack(count, std::span<const uint8_t>(skn).subspan(4)))
            state.SkipWithError("a shipped skin decodes differently from the plain decoder");
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes));
    state.counters["skins"] = static_cast<double>(skins.size());
}

void BM_LoadAndExtractAll(benchmark::State& state) {
    const Fixture& f = GetFixture(static_cast<size_t>(state.range(0)));
    for (auto _ : state) {
        TSkinReader reader;
        reader.LoadFromStream(f.package);
        Bytes member;
        for (const std::string& name : reader.Names()) reader.ExtractFile(name, member);
        benchmark::DoNotOptimize(member.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * f.archive.size()));
}

void BM_Encode(benchmark::State& state) {
    const Fixture& f = GetFixture(static_cast<size_t>(state.range(0)));
    size_t size = 0;
    for (auto _ : state) {
        const Bytes stream = TLZHEncoder::Encode(f.archive);
        size = stream.size();
        benchmark::DoNotOptimize(stream.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * f.archive.size()));
    state.counters["ratio"] = static_cast<double>(size + 4) / f.archive.size();
}

// Decoding is CPU-bound and deterministic: other work on the machine only ever adds
// time, so over repetitions the fastest is the steadiest figure to compare.
double Fastest(const std::vector<double>& v) { return *std::min_element(v.begin(), v.end()); }

BENCHMARK(BM_Decode)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond)->ComputeStatistics("min", Fastest);
BENCHMARK(BM_DecodePlain)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond)->ComputeStatistics("min", Fastest);
BENCHMARK(BM_DecodeShippedSkins)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->ComputeStatistics("min", Fastest);
BENCHMARK(BM_LoadAndExtractAll)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Encode)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
