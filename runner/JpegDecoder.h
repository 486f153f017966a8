// Decodes the JPEG pictures of the content database and the splash form into 32-bit
// pixels laid out as a top-down Windows DIB (bytes B, G, R, 0 per pixel).
// A damaged picture is an error the caller can show; it never ends the process.
#pragma once

#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

namespace zuno::runner {

class JpegError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct DecodedPicture {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;  // width * height, row 0 on top, 0x00RRGGBB
};

// Pictures larger than this on either side are refused rather than allocated.
inline constexpr int kMaxPictureSide = 8192;

DecodedPicture DecodeJpeg(std::span<const std::uint8_t> data);

}  // namespace zuno::runner
