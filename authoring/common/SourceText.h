// Reading content sources: UTF-8 files (BOM allowed, LF or CR LF line ends) split
// into numbered lines, and the small text helpers every source format uses.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "authoring/common/Diagnostics.h"

namespace zuno::authoring {

struct SourceLine {
    int number = 0;    // counted from 1
    std::string text;  // valid UTF-8, without its line end
};

struct SourceFile {
    std::string path;  // relative to the source folder, as diagnostics name it
    std::vector<SourceLine> lines;
};

// Splits bytes into lines. A line that is not valid UTF-8 or holds a control
// character (other than tab) is reported and left out, so that later steps only
// ever see clean text.
SourceFile SplitSource(std::string path, std::string_view bytes, Diagnostics& diag);

// Reads a whole file; on failure returns nullopt and sets error to the reason.
std::optional<std::string> ReadFileBytes(const std::filesystem::path& file, std::string& error);

// Drops leading and trailing blanks: space, tab and the ideographic space U+3000.
std::string_view TrimBlanks(std::string_view s);
std::string_view TrimTrailingBlanks(std::string_view s);

// True for a line whose first non-blank character is '#'.
bool IsCommentLine(std::string_view line);

// "key: value" with an ASCII or full-width colon; key is lower-case ASCII letters
// and underscores. The value comes back trimmed.
bool SplitKeyValue(std::string_view line, std::string& key, std::string& value);

// If s starts with ':' or '：', returns the length of that colon, else 0.
size_t ColonLength(std::string_view s);

// Letters, digits and underscore (ASCII), not beginning with a digit.
bool IsIdentifier(std::string_view s);

// Decimal digits only; values above limit come back as limit + 1 so that callers
// can report "too large" without overflow.
std::optional<int64_t> ParseDecimal(std::string_view s, int64_t limit);

// Lines joined with CR LF, the way every multi-line text is stored.
std::string JoinCrLf(const std::vector<std::string>& lines);

// Removes blank lines at both ends of a list of text lines.
void TrimBlankLines(std::vector<std::string>& lines);

}  // namespace zuno::authoring
