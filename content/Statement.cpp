// Prepared statements over the content database. Values are always bound, never
// pasted into the text; every SQLite failure becomes a ContentError.
#include "content/Statement.h"

#include "content/Connection.h"
#include "content/ContentError.h"

#include <sqlite3.h>

#include <climits>

namespace zuno::content {

void Statement::Finalizer::operator()(sqlite3_stmt* statement) const noexcept {
    sqlite3_finalize(statement);
}

Statement::Statement(const Connection& connection, std::string_view sql) : connection_(connection) {
    sqlite3* db = connection.Handle();
    if (sql.size() > INT_MAX) throw ContentError("语句过长");
    sqlite3_stmt* raw = nullptr;
    const int code = sqlite3_prepare_v2(db, sql.data(), static_cast<int>(sql.size()), &raw, nullptr);
    statement_.reset(raw);
    if (code != SQLITE_OK) {
        throw ContentError("内容数据库 " + connection.Path() + " 不能执行语句“" + std::string(sql) +
                           "”：" + sqlite3_errmsg(db));
    }
    if (!raw) throw ContentError("内容数据库语句为空");
}

void Statement::Bind(int index, std::int64_t value) {
    const int code = sqlite3_bind_int64(statement_.get(), index, value);
    if (code != SQLITE_OK) Fail(code);
}

void Statement::Bind(int index, std::string_view text) {
    // SQLITE_TRANSIENT: the caller's text need not outlive the statement.
    const int code = sqlite3_bind_text64(statement_.get(), index, text.data(), text.size(),
                                         SQLITE_TRANSIENT, SQLITE_UTF8);
    if (code != SQLITE_OK) Fail(code);
}

bool Statement::Step() {
    const int code = sqlite3_step(statement_.get());
    if (code == SQLITE_ROW) return true;
    if (code == SQLITE_DONE) return false;
    Fail(code);
}

int Statement::ColumnCount() const { return sqlite3_column_count(statement_.get()); }

std::string Statement::ColumnName(int column) const {
    const char* name = sqlite3_column_name(statement_.get(), column);
    if (!name) throw ContentError("内容数据库内存不足");
    return name;
}

Value Statement::ColumnValue(int column) const {
    sqlite3_stmt* s = statement_.get();
    switch (sqlite3_column_type(s, column)) {
        case SQLITE_INTEGER:
            return std::int64_t{sqlite3_column_int64(s, column)};
        case SQLITE_FLOAT:
            return sqlite3_column_double(s, column);
        case SQLITE_TEXT: {
            const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(s, column));
            const int size = sqlite3_column_bytes(s, column);
            if (!text) throw ContentError("内容数据库内存不足");
            return std::string(text, static_cast<std::size_t>(size));
        }
        case SQLITE_BLOB: {
            const auto* bytes = static_cast<const std::uint8_t*>(sqlite3_column_blob(s, column));
            const int size = sqlite3_column_bytes(s, column);
            return bytes ? Blob(bytes, bytes + size) : Blob();  // an empty blob has no pointer
        }
        default:
            return std::monostate{};
    }
}

void Statement::Fail(int code) const {
    sqlite3* db = sqlite3_db_handle(statement_.get());
    const char* reason = db ? sqlite3_errmsg(db) : sqlite3_errstr(code);
    throw ContentError("读取内容数据库 " + connection_.Path() + " 失败：" + reason + "（语句：" +
                       sqlite3_sql(statement_.get()) + "）");
}

}  // namespace zuno::content
