// The result log: the entry's lines byte for byte in GBK with CR LF, and the file
// name rules (the drawn ranges, and the next free number instead of replacing).
#include "runner/core/ResultLog.h"

#include "runner/core/Navigation.h"
#include "runner/core/RunState.h"

#include "RunnerFixtures.h"

#include <gtest/gtest.h>

#include <set>

namespace zuno::runner {
namespace {

using testing::Checks;
using testing::Radio;

// Question 1 answered with option 2, question 2 with options 1 and 3 (multiple
// choice), question 3 left with no box ticked.
RunState ThreeQuestionRun() {
    RunState state;
    LoadTest(state, testing::Questions(3, {false, true, true}), "性格测试（女）");
    saveoptional(state, 1, Radio(2));
    saveoptional(state, 2, Checks({1, 3}));
    saveoptional(state, 3, Checks({}));
    return state;
}

constexpr const char* kLabel = "测试结果：本道测试题最低分为：0分,最高分为：30分，你的得分为：15分。\r\r你比较外向。";

TEST(ResultLogEntry, ListsTheChosenOptionsOfEveryQuestion) {
    EXPECT_EQ(ResultLogEntry(ThreeQuestionRun(), kLabel),
              "测试问题：性格测试（女）\r\n"
              "第1个问题的选择为： 第2个 选项\r\n"
              "第2个问题的选择为： 第1个 第3个 选项\r\n"
              "第3个问题的选择为： 选项\r\n"
              "\r\n"
              "测试结果：本道测试题最低分为：0分,最高分为：30分，你的得分为：15分。\r\r你比较外向。\r\n"
              "\r\n\r\n\r\n");
}

TEST(ResultLogEntry, IsWrittenInGbkByteForByte) {
    // The same entry as converted by iconv to code page 936.
    const std::string expected =
        "\xb2\xe2\xca\xd4\xce\xca\xcc\xe2\xa3\xba\xd0\xd4\xb8\xf1\xb2\xe2\xca\xd4\xa3\xa8\xc5\xae\xa3\xa9\x0d\x0a"
        "\xb5\xda\x31\xb8\xf6\xce\xca\xcc\xe2\xb5\xc4\xd1\xa1\xd4\xf1\xce\xaa\xa3\xba\x20\xb5\xda\x32\xb8\xf6\x20"
        "\xd1\xa1\xcf\xee\x0d\x0a"
        "\xb5\xda\x32\xb8\xf6\xce\xca\xcc\xe2\xb5\xc4\xd1\xa1\xd4\xf1\xce\xaa\xa3\xba\x20\xb5\xda\x31\xb8\xf6\x20"
        "\xb5\xda\x33\xb8\xf6\x20\xd1\xa1\xcf\xee\x0d\x0a"
        "\xb5\xda\x33\xb8\xf6\xce\xca\xcc\xe2\xb5\xc4\xd1\xa1\xd4\xf1\xce\xaa\xa3\xba\x20\xd1\xa1\xcf\xee\x0d\x0a"
        "\x0d\x0a"
        "\xb2\xe2\xca\xd4\xbd\xe1\xb9\xfb\xa3\xba\xb1\xbe\xb5\xc0\xb2\xe2\xca\xd4\xcc\xe2\xd7\xee\xb5\xcd\xb7\xd6"
        "\xce\xaa\xa3\xba\x30\xb7\xd6\x2c\xd7\xee\xb8\xdf\xb7\xd6\xce\xaa\xa3\xba\x33\x30\xb7\xd6\xa3\xac\xc4\xe3"
        "\xb5\xc4\xb5\xc3\xb7\xd6\xce\xaa\xa3\xba\x31\x35\xb7\xd6\xa1\xa3\x0d\x0d\xc4\xe3\xb1\xc8\xbd\xcf\xcd\xe2"
        "\xcf\xf2\xa1\xa3\x0d\x0a"
        "\x0d\x0a\x0d\x0a\x0d\x0a";
    EXPECT_EQ(ResultLogEntryBytes(ThreeQuestionRun(), kLabel), expected);
}

TEST(ResultLogEntry, OptionsElevenAndTwelveAreListedLikeAnyOther) {
    RunState state;
    LoadTest(state, testing::Questions(1, {true}), "t");
    saveoptional(state, 1, Checks({11, 12}));
    EXPECT_EQ(ResultLogEntry(state, "x"),
              "测试问题：t\r\n第1个问题的选择为： 第11个 第12个 选项\r\n\r\nx\r\n\r\n\r\n\r\n");
}

TEST(ResultLogEntry, CharactersOutsideGbkBecomeQuestionMarks) {
    RunState state;
    LoadTest(state, testing::Questions(1), "Año");
    EXPECT_EQ(ResultLogEntryBytes(state, "").substr(0, 14), "\xb2\xe2\xca\xd4\xce\xca\xcc\xe2\xa3\xba" "A?o\r");
}

TEST(ResultLogEntry, TwoResultsOfOneRunGiveTwoWholeEntries) {
    RunState state = ThreeQuestionRun();
    const std::string first = ResultLogEntry(state, "甲");
    saveoptional(state, 3, Checks({4}));
    const std::string second = ResultLogEntry(state, "乙");
    EXPECT_NE(second.find("第3个问题的选择为： 第4个 选项\r\n"), std::string::npos);
    EXPECT_EQ(first.substr(0, 10), second.substr(0, 10));
}

struct DrawCase {
    const char* note;
    LogStart start;
    std::uint32_t bound;
};

class DrawLogNumberTest : public ::testing::TestWithParam<DrawCase> {};

TEST_P(DrawLogNumberTest, AsksForTheRightRange) {
    std::uint32_t asked = 0;
    const RandomBelow lowest = [&](std::uint32_t bound) { asked = bound; return 0u; };
    EXPECT_EQ(DrawLogNumber(GetParam().start, lowest), 0u);
    EXPECT_EQ(asked, GetParam().bound) << GetParam().note;
    const RandomBelow highest = [](std::uint32_t bound) { return bound - 1; };
    EXPECT_EQ(DrawLogNumber(GetParam().start, highest), GetParam().bound - 1) << GetParam().note;
    const RandomBelow overshooting = [](std::uint32_t bound) { return bound + 3; };
    EXPECT_LT(DrawLogNumber(GetParam().start, overshooting), GetParam().bound) << GetParam().note;
}

INSTANTIATE_TEST_SUITE_P(Starts, DrawLogNumberTest,
                         ::testing::Values(DrawCase{"with the program: 0 to 99", LogStart::WithProgram, 100},
                                           DrawCase{"from the menu: 0 to 98", LogStart::FromMenu, 99}));

TEST(ClockRandom, StaysBelowTheBound) {
    ClockRandom random;
    for (int i = 0; i < 1000; ++i) {
        EXPECT_LT(DrawLogNumber(LogStart::WithProgram, std::ref(random)), 100u);
        EXPECT_LT(DrawLogNumber(LogStart::FromMenu, std::ref(random)), 99u);
    }
}

TEST(LogFileName, IsZunoNumberTxtWithoutLeadingZeros) {
    EXPECT_EQ(LogFileName(7), "zuno7.txt");
    EXPECT_EQ(LogFileName(42), "zuno42.txt");
    EXPECT_EQ(LogFileName(0), "zuno0.txt");
}

struct NameCase {
    const char* note;
    std::uint32_t drawn;
    std::set<std::string> existing;
    const char* chosen;
};

class ChooseLogFileNameTest : public ::testing::TestWithParam<NameCase> {};

TEST_P(ChooseLogFileNameTest, NeverReplacesAnEarlierLog) {
    const NameCase& c = GetParam();
    const auto name = ChooseLogFileName(c.drawn, [&](const std::string& n) { return c.existing.count(n) > 0; });
    ASSERT_TRUE(name.has_value()) << c.note;
    EXPECT_EQ(*name, c.chosen) << c.note;
}

INSTANTIATE_TEST_SUITE_P(
    Names, ChooseLogFileNameTest,
    ::testing::Values(NameCase{"free: the drawn number", 7, {}, "zuno7.txt"},
                      NameCase{"other logs do not matter", 7, {"zuno6.txt", "zuno8.txt"}, "zuno7.txt"},
                      NameCase{"taken: the next free number", 7, {"zuno7.txt", "zuno8.txt"}, "zuno9.txt"},
                      NameCase{"past 99 the name keeps its form", 98, {"zuno98.txt", "zuno99.txt"}, "zuno100.txt"}));

TEST(ChooseLogFileName, GivesUpWhenNothingIsFree) {
    EXPECT_FALSE(ChooseLogFileName(0, [](const std::string&) { return true; }).has_value());
}

}  // namespace
}  // namespace zuno::runner
