// Hand-built archives and packages for the reader tests: every field written
// explicitly, so that a fixture can carry exactly one fault.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "skin/package/LzhEncoder.h"

namespace zuno::skin::fixtures {

using Bytes = std::vector<uint8_t>;

inline void PutInt32(Bytes& b, uint32_t v) {
    for (int i = 0; i < 4; ++i) b.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

struct RawArchive {
    uint32_t version = 20000;
    std::string names;                       // the name-list text, verbatim
    std::optional<int32_t> namesLength;      // default: names.size()
    std::vector<int32_t> sizes;              // the size table, verbatim
    std::string data;                        // member data region
    std::string reserved = "RSVDRSVD";       // 8 bytes
};

inline Bytes Build(const RawArchive& a) {
    Bytes b;
    PutInt32(b, a.version);
    PutInt32(b, static_cast<uint32_t>(a.namesLength.value_or(static_cast<int32_t>(a.names.size()))));
    b.insert(b.end(), a.reserved.begin(), a.reserved.end());
    b.insert(b.end(), a.names.begin(), a.names.end());
    for (int32_t s : a.sizes) PutInt32(b, static_cast<uint32_t>(s));
    b.insert(b.end(), a.data.begin(), a.data.end());
    return b;
}

// A package file holding these archive bytes (properly compressed).
inline Bytes Package(const Bytes& archive) { return PackSkinArchive(archive); }
inline Bytes Package(const RawArchive& a) { return Package(Build(a)); }

inline std::string Str(const Bytes& b) { return std::string(b.begin(), b.end()); }

}  // namespace zuno::skin::fixtures
