// The yardstick for the skin package decoder: LZHUF decoding written straight
// from the format in the classic shape — one bit at a time down the adaptive tree,
// a 16-bit bit buffer fed byte by byte, each output byte put singly.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace zuno::bench {

// Decodes until `count` bytes have been produced (a final match is written whole);
// an exhausted input reads as zero bits.
std::vector<uint8_t> PlainLzhUnpack(int64_t count, std::span<const uint8_t> input);

}  // namespace zuno::bench
