// Builds the provider-style connection string and parses its Data Source key.
// Only that key matters to SQLite; the rest is carried as written.
#include "content/ConnectionString.h"

#include "content/ContentError.h"

#include <cctype>

namespace zuno::content {
namespace {

bool NeedsQuotes(std::string_view value) {
    return value.find(';') != std::string_view::npos ||
           (!value.empty() && (value.front() == '"' || value.front() == '\'' ||
                               value.front() == ' ' || value.back() == ' '));
}

std::string Quoted(std::string_view value) {
    std::string out = "\"";
    for (char c : value) {
        if (c == '"') out += '"';
        out += c;
    }
    out += '"';
    return out;
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front()))) s.remove_prefix(1);
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back()))) s.remove_suffix(1);
    return s;
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

// Reads one value starting at `pos` (just after '='); leaves `pos` on the ';'
// that ends it or at the end. A quoted value ends at its closing quote.
std::string ReadValue(std::string_view s, std::size_t& pos) {
    while (pos < s.size() && s[pos] == ' ') ++pos;
    if (pos < s.size() && (s[pos] == '"' || s[pos] == '\'')) {
        const char quote = s[pos++];
        std::string value;
        for (;;) {
            if (pos >= s.size()) throw ContentError("连接字符串中的 Data Source 缺少结束引号");
            if (s[pos] == quote) {
                if (pos + 1 < s.size() && s[pos + 1] == quote) {
                    value += quote;
                    pos += 2;
                    continue;
                }
                ++pos;
                break;
            }
            value += s[pos++];
        }
        while (pos < s.size() && s[pos] != ';') ++pos;
        return value;
    }
    const std::size_t end = s.find(';', pos);
    const std::size_t stop = end == std::string_view::npos ? s.size() : end;
    std::string value(Trim(s.substr(pos, stop - pos)));
    pos = stop;
    return value;
}

}  // namespace

std::string BuildConnectionString(std::string_view exepath) {
    std::string source(exepath);
    source += kDatabaseFileName;
    std::string out = "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=";
    out += NeedsQuotes(source) ? Quoted(source) : source;
    out += ";Persist Security Info=False;Jet OLEDB:Database Password=";
    out += kDatabasePassword;
    return out;
}

std::string DataSourceOf(std::string_view connectionString) {
    std::size_t pos = 0;
    while (pos < connectionString.size()) {
        const std::size_t eq = connectionString.find('=', pos);
        if (eq == std::string_view::npos) break;
        const std::size_t semicolon = connectionString.find(';', pos);
        if (semicolon < eq) {  // a piece without '=' carries nothing
            pos = semicolon + 1;
            continue;
        }
        const std::string_view key = Trim(connectionString.substr(pos, eq - pos));
        pos = eq + 1;
        std::string value = ReadValue(connectionString, pos);
        if (EqualsNoCase(key, "Data Source")) {
            if (value.empty()) throw ContentError("连接字符串中的 Data Source 为空");
            return value;
        }
        if (pos < connectionString.size()) ++pos;  // the ';'
    }
    throw ContentError("连接字符串中没有 Data Source");
}

}  // namespace zuno::content
