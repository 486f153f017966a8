// The database the content compiler writes: rows, identifiers, stored texts and
// result fields exactly; that the program's own lookups find the right rows; that
// the output is replaced atomically; and the command-line tool end to end.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>

#include "authoring/contentc/Compiler.h"
#include "tests/authoring/FixtureTree.h"

namespace zuno::authoring::testing {
namespace {

using Rows = std::vector<std::vector<std::string>>;

class CompiledBase : public ::testing::Test {
protected:
    void SetUp() override {
        src_ = LayOutSources(dir_.path(), "");
        pictures_ = LayOutPictures(dir_.path());
        db_ = dir_.path() / "out" / "test.dll";
        Diagnostics diag;
        ASSERT_TRUE(Compile({src_, db_, pictures_}, diag));
        ASSERT_EQ(diag.all().size(), 0u) << FormatDiagnostic(diag.all()[0], "");
    }
    Rows Query(const std::string& sql) { return QueryRows(db_, sql); }

    TempDir dir_;
    fs::path src_, pictures_, db_;
};

TEST_F(CompiledBase, CataloguesKeepFileOrder) {
    EXPECT_EQ(Query("select Class, SubClass, TypeName from MenuClass order by rowid"),
              (Rows{{"性格分析", "性格类型", "xg_type"}, {"性格分析", "内向与外向", "xg_intro"}, {"趣味测试", "图画投射", "qw_picture"}}));
    EXPECT_EQ(Query("select * from ArtMenuClass"), (Rows{{"心理学知识", "情绪与压力", "art_emotion"}}));
    EXPECT_EQ(Query("select * from HumorMenuClass"), (Rows{{"幽默故事", "校园趣事", "hm_school"}}));
}

TEST_F(CompiledBase, TestsAreSortedByNumberWithDefaultIds) {
    EXPECT_EQ(Query("select RecId, ID, BigQuestion, score, count, kind from BigQuestion order by rowid"),
              (Rows{{"1", "T0000001", "基础计分测试", "87", "10", "xg_type"},
                    {"2", "T0000002", "最常选项测试", "0", "0", "xg_intro"},
                    {"3", "T0000003", "逐项解释测试", "5", "3", "qw_picture"}}));
}

TEST_F(CompiledBase, ResultFieldsOfAllThreeKinds) {
    EXPECT_EQ(Query("select result from BigQuestion order by RecId"),
              (Rows{{"0--to  4@___@低分解释\r\n第二行!rt#5--to  7@___@高分解释"},
                    {"ts111--to  1@___@多数选甲!rt#2--to  2@___@多数选乙!rt#3--to  3@___@多数选丙"},
                    {"ts121--to  1@___@一甲!rt#2--to  2@___@一乙!rt#13--to  14@___@问题二任一"}}));
}

TEST_F(CompiledBase, QuestionsCarryCrLfTextsAndThePictureMarker) {
    const Rows rows = Query("select ID, SmallQuestion, optionalkind from SmallQuestion where ID like 'T0000001%' order by rowid");
    EXPECT_EQ(rows, (Rows{{"T0000001Q001", "第一题：\r\n第二行", "0"}, {"T0000001Q002", "多选题@!##1", "1"}}));
    EXPECT_EQ(Query("select count(*) from SmallQuestion"), (Rows{{"6"}}));
}

TEST_F(CompiledBase, OptionsInFileOrderWithMarks) {
    EXPECT_EQ(Query("select ID, optional, key from Optional where ID like 'T0000001%' order by rowid"),
              (Rows{{"T0000001Q001O01", "选项甲", "3"}, {"T0000001Q001O02", "选项乙", "1"},
                    {"T0000001Q002O01", "甲", "2"}, {"T0000001Q002O02", "乙", "2"}, {"T0000001Q002O03", "丙", "0"}}));
}

TEST_F(CompiledBase, TheProgramsLookupsFindExactlyEachQuestionsOptions) {
    for (const auto& q : Query("select ID from SmallQuestion")) {
        const Rows found = Query("select ID from Optional where id like '%" + q[0] + "%'");
        ASSERT_FALSE(found.empty()) << q[0];
        for (const auto& o : found) EXPECT_EQ(o[0].substr(0, q[0].size()), q[0]);
    }
    EXPECT_EQ(Query("select count(*) from SmallQuestion where id like 'T0000002%'"), (Rows{{"2"}}));
}

TEST_F(CompiledBase, PictureIsStoredWhole) {
    const Rows rows = Query("select id, pic from picture");
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0][0], "1");
    EXPECT_EQ(rows[0][1], ReadFile(pictures_ / "doors.jpg"));
    EXPECT_EQ(Query("select typeof(pic) from picture"), (Rows{{"blob"}}));
}

TEST_F(CompiledBase, ArticlesAndHumourKeepTheirBodies) {
    EXPECT_EQ(Query("select Id, Name, Content, kind from Article"),
              (Rows{{"1", "认识焦虑", "　　第一段。\r\n# 正文里的井号行也是正文\r\n\r\n第三段。", "art_emotion"}}));
    EXPECT_EQ(Query("select Id, Name, Content, kind from Humor"), (Rows{{"1", "校园趣事一则", "笑话正文。", "hm_school"}}));
}

TEST_F(CompiledBase, SoftInfoRecordsInOrder) {
    const Rows rows = Query("select information from softinfo order by rowid");
    ASSERT_EQ(rows.size(), 13u);
    EXPECT_EQ(rows[0][0], "心理测试Mobix");
    EXPECT_EQ(rows[6][0], "关于文字第一段");
    EXPECT_EQ(rows[7][0], "关于文字第二段\r\n第二行");
    EXPECT_EQ(rows[11][0], "4.3");
    EXPECT_EQ(rows[12][0], "2026年1月1日");
}

TEST_F(CompiledBase, SameSourcesGiveTheSameFile) {
    Diagnostics diag;
    ASSERT_TRUE(Compile({src_, dir_.path() / "again.dll", pictures_}, diag));
    EXPECT_EQ(ReadFile(db_), ReadFile(dir_.path() / "again.dll"));
}

TEST(CompileOutput, OptionsPastTheTwelfthAreLeftOut) {
    TempDir dir;
    const fs::path db = dir.path() / "test.dll";
    Diagnostics diag;
    ASSERT_TRUE(Compile({LayOutSources(dir.path(), "thirteen-options"), db, LayOutPictures(dir.path())}, diag));
    EXPECT_EQ(QueryRows(db, "select count(*), max(ID) from Optional where ID like 'T0000010%'"),
              (Rows{{"12", "T0000010Q001O12"}}));
}

TEST(CompileOutput, GivenIdIsUsed) {
    TempDir dir;
    const fs::path src = LayOutSources(dir.path(), "");
    WriteFile(src / "tests" / "named.txt",
              "number: 9\ntitle: 命名\nkind: xg_type\ncredibility: 0/0\nevaluation: score\nid: Named_01\n\nQ: 问\n0: 甲\n\nR 0:\n解\n");
    const fs::path db = dir.path() / "test.dll";
    Diagnostics diag;
    ASSERT_TRUE(Compile({src, db, LayOutPictures(dir.path())}, diag));
    EXPECT_EQ(QueryRows(db, "select ID from BigQuestion where RecId = 9"), (Rows{{"Named_01"}}));
    EXPECT_EQ(QueryRows(db, "select ID from Optional where ID like 'Named_01%'"), (Rows{{"Named_01Q001O01"}}));
}

TEST(AtomicOutput, FailedBuildLeavesTheOldFileAndNoTemporaryFile) {
    TempDir dir;
    const fs::path out = dir.path() / "out";
    WriteFile(out / "test.dll", "old database");
    Diagnostics diag;
    EXPECT_FALSE(Compile({LayOutSources(dir.path(), "score-gap"), out / "test.dll", LayOutPictures(dir.path())}, diag));
    EXPECT_EQ(ReadFile(out / "test.dll"), "old database");
    EXPECT_TRUE(HiddenFiles(out).empty());
}

TEST(AtomicOutput, SuccessfulBuildReplacesTheOldFile) {
    TempDir dir;
    const fs::path out = dir.path() / "out";
    WriteFile(out / "test.dll", "old database");
    Diagnostics diag;
    ASSERT_TRUE(Compile({LayOutSources(dir.path(), ""), out / "test.dll", LayOutPictures(dir.path())}, diag));
    EXPECT_EQ(QueryRows(out / "test.dll", "select count(*) from BigQuestion"), (Rows{{"3"}}));
    EXPECT_TRUE(HiddenFiles(out).empty());
}

TEST(AtomicOutput, WriteFailureIsReportedAndCleanedUp) {
    TempDir dir;
    const fs::path out = dir.path() / "out";
    WriteFile(out / "test.dll" / "occupied", "a folder stands where the database should go");
    Diagnostics diag;
    EXPECT_FALSE(Compile({LayOutSources(dir.path(), ""), out / "test.dll", LayOutPictures(dir.path())}, diag));
    ASSERT_EQ(diag.errorCount(), 1);
    EXPECT_EQ(diag.all()[0].file, "");
    EXPECT_NE(diag.all()[0].message.find("cannot replace"), std::string::npos);
    EXPECT_TRUE(HiddenFiles(out).empty());
}

// Runs the built tool; returns its exit status and what it printed on stderr.
int RunTool(const std::string& args, const fs::path& dir, std::string& err) {
    const fs::path errFile = dir / "stderr.txt";
    const std::string command = std::string("'") + ZUNO_CONTENTC_PATH + "' " + args + " >/dev/null 2>'" + errFile.string() + "'";
    const int status = std::system(command.c_str());
    err = ReadFile(errFile);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(ContentcTool, SucceedsOnValidSources) {
    TempDir dir;
    const fs::path src = LayOutSources(dir.path(), "");
    const fs::path pictures = LayOutPictures(dir.path());
    std::string err;
    EXPECT_EQ(RunTool(src.string() + " " + (dir.path() / "test.dll").string() + " --pictures " + pictures.string(), dir.path(), err), 0) << err;
    EXPECT_EQ(err, "");
    EXPECT_TRUE(fs::exists(dir.path() / "test.dll"));
}

TEST(ContentcTool, PrintsFileLineErrorsAndFails) {
    TempDir dir;
    const fs::path src = LayOutSources(dir.path(), "score-gap");
    std::string err;
    EXPECT_EQ(RunTool(src.string() + " " + (dir.path() / "test.dll").string() + " --pictures " + LayOutPictures(dir.path()).string(), dir.path(), err), 1);
    EXPECT_EQ(err.substr(0, err.find('\n')),
              src.generic_string() + "/tests/x.txt:14: error: no result for the reachable scores 3 (answers give scores from 0 to 4)");
    EXPECT_NE(err.find("1 error(s), 0 warning(s)"), std::string::npos);
    EXPECT_FALSE(fs::exists(dir.path() / "test.dll"));
}

TEST(ContentcTool, BadUsageExitsWith2) {
    TempDir dir;
    std::string err;
    EXPECT_EQ(RunTool("only-one-argument", dir.path(), err), 2);
    EXPECT_NE(err.find("usage:"), std::string::npos);
    EXPECT_EQ(RunTool("a b --unknown", dir.path(), err), 2);
}

}  // namespace
}  // namespace zuno::authoring::testing
