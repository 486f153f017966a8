// Streaming generation of a synthetic content database: rows go straight into
// prepared statements inside one transaction, so millions of rows take seconds.
#include "authoring/contentgen/Generator.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "authoring/common/ContentFormat.h"
#include "authoring/common/OutputFile.h"
#include "authoring/common/Sqlite.h"
#include "authoring/contentgen/Vocabulary.h"

namespace zuno::authoring {
namespace {

constexpr int kTestClasses = 10, kTestSubclasses = 10;
constexpr int kTextClasses = 5, kTextSubclasses = 4;

std::string TypeKey(char prefix, int index) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%c%02d_%02d", prefix, index / 100, index % 100);
    return buffer;
}

void InsertCatalogue(Database& db, const char* table, char prefix, int classes, int subclasses) {
    Statement insert(db, std::string("INSERT INTO ") + table + " (Class, SubClass, TypeName) VALUES (?1, ?2, ?3)");
    for (int c = 0; c < classes; ++c) {
        for (int s = 0; s < subclasses; ++s) {
            insert.Bind(1, ClassName(c)).Bind(2, SubclassName(c * 10 + s)).Bind(3, TypeKey(prefix, c * 100 + s)).Run();
        }
    }
}

struct Statements {
    explicit Statements(Database& db)
        : test(db, "INSERT INTO BigQuestion (RecId, ID, BigQuestion, score, count, kind, result) VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7)"),
          question(db, "INSERT INTO SmallQuestion (ID, SmallQuestion, optionalkind) VALUES (?1, ?2, ?3)"),
          option(db, "INSERT INTO Optional (ID, optional, key) VALUES (?1, ?2, ?3)") {}
    Statement test, question, option;
};

// Score ranges that cover 0..highest in three to five pieces.
std::vector<ResultSegment> ScoreSegments(Random& rng, int highest) {
    const int pieces = std::min(highest + 1, static_cast<int>(rng.Between(3, 5)));
    std::vector<ResultSegment> segs;
    int low = 0;
    for (int p = 0; p < pieces; ++p) {
        const int high = p == pieces - 1 ? highest : low + (highest + 1 - low) / (pieces - p) - 1;
        segs.push_back({low, high, Paragraphs(rng, 2)});
        low = high + 1;
    }
    return segs;
}

// One test with its questions and options; returns the number of option rows.
int64_t WriteTest(Statements& st, Random& rng, const GenerateOptions& o, int64_t number) {
    const int kind = static_cast<int>(number % 10);
    const Evaluation evaluation = kind < 7 ? Evaluation::Score : kind < 9 ? Evaluation::MostFrequent : Evaluation::PerAnswer;
    // A score test's marks stay small enough that every total fits the 8-bit bounds.
    const int budget = std::max(1, kMaxResultBound / o.questions);
    const std::string testId = DefaultTestId(number);
    int highest = 0;
    int64_t optionRows = 0;
    for (int q = 1; q <= o.questions; ++q) {
        const bool multiple = evaluation != Evaluation::PerAnswer && q > 1 && rng.Chance(15);
        const std::string qid = QuestionId(testId, q);
        st.question.Bind(1, qid).Bind(2, QuestionText(rng)).Bind(3, int64_t{multiple ? 1 : 0}).Run();
        const int markLimit = multiple ? budget / o.options : budget;
        int most = 0, sum = 0;
        for (int k = 1; k <= o.options; ++k) {
            const int mark = evaluation == Evaluation::Score ? static_cast<int>(rng.Between(0, markLimit)) : static_cast<int>(rng.Between(0, 3));
            most = std::max(most, mark);
            sum += mark;
            st.option.Bind(1, OptionId(qid, k)).Bind(2, OptionText(rng)).Bind(3, int64_t{mark}).Run();
            ++optionRows;
        }
        highest += multiple ? sum : most;
    }
    std::vector<ResultSegment> segs;
    if (evaluation == Evaluation::Score) {
        segs = ScoreSegments(rng, highest);
    } else if (evaluation == Evaluation::MostFrequent) {
        for (int k = 1; k <= o.options; ++k) segs.push_back({k, k, Paragraphs(rng, 2)});
    } else {
        // Every answer of question 1 has a result, so some result always matches;
        // a few later questions get one for their first option.
        for (int k = 1; k <= o.options; ++k) segs.push_back({k, k, Paragraphs(rng, 1)});
        for (int q = 2; q <= std::min(o.questions, 21); q += 3) {
            const int code = static_cast<int>(AnswerCode(q, 1));
            segs.push_back({code, code, Paragraphs(rng, 1)});
        }
    }
    const int64_t count = rng.Chance(10) ? 0 : rng.Between(1, 50);
    const int64_t score = count == 0 ? 0 : rng.Between(count * 4, count * 10);
    st.test.Bind(1, number).Bind(2, testId).Bind(3, TestTitle(rng)).Bind(4, score).Bind(5, count)
        .Bind(6, TypeKey('t', static_cast<int>((number / 10) % kTestClasses) * 100 + static_cast<int>(number % kTestSubclasses)))
        .Bind(7, BuildResultField(evaluation, segs)).Run();
    return optionRows;
}

void WriteTexts(Database& db, const char* table, char prefix, int64_t n, Random& rng) {
    Statement insert(db, std::string("INSERT INTO ") + table + " (Id, Name, Content, kind) VALUES (?1, ?2, ?3, ?4)");
    for (int64_t id = 1; id <= n; ++id) {
        const int key = static_cast<int>(id % kTextClasses) * 100 + static_cast<int>((id / kTextClasses) % kTextSubclasses);
        insert.Bind(1, id).Bind(2, ArticleTitle(rng)).Bind(3, Paragraphs(rng, static_cast<int>(rng.Between(3, 8))))
            .Bind(4, TypeKey(prefix, key)).Run();
    }
}

void WriteSoftInfo(Database& db, uint64_t seed) {
    Statement insert(db, "INSERT INTO softinfo (information) VALUES (?1)");
    for (size_t record = 1; record <= kMinSoftInfoRecords; ++record) {
        std::string text = "合成题库记录" + std::to_string(record);
        if (record == 7) text = "心理测试Mobix合成题库";
        if (record == 8) text = "本题库由程序生成，仅供测试程序之用。";
        if (record == 9) text = "生成种子：" + std::to_string(seed);
        if (record == kVersionRecord) text = std::string(kContentVersion);
        if (record == 13) text = "2026年1月1日";
        insert.Bind(1, text).Run();
    }
}

}  // namespace

std::string CheckGenerateOptions(const GenerateOptions& o) {
    if (o.output.empty()) return "no output file given";
    if (o.tests < 1 || o.tests > kMaxDefaultIdNumber) return "--tests must be 1 to 9999999";
    if (o.questions < 1 || o.questions > kMaxQuestions) return "--questions must be 1 to 254";
    if (o.options < 1 || o.options > kMaxOptionsShown) return "--options must be 1 to 12";
    if (o.articles < 1 || o.articles > 2147483647) return "--articles must be at least 1 (the program needs one to start)";
    if (o.humor < 1 || o.humor > 2147483647) return "--humor must be at least 1 (the program needs one to start)";
    return {};
}

GenerateCounts GenerateContentDatabase(const GenerateOptions& o) {
    if (std::string problem = CheckGenerateOptions(o); !problem.empty()) throw std::runtime_error(problem);
    GenerateCounts counts;
    OutputFile file(o.output);
    {
        Database db(file.tempPath().string());
        db.Exec("PRAGMA journal_mode = OFF; PRAGMA synchronous = OFF;");
        db.Exec("BEGIN");
        CreateContentSchema(db);
        InsertCatalogue(db, "MenuClass", 't', kTestClasses, kTestSubclasses);
        InsertCatalogue(db, "ArtMenuClass", 'a', kTextClasses, kTextSubclasses);
        InsertCatalogue(db, "HumorMenuClass", 'h', kTextClasses, kTextSubclasses);
        Random rng(o.seed);
        {
            Statements st(db);
            for (int64_t number = 1; number <= o.tests; ++number) counts.options += WriteTest(st, rng, o, number);
        }
        WriteTexts(db, "Article", 'a', o.articles, rng);
        WriteTexts(db, "Humor", 'h', o.humor, rng);
        WriteSoftInfo(db, o.seed);
        if (!ContentIndexSql().empty()) db.Exec(ContentIndexSql());
        db.Exec("COMMIT");
        db.Close();
    }
    file.Commit();
    counts.tests = o.tests;
    counts.questions = o.tests * o.questions;
    counts.articles = o.articles;
    counts.humor = o.humor;
    return counts;
}

}  // namespace zuno::authoring
