// The LZHUF decoder step by step: the fixed distance tables, the bit input, the
// Huffman model's invariants, and small streams whose bits were worked out by hand
// from the initial tree.
#include <gtest/gtest.h>

#include <numeric>
#include <string>

#include "skin/package/Lzh.h"

namespace zuno::skin {
namespace {

using Bytes = std::vector<uint8_t>;

std::string Decode(int64_t count, const Bytes& stream) {
    const Bytes out = TLZH::Unpack(count, stream);
    return std::string(out.begin(), out.end());
}

TEST(LzhTables, PositionCodeAndLengthFollowTheStandardLayout) {
    struct Range { int first, last, firstCode, each, length; };
    const Range ranges[] = {{0, 31, 0, 32, 3},     {32, 79, 1, 16, 4},   {80, 143, 4, 8, 5},
                            {144, 191, 12, 4, 6}, {192, 239, 24, 2, 7}, {240, 255, 48, 1, 8}};
    for (const Range& r : ranges) {
        for (int i = r.first; i <= r.last; ++i) {
            EXPECT_EQ(lzh::PositionCode[i], r.firstCode + (i - r.first) / r.each) << i;
            EXPECT_EQ(lzh::PositionLength[i], r.length) << i;
        }
    }
}

// Checks the model's invariants: Freq sorted, sentinel, parent/son links agree,
// every inner node's frequency is the sum of its children, root holds the total.
void ExpectTreeConsistent(const TLZHTree& t) {
    const auto& f = t.Freq();
    const auto& p = t.Parent();
    const auto& s = t.Son();
    ASSERT_EQ(f[lzh::TreeSize], 0xFFFF);
    uint32_t leaves = 0;
    int leafCount = 0;
    for (int n = 0; n < lzh::TreeSize; ++n) {
        if (n > 0) {
            ASSERT_LE(f[n - 1], f[n]) << "Freq not sorted at " << n;
        }
        if (s[n] >= lzh::TreeSize) {
            ASSERT_EQ(p[s[n]], n) << "leaf link at " << n;
            leaves += f[n];
            ++leafCount;
        } else {
            ASSERT_EQ(s[n] % 2, 0) << "children must sit at an even/odd pair, node " << n;
            ASSERT_EQ(p[s[n]], n);
            ASSERT_EQ(p[s[n] + 1], n);
            ASSERT_EQ(f[n], f[s[n]] + f[s[n] + 1]) << "node " << n;
        }
    }
    EXPECT_EQ(leafCount, lzh::SymbolCount);
    EXPECT_EQ(f[lzh::Root], leaves);
}

TEST(LzhTree, StartHuffBuildsTheBalancedInitialTree) {
    TLZHTree t;
    t.AllocTables();
    t.StartHuff();
    ExpectTreeConsistent(t);
    EXPECT_EQ(t.Freq()[lzh::Root], 314);
    EXPECT_EQ(t.Son()[lzh::Root], 624);
    EXPECT_EQ(t.Parent()[lzh::Root], 0);
    EXPECT_EQ(t.Son()[0], 627);  // leaf of symbol 0
}

TEST(LzhTree, UpdateMovesAFrequentLeafUpAndKeepsTheInvariants) {
    TLZHTree t;
    t.AllocTables();
    t.StartHuff();
    t.Update('A');
    // Worked by hand: leaf 65 swaps with the last leaf of frequency 1 (position 313).
    EXPECT_EQ(t.Parent()[627 + 'A'], 313);
    EXPECT_EQ(t.Parent()[627 + 313], 65);
    EXPECT_EQ(t.Freq()[313], 2);
    EXPECT_EQ(t.Freq()[lzh::Root], 315);
    ExpectTreeConsistent(t);
}

TEST(LzhTree, ReconstRunsWhenTheRootReachesMaxFreqAndHalvesLeaves) {
    TLZHTree t;
    t.AllocTables();
    t.StartHuff();
    // Skewed statistics so that Reconst has to reorder, not just halve.
    int updates = 0;
    while (t.Freq()[lzh::Root] < lzh::MaxFreq) {
        t.Update(updates % 7 == 0 ? 300 : updates % 3 == 0 ? 'e' : updates % 251);
        ++updates;
    }
    EXPECT_EQ(updates, 0x8000 - 314);
    ExpectTreeConsistent(t);
    t.Update('e');  // root at MaxFreq: rebuild first
    ExpectTreeConsistent(t);
    EXPECT_LT(t.Freq()[lzh::Root], 0x4200);  // halved (rounded up per leaf) plus one
    for (int i = 0; i < 40000; ++i) t.Update(i % 313);  // several more rebuilds
    ExpectTreeConsistent(t);
}

TEST(LzhBits, GetBitAndGetByteReadMostSignificantFirstThenZeros) {
    TLZH lzh;
    lzh.BeginForTest(Bytes{0xA5, 0x3C});
    EXPECT_EQ(lzh.GetBit(), 1);
    EXPECT_EQ(lzh.GetBit(), 0);
    EXPECT_EQ(lzh.GetByte(), 0x94);  // 1001 0100: six bits of A5, two of 3C
    EXPECT_EQ(lzh.GetByte(), 0xF0);  // six bits of 3C, then the zeros past the end
    for (int i = 0; i < 40; ++i) EXPECT_EQ(lzh.GetBit(), 0);
    EXPECT_EQ(lzh.GetByte(), 0);
}

TEST(LzhBits, DecodePositionReadsEveryDistance) {
    // Build each distance's code from the tables: the prefix of the first index whose
    // code is the upper six bits, then the lower six bits.
    for (int pos = 0; pos < 4096; ++pos) {
        const int high = pos >> 6;
        int first = 0;
        while (lzh::PositionCode[first] != high) ++first;
        const int len = lzh::PositionLength[first];
        const uint32_t code = static_cast<uint32_t>(first >> (8 - len)) << 6 | (pos & 63);
        const int bits = len + 6;
        const uint32_t aligned = code << (32 - bits);
        TLZH lzh;
        lzh.BeginForTest(Bytes{uint8_t(aligned >> 24), uint8_t(aligned >> 16), uint8_t(aligned >> 8), 0xFF});
        ASSERT_EQ(lzh.DecodePosition(), pos);
        // The next bits are the 1s of the filler byte (after the zero padding).
        int zeros = 0;
        while (lzh.GetBit() == 0 && zeros < 16) ++zeros;
        ASSERT_EQ(zeros, 24 - bits) << pos;
    }
}

// Streams worked out by hand on the initial tree (StartHuff): the node at position p
// has its parent at 314 + p/2, and its bit is p's low bit, so the code of a symbol is
// read off its path to the root.
TEST(LzhHandChecked, AllZeroBitsDecodeToTheLeftmostLeafT) {
    // Always the first child: 624, 620, 612, 596, 564, 500, 372, leaf 116 = 't'.
    EXPECT_EQ(Decode(1, {}), "t");
}

TEST(LzhHandChecked, LiteralA) {
    // Leaf 65: 625,623,619,610,592,557,487,346,65 -> 1 1 1 0 0 1 1 0 1.
    EXPECT_EQ(Decode(1, {0xE6, 0x80}), "A");
}

TEST(LzhHandChecked, FirstMatchCopiesTheInitialSpaces) {
    // Symbol 256 (length 3): 1000 1100, then distance 0: 0000 0000 0.
    EXPECT_EQ(Decode(3, {0x8C, 0x00, 0x00}), "   ");
    // Symbol 313 (length 60): 1100 0101, then distance 0.
    EXPECT_EQ(Decode(60, {0xC5, 0x00, 0x00}), std::string(60, ' '));
}

TEST(LzhHandChecked, MatchAtDistanceOneRepeatsTheLastByte) {
    // 'A', then (the update only swapped leaves 65 and 313) symbol 256 with distance 0:
    // 111001101 10001100 000000000 -> E6 C6 00 00.
    EXPECT_EQ(Decode(4, {0xE6, 0xC6, 0x00, 0x00}), "AAAA");
}

TEST(LzhHandChecked, CountIsComparedOnlyBeforeEachSymbol) {
    // Two bytes asked for, but the match after 'A' is written whole.
    EXPECT_EQ(Decode(2, {0xE6, 0xC6, 0x00, 0x00}), "AAAA");
    EXPECT_EQ(Decode(1, {0xE6, 0xC6, 0x00, 0x00}), "A");
}

TEST(LzhUnpack, NonPositiveCountProducesNothing) {
    EXPECT_EQ(Decode(0, {0xE6, 0x80}), "");
    EXPECT_EQ(Decode(-5, {0xE6, 0x80}), "");
}

TEST(LzhUnpack, InputCallbackMayReturnOneByteAtATime) {
    const Bytes stream{0xE6, 0xC6, 0x00, 0x00, 0x12, 0x34, 0x56};
    size_t pos = 0;
    std::string out;
    TLZH lzh;
    lzh.Unpack(
        40,
        [&](uint8_t* buf, size_t n) -> size_t {
            if (n == 0 || pos == stream.size()) return 0;
            *buf = stream[pos++];
            return 1;
        },
        [&](const uint8_t* b, size_t n) { out.append(reinterpret_cast<const char*>(b), n); });
    EXPECT_EQ(out, Decode(40, stream));
    EXPECT_GE(out.size(), 40u);
    EXPECT_EQ(pos, stream.size());  // truncated input: read to the end, then zero bits
}

TEST(LzhUnpack, TablesAreReleasedAfterUnpack) {
    TLZH lzh;
    lzh.Unpack(3, [](uint8_t*, size_t) -> size_t { return 0; }, [](const uint8_t*, size_t) {});
    EXPECT_TRUE(lzh.Freq().empty());
    EXPECT_TRUE(lzh.Son().empty());
}

}  // namespace
}  // namespace zuno::skin
