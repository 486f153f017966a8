// Text lengths and bytes in code page 936 (GBK), the code page every text of the
// program is shown and written in. Text inside the program is UTF-8; layout counts
// GBK bytes, and the result log is written as GBK bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace zuno::runner {

// The byte that stands for a character GBK cannot encode, as Windows writes it.
inline constexpr char kGbkReplacement = '?';

// Bytes the character takes in GBK: 1 for ASCII and the euro sign (0x80), 2 for a
// character of the double-byte repertoire (CJK ideographs, full-width punctuation,
// Greek, Cyrillic, ...), 0 if GBK has no code for it.
std::size_t GbkBytesOf(char32_t character);

// Length of UTF-8 text in GBK bytes, as the layout rules count it. A character
// outside GBK counts 1, the "?" it becomes; so does each byte of a malformed UTF-8
// sequence (and a character beyond the Basic Multilingual Plane, one "?" in all).
std::size_t GbkLength(std::string_view utf8);

// The GBK bytes of UTF-8 text, with "?" for what GBK cannot encode (same rule as
// GbkLength, so GbkEncode(t).size() == GbkLength(t)).
std::string GbkEncode(std::string_view utf8);

// Decodes one character at the start of text: its code point and how many bytes
// it used. Malformed input yields kMalformed and a length of 1.
inline constexpr char32_t kMalformed = 0xFFFFFFFF;
struct Utf8Character {
    char32_t code = kMalformed;
    std::size_t length = 1;
};
Utf8Character DecodeUtf8(std::string_view text);

}  // namespace zuno::runner
