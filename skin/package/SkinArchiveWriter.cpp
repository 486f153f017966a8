// Skin archive writer: lays out exactly what ParseSkinArchive reads, and packs an
// archive into a package file (archive size + LZHUF stream).
#include <limits>

#include "skin/package/LzhEncoder.h"
#include "skin/package/SkinReader.h"

namespace zuno::skin {

namespace {
void PutInt32(std::vector<uint8_t>& out, uint32_t v) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(v >> (8 * i)));
}
constexpr uint64_t kInt32Max = std::numeric_limits<int32_t>::max();
}  // namespace

std::vector<uint8_t> BuildSkinArchive(const std::vector<SkinPackageMember>& members,
                                      const std::array<uint8_t, 8>& reserved) {
    if (members.size() > static_cast<size_t>(kMaxSkinMembers))
        throw SkinPackageError("skin archive: " + std::to_string(members.size()) + " members, at most " +
                               std::to_string(kMaxSkinMembers) + " allowed");
    std::string names;
    uint64_t total = 0;
    for (const SkinPackageMember& m : members) {
        // Each name is one line of the list; the list ends at a zero byte.
        if (m.name.find_first_of(std::string_view("\r\n\0", 3)) != std::string::npos)
            throw SkinPackageError("skin archive: member name holds CR, LF or a zero byte");
        names += m.name;
        names += "\r\n";
        if (m.bytes.size() > kInt32Max) throw SkinPackageError("skin archive: member '" + m.name + "' too large");
        total += m.bytes.size();
    }
    const uint64_t archiveSize = kSkinArchiveHeaderSize + names.size() + 4 * members.size() + total;
    if (archiveSize > kInt32Max) throw SkinPackageError("skin archive: more than 2^31-1 bytes");

    std::vector<uint8_t> out;
    out.reserve(static_cast<size_t>(archiveSize));
    PutInt32(out, kSkinArchiveVersion);
    PutInt32(out, static_cast<uint32_t>(names.size()));
    out.insert(out.end(), reserved.begin(), reserved.end());
    out.insert(out.end(), names.begin(), names.end());
    for (const SkinPackageMember& m : members) PutInt32(out, static_cast<uint32_t>(m.bytes.size()));
    for (const SkinPackageMember& m : members) out.insert(out.end(), m.bytes.begin(), m.bytes.end());
    return out;
}

std::vector<uint8_t> PackSkinArchive(std::span<const uint8_t> archive) {
    if (archive.size() > kInt32Max) throw SkinPackageError("skin package: archive above 2^31-1 bytes");
    std::vector<uint8_t> out;
    PutInt32(out, static_cast<uint32_t>(archive.size()));
    const std::vector<uint8_t> stream = TLZHEncoder::Encode(archive);
    out.insert(out.end(), stream.begin(), stream.end());
    return out;
}

std::vector<uint8_t> WriteSkinPackage(const std::vector<SkinPackageMember>& members) {
    return PackSkinArchive(BuildSkinArchive(members));
}

}  // namespace zuno::skin
