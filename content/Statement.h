// A prepared SQLite statement on the content database: RAII over sqlite3_stmt,
// with bound parameters and errors that name the database file.
#pragma once

#include "content/Value.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

struct sqlite3_stmt;

namespace zuno::content {

class Connection;

class Statement {
public:
    // Prepares `sql`; throws ContentError (with SQLite's reason) when the
    // connection is closed or the text does not prepare.
    Statement(const Connection& connection, std::string_view sql);
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    // Parameters count from 1, as in SQLite.
    void Bind(int index, std::int64_t value);
    void Bind(int index, std::string_view text);

    // Runs to the next row; false when there is none left.
    bool Step();

    int ColumnCount() const;
    std::string ColumnName(int column) const;
    Value ColumnValue(int column) const;

private:
    struct Finalizer {
        void operator()(sqlite3_stmt* statement) const noexcept;
    };

    [[noreturn]] void Fail(int code) const;

    const Connection& connection_;
    std::unique_ptr<sqlite3_stmt, Finalizer> statement_;
};

}  // namespace zuno::content
