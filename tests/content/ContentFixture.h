// Test helper: builds small content databases with the SQLite C API in a
// temporary folder, so that every statement can be checked against rows whose
// order and values the test chose.
#pragma once

#include "content/Value.h"

#include <cstdint>
#include <filesystem>
#include <initializer_list>
#include <string>
#include <string_view>
#include <variant>

struct sqlite3;

namespace zuno::content::test {

// A value to insert; nullptr_t is NULL.
using Cell = std::variant<std::nullptr_t, std::int64_t, double, std::string, Blob>;

// A folder under the system's temporary folder, removed with everything in it.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& Path() const { return path_; }
    // A path inside the folder as UTF-8, the form Connection::Open takes.
    std::string File(std::string_view name) const;

private:
    std::filesystem::path path_;
};

// The schema with every NOT NULL removed, so that fixtures can hold missing values.
std::string LaxSchemaSql();

// A database file being written. Rows go in with bound values, in the order of
// the calls, which is their stored order.
class FixtureDb {
public:
    // Creates `name` in `dir` and runs `createSql` (by default the schema and its
    // indexes).
    FixtureDb(const TempDir& dir, std::string_view name = "test.dll");
    FixtureDb(const TempDir& dir, std::string_view name, std::string_view createSql);
    ~FixtureDb();
    FixtureDb(const FixtureDb&) = delete;
    FixtureDb& operator=(const FixtureDb&) = delete;

    void Exec(std::string_view sql);
    FixtureDb& Row(std::string_view table, std::initializer_list<Cell> cells);
    // Closes the file and returns its path; the database is complete then.
    const std::string& Finish();
    const std::string& Path() const { return path_; }

private:
    std::string path_;
    sqlite3* db_ = nullptr;
};

// Writes `bytes` to a file (for files that are not databases).
void WriteFile(const std::string& path, std::string_view bytes);

}  // namespace zuno::content::test
