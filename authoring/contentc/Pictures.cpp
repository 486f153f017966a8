// Finding and checking the pictures that questions name.
#include "authoring/contentc/Pictures.h"

#include <algorithm>
#include <cctype>

#include "authoring/common/Jpeg.h"
#include "authoring/common/SourceText.h"

namespace zuno::authoring {
namespace {

namespace fs = std::filesystem;

// Wider pictures are cut off by the 520-pixel display page.
constexpr int kPageWidth = 512;

struct Reference {
    std::string file;
    int line = 0;
};

bool IsJpegExtension(std::string ext) {
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return ext == ".jpg" || ext == ".jpeg";
}

std::map<std::string, std::vector<fs::path>> ScanFolder(const fs::path& folder) {
    std::map<std::string, std::vector<fs::path>> found;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const fs::path& p = it->path();
        if (it->is_regular_file(ec) && IsJpegExtension(p.extension().string())) found[p.stem().string()].push_back(p);
    }
    for (auto& [name, paths] : found) std::sort(paths.begin(), paths.end());
    return found;
}

void ReportAll(Diagnostics& d, const std::vector<Reference>& refs, const std::string& message) {
    for (const Reference& r : refs) d.Error(r.file, r.line, message);
}

}  // namespace

PictureSet ResolvePictures(const std::vector<Test>& tests, const std::optional<fs::path>& folder, Diagnostics& diag) {
    std::map<std::string, std::vector<Reference>> references;
    for (const Test& t : tests) {
        for (const Question& q : t.questions) {
            if (q.picture.present() && !q.picture.value.empty()) references[q.picture.value].push_back({t.file, q.picture.line});
        }
    }
    PictureSet set;
    if (references.empty()) return set;
    if (!folder) {
        for (const auto& [name, refs] : references) ReportAll(diag, refs, "picture '" + name + "': no picture folder was given (--pictures DIR)");
        return set;
    }
    const auto found = ScanFolder(*folder);
    for (const auto& [name, refs] : references) {
        const auto it = found.find(name);
        if (it == found.end()) {
            ReportAll(diag, refs, "no picture '" + name + "' (" + name + ".jpg) in " + folder->string());
            continue;
        }
        if (it->second.size() > 1) {
            ReportAll(diag, refs, "picture '" + name + "' is ambiguous: " + it->second[0].string() + " and " + it->second[1].string());
            continue;
        }
        const fs::path& path = it->second.front();
        std::string error;
        const auto bytes = ReadFileBytes(path, error);
        if (!bytes) {
            ReportAll(diag, refs, "picture '" + name + "' (" + path.string() + "): " + error);
            continue;
        }
        const auto* data = reinterpret_cast<const uint8_t*>(bytes->data());
        const JpegCheck check = CheckJpeg(data, bytes->size());
        if (!check.ok) {
            ReportAll(diag, refs, "picture '" + name + "' (" + path.string() + ") is not a JPEG the program can show: " + check.error);
            continue;
        }
        if (check.width > kPageWidth) {
            diag.Warning(refs.front().file, refs.front().line, "picture '" + name + "' is " + std::to_string(check.width) + " pixels wide; the page shows about 512");
        }
        const int64_t id = static_cast<int64_t>(set.rows.size()) + 1;
        set.ids[name] = id;
        set.rows.push_back({id, name, std::vector<uint8_t>(data, data + bytes->size())});
    }
    return set;
}

}  // namespace zuno::authoring
