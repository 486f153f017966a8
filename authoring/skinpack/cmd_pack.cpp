// zuno-skinpack pack DIR OUT.skn: every file of DIR, sorted by name, becomes a
// member named by its file name. DIR must be flat: a subfolder is an error.
#include <algorithm>

#include "Subcommands.h"
#include "skin/package/LzhEncoder.h"

namespace zuno::skinpack {

int RunPack(Args args) {
    const std::filesystem::path dir = args[0];
    if (!std::filesystem::is_directory(dir)) throw ToolError(dir.string() + " is not a folder");
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(dir)) {
        if (entry.is_directory())
            throw ToolError(entry.path().string() + ": subfolders are not packed (a package is flat)");
        if (entry.is_regular_file()) files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end(), [](const auto& a, const auto& b) {
        return a.filename().string() < b.filename().string();  // byte order of the stored names
    });
    std::vector<SkinPackageMember> members;
    members.reserve(files.size());
    for (const auto& f : files) members.push_back({f.filename().string(), ReadFileBytes(f)});
    WriteFileBytes(args[1], WriteSkinPackage(members));
    return 0;
}

}  // namespace zuno::skinpack
