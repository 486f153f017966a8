// zuno-skinpack unpack IN.skn DIR: writes every member to DIR under its stored name.
// Names that are not plain file names are refused; of repeated names only the first
// is written (it is the one lookups find) and the rest are reported on stderr.
#include <iostream>
#include <set>

#include "Subcommands.h"

namespace zuno::skinpack {

namespace {
bool IsPlainFileName(const std::string& name) {
    return !name.empty() && name != "." && name != ".." && name.find_first_of("/\\") == std::string::npos;
}
}  // namespace

int RunUnpack(Args args) {
    LoadedArchive package;
    LoadArchive(args[0], package);
    const SkinArchiveView& v = package.view;
    for (const std::string& name : v.names)
        if (!IsPlainFileName(name)) throw ToolError(args[0] + ": member name '" + name + "' is not a plain file name");

    const std::filesystem::path dir = args[1];
    std::filesystem::create_directories(dir);
    std::set<std::string> written;
    size_t offset = 0;
    for (size_t i = 0; i < v.names.size(); ++i) {
        const auto bytes = v.data.subspan(offset, static_cast<size_t>(v.sizes[i]));
        offset += bytes.size();
        if (!written.insert(v.names[i]).second) {
            std::cerr << "zuno-skinpack: skipping repeated member '" << v.names[i] << "' (entry " << i << ")\n";
            continue;
        }
        WriteFileBytes(dir / v.names[i], bytes);
    }
    return 0;
}

}  // namespace zuno::skinpack
