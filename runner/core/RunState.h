// The run state of the loaded test: its questions, the question on the page, the
// running score, the saved answers and the state of the two navigation buttons.
// One instance lives in the main window's module; loading a test replaces it all.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zuno::runner {

inline constexpr int kOptionsPerQuestion = 12;   // option controls on the page
// sqcount and sqindex are 8-bit and sqindex steps one past sqcount on the result.
inline constexpr int kMaxQuestions = 254;
// A test is found by the first characters of its questions' IDs.
inline constexpr std::size_t kTestIdLength = 8;

// One question, as read from the content database.
struct sqstructure {
    std::string id;               // SmallQuestion.ID; its first 8 characters are the test ID
    std::string text;             // question text, possibly with "@!##" and a picture id
    bool multipleChoice = false;  // optionalkind: check boxes instead of radio buttons
};

// What the two navigation buttons show. Next's caption doubles as state: pressing
// it while it reads "完  成" shows the result.
struct NavigationButtons {
    bool nextIsFinish = false;    // "完  成" instead of "下一题"
    bool nextEnabled = false;     // both disabled until a test is loaded
    bool previousEnabled = false;
    std::string_view NextCaption() const;
    bool operator==(const NavigationButtons&) const = default;
};

struct RunState {
    // Invariants while a test is loaded: sqlist.size() == sqcount + 1 (entry 0 unused),
    // selectflags.size() == sqcount * 12 + 1 (entry 0 unused), 1 <= sqcount <= 254,
    // 1 <= sqindex <= sqcount + 1. Before any test: everything empty and 0.
    std::vector<sqstructure> sqlist;
    std::uint8_t sqcount = 0;
    std::uint8_t sqindex = 0;     // question on the page, from 1; sqcount + 1 on the result
    std::uint16_t marksum = 0;    // marks of the questions before the one on the page
    std::vector<bool> selectflags;  // answers as last left with Next; see FlagIndex
    std::string testtitle;        // heads the result log entry
    NavigationButtons buttons;
};

// Entry of selectflags for option k (1..12) of question q (1..sqcount).
constexpr std::size_t FlagIndex(int q, int k) {
    return static_cast<std::size_t>(q - 1) * kOptionsPerQuestion + static_cast<std::size_t>(k);
}
// The saved flag, false for any q or k outside the loaded test.
bool SavedFlag(const RunState& state, int q, int k);

struct LoadOutcome {
    bool loaded = false;
    std::string message;  // why not, in Chinese, for the program's message box
};

// Loads a test's questions (in the order the database returned them) and resets
// score and buttons for question 1. A test needs 1 to 254 questions; otherwise the
// state is left untouched and the outcome carries the message to show.
LoadOutcome LoadTest(RunState& state, std::vector<sqstructure> questions, std::string title);

// Score 0, question 1, Next "完  成" for a one-question test else "下一题",
// Previous disabled, Next enabled.
void menuclickinit(RunState& state);

// Side caption after loading: "本测试共有" + sqcount + "个问题".
std::string QuestionCountCaption(std::uint8_t sqcount);

// The test ID the result field is read by: the first 8 characters of question 1's ID.
std::string ResultFieldTestId(const RunState& state);

// True while a question (not the result, not the greeting) is the run's page, so a
// font change lays it out again.
bool ShowsQuestion(const RunState& state);

// The reader takes the page: both buttons disabled, the run itself untouched.
void DisableNavigation(RunState& state);

}  // namespace zuno::runner
