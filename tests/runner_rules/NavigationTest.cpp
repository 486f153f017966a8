// Answer capture and navigation: the page's mark with its 8-bit wraps, saving and
// restoring answers, marksum across Next and Previous with its 16-bit wraps, the
// button states, the keys, and a failed result step that must change nothing.
#include "runner/core/Navigation.h"

#include "RunnerFixtures.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace zuno::runner {
namespace {

using testing::Checks;
using testing::Field;
using testing::Keys;
using testing::Loaded;
using testing::Radio;

// A plain field matching any score 0..255.
constexpr const char* kAnyScore = "0--to  255@___@结果";

struct MarkCase {
    const char* note;
    PageAnswers page;
    std::uint8_t mark;
};

class GetMarkTest : public ::testing::TestWithParam<MarkCase> {};

TEST_P(GetMarkTest, GivesThePagesMark) {
    EXPECT_EQ(getmark(GetParam().page), GetParam().mark) << GetParam().note;
}

PageAnswers TwoRadiosSelected() {
    PageAnswers page = Radio(2, Keys({7, 8, 9}));
    page.chosen[2] = true;
    return page;
}

INSTANTIATE_TEST_SUITE_P(
    Pages, GetMarkTest,
    ::testing::Values(
        MarkCase{"single choice: the key of the selected option", Radio(3, Keys({5, 6, 7})), 7},
        MarkCase{"single choice, nothing selected", Radio(0), 0},
        MarkCase{"single choice: the last selected one counts", TwoRadiosSelected(), 9},
        MarkCase{"key 300 keeps its low 8 bits", Radio(1, Keys({300})), 44},
        MarkCase{"key -1 keeps its low 8 bits", Radio(1, Keys({-1})), 255},
        MarkCase{"multiple choice: keys 2 and 4 give 6", Checks({1, 2}, Keys({2, 4})), 6},
        MarkCase{"multiple choice: nothing checked gives 0", Checks({}), 0},
        MarkCase{"multiple choice: 200 + 100 wraps at 256 to 44", Checks({1, 2}, Keys({200, 100})), 44},
        MarkCase{"multiple choice: 255 + 1 wraps to 0", Checks({1, 2}, Keys({255, 1})), 0},
        MarkCase{"multiple choice: options 11 and 12 count", Checks({11, 12}), 23}));

TEST(Saveoptional, SetsTheTwelveFlagsOfTheQuestion) {
    RunState state = Loaded(3);
    saveoptional(state, 2, Checks({1, 12}));
    for (std::size_t i = 0; i < state.selectflags.size(); ++i)
        EXPECT_EQ(state.selectflags[i], i == FlagIndex(2, 1) || i == FlagIndex(2, 12)) << i;
    EXPECT_EQ(FlagIndex(2, 1), 13u);
    EXPECT_EQ(FlagIndex(2, 12), 24u);
    saveoptional(state, 2, Checks({}));   // saving again replaces the answers
    for (bool flag : state.selectflags) EXPECT_FALSE(flag);
}

TEST(Saveoptional, IgnoresQuestionsOutsideTheTest) {
    RunState state = Loaded(2);
    saveoptional(state, 3, Checks({1, 2, 3}));
    saveoptional(state, 0, Checks({1}));
    for (bool flag : state.selectflags) EXPECT_FALSE(flag);
}

TEST(Showselect, RestoresTheQuestionsOwnKindAndTakesItsMarkOut) {
    RunState state = Loaded(2, {false, true});
    saveoptional(state, 2, Checks({1, 3}));
    state.marksum = 10;
    const OptionFlags restored = showselect(state, 2, Keys({2, 9, 4}));
    EXPECT_TRUE(restored[0]);
    EXPECT_FALSE(restored[1]);
    EXPECT_TRUE(restored[2]);
    EXPECT_EQ(state.marksum, 4);   // 10 - (2 + 4)
}

TEST(Showselect, SubtractsIn16BitsAndWrapsBelowZero) {
    RunState state = Loaded(1);
    saveoptional(state, 1, Radio(1, Keys({5})));
    state.marksum = 2;
    showselect(state, 1, Keys({5}));
    EXPECT_EQ(state.marksum, 65533);
}

struct Walk {
    RunState state;
    explicit Walk(int questions, std::initializer_list<bool> multiple = {}) : state(Loaded(questions, multiple)) {}
    NavigationStep Next(const PageAnswers& page, const char* field = kAnyScore) {
        return NextButtonClick(state, page, Field(field));
    }
    // Previous and the restore the Windows side runs after laying the question out.
    NavigationStep Previous(const OptionKeys& keys = Keys()) {
        NavigationStep step = PreviousButtonClick(state);
        if (step.restoreAnswers) restored = showselect(state, step.question, keys);
        return step;
    }
    OptionFlags restored{};
};

TEST(Navigation, UntouchedSingleChoicePageSavesOptionOne) {
    Walk walk(2);
    // The page's clearing step selects RadioButton1, so an untouched page has it.
    const NavigationStep step = walk.Next(Radio(1, Keys({4})));
    EXPECT_TRUE(step.acted);
    EXPECT_EQ(step.question, 2);
    EXPECT_FALSE(step.restoreAnswers);
    EXPECT_EQ(walk.state.marksum, 4);
    EXPECT_TRUE(SavedFlag(walk.state, 1, 1));
}

TEST(Navigation, EmptyMultipleChoicePageSavesNothing) {
    Walk walk(2, {true});
    walk.Next(Checks({}));
    EXPECT_EQ(walk.state.marksum, 0);
    for (int k = 1; k <= 12; ++k) EXPECT_FALSE(SavedFlag(walk.state, 1, k));
}

TEST(Navigation, StepBackRestoresAndEveryQuestionCountsOnce) {
    Walk walk(3);
    walk.Next(Radio(1, Keys({1})));   // question 1: key 1
    walk.Next(Radio(3, Keys({1, 2, 3})));   // question 2: key 3
    EXPECT_EQ(walk.state.marksum, 4);
    const NavigationStep back = walk.Previous(Keys({1, 2, 3}));
    EXPECT_EQ(back.question, 2);
    EXPECT_TRUE(back.restoreAnswers);
    EXPECT_TRUE(walk.restored[2]);
    EXPECT_EQ(walk.state.marksum, 1);   // dropped by 3
    const NavigationStep forward = walk.Next(Radio(5, Keys({1, 2, 3, 4, 5})));
    EXPECT_EQ(walk.state.marksum, 6);   // key 5 added
    EXPECT_EQ(forward.question, 3);
    EXPECT_FALSE(forward.restoreAnswers);   // nothing restored on the way forward
}

TEST(Navigation, StepBackTakesOutWhatAWrappedMarkAdded) {
    Walk walk(2, {true});
    walk.Next(Checks({1, 2}, Keys({200, 100})));   // 300 kept in 8 bits: 44
    EXPECT_EQ(walk.state.marksum, 44);
    walk.Previous(Keys({200, 100}));
    EXPECT_EQ(walk.state.marksum, 0);
}

TEST(Navigation, StepBackTakesOutTheLow8BitsOfALargeKey) {
    Walk walk(2);
    walk.Next(Radio(1, Keys({300})));
    EXPECT_EQ(walk.state.marksum, 44);
    walk.Previous(Keys({300}));
    EXPECT_EQ(walk.state.marksum, 0);
}

TEST(Navigation, FinishShowsTheResultAndDisablesNext) {
    Walk walk(2);
    walk.Next(Radio(2));
    const NavigationStep step = walk.Next(Radio(3), "0--to  10@___@低分");
    ASSERT_TRUE(step.result.has_value());
    EXPECT_TRUE(step.result->found);
    EXPECT_EQ(step.result->label, "测试结果：本道测试题最低分为：0分,最高分为：10分，你的得分为：5分。\r\r低分");
    EXPECT_EQ(step.question, 0);
    EXPECT_EQ(walk.state.sqindex, 3);
    EXPECT_EQ(step.buttons.NextCaption(), "完  成");
    EXPECT_FALSE(step.buttons.nextEnabled);
    EXPECT_TRUE(step.buttons.previousEnabled);
}

TEST(Navigation, PreviousFromTheResultRestoresAndFinishShowsItAgain) {
    Walk walk(2);
    walk.Next(Radio(2));
    walk.Next(Radio(3));
    EXPECT_EQ(walk.state.marksum, 5);
    const NavigationStep back = walk.Previous();
    EXPECT_EQ(back.question, 2);
    EXPECT_TRUE(walk.restored[2]);
    EXPECT_EQ(walk.state.marksum, 2);
    EXPECT_EQ(back.buttons.NextCaption(), "完  成");
    EXPECT_TRUE(back.buttons.nextEnabled);
    EXPECT_TRUE(back.buttons.previousEnabled);
    const NavigationStep again = walk.Next(Radio(3));
    ASSERT_TRUE(again.result.has_value());
    EXPECT_EQ(walk.state.marksum, 5);
}

TEST(Navigation, MarksumWrapsAt65536AroundAnOverwrittenScore) {
    // A most-frequent test leaves the best option number in marksum; stepping back
    // from the result works on that value, below zero and back up through 65536.
    constexpr const char* kMostFrequent = "ts111--to  1@___@一!rt#2--to  2@___@二";
    Walk walk(3);
    walk.Next(Radio(1, Keys({9})));
    walk.Next(Radio(1, Keys({9})));
    walk.Next(Radio(1, Keys({9})), kMostFrequent);
    EXPECT_EQ(walk.state.marksum, 1);
    walk.Previous(Keys({9}));
    EXPECT_EQ(walk.state.marksum, 65528);   // 1 - 9
    walk.Previous(Keys({9}));
    EXPECT_EQ(walk.state.marksum, 65519);   // - 9 again
    walk.Next(Radio(1, Keys({20})));
    EXPECT_EQ(walk.state.marksum, 3);       // 65519 + 20 - 65536
    walk.Next(Radio(1, Keys({9})), kMostFrequent);
    EXPECT_EQ(walk.state.marksum, 1);
}

TEST(Navigation, MalformedResultFieldChangesNothing) {
    Walk walk(2);
    walk.Next(Radio(2));
    const RunState before = walk.state;
    const NavigationStep failed = walk.Next(Radio(3), "0--to  10@___@a!rt#");
    ASSERT_TRUE(failed.error.has_value());
    EXPECT_NE(failed.error->find("第2段"), std::string::npos) << *failed.error;
    EXPECT_FALSE(failed.acted);
    EXPECT_FALSE(failed.result.has_value());
    EXPECT_EQ(failed.question, 0);
    EXPECT_EQ(failed.buttons, before.buttons);
    EXPECT_EQ(walk.state.sqindex, before.sqindex);
    EXPECT_EQ(walk.state.marksum, before.marksum);
    EXPECT_EQ(walk.state.selectflags, before.selectflags);
    EXPECT_EQ(walk.state.buttons, before.buttons);
    // Pressing "完  成" again counts the page once, not twice.
    const NavigationStep retried = walk.Next(Radio(3), kAnyScore);
    ASSERT_TRUE(retried.result.has_value());
    EXPECT_EQ(walk.state.marksum, 5);
}

TEST(Navigation, DatabaseErrorWhileReadingTheFieldChangesNothing) {
    Walk walk(1);
    const RunState before = walk.state;
    const ResultFieldReader failing = [](std::string_view) -> std::string { throw std::runtime_error("no row"); };
    EXPECT_THROW(NextButtonClick(walk.state, Radio(4), failing), std::runtime_error);
    EXPECT_EQ(walk.state.sqindex, before.sqindex);
    EXPECT_EQ(walk.state.marksum, before.marksum);
    EXPECT_EQ(walk.state.selectflags, before.selectflags);
}

TEST(Navigation, ReadsTheFieldOfTheFirstQuestionsTest) {
    Walk walk(1);
    std::string asked;
    NextButtonClick(walk.state, Radio(1), [&](std::string_view id) {
        asked = id;
        return std::string(kAnyScore);
    });
    EXPECT_EQ(asked, "T0000001");
}

// The button state table, walked forward to the result and back to question 1.
class ButtonTableTest : public ::testing::TestWithParam<int> {};

TEST_P(ButtonTableTest, FollowsTheStateTable) {
    const int q = GetParam();
    Walk walk(q);
    for (int i = 1; i <= q; ++i) {
        const NavigationButtons& b = walk.state.buttons;
        EXPECT_EQ(walk.state.sqindex, i);
        EXPECT_EQ(b.NextCaption(), i == q ? "完  成" : "下一题") << "question " << i;
        EXPECT_TRUE(b.nextEnabled);
        EXPECT_EQ(b.previousEnabled, i > 1) << "question " << i;
        const NavigationStep step = walk.Next(Radio(1));
        EXPECT_EQ(step.result.has_value(), i == q);
        EXPECT_EQ(step.question, i < q ? i + 1 : 0);
    }
    EXPECT_EQ(walk.state.sqindex, q + 1);
    EXPECT_FALSE(walk.state.buttons.nextEnabled);
    EXPECT_TRUE(walk.state.buttons.previousEnabled);
    for (int i = q; i >= 1 && walk.state.buttons.previousEnabled; --i) {
        const NavigationStep step = walk.Previous();
        EXPECT_EQ(step.question, i);
        EXPECT_EQ(walk.state.buttons.NextCaption(), i == q ? "完  成" : "下一题");
        EXPECT_TRUE(walk.state.buttons.nextEnabled);
        EXPECT_EQ(walk.state.buttons.previousEnabled, i > 1);
    }
}

INSTANTIATE_TEST_SUITE_P(Sizes, ButtonTableTest, ::testing::Values(1, 2, 3, 254));

TEST(Navigation, OneQuestionTestCannotStepBackFromItsResult) {
    Walk walk(1);
    walk.Next(Radio(1));
    // Previous is enabled on the result page and shows question 1 again.
    const NavigationStep back = walk.Previous();
    EXPECT_EQ(back.question, 1);
    EXPECT_FALSE(walk.state.buttons.previousEnabled);
    EXPECT_EQ(walk.state.buttons.NextCaption(), "完  成");
}

TEST(Navigation, DisabledButtonsDoNothing) {
    RunState none;
    EXPECT_FALSE(NextButtonClick(none, Radio(1), Field(kAnyScore)).acted);
    EXPECT_FALSE(PreviousButtonClick(none).acted);
    Walk walk(2);
    EXPECT_FALSE(PreviousButtonClick(walk.state).acted);   // question 1
    walk.Next(Radio(1));
    walk.Next(Radio(1));
    const RunState atResult = walk.state;
    EXPECT_FALSE(NextButtonClick(walk.state, Radio(1), Field(kAnyScore)).acted);
    EXPECT_EQ(walk.state.marksum, atResult.marksum);
    EXPECT_EQ(walk.state.sqindex, atResult.sqindex);
}

struct KeyCase {
    const char* note;
    int questionsAnswered;   // Next presses after loading a 2-question test
    NavigationKey key;
    KeyAction action;
};

class FormKeyDownTest : public ::testing::TestWithParam<KeyCase> {};

TEST_P(FormKeyDownTest, PressesOnlyEnabledButtons) {
    Walk walk(2);
    for (int i = 0; i < GetParam().questionsAnswered; ++i) walk.Next(Radio(1));
    EXPECT_EQ(FormKeyDown(walk.state, GetParam().key), GetParam().action) << GetParam().note;
}

INSTANTIATE_TEST_SUITE_P(
    Keys, FormKeyDownTest,
    ::testing::Values(KeyCase{"Backspace on question 1 does nothing", 0, NavigationKey::Backspace, KeyAction::None},
                      KeyCase{"Enter on question 1 presses Next", 0, NavigationKey::Enter, KeyAction::Next},
                      KeyCase{"Space presses Next", 1, NavigationKey::Space, KeyAction::Next},
                      KeyCase{"Backspace on question 2 presses Previous", 1, NavigationKey::Backspace,
                              KeyAction::Previous},
                      KeyCase{"Enter on the result page does nothing", 2, NavigationKey::Enter, KeyAction::None},
                      KeyCase{"Esc ends the program", 2, NavigationKey::Escape, KeyAction::EndProgram},
                      KeyCase{"other keys do nothing", 1, NavigationKey::Other, KeyAction::None}));

TEST(FormKeyDown, DoesNothingOnAReaderPage) {
    RunState state = Loaded(3);
    DisableNavigation(state);
    EXPECT_EQ(FormKeyDown(state, NavigationKey::Enter), KeyAction::None);
    EXPECT_EQ(FormKeyDown(state, NavigationKey::Space), KeyAction::None);
    EXPECT_EQ(FormKeyDown(state, NavigationKey::Backspace), KeyAction::None);
}

}  // namespace
}  // namespace zuno::runner
