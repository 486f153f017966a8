// Reading test sources and the checks of one test: how lines are classified,
// which scores are reachable, and the resolved fields the writer relies on.
#include <gtest/gtest.h>

#include "authoring/contentc/Parsers.h"
#include "authoring/contentc/TestChecks.h"

namespace zuno::authoring {
namespace {

// The model of a test source (the name Test is gtest's inside test bodies).
using TestModel = ::zuno::authoring::Test;

TestModel Read(const std::string& text, Diagnostics& diag) {
    return ParseTest(SplitSource("t.txt", text, diag), diag);
}

const char* kHeader = "number: 7\ntitle: 标题\nkind: k\ncredibility: 87/10\nevaluation: score\n";

TEST(TestParser, QuestionsOptionsAndResults) {
    Diagnostics diag;
    const TestModel t = Read(std::string(kHeader) +
                            "\nQ：全角冒号的问题\n# 注释不进入文本\n第二行\n\n第三段\npicture: doors\n3 ： 甲\n\n1: 乙\n"
                            "Q+: 多选\n2: 一\nR 0 - 5：首行\n解释\n\n第二段\n\n",
                        diag);
    EXPECT_EQ(diag.errorCount(), 0);
    ASSERT_EQ(t.questions.size(), 2u);
    EXPECT_EQ(t.questions[0].textLines, (std::vector<std::string>{"全角冒号的问题", "第二行", "", "第三段"}));
    EXPECT_EQ(t.questions[0].picture.value, "doors");
    EXPECT_EQ(t.questions[0].picture.line, 12);
    ASSERT_EQ(t.questions[0].options.size(), 2u);
    EXPECT_EQ(t.questions[0].options[0].mark, 3);
    EXPECT_EQ(t.questions[0].options[0].text, "甲");
    EXPECT_EQ(t.questions[0].options[1].line, 15);
    EXPECT_TRUE(t.questions[1].multiple);
    ASSERT_EQ(t.results.size(), 1u);
    EXPECT_EQ(t.results[0].low.first, 0);
    EXPECT_EQ(t.results[0].high.first, 5);
    EXPECT_EQ(t.results[0].textLines, (std::vector<std::string>{"首行", "解释", "", "第二段"}));
}

TEST(TestParser, DottedResultBounds) {
    Diagnostics diag;
    const TestModel t = Read(std::string(kHeader) + "Q: 问\n0: 甲\nR 1.2-3.4:\n解\nR 2.1:\n解\n", diag);
    ASSERT_EQ(t.results.size(), 2u);
    EXPECT_TRUE(t.results[0].low.dotted);
    EXPECT_EQ(t.results[0].low.second, 2);
    EXPECT_EQ(t.results[0].high.first, 3);
    EXPECT_EQ(t.results[0].high.second, 4);
    EXPECT_EQ(t.results[1].high.first, 2);
    EXPECT_EQ(t.results[1].high.second, 1);
}

TEST(TestParser, ResultLinesThatCannotBeReadAreReported) {
    for (const char* line : {"R 1-:", "R 1.:", "R 1", "R 1-2 3:", "R 1.2.3:"}) {
        Diagnostics diag;
        const TestModel t = Read(std::string(kHeader) + "Q: 问\n0: 甲\n" + line + "\n解\n", diag);
        ASSERT_EQ(diag.errorCount(), 1) << line;
        EXPECT_EQ(diag.all()[0].line, 8) << line;
        EXPECT_FALSE(t.results.at(0).rangeValid) << line;
    }
}

TEST(TestParser, TextThatOnlyLooksLikeAKeyStaysText) {
    Diagnostics diag;
    const TestModel t = Read(std::string(kHeader) + "Q: 问\nRNA 与 DNA: 哪个更重要？\n0: 甲\nR 0:\nRGB 色彩\n", diag);
    EXPECT_EQ(diag.errorCount(), 0);
    EXPECT_EQ(t.questions.at(0).textLines.size(), 2u);
    EXPECT_EQ(t.results.at(0).textLines, (std::vector<std::string>{"RGB 色彩"}));
}

struct ReachCase {
    const char* what;
    std::string body;
    std::vector<int> reachable;
};

TEST(ReachableScores, SingleAndMultipleChoice) {
    const std::vector<ReachCase> cases = {
        {"one single-choice question", "Q: a\n3: x\n1: y\n", {1, 3}},
        {"multiple choice is any subset", "Q+: a\n2: x\n4: y\n", {0, 2, 4, 6}},
        {"sums of both", "Q: a\n3: x\n1: y\nQ+: b\n2: x\n2: y\n0: z\n", {1, 3, 5, 7}},
        {"gaps stay gaps", "Q: a\n0: x\n10: y\nQ: b\n0: x\n10: y\n", {0, 10, 20}},
        {"no question", "", {0}},
    };
    for (const ReachCase& c : cases) {
        Diagnostics diag;
        const TestModel t = Read(std::string(kHeader) + c.body, diag);
        const std::vector<bool> reach = ReachableScores(t);
        std::vector<int> got;
        for (size_t s = 0; s < reach.size(); ++s) {
            if (reach[s]) got.push_back(static_cast<int>(s));
        }
        EXPECT_EQ(got, c.reachable) << c.what;
    }
}

TEST(ReachableScores, ReachesPast255ForLongTests) {
    Diagnostics diag;
    std::string body;
    for (int q = 0; q < 254; ++q) body += "Q: a\n255: x\n";
    const std::vector<bool> reach = ReachableScores(Read(std::string(kHeader) + body, diag));
    ASSERT_EQ(reach.size(), 254u * 255u + 1);
    EXPECT_TRUE(reach.back());
    EXPECT_FALSE(reach[0]);
}

TEST(CheckTest, ResolvesIdKindAndSegments) {
    Diagnostics diag;
    TestModel t = Read(std::string(kHeader) + "Q: 问\n0: 甲\n2: 乙\nR 0-1:\n低\nR 2:\n高\n", diag);
    CheckTest(t, diag);
    EXPECT_EQ(diag.errorCount(), 0);
    EXPECT_EQ(t.testId, "T0000007");
    EXPECT_EQ(t.recId, 7);
    EXPECT_EQ(t.score, 87);
    EXPECT_EQ(t.count, 10);
    ASSERT_EQ(t.segments.size(), 2u);
    EXPECT_EQ(t.segments[1].low, 2);
    EXPECT_EQ(t.segments[1].text, "高");
}

TEST(CheckTest, CredibilityAbove100PercentWarns) {
    Diagnostics diag;
    TestModel t = Read("number: 7\ntitle: 标题\nkind: k\ncredibility: 11/1\nevaluation: score\nQ: 问\n0: 甲\nR 0:\n解\n", diag);
    CheckTest(t, diag);
    EXPECT_EQ(diag.errorCount(), 0);
    ASSERT_EQ(diag.warningCount(), 1);
    EXPECT_EQ(diag.all()[0].line, 4);
}

}  // namespace
}  // namespace zuno::authoring
