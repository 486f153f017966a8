// Recordset: fetches every row of a statement into memory so that the record
// count is exact before the first read and the cursor can move both ways.
#include "content/Recordset.h"

#include "content/ContentError.h"
#include "content/Statement.h"

namespace zuno::content {
namespace {

// Letters, digits and underscore, not starting with a digit: a table name given
// in place of a statement.
bool IsBareTableName(std::string_view statement) {
    if (statement.empty() || (statement.front() >= '0' && statement.front() <= '9')) return false;
    for (char c : statement) {
        const bool word = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                          (c >= '0' && c <= '9') || c == '_';
        if (!word) return false;
    }
    return true;
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

}  // namespace

void Recordset::OpenBound(std::string_view statement, const Connection& connection,
                          std::span<const Param> params) {
    Close();
    std::string sql;
    if (IsBareTableName(statement)) {
        if (!params.empty()) throw ContentError("读取整张表 " + std::string(statement) + " 时不能带参数");
        // "Stored order" is insertion order: the rowid.
        sql = "SELECT * FROM \"" + std::string(statement) + "\" ORDER BY rowid";
        statement = sql;
    }
    Statement query(connection, statement);
    for (std::size_t i = 0; i < params.size(); ++i) {
        const int index = static_cast<int>(i + 1);
        std::visit([&](const auto& value) { query.Bind(index, value); }, params[i]);
    }
    std::vector<std::string> columns;
    const int count = query.ColumnCount();
    for (int c = 0; c < count; ++c) columns.push_back(query.ColumnName(c));
    std::vector<Value> values;
    std::size_t rows = 0;
    while (query.Step()) {
        for (int c = 0; c < count; ++c) values.push_back(query.ColumnValue(c));
        ++rows;
    }
    columns_ = std::move(columns);
    values_ = std::move(values);
    rows_ = rows;
    position_ = 0;
    open_ = true;
}

void Recordset::Close() noexcept {
    columns_.clear();
    values_.clear();
    values_.shrink_to_fit();
    rows_ = 0;
    position_ = 0;
    open_ = false;
}

void Recordset::RequireOpen() const {
    if (!open_) throw ContentError("记录集没有打开");
}

std::size_t Recordset::RecordCount() const {
    RequireOpen();
    return rows_;
}

bool Recordset::Eof() const {
    RequireOpen();
    return rows_ == 0 || position_ >= static_cast<std::int64_t>(rows_);
}

bool Recordset::Bof() const {
    RequireOpen();
    return rows_ == 0 || position_ < 0;
}

Field Recordset::Fields(std::string_view name) const {
    RequireOpen();
    std::size_t column = 0;
    while (column < columns_.size() && !EqualsNoCase(columns_[column], name)) ++column;
    if (column == columns_.size()) throw ContentError("记录集中没有字段 " + std::string(name));
    if (Bof() || Eof()) {
        throw ContentError("记录集没有当前记录（已在开头之前或末尾之后），不能读取字段 " +
                           std::string(name));
    }
    const std::size_t row = static_cast<std::size_t>(position_);
    return Field(columns_[column], values_[row * columns_.size() + column]);
}

void Recordset::MoveNext() {
    if (Eof()) throw ContentError("记录集已在末尾之后，不能再向后移动");
    ++position_;
}

void Recordset::Move(std::int64_t rows) {
    if (rows == 0) {
        RequireOpen();
        return;
    }
    if (rows > 0 && Eof()) throw ContentError("记录集已在末尾之后，不能再向后移动");
    if (rows < 0 && Bof()) throw ContentError("记录集已在开头之前，不能再向前移动");
    const auto last = static_cast<std::int64_t>(rows_);
    // Compare before adding so that a huge step cannot overflow.
    if (rows > 0) {
        position_ = rows >= last - position_ ? last : position_ + rows;
    } else {
        position_ = rows <= -1 - position_ ? -1 : position_ + rows;
    }
}

}  // namespace zuno::content
