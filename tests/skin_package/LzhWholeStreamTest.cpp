// The whole-stream decoder (what TLZH::Unpack of a byte span uses) against the
// step-by-step decoder driven through callbacks: byte-identical output, length
// included, for encoder output, truncated streams and arbitrary bytes.
#include <gtest/gtest.h>

#include <random>

#include "skin/package/Lzh.h"
#include "skin/package/LzhEncoder.h"

namespace zuno::skin {
namespace {

using Bytes = std::vector<uint8_t>;

Bytes StepByStep(int64_t count, const Bytes& stream) {
    size_t pos = 0;
    Bytes out;
    TLZH lzh;
    lzh.Unpack(
        count,
        [&](uint8_t* buf, size_t n) {
            n = std::min(n, stream.size() - pos);
            std::copy_n(stream.data() + pos, n, buf);
            pos += n;
            return n;
        },
        [&](const uint8_t* b, size_t n) { out.insert(out.end(), b, b + n); });
    return out;
}

Bytes Random(size_t n, uint32_t seed, int alphabet = 256) {
    std::mt19937 rng(seed);
    Bytes b(n);
    for (auto& x : b) x = static_cast<uint8_t>(rng() % static_cast<unsigned>(alphabet));
    return b;
}

// Skin-like: rows of a few colours with noise, long runs and magenta keys.
Bytes BitmapLike(size_t n, uint32_t seed) {
    std::mt19937 rng(seed);
    Bytes b;
    while (b.size() < n) {
        const bool key = rng() % 7 == 0;
        const uint8_t base = static_cast<uint8_t>(rng());
        for (int x = 0, w = 20 + static_cast<int>(rng() % 200); x < w; ++x) {
            b.push_back(key ? 255 : static_cast<uint8_t>(base + rng() % 3));
            b.push_back(key ? 0 : base);
            b.push_back(key ? 255 : static_cast<uint8_t>(base / 2));
        }
    }
    b.resize(n);
    return b;
}

// Each byte value about half as frequent as the one before it: a lopsided tree
// whose rare symbols sit many levels down.
Bytes Geometric(size_t n, uint32_t seed) {
    std::mt19937 rng(seed);
    Bytes b(n);
    for (auto& x : b) {
        const uint32_t r = rng() | 1u << 31;
        x = static_cast<uint8_t>(__builtin_ctz(r) * 7);
    }
    return b;
}

TEST(LzhWholeStream, EncodedDataDecodesLikeTheStepDecoder) {
    struct Case {
        const char* name;
        Bytes data;
    };
    const Case cases[] = {
        {"one byte", {0x42}},
        {"leading spaces reach back before the first byte", Bytes(5000, ' ')},
        {"run of one byte", Bytes(70000, 0xAB)},
        {"random", Random(20000, 1)},
        {"small alphabet, many tree rebuilds", Random(300000, 2, 5)},
        {"bitmap-like", BitmapLike(400000, 3)},
        {"lopsided tree", Geometric(200000, 5)},
    };
    for (const Case& c : cases) {
        const Bytes stream = TLZHEncoder::Encode(c.data);
        const auto count = static_cast<int64_t>(c.data.size());
        const Bytes whole = TLZH::Unpack(count, stream);
        EXPECT_EQ(whole, c.data) << c.name;
        EXPECT_EQ(whole, StepByStep(count, stream)) << c.name;
    }
}

TEST(LzhWholeStream, TruncatedAndArbitraryStreamsDecodeAlike) {
    const Bytes encoded = TLZHEncoder::Encode(BitmapLike(100000, 4));
    for (size_t keep : {size_t{0}, size_t{1}, size_t{7}, size_t{8}, size_t{9}, encoded.size() / 2}) {
        const Bytes cut(encoded.begin(), encoded.begin() + static_cast<std::ptrdiff_t>(keep));
        EXPECT_EQ(TLZH::Unpack(100000, cut), StepByStep(100000, cut)) << "kept " << keep;
    }
    // Arbitrary bytes: far matches into the ring's initial spaces and zeros, and
    // outputs that overshoot the count by a final match.
    for (uint32_t seed = 10; seed < 40; ++seed) {
        const Bytes noise = Random(1 + seed * 37, seed);
        const int64_t count = static_cast<int64_t>(noise.size()) * 6 + seed;
        const Bytes whole = TLZH::Unpack(count, noise);
        EXPECT_EQ(whole, StepByStep(count, noise)) << "seed " << seed;
        EXPECT_GE(static_cast<int64_t>(whole.size()), count);
        EXPECT_LT(static_cast<int64_t>(whole.size()), count + lzh::MaxMatch);
    }
}

}  // namespace
}  // namespace zuno::skin
