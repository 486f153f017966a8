// The synthetic content generator: its output opens, has the requested rows, and
// keeps the conventions the program relies on (IDs, result fields, version).
#include <gtest/gtest.h>

#include <map>

#include "authoring/contentgen/Generator.h"
#include "tests/authoring/FixtureTree.h"

namespace zuno::authoring::testing {
namespace {

using Rows = std::vector<std::vector<std::string>>;

struct Segment {
    int low, high;
};

// Reads a stored result field the way the program walks it.
std::vector<Segment> Walk(std::string field, std::string& prefix) {
    prefix = field.rfind("ts", 0) == 0 ? field.substr(0, 4) : "";
    std::string rest = field.substr(prefix.size()) + "!rt#";
    std::vector<Segment> segs;
    for (size_t end; (end = rest.find("!rt#")) != std::string::npos; rest = rest.substr(end + 4)) {
        const std::string seg = rest.substr(0, end);
        const std::string range = seg.substr(0, seg.find("@___@"));
        const size_t to = range.find("--to");
        segs.push_back({std::stoi(range.substr(0, to)), std::stoi(range.substr(to + 6))});
    }
    return segs;
}

class Generated : public ::testing::Test {
protected:
    void SetUp() override {
        options_.output = dir_.path() / "gen.db";
        options_.tests = 40;
        options_.questions = 7;
        options_.options = 5;
        options_.articles = 9;
        options_.humor = 4;
        options_.seed = 3;
        counts_ = GenerateContentDatabase(options_);
    }
    Rows Query(const std::string& sql) { return QueryRows(options_.output, sql); }

    TempDir dir_;
    GenerateOptions options_;
    GenerateCounts counts_;
};

TEST_F(Generated, HasTheRequestedRows) {
    EXPECT_EQ(Query("select count(*) from BigQuestion"), (Rows{{"40"}}));
    EXPECT_EQ(Query("select count(*) from SmallQuestion"), (Rows{{"280"}}));
    EXPECT_EQ(Query("select count(*) from Optional"), (Rows{{"1400"}}));
    EXPECT_EQ(Query("select count(*) from Article"), (Rows{{"9"}}));
    EXPECT_EQ(Query("select count(*) from Humor"), (Rows{{"4"}}));
    EXPECT_EQ(Query("select count(*) from MenuClass"), (Rows{{"100"}}));
    EXPECT_EQ(counts_.options, 1400);
}

TEST_F(Generated, SoftInfoHasTheVersionAtRecord12) {
    const Rows rows = Query("select information from softinfo order by rowid");
    ASSERT_GE(rows.size(), 13u);
    EXPECT_EQ(rows[11][0], "4.3");
}

TEST_F(Generated, EveryKindNamesACatalogueSubclass) {
    EXPECT_EQ(Query("select count(*) from BigQuestion where kind not in (select TypeName from MenuClass)"), (Rows{{"0"}}));
    EXPECT_EQ(Query("select count(*) from Article where kind not in (select TypeName from ArtMenuClass)"), (Rows{{"0"}}));
    EXPECT_EQ(Query("select count(*) from Humor where kind not in (select TypeName from HumorMenuClass)"), (Rows{{"0"}}));
}

TEST_F(Generated, QuestionsAndOptionsFollowTheIdConventions) {
    EXPECT_EQ(Query("select count(*) from SmallQuestion where length(ID) <> 12 or substr(ID, 1, 8) not in (select ID from BigQuestion)"), (Rows{{"0"}}));
    const Rows perQuestion = Query("select count(*) from Optional where id like '%T0000017Q003%'");
    EXPECT_EQ(perQuestion, (Rows{{"5"}}));
}

TEST_F(Generated, ResultFieldsOfAllKindsAreWellFormed) {
    std::map<std::string, int> kinds;
    for (const auto& row : Query("select result from BigQuestion")) {
        std::string prefix;
        const std::vector<Segment> segs = Walk(row[0], prefix);
        ++kinds[prefix];
        ASSERT_FALSE(segs.empty());
        EXPECT_NE(row[0].substr(row[0].size() - 4), "!rt#");
        for (const Segment& s : segs) {
            EXPECT_LE(s.low, s.high);
            EXPECT_LE(s.high, 255);
        }
        if (prefix.empty()) {
            EXPECT_EQ(segs.front().low, 0);
            for (size_t i = 1; i < segs.size(); ++i) EXPECT_EQ(segs[i].low, segs[i - 1].high + 1);
        }
        if (prefix == "ts11") EXPECT_EQ(segs.size(), 5u);
    }
    EXPECT_GT(kinds[""], 0);
    EXPECT_GT(kinds["ts11"], 0);
    EXPECT_GT(kinds["ts12"], 0);
}

TEST_F(Generated, ScoreTestsCannotScoreAboveTheirLastRange) {
    // The highest score: the best option of each single-choice question, all
    // options of each multiple-choice one.
    for (const auto& row : Query("select b.result, sum(m.best) from BigQuestion b join ("
                                 " select q.ID as qid, case when q.optionalkind = 1 then sum(o.key) else max(o.key) end as best"
                                 " from SmallQuestion q join Optional o on substr(o.ID, 1, 12) = q.ID group by q.ID) m"
                                 " on substr(m.qid, 1, 8) = b.ID where b.result not like 'ts%' group by b.ID")) {
        std::string prefix;
        const std::vector<Segment> segs = Walk(row[0], prefix);
        EXPECT_GE(segs.back().high, std::stoi(row[1]));
    }
}

TEST(GenerateOptions, BadOptionsAreRefused) {
    GenerateOptions ok;
    ok.output = "x.db";
    EXPECT_EQ(CheckGenerateOptions(ok), "");
    const std::vector<std::pair<const char*, void (*)(GenerateOptions&)>> cases = {
        {"no tests", [](GenerateOptions& o) { o.tests = 0; }},
        {"255 questions", [](GenerateOptions& o) { o.questions = 255; }},
        {"13 options", [](GenerateOptions& o) { o.options = 13; }},
        {"no articles", [](GenerateOptions& o) { o.articles = 0; }},
        {"no humour", [](GenerateOptions& o) { o.humor = 0; }},
        {"no output", [](GenerateOptions& o) { o.output.clear(); }},
    };
    for (const auto& [what, change] : cases) {
        GenerateOptions o = ok;
        change(o);
        EXPECT_NE(CheckGenerateOptions(o), "") << what;
    }
}

}  // namespace
}  // namespace zuno::authoring::testing
