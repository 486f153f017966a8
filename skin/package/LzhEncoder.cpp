// LZHUF compressor: hash-chain LZSS match finder with one-step lazy matching over
// the same 4,096-byte ring the decoder keeps, symbols coded with the shared
// adaptive Huffman model, distances with the fixed prefix code.
#include "skin/package/LzhEncoder.h"

#include <algorithm>
#include <stdexcept>

namespace zuno::skin {

using namespace lzh;

namespace {

// Encoder side of the distance code: for the upper six bits h of a distance, the
// prefix bits and their count, derived from the decoder tables.
struct PositionPrefix {
    std::array<uint8_t, 64> code{};
    std::array<uint8_t, 64> length{};
    PositionPrefix() {
        std::array<bool, 64> seen{};
        for (int i = 0; i < 256; ++i) {
            const int h = PositionCode[i];
            if (seen[h]) continue;
            seen[h] = true;
            length[h] = PositionLength[i];
            code[h] = static_cast<uint8_t>(i >> (8 - PositionLength[i]));
        }
    }
};

class BitWriter {
public:
    explicit BitWriter(std::vector<uint8_t>& out) : out_(out) {}
    // Writes the low `count` bits of `value`, most significant first (count <= 32).
    void Put(uint32_t value, int count) {
        acc_ = acc_ << count | (value & ((uint64_t{1} << count) - 1));
        bits_ += count;
        while (bits_ >= 8) {
            bits_ -= 8;
            out_.push_back(static_cast<uint8_t>(acc_ >> bits_));
        }
    }
    void Flush() {  // pads the last byte with zero bits
        if (bits_ > 0) out_.push_back(static_cast<uint8_t>(acc_ << (8 - bits_)));
        bits_ = 0;
    }

private:
    std::vector<uint8_t>& out_;
    uint64_t acc_ = 0;
    int bits_ = 0;
};

constexpr int HashBits = 15;
constexpr int MaxChain = 96;      // candidates tried per position
constexpr int LazyBelow = 32;     // try a lazy match only when the current one is shorter

inline uint32_t Hash3(const uint8_t* p) {
    const uint32_t v = uint32_t{p[0]} << 16 | uint32_t{p[1]} << 8 | p[2];
    return (v * 2654435761u) >> (32 - HashBits);
}

// The text as the decoder sees it: FirstRingPosition spaces, then the data. Index v
// of this text lives at ring position v AND 4095.
class MatchFinder {
public:
    explicit MatchFinder(const std::vector<uint8_t>& text)
        : text_(text), head_(size_t{1} << HashBits, -1), prev_(WindowSize, -1) {}

    // Inserts every position below `end` not yet inserted (positions need 3 bytes).
    void InsertUpTo(int64_t end) {
        const int64_t last = static_cast<int64_t>(text_.size()) - 3;
        for (; next_ < end && next_ <= last; ++next_) {
            const uint32_t h = Hash3(text_.data() + next_);
            prev_[next_ & (WindowSize - 1)] = head_[h];
            head_[h] = next_;
        }
        if (next_ < end) next_ = end;
    }

    // Longest match at p (positions below p must be inserted); length < 3 if none.
    int Find(int64_t p, int64_t& source) const {
        const int64_t size = static_cast<int64_t>(text_.size());
        const int maxLen = static_cast<int>(std::min<int64_t>(MaxMatch, size - p));
        if (maxLen <= Threshold) return 0;
        const uint8_t* cur = text_.data() + p;
        int best = Threshold;
        int64_t q = head_[Hash3(cur)];
        for (int chain = 0; q >= 0 && p - q <= WindowSize && chain < MaxChain; ++chain) {
            const uint8_t* cand = text_.data() + q;
            if (cand[best] == cur[best] && cand[0] == cur[0] && cand[1] == cur[1]) {
                int len = 0;
                while (len < maxLen && cand[len] == cur[len]) ++len;  // may overlap p: the decoder copies byte by byte
                if (len > best) {
                    best = len;
                    source = q;
                    if (len == maxLen) break;
                }
            }
            const int64_t older = prev_[q & (WindowSize - 1)];
            if (older >= q) break;  // slot already reused by a newer position
            q = older;
        }
        return best > Threshold ? best : 0;
    }

private:
    const std::vector<uint8_t>& text_;
    std::vector<int64_t> head_;
    std::vector<int64_t> prev_;
    int64_t next_ = 0;
};

class Encoder : public TLZHTree {
public:
    explicit Encoder(std::vector<uint8_t>& out) : bits_(out) {
        AllocTables();
        StartHuff();
    }
    ~Encoder() { FreeTables(); }

    void EncodeChar(int symbol) {
        // Walk from the leaf to the root; siblings sit at (even, odd) positions, so a
        // node's own bit is its position's low bit. The bit nearest the root goes first.
        uint64_t code = 0;
        int length = 0;
        for (int k = parent_[symbol + TreeSize]; k != Root; k = parent_[k]) {
            if (length == 64) throw std::logic_error("LZH encoder: Huffman code longer than 64 bits");
            code |= uint64_t(k & 1) << length;
            ++length;
        }
        while (length > 32) {
            length -= 32;
            bits_.Put(static_cast<uint32_t>(code >> length), 32);
        }
        bits_.Put(static_cast<uint32_t>(code), length);
        Update(symbol);
    }

    void EncodePosition(int position) {
        static const PositionPrefix prefix;
        const int high = position >> 6;
        bits_.Put(prefix.code[high], prefix.length[high]);
        bits_.Put(static_cast<uint32_t>(position & 0x3F), 6);
    }

    void Finish() { bits_.Flush(); }

private:
    BitWriter bits_;
};

}  // namespace

std::vector<uint8_t> TLZHEncoder::Encode(std::span<const uint8_t> data) {
    // Archives are at most 2^31-1 bytes (the size field); saying so also keeps GCC 12's
    // object-size warnings quiet about the copy below.
    if (data.size() > 0x7FFFFFFFu) throw std::length_error("LZH encoder: input above 2^31-1 bytes");
    std::vector<uint8_t> text(FirstRingPosition + data.size(), uint8_t{' '});
    std::copy(data.begin(), data.end(), text.begin() + FirstRingPosition);
    std::vector<uint8_t> out;
    out.reserve(data.size() / 2 + 16);
    Encoder enc(out);
    MatchFinder finder(text);

    const int64_t end = static_cast<int64_t>(text.size());
    int64_t p = FirstRingPosition;
    finder.InsertUpTo(p);
    int64_t source = 0;
    int len = finder.Find(p, source);
    while (p < end) {
        if (len > 0 && len < LazyBelow && p + 1 < end) {
            // One-step lazy matching: a longer match one byte later wins over this one.
            finder.InsertUpTo(p + 1);
            int64_t nextSource = 0;
            const int nextLen = finder.Find(p + 1, nextSource);
            if (nextLen > len) {
                enc.EncodeChar(text[p]);
                ++p;
                len = nextLen;
                source = nextSource;
                continue;
            }
        }
        if (len > 0) {
            enc.EncodeChar(255 - Threshold + len);
            enc.EncodePosition(static_cast<int>(p - source - 1));
            p += len;
        } else {
            enc.EncodeChar(text[p]);
            ++p;
        }
        if (p >= end) break;
        finder.InsertUpTo(p);
        len = finder.Find(p, source);
    }
    enc.Finish();
    return out;
}

}  // namespace zuno::skin
