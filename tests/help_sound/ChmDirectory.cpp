// ITSF layout: a 0x60-byte header (version 3) pointing at the directory, which is an
// ITSP header followed by fixed-size chunks; listing chunks ("PMGL") hold entries of
// name, section, offset and length, the numbers as big-endian 7-bit ENCINTs.
#include "tests/help_sound/ChmDirectory.h"

#include <set>
#include <stdexcept>

#include "tests/help_sound/TestFiles.h"

namespace zuno::testing {
namespace {

void Require(bool ok, const char* what) {
    if (!ok) throw std::runtime_error(std::string("malformed CHM: ") + what);
}

uint64_t ReadEncInt(std::string_view b, size_t& at, size_t end) {
    uint64_t value = 0;
    for (int groups = 0;; ++groups) {
        Require(at < end && groups < 10, "ENCINT runs past its chunk");
        const auto byte = static_cast<uint8_t>(b[at++]);
        value = value << 7 | (byte & 0x7F);
        if ((byte & 0x80) == 0) return value;
    }
}

}  // namespace

const ChmEntry* ChmDirectory::Find(std::string_view name) const {
    for (const ChmEntry& e : entries)
        if (e.name == name) return &e;
    return nullptr;
}

ChmDirectory ReadChmDirectory(std::string_view b) {
    ChmDirectory dir;
    Require(b.size() >= 0x60 && b.substr(0, 4) == "ITSF", "no ITSF signature");
    dir.version = Le32(b, 0x04);
    dir.headerLength = Le32(b, 0x08);
    dir.lcid = Le32(b, 0x14);
    Require(dir.version == 3 && dir.headerLength == 0x60, "not an ITSF version 3 header");
    const uint64_t dirOffset = Le64(b, 0x48);
    const uint64_t dirLength = Le64(b, 0x50);
    dir.contentOffset = Le64(b, 0x58);
    Require(dirOffset + dirLength <= b.size() && dir.contentOffset <= b.size(), "sections beyond the file");

    const std::string_view d = b.substr(static_cast<size_t>(dirOffset), static_cast<size_t>(dirLength));
    Require(d.size() >= 0x54 && d.substr(0, 4) == "ITSP", "no ITSP directory header");
    const uint32_t itspLength = Le32(d, 0x08);
    const uint32_t chunkSize = Le32(d, 0x10);
    const auto firstListing = static_cast<int32_t>(Le32(d, 0x20));
    const uint32_t chunkCount = Le32(d, 0x2C);
    Require(chunkSize >= 0x20 && itspLength + uint64_t{chunkSize} * chunkCount <= d.size(), "chunks beyond the directory");

    std::set<int32_t> visited;
    for (int32_t chunk = firstListing; chunk != -1;) {
        Require(chunk >= 0 && static_cast<uint32_t>(chunk) < chunkCount && visited.insert(chunk).second,
                "bad listing chunk chain");
        const std::string_view c = d.substr(itspLength + size_t{chunkSize} * static_cast<uint32_t>(chunk), chunkSize);
        Require(c.substr(0, 4) == "PMGL", "listing chunk without PMGL signature");
        const uint32_t freeSpace = Le32(c, 0x04);
        Require(freeSpace <= chunkSize - 0x14, "free space larger than the chunk");
        const size_t end = chunkSize - freeSpace;
        for (size_t at = 0x14; at < end;) {
            const uint64_t nameLength = ReadEncInt(c, at, end);
            Require(at + nameLength <= end, "name runs past its chunk");
            ChmEntry e;
            e.name = std::string(c.substr(at, static_cast<size_t>(nameLength)));
            at += static_cast<size_t>(nameLength);
            e.section = ReadEncInt(c, at, end);
            e.offset = ReadEncInt(c, at, end);
            e.length = ReadEncInt(c, at, end);
            dir.entries.push_back(std::move(e));
        }
        chunk = static_cast<int32_t>(Le32(c, 0x10));
    }
    return dir;
}

std::string ReadSection0(const ChmDirectory& dir, std::string_view b, const ChmEntry& e) {
    Require(e.section == 0, "entry is not in section 0");
    Require(dir.contentOffset + e.offset + e.length <= b.size(), "entry beyond the file");
    return std::string(b.substr(static_cast<size_t>(dir.contentOffset + e.offset), static_cast<size_t>(e.length)));
}

}  // namespace zuno::testing
