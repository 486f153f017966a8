// Fuzz target: the whole-stream LZH decoder against the step-by-step decoder on any
// stream (a package file's size field, then the bits): the outputs must be equal.
#include <algorithm>
#include <cstdint>
#include <vector>

#include "skin/package/Lzh.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 4) return 0;
    const std::span<const uint8_t> stream(data + 4, size - 4);
    const int32_t stated = static_cast<int32_t>(data[0] | data[1] << 8 | data[2] << 16 | uint32_t{data[3]} << 24);
    // Within what the reader accepts, and small enough to keep runs fast.
    const int64_t count = std::min<int64_t>({stated, int64_t{1} << 16,
                                             static_cast<int64_t>(zuno::skin::lzh::MaxOutputPerInputByte * stream.size())});
    const std::vector<uint8_t> whole = zuno::skin::TLZH::Unpack(count, stream);
    std::vector<uint8_t> steps;
    size_t pos = 0;
    zuno::skin::TLZH lzh;
    lzh.Unpack(
        count,
        [&](uint8_t* buf, size_t n) {
            n = std::min(n, stream.size() - pos);
            std::copy_n(stream.data() + pos, n, buf);
            pos += n;
            return n;
        },
        [&](const uint8_t* b, size_t n) { steps.insert(steps.end(), b, b + n); });
    if (whole != steps) __builtin_trap();
    return 0;
}
