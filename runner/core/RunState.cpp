// Loading a test into the run state and resetting it for question 1. A refused
// load returns before the first assignment, so the current run stays intact.
#include "runner/core/RunState.h"

#include "runner/core/Gbk.h"
#include "runner/core/Texts.h"

namespace zuno::runner {

std::string_view NavigationButtons::NextCaption() const {
    return nextIsFinish ? texts::kFinishCaption : texts::kNextCaption;
}

bool SavedFlag(const RunState& state, int q, int k) {
    if (q < 1 || q > state.sqcount || k < 1 || k > kOptionsPerQuestion) return false;
    return state.selectflags[FlagIndex(q, k)];
}

LoadOutcome LoadTest(RunState& state, std::vector<sqstructure> questions, std::string title) {
    if (questions.empty())
        return {false, "没有找到这个测试的题目，无法开始测试。"};
    if (questions.size() > static_cast<std::size_t>(kMaxQuestions))
        return {false, "这个测试共有" + std::to_string(questions.size()) +
                           "个问题，本程序最多只能进行254个问题的测试，无法开始测试。"};

    state.sqcount = static_cast<std::uint8_t>(questions.size());
    state.sqlist.clear();
    state.sqlist.reserve(questions.size() + 1);
    state.sqlist.emplace_back();  // entry 0 is not used
    for (sqstructure& q : questions) state.sqlist.push_back(std::move(q));
    state.selectflags.assign(FlagIndex(state.sqcount, kOptionsPerQuestion) + 1, false);
    state.testtitle = std::move(title);
    menuclickinit(state);
    return {true, {}};
}

void menuclickinit(RunState& state) {
    state.marksum = 0;
    state.sqindex = 1;
    state.buttons.nextIsFinish = state.sqcount == 1;
    state.buttons.previousEnabled = false;
    state.buttons.nextEnabled = true;
}

std::string QuestionCountCaption(std::uint8_t sqcount) {
    return std::string(texts::kQuestionCountHead) + std::to_string(sqcount) +
           std::string(texts::kQuestionCountTail);
}

std::string ResultFieldTestId(const RunState& state) {
    if (state.sqlist.size() < 2) return {};
    const std::string& id = state.sqlist[1].id;
    // Characters, not bytes: IDs are ASCII, but a stray multi-byte one must not be cut.
    std::size_t end = 0;
    for (std::size_t n = 0; n < kTestIdLength && end < id.size(); ++n)
        end += DecodeUtf8(std::string_view(id).substr(end)).length;
    return id.substr(0, end);
}

bool ShowsQuestion(const RunState& state) {
    return state.sqindex >= 1 && state.sqindex <= state.sqcount;
}

void DisableNavigation(RunState& state) {
    state.buttons.nextEnabled = false;
    state.buttons.previousEnabled = false;
}

}  // namespace zuno::runner
