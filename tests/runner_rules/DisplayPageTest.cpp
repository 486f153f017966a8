// Display page geometry: where the label and the options go, pagebottom and its
// 16-bit wrap, when the scroll bar appears and with which range, the recorded
// scroll origins, scrolling, and the result and reader pages.
#include "runner/core/DisplayPage.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zuno::runner {
namespace {

const LayoutMetrics k12Points = LayoutMetricsFor(12);

std::vector<std::string> Options(int count, const std::string& text = "选项") {
    return std::vector<std::string>(static_cast<std::size_t>(count), text);
}

DisplayPage Question(std::int32_t imageHeight, std::int32_t textHeight, bool multiple,
                     const std::vector<std::string>& options) {
    DisplayPage page;
    page.selectinit();
    page.LayOutQuestion(imageHeight, textHeight, multiple, options, k12Points);
    return page;
}

TEST(LayOutQuestion, LabelGoesBelowThePicture) {
    EXPECT_EQ(Question(0, 20, false, Options(1)).Control(kLabel1).top, 25);
    EXPECT_EQ(Question(120, 20, false, Options(1)).Control(kLabel1).top, 145);
}

TEST(LayOutQuestion, StacksOptionsWithTheirGaps) {
    // Label 25..65; first option 35 below it, then 11 between options.
    const std::vector<std::string> options{"短", std::string(58, 'a'), "短"};
    const DisplayPage page = Question(0, 40, false, options);
    EXPECT_EQ(page.Control(RadioButton(1)).top, 100);
    EXPECT_EQ(page.Control(RadioButton(1)).height, 20);
    EXPECT_EQ(page.Control(RadioButton(2)).top, 131);
    EXPECT_EQ(page.Control(RadioButton(2)).height, 40);
    EXPECT_EQ(page.Control(RadioButton(3)).top, 182);
    EXPECT_EQ(page.pagebottom(), 202);
    EXPECT_EQ(page.OptionCount(), 3);
    for (int k = 1; k <= 12; ++k) {
        EXPECT_EQ(page.Control(RadioButton(k)).visible, k <= 3) << k;
        EXPECT_FALSE(page.Control(CheckBox(k)).visible) << k;
    }
}

TEST(LayOutQuestion, ShowsTwelveOfFourteenRows) {
    const DisplayPage page = Question(0, 20, true, Options(14));
    EXPECT_EQ(page.OptionCount(), 12);
    for (int k = 1; k <= 12; ++k) EXPECT_TRUE(page.Control(CheckBox(k)).visible) << k;
    EXPECT_EQ(page.pagebottom(), page.Control(CheckBox(12)).top + page.Control(CheckBox(12)).height);
}

TEST(LayOutQuestion, AFollowingQuestionShowsOnlyItsOwnOptions) {
    DisplayPage page = Question(0, 20, true, Options(12));
    page.selectinit();
    page.LayOutQuestion(0, 20, false, Options(3), k12Points);
    int visible = 0;
    for (std::size_t i = RadioButton(1); i < kPageControls; ++i) visible += page.Control(i).visible ? 1 : 0;
    EXPECT_EQ(visible, 3);
}

struct ScrollCase {
    const char* note;
    std::int32_t imageHeight;   // with a 20-pixel label and one option: pagebottom = 100 + imageHeight
    bool visible;
    std::int32_t maximum;
};

class ScrollRuleTest : public ::testing::TestWithParam<ScrollCase> {};

TEST_P(ScrollRuleTest, ShowsTheBarPast336) {
    const DisplayPage page = Question(GetParam().imageHeight, 20, false, Options(1));
    EXPECT_EQ(page.ScrollBar().visible, GetParam().visible) << GetParam().note;
    if (GetParam().visible) {
        EXPECT_EQ(page.ScrollBar().maximum, GetParam().maximum) << GetParam().note;
    }
    EXPECT_EQ(page.ScrollBar().position, 0);
}

INSTANTIATE_TEST_SUITE_P(Bottoms, ScrollRuleTest,
                         ::testing::Values(ScrollCase{"pagebottom 336 hides the bar", 236, false, 0},
                                           ScrollCase{"pagebottom 337 shows it with maximum 31", 237, true, 31},
                                           ScrollCase{"pagebottom 1000: maximum 694", 900, true, 694}));

TEST(LayOutQuestion, AShortQuestionHidesABarLeftFromBefore) {
    DisplayPage page = Question(900, 20, false, Options(1));
    ASSERT_TRUE(page.ScrollBar().visible);
    page.selectinit();
    page.LayOutQuestion(0, 20, false, Options(1), k12Points);
    EXPECT_FALSE(page.ScrollBar().visible);
}

TEST(LayOutQuestion, QuestionWithoutOptionsScrollsItsText) {
    const DisplayPage page = Question(0, 400, false, {});
    EXPECT_EQ(page.pagebottom(), 425);
    EXPECT_TRUE(page.ScrollBar().visible);
    EXPECT_EQ(page.ScrollBar().maximum, 425 - 336 + 30);
}

TEST(LayOutQuestion, PagebottomWrapsAt65536) {
    // Twelve options of 20000 bytes: 345 lines of 20 pixels each.
    const DisplayPage page = Question(0, 20, false, Options(12, std::string(20000, 'a')));
    const std::int32_t last = page.Control(RadioButton(12)).top + page.Control(RadioButton(12)).height;
    ASSERT_GT(last, 65535);
    EXPECT_EQ(page.pagebottom(), last - 65536);
}

TEST(LayOutQuestion, RecordsTheTopsOfAllTwentySixControls) {
    DisplayPage page = Question(0, 20, true, Options(5));   // check boxes get tops
    page.selectinit();
    page.LayOutQuestion(50, 20, false, Options(2), k12Points);
    const auto& tops = page.pagetops();
    EXPECT_EQ(tops[kImage1], 10);
    EXPECT_EQ(tops[kLabel1], 75);
    EXPECT_EQ(tops[RadioButton(1)], 130);
    EXPECT_EQ(tops[RadioButton(2)], 161);
    // Hidden check boxes keep the tops of the earlier question.
    EXPECT_EQ(tops[CheckBox(1)], 80);
    EXPECT_EQ(tops[CheckBox(5)], 80 + 4 * 31);
}

TEST(ScrollBarChange, MovesPictureLabelAndVisibleOptions) {
    DisplayPage page = Question(900, 20, true, Options(3));
    const auto before = page.pagetops();
    page.ScrollBarChange(40);
    EXPECT_EQ(page.ScrollBar().position, 40);
    EXPECT_EQ(page.Control(kImage1).top, before[kImage1] - 40);
    EXPECT_EQ(page.Control(kLabel1).top, before[kLabel1] - 40);
    for (int k = 1; k <= 3; ++k) EXPECT_EQ(page.Control(CheckBox(k)).top, before[CheckBox(k)] - 40) << k;
    for (int k = 4; k <= 12; ++k) EXPECT_EQ(page.Control(CheckBox(k)).top, before[CheckBox(k)]) << "hidden " << k;
    page.ScrollBarChange(0);
    EXPECT_EQ(page.Control(kLabel1).top, before[kLabel1]);
}

TEST(ScrollBarChange, StaysInTheBarsRange) {
    DisplayPage page = Question(237, 20, false, Options(1));   // maximum 31
    page.ScrollBarChange(500);
    EXPECT_EQ(page.ScrollBar().position, 31);
    page.ScrollBarChange(-5);
    EXPECT_EQ(page.ScrollBar().position, 0);
}

TEST(EnableSkinScrollBar, AddsThirtyAndResetsWithoutMovingControls) {
    DisplayPage page = Question(900, 20, false, Options(1));
    page.ScrollBarChange(100);
    const std::int32_t labelTop = page.Control(kLabel1).top;
    page.enableskinscrollbar(7);
    EXPECT_EQ(page.ScrollBar().maximum, 37);
    EXPECT_EQ(page.ScrollBar().position, 0);
    EXPECT_EQ(page.Control(kLabel1).top, labelTop);
}

TEST(ShowResult, FoundClearsThePageAndScrollsLongResults) {
    DisplayPage page = Question(900, 20, false, Options(4));
    page.ShowResult(true, 400);
    EXPECT_EQ(page.Control(kLabel1).top, 20);
    EXPECT_EQ(page.Control(kImage1).height, 0);
    EXPECT_EQ(page.OptionCount(), 0);
    for (std::size_t i = RadioButton(1); i < kPageControls; ++i) EXPECT_FALSE(page.Control(i).visible);
    EXPECT_EQ(page.pagebottom(), 420);
    EXPECT_EQ(page.pagetops()[kLabel1], 20);
    EXPECT_TRUE(page.ScrollBar().visible);
    EXPECT_EQ(page.ScrollBar().maximum, 114);
}

TEST(ShowResult, ShortFoundResultHasNoBar) {
    DisplayPage page = Question(900, 20, false, Options(4));
    page.ShowResult(true, 100);
    EXPECT_FALSE(page.ScrollBar().visible);
}

TEST(ShowResult, NoResultKeepsTheQuestionAndItsBar) {
    DisplayPage page = Question(200, 20, false, Options(3));   // options reach 362
    ASSERT_TRUE(page.ScrollBar().visible);
    const std::int32_t maximum = page.ScrollBar().maximum;
    page.ShowResult(false, 60);
    EXPECT_EQ(page.Control(kLabel1).top, 225);
    EXPECT_EQ(page.Control(kImage1).height, 200);
    EXPECT_EQ(page.OptionCount(), 3);
    EXPECT_TRUE(page.Control(RadioButton(3)).visible);
    EXPECT_EQ(page.pagebottom(), 285);
    EXPECT_TRUE(page.ScrollBar().visible);   // left as the question left it
    EXPECT_EQ(page.ScrollBar().maximum, maximum);
}

TEST(ShowResult, NoResultOnAScrolledPageIsWrittenWhereItCanBeSeen) {
    DisplayPage page = Question(900, 20, false, Options(3));
    page.ScrollBarChange(page.ScrollBar().maximum);   // label far above the page
    page.ShowResult(false, 60);
    EXPECT_EQ(page.ScrollBar().position, 0);
    EXPECT_EQ(page.Control(kLabel1).top, 925);
    EXPECT_EQ(page.pagetops()[kLabel1], 925);
    EXPECT_EQ(page.pagebottom(), 985);
    EXPECT_EQ(page.ScrollBar().maximum, 985 - 336 + 30);
}

TEST(ShowText, TallTextIsCutAt5000Pixels) {
    DisplayPage page;
    page.ShowText(9000);
    EXPECT_EQ(page.Control(kLabel1).height, 5000);
    EXPECT_EQ(page.pagebottom(), 5020);
    EXPECT_EQ(page.ScrollBar().maximum, 4714);
}

struct TextCase {
    const char* note;
    std::int32_t textHeight;
    bool visible;
    std::int32_t maximum;
};

class ShowTextTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(ShowTextTest, ScrollsOnlyTallTexts) {
    DisplayPage page = Question(900, 20, false, Options(2));
    page.ShowText(GetParam().textHeight);
    EXPECT_EQ(page.Control(kLabel1).top, 20);
    EXPECT_EQ(page.pagetops()[kLabel1], 20);
    EXPECT_EQ(page.ScrollBar().visible, GetParam().visible) << GetParam().note;
    if (GetParam().visible) {
        EXPECT_EQ(page.ScrollBar().maximum, GetParam().maximum);
    }
    for (std::size_t i = RadioButton(1); i < kPageControls; ++i) EXPECT_FALSE(page.Control(i).visible);
}

INSTANTIATE_TEST_SUITE_P(Heights, ShowTextTest,
                         ::testing::Values(TextCase{"pagebottom 336: no bar", 316, false, 0},
                                           TextCase{"pagebottom 337: range 0 to 31", 317, true, 31},
                                           TextCase{"a very short text still gets 20 pixels", 1, false, 0}));

}  // namespace
}  // namespace zuno::runner
