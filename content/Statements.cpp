// The content database's statements in SQLite form. Values are bound, never
// pasted. Text equality uses COLLATE NOCASE and LIKE keeps SQLite's default
// ASCII case-insensitivity, matching the case-blind comparisons of the original
// engine; "distinct" keeps the first occurrence in stored order.
#include "content/Statements.h"

#include "content/ContentError.h"
#include "content/Recordset.h"

#include <charconv>

namespace zuno::content {
namespace {

// Whether the first 8 characters of an ID can narrow a search through the
// substr(ID, 1, 8) indexes: there must be 8 of them and none a LIKE wildcard.
bool HasPlainTestPrefix(std::string_view id) {
    int characters = 0;
    for (char c : id) {
        if ((static_cast<unsigned char>(c) & 0xC0) == 0x80) continue;  // UTF-8 continuation
        if (characters == 8) return true;
        if (c == '%' || c == '_') return false;
        ++characters;
    }
    return characters == 8;
}

void OpenWithTestPrefix(Recordset& rs, const Connection& db, std::string_view indexed,
                        std::string_view plain, std::string_view id) {
    rs.Open(HasPlainTestPrefix(id) ? indexed : plain, db, id);
}

}  // namespace

void OpenHighestTestNumber(Recordset& rs, const Connection& db) {
    rs.Open("SELECT RecId FROM BigQuestion ORDER BY RecId DESC LIMIT 1", db);
}

void OpenHighestArticleNumber(Recordset& rs, const Connection& db) {
    rs.Open("SELECT Id FROM Article ORDER BY Id DESC LIMIT 1", db);
}

void OpenHighestHumorNumber(Recordset& rs, const Connection& db) {
    rs.Open("SELECT Id FROM Humor ORDER BY Id DESC LIMIT 1", db);
}

void OpenSoftInfo(Recordset& rs, const Connection& db) { rs.Open("softinfo", db); }

// The bare Class comes from the row that holds MIN(rowid), so of values equal
// but for case the first one stored is returned.
void OpenTestClasses(Recordset& rs, const Connection& db) {
    rs.Open("SELECT Class FROM (SELECT Class, MIN(rowid) AS FirstRow FROM MenuClass"
            " GROUP BY Class COLLATE NOCASE) ORDER BY FirstRow",
            db);
}

void OpenTestSubclasses(Recordset& rs, const Connection& db, std::string_view cls) {
    rs.Open("SELECT SubClass, TypeName FROM MenuClass WHERE Class COLLATE NOCASE = ?1 ORDER BY rowid",
            db, cls);
}

// The catalogue's items of one type key. The kind indexes hold every column read
// here: the catalogues are built from their pages alone.
const char kTestsOfKindStatement[] =
    "SELECT RecId, ID AS id, BigQuestion AS bigquestion, score, count FROM BigQuestion"
    " WHERE kind COLLATE NOCASE = ?1 ORDER BY rowid";
const char kArticlesOfKindStatement[] =
    "SELECT Id, Name FROM Article WHERE kind COLLATE NOCASE = ?1 ORDER BY rowid";
const char kHumorTextsOfKindStatement[] =
    "SELECT Id, Name FROM Humor WHERE kind COLLATE NOCASE = ?1 ORDER BY rowid";

void OpenTestsOfKind(Recordset& rs, const Connection& db, std::string_view kind) {
    rs.Open(kTestsOfKindStatement, db, kind);
}

void OpenArticleClasses(Recordset& rs, const Connection& db) {
    rs.Open("SELECT Class FROM (SELECT Class, MIN(rowid) AS FirstRow FROM ArtMenuClass"
            " GROUP BY Class COLLATE NOCASE) ORDER BY FirstRow",
            db);
}

void OpenArticleSubclasses(Recordset& rs, const Connection& db, std::string_view cls) {
    rs.Open("SELECT SubClass, TypeName FROM ArtMenuClass WHERE Class COLLATE NOCASE = ?1 ORDER BY rowid",
            db, cls);
}

void OpenArticlesOfKind(Recordset& rs, const Connection& db, std::string_view kind) {
    rs.Open(kArticlesOfKindStatement, db, kind);
}

void OpenHumorClasses(Recordset& rs, const Connection& db) {
    rs.Open("SELECT Class FROM (SELECT Class, MIN(rowid) AS FirstRow FROM HumorMenuClass"
            " GROUP BY Class COLLATE NOCASE) ORDER BY FirstRow",
            db);
}

void OpenHumorSubclasses(Recordset& rs, const Connection& db, std::string_view cls) {
    rs.Open("SELECT SubClass, TypeName FROM HumorMenuClass WHERE Class COLLATE NOCASE = ?1 ORDER BY rowid",
            db, cls);
}

void OpenHumorTextsOfKind(Recordset& rs, const Connection& db, std::string_view kind) {
    rs.Open(kHumorTextsOfKindStatement, db, kind);
}

// "ID LIKE testId%" implies that the first 8 characters equal those of testId
// (ASCII case ignored by both), so the indexed form only narrows; the LIKE still
// decides. A test row that appears twice (one ID in two classes) doubles the
// questions, as the join always did.
void OpenQuestionsWithTitle(Recordset& rs, const Connection& db, std::string_view testId) {
    static constexpr std::string_view kSelect =
        "SELECT s.ID AS ID, s.SmallQuestion AS SmallQuestion, s.optionalkind AS optionalkind,"
        " b.BigQuestion AS BigQuestion FROM SmallQuestion AS s"
        " LEFT JOIN BigQuestion AS b ON b.ID COLLATE NOCASE = substr(s.ID, 1, 8) WHERE ";
    static const std::string indexed = std::string(kSelect) +
        "substr(s.ID, 1, 8) COLLATE NOCASE = substr(?1, 1, 8) AND s.ID LIKE ?1 || '%'"
        " ORDER BY s.rowid, b.rowid";
    static const std::string plain =
        std::string(kSelect) + "s.ID LIKE ?1 || '%' ORDER BY s.rowid, b.rowid";
    OpenWithTestPrefix(rs, db, indexed, plain, testId);
}

void OpenQuestions(Recordset& rs, const Connection& db, std::string_view testId) {
    OpenWithTestPrefix(rs, db,
                       "SELECT ID, SmallQuestion, optionalkind FROM SmallQuestion"
                       " WHERE substr(ID, 1, 8) COLLATE NOCASE = substr(?1, 1, 8)"
                       " AND ID LIKE ?1 || '%' ORDER BY rowid",
                       "SELECT ID, SmallQuestion, optionalkind FROM SmallQuestion"
                       " WHERE ID LIKE ?1 || '%' ORDER BY rowid",
                       testId);
}

// The options of a question are those whose ID contains the question's ID. An
// option's first 8 characters are its test's ID and a question ID begins with
// it (the content compiler enforces both), so only the options of that test can
// match: the index narrows to them and the LIKE decides among them.
void OpenOptions(Recordset& rs, const Connection& db, std::string_view questionId) {
    OpenWithTestPrefix(rs, db,
                       "SELECT optional, \"key\" FROM Optional"
                       " WHERE substr(ID, 1, 8) COLLATE NOCASE = substr(?1, 1, 8)"
                       " AND ID LIKE '%' || ?1 || '%' ORDER BY rowid",
                       "SELECT optional, \"key\" FROM Optional WHERE ID LIKE '%' || ?1 || '%' ORDER BY rowid",
                       questionId);
}

void OpenPicture(Recordset& rs, const Connection& db, std::int64_t pictureId) {
    rs.Open("SELECT pic FROM picture WHERE id = ?1 ORDER BY rowid", db, pictureId);
}

void OpenResult(Recordset& rs, const Connection& db, std::string_view testId) {
    rs.Open("SELECT result FROM BigQuestion WHERE ID COLLATE NOCASE = ?1 ORDER BY rowid", db, testId);
}

void OpenArticleWithName(Recordset& rs, const Connection& db, std::int64_t id) {
    rs.Open("SELECT Name, Content FROM Article WHERE Id = ?1 ORDER BY rowid", db, id);
}

void OpenArticleContent(Recordset& rs, const Connection& db, std::int64_t id) {
    rs.Open("SELECT Content FROM Article WHERE Id = ?1 ORDER BY rowid", db, id);
}

void OpenHumorWithName(Recordset& rs, const Connection& db, std::int64_t id) {
    rs.Open("SELECT Name, Content FROM Humor WHERE Id = ?1 ORDER BY rowid", db, id);
}

void OpenHumorContent(Recordset& rs, const Connection& db, std::int64_t id) {
    rs.Open("SELECT Content FROM Humor WHERE Id = ?1 ORDER BY rowid", db, id);
}

// The original joined every test with all its questions and all its options and
// kept the distinct (ID, title) pairs of the joined rows that match. A test
// yields such a row exactly when it has a question and an option and the
// keyword is in its title, in one of its questions or in one of its options;
// EXISTS says that without building the join. "+b.ID" drops the column's
// affinity so that the substr(ID, 1, 8) indexes apply. The keyword's '%' and '_'
// stay wildcards, as they were when the keyword was pasted into the pattern.
const char kTestSearchStatement[] =
    "SELECT ID, BigQuestion FROM ("
    " SELECT b.ID AS ID, b.BigQuestion AS BigQuestion, MIN(b.rowid) AS FirstRow FROM BigQuestion AS b"
    " WHERE EXISTS (SELECT 1 FROM SmallQuestion AS s WHERE substr(s.ID, 1, 8) COLLATE NOCASE = +b.ID)"
    " AND EXISTS (SELECT 1 FROM Optional AS o WHERE substr(o.ID, 1, 8) COLLATE NOCASE = +b.ID)"
    " AND (b.BigQuestion LIKE '%' || ?1 || '%'"
    "  OR EXISTS (SELECT 1 FROM SmallQuestion AS s WHERE substr(s.ID, 1, 8) COLLATE NOCASE = +b.ID"
    "   AND s.SmallQuestion LIKE '%' || ?1 || '%')"
    "  OR EXISTS (SELECT 1 FROM Optional AS o WHERE substr(o.ID, 1, 8) COLLATE NOCASE = +b.ID"
    "   AND o.optional LIKE '%' || ?1 || '%'))"
    " GROUP BY b.ID COLLATE NOCASE, b.BigQuestion COLLATE NOCASE)"
    " ORDER BY FirstRow";

const char kArticleSearchStatement[] =
    "SELECT Id AS ID, Name FROM Article"
    " WHERE Name LIKE '%' || ?1 || '%' OR Content LIKE '%' || ?1 || '%' ORDER BY rowid";

const char kHumorSearchStatement[] =
    "SELECT Id AS ID, Name FROM Humor"
    " WHERE Name LIKE '%' || ?1 || '%' OR Content LIKE '%' || ?1 || '%' ORDER BY rowid";

void OpenTestSearch(Recordset& rs, const Connection& db, std::string_view keyword) {
    rs.Open(kTestSearchStatement, db, keyword);
}

void OpenArticleSearch(Recordset& rs, const Connection& db, std::string_view keyword) {
    rs.Open(kArticleSearchStatement, db, keyword);
}

void OpenHumorSearch(Recordset& rs, const Connection& db, std::string_view keyword) {
    rs.Open(kHumorSearchStatement, db, keyword);
}

std::int64_t ParseId(std::string_view text) {
    constexpr std::string_view kBlanks = " \t\r\n";
    std::string_view digits = text;
    const std::size_t first = digits.find_first_not_of(kBlanks);
    digits = first == std::string_view::npos
                 ? std::string_view()
                 : digits.substr(first, digits.find_last_not_of(kBlanks) - first + 1);
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (digits.empty() || error != std::errc() || end != digits.data() + digits.size()) {
        throw ContentError("编号“" + std::string(text) + "”不是十进制整数");
    }
    return value;
}

}  // namespace zuno::content
