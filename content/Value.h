// A value read from the content database, held by a recordset after the rows have
// been fetched: null, integer, real, UTF-8 text or bytes, as SQLite stored it.
#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace zuno::content {

using Blob = std::vector<std::uint8_t>;

// monostate is SQL NULL: a column that holds no value.
using Value = std::variant<std::monostate, std::int64_t, double, std::string, Blob>;

}  // namespace zuno::content
