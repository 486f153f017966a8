// The content layer against a database made by the content compiler from the
// sources in fixtures/: the rows the program reads come out as the sources say,
// in the order the program relies on.
#include "content/Connection.h"
#include "content/Recordset.h"
#include "content/Statements.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace zuno::content {
namespace {

using testing::ElementsAre;
using testing::HasSubstr;
using Strings = std::vector<std::string>;

Strings Rows(Recordset& rs, std::initializer_list<std::string_view> fields) {
    Strings rows;
    for (; !rs.Eof() && !rs.Bof(); rs.MoveNext()) {
        std::string row;
        for (std::string_view field : fields) row += (row.empty() ? "" : "|") + rs.Fields(field).AsText();
        rows.push_back(row);
    }
    return rows;
}

class CompiledFixture : public testing::Test {
protected:
    void SetUp() override { db_.Open(ZUNO_CONTENT_FIXTURE_DB); }
    Connection db_;
    Recordset rs_;
};

TEST_F(CompiledFixture, StartUpReadsTheHighestNumbersAndTheVersion) {
    OpenHighestTestNumber(rs_, db_);
    EXPECT_EQ(rs_.Fields("RecId").AsInteger(), 7);
    OpenHighestArticleNumber(rs_, db_);
    EXPECT_EQ(rs_.Fields("Id").AsInteger(), 5);
    OpenHighestHumorNumber(rs_, db_);
    EXPECT_EQ(rs_.Fields("Id").AsInteger(), 4);
    OpenSoftInfo(rs_, db_);
    EXPECT_EQ(rs_.RecordCount(), 13u);
    rs_.Move(6);
    EXPECT_EQ(rs_.Fields("information").AsText(), "关于本软件");
    rs_.Move(5);
    EXPECT_EQ(rs_.Fields("information").AsText(), "4.3");
}

TEST_F(CompiledFixture, TheTestCatalogueIsInFileOrderAndTestsByNumber) {
    OpenTestClasses(rs_, db_);
    EXPECT_THAT(Rows(rs_, {"Class"}), ElementsAre("性格分析", "Fun corner"));
    OpenTestSubclasses(rs_, db_, "Fun corner");
    EXPECT_THAT(Rows(rs_, {"SubClass", "TypeName"}), ElementsAre("趣味心理|qw_fun", "没有测试|qw_empty"));
    OpenTestsOfKind(rs_, db_, "xg_type");
    EXPECT_THAT(Rows(rs_, {"RecId", "id", "bigquestion", "score", "count"}),
                ElementsAre("2|T0000002|十二个选项|1|1", "7|T0000007|看图说话|5|3"));
    OpenTestsOfKind(rs_, db_, "qw_empty");
    EXPECT_EQ(rs_.RecordCount(), 0u);
}

TEST_F(CompiledFixture, ATestLoadsWithItsQuestionsOptionsAndResult) {
    OpenQuestionsWithTitle(rs_, db_, "T0000003");
    ASSERT_EQ(rs_.RecordCount(), 2u);
    EXPECT_EQ(rs_.Fields("BigQuestion").AsText(), "你是内向还是外向？（男）");
    Strings ids;
    Strings kinds;
    for (; !rs_.Eof(); rs_.MoveNext()) {
        ids.push_back(rs_.Fields("id").AsText());
        kinds.push_back(rs_.Fields("optionalkind").AsBoolean() ? "multiple" : "single");
    }
    EXPECT_THAT(kinds, ElementsAre("single", "multiple"));
    OpenOptions(rs_, db_, ids[1]);
    EXPECT_THAT(Rows(rs_, {"optional", "key"}), ElementsAre("人多的聚会|2", "需要当众发言的会议|2", "都不会|0"));
    OpenResult(rs_, db_, "T0000003");
    EXPECT_THAT(rs_.Fields("result").AsText(), HasSubstr("@___@你偏向内向"));
}

TEST_F(CompiledFixture, TwelveOptionsAllComeInFileOrder) {
    OpenQuestions(rs_, db_, "T0000002");
    OpenOptions(rs_, db_, rs_.Fields("id").AsText());
    const Strings options = Rows(rs_, {"optional"});
    ASSERT_EQ(options.size(), 12u);
    EXPECT_EQ(options.front(), "一");
    EXPECT_EQ(options.back(), "十二");
}

TEST_F(CompiledFixture, AQuestionNamesItsPictureByNumber) {
    OpenQuestions(rs_, db_, "T0000007");
    const std::string text = rs_.Fields("smallquestion").AsText();
    const std::size_t marker = text.find("@!##");
    ASSERT_NE(marker, std::string::npos);
    OpenPicture(rs_, db_, ParseId(text.substr(marker + 4)));
    const Blob jpeg = rs_.Fields("pic").AsBlob();
    ASSERT_GE(jpeg.size(), 2u);
    EXPECT_EQ(jpeg[0], 0xFF);
    EXPECT_EQ(jpeg[1], 0xD8);
}

TEST_F(CompiledFixture, TextsAreReadWithCrLfBetweenLines) {
    OpenArticleWithName(rs_, db_, 5);
    EXPECT_THAT(Rows(rs_, {"Name", "Content"}), ElementsAre("认识焦虑|焦虑是一种常见的情绪。\r\n每个人都会有。"));
    OpenHumorContent(rs_, db_, 4);
    EXPECT_EQ(rs_.Fields("Content").AsText(), "Who's there?");
}

TEST_F(CompiledFixture, SearchesFindByTitleQuestionOptionAndBody) {
    OpenTestSearch(rs_, db_, "");
    EXPECT_THAT(Rows(rs_, {"ID"}), ElementsAre("T0000001", "T0000002", "T0000003", "T0000007"));
    OpenTestSearch(rs_, db_, "it's");
    EXPECT_THAT(Rows(rs_, {"ID", "BigQuestion"}), ElementsAre("T0000001|It's a \"quoted\" test"));
    OpenTestSearch(rs_, db_, "蓝色");  // only in an option
    EXPECT_THAT(Rows(rs_, {"ID"}), ElementsAre("T0000007"));
    OpenArticleSearch(rs_, db_, "50%");
    EXPECT_THAT(Rows(rs_, {"ID", "Name"}), ElementsAre("2|Half full"));
    OpenArticleSearch(rs_, db_, "情绪");  // only in a body
    EXPECT_THAT(Rows(rs_, {"ID"}), ElementsAre("5"));
    OpenHumorSearch(rs_, db_, "WHO'S");
    EXPECT_THAT(Rows(rs_, {"ID", "Name"}), ElementsAre("4|Knock knock"));
}

}  // namespace
}  // namespace zuno::content
