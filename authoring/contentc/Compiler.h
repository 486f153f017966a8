// The content compiler: reads a source folder, checks everything the program
// relies on, and writes the content database only when no error was found.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>

#include "authoring/common/Diagnostics.h"

namespace zuno::authoring {

struct CompileOptions {
    std::filesystem::path sourceDir;
    std::filesystem::path output;
    std::optional<std::filesystem::path> pictureDir;
};

struct CompileSummary {
    size_t tests = 0, questions = 0, options = 0, articles = 0, humor = 0, pictures = 0;
};

// Returns true when the database was written. On any error the output file is
// left as it was. Problems of the tool itself (writing) are diagnostics without a file.
bool Compile(const CompileOptions& options, Diagnostics& diag, CompileSummary* summary = nullptr);

}  // namespace zuno::authoring
