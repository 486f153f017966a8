// Catalogue captions: the credibility figure (integer division, remainder dropped),
// the "?" for a count of 0, and the "New" marks at and above their thresholds.
#include "runner/core/Catalogue.h"

#include <gtest/gtest.h>

namespace zuno::runner {
namespace {

struct TestCaptionCase {
    const char* note;
    std::int32_t score, count, recId, threshold;
    const char* caption;
};

class TestItemCaptionTest : public ::testing::TestWithParam<TestCaptionCase> {};

TEST_P(TestItemCaptionTest, BuildsTheMenuCaption) {
    const TestCaptionCase& c = GetParam();
    EXPECT_EQ(TestItemCaption("性格测试（女）", c.score, c.count, c.recId, c.threshold), c.caption) << c.note;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TestItemCaptionTest,
    ::testing::Values(
        TestCaptionCase{"87 of 10 is 87%", 87, 10, 5, 180, "性格测试（女）     87%"},
        TestCaptionCase{"50 div 3 drops the remainder", 5, 3, 5, 180, "性格测试（女）     16%"},
        TestCaptionCase{"score 0 gives 0%", 0, 7, 5, 180, "性格测试（女）     0%"},
        TestCaptionCase{"count 0: question mark, no percentage", 99, 0, 5, 180, "性格测试（女）    ?"},
        TestCaptionCase{"RecId equal to the threshold is not new", 5, 3, 180, 180, "性格测试（女）     16%"},
        TestCaptionCase{"threshold + 1 is new", 5, 3, 181, 180, "性格测试（女）     16%     New"},
        TestCaptionCase{"new after the question mark", 5, 0, 181, 180, "性格测试（女）    ?     New"},
        TestCaptionCase{"negative quotient truncates toward zero", -5, 3, 1, 180, "性格测试（女）     -16%"},
        TestCaptionCase{"large score does not overflow", 2147483647, 1, 1, 180,
                        "性格测试（女）     21474836470%"}));

TEST(TextItemCaption, MarksTextsAboveTheThreshold) {
    EXPECT_EQ(TextItemCaption("如何面对压力", 57, 57), "如何面对压力");
    EXPECT_EQ(TextItemCaption("如何面对压力", 58, 57), "如何面对压力   New");
    EXPECT_EQ(TextItemCaption("", 1, 0), "   New");
}

TEST(LoadingCaption, QuotesTheTitle) {
    EXPECT_EQ(LoadingCaption("性格测试"), "正在加载\"性格测试\"");
}

}  // namespace
}  // namespace zuno::runner
