// Loading a test into the run state: sizes of the arrays, the reset for question 1,
// the 1..254 question limit, and that a refused load changes nothing.
#include "runner/core/RunState.h"

#include "RunnerFixtures.h"

#include <gtest/gtest.h>

namespace zuno::runner {
namespace {

using testing::Loaded;
using testing::Questions;

TEST(LoadTest, TwentyQuestionsGiveTwoHundredFortyOneFlags) {
    RunState state;
    const LoadOutcome outcome = LoadTest(state, Questions(20), "性格测试");
    ASSERT_TRUE(outcome.loaded);
    EXPECT_EQ(state.sqcount, 20);
    EXPECT_EQ(state.sqlist.size(), 21u);
    EXPECT_EQ(state.sqlist[1].id, "T0000001Q001");
    EXPECT_EQ(state.sqlist[20].id, "T0000001Q020");
    ASSERT_EQ(state.selectflags.size(), 241u);
    for (bool flag : state.selectflags) EXPECT_FALSE(flag);
    EXPECT_EQ(state.testtitle, "性格测试");
    EXPECT_EQ(QuestionCountCaption(state.sqcount), "本测试共有20个问题");
}

struct ResetCase {
    const char* note;
    int questions;
    std::string_view nextCaption;
};

class MenuClickInitTest : public ::testing::TestWithParam<ResetCase> {};

TEST_P(MenuClickInitTest, ResetsForQuestionOne) {
    const RunState state = Loaded(GetParam().questions);
    EXPECT_EQ(state.marksum, 0);
    EXPECT_EQ(state.sqindex, 1);
    EXPECT_EQ(state.buttons.NextCaption(), GetParam().nextCaption) << GetParam().note;
    EXPECT_TRUE(state.buttons.nextEnabled);
    EXPECT_FALSE(state.buttons.previousEnabled);
}

INSTANTIATE_TEST_SUITE_P(Sizes, MenuClickInitTest,
                         ::testing::Values(ResetCase{"one question finishes at once", 1, "完  成"},
                                           ResetCase{"two questions", 2, "下一题"},
                                           ResetCase{"the largest test", 254, "下一题"}));

TEST(LoadTest, ANewTestReplacesAnUnfinishedOne) {
    RunState state = Loaded(12);
    state.sqindex = 5;
    state.marksum = 40;
    state.selectflags[FlagIndex(1, 2)] = true;
    state.buttons.previousEnabled = true;
    ASSERT_TRUE(LoadTest(state, Questions(3), "B").loaded);
    EXPECT_EQ(state.sqcount, 3);
    EXPECT_EQ(state.sqindex, 1);
    EXPECT_EQ(state.marksum, 0);
    EXPECT_EQ(state.selectflags.size(), 37u);
    for (bool flag : state.selectflags) EXPECT_FALSE(flag);
    EXPECT_FALSE(state.buttons.previousEnabled);
    EXPECT_EQ(state.testtitle, "B");
}

struct RefusedCase {
    const char* note;
    int questions;
    const char* messagePart;
};

class RefusedLoadTest : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(RefusedLoadTest, KeepsTheCurrentRunAndExplains) {
    RunState state = Loaded(3);
    state.sqindex = 2;
    state.marksum = 7;
    const RunState before = state;
    const LoadOutcome outcome = LoadTest(state, Questions(GetParam().questions), "坏测试");
    EXPECT_FALSE(outcome.loaded) << GetParam().note;
    EXPECT_NE(outcome.message.find(GetParam().messagePart), std::string::npos) << outcome.message;
    EXPECT_EQ(state.sqcount, before.sqcount);
    EXPECT_EQ(state.sqindex, before.sqindex);
    EXPECT_EQ(state.marksum, before.marksum);
    EXPECT_EQ(state.selectflags, before.selectflags);
    EXPECT_EQ(state.testtitle, before.testtitle);
    EXPECT_EQ(state.buttons, before.buttons);
}

INSTANTIATE_TEST_SUITE_P(
    Limits, RefusedLoadTest,
    ::testing::Values(RefusedCase{"no question row", 0, "没有找到"},
                      RefusedCase{"255 would wrap sqindex past the result", 255, "255个问题"},
                      RefusedCase{"256 would wrap the 8-bit count to 0", 256, "256个问题"},
                      RefusedCase{"300 would wrap to 44", 300, "300个问题"}));

TEST(ResultFieldTestId, IsTheFirstEightCharactersOfQuestionOne) {
    EXPECT_EQ(ResultFieldTestId(Loaded(2)), "T0000001");
    RunState none;
    EXPECT_EQ(ResultFieldTestId(none), "");
    RunState odd;
    LoadTest(odd, {{"测试ABCDEFGHIJ", "q", false}}, "t");
    EXPECT_EQ(ResultFieldTestId(odd), "测试ABCDEF");   // whole characters, not bytes
}

TEST(ShowsQuestion, OnlyWhileAQuestionIsThePage) {
    RunState state;
    EXPECT_FALSE(ShowsQuestion(state));   // before any test
    state = Loaded(3);
    EXPECT_TRUE(ShowsQuestion(state));
    state.sqindex = 4;                     // result shown
    EXPECT_FALSE(ShowsQuestion(state));
}

TEST(DisableNavigation, DisablesBothButtonsAndKeepsTheRun) {
    RunState state = Loaded(3);
    state.sqindex = 2;
    DisableNavigation(state);
    EXPECT_FALSE(state.buttons.nextEnabled);
    EXPECT_FALSE(state.buttons.previousEnabled);
    EXPECT_EQ(state.sqindex, 2);
}

}  // namespace
}  // namespace zuno::runner
