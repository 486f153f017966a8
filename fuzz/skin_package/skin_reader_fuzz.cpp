// Fuzz target: a package file through TSkinReader (decompression, archive parsing)
// and every member out again by exact name and by fragment.
#include <cstdint>
#include <vector>

#include "skin/package/SkinReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    zuno::skin::TSkinReader reader;
    int messages = 0;
    reader.SetMessageCallback([&](const std::string&) { ++messages; });
    try {
        if (!reader.LoadFromStream({data, size})) return 0;
    } catch (const zuno::skin::SkinPackageError&) {
        return 0;
    }
    std::vector<uint8_t> member;
    size_t total = 0;
    for (const std::string& name : reader.Names()) {
        reader.ExtractFile(name, member);
        total += member.size();
        std::string found;
        reader.ExtractMatchingFile(name, member, found);
    }
    std::string ini;
    reader.ExtractMatchingFile(".ini", member, ini);
    if (total > reader.Data().size()) __builtin_trap();  // sizes were checked against the data
    return 0;
}
