// The result field of a test: an optional type prefix ("ts11", "ts12") and score
// ranges with their interpretations, "low--toBBhigh@___@text" joined by "!rt#".
// Parsing follows the program's segment walk, including where it fails.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zuno::runner {

inline constexpr std::string_view kSegmentEnd = "!rt#";
inline constexpr std::string_view kRangeJoin = "--to";
inline constexpr std::string_view kTextMarker = "@___@";
inline constexpr std::string_view kTypePrefix = "ts";
// After "--to" this many GBK bytes are skipped unread: two ASCII characters or one
// Chinese character.
inline constexpr std::size_t kSkippedBytes = 2;

// One parsed segment. Bounds keep only the low 8 bits of what is written (300 → 44).
struct resultstructure {
    std::uint8_t low = 0;
    std::uint8_t high = 0;
    std::string text;   // interpretation; may hold carriage returns
    bool operator==(const resultstructure&) const = default;
};

enum class ResultKind {
    Score,          // no prefix: plain score
    MostFrequent,   // "ts11": the option chosen most often
    PerAnswer,      // "ts12": one interpretation per answer
    Unsupported,    // any other type number: nothing is evaluated
};

struct ResultField {
    ResultKind kind = ResultKind::Score;
    int type = 0;   // the number after "ts"; 0 without the prefix
    // The well-formed segments in order, up to the first malformed one.
    std::vector<resultstructure> segments;
    // Segments of the body, malformed ones included (a type-11 test's option count).
    std::size_t segmentCount = 0;
    // Set when a segment is malformed: every walk over the body fails with it, so
    // an evaluation that walks shows nothing and reports this instead.
    std::optional<std::string> walkError;
};

struct ParsedResultField {
    std::optional<std::string> error;   // the type after "ts" is not a number
    ResultField field;
};

// Parses the field as stored; the terminator "!rt#" is appended here first, so a
// stored field that already ends in one has an empty (malformed) last segment.
ParsedResultField ParseResultField(std::string_view stored);

// A bound or type number: an optional sign and decimal digits within 32 bits.
std::optional<std::int32_t> ParseDecimal(std::string_view text);

}  // namespace zuno::runner
