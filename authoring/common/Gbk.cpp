// GBK checks through iconv (code page 936, which is GBK plus the euro sign).
#include "authoring/common/Gbk.h"

#include <iconv.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>

namespace zuno::authoring {
namespace {

class Converter {
public:
    Converter() {
        cd_ = iconv_open("CP936", "UTF-8");
        if (cd_ == reinterpret_cast<iconv_t>(-1)) cd_ = iconv_open("GBK", "UTF-8");
    }
    ~Converter() {
        if (usable()) iconv_close(cd_);
    }
    bool usable() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

    // Bytes in GBK of one UTF-8 character, or 0 if it has no GBK form.
    size_t Convert(std::string_view character) {
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        char in[8];
        char out[16];
        std::memcpy(in, character.data(), character.size());
        char* inPtr = in;
        char* outPtr = out;
        size_t inLeft = character.size();
        size_t outLeft = sizeof out;
        if (iconv(cd_, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<size_t>(-1)) return 0;
        return sizeof out - outLeft;
    }

private:
    iconv_t cd_;
};

size_t SequenceLength(unsigned char lead) {
    if (lead < 0x80) return 1;
    if (lead < 0xE0) return 2;
    if (lead < 0xF0) return 3;
    return 4;
}

uint32_t CodePoint(std::string_view c) {
    const auto b0 = static_cast<unsigned char>(c[0]);
    uint32_t cp = c.size() == 1 ? b0 : c.size() == 2 ? (b0 & 0x1F) : c.size() == 3 ? (b0 & 0x0F) : (b0 & 0x07);
    for (size_t i = 1; i < c.size(); ++i) cp = (cp << 6) | (static_cast<unsigned char>(c[i]) & 0x3F);
    return cp;
}

// Calls f(character, gbkBytes) for each character; stops when f returns false.
template <class F>
void ForEachCharacter(std::string_view text, F f) {
    thread_local Converter converter;
    for (size_t i = 0; i < text.size();) {
        const size_t len = std::min(SequenceLength(static_cast<unsigned char>(text[i])), text.size() - i);
        const std::string_view c = text.substr(i, len);
        const size_t gbk = len == 1 ? 1 : converter.usable() ? converter.Convert(c) : 2;
        if (!f(c, gbk)) return;
        i += len;
    }
}

}  // namespace

std::optional<std::string> FindNonGbkCharacter(std::string_view text) {
    std::optional<std::string> found;
    ForEachCharacter(text, [&](std::string_view c, size_t gbk) {
        if (gbk != 0) return true;
        char code[16];
        std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(CodePoint(c)));
        found = std::string(code) + " '" + std::string(c) + "'";
        return false;
    });
    return found;
}

}  // namespace zuno::authoring
