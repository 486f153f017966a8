// Collecting and printing diagnostics of the authoring tools.
#include "authoring/common/Diagnostics.h"

#include <algorithm>

namespace zuno::authoring {

void Diagnostics::Error(std::string_view file, int line, std::string message) {
    items_.push_back({std::string(file), line, Severity::Error, std::move(message)});
    ++errors_;
}

void Diagnostics::Warning(std::string_view file, int line, std::string message) {
    items_.push_back({std::string(file), line, Severity::Warning, std::move(message)});
    ++warnings_;
}

std::vector<Diagnostic> Diagnostics::Sorted() const {
    std::vector<Diagnostic> sorted = items_;
    std::stable_sort(sorted.begin(), sorted.end(), [](const Diagnostic& a, const Diagnostic& b) {
        if (a.file != b.file) return a.file < b.file;
        return a.line < b.line;
    });
    return sorted;
}

std::string FormatDiagnostic(const Diagnostic& d, std::string_view root) {
    std::string out;
    if (!d.file.empty()) {
        if (!root.empty()) {
            out.append(root);
            if (out.back() != '/') out.push_back('/');
        }
        out += d.file;
        if (d.line > 0) {
            out += ':';
            out += std::to_string(d.line);
        }
        out += ": ";
    }
    out += d.severity == Severity::Error ? "error: " : "warning: ";
    out += d.message;
    return out;
}

}  // namespace zuno::authoring
