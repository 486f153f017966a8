// Helpers for the runner tests: loaded tests of a given size, pages of answers
// (radio buttons or check boxes with their keys) and fixed result fields.
#pragma once

#include "runner/core/Navigation.h"
#include "runner/core/RunState.h"

#include <initializer_list>
#include <string>
#include <vector>

namespace zuno::runner::testing {

// count questions T0000001Q001…; multipleChoice[q-1] where given.
inline std::vector<sqstructure> Questions(int count, std::initializer_list<bool> multipleChoice = {}) {
    std::vector<sqstructure> questions;
    for (int q = 1; q <= count; ++q) {
        const std::size_t i = static_cast<std::size_t>(q - 1);
        const bool multiple = i < multipleChoice.size() && multipleChoice.begin()[i];
        questions.push_back({"T0000001Q" + std::to_string(1000 + q).substr(1), "问题" + std::to_string(q), multiple});
    }
    return questions;
}

inline RunState Loaded(int count, std::initializer_list<bool> multipleChoice = {}) {
    RunState state;
    LoadTest(state, Questions(count, multipleChoice), "性格测试");
    return state;
}

// Keys 1..12 unless given.
inline OptionKeys Keys(std::initializer_list<std::int32_t> keys = {}) {
    OptionKeys out{};
    for (int k = 0; k < kOptionsPerQuestion; ++k) out[k] = k + 1;
    int k = 0;
    for (std::int32_t key : keys) out[k++] = key;
    return out;
}

// A single-choice page with option `chosen` (1..12) selected.
inline PageAnswers Radio(int chosen, const OptionKeys& keys = Keys()) {
    PageAnswers page;
    page.keys = keys;
    if (chosen >= 1) page.chosen[chosen - 1] = true;
    return page;
}

// A multiple-choice page with the given options (1..12) checked.
inline PageAnswers Checks(std::initializer_list<int> checked, const OptionKeys& keys = Keys()) {
    PageAnswers page;
    page.multipleChoice = true;
    page.keys = keys;
    for (int k : checked) page.chosen[k - 1] = true;
    return page;
}

// A reader of the result field that hands out a fixed text.
inline ResultFieldReader Field(std::string text) {
    return [text](std::string_view) { return text; };
}

}  // namespace zuno::runner::testing
