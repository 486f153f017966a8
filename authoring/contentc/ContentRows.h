// The rows of the content database as the compiler writes them, built from
// checked sources: IDs assigned, result fields and question texts in their stored
// form. Row order is fixed: catalogues in file order, tests and texts by number,
// questions and options in file order, software information in record order.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "authoring/contentc/Model.h"
#include "authoring/contentc/Pictures.h"

namespace zuno::authoring {

struct MenuRow {
    std::string className, subclass, typeKey;
};

struct TestRow {
    int64_t recId = 0;
    std::string id, title;
    int64_t score = 0, count = 0;
    std::string kind, result;
};

struct QuestionRow {
    std::string id, text;
    bool multiple = false;
};

struct OptionRow {
    std::string id, text;
    int64_t key = 0;
};

struct TextRow {
    int64_t id = 0;
    std::string name, content, kind;
};

struct ContentRows {
    std::vector<MenuRow> testMenu, articleMenu, humorMenu;
    std::vector<TestRow> tests;
    std::vector<QuestionRow> questions;
    std::vector<OptionRow> options;
    std::vector<TextRow> articles, humor;
    std::vector<PictureRow> pictures;
    std::vector<std::string> softInfo;
};

// Call only for sources that passed every check.
ContentRows BuildRows(const Sources& sources, const PictureSet& pictures);

// Writes the rows into a new database at out, atomically: out is replaced only
// when everything is written. Throws std::runtime_error on failure.
void WriteContentDatabase(const ContentRows& rows, const std::filesystem::path& out);

}  // namespace zuno::authoring
