// LZHUF decompressor of skin packages: LZSS over a 4,096-byte ring whose literals
// and match lengths use an adaptive Huffman code (314 symbols) and whose match
// distances use a fixed prefix code. TLZHTree is the Huffman model shared with the
// encoder (LzhEncoder.h); TLZH adds the ring, the bit input and the decode loop.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <vector>

#include "skin/package/SkinPackageError.h"

namespace zuno::skin {

namespace lzh {
inline constexpr int WindowSize = 4096;   // ring size; positions AND 4095
inline constexpr int MaxMatch = 60;       // longest match
inline constexpr int Threshold = 2;       // a match is at least Threshold + 1 = 3 bytes
inline constexpr int SymbolCount = 314;   // 256 literals + 58 lengths (3..60)
inline constexpr int TreeSize = 627;      // 2 * SymbolCount - 1 nodes
inline constexpr int Root = 626;          // TreeSize - 1
inline constexpr uint16_t MaxFreq = 0x8000;  // root frequency that triggers Reconst
inline constexpr int WindowAllocSize = 4155;  // WindowSize + MaxMatch - 1; only 4096 used
inline constexpr int FirstRingPosition = WindowSize - MaxMatch;  // 4036: ring start, spaces before

// Decoder tables, indexed by the first 8 bits of a distance code: the upper six
// bits of the distance and the total length in bits of the prefix.
extern const std::array<uint8_t, 256> PositionCode;
extern const std::array<uint8_t, 256> PositionLength;

// Output bound: every symbol costs at least one bit and a match (at most 60 bytes)
// costs at least 10 bits (1 for its symbol, 9 for its distance), so n compressed
// bytes can yield at most 6 bytes per bit = 48 * n bytes.
inline constexpr uint64_t MaxOutputPerInputByte = 48;

// Decodes a whole in-memory stream exactly as TLZH::Unpack does, only faster
// (LzhSpanDecoder.cpp).
std::vector<uint8_t> UnpackWhole(int64_t count, std::span<const uint8_t> input);
}  // namespace lzh

// Adaptive Huffman model. Node positions 0..626; siblings always occupy an
// (even, odd) pair of positions; Son[n] >= 627 marks the leaf of symbol
// Son[n] - 627; Parent[627 + s] is the position of the leaf of symbol s.
// Freq stays sorted ascending over 0..626 and Freq[627] = 0xFFFF is a sentinel.
class TLZHTree {
public:
    void AllocTables();   // throws ElzhException "LZH : Cannot get memory for dictionary tables"
    void FreeTables();
    void StartHuff();
    void Reconst();
    void Update(int symbol);

    // Read access for tests and the encoder; valid between AllocTables and FreeTables.
    const std::vector<uint16_t>& Freq() const { return freq_; }
    const std::vector<int16_t>& Parent() const { return parent_; }
    const std::vector<int16_t>& Son() const { return son_; }

protected:
    std::vector<uint16_t> freq_;   // 628 entries
    std::vector<int16_t> parent_;  // 941 entries
    std::vector<int16_t> son_;     // 627 entries
};

// The decompressor. A TLZH lives for one Decompress; its tables exist only
// during one Unpack.
class TLZH : public TLZHTree {
public:
    // Copies up to `count` bytes of input into `buffer`; returns how many (0 at the end).
    using InputFn = std::function<size_t(uint8_t* buffer, size_t count)>;
    // Receives produced bytes in order.
    using OutputFn = std::function<void(const uint8_t* bytes, size_t count)>;

    // Decodes until `count` bytes have been produced. Count is compared only before
    // each symbol, so the output can exceed it by up to 59 bytes. An exhausted
    // input reads as zero bits. Count <= 0 produces nothing. No output bound is
    // applied here: callers bound `count` (TSkinReader::Decompress does).
    void Unpack(int64_t count, const InputFn& input, const OutputFn& output);

    // Convenience: decodes `input` into a vector (same semantics as above).
    static std::vector<uint8_t> Unpack(int64_t count, std::span<const uint8_t> input);

    // The steps, public so that tests can drive them. Valid inside Unpack or after
    // BeginForTest (which allocates, starts the tree and binds `input`).
    int DecodeChar();
    int DecodePosition();
    int GetBit();
    int GetByte();
    void BeginForTest(std::span<const uint8_t> input);

private:
    void BindInput(const InputFn* input);
    uint8_t NextInputByte();

    const InputFn* input_ = nullptr;
    std::array<uint8_t, 4096> inbuf_{};
    size_t inpos_ = 0;
    size_t inlen_ = 0;
    bool inputDone_ = false;
    std::vector<uint8_t> testInput_;  // owned copy for BeginForTest
    InputFn testInputFn_;

    uint16_t bitBuffer_ = 0;
    uint8_t bitCount_ = 0;
    std::vector<uint8_t> window_;  // 4155 bytes, first 4096 used as the ring
};

}  // namespace zuno::skin
