// The connection string of the content database, kept in the provider's own form
// so that settings, logs and messages read as they always have, and the one
// function that takes the database path back out of it.
#pragma once

#include <string>
#include <string_view>

namespace zuno::content {

// The content database's file name inside the program's folder.
inline constexpr std::string_view kDatabaseFileName = "test.dll";

// The password the database was protected with. SQLite has no counterpart: the
// file is opened read-only and immutable, and nothing else guards it. The value
// stays in the string only because the string is the database's address.
inline constexpr std::string_view kDatabasePassword = "qirvad418wum";

// "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + exepath + "test.dll;Persist
// Security Info=False;Jet OLEDB:Database Password=" + password. exepath ends with
// a path separator. A path holding ';' or starting with a quote or a blank is
// written between double quotes (inner quotes doubled), so it survives parsing.
std::string BuildConnectionString(std::string_view exepath);

// The value of the "Data Source" key (key case and blanks around it ignored,
// quotes removed). Throws ContentError when the string has no such key or the
// value is empty or its quote is not closed.
std::string DataSourceOf(std::string_view connectionString);

}  // namespace zuno::content
