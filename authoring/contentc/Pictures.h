// Pictures named by questions: found by name in the picture folder, checked to be
// JPEG data the program can decode, and numbered 1, 2, … in the order of their names.
#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "authoring/common/Diagnostics.h"
#include "authoring/contentc/Model.h"

namespace zuno::authoring {

struct PictureRow {
    int64_t id = 0;
    std::string name;
    std::vector<uint8_t> jpeg;  // the whole file
};

struct PictureSet {
    std::map<std::string, int64_t> ids;  // name -> picture id
    std::vector<PictureRow> rows;        // by id
};

// Only pictures that some question names are taken; others in the folder (the
// splash picture, drafts) stay out of the database.
PictureSet ResolvePictures(const std::vector<Test>& tests, const std::optional<std::filesystem::path>& folder,
                           Diagnostics& diag);

}  // namespace zuno::authoring
