// The skin package reader: decompresses a .skn package held in memory, parses the
// archive (version 20000 header, member-name list, size table, member data) and
// hands out members by exact name or by name fragment.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "skin/package/SkinPackageError.h"

namespace zuno::skin {

inline constexpr uint32_t kSkinArchiveVersion = 20000;
inline constexpr int kMaxSkinMembers = 1001;   // size table entries 0..1000
inline constexpr size_t kSkinArchiveHeaderSize = 16;

// The message of a package whose archive version is not 20000 (CR between the sentences).
inline constexpr char kOlderSkinMessage[] = "This is Older Skin File\rPlease update to new version !";

// Splits text the way a string list does: a line ends at CR, LF or CR LF; a break at
// the very end starts no further line; the text ends at its first zero byte.
// ForEachStringListLine hands each line to `line` without storing them and stops
// early when it returns false.
void ForEachStringListLine(std::string_view text, const std::function<bool(std::string_view)>& line);
std::vector<std::string> SplitStringListText(std::string_view text);

// ASCII-only lower-casing (A-Z); bytes >= 0x80 and everything else are unchanged.
std::string AsciiLowerCase(std::string_view text);

// The archive (decompressed bytes) split into its fields, names as stored (not
// lower-cased). Throws SkinPackageError for anything outside the format; returns
// false (fields partly filled: header only) when the version is not 20000 or the
// archive is shorter than the 16-byte header (header fields then stay zero).
struct SkinArchiveView {
    uint32_t version = 0;
    int32_t namesLength = 0;
    std::array<uint8_t, 8> reserved{};
    std::vector<std::string> names;      // as stored, archive order
    std::vector<int32_t> sizes;          // one per name, each >= 0
    size_t dataOffset = 0;               // 16 + namesLength + 4 * count
    std::span<const uint8_t> data;       // archive bytes from dataOffset to the end
};
bool ParseSkinArchive(std::span<const uint8_t> archive, SkinArchiveView& out);

class TSkinReader {
public:
    using MessageFn = std::function<void(const std::string& text)>;

    // Receives the version message; the Windows side shows it in a message box with
    // the application title as caption. Without a callback the message is dropped.
    void SetMessageCallback(MessageFn callback) { onMessage_ = std::move(callback); }

    // Reads a whole package (the bytes of a .skn file). Returns false, after sending
    // kOlderSkinMessage to the callback, when the archive version is not 20000
    // (this includes an archive size of 0). Throws SkinPackageError when the package
    // is outside the format; the reader's members are then unchanged.
    bool LoadFromStream(std::span<const uint8_t> source);

    // Copies the first member whose name equals `name` (ASCII case-insensitively:
    // `name` is lower-cased, stored names already are) into dest. dest is cleared
    // first and stays empty without a match. Returns whether a member was found.
    bool ExtractFile(std::string_view name, std::vector<uint8_t>& dest) const;

    // Copies the first member whose (lower-cased) name contains `fragment`
    // (case-sensitive: ".INI" finds nothing) into dest and sets `name` to that
    // member's name. Without a match dest is empty and `name` is unchanged. An empty
    // fragment matches nothing. Returns whether a member was found.
    bool ExtractMatchingFile(std::string_view fragment, std::vector<uint8_t>& dest,
                             std::string& name) const;

    // Decompresses a package file: 4-byte little-endian signed archive size, then
    // the LZHUF stream. Throws SkinPackageError for a file shorter than 4 bytes, a
    // negative size, or a size above 48 bytes per compressed byte (not producible).
    static void Decompress(std::span<const uint8_t> source, std::vector<uint8_t>& dest);

    // The loaded package.
    const std::vector<std::string>& Names() const { return names_; }  // lower-cased
    int32_t Count() const { return count_; }
    const std::array<int32_t, kMaxSkinMembers>& Sizes() const { return sizes_; }
    const std::vector<uint8_t>& Data() const { return data_; }  // member data region
    uint32_t Version() const { return version_; }
    int32_t NamesLength() const { return namesLength_; }
    const std::array<uint8_t, 8>& Reserved() const { return reserved_; }

private:
    // Offset of member i in data_ (sum of the sizes before it).
    const uint8_t* MemberBytes(int index, size_t& size) const;

    MessageFn onMessage_;
    std::vector<std::string> names_;
    int32_t count_ = 0;
    std::array<int32_t, kMaxSkinMembers> sizes_{};
    std::vector<uint8_t> data_;
    uint32_t version_ = 0;
    int32_t namesLength_ = 0;
    std::array<uint8_t, 8> reserved_{};
};

}  // namespace zuno::skin
