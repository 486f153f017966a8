// GBK lengths and bytes of UTF-8 text: the byte counts the option layout and the
// title line depend on, and the bytes written to the result log.
#include "runner/core/Gbk.h"

#include <gtest/gtest.h>

#include <string>

#if !defined(_WIN32) && __has_include(<iconv.h>)
#include <iconv.h>
#define ZUNO_HAVE_ICONV 1
#endif

namespace zuno::runner {
namespace {

struct LengthCase {
    const char* note;
    std::string text;
    std::size_t length;
};

class GbkLengthTest : public ::testing::TestWithParam<LengthCase> {};

TEST_P(GbkLengthTest, CountsBytesOfCodePage936) {
    EXPECT_EQ(GbkLength(GetParam().text), GetParam().length) << GetParam().note;
    EXPECT_EQ(GbkEncode(GetParam().text).size(), GetParam().length) << GetParam().note;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, GbkLengthTest,
    ::testing::Values(
        LengthCase{"empty", "", 0},
        LengthCase{"ASCII is one byte each", "abc 12!", 7},
        LengthCase{"ideographs are two bytes each", "心理测试", 8},
        LengthCase{"mixed text", "第2个 选项", 10},
        LengthCase{"full-width punctuation and space", "（女）：　", 10},
        LengthCase{"rare ideograph of the GBK extension", "丂", 2},
        LengthCase{"Greek and Cyrillic are double-byte in GBK", "αЖ", 4},
        LengthCase{"pinyin letter with tone is in GBK", "é", 2},
        LengthCase{"Latin letter outside GBK becomes one '?'", "ñ", 1},
        LengthCase{"euro sign is the single byte 0x80", "€", 1},
        LengthCase{"character beyond the BMP becomes one '?'", "\xF0\x9F\x98\x80", 1},
        LengthCase{"private use character is not in the table", "\xEE\x80\x80", 1},
        LengthCase{"stray continuation byte counts one", "a\x80" "b", 3},
        LengthCase{"truncated sequence counts one per byte", "\xE4\xB8", 2},
        LengthCase{"overlong encoding of '/' counts one per byte", "\xC0\xAF", 2},
        LengthCase{"encoded surrogate counts one per byte", "\xED\xA0\x80", 3},
        LengthCase{"carriage returns count one", "\r\r中", 4}));

struct EncodeCase {
    const char* note;
    std::string text;
    std::string bytes;
};

class GbkEncodeTest : public ::testing::TestWithParam<EncodeCase> {};

TEST_P(GbkEncodeTest, WritesTheBytesWindowsWrites) {
    EXPECT_EQ(GbkEncode(GetParam().text), GetParam().bytes) << GetParam().note;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, GbkEncodeTest,
    ::testing::Values(
        EncodeCase{"ASCII unchanged", "zuno7.txt\r\n", "zuno7.txt\r\n"},
        EncodeCase{"GB2312 ideograph", "中", "\xD6\xD0"},
        EncodeCase{"first code of the GBK extension", "丂", "\x81\x40"},
        EncodeCase{"full-width space", "　", "\xA1\xA1"},
        EncodeCase{"em dash as Windows maps it", "—", "\xA1\xAA"},
        EncodeCase{"middle dot", "·", "\xA1\xA4"},
        EncodeCase{"euro sign", "€", "\x80"},
        EncodeCase{"outside GBK becomes '?'", "ñ\xF0\x9F\x98\x80", "??"},
        EncodeCase{"malformed bytes become '?'", "a\xFF" "b", "a?b"},
        EncodeCase{"mixed", "第3个", "\xB5\xDA" "3" "\xB8\xF6"}));

TEST(GbkBytesOf, ClassifiesSingleCharacters) {
    EXPECT_EQ(GbkBytesOf(U'A'), 1u);
    EXPECT_EQ(GbkBytesOf(U'\u20AC'), 1u);
    EXPECT_EQ(GbkBytesOf(U'\u4E2D'), 2u);
    EXPECT_EQ(GbkBytesOf(U'\u9FA5'), 2u);   // last ideograph of the unified block in GBK
    EXPECT_EQ(GbkBytesOf(U'\u9FA6'), 0u);
    EXPECT_EQ(GbkBytesOf(U'\uFFFD'), 0u);
    EXPECT_EQ(GbkBytesOf(U'\U0001F600'), 0u);
}

#ifdef ZUNO_HAVE_ICONV
// The committed table against the system's own converter, character by character.
TEST(GbkTable, AgreesWithIconvForEveryBmpCharacter) {
    iconv_t cd = iconv_open("CP936", "UTF-8");
    if (cd == reinterpret_cast<iconv_t>(-1)) GTEST_SKIP() << "no CP936 converter";
    int mismatches = 0;
    for (char32_t c = 0x80; c <= 0xFFFF; ++c) {
        if (c >= 0xD800 && c <= 0xDFFF) continue;
        std::string utf8;
        if (c < 0x800) {
            utf8 = {static_cast<char>(0xC0 | (c >> 6)), static_cast<char>(0x80 | (c & 0x3F))};
        } else {
            utf8 = {static_cast<char>(0xE0 | (c >> 12)), static_cast<char>(0x80 | ((c >> 6) & 0x3F)),
                    static_cast<char>(0x80 | (c & 0x3F))};
        }
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
        char out[8];
        char* in = utf8.data();
        char* o = out;
        size_t inLeft = utf8.size();
        size_t outLeft = sizeof out;
        const bool ok = iconv(cd, &in, &inLeft, &o, &outLeft) != static_cast<size_t>(-1);
        const std::string expected = ok ? std::string(out, sizeof out - outLeft) : std::string("?");
        if (GbkEncode(utf8) != expected && ++mismatches <= 5) ADD_FAILURE() << "U+" << std::hex << static_cast<unsigned>(c);
    }
    iconv_close(cd);
    EXPECT_EQ(mismatches, 0);
}
#endif

}  // namespace
}  // namespace zuno::runner
