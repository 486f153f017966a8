// The result field's format as the segment walk reads it. Each malformed fixture
// notes the fault it stands for; all of them must fail, none may crash.
#include "runner/core/ResultField.h"

#include <gtest/gtest.h>

#include <vector>

namespace zuno::runner {
namespace {

struct WellFormedCase {
    const char* note;
    const char* stored;
    ResultKind kind;
    int type;
    std::vector<resultstructure> segments;
};

class WellFormedFieldTest : public ::testing::TestWithParam<WellFormedCase> {};

TEST_P(WellFormedFieldTest, ParsesEverySegment) {
    const WellFormedCase& c = GetParam();
    const ParsedResultField parsed = ParseResultField(c.stored);
    ASSERT_FALSE(parsed.error) << c.note << ": " << *parsed.error;
    ASSERT_FALSE(parsed.field.walkError) << c.note << ": " << *parsed.field.walkError;
    EXPECT_EQ(parsed.field.kind, c.kind) << c.note;
    EXPECT_EQ(parsed.field.type, c.type) << c.note;
    EXPECT_EQ(parsed.field.segments, c.segments) << c.note;
    EXPECT_EQ(parsed.field.segmentCount, c.segments.size()) << c.note;
}

INSTANTIATE_TEST_SUITE_P(
    Fields, WellFormedFieldTest,
    ::testing::Values(
        WellFormedCase{"one range", "0--to  10@___@低", ResultKind::Score, 0, {{0, 10, "低"}}},
        WellFormedCase{"three ranges in order", "0--to  10@___@低!rt#11--to  20@___@中!rt#21--to  30@___@高",
                       ResultKind::Score, 0, {{0, 10, "低"}, {11, 20, "中"}, {21, 30, "高"}}},
        WellFormedCase{"a bound of 300 keeps its low 8 bits: 44", "0--to  300@___@x", ResultKind::Score, 0,
                       {{0, 44, "x"}}},
        WellFormedCase{"256 becomes 0 and -1 becomes 255", "256--to  -1@___@x", ResultKind::Score, 0,
                       {{0, 255, "x"}}},
        WellFormedCase{"leading zeros and a plus sign", "007--to  +9@___@x", ResultKind::Score, 0, {{7, 9, "x"}}},
        WellFormedCase{"the two skipped characters are not looked at", "1--toXY2@___@x", ResultKind::Score, 0,
                       {{1, 2, "x"}}},
        WellFormedCase{"one Chinese character is two skipped bytes", "1--to至2@___@x", ResultKind::Score, 0,
                       {{1, 2, "x"}}},
        WellFormedCase{"the interpretation runs to the end of its segment, markers and all",
                       "1--to  2@___@甲\r乙--to@___@丙", ResultKind::Score, 0, {{1, 2, "甲\r乙--to@___@丙"}}},
        WellFormedCase{"an empty interpretation", "1--to  2@___@", ResultKind::Score, 0, {{1, 2, ""}}},
        WellFormedCase{"most frequent option", "ts111--to  1@___@一!rt#2--to  2@___@二", ResultKind::MostFrequent,
                       11, {{1, 1, "一"}, {2, 2, "二"}}},
        WellFormedCase{"one interpretation per answer", "ts123--to  3@___@三", ResultKind::PerAnswer, 12,
                       {{3, 3, "三"}}},
        WellFormedCase{"an unknown type is parsed but evaluates nothing", "ts131--to  1@___@一",
                       ResultKind::Unsupported, 13, {{1, 1, "一"}}}));

struct MalformedCase {
    const char* note;
    const char* stored;
    std::size_t goodSegments;   // well-formed segments before the fault
    std::size_t segmentCount;
    const char* messagePart;
};

class MalformedFieldTest : public ::testing::TestWithParam<MalformedCase> {};

TEST_P(MalformedFieldTest, FailsTheWalkAtTheFaultySegment) {
    const MalformedCase& c = GetParam();
    const ParsedResultField parsed = ParseResultField(c.stored);
    ASSERT_FALSE(parsed.error) << c.note;
    ASSERT_TRUE(parsed.field.walkError.has_value()) << c.note;
    EXPECT_NE(parsed.field.walkError->find(c.messagePart), std::string::npos) << c.note << ": " << *parsed.field.walkError;
    EXPECT_EQ(parsed.field.segments.size(), c.goodSegments) << c.note;
    EXPECT_EQ(parsed.field.segmentCount, c.segmentCount) << c.note;
}

INSTANTIATE_TEST_SUITE_P(
    Fields, MalformedFieldTest,
    ::testing::Values(
        MalformedCase{"empty field: one empty segment", "", 0, 1, "第1段是空的"},
        MalformedCase{"stored field already ending in !rt#: empty last segment", "0--to  10@___@低!rt#", 1, 2,
                      "第2段是空的"},
        MalformedCase{"segment without @___@", "0--to  10@___@低!rt#11--to  20", 1, 2, "第2段缺少\"@___@\""},
        MalformedCase{"segment without --to", "0-10@___@低", 0, 1, "缺少\"--to\""},
        MalformedCase{"\"@___\" cut short, then a segment without bounds and an empty one",
                      "1--to@___!rt#@___x--to  y@___@!rt#", 0, 3, "第1段缺少\"@___@\""},
        MalformedCase{"--to only inside the interpretation", "0 10@___@a--to  b", 0, 1, "缺少\"--to\""},
        MalformedCase{"low bound not a number", "a--to  1@___@x", 0, 1, "下限\"a\"不是整数"},
        MalformedCase{"empty low bound", "--to  1@___@x", 0, 1, "下限"},
        MalformedCase{"one filler character only: the high bound loses its first digit", "0--to 1@___@x", 0, 1,
                      "上限"},
        MalformedCase{"nothing after --to", "0--to@___@x", 0, 1, "上限"},
        MalformedCase{"ASCII then a Chinese character straddle the two skipped bytes", "0--toa至1@___@x", 0, 1,
                      "上限"},
        MalformedCase{"space after the high bound", "0--to  10 @___@x", 0, 1, "上限\"10 \""},
        MalformedCase{"bound beyond 32 bits", "0--to  4294967296@___@x", 0, 1, "上限"},
        MalformedCase{"sign without digits", "+--to  1@___@x", 0, 1, "下限"},
        MalformedCase{"\"t\" without \"s\" is no prefix: it is read as the low bound", "t1--to  2@___@x", 0, 1,
                      "下限\"t1\""},
        MalformedCase{"prefix with an empty body", "ts11", 0, 1, "第1段是空的"},
        MalformedCase{"later segments are still counted", "1--to  1@___@a!rt#bad!rt#2--to  2@___@b", 1, 3,
                      "第2段"}));

TEST(ResultField, LongFaultyBoundIsQuotedShortAndWhole) {
    const ParsedResultField parsed = ParseResultField("测试测试测试测试测试测试--to  1@___@x");
    ASSERT_TRUE(parsed.field.walkError.has_value());
    EXPECT_NE(parsed.field.walkError->find("…"), std::string::npos);
    EXPECT_LT(parsed.field.walkError->size(), 120u);
}

struct TypeCase {
    const char* note;
    const char* stored;
};

class BadTypeTest : public ::testing::TestWithParam<TypeCase> {};

TEST_P(BadTypeTest, FailsTheTypeConversion) {
    const ParsedResultField parsed = ParseResultField(GetParam().stored);
    ASSERT_TRUE(parsed.error.has_value()) << GetParam().note;
    EXPECT_NE(parsed.error->find("类型"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Types, BadTypeTest,
                         ::testing::Values(TypeCase{"letters after ts", "tsab1--to  1@___@x"},
                                           TypeCase{"one digit and a letter", "ts1x1--to  1@___@x"},
                                           TypeCase{"ts alone: the terminator follows", "ts"},
                                           TypeCase{"ts and one digit", "ts1"}));

TEST(ParseDecimal, AcceptsSignedDecimalsWithin32Bits) {
    EXPECT_EQ(ParseDecimal("0"), 0);
    EXPECT_EQ(ParseDecimal("-2147483648"), -2147483648LL);
    EXPECT_EQ(ParseDecimal("2147483647"), 2147483647);
    EXPECT_FALSE(ParseDecimal("2147483648"));
    EXPECT_FALSE(ParseDecimal(""));
    EXPECT_FALSE(ParseDecimal("-"));
    EXPECT_FALSE(ParseDecimal(" 1"));
    EXPECT_FALSE(ParseDecimal("1 "));
    EXPECT_FALSE(ParseDecimal("0x10"));
    EXPECT_FALSE(ParseDecimal("１"));   // full-width digit
}

}  // namespace
}  // namespace zuno::runner
