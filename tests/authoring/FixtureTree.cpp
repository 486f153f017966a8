// Fixture helpers for the authoring tests.
#include "tests/authoring/FixtureTree.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>
#include <random>
#include <sstream>

#include "authoring/common/Jpeg.h"

namespace zuno::authoring::testing {

fs::path FixturesDir() { return ZUNO_AUTHORING_FIXTURES; }

TempDir::TempDir() {
    std::random_device rd;
    path_ = fs::temp_directory_path() / ("zuno-authoring-" + std::to_string(getpid()) + "-" + std::to_string(rd()));
    fs::create_directories(path_);
}

TempDir::~TempDir() {
    std::error_code ec;
    fs::remove_all(path_, ec);
}

fs::path LayOutSources(const fs::path& dir, const std::string& caseName) {
    const fs::path src = dir / "src";
    fs::copy(FixturesDir() / "base", src, fs::copy_options::recursive);
    if (!caseName.empty()) {
        const fs::path overlay = FixturesDir() / "cases" / caseName;
        EXPECT_TRUE(fs::is_directory(overlay)) << overlay;
        fs::copy(overlay, src, fs::copy_options::recursive | fs::copy_options::overwrite_existing);
        fs::remove(src / "note.md");
    }
    return src;
}

fs::path LayOutPictures(const fs::path& dir) {
    const fs::path pictures = dir / "pictures";
    fs::create_directories(pictures);
    std::vector<uint8_t> rgb(40 * 24 * 3);
    for (size_t i = 0; i < rgb.size(); ++i) rgb[i] = static_cast<uint8_t>(i * 7);
    const std::vector<uint8_t> jpeg = EncodeJpeg(rgb.data(), 40, 24, 85);
    WriteFile(pictures / "doors.jpg", std::string(jpeg.begin(), jpeg.end()));
    for (const auto& entry : fs::directory_iterator(FixturesDir() / "pictures")) {
        fs::copy_file(entry.path(), pictures / entry.path().filename());
    }
    return pictures;
}

void WriteFile(const fs::path& file, const std::string& bytes) {
    fs::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << bytes;
}

std::string ReadFile(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

std::vector<std::vector<std::string>> QueryRows(const fs::path& db, const std::string& sql) {
    std::vector<std::vector<std::string>> rows;
    sqlite3* handle = nullptr;
    if (sqlite3_open_v2(db.c_str(), &handle, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
        ADD_FAILURE() << "cannot open " << db;
        sqlite3_close(handle);
        return rows;
    }
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(handle, sql.c_str(), -1, &stmt, nullptr) != SQLITE_OK) {
        ADD_FAILURE() << sqlite3_errmsg(handle) << " in " << sql;
    } else {
        while (sqlite3_step(stmt) == SQLITE_ROW) {
            std::vector<std::string> row;
            for (int i = 0; i < sqlite3_column_count(stmt); ++i) {
                const auto* text = reinterpret_cast<const char*>(sqlite3_column_blob(stmt, i));
                row.push_back(sqlite3_column_type(stmt, i) == SQLITE_NULL ? "<null>" : std::string(text ? text : "", sqlite3_column_bytes(stmt, i)));
            }
            rows.push_back(std::move(row));
        }
    }
    sqlite3_finalize(stmt);
    sqlite3_close(handle);
    return rows;
}

std::vector<std::string> HiddenFiles(const fs::path& dir) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir)) {
        const std::string name = entry.path().filename().string();
        if (!name.empty() && name[0] == '.') names.push_back(name);
    }
    return names;
}

}  // namespace zuno::authoring::testing
