// Walking the content source folder and handing each file to its reader.
#include "authoring/contentc/SourceTree.h"

#include <algorithm>
#include <optional>

#include "authoring/contentc/Parsers.h"

namespace zuno::authoring {
namespace {

namespace fs = std::filesystem;

std::optional<SourceFile> ReadSource(const fs::path& root, const std::string& rel, Diagnostics& d, bool required) {
    const fs::path path = root / rel;
    std::error_code ec;
    if (!fs::is_regular_file(path, ec)) {
        if (required) d.Error(rel, 0, "missing: this file is required");
        return std::nullopt;
    }
    std::string error;
    const auto bytes = ReadFileBytes(path, error);
    if (!bytes) {
        d.Error(rel, 0, error);
        return std::nullopt;
    }
    return SplitSource(rel, *bytes, d);
}

// Relative paths of the *.txt files under root/folder, sorted; hidden files and
// folders (editor backups, version control) are skipped.
std::vector<std::string> ListSources(const fs::path& root, const std::string& folder) {
    std::vector<std::string> files;
    std::error_code ec;
    const fs::path base = root / folder;
    if (!fs::is_directory(base, ec)) return files;
    for (fs::recursive_directory_iterator it(base, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (!name.empty() && name[0] == '.') {
            if (it->is_directory(ec)) it.disable_recursion_pending();
            continue;
        }
        if (it->is_regular_file(ec) && it->path().extension() == ".txt") {
            files.push_back(it->path().lexically_relative(root).generic_string());
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

Catalogue LoadCatalogue(const fs::path& root, const std::string& rel, Diagnostics& d) {
    if (auto file = ReadSource(root, rel, d, true)) return ParseCatalogue(*file, d);
    Catalogue empty;
    empty.file = rel;
    return empty;
}

std::vector<TextItem> LoadTexts(const fs::path& root, const std::string& folder, Diagnostics& d) {
    std::vector<TextItem> items;
    for (const std::string& rel : ListSources(root, folder)) {
        if (auto file = ReadSource(root, rel, d, true)) items.push_back(ParseTextItem(*file, d));
    }
    return items;
}

}  // namespace

Sources LoadSources(const fs::path& root, Diagnostics& diag) {
    Sources s;
    s.testCatalogue = LoadCatalogue(root, "catalogues/tests.txt", diag);
    s.articleCatalogue = LoadCatalogue(root, "catalogues/articles.txt", diag);
    s.humorCatalogue = LoadCatalogue(root, "catalogues/humor.txt", diag);
    for (const std::string& rel : ListSources(root, "tests")) {
        if (auto file = ReadSource(root, rel, diag, true)) s.tests.push_back(ParseTest(*file, diag));
    }
    s.articles = LoadTexts(root, "articles", diag);
    s.humor = LoadTexts(root, "humor", diag);
    if (auto file = ReadSource(root, "softinfo.txt", diag, true)) s.softInfo = ParseSoftInfo(*file, diag);
    return s;
}

}  // namespace zuno::authoring
