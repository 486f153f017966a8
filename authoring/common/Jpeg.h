// JPEG checking and writing through libjpeg. Errors come back as values: the
// library's default error handler would end the process.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace zuno::authoring {

struct JpegCheck {
    bool ok = false;
    int width = 0;
    int height = 0;
    std::string error;  // why the data cannot be shown, when !ok
};

// Decodes the whole image (not just its header), so truncated or damaged data is
// caught here rather than in the program. CMYK pictures are refused: they cannot
// be turned into the RGB the program draws.
JpegCheck CheckJpeg(const uint8_t* data, size_t size);

// Compresses 8-bit RGB pixels (rows top to bottom, 3 bytes per pixel).
// Returns an empty vector if the library reports an error.
std::vector<uint8_t> EncodeJpeg(const uint8_t* rgb, int width, int height, int quality);

}  // namespace zuno::authoring
