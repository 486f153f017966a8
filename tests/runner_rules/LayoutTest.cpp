// Layout arithmetic: characters per line and line height with halves rounded to
// even, option heights from GBK byte counts, Label1's limits, the picture marker,
// and the reader's centred title line.
#include "runner/core/Layout.h"

#include "runner/core/Gbk.h"

#include <gtest/gtest.h>

#include <string>

namespace zuno::runner {
namespace {

std::string Repeat(const std::string& piece, int times) {
    std::string out;
    for (int i = 0; i < times; ++i) out += piece;
    return out;
}

struct MetricsCase {
    const char* note;
    std::int32_t pointSize;
    LayoutMetrics metrics;
};

class LayoutMetricsTest : public ::testing::TestWithParam<MetricsCase> {};

TEST_P(LayoutMetricsTest, RoundsHalvesToEven) {
    EXPECT_EQ(LayoutMetricsFor(GetParam().pointSize), GetParam().metrics) << GetParam().note;
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, LayoutMetricsTest,
    ::testing::Values(MetricsCase{"12 points is the designed size", 12, {58, 20}},
                      MetricsCase{"9 points: 77.33 and 15", 9, {77, 15}},
                      MetricsCase{"16 points: 43.5 rounds to even 44, 26.67 to 27", 16, {44, 27}},
                      MetricsCase{"18 points: 38.67 and 30", 18, {39, 30}},
                      MetricsCase{"48 points: 14.5 rounds to even 14", 48, {14, 80}},
                      MetricsCase{"10 points: 69.6 and 16.67", 10, {70, 17}},
                      MetricsCase{"1 point", 1, {696, 2}},
                      MetricsCase{"0 points counts as 1", 0, {696, 2}},
                      MetricsCase{"negative size counts as 1", -8, {696, 2}},
                      MetricsCase{"huge size keeps at least one character per line", 2000, {1, 3333}}));

struct HeightCase {
    const char* note;
    std::string text;
    std::int32_t pointSize;
    std::int32_t height;
};

class OptionHeightTest : public ::testing::TestWithParam<HeightCase> {};

TEST_P(OptionHeightTest, CountsLinesOfGbkBytes) {
    EXPECT_EQ(OptionHeight(GetParam().text, LayoutMetricsFor(GetParam().pointSize)), GetParam().height)
        << GetParam().note;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, OptionHeightTest,
    ::testing::Values(HeightCase{"empty option is one line", "", 12, 20},
                      HeightCase{"57 bytes of mixed text: one line", Repeat("中", 28) + "a", 12, 20},
                      HeightCase{"58 bytes: two lines", Repeat("中", 28) + "ab", 12, 40},
                      HeightCase{"58 bytes of ideographs: two lines", Repeat("是", 29), 12, 40},
                      HeightCase{"116 bytes: three lines", Repeat("中", 50) + Repeat("x", 16), 12, 60},
                      HeightCase{"57 ASCII characters count as 57 bytes, not 19 characters", Repeat("a", 57), 12, 20},
                      HeightCase{"an ideograph counts two bytes, not three", Repeat("好", 29), 12, 40},
                      HeightCase{"at 16 points 44 bytes make two lines of 27", Repeat("好", 22), 16, 54},
                      HeightCase{"at 9 points 77 bytes make two lines of 15", Repeat("a", 77), 9, 30}));

TEST(OptionHeight, StaysWithinAControlsHeight) {
    EXPECT_EQ(OptionHeight(std::size_t{1} << 40, LayoutMetrics{1, 3333}), kMaxControlHeight);
    EXPECT_EQ(OptionHeight(std::size_t{100}, LayoutMetrics{0, 20}), 101 * 20);   // 0 per line taken as 1
}

TEST(Label1Height, StaysBetween20And5000) {
    EXPECT_EQ(Label1Height(0), 20);
    EXPECT_EQ(Label1Height(19), 20);
    EXPECT_EQ(Label1Height(320), 320);
    EXPECT_EQ(Label1Height(5000), 5000);
    EXPECT_EQ(Label1Height(12345), 5000);
}

struct QuestionTextCase {
    const char* note;
    const char* text;
    const char* shown;
    bool hasMarker;
    std::optional<std::int64_t> picture;
};

class SplitQuestionTextTest : public ::testing::TestWithParam<QuestionTextCase> {};

TEST_P(SplitQuestionTextTest, SeparatesTextAndPicture) {
    const QuestionText q = SplitQuestionText(GetParam().text);
    EXPECT_EQ(q.shown, GetParam().shown) << GetParam().note;
    EXPECT_EQ(q.hasMarker, GetParam().hasMarker) << GetParam().note;
    EXPECT_EQ(q.pictureId, GetParam().picture) << GetParam().note;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, SplitQuestionTextTest,
    ::testing::Values(
        QuestionTextCase{"no marker: all text, no picture", "你喜欢哪种颜色？", "你喜欢哪种颜色？", false, std::nullopt},
        QuestionTextCase{"sentence, marker and 17", "看图回答。@!##17", "看图回答。", true, 17},
        QuestionTextCase{"the first marker splits", "甲@!##乙@!##3", "甲", true, std::nullopt},
        QuestionTextCase{"an id that is not a number shows no picture", "甲@!##1 or 1=1", "甲", true, std::nullopt},
        QuestionTextCase{"an empty id shows no picture", "甲@!##", "甲", true, std::nullopt},
        QuestionTextCase{"marker at the start", "@!##5", "", true, 5},
        QuestionTextCase{"an id too long for 64 bits", "甲@!##1234567890123456789", "甲", true, std::nullopt}));

struct TitleCase {
    const char* note;
    std::string title;
    int indent;
};

class TitleIndentTest : public ::testing::TestWithParam<TitleCase> {};

TEST_P(TitleIndentTest, CentresOnAThirtyCharacterLine) {
    const TitleCase& c = GetParam();
    EXPECT_EQ(TitleIndent(GbkLength(c.title)), c.indent) << c.note;
    EXPECT_EQ(TitleLine(c.title), Repeat("　", c.indent) + c.title + "\r\n\r\n\r\n\r\n") << c.note;
}

INSTANTIATE_TEST_SUITE_P(
    Titles, TitleIndentTest,
    ::testing::Values(TitleCase{"10 Chinese characters get 9", Repeat("心", 10), 9},
                      TitleCase{"26 characters get 1", Repeat("心", 26), 1},
                      TitleCase{"27 characters get none", Repeat("心", 27), 0},
                      TitleCase{"40 characters get none (negative)", Repeat("心", 40), 0},
                      TitleCase{"empty title gets 14", "", 14},
                      TitleCase{"21 bytes (odd) halve to 10: 9", Repeat("心", 10) + "a", 9},
                      TitleCase{"23 bytes halve to 11: 8", Repeat("心", 11) + "a", 8},
                      TitleCase{"ASCII counts one byte each", Repeat("a", 20), 9},
                      TitleCase{"1 byte gets 14", "a", 14},
                      TitleCase{"52 ASCII bytes get 1, 54 get none", Repeat("a", 52), 1}));

TEST(TitleIndent, TruncatesTowardZeroForLongTitles) {
    EXPECT_EQ(TitleIndent(54), 0);   // (30 - 27) / 2 - 1 = 0
    EXPECT_EQ(TitleIndent(62), 0);   // (30 - 31) / 2 = 0, - 1
    EXPECT_EQ(TitleIndent(std::size_t{1} << 40), 0);
}

TEST(ReaderText, IsTitleLineContentAndTwoLineBreaks) {
    EXPECT_EQ(ReaderText(Repeat("心", 10), "正文\r\n第二段"),
              Repeat("　", 9) + Repeat("心", 10) + "\r\n\r\n\r\n\r\n正文\r\n第二段\r\n\r\n");
}

}  // namespace
}  // namespace zuno::runner
