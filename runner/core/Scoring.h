// Scoring: evaluates a test's result field against the run (plain score, most
// frequent option, one interpretation per answer) and builds the text of the
// result page, or the no-result text when nothing matches.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "runner/core/ResultField.h"

namespace zuno::runner {

struct RunState;

// What the run's answers are, for an evaluation.
struct ScoringInput {
    std::uint16_t marksum = 0;
    std::uint8_t sqcount = 0;
    const std::vector<bool>* selectflags = nullptr;   // sqcount * 12 + 1 entries
};

struct ResultOutcome {
    // Set when the field is malformed: nothing is shown, the run stays as it was,
    // and this text is reported through the error convention.
    std::optional<std::string> error;
    bool found = false;          // false: Label1 gets the no-result text, page not cleared
    std::string label;           // Label1's caption either way
    std::uint16_t marksum = 0;   // the run's score afterwards (types 11 and 12 overwrite it)
    std::uint8_t lowest = 0;     // score range shown in the heading
    std::uint8_t highest = 0;
};

// Evaluates an already parsed field.
ResultOutcome EvaluateResult(const ParsedResultField& parsed, const ScoringInput& input);

// Parses the stored field and evaluates it against the run.
ResultOutcome EvaluateResult(std::string_view storedField, const ScoringInput& input);

// The result step of the finish button: evaluates the stored field and, when the
// evaluation succeeds, takes over its marksum. On an error the state is untouched.
ResultOutcome showresult(RunState& state, std::string_view storedField);

// Type 11: the option (1..12) chosen in most questions, ties to the smaller
// option, 1 if none was chosen. Options above 12 cannot be chosen.
std::uint16_t MostFrequentOption(std::size_t segmentCount, const ScoringInput& input);

}  // namespace zuno::runner
