// Costs of the runner's rules at their largest: a 12-option question with long
// mixed texts, a 254-question per-answer test, a full run to the result, and the
// GBK bytes of that run's log entry.
#include "runner/core/DisplayPage.h"
#include "runner/core/Layout.h"
#include "runner/core/Navigation.h"
#include "runner/core/ResultLog.h"
#include "runner/core/RunState.h"
#include "runner/core/Scoring.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

using namespace zuno::runner;

std::string LongOption(int i) {
    std::string text;
    for (int n = 0; n < 40; ++n) text += "你在面对压力时通常会 (option " + std::to_string(i) + ") ";
    return text;   // about 1,400 GBK bytes
}

void BM_LayOutTwelveLongOptions(benchmark::State& bench) {
    std::vector<std::string> options;
    for (int i = 1; i <= 14; ++i) options.push_back(LongOption(i));
    const std::string question = "请仔细阅读下面的情景，然后选择最符合你的一项。@!##17";
    DisplayPage page;
    for (auto _ : bench) {
        const QuestionText text = SplitQuestionText(question);
        page.selectinit();
        page.LayOutQuestion(text.pictureId ? 120 : 0, 60, false, options, LayoutMetricsFor(16));
        page.ScrollBarChange(page.ScrollBar().maximum / 2);
        benchmark::DoNotOptimize(page.pagebottom());
    }
}
BENCHMARK(BM_LayOutTwelveLongOptions);

// A per-answer field with one segment per answer code 1..255, and a run of 254
// questions that each chose one or two options.
std::string PerAnswerField() {
    std::string field = "ts12";
    for (int code = 1; code <= 255; ++code) {
        if (code > 1) field += "!rt#";
        field += std::to_string(code) + "--to  " + std::to_string(code) + "@___@第" + std::to_string(code) +
                 "种回答说明你在这一方面有自己的看法。";
    }
    return field;
}

RunState LargeRun() {
    std::vector<sqstructure> questions;
    for (int q = 1; q <= kMaxQuestions; ++q) questions.push_back({"T0000001Q" + std::to_string(q), "问题", q % 3 == 0});
    RunState state;
    LoadTest(state, std::move(questions), "大测试");
    for (int q = 1; q <= kMaxQuestions; ++q) {
        state.selectflags[FlagIndex(q, q % 12 + 1)] = true;
        if (q % 3 == 0) state.selectflags[FlagIndex(q, (q + 5) % 12 + 1)] = true;
    }
    return state;
}

void BM_ScorePerAnswer254Questions(benchmark::State& bench) {
    const std::string field = PerAnswerField();
    const RunState state = LargeRun();
    for (auto _ : bench) {
        const ResultOutcome out = EvaluateResult(field, {state.marksum, state.sqcount, &state.selectflags});
        benchmark::DoNotOptimize(out.label.data());
    }
}
BENCHMARK(BM_ScorePerAnswer254Questions);

void BM_RunOf254QuestionsToResult(benchmark::State& bench) {
    const std::string field = PerAnswerField();
    const RunState loaded = LargeRun();
    PageAnswers page;
    for (int k = 0; k < kOptionsPerQuestion; ++k) page.keys[k] = k + 1;
    page.chosen[2] = true;
    for (auto _ : bench) {
        RunState state = loaded;
        NavigationStep step;
        do {
            step = NextButtonClick(state, page, [&](std::string_view) { return field; });
        } while (!step.result);
        benchmark::DoNotOptimize(step.result->label.data());
    }
}
BENCHMARK(BM_RunOf254QuestionsToResult);

void BM_LogEntryOf254Questions(benchmark::State& bench) {
    const RunState state = LargeRun();
    const ResultOutcome out = EvaluateResult(PerAnswerField(), {state.marksum, state.sqcount, &state.selectflags});
    for (auto _ : bench) {
        const std::string bytes = ResultLogEntryBytes(state, out.label);
        benchmark::DoNotOptimize(bytes.data());
    }
    bench.SetLabel(std::to_string(ResultLogEntryBytes(state, out.label).size()) + " bytes");
}
BENCHMARK(BM_LogEntryOf254Questions);

}  // namespace

BENCHMARK_MAIN();
