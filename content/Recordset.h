// A read-only recordset over the content database with the cursor semantics the
// program relies on: exact RecordCount before the first read, BOF/EOF, fields by
// name, MoveNext and relative Move. Rows are fetched in full when it opens.
#pragma once

#include "content/Field.h"
#include "content/Value.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace zuno::content {

class Connection;

class Recordset {
public:
    // A bound parameter: an integer or UTF-8 text (copied when bound).
    using Param = std::variant<std::int64_t, std::string_view>;

    Recordset() = default;
    Recordset(const Recordset&) = delete;
    Recordset& operator=(const Recordset&) = delete;
    Recordset(Recordset&&) noexcept = default;
    Recordset& operator=(Recordset&&) noexcept = default;

    // Runs `statement` with `params` bound to ?1, ?2, … and fetches every row; the
    // cursor then stands on the first row. A statement that is a bare table name
    // ("softinfo") reads the whole table in stored order. Opening an open
    // recordset replaces its rows. Throws ContentError when the statement fails;
    // the recordset is then closed.
    template <typename... Params>
    void Open(std::string_view statement, const Connection& connection, const Params&... params) {
        const std::array<Param, sizeof...(Params)> bound{Param(params)...};
        OpenBound(statement, connection, bound);
    }
    void Close() noexcept;
    bool IsOpen() const noexcept { return open_; }

    // Everything below throws ContentError on a closed recordset.
    std::size_t RecordCount() const;
    // Named as Delphi's datasets name them: EOF is a macro of the C library.
    // Eof: moved past the last record. Bof: moved before the first. Both hold on
    // an empty recordset; on a non-empty one neither holds right after Open.
    bool Eof() const;
    bool Bof() const;

    // The field of the current record whose column name equals `name` ignoring
    // ASCII case. Throws when there is no current record (Bof or Eof) or no such
    // column.
    Field Fields(std::string_view name) const;

    // Throws when Eof already holds.
    void MoveNext();
    // Moves `rows` records from the current one (negative: backwards). Past the
    // last record the cursor stands at Eof, before the first at Bof. Moving
    // forward at Eof or backward at Bof throws; Move(0) does nothing.
    void Move(std::int64_t rows);

private:
    void OpenBound(std::string_view statement, const Connection& connection,
                   std::span<const Param> params);
    void RequireOpen() const;

    // Row-major: record r, column c is values_[r * columns_.size() + c].
    std::vector<std::string> columns_;
    std::vector<Value> values_;
    std::size_t rows_ = 0;
    // -1 is before the first record (Bof), rows_ is past the last (Eof).
    std::int64_t position_ = 0;
    bool open_ = false;
};

}  // namespace zuno::content
