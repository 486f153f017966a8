// Fixture databases for the content layer's tests, written with the SQLite C API.
#include "tests/content/ContentFixture.h"

#include "content/Schema.h"

#include <sqlite3.h>

#include <atomic>
#include <fstream>
#include <random>
#include <stdexcept>

namespace zuno::content::test {
namespace {

std::string Utf8(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

void Check(sqlite3* db, int code, std::string_view what) {
    if (code != SQLITE_OK && code != SQLITE_DONE) {
        throw std::runtime_error(std::string(what) + ": " + sqlite3_errmsg(db));
    }
}

}  // namespace

TempDir::TempDir() {
    static std::atomic<unsigned> counter{0};
    std::random_device random;
    const auto base = std::filesystem::temp_directory_path();
    for (;;) {
        path_ = base / ("zuno-content-" + std::to_string(random()) + "-" + std::to_string(counter++));
        if (std::filesystem::create_directory(path_)) break;
    }
}

TempDir::~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::string TempDir::File(std::string_view name) const {
    return Utf8(path_ / std::filesystem::path(std::u8string(name.begin(), name.end())));
}

std::string LaxSchemaSql() {
    std::string sql(kCreateSchemaSql);
    for (std::size_t at; (at = sql.find(" NOT NULL")) != std::string::npos;) sql.erase(at, 9);
    return sql;
}

FixtureDb::FixtureDb(const TempDir& dir, std::string_view name)
    : FixtureDb(dir, name, std::string(kCreateSchemaSql) + std::string(kCreateIndexesSql)) {}

FixtureDb::FixtureDb(const TempDir& dir, std::string_view name, std::string_view createSql)
    : path_(dir.File(name)) {
    const int code = sqlite3_open_v2(path_.c_str(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    if (code != SQLITE_OK) {
        sqlite3_close(db_);
        throw std::runtime_error("cannot create fixture " + path_);
    }
    // Fixtures are thrown away: no need to wait for the disk.
    Exec("PRAGMA synchronous = OFF; PRAGMA journal_mode = MEMORY;");
    Exec(createSql);
}

FixtureDb::~FixtureDb() { sqlite3_close(db_); }

void FixtureDb::Exec(std::string_view sql) {
    Check(db_, sqlite3_exec(db_, std::string(sql).c_str(), nullptr, nullptr, nullptr), sql);
}

FixtureDb& FixtureDb::Row(std::string_view table, std::initializer_list<Cell> cells) {
    std::string sql = "INSERT INTO \"" + std::string(table) + "\" VALUES (";
    for (std::size_t i = 0; i < cells.size(); ++i) sql += i ? ",?" : "?";
    sql += ")";
    sqlite3_stmt* insert = nullptr;
    Check(db_, sqlite3_prepare_v2(db_, sql.c_str(), -1, &insert, nullptr), sql);
    int index = 1;
    for (const Cell& cell : cells) {
        if (const auto* integer = std::get_if<std::int64_t>(&cell)) {
            sqlite3_bind_int64(insert, index, *integer);
        } else if (const auto* real = std::get_if<double>(&cell)) {
            sqlite3_bind_double(insert, index, *real);
        } else if (const auto* text = std::get_if<std::string>(&cell)) {
            sqlite3_bind_text(insert, index, text->data(), int(text->size()), SQLITE_TRANSIENT);
        } else if (const auto* blob = std::get_if<Blob>(&cell)) {
            sqlite3_bind_blob(insert, index, blob->data(), int(blob->size()), SQLITE_TRANSIENT);
        }
        ++index;
    }
    const int code = sqlite3_step(insert);
    sqlite3_finalize(insert);
    Check(db_, code, sql);
    return *this;
}

const std::string& FixtureDb::Finish() {
    sqlite3_close(db_);
    db_ = nullptr;
    return path_;
}

void WriteFile(const std::string& path, std::string_view bytes) {
    std::ofstream out(std::filesystem::path(std::u8string(path.begin(), path.end())), std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace zuno::content::test
