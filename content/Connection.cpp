// Opening the content database read-only and immutable, and checking that every
// table and column the program reads is there before any statement runs.
#include "content/Connection.h"

#include "content/ContentError.h"
#include "content/Schema.h"
#include "content/Statement.h"

#include <sqlite3.h>

#include <cctype>
#include <string_view>
#include <vector>

namespace zuno::content {
namespace {

// Up to 256 MiB of the file mapped: far more than any content database holds, and
// still a small part of a 32-bit address space.
constexpr char kMmapPragma[] = "PRAGMA mmap_size = 268435456";

// A URI so that "immutable=1" can be passed: the file is never written and may sit
// on read-only media, so SQLite need not lock it or look for a journal.
std::string ImmutableUri(const std::string& path) {
    // A leading '/' would otherwise start an authority ("file://host/...").
    std::string uri = !path.empty() && path.front() == '/' ? "file://" : "file:";
    for (char c : path) {
        switch (c) {
            case '%': uri += "%25"; break;
            case '?': uri += "%3F"; break;
            case '#': uri += "%23"; break;
            default: uri += c;
        }
    }
    uri += "?immutable=1";
    return uri;
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}

std::string OpenFailure(const std::string& path, int code, const char* reason) {
    std::string message = "无法打开内容数据库 " + path + "：";
    if ((code & 0xff) == SQLITE_CANTOPEN) message += "文件不存在或无法读取（";
    message += reason;
    if ((code & 0xff) == SQLITE_CANTOPEN) message += "）";
    return message;
}

}  // namespace

void Connection::Closer::operator()(sqlite3* db) const noexcept { sqlite3_close_v2(db); }

void Connection::Open(const std::string& path) {
    Close();
    if (path.empty()) throw ContentError("无法打开内容数据库：没有给出文件路径");
    sqlite3* raw = nullptr;
    const int code = sqlite3_open_v2(ImmutableUri(path).c_str(), &raw,
                                     SQLITE_OPEN_READONLY | SQLITE_OPEN_URI, nullptr);
    std::unique_ptr<sqlite3, Closer> db(raw);
    if (code != SQLITE_OK) {
        throw ContentError(OpenFailure(path, code, raw ? sqlite3_errmsg(raw) : sqlite3_errstr(code)));
    }
    // Reading the schema reads the file's header: a file that is not a database
    // fails here rather than at the first statement.
    sqlite3_stmt* probe = nullptr;
    const int probed = sqlite3_prepare_v2(raw, "SELECT 1 FROM sqlite_master", -1, &probe, nullptr);
    sqlite3_finalize(probe);
    if (probed != SQLITE_OK) throw ContentError(OpenFailure(path, probed, sqlite3_errmsg(raw)));
    // The file comes with the program, but a replaced or damaged one must not be
    // able to run code hidden in its schema.
    sqlite3_db_config(raw, SQLITE_DBCONFIG_TRUSTED_SCHEMA, 0, nullptr);
    sqlite3_db_config(raw, SQLITE_DBCONFIG_DEFENSIVE, 1, nullptr);
    // Pages are read through a memory mapping of the file instead of one read call
    // each: under Wine every read call is slow. The file is immutable, so a mapping
    // can never go stale. A library that cannot map simply ignores this.
    sqlite3_exec(raw, kMmapPragma, nullptr, nullptr, nullptr);
    db_ = std::move(db);
    path_ = path;
    try {
        CheckSchema();
    } catch (...) {
        Close();
        throw;
    }
}

void Connection::Close() noexcept {
    db_.reset();
    path_.clear();
}

sqlite3* Connection::Handle() const {
    if (!db_) throw ContentError("内容数据库尚未打开");
    return db_.get();
}

void Connection::CheckSchema() const {
    for (const TableColumns& table : kSchema) {
        Statement info(*this, "SELECT name FROM pragma_table_info(?1)");
        info.Bind(1, table.table);
        std::vector<std::string> present;
        while (info.Step()) present.push_back(std::get<std::string>(info.ColumnValue(0)));
        if (present.empty()) {
            throw ContentError("内容数据库 " + path_ + " 缺少表 " + std::string(table.table));
        }
        for (std::string_view column : table.columns) {
            if (column.empty()) continue;
            bool found = false;
            for (const std::string& name : present) found = found || EqualsNoCase(name, column);
            if (!found) {
                throw ContentError("内容数据库 " + path_ + " 的表 " + std::string(table.table) +
                                   " 缺少列 " + std::string(column));
            }
        }
    }
}

}  // namespace zuno::content
