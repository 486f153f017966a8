// Splitting UTF-8 source files into lines and the shared text helpers.
#include "authoring/common/SourceText.h"

#include <fstream>
#include <sstream>

namespace zuno::authoring {
namespace {

constexpr std::string_view kIdeographicSpace = "\xE3\x80\x80";  // U+3000
constexpr std::string_view kFullWidthColon = "\xEF\xBC\x9A";     // U+FF1A

// Length of the UTF-8 sequence at s[i], or 0 if it is malformed (overlong forms,
// surrogates and values above U+10FFFF count as malformed).
size_t Utf8SequenceLength(std::string_view s, size_t i) {
    const auto b0 = static_cast<unsigned char>(s[i]);
    if (b0 < 0x80) return 1;
    size_t len = 0;
    uint32_t cp = 0;
    if (b0 >= 0xC2 && b0 <= 0xDF) { len = 2; cp = b0 & 0x1F; }
    else if (b0 >= 0xE0 && b0 <= 0xEF) { len = 3; cp = b0 & 0x0F; }
    else if (b0 >= 0xF0 && b0 <= 0xF4) { len = 4; cp = b0 & 0x07; }
    else return 0;
    if (i + len > s.size()) return 0;
    for (size_t k = 1; k < len; ++k) {
        const auto b = static_cast<unsigned char>(s[i + k]);
        if ((b & 0xC0) != 0x80) return 0;
        cp = (cp << 6) | (b & 0x3F);
    }
    if ((len == 3 && cp < 0x800) || (len == 4 && (cp < 0x10000 || cp > 0x10FFFF))) return 0;
    if (cp >= 0xD800 && cp <= 0xDFFF) return 0;
    return len;
}

// Checks one line; returns an empty string when it is clean, else the reason.
std::string CheckLine(std::string_view text) {
    for (size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c < 0x20 && c != '\t') {
            return "control character 0x" + std::string(1, "0123456789ABCDEF"[c >> 4]) +
                   std::string(1, "0123456789ABCDEF"[c & 15]) + " in the text";
        }
        if (c == 0x7F) return "control character 0x7F in the text";
        const size_t len = Utf8SequenceLength(text, i);
        if (len == 0) return "the line is not valid UTF-8 (save the file as UTF-8)";
        i += len;
    }
    return {};
}

bool StartsWithBlank(std::string_view s, size_t& len) {
    if (!s.empty() && (s[0] == ' ' || s[0] == '\t')) { len = 1; return true; }
    if (s.substr(0, 3) == kIdeographicSpace) { len = 3; return true; }
    return false;
}

bool EndsWithBlank(std::string_view s, size_t& len) {
    if (!s.empty() && (s.back() == ' ' || s.back() == '\t')) { len = 1; return true; }
    if (s.size() >= 3 && s.substr(s.size() - 3) == kIdeographicSpace) { len = 3; return true; }
    return false;
}

}  // namespace

SourceFile SplitSource(std::string path, std::string_view bytes, Diagnostics& diag) {
    SourceFile file;
    file.path = std::move(path);
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
    int number = 0;
    while (!bytes.empty()) {
        ++number;
        size_t end = bytes.find('\n');
        std::string_view line = bytes.substr(0, end);
        bytes = end == std::string_view::npos ? std::string_view{} : bytes.substr(end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (std::string problem = CheckLine(line); !problem.empty()) {
            diag.Error(file.path, number, std::move(problem));
            continue;
        }
        file.lines.push_back({number, std::string(line)});
    }
    return file;
}

std::optional<std::string> ReadFileBytes(const std::filesystem::path& file, std::string& error) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        error = "cannot open the file";
        return std::nullopt;
    }
    std::ostringstream buffer;
    buffer << in.rdbuf();
    if (in.bad()) {
        error = "cannot read the file";
        return std::nullopt;
    }
    return std::move(buffer).str();
}

std::string_view TrimBlanks(std::string_view s) {
    size_t len = 0;
    while (StartsWithBlank(s, len)) s.remove_prefix(len);
    return TrimTrailingBlanks(s);
}

std::string_view TrimTrailingBlanks(std::string_view s) {
    size_t len = 0;
    while (EndsWithBlank(s, len)) s.remove_suffix(len);
    return s;
}

bool IsCommentLine(std::string_view line) {
    const std::string_view t = TrimBlanks(line);
    return !t.empty() && t[0] == '#';
}

size_t ColonLength(std::string_view s) {
    if (!s.empty() && s[0] == ':') return 1;
    if (s.substr(0, 3) == kFullWidthColon) return 3;
    return 0;
}

bool SplitKeyValue(std::string_view line, std::string& key, std::string& value) {
    const std::string_view t = TrimBlanks(line);
    size_t i = 0;
    while (i < t.size() && ((t[i] >= 'a' && t[i] <= 'z') || t[i] == '_')) ++i;
    if (i == 0) return false;
    const std::string_view name = t.substr(0, i);
    std::string_view rest = TrimBlanks(t.substr(i));
    const size_t colon = ColonLength(rest);
    if (colon == 0) return false;
    key = std::string(name);
    value = std::string(TrimBlanks(rest.substr(colon)));
    return true;
}

bool IsIdentifier(std::string_view s) {
    if (s.empty() || (s[0] >= '0' && s[0] <= '9')) return false;
    for (char c : s) {
        const bool ok = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
        if (!ok) return false;
    }
    return true;
}

std::optional<int64_t> ParseDecimal(std::string_view s, int64_t limit) {
    if (s.empty()) return std::nullopt;
    int64_t value = 0;
    for (char c : s) {
        if (c < '0' || c > '9') return std::nullopt;
        if (value <= limit) value = value * 10 + (c - '0');
    }
    return value > limit ? limit + 1 : value;
}

std::string JoinCrLf(const std::vector<std::string>& lines) {
    std::string out;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) out += "\r\n";
        out += lines[i];
    }
    return out;
}

void TrimBlankLines(std::vector<std::string>& lines) {
    while (!lines.empty() && TrimBlanks(lines.back()).empty()) lines.pop_back();
    size_t first = 0;
    while (first < lines.size() && TrimBlanks(lines[first]).empty()) ++first;
    lines.erase(lines.begin(), lines.begin() + static_cast<std::ptrdiff_t>(first));
}

}  // namespace zuno::authoring
