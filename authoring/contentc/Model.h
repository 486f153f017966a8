// What the content sources say, as read from the files: catalogues, tests,
// articles and humour texts, software information. Every item keeps the line it
// came from so later checks can point at it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "authoring/common/ContentFormat.h"

namespace zuno::authoring {

struct CatalogueEntry {
    std::string className;
    std::string subclass;
    std::string typeKey;
    int line = 0;
};

struct Catalogue {
    std::string file;
    std::vector<CatalogueEntry> entries;  // in file order
};

// A header value with the line it was written on; line 0 means absent.
struct Field {
    std::string value;
    int line = 0;
    bool present() const { return line > 0; }
};

struct Option {
    int line = 0;
    int64_t mark = 0;  // as written; checked against 0..255 later
    std::string text;
};

struct Question {
    int line = 0;
    bool multiple = false;
    std::vector<std::string> textLines;
    Field picture;
    std::vector<Option> options;
};

// One bound of a result line: "12" (plain) or "3.2" (question.option).
struct ResultBound {
    bool dotted = false;
    int64_t first = 0;   // the number, or the question of a dotted bound
    int64_t second = 0;  // the option of a dotted bound
};

struct Result {
    int line = 0;
    bool rangeValid = false;  // false when the R line could not be read
    ResultBound low;
    ResultBound high;
    std::vector<std::string> textLines;
};

struct Test {
    std::string file;
    int line = 1;  // where diagnostics about the whole test point
    Field number, title, kind, credibility, evaluation, id;
    std::vector<Question> questions;
    std::vector<Result> results;

    // Filled by the checks of a single test when the fields are well formed.
    std::optional<int64_t> recId;
    std::optional<Evaluation> evaluationKind;
    int64_t score = 0;
    int64_t count = 0;
    std::string testId;  // given or default, once valid
    std::vector<ResultSegment> segments;  // the results as stored, once all are valid
};

struct TextItem {  // an article or a humour text
    std::string file;
    Field number, title, kind;
    int bodyLine = 0;  // line of "---"; 0 if missing
    std::vector<std::string> bodyLines;
    std::optional<int64_t> id;
};

struct SoftInfoRecord {
    int line = 0;
    int64_t number = 0;
    std::vector<std::string> textLines;
};

struct SoftInfo {
    std::string file;
    std::vector<SoftInfoRecord> records;
};

struct Sources {
    Catalogue testCatalogue, articleCatalogue, humorCatalogue;
    std::vector<Test> tests;
    std::vector<TextItem> articles, humor;
    SoftInfo softInfo;
};

}  // namespace zuno::authoring
