// Every statement the program runs on the content database, each written once
// here as a function that opens a given recordset with bound values. Field names
// are those the program reads; rows come in the order the program relies on:
// stored (insertion) order unless a statement says otherwise.
#pragma once

#include <cstdint>
#include <string_view>

namespace zuno::content {

class Connection;
class Recordset;

// Start-up. One row (none on an empty table): the highest content number.
void OpenHighestTestNumber(Recordset& rs, const Connection& db);     // RecId
void OpenHighestArticleNumber(Recordset& rs, const Connection& db);  // Id
void OpenHighestHumorNumber(Recordset& rs, const Connection& db);    // Id
// The whole softinfo table in stored order (records are addressed by position).
void OpenSoftInfo(Recordset& rs, const Connection& db);  // information

// Catalogues. Classes come once each, in order of first occurrence; text
// comparisons of class and type key ignore ASCII case, as the original engine did.
void OpenTestClasses(Recordset& rs, const Connection& db);                          // Class
void OpenTestSubclasses(Recordset& rs, const Connection& db, std::string_view cls);  // SubClass, TypeName
void OpenTestsOfKind(Recordset& rs, const Connection& db,
                     std::string_view kind);  // RecId, id, bigquestion, score, count
void OpenArticleClasses(Recordset& rs, const Connection& db);
void OpenArticleSubclasses(Recordset& rs, const Connection& db, std::string_view cls);
void OpenArticlesOfKind(Recordset& rs, const Connection& db, std::string_view kind);  // Id, Name
void OpenHumorClasses(Recordset& rs, const Connection& db);
void OpenHumorSubclasses(Recordset& rs, const Connection& db, std::string_view cls);
void OpenHumorTextsOfKind(Recordset& rs, const Connection& db, std::string_view kind);  // Id, Name
// The statements of the three item levels above, the type key bound as ?1.
extern const char kTestsOfKindStatement[];
extern const char kArticlesOfKindStatement[];
extern const char kHumorTextsOfKindStatement[];

// A test. The questions are those whose ID begins with `testId`; with the title
// of their test (left join: BigQuestion is null when the test row is missing).
void OpenQuestionsWithTitle(Recordset& rs, const Connection& db,
                            std::string_view testId);  // ID, SmallQuestion, optionalkind, BigQuestion
void OpenQuestions(Recordset& rs, const Connection& db,
                   std::string_view testId);  // ID, SmallQuestion, optionalkind
// The options whose ID contains `questionId`.
void OpenOptions(Recordset& rs, const Connection& db, std::string_view questionId);  // optional, key
void OpenPicture(Recordset& rs, const Connection& db, std::int64_t pictureId);      // pic
void OpenResult(Recordset& rs, const Connection& db, std::string_view testId);      // result

// The reader.
void OpenArticleWithName(Recordset& rs, const Connection& db, std::int64_t id);  // Name, Content
void OpenArticleContent(Recordset& rs, const Connection& db, std::int64_t id);   // Content
void OpenHumorWithName(Recordset& rs, const Connection& db, std::int64_t id);    // Name, Content
void OpenHumorContent(Recordset& rs, const Connection& db, std::int64_t id);     // Content

// Keyword searches: `keyword` is matched anywhere, ignoring ASCII case. A '%' or
// '_' in it is a wildcard, as it always was; a quote is just a character.
// Tests with at least one question and one option whose title, a question or an
// option holds the keyword, each (ID, title) once, in stored order.
void OpenTestSearch(Recordset& rs, const Connection& db, std::string_view keyword);  // ID, BigQuestion
// Texts whose title or body holds the keyword, in stored order.
void OpenArticleSearch(Recordset& rs, const Connection& db, std::string_view keyword);  // ID, Name
void OpenHumorSearch(Recordset& rs, const Connection& db, std::string_view keyword);    // ID, Name
// The three search statements, the keyword bound as ?1: the benchmarks run the
// very same texts in the sqlite3 tool.
extern const char kTestSearchStatement[];
extern const char kArticleSearchStatement[];
extern const char kHumorSearchStatement[];

// A content number written in decimal (a text's Id, a picture id), blanks around
// it allowed. Throws ContentError for anything else, so that no such text can
// reach a statement.
std::int64_t ParseId(std::string_view text);

}  // namespace zuno::content
