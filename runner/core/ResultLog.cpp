// Result log entries and file names. The entry is built as UTF-8 and converted to
// GBK in one step, so the log holds exactly what the page showed.
#include "runner/core/ResultLog.h"

#include "runner/core/Gbk.h"
#include "runner/core/RunState.h"
#include "runner/core/Texts.h"

#include <chrono>

namespace zuno::runner {
namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::uint32_t kProgramLogNumbers = 100;   // 0..99
constexpr std::uint32_t kMenuLogNumbers = 99;       // 0..98

}  // namespace

std::string ResultLogEntry(const RunState& state, std::string_view labelCaption) {
    std::string entry;
    entry += texts::kLogTitle;
    entry += state.testtitle;
    entry += kLineEnd;
    for (int q = 1; q <= state.sqcount; ++q) {
        entry += texts::kLogQuestionHead;
        entry += std::to_string(q);
        entry += texts::kLogQuestionTail;
        for (int k = 1; k <= kOptionsPerQuestion; ++k) {
            if (!SavedFlag(state, q, k)) continue;
            entry += texts::kLogOptionHead;
            entry += std::to_string(k);
            entry += texts::kLogOptionTail;
        }
        entry += texts::kLogOptionsEnd;
        entry += kLineEnd;
    }
    entry += kLineEnd;
    entry += labelCaption;
    entry += kLineEnd;
    for (int i = 0; i < 3; ++i) entry += kLineEnd;
    return entry;
}

std::string ResultLogEntryBytes(const RunState& state, std::string_view labelCaption) {
    return GbkEncode(ResultLogEntry(state, labelCaption));
}

ClockRandom::ClockRandom()
    : engine_(static_cast<std::uint32_t>(std::chrono::system_clock::now().time_since_epoch().count())) {}

std::uint32_t ClockRandom::operator()(std::uint32_t bound) {
    if (bound == 0) return 0;
    return std::uniform_int_distribution<std::uint32_t>(0, bound - 1)(engine_);
}

std::uint32_t DrawLogNumber(LogStart start, const RandomBelow& random) {
    const std::uint32_t bound = start == LogStart::WithProgram ? kProgramLogNumbers : kMenuLogNumbers;
    return random(bound) % bound;   // a source that overshoots still gives a number in range
}

std::string LogFileName(std::uint32_t n) {
    return "zuno" + std::to_string(n) + ".txt";
}

std::optional<std::string> ChooseLogFileName(std::uint32_t drawn, const FileExists& exists) {
    for (std::uint32_t i = 0; i < kLogNameTries; ++i) {
        std::string name = LogFileName(drawn + i);
        if (!exists(name)) return name;
    }
    return std::nullopt;
}

}  // namespace zuno::runner
