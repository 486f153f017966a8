// Every statement of the content layer against a small hand-built database:
// rows, their order, distinct values, ASCII case-blind matching, wildcards and
// quotes in keywords, missing rows and missing values. Each suite runs with and
// without the indexes, which must change nothing but speed.
#include "content/Statements.h"

#include "content/Connection.h"
#include "content/ContentError.h"
#include "content/Recordset.h"
#include "content/Schema.h"
#include "tests/content/ContentFixture.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>

namespace zuno::content {
namespace {

using test::FixtureDb;
using test::TempDir;
using testing::ElementsAre;
using testing::HasSubstr;
using Strings = std::vector<std::string>;

// Reads the recordset the way the program does (while neither BOF nor EOF) and
// joins the named fields of each row with '|'.
Strings Rows(Recordset& rs, std::initializer_list<std::string_view> fields) {
    Strings rows;
    while (!rs.Eof() && !rs.Bof()) {
        std::string row;
        bool first = true;
        for (std::string_view field : fields) {
            if (!first) row += '|';
            row += rs.Fields(field).AsText();
            first = false;
        }
        rows.push_back(row);
        rs.MoveNext();
    }
    return rows;
}

void FillCatalogues(FixtureDb& f) {
    f.Row("MenuClass", {"性格分析", "性格类型", "xg_type"})
        .Row("MenuClass", {"情绪", "情绪管理", "qx_mood"})
        .Row("MenuClass", {"性格分析", "内向与外向", "xg_intro"})
        .Row("MenuClass", {"Fun", "趣味", "qw_fun"})
        .Row("MenuClass", {"FUN", "Second", "qw_two"})  // same class, other case
        .Row("MenuClass", {"O'Brien", "Quote sub", "q_quote"});
    f.Row("ArtMenuClass", {"心理健康", "情绪", "art_emotion"})
        .Row("ArtMenuClass", {"成长", "空", "art_none"})
        .Row("ArtMenuClass", {"心理健康", "其他", "art_other"});
    f.Row("HumorMenuClass", {"笑话", "短篇", "hm_a"}).Row("HumorMenuClass", {"笑话", "长篇", "hm_b"});
}

void FillTests(FixtureDb& f) {
    // Stored order differs from RecId order on purpose.
    f.Row("BigQuestion", {3, "T0000003", "第三（男）", 87, 10, "xg_type", "0--to 10@___@低"})
        .Row("BigQuestion", {1, "T0000001", "第一", 5, 3, "xg_intro", "r1"})
        .Row("BigQuestion", {7, "T0000007", "第七", 0, 0, "xg_type", "r7"})
        .Row("BigQuestion", {2, "Q_uote01", "It's quoted", 1, 1, "q_quote", "rq"})
        .Row("BigQuestion", {5, "T0000005", "第五", 1, 1, "xg_intro", "r5"});
    f.Row("SmallQuestion", {"T0000001A", "问题一", 0})
        .Row("SmallQuestion", {"T0000003A", "Q3a@!##17", 1})
        .Row("SmallQuestion", {"T0000001B", "问题二", 1})
        .Row("SmallQuestion", {"T0000001C", "问题三", 0})
        .Row("SmallQuestion", {"T0000009A", "orphan question", 0})  // no test row
        .Row("SmallQuestion", {"t0000003B", "lowercase id", 0})
        .Row("SmallQuestion", {"Q_uote01A", "Don't panic", 0})
        .Row("SmallQuestion", {"T0000005A", "没有选项", 0});  // test 5 has no options
    f.Row("Optional", {"T0000001A1", "选项一", 3})
        .Row("Optional", {"T0000003A1", "x", 1})
        .Row("Optional", {"T0000001A2", "选项二", 1})
        .Row("Optional", {"T0000001B1", "b1", 2})
        .Row("Optional", {"t0000001a3", "小写", 0})
        .Row("Optional", {"Q_uote01A1", "yes", 1});
    f.Row("picture", {18, Blob{1, 2}}).Row("picture", {17, Blob{0xFF, 0xD8, 0xFF, 0xD9}});
}

void FillTexts(FixtureDb& f) {
    f.Row("Article", {5, "认识焦虑", "第一行\r\n第二行", "art_emotion"})
        .Row("Article", {2, "It's fine", "Content with 100% sure", "art_emotion"})
        .Row("Article", {9, "Other", "abc_def", "art_other"})
        .Row("Article", {11, "Wildcard", "abcXdef", "ART_OTHER"});
    f.Row("Humor", {1, "笑话一", "哈哈", "hm_a"}).Row("Humor", {4, "Joke", "KNOCK knock", "hm_a"});
    for (int i = 1; i <= 13; ++i) f.Row("softinfo", {i == 12 ? std::string("4.3") : "info" + std::to_string(i)});
}

class Statements : public testing::TestWithParam<bool> {
protected:
    void SetUp() override {
        const std::string create =
            std::string(kCreateSchemaSql) + (GetParam() ? std::string(kCreateIndexesSql) : "");
        FixtureDb f(dir_, "test.dll", create);
        FillCatalogues(f);
        FillTests(f);
        FillTexts(f);
        db_.Open(f.Finish());
    }

    TempDir dir_;
    Connection db_;
    Recordset rs_;
};

INSTANTIATE_TEST_SUITE_P(Indexes, Statements, testing::Values(true, false),
                         [](const auto& info) { return info.param ? "Indexed" : "Unindexed"; });

TEST_P(Statements, HighestNumbersComeFromTheWholeTable) {
    OpenHighestTestNumber(rs_, db_);
    EXPECT_EQ(rs_.Fields("RecId").AsInteger(), 7);
    OpenHighestArticleNumber(rs_, db_);
    EXPECT_EQ(rs_.Fields("Id").AsInteger(), 11);
    OpenHighestHumorNumber(rs_, db_);
    EXPECT_EQ(rs_.Fields("Id").AsInteger(), 4);
    EXPECT_EQ(rs_.RecordCount(), 1u);
}

TEST_P(Statements, SoftInfoIsReadByPosition) {
    OpenSoftInfo(rs_, db_);
    EXPECT_EQ(rs_.RecordCount(), 13u);
    rs_.Move(11);
    EXPECT_EQ(rs_.Fields("information").AsText(), "4.3");
}

TEST_P(Statements, ClassesComeOnceInOrderOfFirstOccurrence) {
    OpenTestClasses(rs_, db_);
    EXPECT_THAT(Rows(rs_, {"Class"}), ElementsAre("性格分析", "情绪", "Fun", "O'Brien"));
    OpenArticleClasses(rs_, db_);
    EXPECT_THAT(Rows(rs_, {"Class"}), ElementsAre("心理健康", "成长"));
    OpenHumorClasses(rs_, db_);
    EXPECT_THAT(Rows(rs_, {"Class"}), ElementsAre("笑话"));
}

TEST_P(Statements, SubclassesOfAClassComeInStoredOrder) {
    OpenTestSubclasses(rs_, db_, "性格分析");
    EXPECT_THAT(Rows(rs_, {"SubClass", "TypeName"}), ElementsAre("性格类型|xg_type", "内向与外向|xg_intro"));
    OpenTestSubclasses(rs_, db_, "fun");  // the class compares ignoring case
    EXPECT_THAT(Rows(rs_, {"SubClass", "TypeName"}), ElementsAre("趣味|qw_fun", "Second|qw_two"));
    OpenTestSubclasses(rs_, db_, "O'Brien");  // a quote is just a character
    EXPECT_THAT(Rows(rs_, {"SubClass", "TypeName"}), ElementsAre("Quote sub|q_quote"));
    OpenArticleSubclasses(rs_, db_, "心理健康");
    EXPECT_THAT(Rows(rs_, {"SubClass", "TypeName"}), ElementsAre("情绪|art_emotion", "其他|art_other"));
    OpenHumorSubclasses(rs_, db_, "笑话");
    EXPECT_THAT(Rows(rs_, {"SubClass", "TypeName"}), ElementsAre("短篇|hm_a", "长篇|hm_b"));
    OpenHumorSubclasses(rs_, db_, "没有");
    EXPECT_TRUE(rs_.Eof() && rs_.Bof());
}

TEST_P(Statements, TestsOfAKindComeInStoredOrderWithTheirFigures) {
    OpenTestsOfKind(rs_, db_, "XG_TYPE");
    EXPECT_THAT(Rows(rs_, {"RecId", "id", "bigquestion", "score", "count"}),
                ElementsAre("3|T0000003|第三（男）|87|10", "7|T0000007|第七|0|0"));
    OpenTestsOfKind(rs_, db_, "qw_fun");
    EXPECT_EQ(rs_.RecordCount(), 0u);
}

TEST_P(Statements, TextsOfAKindComeInStoredOrder) {
    OpenArticlesOfKind(rs_, db_, "art_other");  // one stored as ART_OTHER
    EXPECT_THAT(Rows(rs_, {"Id", "Name"}), ElementsAre("9|Other", "11|Wildcard"));
    OpenHumorTextsOfKind(rs_, db_, "hm_a");
    EXPECT_THAT(Rows(rs_, {"Id", "Name"}), ElementsAre("1|笑话一", "4|Joke"));
}

TEST_P(Statements, QuestionsOfATestComeInStoredOrderWithTheTitle) {
    OpenQuestionsWithTitle(rs_, db_, "T0000001");
    EXPECT_EQ(rs_.RecordCount(), 3u);
    EXPECT_THAT(Rows(rs_, {"id", "smallquestion", "optionalkind", "BigQuestion"}),
                ElementsAre("T0000001A|问题一|0|第一", "T0000001B|问题二|1|第一", "T0000001C|问题三|0|第一"));
    OpenQuestionsWithTitle(rs_, db_, "T0000003");  // the prefix ignores ASCII case
    EXPECT_THAT(Rows(rs_, {"id", "BigQuestion"}), ElementsAre("T0000003A|第三（男）", "t0000003B|第三（男）"));
}

TEST_P(Statements, AQuestionWithoutItsTestHasNoTitle) {
    OpenQuestionsWithTitle(rs_, db_, "T0000009");
    ASSERT_EQ(rs_.RecordCount(), 1u);
    EXPECT_TRUE(rs_.Fields("BigQuestion").IsNull());
    EXPECT_THROW(rs_.Fields("BigQuestion").AsText(), ContentError);
}

TEST_P(Statements, QuestionsWithoutTitleMatchThePrefixOfAnyLength) {
    OpenQuestions(rs_, db_, "T0000001");
    EXPECT_EQ(rs_.RecordCount(), 3u);
    EXPECT_THAT(Rows(rs_, {"id"}), ElementsAre("T0000001A", "T0000001B", "T0000001C"));
    OpenQuestions(rs_, db_, "T0000001B");  // longer than a test ID
    EXPECT_THAT(Rows(rs_, {"id", "optionalkind"}), ElementsAre("T0000001B|1"));
    OpenQuestions(rs_, db_, "T000000");  // shorter: all tests whose ID starts so
    EXPECT_THAT(Rows(rs_, {"id"}), ElementsAre("T0000001A", "T0000003A", "T0000001B", "T0000001C",
                                               "T0000009A", "t0000003B", "T0000005A"));
    OpenQuestions(rs_, db_, "T0000404");
    EXPECT_EQ(rs_.RecordCount(), 0u);
}

TEST_P(Statements, OptionsAreThoseWhoseIdContainsTheQuestionId) {
    OpenOptions(rs_, db_, "T0000001A");
    EXPECT_THAT(Rows(rs_, {"optional", "key"}), ElementsAre("选项一|3", "选项二|1", "小写|0"));
    OpenOptions(rs_, db_, "T0000001B");
    EXPECT_THAT(Rows(rs_, {"optional", "key"}), ElementsAre("b1|2"));
    OpenOptions(rs_, db_, "T0000001C");
    EXPECT_TRUE(rs_.Eof() && rs_.Bof());
    OpenOptions(rs_, db_, "000003A");  // "contains", not "begins with"
    EXPECT_THAT(Rows(rs_, {"optional"}), ElementsAre("x"));
}

TEST_P(Statements, APictureIsReadByItsId) {
    OpenPicture(rs_, db_, 17);
    EXPECT_EQ(rs_.Fields("pic").AsBlob(), (Blob{0xFF, 0xD8, 0xFF, 0xD9}));
    OpenPicture(rs_, db_, 99);
    EXPECT_TRUE(rs_.Eof());
}

TEST_P(Statements, TheResultFieldOfATest) {
    OpenResult(rs_, db_, "t0000003");
    EXPECT_EQ(rs_.Fields("result").AsText(), "0--to 10@___@低");
}

TEST_P(Statements, ReadingTheResultOfAMissingTestFails) {
    OpenResult(rs_, db_, "T0000404");
    EXPECT_THROW(rs_.Fields("result").AsText(), ContentError);
}

TEST_P(Statements, ATextIsReadByItsId) {
    OpenArticleWithName(rs_, db_, 5);
    EXPECT_THAT(Rows(rs_, {"Name", "Content"}), ElementsAre("认识焦虑|第一行\r\n第二行"));
    OpenArticleContent(rs_, db_, 2);
    EXPECT_THAT(Rows(rs_, {"Content"}), ElementsAre("Content with 100% sure"));
    OpenHumorWithName(rs_, db_, 4);
    EXPECT_THAT(Rows(rs_, {"Name", "Content"}), ElementsAre("Joke|KNOCK knock"));
    OpenHumorContent(rs_, db_, 1);
    EXPECT_THAT(Rows(rs_, {"Content"}), ElementsAre("哈哈"));
    OpenArticleContent(rs_, db_, 3);
    EXPECT_TRUE(rs_.Eof() && rs_.Bof());
}

struct SearchCase {
    const char* keyword;
    Strings expected;  // "ID|title" in order
    const char* note;
};

TEST_P(Statements, TestSearchCases) {
    const std::vector<SearchCase> cases{
        {"", {"T0000003|第三（男）", "T0000001|第一", "Q_uote01|It's quoted"},
         "empty keyword: every test with a question and an option"},
        {"%", {"T0000003|第三（男）", "T0000001|第一", "Q_uote01|It's quoted"}, "'%' is a wildcard"},
        {"第一", {"T0000001|第一"}, "in the title"},
        {"问题二", {"T0000001|第一"}, "in a question"},
        {"选项二", {"T0000001|第一"}, "in an option"},
        {"X", {"T0000003|第三（男）"}, "ASCII case ignored"},
        {"q", {"T0000003|第三（男）", "Q_uote01|It's quoted"}, "stored order, once each"},
        {"'", {"Q_uote01|It's quoted"}, "a quote matches literally"},
        {"第五", {}, "a test without options is never found"},
        {"第七", {}, "a test without questions is never found"},
        {"orphan", {}, "a question without its test finds nothing"},
        {"no such words", {}, "no match"},
    };
    for (const SearchCase& c : cases) {
        OpenTestSearch(rs_, db_, c.keyword);
        EXPECT_EQ(Rows(rs_, {"ID", "BigQuestion"}), c.expected) << c.note;
    }
}

TEST_P(Statements, TextSearchCases) {
    const std::vector<SearchCase> cases{
        {"焦虑", {"5|认识焦虑"}, "in the title"},
        {"二行", {"5|认识焦虑"}, "in the body"},
        {"FINE", {"2|It's fine"}, "ASCII case ignored"},
        {"It's", {"2|It's fine"}, "a quote matches literally"},
        {"100%", {"2|It's fine"}, "'%' is a wildcard too"},
        {"c_d", {"9|Other", "11|Wildcard"}, "'_' matches any one character"},
        {"", {"5|认识焦虑", "2|It's fine", "9|Other", "11|Wildcard"}, "empty keyword: all, stored order"},
    };
    for (const SearchCase& c : cases) {
        OpenArticleSearch(rs_, db_, c.keyword);
        EXPECT_EQ(Rows(rs_, {"ID", "Name"}), c.expected) << c.note;
    }
    OpenHumorSearch(rs_, db_, "knock");
    EXPECT_THAT(Rows(rs_, {"ID", "Name"}), ElementsAre("4|Joke"));
    OpenHumorSearch(rs_, db_, "哈");
    EXPECT_THAT(Rows(rs_, {"ID", "Name"}), ElementsAre("1|笑话一"));
}

// One test ID stored twice (allowed across classes) and once more in other case.
TEST(StatementsDuplicateTests, SearchListsEachIdAndTitleOnceAndTheJoinRepeatsQuestions) {
    TempDir dir;
    FixtureDb f(dir);
    f.Row("BigQuestion", {1, "T0000001", "同名", 0, 0, "k1", "r"})
        .Row("BigQuestion", {2, "T0000002", "另一", 0, 0, "k1", "r"})
        .Row("BigQuestion", {3, "T0000001", "同名", 0, 0, "k2", "r"})
        .Row("BigQuestion", {4, "t0000001", "同名", 0, 0, "k3", "r"})
        .Row("BigQuestion", {5, "T0000001", "别名", 0, 0, "k4", "r"});
    f.Row("SmallQuestion", {"T0000001A", "q", 0}).Row("SmallQuestion", {"T0000002A", "q", 0});
    f.Row("Optional", {"T0000001A1", "o", 0}).Row("Optional", {"T0000002A1", "o", 0});
    Connection db;
    db.Open(f.Finish());
    Recordset rs;
    OpenTestSearch(rs, db, "");
    EXPECT_THAT(Rows(rs, {"ID", "BigQuestion"}), ElementsAre("T0000001|同名", "T0000002|另一", "T0000001|别名"));
    OpenQuestionsWithTitle(rs, db, "T0000001");
    EXPECT_THAT(Rows(rs, {"id", "BigQuestion"}),
                ElementsAre("T0000001A|同名", "T0000001A|同名", "T0000001A|同名", "T0000001A|别名"));
}

// The catalogues are built at every start: their item statements must be answered
// from the kind indexes alone, without reading the table pages spread through a
// large file (with 10,000 tests those reads mapped some 70 MiB).
TEST(StatementsCatalogueIndexes, ItemStatementsReadOnlyTheirIndex) {
    TempDir dir;
    FixtureDb f(dir);
    FillCatalogues(f);
    FillTests(f);
    FillTexts(f);
    Connection db;
    db.Open(f.Finish());
    Recordset rs;
    const std::vector<std::pair<const char*, const char*>> cases{
        {kTestsOfKindStatement, "BigQuestion_kind"},
        {kArticlesOfKindStatement, "Article_kind"},
        {kHumorTextsOfKindStatement, "Humor_kind"},
    };
    for (const auto& [statement, index] : cases) {
        rs.Open(std::string("EXPLAIN QUERY PLAN ") + statement, db, "xg_type");
        Strings plan;
        while (!rs.Eof()) {
            plan.push_back(rs.Fields("detail").AsText());
            rs.MoveNext();
        }
        EXPECT_THAT(plan, testing::Contains(HasSubstr(std::string("COVERING INDEX ") + index))) << statement;
    }
}

TEST(StatementsEmptyTables, HighestNumberOfAnEmptyTableCannotBeRead) {
    TempDir dir;
    FixtureDb f(dir);
    Connection db;
    db.Open(f.Finish());
    Recordset rs;
    const std::vector<std::pair<std::function<void()>, const char*>> cases{
        {[&] { OpenHighestTestNumber(rs, db); }, "RecId"},
        {[&] { OpenHighestArticleNumber(rs, db); }, "Id"},
        {[&] { OpenHighestHumorNumber(rs, db); }, "Id"},
    };
    for (const auto& [open, field] : cases) {
        open();
        EXPECT_TRUE(rs.Eof() && rs.Bof());
        try {
            rs.Fields(field).AsInteger();
            ADD_FAILURE() << field << ": no error";
        } catch (const ContentError& error) {
            EXPECT_THAT(error.what(), HasSubstr(field));
        }
    }
}

// Missing values: the schema's NOT NULL is dropped so that the fixture can hold
// them; each read must fail naming its column.
TEST(StatementsMissingValues, FailNamingTheColumn) {
    TempDir dir;
    FixtureDb f(dir, "lax.db", test::LaxSchemaSql());
    f.Row("BigQuestion", {nullptr, "T0000001", "t", nullptr, 1, "k", nullptr})
        .Row("BigQuestion", {4, "T0000002", nullptr, 1, 1, "k", "r"})
        .Row("BigQuestion", {2, "T0000003", "t", 1, 1, "k", "r"});
    f.Row("SmallQuestion", {"T0000001A", "q", nullptr});
    f.Row("Optional", {"T0000001A1", "o", nullptr});
    f.Row("picture", {1, nullptr});
    f.Row("Article", {1, "n", nullptr, "k"});
    f.Row("MenuClass", {nullptr, "s", "k"});
    f.Row("softinfo", {nullptr});
    Connection db;
    db.Open(f.Finish());
    Recordset rs;

    OpenHighestTestNumber(rs, db);  // a missing RecId sorts last
    EXPECT_EQ(rs.Fields("RecId").AsInteger(), 4);

    struct Case {
        std::function<void()> open;
        const char* field;
        std::function<void(const Field&)> read;
    };
    const auto text = [](const Field& f) { f.AsText(); };
    const auto integer = [](const Field& f) { f.AsInteger(); };
    const std::vector<Case> cases{
        {[&] { OpenTestsOfKind(rs, db, "k"); }, "score", integer},
        {[&] { OpenTestsOfKind(rs, db, "k"); }, "RecId", integer},
        {[&] { OpenTestsOfKind(rs, db, "k"); rs.MoveNext(); }, "bigquestion", text},
        {[&] { OpenResult(rs, db, "T0000001"); }, "result", text},
        {[&] { OpenQuestions(rs, db, "T0000001"); }, "optionalkind", [](const Field& f) { f.AsBoolean(); }},
        {[&] { OpenOptions(rs, db, "T0000001A"); }, "key", integer},
        {[&] { OpenPicture(rs, db, 1); }, "pic", [](const Field& f) { f.AsBlob(); }},
        {[&] { OpenArticleWithName(rs, db, 1); }, "Content", text},
        {[&] { OpenTestClasses(rs, db); }, "Class", text},
        {[&] { OpenSoftInfo(rs, db); }, "information", text},
    };
    for (const Case& c : cases) {
        c.open();
        try {
            c.read(rs.Fields(c.field));
            ADD_FAILURE() << c.field << ": no error";
        } catch (const ContentError& error) {
            EXPECT_THAT(error.what(), HasSubstr(std::string("字段 ") + c.field + " 没有值"));
        }
    }
}

TEST(ParseId, TakesDecimalNumbersOnly) {
    EXPECT_EQ(ParseId("57"), 57);
    EXPECT_EQ(ParseId(" 17\r\n"), 17);
    EXPECT_EQ(ParseId("-3"), -3);
    EXPECT_EQ(ParseId("007"), 7);
    for (const char* bad : {"", " ", "17a", "0x11", "1 7", "1;DROP TABLE x", "99999999999999999999", "+"}) {
        EXPECT_THROW(ParseId(bad), ContentError) << bad;
    }
}

}  // namespace
}  // namespace zuno::content
