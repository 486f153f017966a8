// Helpers of TestFiles.h. GBK decoding uses the C library's iconv(3), so the faq
// text is judged by a decoder that shares no code with this project.
#include "tests/help_sound/TestFiles.h"

#include <iconv.h>

#include <cerrno>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <vector>

namespace zuno::testing {

std::string ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot open " + path.string());
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

uint16_t Le16(std::string_view b, size_t at) {
    if (at + 2 > b.size()) throw std::out_of_range("Le16 beyond the data");
    return static_cast<uint16_t>(static_cast<uint8_t>(b[at]) | static_cast<uint8_t>(b[at + 1]) << 8);
}

uint32_t Le32(std::string_view b, size_t at) {
    return static_cast<uint32_t>(Le16(b, at)) | static_cast<uint32_t>(Le16(b, at + 2)) << 16;
}

uint64_t Le64(std::string_view b, size_t at) {
    return static_cast<uint64_t>(Le32(b, at)) | static_cast<uint64_t>(Le32(b, at + 4)) << 32;
}

std::optional<std::string> GbkToUtf8(std::string_view gbk) {
    iconv_t cd = iconv_open("UTF-8", "GBK");
    if (cd == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("iconv has no GBK");
    std::vector<char> in(gbk.begin(), gbk.end());
    std::string result;
    char* inPtr = in.data();
    size_t inLeft = in.size();
    bool ok = true;
    while (inLeft > 0) {
        char buffer[4096];
        char* outPtr = buffer;
        size_t outLeft = sizeof buffer;
        const size_t rc = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
        result.append(buffer, static_cast<size_t>(outPtr - buffer));
        if (rc == static_cast<size_t>(-1) && errno != E2BIG) {
            ok = false;  // EILSEQ or EINVAL: not GBK, or cut in the middle of a character
            break;
        }
    }
    iconv_close(cd);
    if (!ok) return std::nullopt;
    return result;
}

}  // namespace zuno::testing
