// zuno-skinpack: what every subcommand gets and the file helpers they share.
// A subcommand is one function in its own cmd_*.cpp file plus one row of the table
// in main.cpp.
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

#include "skin/package/SkinReader.h"

namespace zuno::skinpack {

using namespace zuno::skin;

// The arguments after the subcommand's name, already counted against the table.
using Args = std::span<const std::string>;

// A failure to report as "zuno-skinpack: <text>" with exit code 1.
class ToolError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

std::vector<uint8_t> ReadFileBytes(const std::filesystem::path& path);
void WriteFileBytes(const std::filesystem::path& path, std::span<const uint8_t> bytes);

// A package decompressed and split into its fields, names as stored (letter case
// kept). Throws ToolError for a version other than 20000 and SkinPackageError for
// anything outside the format.
struct LoadedArchive {
    std::vector<uint8_t> archive;
    SkinArchiveView view;  // spans into `archive`
};
void LoadArchive(const std::filesystem::path& package, LoadedArchive& out);

}  // namespace zuno::skinpack
