// Speed of the content layer on a large content database: opening it with the
// start-up reads, the three catalogue walks, loading a test and showing one
// question, and the three keyword searches. The database is named by the
// environment variable ZUNO_BENCH_DB (made with zuno-contentgen).
#include "content/Connection.h"
#include "content/Recordset.h"
#include "content/Statements.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace zuno::content {
namespace {

std::string g_path;

std::string Text(const Recordset& rs, std::string_view field) { return rs.Fields(field).AsText(); }

// What start-up reads: the three highest numbers and the version record.
void BM_OpenAndHighestNumbers(benchmark::State& state) {
    for (auto _ : state) {
        Connection db;
        db.Open(g_path);
        Recordset rs;
        OpenHighestTestNumber(rs, db);
        benchmark::DoNotOptimize(rs.Fields("RecId").AsInteger());
        OpenHighestArticleNumber(rs, db);
        benchmark::DoNotOptimize(rs.Fields("Id").AsInteger());
        OpenHighestHumorNumber(rs, db);
        benchmark::DoNotOptimize(rs.Fields("Id").AsInteger());
        OpenSoftInfo(rs, db);
        rs.Move(11);
        benchmark::DoNotOptimize(Text(rs, "information"));
    }
}
BENCHMARK(BM_OpenAndHighestNumbers)->Unit(benchmark::kMillisecond);

using ClassesFn = void (*)(Recordset&, const Connection&);
using ByTextFn = void (*)(Recordset&, const Connection&, std::string_view);

// One catalogue, class by subclass by entry, reading what the menus read.
std::size_t WalkCatalogue(const Connection& db, ClassesFn classes, ByTextFn subclasses, ByTextFn entries,
                          bool tests) {
    std::size_t items = 0;
    Recordset level1, level2, level3;
    for (classes(level1, db); !level1.Eof() && !level1.Bof(); level1.MoveNext()) {
        for (subclasses(level2, db, Text(level1, "Class")); !level2.Eof() && !level2.Bof(); level2.MoveNext()) {
            benchmark::DoNotOptimize(Text(level2, "SubClass"));
            for (entries(level3, db, Text(level2, "TypeName")); !level3.Eof() && !level3.Bof(); level3.MoveNext()) {
                if (tests) {
                    benchmark::DoNotOptimize(level3.Fields("RecId").AsInteger() + level3.Fields("score").AsInteger() +
                                             level3.Fields("count").AsInteger());
                    benchmark::DoNotOptimize(Text(level3, "bigquestion") + Text(level3, "id"));
                } else {
                    benchmark::DoNotOptimize(level3.Fields("Id").AsInteger());
                    benchmark::DoNotOptimize(Text(level3, "Name"));
                }
                ++items;
            }
        }
    }
    return items;
}

void BM_CatalogueWalk(benchmark::State& state) {
    Connection db;
    db.Open(g_path);
    std::size_t items = 0;
    for (auto _ : state) {
        items = WalkCatalogue(db, OpenTestClasses, OpenTestSubclasses, OpenTestsOfKind, true) +
                WalkCatalogue(db, OpenArticleClasses, OpenArticleSubclasses, OpenArticlesOfKind, false) +
                WalkCatalogue(db, OpenHumorClasses, OpenHumorSubclasses, OpenHumorTextsOfKind, false);
    }
    state.counters["items"] = static_cast<double>(items);
}
BENCHMARK(BM_CatalogueWalk)->Unit(benchmark::kMillisecond);

// A test from the middle of the table, so that no scan ends early by luck.
std::string MiddleTestId(const Connection& db) {
    Recordset rs;
    rs.Open("SELECT ID FROM BigQuestion ORDER BY rowid LIMIT 1 OFFSET (SELECT count(*) / 2 FROM BigQuestion)", db);
    return Text(rs, "ID");
}

void BM_LoadTest(benchmark::State& state) {
    Connection db;
    db.Open(g_path);
    const std::string testId = MiddleTestId(db);
    Recordset rs;
    for (auto _ : state) {
        OpenQuestionsWithTitle(rs, db, testId);
        for (; !rs.Eof() && !rs.Bof(); rs.MoveNext()) {
            benchmark::DoNotOptimize(Text(rs, "id") + Text(rs, "smallquestion"));
            benchmark::DoNotOptimize(rs.Fields("optionalkind").AsBoolean());
        }
    }
}
BENCHMARK(BM_LoadTest)->Unit(benchmark::kMicrosecond);

void BM_ShowQuestion(benchmark::State& state) {
    Connection db;
    db.Open(g_path);
    Recordset questions;
    OpenQuestions(questions, db, MiddleTestId(db));
    const std::string questionId = Text(questions, "id");
    Recordset rs;
    for (auto _ : state) {
        OpenOptions(rs, db, questionId);
        for (; !rs.Eof() && !rs.Bof(); rs.MoveNext()) {
            benchmark::DoNotOptimize(Text(rs, "optional"));
            benchmark::DoNotOptimize(rs.Fields("key").AsInteger());
        }
    }
}
BENCHMARK(BM_ShowQuestion)->Unit(benchmark::kMicrosecond);

void Search(benchmark::State& state, ByTextFn open, const char* keyword) {
    Connection db;
    db.Open(g_path);
    Recordset rs;
    for (auto _ : state) {
        open(rs, db, keyword);
        for (; !rs.Eof(); rs.MoveNext()) benchmark::DoNotOptimize(Text(rs, "ID"));
    }
    state.counters["found"] = static_cast<double>(rs.RecordCount());
}
// An absent keyword scans every text; an empty one lists everything.
BENCHMARK_CAPTURE(Search, Tests_absent, OpenTestSearch, "不存在的关键词")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Search, Tests_empty, OpenTestSearch, "")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Search, Articles_absent, OpenArticleSearch, "不存在的关键词")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Search, Articles_empty, OpenArticleSearch, "")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Search, Humor_absent, OpenHumorSearch, "不存在的关键词")->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zuno::content

int main(int argc, char** argv) {
    const char* path = std::getenv("ZUNO_BENCH_DB");
    if (!path || !*path) {
        std::puts("zuno_content_bench: ZUNO_BENCH_DB is not set; skipped. Make a database with\n"
                  "  zuno-contentgen big.db --tests 10000 --questions 20 --options 4 --articles 5000 --humor 5000\n"
                  "and run ZUNO_BENCH_DB=big.db zuno_content_bench.");
        return 0;
    }
    zuno::content::g_path = path;
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
