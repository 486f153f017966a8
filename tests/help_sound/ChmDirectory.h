// A tiny reader of Microsoft's compiled help (ITSF) container, enough to check the
// built ZunoHelp.chm: the file header, the directory of stored files, and the bytes
// of files kept in the uncompressed section 0 (such as #SYSTEM).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zuno::testing {

struct ChmEntry {
    std::string name;  // e.g. "/index.htm" or "/#SYSTEM"
    uint64_t section = 0;
    uint64_t offset = 0;
    uint64_t length = 0;
};

struct ChmDirectory {
    uint32_t version = 0;
    uint32_t headerLength = 0;
    uint32_t lcid = 0;
    uint64_t contentOffset = 0;  // where section 0's data begins
    std::vector<ChmEntry> entries;

    const ChmEntry* Find(std::string_view name) const;
};

// Parses the ITSF header and every listing (PMGL) chunk of the directory.
// Throws std::runtime_error on anything malformed.
ChmDirectory ReadChmDirectory(std::string_view file);

// The stored bytes of an entry of section 0. Throws when it lies elsewhere.
std::string ReadSection0(const ChmDirectory& dir, std::string_view file, const ChmEntry& entry);

}  // namespace zuno::testing
