// The three evaluations and the texts of the result page: boundaries, overlapping
// ranges (last match wins), 8-bit bounds against 16-bit values, ties of the most
// frequent option, per-answer codes above 255, and the no-result text.
#include "runner/core/Scoring.h"

#include "runner/core/RunState.h"
#include "runner/core/Texts.h"

#include "RunnerFixtures.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace zuno::runner {
namespace {

const std::string kNoResult(texts::kNoResult);
constexpr const char* kThreeRanges = "0--to  10@___@低!rt#11--to  20@___@中!rt#21--to  30@___@高";

std::string Heading(int lowest, int highest) {
    return "测试结果：本道测试题最低分为：" + std::to_string(lowest) + "分,最高分为：" + std::to_string(highest);
}

std::string ScoreLabel(int lowest, int highest, int score, const std::string& text) {
    return Heading(lowest, highest) + "分，你的得分为：" + std::to_string(score) + "分。\r\r" + text;
}

// selectflags of a test with `questions` questions and the given (question, option) answers.
std::vector<bool> Flags(int questions, std::initializer_list<std::pair<int, int>> chosen) {
    std::vector<bool> flags(FlagIndex(questions, 12) + 1, false);
    for (const auto& [q, k] : chosen) flags[FlagIndex(q, k)] = true;
    return flags;
}

struct PlainCase {
    const char* note;
    const char* field;
    std::uint16_t marksum;
    std::string label;
};

class PlainScoreTest : public ::testing::TestWithParam<PlainCase> {};

TEST_P(PlainScoreTest, PicksTheInterpretationByScore) {
    const PlainCase& c = GetParam();
    const std::vector<bool> flags = Flags(1, {});
    const ResultOutcome out = EvaluateResult(c.field, {c.marksum, 1, &flags});
    ASSERT_FALSE(out.error) << c.note << ": " << *out.error;
    EXPECT_EQ(out.found, c.label != kNoResult) << c.note;
    EXPECT_EQ(out.label, c.label) << c.note;
    EXPECT_EQ(out.marksum, c.marksum) << "a plain test keeps its score";
}

INSTANTIATE_TEST_SUITE_P(
    Scores, PlainScoreTest,
    ::testing::Values(
        PlainCase{"15 falls in the second of three ranges", kThreeRanges, 15, ScoreLabel(0, 30, 15, "中")},
        PlainCase{"31 matches nothing", kThreeRanges, 31, kNoResult},
        PlainCase{"low bound is inclusive", kThreeRanges, 0, ScoreLabel(0, 30, 0, "低")},
        PlainCase{"high bound is inclusive", kThreeRanges, 10, ScoreLabel(0, 30, 10, "低")},
        PlainCase{"next range starts at 11", kThreeRanges, 11, ScoreLabel(0, 30, 11, "中")},
        PlainCase{"overlapping ranges: the last match wins", "0--to  20@___@甲!rt#10--to  30@___@乙", 15,
                  ScoreLabel(0, 30, 15, "乙")},
        PlainCase{"overlapping ranges: only the first matches", "0--to  20@___@甲!rt#10--to  30@___@乙", 5,
                  ScoreLabel(0, 30, 5, "甲")},
        PlainCase{"bound 300 acts as 44: 44 matches", "0--to  300@___@x", 44, ScoreLabel(0, 44, 44, "x")},
        PlainCase{"bound 300 acts as 44: 45 does not", "0--to  300@___@x", 45, kNoResult},
        PlainCase{"a 16-bit score above 255 never matches an 8-bit bound", "0--to  255@___@x", 256, kNoResult},
        PlainCase{"lowest from the first segment, highest from the last", "21--to  30@___@高!rt#0--to  10@___@低",
                  5, ScoreLabel(21, 10, 5, "低")},
        PlainCase{"interpretation keeps its carriage returns", "0--to  9@___@一\r二", 3,
                  ScoreLabel(0, 9, 3, "一\r二")},
        PlainCase{"a type other than 11 and 12 shows no result", "ts130--to  255@___@x", 3, kNoResult}));

TEST(MostFrequent, TieGoesToTheSmallerOption) {
    // 10 questions: option 2 four times, option 3 four times, option 1 twice.
    const std::vector<bool> flags = Flags(10, {{1, 2}, {2, 2}, {3, 2}, {4, 2}, {5, 3}, {6, 3}, {7, 3}, {8, 3},
                                               {9, 1}, {10, 1}});
    const ResultOutcome out = EvaluateResult(
        "ts111--to  1@___@一!rt#2--to  2@___@二!rt#3--to  3@___@三!rt#4--to  4@___@四", {77, 10, &flags});
    ASSERT_FALSE(out.error);
    EXPECT_EQ(out.marksum, 2);
    EXPECT_EQ(out.label, ScoreLabel(1, 4, 2, "二"));
}

struct FrequentCase {
    const char* note;
    int questions;
    std::vector<std::pair<int, int>> chosen;
    std::uint16_t best;
};

class MostFrequentTest : public ::testing::TestWithParam<FrequentCase> {};

TEST_P(MostFrequentTest, CountsQuestionsPerOption) {
    const FrequentCase& c = GetParam();
    std::vector<bool> flags(FlagIndex(c.questions, 12) + 1, false);
    for (const auto& [q, k] : c.chosen) flags[FlagIndex(q, k)] = true;
    EXPECT_EQ(MostFrequentOption(12, {0, static_cast<std::uint8_t>(c.questions), &flags}), c.best) << c.note;
}

INSTANTIATE_TEST_SUITE_P(
    Counts, MostFrequentTest,
    ::testing::Values(FrequentCase{"nothing chosen at all: option 1", 3, {}, 1},
                      FrequentCase{"a strictly higher later count replaces", 3, {{1, 1}, {2, 3}, {3, 3}}, 3},
                      FrequentCase{"every checked box of a question counts", 2, {{1, 4}, {1, 5}, {2, 5}}, 5},
                      FrequentCase{"option 12 of the last question", 1, {{1, 12}}, 12}));

TEST(MostFrequent, OptionsBeyondTwelveAreNeverCounted) {
    // 13 segments: option 13 would read the flags of the next question, past the end.
    std::string field = "ts11";
    for (int v = 1; v <= 13; ++v) field += (v > 1 ? "!rt#" : "") + std::to_string(v) + "--to  " + std::to_string(v) + "@___@" + std::to_string(v);
    const std::vector<bool> flags = Flags(2, {{1, 1}, {2, 1}});
    const ResultOutcome out = EvaluateResult(field, {0, 2, &flags});
    ASSERT_FALSE(out.error);
    EXPECT_EQ(out.marksum, 1);
    EXPECT_EQ(out.label, ScoreLabel(1, 13, 1, "1"));
}

TEST(PerAnswer, ListsTheInterpretationsOfEveryAnswerCode) {
    // Question 1 answered with option 3 and question 2 with option 1: codes 3 and 13.
    const std::vector<bool> flags = Flags(2, {{1, 3}, {2, 1}});
    const ResultOutcome out = EvaluateResult(
        "ts120--to  5@___@甲!rt#3--to  3@___@乙!rt#10--to  20@___@丙!rt#13--to  13@___@丁!rt#14--to  30@___@戊",
        {0, 2, &flags});
    ASSERT_FALSE(out.error);
    EXPECT_TRUE(out.found);
    EXPECT_EQ(out.label, Heading(0, 30) + "分。\r该类型的题目没有得分记录。\r\r" + "\r甲\r乙\r丙\r丁");
    EXPECT_EQ(out.marksum, 13);   // the last answer code
}

struct CodeCase {
    const char* note;
    int question, option;
    bool found;
};

class PerAnswerCodeTest : public ::testing::TestWithParam<CodeCase> {};

TEST_P(PerAnswerCodeTest, CodesAbove255NeverMatch) {
    const CodeCase& c = GetParam();
    const std::vector<bool> flags = Flags(22, {{c.question, c.option}});
    const ResultOutcome out = EvaluateResult("ts120--to  255@___@任何", {0, 22, &flags});
    ASSERT_FALSE(out.error);
    EXPECT_EQ(out.found, c.found) << c.note;
    EXPECT_EQ(out.marksum, FlagIndex(c.question, c.option)) << c.note;
    if (!c.found) {
        EXPECT_EQ(out.label, kNoResult);
    }
}

INSTANTIATE_TEST_SUITE_P(Codes, PerAnswerCodeTest,
                         ::testing::Values(CodeCase{"question 21 option 12 is code 252", 21, 12, true},
                                           CodeCase{"question 22 option 3 is code 255", 22, 3, true},
                                           CodeCase{"question 22 option 4 is code 256", 22, 4, false}));

TEST(PerAnswer, OnlyTheLowestChosenOptionOfAQuestionIsLookedUp) {
    const std::vector<bool> flags = Flags(1, {{1, 2}, {1, 5}});
    const ResultOutcome out = EvaluateResult("ts122--to  2@___@二!rt#5--to  5@___@五", {0, 1, &flags});
    ASSERT_FALSE(out.error);
    EXPECT_EQ(out.label, Heading(0, 5) + "分。\r该类型的题目没有得分记录。\r\r\r二");
    EXPECT_EQ(out.marksum, 5);   // still set for every chosen option
}

TEST(PerAnswer, NoAnswerWalksNothing) {
    const std::vector<bool> flags = Flags(2, {});
    const ResultOutcome out = EvaluateResult("ts12broken", {9, 2, &flags});
    ASSERT_FALSE(out.error) << "no walk, so the malformed body is never read";
    EXPECT_FALSE(out.found);
    EXPECT_EQ(out.label, kNoResult);
    EXPECT_EQ(out.marksum, 9);
}

TEST(PerAnswer, MalformedBodyFailsOnceAnAnswerWalksIt) {
    const std::vector<bool> flags = Flags(2, {{2, 1}});
    EXPECT_TRUE(EvaluateResult("ts12broken", {9, 2, &flags}).error.has_value());
}

struct FailureCase {
    const char* note;
    const char* field;
};

class FailingFieldTest : public ::testing::TestWithParam<FailureCase> {};

TEST_P(FailingFieldTest, ReportsAndLeavesTheScore) {
    RunState state = testing::Loaded(2);
    state.marksum = 17;
    const ResultOutcome out = showresult(state, GetParam().field);
    EXPECT_TRUE(out.error.has_value()) << GetParam().note;
    EXPECT_EQ(state.marksum, 17) << GetParam().note;
}

INSTANTIATE_TEST_SUITE_P(
    Fields, FailingFieldTest,
    ::testing::Values(FailureCase{"empty field", ""},
                      FailureCase{"stored field already ending in !rt#", "0--to  10@___@x!rt#"},
                      FailureCase{"no @___@", "0--to  10"},
                      FailureCase{"no --to", "0 10@___@x"},
                      FailureCase{"bound not an integer", "0--to  ten@___@x"},
                      FailureCase{"type not a number", "tsxx0--to  1@___@x"},
                      FailureCase{"most frequent with a malformed body", "ts11!rt#"}));

TEST(Showresult, TakesOverTheEvaluationsScore) {
    RunState state = testing::Loaded(2);
    state.selectflags[FlagIndex(1, 2)] = true;
    state.selectflags[FlagIndex(2, 2)] = true;
    state.marksum = 40;
    const ResultOutcome out = showresult(state, "ts111--to  1@___@一!rt#2--to  2@___@二");
    ASSERT_FALSE(out.error);
    EXPECT_EQ(state.marksum, 2);
}

}  // namespace
}  // namespace zuno::runner
