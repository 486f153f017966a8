// Reading source bytes into lines, and the small text helpers every format uses.
#include <gtest/gtest.h>

#include "authoring/common/Gbk.h"
#include "authoring/common/SourceText.h"

namespace zuno::authoring {
namespace {

std::vector<std::string> Texts(const SourceFile& f) {
    std::vector<std::string> out;
    for (const auto& l : f.lines) out.push_back(std::to_string(l.number) + ":" + l.text);
    return out;
}

struct SplitCase {
    const char* what;
    std::string bytes;
    std::vector<std::string> lines;
};

TEST(SplitSource, LineEndsAndBom) {
    const std::vector<SplitCase> cases = {
        {"LF", "a\nb\n", {"1:a", "2:b"}},
        {"CR LF", "a\r\nb\r\n", {"1:a", "2:b"}},
        {"no final line end", "a\nb", {"1:a", "2:b"}},
        {"BOM dropped", "\xEF\xBB\xBFkey: v\n", {"1:key: v"}},
        {"blank lines keep numbering", "a\n\n\nb\n", {"1:a", "2:", "3:", "4:b"}},
        {"tab allowed", "a\tb\n", {"1:a\tb"}},
    };
    for (const SplitCase& c : cases) {
        Diagnostics diag;
        EXPECT_EQ(Texts(SplitSource("f.txt", c.bytes, diag)), c.lines) << c.what;
        EXPECT_EQ(diag.errorCount(), 0) << c.what;
    }
}

TEST(SplitSource, BadBytesAreReportedAndTheLineDropped) {
    const std::vector<std::pair<const char*, std::string>> cases = {
        {"lone continuation byte", "\x80"},
        {"overlong slash", "\xC0\xAF"},
        {"overlong three-byte", "\xE0\x80\x80"},
        {"surrogate", "\xED\xA0\x80"},
        {"above U+10FFFF", "\xF4\x90\x80\x80"},
        {"truncated sequence", "\xE4\xB8"},
        {"NUL", std::string("a\0b", 3)},
        {"bare CR inside a line", "a\rb"},
        {"DEL", "\x7F"},
    };
    for (const auto& [what, bad] : cases) {
        Diagnostics diag;
        const SourceFile f = SplitSource("f.txt", "ok\n" + bad + "\nok\n", diag);
        EXPECT_EQ(Texts(f), (std::vector<std::string>{"1:ok", "3:ok"})) << what;
        ASSERT_EQ(diag.errorCount(), 1) << what;
        EXPECT_EQ(diag.all()[0].line, 2) << what;
    }
}

TEST(TextHelpers, TrimDropsAsciiAndIdeographicBlanks) {
    EXPECT_EQ(TrimBlanks(" \t　值　 "), "值");
    EXPECT_EQ(TrimTrailingBlanks("　　正文　 "), "　　正文");
    EXPECT_EQ(TrimBlanks("　"), "");
}

TEST(TextHelpers, KeyValueAcceptsBothColons) {
    std::string key, value;
    ASSERT_TRUE(SplitKeyValue("title： 你好 ", key, value));
    EXPECT_EQ(key, "title");
    EXPECT_EQ(value, "你好");
    ASSERT_TRUE(SplitKeyValue("  kind :xg_type", key, value));
    EXPECT_EQ(value, "xg_type");
    EXPECT_FALSE(SplitKeyValue("Title: x", key, value));  // keys are lower case
    EXPECT_FALSE(SplitKeyValue("3: 选项", key, value));
    EXPECT_FALSE(SplitKeyValue("没有冒号", key, value));
}

TEST(TextHelpers, Identifiers) {
    EXPECT_TRUE(IsIdentifier("T0000012"));
    EXPECT_TRUE(IsIdentifier("_a1"));
    EXPECT_FALSE(IsIdentifier("1abc"));
    EXPECT_FALSE(IsIdentifier("a-b"));
    EXPECT_FALSE(IsIdentifier(""));
    EXPECT_FALSE(IsIdentifier("测试"));
}

TEST(TextHelpers, DecimalsSaturateInsteadOfOverflowing) {
    EXPECT_EQ(ParseDecimal("255", 1000), 255);
    EXPECT_EQ(ParseDecimal("99999999999999999999999", 1000), 1001);
    EXPECT_EQ(ParseDecimal("", 1000), std::nullopt);
    EXPECT_EQ(ParseDecimal("-1", 1000), std::nullopt);
    EXPECT_EQ(ParseDecimal("1 2", 1000), std::nullopt);
}

TEST(TextHelpers, JoinAndTrimLines) {
    std::vector<std::string> lines = {"", "  ", "a", "", "b", "　", ""};
    TrimBlankLines(lines);
    EXPECT_EQ(JoinCrLf(lines), "a\r\n\r\nb");
}

TEST(Gbk, FindsCharactersOutsideGbk) {
    EXPECT_EQ(FindNonGbkCharacter("中文、“引号”……——·ABC"), std::nullopt);
    EXPECT_EQ(FindNonGbkCharacter("好😀"), "U+1F600 '😀'");
    EXPECT_EQ(FindNonGbkCharacter("한국어"), "U+D55C '한'");
}

}  // namespace
}  // namespace zuno::authoring
