// Helpers for the authoring tests: a temporary folder per test, fixture source
// trees laid out in it, drawn pictures, and reading rows back with the sqlite3 API.
#pragma once

#include <sqlite3.h>

#include <filesystem>
#include <string>
#include <vector>

namespace zuno::authoring::testing {

namespace fs = std::filesystem;

fs::path FixturesDir();

// A fresh folder under the system's temporary folder, removed on destruction.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const fs::path& path() const { return path_; }

private:
    fs::path path_;
};

// Copies fixtures/base to dir/src and lays fixtures/cases/<name> (without its
// note) over it; an empty name gives the base alone. Returns the source folder.
fs::path LayOutSources(const fs::path& dir, const std::string& caseName);

// dir/pictures with a drawn doors.jpg and the bad pictures of fixtures/pictures.
fs::path LayOutPictures(const fs::path& dir);

void WriteFile(const fs::path& file, const std::string& bytes);
std::string ReadFile(const fs::path& file);

// Every row of a query, each column as text (NULL as "<null>").
std::vector<std::vector<std::string>> QueryRows(const fs::path& db, const std::string& sql);

// Files in dir whose names start with a dot (temporary outputs).
std::vector<std::string> HiddenFiles(const fs::path& dir);

}  // namespace zuno::authoring::testing
