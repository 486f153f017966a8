// Opening the content database: what opens, what is refused with a message that
// names the file, table or column, and that the file is never written.
#include "content/Connection.h"

#include "content/ContentError.h"
#include "content/Recordset.h"
#include "content/Schema.h"
#include "content/Statements.h"
#include "tests/content/ContentFixture.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace zuno::content {
namespace {

using test::FixtureDb;
using test::TempDir;
using testing::HasSubstr;

// CREATE statements built from kSchema, with one column renamed (or one table
// left out when `column` is empty), optionally with every name in other case.
std::string SchemaWithout(std::string_view table, std::string_view column, bool lowerCase = false) {
    const auto spell = [&](std::string_view name) {
        std::string out(name);
        if (lowerCase)
            for (char& c : out) c = char(std::tolower(static_cast<unsigned char>(c)));
        return out;
    };
    std::string sql;
    for (const TableColumns& t : kSchema) {
        if (t.table == table && column.empty()) continue;
        sql += "CREATE TABLE \"" + spell(t.table) + "\" (";
        bool first = true;
        for (std::string_view c : t.columns) {
            if (c.empty()) continue;
            sql += first ? "\"" : ", \"";
            sql += t.table == table && c == column ? spell(c) + "_renamed" : spell(c);
            sql += "\"";
            first = false;
        }
        sql += ");\n";
    }
    return sql;
}

std::string ErrorOf(Connection& db, const std::string& path) {
    try {
        db.Open(path);
    } catch (const ContentError& error) {
        return error.what();
    }
    return "(no error)";
}

std::string ReadAll(const std::string& path) {
    std::ifstream in(std::filesystem::path(std::u8string(path.begin(), path.end())), std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

TEST(ConnectionOpen, OpensACompleteDatabase) {
    TempDir dir;
    FixtureDb fixture(dir);
    Connection db;
    db.Open(fixture.Finish());
    EXPECT_TRUE(db.IsOpen());
    EXPECT_EQ(db.Path(), fixture.Path());
    db.Close();
    EXPECT_FALSE(db.IsOpen());
    EXPECT_EQ(db.Path(), "");
}

TEST(ConnectionOpen, ReadsPagesThroughAMemoryMapping) {
    // One read call per page is what makes every statement slow under Wine.
    TempDir dir;
    FixtureDb fixture(dir);
    Connection db;
    db.Open(fixture.Finish());
    Recordset rs;
    rs.Open("PRAGMA mmap_size", db);
    EXPECT_EQ(rs.Fields("mmap_size").AsInteger(), 256 * 1024 * 1024);
}

TEST(ConnectionOpen, IgnoresTheCaseOfTableAndColumnNames) {
    TempDir dir;
    FixtureDb fixture(dir, "lower.db", SchemaWithout("", "", /*lowerCase=*/true));
    Connection db;
    EXPECT_NO_THROW(db.Open(fixture.Finish()));
}

TEST(ConnectionOpen, AcceptsAPathWithUriCharacters) {
    // '?', '#' and '%' would otherwise be read as parts of the SQLite URI
    // ('?' cannot be in a Windows file name).
#ifdef _WIN32
    constexpr std::string_view kName = "a#c%20d.dll";
#else
    constexpr std::string_view kName = "a?b#c%20d.dll";
#endif
    TempDir dir;
    FixtureDb fixture(dir, kName);
    Connection db;
    EXPECT_NO_THROW(db.Open(fixture.Finish()));
}

TEST(ConnectionOpen, RefusesAMissingFileNamingIt) {
    TempDir dir;
    Connection db;
    const std::string path = dir.File("test.dll");
    const std::string message = ErrorOf(db, path);
    EXPECT_THAT(message, HasSubstr(path));
    EXPECT_THAT(message, HasSubstr("文件不存在"));
    EXPECT_FALSE(db.IsOpen());
    EXPECT_FALSE(std::filesystem::exists(dir.Path() / "test.dll")) << "opening must not create the file";
}

TEST(ConnectionOpen, RefusesAFileThatIsNotADatabase) {
    // Text where the 100-byte SQLite header should be.
    TempDir dir;
    const std::string path = dir.File("test.dll");
    test::WriteFile(path, std::string(4096, 'x'));
    Connection db;
    const std::string message = ErrorOf(db, path);
    EXPECT_THAT(message, HasSubstr(path));
    EXPECT_THAT(message, HasSubstr("file is not a database"));
    EXPECT_FALSE(db.IsOpen());
}

TEST(ConnectionOpen, RefusesAnEmptyFileAsMissingItsTables) {
    // SQLite reads an empty file as an empty database.
    TempDir dir;
    const std::string path = dir.File("test.dll");
    test::WriteFile(path, "");
    Connection db;
    EXPECT_THAT(ErrorOf(db, path), HasSubstr("缺少表 BigQuestion"));
}

TEST(ConnectionOpen, RefusesADatabaseMissingAnyTableNamingIt) {
    TempDir dir;
    for (const TableColumns& table : kSchema) {
        const std::string name(table.table);
        FixtureDb fixture(dir, "no-" + name + ".db", SchemaWithout(table.table, ""));
        Connection db;
        const std::string message = ErrorOf(db, fixture.Finish());
        EXPECT_THAT(message, HasSubstr("缺少表 " + name));
        EXPECT_THAT(message, HasSubstr(fixture.Path()));
        EXPECT_FALSE(db.IsOpen());
    }
}

TEST(ConnectionOpen, RefusesADatabaseMissingAnyColumnNamingIt) {
    TempDir dir;
    int n = 0;
    for (const TableColumns& table : kSchema) {
        for (std::string_view column : table.columns) {
            if (column.empty()) continue;
            FixtureDb fixture(dir, "missing" + std::to_string(n++) + ".db", SchemaWithout(table.table, column));
            Connection db;
            const std::string message = ErrorOf(db, fixture.Finish());
            EXPECT_THAT(message, HasSubstr("表 " + std::string(table.table) + " 缺少列 " + std::string(column)));
            EXPECT_FALSE(db.IsOpen());
        }
    }
}

TEST(ConnectionOpen, AFailedOpenClosesTheDatabaseOpenedBefore) {
    TempDir dir;
    FixtureDb fixture(dir);
    Connection db;
    db.Open(fixture.Finish());
    EXPECT_THROW(db.Open(dir.File("missing.dll")), ContentError);
    EXPECT_FALSE(db.IsOpen());
    Recordset rs;
    EXPECT_THROW(OpenSoftInfo(rs, db), ContentError);
}

TEST(ConnectionOpen, StatementsOnAClosedConnectionFail) {
    Connection db;
    Recordset rs;
    try {
        OpenHighestTestNumber(rs, db);
        FAIL() << "no error";
    } catch (const ContentError& error) {
        EXPECT_THAT(error.what(), HasSubstr("尚未打开"));
    }
    EXPECT_FALSE(rs.IsOpen());
}

TEST(ConnectionOpen, NeverWritesTheFile) {
    TempDir dir;
    FixtureDb fixture(dir);
    fixture.Row("BigQuestion", {1, "T0000001", "t", 0, 0, "k", "r"}).Row("softinfo", {"x"});
    const std::string path = fixture.Finish();
    const std::string before = ReadAll(path);
    {
        Connection db;
        db.Open(path);
        Recordset rs;
        OpenHighestTestNumber(rs, db);
        OpenSoftInfo(rs, db);
        OpenTestSearch(rs, db, "t");
    }
    EXPECT_EQ(ReadAll(path), before);
    int files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.Path())) ++files;
    EXPECT_EQ(files, 1) << "no journal, WAL or lock file beside the database";
}

}  // namespace
}  // namespace zuno::content
