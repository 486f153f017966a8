// GBK lengths and encoding from a table generated with iconv (GbkTable.inc, made
// by gen_gbk_table.py): runs of consecutive code points that GBK encodes as two
// bytes, and the codes of those characters in code point order.
#include "runner/core/Gbk.h"

#include <algorithm>
#include <iterator>

namespace zuno::runner {
namespace {

struct GbkSingleByte {
    char32_t code;
    std::uint8_t byte;
};

struct GbkRun {
    std::uint16_t first;   // code points first..last all encode as two bytes
    std::uint16_t last;
    std::uint16_t index;   // index of first's code in kGbkCodes
};

#include "runner/core/GbkTable.inc"

// The two-byte GBK code of a character (lead byte high), or 0 if it has none.
std::uint16_t DoubleByteCode(char32_t c) {
    if (c < 0x80 || c > 0xFFFF) return 0;
    const auto run = std::upper_bound(std::begin(kGbkRuns), std::end(kGbkRuns), c,
                                      [](char32_t v, const GbkRun& r) { return v < r.first; });
    if (run == std::begin(kGbkRuns)) return 0;
    const GbkRun& r = *std::prev(run);
    if (c > r.last) return 0;
    return kGbkCodes[r.index + (c - r.first)];
}

int SingleByteCode(char32_t c) {
    if (c < 0x80) return static_cast<int>(c);
    for (const GbkSingleByte& s : kGbkSingleBytes)
        if (s.code == c) return s.byte;
    return -1;
}

}  // namespace

Utf8Character DecodeUtf8(std::string_view text) {
    const auto b0 = static_cast<unsigned char>(text[0]);
    if (b0 < 0x80) return {b0, 1};
    std::size_t length = 0;
    char32_t code = 0;
    char32_t lowest = 0;   // smallest code point this length may carry (no overlong forms)
    if (b0 >= 0xC2 && b0 <= 0xDF) {
        length = 2, code = b0 & 0x1F, lowest = 0x80;
    } else if (b0 >= 0xE0 && b0 <= 0xEF) {
        length = 3, code = b0 & 0x0F, lowest = 0x800;
    } else if (b0 >= 0xF0 && b0 <= 0xF4) {
        length = 4, code = b0 & 0x07, lowest = 0x10000;
    } else {
        return {};
    }
    if (text.size() < length) return {};
    for (std::size_t i = 1; i < length; ++i) {
        const auto b = static_cast<unsigned char>(text[i]);
        if ((b & 0xC0) != 0x80) return {};
        code = (code << 6) | (b & 0x3F);
    }
    if (code < lowest || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return {};
    return {code, length};
}

std::size_t GbkBytesOf(char32_t character) {
    if (SingleByteCode(character) >= 0) return 1;
    return DoubleByteCode(character) != 0 ? 2 : 0;
}

std::size_t GbkLength(std::string_view utf8) {
    std::size_t length = 0;
    for (std::size_t i = 0; i < utf8.size();) {
        if (static_cast<unsigned char>(utf8[i]) < 0x80) {
            ++length, ++i;
            continue;
        }
        const Utf8Character c = DecodeUtf8(utf8.substr(i));
        i += c.length;
        length += c.code != kMalformed && DoubleByteCode(c.code) != 0 ? 2 : 1;
    }
    return length;
}

std::string GbkEncode(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        if (static_cast<unsigned char>(utf8[i]) < 0x80) {
            out += utf8[i++];
            continue;
        }
        const Utf8Character c = DecodeUtf8(utf8.substr(i));
        i += c.length;
        const std::uint16_t code = c.code == kMalformed ? 0 : DoubleByteCode(c.code);
        const int single = c.code == kMalformed ? -1 : SingleByteCode(c.code);
        if (code != 0) {
            out += static_cast<char>(code >> 8);
            out += static_cast<char>(code & 0xFF);
        } else if (single >= 0) {
            out += static_cast<char>(single);
        } else {
            out += kGbkReplacement;
        }
    }
    return out;
}

}  // namespace zuno::runner
