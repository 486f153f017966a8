// SQLite owners and the content database's schema step.
#include "authoring/common/Sqlite.h"

#include "content/Schema.h"

// The content layer may add index statements to the schema header. Unqualified
// lookup below finds zuno::content::kCreateIndexesSql when it exists (reached via
// the using-directive in namespace zuno) before this fallback in the global scope.
namespace zuno_authoring_schema_fallback {
inline constexpr std::string_view kCreateIndexesSql{};
}

namespace zuno::authoring::schema_probe {
using namespace ::zuno_authoring_schema_fallback;
using namespace ::zuno::content;
inline constexpr std::string_view kIndexSql = kCreateIndexesSql;
}  // namespace zuno::authoring::schema_probe

namespace zuno::authoring {

Database::Database(const std::string& path) {
    const int rc = sqlite3_open_v2(path.c_str(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    if (rc != SQLITE_OK) {
        std::string message = db_ ? sqlite3_errmsg(db_) : sqlite3_errstr(rc);
        sqlite3_close(db_);
        db_ = nullptr;
        throw SqliteError("cannot open database " + path + ": " + message);
    }
}

Database::~Database() {
    if (db_) sqlite3_close(db_);
}

void Database::Exec(std::string_view sql) {
    const std::string text(sql);
    char* error = nullptr;
    if (sqlite3_exec(db_, text.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
        std::string message = error ? error : "unknown error";
        sqlite3_free(error);
        throw SqliteError("database statement failed: " + message);
    }
}

void Database::Close() {
    if (!db_) return;
    if (sqlite3_close(db_) != SQLITE_OK) {
        throw SqliteError(std::string("cannot close the database: ") + sqlite3_errmsg(db_));
    }
    db_ = nullptr;
}

Statement::Statement(Database& db, std::string_view sql) : db_(db.handle()) {
    if (sqlite3_prepare_v2(db_, sql.data(), static_cast<int>(sql.size()), &stmt_, nullptr) != SQLITE_OK) {
        throw SqliteError(std::string("cannot prepare statement: ") + sqlite3_errmsg(db_));
    }
}

Statement::~Statement() { sqlite3_finalize(stmt_); }

Statement& Statement::Bind(int index, std::string_view text) {
    if (sqlite3_bind_text64(stmt_, index, text.data(), text.size(), SQLITE_TRANSIENT, SQLITE_UTF8) != SQLITE_OK) {
        throw SqliteError(std::string("cannot bind a value: ") + sqlite3_errmsg(db_));
    }
    return *this;
}

Statement& Statement::Bind(int index, int64_t value) {
    if (sqlite3_bind_int64(stmt_, index, value) != SQLITE_OK) {
        throw SqliteError(std::string("cannot bind a value: ") + sqlite3_errmsg(db_));
    }
    return *this;
}

Statement& Statement::BindBlob(int index, const void* data, size_t size) {
    if (sqlite3_bind_blob64(stmt_, index, data, size, SQLITE_TRANSIENT) != SQLITE_OK) {
        throw SqliteError(std::string("cannot bind a value: ") + sqlite3_errmsg(db_));
    }
    return *this;
}

void Statement::Run() {
    const int rc = sqlite3_step(stmt_);
    const std::string message = rc == SQLITE_DONE ? std::string() : sqlite3_errmsg(db_);
    sqlite3_reset(stmt_);
    sqlite3_clear_bindings(stmt_);
    if (rc != SQLITE_DONE) throw SqliteError("cannot write a row: " + message);
}

void CreateContentSchema(Database& db) { db.Exec(zuno::content::kCreateSchemaSql); }

std::string_view ContentIndexSql() { return schema_probe::kIndexSql; }

}  // namespace zuno::authoring
