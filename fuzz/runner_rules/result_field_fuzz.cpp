// Feeds arbitrary result fields and answers to the parser, the evaluations and the
// finish step. Input: question count, marksum (2 bytes, little endian), a byte n
// and n bytes of answer flags (bit per option, 12 per question), then the field.
// Checks that nothing crashes and that the outcome keeps its promises.
#include "runner/core/Gbk.h"
#include "runner/core/Navigation.h"
#include "runner/core/ResultField.h"
#include "runner/core/RunState.h"
#include "runner/core/Scoring.h"
#include "runner/core/Texts.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace zuno::runner;

void Require(bool condition) {
    if (!condition) std::abort();
}

void CheckOutcome(const ResultOutcome& out, const ParsedResultField& parsed, std::uint16_t marksum) {
    if (out.error) {
        Require(!out.error->empty());
        Require(out.marksum == marksum);
        return;
    }
    Require(out.found == (out.label != texts::kNoResult));
    if (out.found) Require(out.label.rfind(texts::kResultHeading, 0) == 0);
    if (parsed.field.kind == ResultKind::Score || parsed.field.kind == ResultKind::Unsupported)
        Require(out.marksum == marksum);
    if (parsed.field.kind == ResultKind::MostFrequent) Require(out.marksum >= 1 && out.marksum <= 12);
    if (parsed.field.kind == ResultKind::PerAnswer) Require(out.marksum == marksum || out.marksum <= 254 * 12);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 4) return 0;
    const auto sqcount = static_cast<std::uint8_t>(data[0] % kMaxQuestions + 1);
    const auto marksum = static_cast<std::uint16_t>(data[1] | data[2] << 8);
    const std::size_t flagBytes = std::min<std::size_t>(data[3], size - 4);
    const std::uint8_t* flagData = data + 4;
    const std::string field(reinterpret_cast<const char*>(data + 4 + flagBytes), size - 4 - flagBytes);

    std::vector<bool> selectflags(FlagIndex(sqcount, kOptionsPerQuestion) + 1, false);
    for (std::size_t bit = 0; bit < flagBytes * 8 && bit + 1 < selectflags.size(); ++bit)
        selectflags[bit + 1] = (flagData[bit / 8] >> (bit % 8)) & 1;

    Require(GbkEncode(field).size() == GbkLength(field));

    const ParsedResultField parsed = ParseResultField(field);
    if (!parsed.error) {
        Require(parsed.field.segmentCount >= 1);
        Require(parsed.field.segments.size() + (parsed.field.walkError ? 1 : 0) <= parsed.field.segmentCount);
    }
    const ScoringInput input{marksum, sqcount, &selectflags};
    CheckOutcome(EvaluateResult(parsed, input), parsed, marksum);

    // The finish step of a run with these answers: a failure must change nothing.
    RunState state;
    std::vector<sqstructure> questions(sqcount, sqstructure{"T0000001Q", "q", true});
    Require(LoadTest(state, std::move(questions), "t").loaded);
    state.selectflags = selectflags;
    state.sqindex = sqcount;
    state.marksum = marksum;
    state.buttons.nextIsFinish = true;
    PageAnswers page;
    page.multipleChoice = true;
    for (int k = 1; k <= kOptionsPerQuestion; ++k) {
        page.chosen[k - 1] = selectflags[FlagIndex(sqcount, k)];
        page.keys[k - 1] = static_cast<std::int32_t>(field.size() * 31 + static_cast<std::size_t>(k) * 97);
    }
    const RunState before = state;
    const NavigationStep step = NextButtonClick(state, page, [&](std::string_view) { return field; });
    if (step.error) {
        Require(!step.acted && state.marksum == before.marksum && state.sqindex == before.sqindex &&
                state.selectflags == before.selectflags && state.buttons == before.buttons);
    } else {
        Require(step.acted && step.result.has_value() && state.sqindex == sqcount + 1 && !state.buttons.nextEnabled);
        const NavigationStep back = PreviousButtonClick(state);
        Require(back.acted && back.question == sqcount);
        showselect(state, back.question, page.keys);
    }
    return 0;
}
