// File reading and writing for zuno-skinpack, and loading a package as raw archive
// fields (names as stored, unlike TSkinReader, which lower-cases them).
#include <fstream>

#include "Subcommands.h"

namespace zuno::skinpack {

std::vector<uint8_t> ReadFileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw ToolError("cannot open " + path.string());
    std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) throw ToolError("cannot read " + path.string());
    return bytes;
}

void WriteFileBytes(const std::filesystem::path& path, std::span<const uint8_t> bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) throw ToolError("cannot create " + path.string());
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) throw ToolError("cannot write " + path.string());
}

void LoadArchive(const std::filesystem::path& package, LoadedArchive& out) {
    const std::vector<uint8_t> file = ReadFileBytes(package);
    TSkinReader::Decompress(file, out.archive);
    if (!ParseSkinArchive(out.archive, out.view))
        throw ToolError(package.string() + ": archive version " + std::to_string(out.view.version) + ", not " +
                        std::to_string(kSkinArchiveVersion) + " (an older skin file)");
}

}  // namespace zuno::skinpack
