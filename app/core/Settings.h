// What the program reads from zuno.ini at start-up: the first-run block, the two
// switches and the three "New" counters, each rule in the order the file expects.
#pragma once

#include <cstdint>
#include <string>

#include "app/core/ProfileStore.h"

namespace zuno::app {

// The highest content numbers found in the content database.
struct ContentMaxima {
    std::int32_t tests = 0;     // BigQuestion.RecId
    std::int32_t articles = 0;  // Article.Id
    std::int32_t humor = 0;     // Humor.Id
};

struct StartupSettings {
    bool record = false;    // result logging (check mark of N3)
    bool usesound = false;  // sound effects (check mark of N9)
    // Entries whose content number is above a threshold are marked "New".
    std::int32_t testThreshold = 0;
    std::int32_t articleThreshold = 0;
    std::int32_t humorThreshold = 0;
};

inline constexpr char kProgramVersion[] = "4.3";

// Only the exact text "1" switches logging or sound on.
bool SwitchIsOn(const std::string& value);

// Runs the first-run block, reads the switches and applies the counter rule to the
// three counter pairs, writing what the rules write. Throws when a counter is not a
// decimal integer or a write fails.
StartupSettings ReadStartupSettings(ProfileStore& ini, const ContentMaxima& maxima);

// The integer value of a counter as the settings file holds it: optional blanks,
// optional sign, decimal digits, or $ followed by hex digits. Throws
// std::invalid_argument with a message naming the text otherwise.
std::int32_t ParseCounter(const std::string& text);

// The content database's version as a number, as the version gate compares it.
// Throws std::invalid_argument when the text is not a number.
double ParseVersion(const std::string& text);

// True when the database was made for a newer program than this one.
bool VersionIsNewer(const std::string& softversion);

}  // namespace zuno::app
