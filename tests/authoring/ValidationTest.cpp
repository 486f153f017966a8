// Every check of the content compiler, one fixture case each: the case's files
// are laid over the valid base tree and the compiler must report exactly the
// expected diagnostics (file, line, severity, and a part of the message).
#include <gtest/gtest.h>

#include "authoring/contentc/Compiler.h"
#include "tests/authoring/FixtureTree.h"

namespace zuno::authoring::testing {
namespace {

constexpr Severity E = Severity::Error;
constexpr Severity W = Severity::Warning;

struct Expected {
    std::string file;
    int line;
    Severity severity;
    std::string text;  // part of the message
};

struct Case {
    std::string name;
    std::vector<Expected> expected;
};

const std::vector<Case>& Cases() {
    static const std::vector<Case> cases = {
        // Reading
        {"invalid-utf8", {{"tests/bad.txt", 1, E, "missing 'title:'"}, {"tests/bad.txt", 2, E, "not valid UTF-8"}}},
        {"not-gbk", {{"tests/x.txt", 2, E, "U+1F600"}}},
        {"unknown-key", {{"tests/x.txt", 6, E, "unknown key 'author'"}}},
        {"missing-header", {{"tests/x.txt", 1, E, "missing 'kind:'"}, {"tests/x.txt", 1, E, "missing 'credibility:'"}}},
        {"empty-title", {{"tests/x.txt", 2, E, "the title is empty"}}},
        {"bad-credibility", {{"tests/x.txt", 4, E, "credibility must be 'score/count'"}}},
        {"bad-evaluation", {{"tests/x.txt", 5, E, "evaluation must be score, most-frequent or per-answer"}}},
        {"picture-after-options", {{"tests/x.txt", 10, E, "picture: must come after the question text"}}},
        {"text-after-options", {{"tests/x.txt", 10, E, "expected an option"}}},
        {"question-after-results", {{"tests/x.txt", 13, E, "a question after the results"}}},
        {"malformed-result-line", {{"tests/x.txt", 11, E, "cannot read the result line"}}},
        // Test IDs and numbers
        {"test-id-length", {{"tests/x.txt", 6, E, "must be exactly 8 letters"}}},
        {"test-id-digit", {{"tests/x.txt", 6, E, "must be exactly 8 letters"}}},
        {"number-too-long", {{"tests/x.txt", 1, E, "more than 7 digits"}}},
        {"duplicate-number", {{"tests/x.txt", 1, E, "number 1 is already used by tests/score.txt:2"},
                              {"tests/x.txt", 1, E, "test ID 'T0000001' is already used by tests/score.txt:2"}}},
        {"id-case-clash", {{"tests/x.txt", 6, E, "letter case does not tell IDs apart"}}},
        {"id-like-clash", {{"tests/y.txt", 6, E, "'T_000077' and test ID 'TX000077' of tests/x.txt:6 match each other"}}},
        {"unknown-kind", {{"tests/x.txt", 3, E, "kind 'nope' is not a type key of catalogues/tests.txt"}}},
        // Questions, options, marks
        {"no-questions", {{"tests/x.txt", 1, E, "at least one question"}, {"tests/x.txt", 7, E, "results must come after the questions"}}},
        {"no-options", {{"tests/x.txt", 7, E, "at least one option"}}},
        {"thirteen-options", {{"tests/x.txt", 20, W, "at most 12 options"}}},
        {"mark-range", {{"tests/x.txt", 8, E, "mark 256 is out of range"}}},
        {"multiple-sum", {{"tests/x.txt", 1, E, "highest reachable score is 300"}, {"tests/x.txt", 7, E, "add up to 300"}}},
        {"question-marker", {{"tests/x.txt", 7, E, "must not contain \"@!##\""}}},
        // Results
        {"no-results", {{"tests/x.txt", 1, E, "at least one result"}}},
        {"empty-interpretation", {{"tests/x.txt", 11, E, "no interpretation text"}}},
        {"result-separator", {{"tests/x.txt", 11, E, "must not contain \"!rt#\""}}},
        {"score-gap", {{"tests/x.txt", 14, E, "no result for the reachable scores 3 (answers give scores from 0 to 4)"}}},
        {"score-over-255", {{"tests/x.txt", 1, E, "highest reachable score is 400"}, {"tests/x.txt", 13, W, "never shown"}}},
        {"score-order", {{"tests/x.txt", 13, E, "ascending order"}}},
        {"score-overlap", {{"tests/x.txt", 13, W, "R 1 overlaps R 0-1 at line 11"}}},
        {"range-reversed", {{"tests/x.txt", 11, E, "low bound 1 is above the high bound 0"}}},
        {"bound-over-255", {{"tests/x.txt", 11, E, "result bounds are scores 0 to 255"}}},
        {"unreachable-range", {{"tests/x.txt", 13, W, "no way of answering gives a score in 2-9"}}},
        {"frequent-too-few", {{"tests/x.txt", 12, E, "up to 3 options but there are only 2 results"}}},
        {"frequent-thirteen", {{"tests/x.txt", 10, E, "result bounds are option numbers 1 to 12"}}},
        {"frequent-gap", {{"tests/x.txt", 11, E, "no result for option numbers 2"}}},
        {"answer-no-option", {{"tests/x.txt", 13, E, "question 1 has no option 3"}}},
        {"answer-plain-range", {{"tests/x.txt", 13, E, "per-answer results are written 'R Q.K:'"}}},
        {"answer-multiple", {{"tests/x.txt", 11, W, "only the lowest-numbered checked option"}}},
        {"answer-uncovered", {{"tests/x.txt", 11, W, "some ways of answering match no result"}}},
        // Pictures
        {"missing-picture", {{"tests/x.txt", 8, E, "no picture 'nothere'"}}},
        {"not-a-jpeg", {{"tests/x.txt", 8, E, "is not a JPEG the program can show"}}},
        // Software information
        {"softinfo-short", {{"softinfo.txt", 0, E, "there are 12 records"}}},
        {"softinfo-version", {{"softinfo.txt", 23, E, "must be exactly 4.3, not '4.4'"}}},
        {"softinfo-gap", {{"softinfo.txt", 0, E, "there are 3 records"}, {"softinfo.txt", 5, E, "record [4] out of order: expected [3]"}}},
        {"softinfo-empty-record", {{"softinfo.txt", 5, E, "record [3] is empty"}}},
        // Catalogues
        {"catalogue-duplicate-key", {{"catalogues/tests.txt", 3, E, "type key 'xg_type' is already used at line 2"}}},
        {"catalogue-bad-key", {{"catalogues/tests.txt", 2, E, "type key 'xg-type' must be letters"},
                               {"tests/score.txt", 4, E, "kind 'xg_type' is not a type key"}}},
        {"catalogue-apostrophe", {{"catalogues/tests.txt", 1, E, "apostrophe"}}},
        {"catalogue-empty-class", {{"catalogues/tests.txt", 4, E, "class [空类别] has no subclasses"}}},
        // Articles and humour texts
        {"article-empty-body", {{"articles/a2.txt", 4, E, "the text is empty"}}},
        {"article-no-separator", {{"articles/a2.txt", 1, E, "missing the '---' line"}, {"articles/a2.txt", 4, E, "expected 'key: value' or the '---' line"}}},
        {"article-bad-kind", {{"articles/a2.txt", 3, E, "kind 'hm_school' is not a type key of catalogues/articles.txt"}}},
        {"humor-duplicate-number", {{"humor/h2.txt", 1, E, "number 1 is already used by humor/h1.txt:2"}}},
    };
    return cases;
}

std::string Describe(const std::vector<Diagnostic>& all) {
    std::string out;
    for (const Diagnostic& d : all) out += "  " + FormatDiagnostic(d, "") + "\n";
    return out;
}

class ValidationTest : public ::testing::TestWithParam<Case> {};

TEST_P(ValidationTest, ReportsExactlyTheExpectedDiagnostics) {
    const Case& c = GetParam();
    TempDir dir;
    const fs::path src = LayOutSources(dir.path(), c.name);
    Diagnostics diag;
    const bool written = Compile({src, dir.path() / "out" / "test.dll", LayOutPictures(dir.path())}, diag);

    const std::vector<Diagnostic> got = diag.Sorted();
    ASSERT_EQ(got.size(), c.expected.size()) << "got:\n" << Describe(got);
    for (size_t i = 0; i < got.size(); ++i) {
        const Expected& e = c.expected[i];
        EXPECT_EQ(got[i].file, e.file) << i;
        EXPECT_EQ(got[i].line, e.line) << got[i].message;
        EXPECT_EQ(got[i].severity, e.severity) << got[i].message;
        EXPECT_NE(got[i].message.find(e.text), std::string::npos) << "message: " << got[i].message << "\nwanted: " << e.text;
    }
    const bool onlyWarnings = diag.errorCount() == 0;
    EXPECT_EQ(written, onlyWarnings);
    EXPECT_EQ(fs::exists(dir.path() / "out" / "test.dll"), onlyWarnings);
}

INSTANTIATE_TEST_SUITE_P(Cases, ValidationTest, ::testing::ValuesIn(Cases()),
                         [](const ::testing::TestParamInfo<Case>& info) {
                             std::string name = info.param.name;
                             for (char& ch : name) {
                                 if (ch == '-') ch = '_';
                             }
                             return name;
                         });

TEST(ValidationFixtures, EveryCaseFolderIsInTheTable) {
    size_t folders = 0;
    for (const auto& entry : fs::directory_iterator(FixturesDir() / "cases")) {
        ++folders;
        const std::string name = entry.path().filename().string();
        const bool listed = std::any_of(Cases().begin(), Cases().end(), [&](const Case& c) { return c.name == name; });
        EXPECT_TRUE(listed) << name;
        EXPECT_TRUE(fs::exists(entry.path() / "note.md")) << name;
    }
    EXPECT_EQ(folders, Cases().size());
}

TEST(ValidationLimits, TooManyQuestionsIsReportedAtQuestion255) {
    TempDir dir;
    const fs::path src = LayOutSources(dir.path(), "");
    std::string text = "number: 10\ntitle: 很多问题\nkind: xg_type\ncredibility: 0/0\nevaluation: score\n";
    for (int q = 1; q <= 255; ++q) text += "Q: 问题\n0: 甲\n";  // question q is on line 4 + 2q
    text += "R 0:\n解释\n";
    WriteFile(src / "tests" / "many.txt", text);
    Diagnostics diag;
    EXPECT_FALSE(Compile({src, dir.path() / "test.dll", LayOutPictures(dir.path())}, diag));
    ASSERT_EQ(diag.all().size(), 1u) << Describe(diag.all());
    EXPECT_EQ(diag.all()[0].line, 4 + 2 * 255);
    EXPECT_NE(diag.all()[0].message.find("at most 254 questions"), std::string::npos);
}

TEST(ValidationLimits, PerAnswerCodeAbove255IsReported) {
    TempDir dir;
    const fs::path src = LayOutSources(dir.path(), "");
    std::string text = "number: 10\ntitle: 逐项\nkind: xg_type\ncredibility: 0/0\nevaluation: per-answer\n";
    for (int q = 1; q <= 22; ++q) text += "Q: 问题\n0: 甲\n0: 乙\n0: 丙\n0: 丁\n";
    text += "R 1.1-1.4:\n全部\nR 22.3:\n代码255\nR 22.4:\n代码256\n";  // lines 116, 118, 120
    WriteFile(src / "tests" / "codes.txt", text);
    Diagnostics diag;
    EXPECT_FALSE(Compile({src, dir.path() / "test.dll", LayOutPictures(dir.path())}, diag));
    ASSERT_EQ(diag.all().size(), 1u) << Describe(diag.all());
    EXPECT_EQ(diag.all()[0].line, 120);
    EXPECT_NE(diag.all()[0].message.find("has code 256"), std::string::npos);
}

TEST(ValidationLimits, MissingFolderAndFilesAreReported) {
    TempDir dir;
    Diagnostics diag;
    EXPECT_FALSE(Compile({dir.path() / "nothing", dir.path() / "test.dll", std::nullopt}, diag));
    ASSERT_EQ(diag.errorCount(), 1);
    EXPECT_NE(diag.all()[0].message.find("does not exist"), std::string::npos);

    Diagnostics empty;
    fs::create_directories(dir.path() / "empty");
    EXPECT_FALSE(Compile({dir.path() / "empty", dir.path() / "test.dll", std::nullopt}, empty));
    std::vector<std::string> files;
    for (const Diagnostic& d : empty.Sorted()) files.push_back(d.file);
    EXPECT_EQ(files, (std::vector<std::string>{"articles", "catalogues/articles.txt", "catalogues/humor.txt",
                                               "catalogues/tests.txt", "humor", "softinfo.txt", "tests"}));
}

TEST(ValidationLimits, PictureWithoutPictureFolderIsReported) {
    TempDir dir;
    const fs::path src = LayOutSources(dir.path(), "");
    Diagnostics diag;
    EXPECT_FALSE(Compile({src, dir.path() / "test.dll", std::nullopt}, diag));
    ASSERT_EQ(diag.all().size(), 1u) << Describe(diag.all());
    EXPECT_EQ(diag.all()[0].file, "tests/score.txt");
    EXPECT_EQ(diag.all()[0].line, 14);
    EXPECT_NE(diag.all()[0].message.find("no picture folder"), std::string::npos);
}

}  // namespace
}  // namespace zuno::authoring::testing
