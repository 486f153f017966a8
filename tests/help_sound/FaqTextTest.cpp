// faq.txt as the build writes it for Notepad: valid GBK throughout, every line ended
// by CR LF, the same text as the UTF-8 source, short enough lines for Notepad without
// word wrap, and at least ten questions each followed by its answer.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/help_sound/TestFiles.h"

namespace zuno::testing {
namespace {

std::string Built() { return ReadBytes(ZUNO_FAQ_BUILT); }

// The lines of a CR LF text, without their line ends.
std::vector<std::string> CrLfLines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    if (start < text.size()) lines.push_back(text.substr(start));
    return lines;
}

TEST(FaqText, IsValidGbk) {
    const std::string gbk = Built();
    ASSERT_FALSE(gbk.empty());
    // Structure first, so that a failure names the offset: ASCII, or a lead byte
    // 0x81-0xFE followed by a trail byte 0x40-0xFE other than 0x7F.
    for (size_t i = 0; i < gbk.size(); ++i) {
        const auto c = static_cast<uint8_t>(gbk[i]);
        if (c < 0x80) continue;
        ASSERT_TRUE(c >= 0x81 && c <= 0xFE) << "bad lead byte at " << i;
        ASSERT_LT(i + 1, gbk.size()) << "character cut off at the end";
        const auto t = static_cast<uint8_t>(gbk[i + 1]);
        ASSERT_TRUE(t >= 0x40 && t <= 0xFE && t != 0x7F) << "bad trail byte at " << i + 1;
        ++i;
    }
    EXPECT_TRUE(GbkToUtf8(gbk).has_value());
}

TEST(FaqText, HasNoByteOrderMarkAndIsNotUtf8) {
    const std::string gbk = Built();
    EXPECT_NE(gbk.substr(0, 3), "\xEF\xBB\xBF");
    EXPECT_EQ(gbk.find("问："), std::string::npos) << "UTF-8 text where GBK is expected";
}

TEST(FaqText, EveryLineEndsInCrLf) {
    const std::string text = Built();
    ASSERT_GE(text.size(), 2u);
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n') ASSERT_TRUE(i > 0 && text[i - 1] == '\r') << "bare LF at " << i;
        if (text[i] == '\r') ASSERT_TRUE(i + 1 < text.size() && text[i + 1] == '\n') << "bare CR at " << i;
    }
    EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
}

TEST(FaqText, SaysExactlyWhatTheSourceSays) {
    std::string source = ReadBytes(std::string(ZUNO_HELP_SOURCE_DIR) + "/faq.txt");
    if (source.rfind("\xEF\xBB\xBF", 0) == 0) source.erase(0, 3);
    std::string expected;
    for (size_t i = 0; i < source.size(); ++i) {
        if (source[i] == '\r') continue;
        if (source[i] == '\n') expected += '\r';
        expected += source[i];
    }
    const auto decoded = GbkToUtf8(Built());
    ASSERT_TRUE(decoded.has_value());
    EXPECT_EQ(*decoded, expected);
}

TEST(FaqText, LinesFitNotepadWithoutWordWrap) {
    const std::vector<std::string> lines = CrLfLines(Built());
    for (size_t n = 0; n < lines.size(); ++n) EXPECT_LE(lines[n].size(), 80u) << "line " << n + 1;
}

TEST(FaqText, HasAtLeastTenQuestionsEachAnswered) {
    const auto decoded = GbkToUtf8(Built());
    ASSERT_TRUE(decoded.has_value());
    const std::vector<std::string> lines = CrLfLines(*decoded);
    int questions = 0;
    for (size_t n = 0; n < lines.size(); ++n) {
        if (lines[n].rfind("问：", 0) != 0) continue;
        ++questions;
        EXPECT_GT(lines[n].size(), std::string("问：").size() + 6) << "empty question on line " << n + 1;
        // The answer follows the question (which may run over a few lines) before the next question.
        size_t m = n + 1;
        while (m < lines.size() && lines[m].rfind("答：", 0) != 0 && lines[m].rfind("问：", 0) != 0) ++m;
        ASSERT_LT(m, lines.size()) << "question on line " << n + 1 << " has no answer";
        EXPECT_EQ(lines[m].rfind("答：", 0), 0u) << "question on line " << n + 1 << " has no answer";
    }
    EXPECT_GE(questions, 10);
}

TEST(FaqText, CoversWhatUsersAsk) {
    const auto decoded = GbkToUtf8(Built());
    ASSERT_TRUE(decoded.has_value());
    for (const char* topic : {"“?”", "New", "zuno42.txt", "使用音效", "更换皮肤", "Ctrl+C", "诊断", "主窗口",
                              "没有得出测试结果", "Esc"})
        EXPECT_NE(decoded->find(topic), std::string::npos) << topic;
}

}  // namespace
}  // namespace zuno::testing
