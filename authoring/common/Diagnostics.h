// Errors and warnings found in content sources, each tied to a file (relative to
// the source folder) and a line, printed the way compilers print them so editors
// can jump to them: "path:line: error: message".
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zuno::authoring {

enum class Severity { Warning, Error };

struct Diagnostic {
    std::string file;  // relative to the source folder, '/' separated; empty for the tool itself
    int line = 0;      // counted from 1; 0 when the problem concerns the whole file
    Severity severity = Severity::Error;
    std::string message;
};

class Diagnostics {
public:
    void Error(std::string_view file, int line, std::string message);
    void Warning(std::string_view file, int line, std::string message);

    int errorCount() const { return errors_; }
    int warningCount() const { return warnings_; }
    const std::vector<Diagnostic>& all() const { return items_; }

    // By file, then line; the order of finding is kept within one line.
    std::vector<Diagnostic> Sorted() const;

private:
    std::vector<Diagnostic> items_;
    int errors_ = 0;
    int warnings_ = 0;
};

// "root/file:line: error: message"; root is the source folder as the user gave it.
std::string FormatDiagnostic(const Diagnostic& d, std::string_view root);

}  // namespace zuno::authoring
