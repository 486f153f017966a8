// LZHUF decoding of a package held whole in memory: the same model and the same
// output as the step-by-step TLZH, but with a 64-bit bit buffer, the tree walked
// two levels a step, the path found going down reused going up, a linear rebuild
// of the tree and the output written straight into the result.
#include "skin/package/Lzh.h"

#include <algorithm>
#include <cstring>
#include <iterator>
#include <memory>

namespace zuno::skin::lzh {
namespace {

// Bits most significant first; past the end of the input the stream reads as zeros.
class BitReader {
public:
    explicit BitReader(std::span<const uint8_t> in) : p_(in.data()), end_(in.data() + in.size()) {}

    // Tops the buffer up to at least 57 valid bits.
    void Refill() {
        if (end_ - p_ >= 8) {
            uint64_t v;
            std::memcpy(&v, p_, 8);
            v = __builtin_bswap64(v);
            // Bits below the valid ones repeat input bytes not yet consumed, so
            // OR-ing them in again changes nothing.
            buf_ |= v >> bits_;
            p_ += (63 - bits_) >> 3;
            bits_ |= 56;
            return;
        }
        while (bits_ <= 56) {
            const uint64_t b = p_ < end_ ? *p_++ : 0;
            buf_ |= b << (56 - bits_);
            bits_ += 8;
        }
    }
    int Bit() {
        if (bits_ == 0) Refill();
        const int b = static_cast<int>(buf_ >> 63);
        buf_ <<= 1;
        --bits_;
        return b;
    }
    // The next two bits, not yet consumed.
    unsigned PeekTwo() {
        if (bits_ < 2) Refill();
        return static_cast<unsigned>(buf_ >> 62);
    }
    void Skip(int n) {
        buf_ <<= n;
        bits_ -= n;
    }
    // The next n bits (1..24) as a number.
    unsigned Take(int n) {
        if (bits_ < n) Refill();
        const auto v = static_cast<unsigned>(buf_ >> (64 - n));
        buf_ <<= n;
        bits_ -= n;
        return v;
    }

private:
    const uint8_t* p_;
    const uint8_t* end_;
    uint64_t buf_ = 0;
    int bits_ = 0;
};

// The adaptive model of TLZHTree in fixed arrays, Update taking the path recorded
// by the walk down for as long as no swap has moved the node off it. Beside the
// tree, grand_ holds for every node and bit the son of that child, so that the
// walk down loads once per two levels.
class FastTree {
public:
    FastTree() {
        for (int i = 0; i < SymbolCount; ++i) {
            freq_[i] = 1;
            son_[i] = static_cast<int16_t>(i + TreeSize);
            parent_[i + TreeSize] = static_cast<int16_t>(i);
        }
        int i = 0;
        for (int j = SymbolCount; j <= Root; ++j) {
            freq_[j] = static_cast<uint16_t>(freq_[i] + freq_[i + 1]);
            son_[j] = static_cast<int16_t>(i);
            parent_[i] = parent_[i + 1] = static_cast<int16_t>(j);
            i += 2;
        }
        std::fill(std::begin(freq_) + TreeSize, std::end(freq_), uint16_t{0xFFFF});
        parent_[Root] = 0;
        for (int p = 0; p < TreeSize; ++p) SetGrand(p);
    }

    int DecodeChar(BitReader& bits) {
        // Topped up before every symbol, the buffer seldom runs dry in the middle
        // of one, so the test for that in Bit and Take is nearly always false.
        bits.Refill();
        int depth = 0;
        int c = son_[Root];
        do {
            // x: the child the first bit picks; y: its child the second bit picks,
            // taken only if x is no leaf (a leaf consumes one bit).
            const unsigned two = bits.PeekTwo();
            const int x = c + static_cast<int>(two >> 1);
            const int sx = son_[x];
            const bool inner = sx < TreeSize;
            path_[depth] = static_cast<int16_t>(x);
            path_[depth + 1] = static_cast<int16_t>(sx + static_cast<int>(two & 1));
            const int below = grand_[2 * x + (two & 1)];
            c = inner ? below : sx;
            bits.Skip(1 + inner);
            depth += 1 + inner;
        } while (c < TreeSize);
        Update(depth, c);
        return c - TreeSize;
    }

private:
    void Update(int depth, int leaf) {
        if (freq_[Root] == MaxFreq) {
            Reconst();
            UpdateFrom(parent_[leaf]);  // the leaf has moved: no path to reuse
            return;
        }
        // path_[m] is a child of path_[m - 1], path_[0] a child of the root. A
        // swap that leaves the node under the same parent keeps the path good.
        for (int m = depth - 1; m >= 0; --m) {
            const int c = path_[m];
            const uint16_t k = static_cast<uint16_t>(freq_[c] + 1);
            freq_[c] = k;
            if (k > freq_[c + 1]) {
                const int up = parent_[Swap(c, k)];
                if (up != (m > 0 ? path_[m - 1] : Root)) {
                    if (up != 0) UpdateFrom(up);
                    return;
                }
            }
        }
        ++freq_[Root];
    }

    // One step of TLZHTree::Update: counts node c up, swaps it if needed and
    // returns the parent of where it ends.
    int CountUp(int c) {
        const uint16_t k = static_cast<uint16_t>(freq_[c] + 1);
        freq_[c] = k;
        if (k > freq_[c + 1]) c = Swap(c, k);
        return parent_[c];
    }

    // TLZHTree::Update's loop from node c up, following the parent links.
    void UpdateFrom(int c) {
        do {
            c = CountUp(c);
        } while (c != 0);
    }

    // Moves node c (already counted up to k) behind the last node of lower
    // frequency; returns its new position.
    int Swap(int c, uint16_t k) {
        // Since Freq is sorted, the positions below k after c form a run; it is
        // measured sixteen at a time, without a branch per position.
        int l = c;
        for (;;) {
            int below = 0;
            for (int j = 1; j <= 16; ++j) below += freq_[l + j] < k;
            l += below;
            if (below < 16) break;
        }
        freq_[c] = freq_[l];
        freq_[l] = k;
        // A leaf has no second child: its would-be sibling link goes to a spare
        // slot instead of a branch that mispredicts half the time.
        const int i = son_[c];
        parent_[i] = static_cast<int16_t>(l);
        parent_[i < TreeSize ? i + 1 : kSpare] = static_cast<int16_t>(l);
        const int j = son_[l];
        son_[l] = static_cast<int16_t>(i);
        parent_[j] = static_cast<int16_t>(c);
        parent_[j < TreeSize ? j + 1 : kSpare] = static_cast<int16_t>(c);
        son_[c] = static_cast<int16_t>(j);
        // The grandchildren moved with the children; the two parents see new sons.
        uint32_t pairC, pairL;
        std::memcpy(&pairC, &grand_[2 * c], sizeof pairC);
        std::memcpy(&pairL, &grand_[2 * l], sizeof pairL);
        std::memcpy(&grand_[2 * c], &pairL, sizeof pairL);
        std::memcpy(&grand_[2 * l], &pairC, sizeof pairC);
        grand_[2 * parent_[c] + (c & 1)] = static_cast<int16_t>(j);
        grand_[2 * parent_[l] + (l & 1)] = static_cast<int16_t>(i);
        return l;
    }

    // For a leaf the entries are read from son_'s spare tail and never used.
    void SetGrand(int p) {
        const int s = son_[p];
        grand_[2 * p] = son_[s];
        grand_[2 * p + 1] = son_[s + 1];
    }

    // TLZHTree::Reconst in linear time. Its insertion puts each new inner node
    // behind every node of no greater frequency, and the leaves stay sorted, so
    // the result is the merge of the halved leaves with the inner nodes in the
    // order they are made, a leaf first where the two are equal.
    void Reconst() {
        uint16_t leafFreq[SymbolCount];
        int16_t leafSon[SymbolCount];
        int n = 0;
        for (int i = 0; i < TreeSize; ++i) {
            if (son_[i] >= TreeSize) {
                leafFreq[n] = static_cast<uint16_t>((freq_[i] + 1) / 2);
                leafSon[n] = son_[i];
                ++n;
            }
        }
        // Inner node t joins positions 2t and 2t + 1, and is never placed before
        // position 2t + 2: it exists by the time the merge could take it.
        uint16_t innerFreq[SymbolCount - 1];
        int leaf = 0, inner = 0, made = 0;
        for (int p = 0; p < TreeSize; ++p) {
            for (; made < SymbolCount - 1 && 2 * made + 1 < p; ++made)
                innerFreq[made] = static_cast<uint16_t>(freq_[2 * made] + freq_[2 * made + 1]);
            if (leaf < SymbolCount && (inner == made || leafFreq[leaf] <= innerFreq[inner])) {
                freq_[p] = leafFreq[leaf];
                son_[p] = leafSon[leaf++];
            } else {
                freq_[p] = innerFreq[inner];
                son_[p] = static_cast<int16_t>(2 * inner++);
            }
        }
        for (int i = 0; i < TreeSize; ++i) {
            const int k = son_[i];
            parent_[k] = static_cast<int16_t>(i);
            if (k < TreeSize) parent_[k + 1] = static_cast<int16_t>(i);
        }
        for (int p = 0; p < TreeSize; ++p) SetGrand(p);
    }

    uint16_t freq_[TreeSize + 1 + 16];  // sentinels at 627 and after, for Swap's look-ahead
    static constexpr int kSpare = TreeSize + SymbolCount;
    int16_t parent_[TreeSize + SymbolCount + 1];  // the last one a spare, never read
    int16_t son_[TreeSize + SymbolCount + 1] = {};  // a leaf's entry indexes the tail
    int16_t grand_[2 * TreeSize];
    int16_t path_[TreeSize + 1];  // a path is never longer than the tree has nodes; one spare
};

// The smallest multiple of each distance below 16 that is at least 8.
constexpr uint8_t kRepeatBack[16] = {0, 8, 8, 9, 8, 10, 12, 14, 8, 9, 10, 11, 12, 13, 14, 15};

int DecodePosition(BitReader& bits) {
    // The first byte gives the upper six bits and how many bits the code has in
    // all (8 + PositionLength - 2); the last six of those are the lower six bits.
    const unsigned first = bits.Take(8);
    const int more = PositionLength[first] - 2;
    const unsigned code = (first << more) | bits.Take(more);
    return static_cast<int>((unsigned{PositionCode[first]} << 6) | (code & 0x3F));
}

}  // namespace

std::vector<uint8_t> UnpackWhole(int64_t count, std::span<const uint8_t> input) {
    std::vector<uint8_t> out;
    if (count <= 0) return out;
    // Behind the output, room for a final match and the piece it overshoots by.
    out.resize(static_cast<size_t>(count) + 64);
    uint8_t* const start = out.data();
    uint8_t* o = start;
    uint8_t* const stop = start + count;
    BitReader bits(input);
    auto tree = std::make_unique<FastTree>();
    while (o < stop) {
        const int c = tree->DecodeChar(bits);
        if (c < 256) {
            *o++ = static_cast<uint8_t>(c);
            continue;
        }
        const int distance = DecodePosition(bits) + 1;
        const int length = c - 255 + Threshold;
        const uint8_t* from = o - distance;
        if (distance > o - start) [[unlikely]] {
            // Reaching back before the first byte: the ring's initial content,
            // 4036 spaces behind 60 never-written (zero) positions.
            const ptrdiff_t at = from - start;
            for (int k = 0; k < length; ++k) {
                const ptrdiff_t s = at + k;
                o[k] = s >= 0 ? start[s] : s >= -FirstRingPosition ? uint8_t{' '} : uint8_t{0};
            }
        } else if (distance >= 16) {
            // Always as many pieces as the longest match needs, so that no loop
            // depends on the length; bytes past `length` are overwritten by what
            // comes next (the buffer has room behind its end for them). Pieces no
            // longer than the distance each read bytes already written.
            for (int k = 0; k < 64; k += 16) std::memcpy(o + k, from + k, 16);
        } else {
            // The first eight bytes one by one (they may repeat a shorter run),
            // the rest eight at a time from a whole number of distances back, at
            // least eight bytes behind: the run repeats with that period.
            o[0] = from[0], o[1] = from[1], o[2] = from[2], o[3] = from[3];
            o[4] = from[4], o[5] = from[5], o[6] = from[6], o[7] = from[7];
            const int back = kRepeatBack[distance];
            for (int k = 8; k < 64; k += 8) std::memcpy(o + k, o + k - back, 8);
        }
        o += length;
    }
    out.resize(static_cast<size_t>(o - start));
    return out;
}

}  // namespace zuno::skin::lzh
