// Feeds arbitrary bytes to the picture decoder: it must decode or throw JpegError.
#include <cstddef>
#include <cstdint>

#include "runner/JpegDecoder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        const auto pic = zuno::runner::DecodeJpeg({data, size});
        volatile std::uint32_t sum = 0;
        for (auto p : pic.pixels) sum = sum + p;
    } catch (const zuno::runner::JpegError&) {
    }
    return 0;
}
