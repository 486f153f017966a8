// zuno-contentc SOURCE_DIR OUT.db [--pictures DIR]: compiles the content sources
// into the content database. Diagnostics go to standard error; exit status 1 when
// any error was found (the output is then left untouched), 2 for bad usage.
#include <cstdio>
#include <string>
#include <string_view>

#include "authoring/contentc/Compiler.h"

namespace {

int Usage() {
    std::fputs("usage: zuno-contentc SOURCE_DIR OUT.db [--pictures DIR]\n", stderr);
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace zuno::authoring;
    CompileOptions options;
    int positional = 0;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--pictures" && i + 1 < argc) {
            options.pictureDir = argv[++i];
        } else if (arg.starts_with("--pictures=")) {
            options.pictureDir = std::string(arg.substr(11));
        } else if (arg.starts_with("-")) {
            return Usage();
        } else if (positional == 0) {
            options.sourceDir = argv[i];
            ++positional;
        } else if (positional == 1) {
            options.output = argv[i];
            ++positional;
        } else {
            return Usage();
        }
    }
    if (positional != 2) return Usage();

    Diagnostics diag;
    CompileSummary summary;
    const bool written = Compile(options, diag, &summary);
    const std::string root = options.sourceDir.generic_string();
    for (const Diagnostic& d : diag.Sorted()) {
        std::fprintf(stderr, "%s\n", FormatDiagnostic(d, d.file.empty() ? "" : root).c_str());
    }
    if (!written) {
        std::fprintf(stderr, "zuno-contentc: %d error(s), %d warning(s); %s not written\n", diag.errorCount(),
                     diag.warningCount(), options.output.string().c_str());
        return 1;
    }
    std::printf("zuno-contentc: wrote %s: %zu tests, %zu questions, %zu options, %zu articles, %zu humour texts, "
                "%zu pictures (%d warning(s))\n",
                options.output.string().c_str(), summary.tests, summary.questions, summary.options, summary.articles,
                summary.humor, summary.pictures, diag.warningCount());
    return 0;
}
