// An output file that appears under its final name only when it is complete: it
// is written as a hidden temporary file next to the target and renamed over the
// target on success, so a failed run never leaves a half-written file behind.
#pragma once

#include <filesystem>
#include <string>

namespace zuno::authoring {

class OutputFile {
public:
    // Creates the temporary file (and the target's folder if missing).
    // Throws std::runtime_error when that is impossible.
    explicit OutputFile(std::filesystem::path target);
    ~OutputFile();  // removes the temporary file unless Commit succeeded
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    const std::filesystem::path& tempPath() const { return temp_; }
    // Flushes the temporary file to disk and renames it over the target.
    void Commit();

private:
    std::filesystem::path target_;
    std::filesystem::path temp_;
    bool committed_ = false;
};

}  // namespace zuno::authoring
