// Turning checked sources into rows, and writing the rows in one transaction.
#include "authoring/contentc/ContentRows.h"

#include "authoring/common/OutputFile.h"
#include "authoring/common/SourceText.h"
#include "authoring/common/Sqlite.h"

namespace zuno::authoring {
namespace {

std::vector<MenuRow> MenuRows(const Catalogue& c) {
    std::vector<MenuRow> rows;
    for (const CatalogueEntry& e : c.entries) rows.push_back({e.className, e.subclass, e.typeKey});
    return rows;
}

std::vector<TextRow> TextRows(const std::vector<TextItem>& items) {
    std::vector<TextRow> rows;
    for (const TextItem& item : items) rows.push_back({*item.id, item.title.value, JoinCrLf(item.bodyLines), item.kind.value});
    return rows;
}

void AddTest(const Test& t, const PictureSet& pictures, ContentRows& rows) {
    rows.tests.push_back({*t.recId, t.testId, t.title.value, t.score, t.count, t.kind.value,
                          BuildResultField(*t.evaluationKind, t.segments)});
    for (size_t q = 0; q < t.questions.size(); ++q) {
        const Question& question = t.questions[q];
        const std::string qid = QuestionId(t.testId, static_cast<int>(q + 1));
        std::string text = JoinCrLf(question.textLines);
        if (question.picture.present()) text = QuestionTextWithPicture(text, pictures.ids.at(question.picture.value));
        rows.questions.push_back({qid, text, question.multiple});
        for (size_t k = 0; k < question.options.size(); ++k) {
            const Option& o = question.options[k];
            rows.options.push_back({OptionId(qid, static_cast<int>(k + 1)), o.text, o.mark});
        }
    }
}

void InsertMenu(Database& db, const char* table, const std::vector<MenuRow>& rows) {
    Statement insert(db, std::string("INSERT INTO ") + table + " (Class, SubClass, TypeName) VALUES (?1, ?2, ?3)");
    for (const MenuRow& r : rows) insert.Bind(1, r.className).Bind(2, r.subclass).Bind(3, r.typeKey).Run();
}

void InsertTexts(Database& db, const char* table, const std::vector<TextRow>& rows) {
    Statement insert(db, std::string("INSERT INTO ") + table + " (Id, Name, Content, kind) VALUES (?1, ?2, ?3, ?4)");
    for (const TextRow& r : rows) insert.Bind(1, r.id).Bind(2, r.name).Bind(3, r.content).Bind(4, r.kind).Run();
}

void InsertTests(Database& db, const ContentRows& rows) {
    Statement test(db, "INSERT INTO BigQuestion (RecId, ID, BigQuestion, score, count, kind, result) VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7)");
    for (const TestRow& r : rows.tests) {
        test.Bind(1, r.recId).Bind(2, r.id).Bind(3, r.title).Bind(4, r.score).Bind(5, r.count).Bind(6, r.kind).Bind(7, r.result).Run();
    }
    Statement question(db, "INSERT INTO SmallQuestion (ID, SmallQuestion, optionalkind) VALUES (?1, ?2, ?3)");
    for (const QuestionRow& r : rows.questions) question.Bind(1, r.id).Bind(2, r.text).Bind(3, int64_t{r.multiple ? 1 : 0}).Run();
    Statement option(db, "INSERT INTO Optional (ID, optional, key) VALUES (?1, ?2, ?3)");
    for (const OptionRow& r : rows.options) option.Bind(1, r.id).Bind(2, r.text).Bind(3, r.key).Run();
}

void InsertRest(Database& db, const ContentRows& rows) {
    Statement picture(db, "INSERT INTO picture (id, pic) VALUES (?1, ?2)");
    for (const PictureRow& r : rows.pictures) picture.Bind(1, r.id).BindBlob(2, r.jpeg.data(), r.jpeg.size()).Run();
    Statement info(db, "INSERT INTO softinfo (information) VALUES (?1)");
    for (const std::string& text : rows.softInfo) info.Bind(1, text).Run();
}

}  // namespace

ContentRows BuildRows(const Sources& sources, const PictureSet& pictures) {
    ContentRows rows;
    rows.testMenu = MenuRows(sources.testCatalogue);
    rows.articleMenu = MenuRows(sources.articleCatalogue);
    rows.humorMenu = MenuRows(sources.humorCatalogue);
    for (const Test& t : sources.tests) AddTest(t, pictures, rows);
    rows.articles = TextRows(sources.articles);
    rows.humor = TextRows(sources.humor);
    rows.pictures = pictures.rows;
    for (const SoftInfoRecord& r : sources.softInfo.records) rows.softInfo.push_back(JoinCrLf(r.textLines));
    return rows;
}

void WriteContentDatabase(const ContentRows& rows, const std::filesystem::path& out) {
    OutputFile file(out);
    {
        Database db(file.tempPath().string());
        // The file is thrown away on any failure, so no journal is needed.
        db.Exec("PRAGMA journal_mode = OFF; PRAGMA synchronous = OFF;");
        db.Exec("BEGIN");
        CreateContentSchema(db);
        InsertMenu(db, "MenuClass", rows.testMenu);
        InsertMenu(db, "ArtMenuClass", rows.articleMenu);
        InsertMenu(db, "HumorMenuClass", rows.humorMenu);
        InsertTests(db, rows);
        InsertTexts(db, "Article", rows.articles);
        InsertTexts(db, "Humor", rows.humor);
        InsertRest(db, rows);
        if (!ContentIndexSql().empty()) db.Exec(ContentIndexSql());
        db.Exec("COMMIT");
        db.Close();
    }
    file.Commit();
}

}  // namespace zuno::authoring
