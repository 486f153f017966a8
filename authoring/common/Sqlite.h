// Small owners for a SQLite connection and prepared statements, and the step that
// lays out the content database's tables. Values are always bound, never pasted.
#pragma once

#include <sqlite3.h>

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace zuno::authoring {

// Thrown for any SQLite failure; the message names the statement's purpose.
class SqliteError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class Database {
public:
    // Opens (creating if needed) a database file for writing.
    explicit Database(const std::string& path);
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    sqlite3* handle() const { return db_; }
    // Runs fixed statement text (no values in it).
    void Exec(std::string_view sql);
    void Close();  // reports a failing close; the destructor ignores it

private:
    sqlite3* db_ = nullptr;
};

class Statement {
public:
    Statement(Database& db, std::string_view sql);
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    Statement& Bind(int index, std::string_view text);
    Statement& Bind(int index, int64_t value);
    Statement& BindBlob(int index, const void* data, size_t size);
    // Runs an insert (or any statement without rows) and resets it for the next use.
    void Run();

private:
    sqlite3* db_;
    sqlite3_stmt* stmt_ = nullptr;
};

// Creates the tables of the content database and, where the content layer defines
// them, its indexes.
void CreateContentSchema(Database& db);
// Index statements to run after the rows are in (empty if there are none).
std::string_view ContentIndexSql();

}  // namespace zuno::authoring
