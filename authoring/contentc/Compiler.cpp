// The compiler's steps in order: load, check, find pictures, build rows, write.
#include "authoring/contentc/Compiler.h"

#include <exception>

#include "authoring/contentc/ContentChecks.h"
#include "authoring/contentc/ContentRows.h"
#include "authoring/contentc/Pictures.h"
#include "authoring/contentc/SourceTree.h"

namespace zuno::authoring {

bool Compile(const CompileOptions& options, Diagnostics& diag, CompileSummary* summary) {
    std::error_code ec;
    if (!std::filesystem::is_directory(options.sourceDir, ec)) {
        diag.Error("", 0, "source folder " + options.sourceDir.string() + " does not exist");
        return false;
    }
    Sources sources = LoadSources(options.sourceDir, diag);
    CheckSources(sources, diag);
    const PictureSet pictures = ResolvePictures(sources.tests, options.pictureDir, diag);
    if (diag.errorCount() > 0) return false;

    const ContentRows rows = BuildRows(sources, pictures);
    try {
        WriteContentDatabase(rows, options.output);
    } catch (const std::exception& e) {
        diag.Error("", 0, e.what());
        return false;
    }
    if (summary) {
        *summary = {rows.tests.size(), rows.questions.size(), rows.options.size(),
                    rows.articles.size(), rows.humor.size(), rows.pictures.size()};
    }
    return true;
}

}  // namespace zuno::authoring
