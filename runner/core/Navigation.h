// Answer capture and navigation as a state machine over the run state: the mark of
// the page, saving and restoring answers, and what Next, Previous and the keys
// make the page show. The Windows side reads the option controls into PageAnswers
// and applies the returned NavigationStep; it draws nothing of its own accord.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "runner/core/RunState.h"

namespace zuno::runner {

using OptionFlags = std::array<bool, kOptionsPerQuestion>;
using OptionKeys = std::array<std::int32_t, kOptionsPerQuestion>;   // the controls' tags

// The option controls of the page as the user left them.
struct PageAnswers {
    bool multipleChoice = false;  // RadioButton1 hidden: the check boxes are the options
    OptionFlags chosen{};         // radio button k selected / check box k checked, from 1st
    OptionKeys keys{};            // each control's mark (Optional.key)
};

// Single choice: low 8 bits of the key of the last selected radio button, 0 if none.
// Multiple choice: the low 8 bits of the checked boxes' keys added in 8 bits.
std::uint8_t getmark(const PageAnswers& page);

// Saves the page's choices as the answers of question q (ignored outside 1..sqcount).
void saveoptional(RunState& state, int q, const PageAnswers& page);

// Restores the saved answers of question q after it has been laid out with the given
// keys: returns which controls to select or check (the question's own kind), and
// takes their mark out of marksum (16-bit arithmetic), the mark Next added for them.
OptionFlags showselect(RunState& state, int q, const OptionKeys& keys);

// The page the Windows side must show after a button or key.
struct ResultPage {
    bool found = false;   // true: clear the page (selectinit) before setting Label1
    std::string label;    // Label1's caption
};

struct NavigationStep {
    bool acted = false;               // false: the button was disabled; nothing changes
    std::uint8_t question = 0;        // not 0: lay out this question (showquestion)
    bool restoreAnswers = false;      // then call showselect(state, question, its keys)
    std::optional<ResultPage> result; // the result page to show
    // Scoring failed: report this through the error convention. The run, the page
    // and the buttons stay exactly as they were before the click.
    std::optional<std::string> error;
    NavigationButtons buttons;        // captions and enabled states to apply
};

// Reads the stored result field of a test by its ID; may throw (database errors),
// in which case the run state is left unchanged.
using ResultFieldReader = std::function<std::string(std::string_view testId)>;

// Next ("下一题" / "完  成"): adds the page's mark, saves its answers and moves on;
// on "完  成" evaluates the result. The caller plays the button sound first and,
// when a result is shown and logging is on, writes the log entry afterwards.
NavigationStep NextButtonClick(RunState& state, const PageAnswers& page,
                               const ResultFieldReader& readResultField);

// Previous: one question back, whose answers are then restored with showselect.
NavigationStep PreviousButtonClick(RunState& state);

enum class NavigationKey { Escape, Enter, Space, Backspace, Other };
enum class KeyAction { None, Next, Previous, EndProgram };

// FormKeyDown: Esc ends the program, Enter or Space press an enabled Next,
// Backspace an enabled Previous. The key is not consumed either way.
KeyAction FormKeyDown(const RunState& state, NavigationKey key);

}  // namespace zuno::runner
