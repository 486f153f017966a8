// Encoder and decoder together: every input comes back byte for byte with the
// exact count, and the encoder really uses matches (including the farthest
// distance, 4,096, and matches that cross the ring's wrap).
#include <gtest/gtest.h>

#include <random>

#include "skin/package/Lzh.h"
#include "skin/package/LzhEncoder.h"

namespace zuno::skin {
namespace {

using Bytes = std::vector<uint8_t>;

Bytes RoundTrip(const Bytes& data, size_t* compressed = nullptr) {
    const Bytes stream = TLZHEncoder::Encode(data);
    if (compressed) *compressed = stream.size();
    // The bound the reader enforces must hold for everything the encoder makes.
    EXPECT_LE(data.size(), lzh::MaxOutputPerInputByte * stream.size());
    return TLZH::Unpack(static_cast<int64_t>(data.size()), stream);
}

Bytes Random(size_t n, uint32_t seed) {
    std::mt19937 rng(seed);
    Bytes b(n);
    for (auto& x : b) x = static_cast<uint8_t>(rng());
    return b;
}

struct Case {
    const char* name;
    Bytes data;
    double maxRatio;  // compressed / original must stay at or below this
};

std::vector<Case> Cases() {
    std::vector<Case> cases;
    cases.push_back({"empty", {}, 1.0});
    cases.push_back({"one byte", {0x42}, 3.0});
    cases.push_back({"one space (matches nothing yet)", {' '}, 3.0});
    cases.push_back({"run of one byte", Bytes(100000, 'x'), 0.025});
    cases.push_back({"leading spaces match the preset window", Bytes(5000, ' '), 0.03});
    Bytes all;
    for (int i = 0; i < 256; ++i) all.push_back(static_cast<uint8_t>(i));
    cases.push_back({"all 256 byte values", all, 1.2});
    Bytes allTwice = all;
    for (int r = 0; r < 20; ++r) allTwice.insert(allTwice.end(), all.begin(), all.end());
    cases.push_back({"all 256 byte values repeated", allTwice, 0.2});
    cases.push_back({"random 64 KiB", Random(65536, 7), 1.02});
    std::string text;
    for (int i = 0; i < 3000; ++i) text += "[Buttons]\r\nImage=button" + std::to_string(i % 37) + ".bmp\r\n";
    cases.push_back({"repetitive text", Bytes(text.begin(), text.end()), 0.2});
    return cases;
}

TEST(LzhRoundTrip, Table) {
    for (const Case& c : Cases()) {
        size_t compressed = 0;
        EXPECT_EQ(RoundTrip(c.data, &compressed), c.data) << c.name;
        if (!c.data.empty()) {
            EXPECT_LE(compressed, c.maxRatio * c.data.size() + 2) << c.name;
        }
    }
}

TEST(LzhRoundTrip, OneMegabyteOfMixedContent) {
    std::mt19937 rng(11);
    Bytes data;
    while (data.size() < (1u << 20)) {
        switch (rng() % 3) {
            case 0: data.insert(data.end(), rng() % 300 + 1, static_cast<uint8_t>(rng())); break;
            case 1: for (int i = rng() % 200; i > 0; --i) data.push_back(static_cast<uint8_t>(rng())); break;
            default: {  // copy from up to 5000 bytes back (beyond the window too)
                if (data.size() < 5000) break;
                const size_t from = data.size() - 1 - rng() % 5000;
                const size_t len = rng() % 100 + 1;
                for (size_t i = 0; i < len; ++i) data.push_back(data[from + i]);
            }
        }
    }
    data.resize(1u << 20);
    EXPECT_EQ(RoundTrip(data), data);
}

TEST(LzhRoundTrip, FarthestDistanceAndWindowWrap) {
    // A random 4096-byte block twice: the second copy can only match at distance 4096,
    // and its matches cross ring position 4095 -> 0 (data starts at ring position 4036).
    const Bytes block = Random(4096, 3);
    Bytes data = block;
    data.insert(data.end(), block.begin(), block.end());
    size_t compressed = 0;
    EXPECT_EQ(RoundTrip(data, &compressed), data);
    EXPECT_LT(compressed, 4096 + 4096 / 4);  // the second copy costs little

    // Distance 4097 is out of reach: a block of 4097 twice must still be right.
    const Bytes block2 = Random(4097, 4);
    Bytes data2 = block2;
    data2.insert(data2.end(), block2.begin(), block2.end());
    EXPECT_EQ(RoundTrip(data2), data2);
}

TEST(LzhRoundTrip, LongMatchesAcrossManyWraps) {
    // Period 61 (longer than the longest match) over 200 KiB: every match is 60 long
    // and the ring wraps about fifty times.
    const Bytes period = Random(61, 9);
    Bytes data;
    while (data.size() < 200 * 1024) data.insert(data.end(), period.begin(), period.end());
    size_t compressed = 0;
    EXPECT_EQ(RoundTrip(data, &compressed), data);
    EXPECT_LT(compressed, data.size() / 20);
}

TEST(LzhRoundTrip, EveryLengthAndManyDistances) {
    // Repeats of each length 3..60 at assorted distances.
    std::mt19937 rng(5);
    Bytes data = Random(5000, 6);
    for (int len = 3; len <= 60; ++len) {
        for (int k = 0; k < 5; ++k) {
            const size_t dist = 1 + rng() % 4096;
            const size_t from = data.size() - dist;
            for (int i = 0; i < len; ++i) data.push_back(data[from + i]);
            data.push_back(static_cast<uint8_t>(rng()));  // break the match
        }
    }
    EXPECT_EQ(RoundTrip(data), data);
}

TEST(LzhRoundTrip, ManyShortInputs) {
    std::mt19937 rng(1);
    for (int n = 0; n < 300; ++n) {
        Bytes data(n);
        for (auto& b : data) b = static_cast<uint8_t>("ab \x00\xff"[rng() % 5]);
        ASSERT_EQ(RoundTrip(data), data) << n;
    }
}

}  // namespace
}  // namespace zuno::skin
