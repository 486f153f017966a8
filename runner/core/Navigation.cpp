// Navigation between the questions and to the result. Widths are those of the run
// state: marks 8-bit, marksum 16-bit, with the wraps written where they happen.
#include "runner/core/Navigation.h"

#include "runner/core/Scoring.h"

#include <vector>

namespace zuno::runner {

std::uint8_t getmark(const PageAnswers& page) {
    std::uint8_t mark = 0;
    for (int k = 0; k < kOptionsPerQuestion; ++k) {
        if (!page.chosen[k]) continue;
        const auto key = static_cast<std::uint8_t>(page.keys[k]);   // low 8 bits
        if (page.multipleChoice)
            mark = static_cast<std::uint8_t>(mark + key);            // wraps at 256
        else
            mark = key;                                              // the last selected one
    }
    return mark;
}

namespace {

void SaveInto(std::vector<bool>& selectflags, int q, const PageAnswers& page) {
    for (int k = 1; k <= kOptionsPerQuestion; ++k) selectflags[FlagIndex(q, k)] = page.chosen[k - 1];
}

}  // namespace

void saveoptional(RunState& state, int q, const PageAnswers& page) {
    if (q < 1 || q > state.sqcount) return;
    SaveInto(state.selectflags, q, page);
}

OptionFlags showselect(RunState& state, int q, const OptionKeys& keys) {
    PageAnswers restored;
    if (q < 1 || q > state.sqcount) return restored.chosen;
    restored.multipleChoice = state.sqlist[q].multipleChoice;
    restored.keys = keys;
    for (int k = 1; k <= kOptionsPerQuestion; ++k) restored.chosen[k - 1] = state.selectflags[FlagIndex(q, k)];
    // Take out exactly the mark Next added for these answers, so that every question
    // counts once even when keys exceed 8 bits or a multiple choice sum wrapped.
    state.marksum = static_cast<std::uint16_t>(state.marksum - getmark(restored));   // wraps at 65536
    return restored.chosen;
}

NavigationStep NextButtonClick(RunState& state, const PageAnswers& page,
                               const ResultFieldReader& readResultField) {
    NavigationStep step;
    step.buttons = state.buttons;
    if (!state.buttons.nextEnabled || state.sqindex < 1 || state.sqindex > state.sqcount) return step;

    // The new values are made aside and committed at the end, so that a failing
    // result step (a malformed field, a database error) leaves the run as it was
    // before the click: pressing "完  成" again must not count the page twice.
    auto marksum = static_cast<std::uint16_t>(state.marksum + getmark(page));   // wraps at 65536
    std::vector<bool> selectflags = state.selectflags;
    SaveInto(selectflags, state.sqindex, page);                                  // saveoptional(sqindex)
    const auto sqindex = static_cast<std::uint8_t>(state.sqindex + 1);
    NavigationButtons buttons = state.buttons;

    if (sqindex <= state.sqcount) step.question = sqindex;
    if (state.buttons.nextIsFinish) {
        const std::string field = readResultField(ResultFieldTestId(state));
        ResultOutcome outcome = EvaluateResult(field, {marksum, state.sqcount, &selectflags});
        if (outcome.error) {
            step.question = 0;
            step.error = std::move(outcome.error);
            return step;
        }
        marksum = outcome.marksum;   // types 11 and 12 leave their own value here
        step.result = ResultPage{outcome.found, std::move(outcome.label)};
        buttons.nextEnabled = false;
    }
    if (sqindex >= state.sqcount) buttons.nextIsFinish = true;
    buttons.previousEnabled = true;

    state.marksum = marksum;
    state.selectflags = std::move(selectflags);
    state.sqindex = sqindex;
    state.buttons = buttons;
    step.acted = true;
    step.buttons = buttons;
    return step;
}

NavigationStep PreviousButtonClick(RunState& state) {
    NavigationStep step;
    step.buttons = state.buttons;
    if (!state.buttons.previousEnabled || state.sqindex <= 1) return step;

    state.sqindex = static_cast<std::uint8_t>(state.sqindex - 1);
    if (state.sqindex != state.sqcount) state.buttons.nextIsFinish = false;
    state.buttons.nextEnabled = true;
    if (state.sqindex <= 1) state.buttons.previousEnabled = false;

    step.acted = true;
    step.question = state.sqindex;
    step.restoreAnswers = true;
    step.buttons = state.buttons;
    return step;
}

KeyAction FormKeyDown(const RunState& state, NavigationKey key) {
    switch (key) {
    case NavigationKey::Escape:
        return KeyAction::EndProgram;
    case NavigationKey::Enter:
    case NavigationKey::Space:
        return state.buttons.nextEnabled ? KeyAction::Next : KeyAction::None;
    case NavigationKey::Backspace:
        return state.buttons.previousEnabled ? KeyAction::Previous : KeyAction::None;
    case NavigationKey::Other:
        return KeyAction::None;
    }
    return KeyAction::None;
}

}  // namespace zuno::runner
