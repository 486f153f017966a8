// A generator of large synthetic content databases for load and speed checks:
// same tables and conventions as the compiled content, plausible Chinese text
// from a small vocabulary, results of all three evaluation kinds.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

namespace zuno::authoring {

struct GenerateOptions {
    std::filesystem::path output;
    int64_t tests = 100;
    int questions = 20;  // per test, 1..254
    int options = 4;     // per question, 1..12
    int64_t articles = 50;
    int64_t humor = 50;
    uint64_t seed = 1;
};

struct GenerateCounts {
    int64_t tests = 0, questions = 0, options = 0, articles = 0, humor = 0;
};

// Empty when the options can be generated, else what is wrong with them.
std::string CheckGenerateOptions(const GenerateOptions& options);

// Writes the database atomically (temporary file, then rename).
// Throws std::runtime_error on failure.
GenerateCounts GenerateContentDatabase(const GenerateOptions& options);

}  // namespace zuno::authoring
