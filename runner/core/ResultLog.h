// The result log: the entry written after each result (title, the options chosen
// for every question, the result text) as GBK bytes with CR LF, and the choice of
// the log file's name "zuno" + N + ".txt". Writing and flushing the file is the
// Windows side's job.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <random>
#include <string>
#include <string_view>

namespace zuno::runner {

struct RunState;

// The entry as UTF-8, lines ending in CR LF: "测试问题：" and the title; per
// question "第q个问题的选择为： " with "第k个 " for each saved option and "选项";
// an empty line; Label1's caption (its own carriage returns kept); three empty lines.
std::string ResultLogEntry(const RunState& state, std::string_view labelCaption);

// The same entry as the bytes written to the file (GBK, "?" for what GBK lacks).
std::string ResultLogEntryBytes(const RunState& state, std::string_view labelCaption);

// When logging starts: with the main window (a number 0..99, the generator freshly
// seeded) or from the menu (0..98, the same generator going on).
enum class LogStart { WithProgram, FromMenu };

// A random source: returns a number in 0..bound-1. Injectable for tests.
using RandomBelow = std::function<std::uint32_t(std::uint32_t bound)>;

// The program's generator, seeded from the clock when made (at the main window).
class ClockRandom {
public:
    ClockRandom();
    std::uint32_t operator()(std::uint32_t bound);

private:
    std::mt19937 engine_;
};

// Draws N for a new log: 0..99 with the program, 0..98 from the menu.
std::uint32_t DrawLogNumber(LogStart start, const RandomBelow& random);

// "zuno" + n in decimal + ".txt".
std::string LogFileName(std::uint32_t n);

// The name for a new log: the drawn number's name, or, when that file exists, the
// next number whose file does not, so that a new log never replaces an earlier one.
// nullopt if none is free within kLogNameTries numbers.
inline constexpr std::uint32_t kLogNameTries = 100000;
using FileExists = std::function<bool(const std::string& name)>;
std::optional<std::string> ChooseLogFileName(std::uint32_t drawn, const FileExists& exists);

}  // namespace zuno::runner
