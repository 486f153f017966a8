// LZHUF compressor, the exact inverse of TLZH, and the skin archive writer: builds
// the version 20000 archive (header, name list, size table, member data) and packs
// it into a .skn package (4-byte archive size + LZHUF stream). Authoring side only;
// the program itself never writes packages.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "skin/package/Lzh.h"

namespace zuno::skin {

class TLZHEncoder : public TLZHTree {
public:
    // Compresses `data` into an LZHUF bit stream (no size prefix) that TLZH::Unpack
    // decodes back to exactly `data` when given data.size() as its count.
    static std::vector<uint8_t> Encode(std::span<const uint8_t> data);
};

struct SkinPackageMember {
    std::string name;            // stored as given; the reader lower-cases it
    std::vector<uint8_t> bytes;
};

// The archive: version 20000, name-list length, 8 reserved bytes (given), the names
// each followed by CR LF, the sizes, the data. Throws SkinPackageError for more
// than 1,001 members, a name holding CR, LF or a zero byte, or sizes above 2^31-1.
std::vector<uint8_t> BuildSkinArchive(const std::vector<SkinPackageMember>& members,
                                      const std::array<uint8_t, 8>& reserved = {});

// A package file for an archive: little-endian signed 32-bit size, then the stream.
// Throws SkinPackageError for an archive above 2^31-1 bytes.
std::vector<uint8_t> PackSkinArchive(std::span<const uint8_t> archive);

// BuildSkinArchive + PackSkinArchive.
std::vector<uint8_t> WriteSkinPackage(const std::vector<SkinPackageMember>& members);

}  // namespace zuno::skin
