// The three evaluations over the parsed segments. Values compared with the 8-bit
// bounds are 16-bit, so a score or answer code above 255 never matches.
#include "runner/core/Scoring.h"

#include "runner/core/RunState.h"
#include "runner/core/Texts.h"

#include <algorithm>

namespace zuno::runner {
namespace {

bool Matches(const resultstructure& s, std::uint16_t value) {
    return s.low <= value && value <= s.high;
}

bool Flag(const ScoringInput& input, int q, int k) {
    const std::size_t i = FlagIndex(q, k);
    return input.selectflags != nullptr && i < input.selectflags->size() && (*input.selectflags)[i];
}

// Plain score walk with value v: the last matching segment wins.
void EvaluateScore(const ResultField& field, std::uint16_t v, ResultOutcome& out) {
    out.lowest = field.segments.front().low;
    out.highest = field.segments.back().high;
    for (const resultstructure& s : field.segments) {
        if (!Matches(s, v)) continue;
        out.found = true;
        out.label = std::string(texts::kScoreLine) + std::to_string(v) + std::string(texts::kScoreUnit) +
                    "\r\r" + s.text;
    }
}

// One walk per question: only the question's lowest-numbered chosen option walks
// the body; its later options find no segment left. marksum ends as the last code.
void EvaluatePerAnswer(const ResultField& field, const ScoringInput& input, ResultOutcome& out) {
    std::string text;
    for (int q = 1; q <= input.sqcount; ++q) {
        bool walked = false;
        for (int k = 1; k <= kOptionsPerQuestion; ++k) {
            if (!Flag(input, q, k)) continue;
            const auto code = static_cast<std::uint16_t>(FlagIndex(q, k));
            out.marksum = code;
            if (walked) continue;
            walked = true;
            out.highest = field.segments.back().high;
            for (const resultstructure& s : field.segments) {
                if (!Matches(s, code)) continue;
                out.found = true;
                text += '\r';
                text += s.text;
            }
        }
    }
    out.label = std::string(texts::kPerAnswerNotice) + text;
}

// Whether the evaluation walks the body at all (a walk over a malformed body fails).
bool Walks(const ResultField& field, const ScoringInput& input) {
    switch (field.kind) {
    case ResultKind::Score:
    case ResultKind::MostFrequent:
        return true;
    case ResultKind::PerAnswer:
        for (int q = 1; q <= input.sqcount; ++q)
            for (int k = 1; k <= kOptionsPerQuestion; ++k)
                if (Flag(input, q, k)) return true;
        return false;
    case ResultKind::Unsupported:
        return false;
    }
    return false;
}

}  // namespace

std::uint16_t MostFrequentOption(std::size_t segmentCount, const ScoringInput& input) {
    const int options = static_cast<int>(std::min<std::size_t>(segmentCount, kOptionsPerQuestion));
    std::uint16_t best = 1;
    int bestCount = -1;
    for (int v = 1; v <= options; ++v) {
        int count = 0;
        for (int q = 1; q <= input.sqcount; ++q) count += Flag(input, q, v) ? 1 : 0;
        if (count > bestCount) {   // strictly higher: ties stay with the smaller option
            best = static_cast<std::uint16_t>(v);
            bestCount = count;
        }
    }
    return best;
}

ResultOutcome EvaluateResult(const ParsedResultField& parsed, const ScoringInput& input) {
    ResultOutcome out;
    out.marksum = input.marksum;
    if (parsed.error) {
        out.error = parsed.error;
        return out;
    }
    const ResultField& field = parsed.field;
    if (Walks(field, input) && field.walkError) {
        out.error = field.walkError;
        return out;
    }

    switch (field.kind) {
    case ResultKind::Score:
        EvaluateScore(field, input.marksum, out);
        break;
    case ResultKind::MostFrequent:
        out.marksum = MostFrequentOption(field.segmentCount, input);
        EvaluateScore(field, out.marksum, out);
        break;
    case ResultKind::PerAnswer:
        EvaluatePerAnswer(field, input, out);   // no lowest score: it stays 0
        break;
    case ResultKind::Unsupported:
        break;
    }

    if (out.found) {
        out.label = std::string(texts::kResultHeading) + std::to_string(out.lowest) +
                    std::string(texts::kRangeMiddle) + std::to_string(out.highest) + out.label;
    } else {
        out.label = std::string(texts::kNoResult);
    }
    return out;
}

ResultOutcome EvaluateResult(std::string_view storedField, const ScoringInput& input) {
    return EvaluateResult(ParseResultField(storedField), input);
}

ResultOutcome showresult(RunState& state, std::string_view storedField) {
    ResultOutcome out = EvaluateResult(storedField, {state.marksum, state.sqcount, &state.selectflags});
    if (!out.error) state.marksum = out.marksum;
    return out;
}

}  // namespace zuno::runner
