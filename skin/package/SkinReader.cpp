// Skin package reader: package file -> archive -> names, sizes and member data.
// Every length read from the file is checked against what is there before use.
#include "skin/package/SkinReader.h"

#include <algorithm>
#include <cstring>

#include "skin/package/Lzh.h"

namespace zuno::skin {

namespace {
int32_t ReadInt32(const uint8_t* p) {
    const uint32_t v = uint32_t{p[0]} | uint32_t{p[1]} << 8 | uint32_t{p[2]} << 16 | uint32_t{p[3]} << 24;
    return static_cast<int32_t>(v);
}
}  // namespace

void ForEachStringListLine(std::string_view text, const std::function<bool(std::string_view)>& line) {
    const size_t nul = text.find('\0');
    if (nul != std::string_view::npos) text = text.substr(0, nul);
    size_t i = 0;
    while (i < text.size()) {
        const size_t start = i;
        while (i < text.size() && text[i] != '\r' && text[i] != '\n') ++i;
        if (!line(text.substr(start, i - start))) return;
        if (i < text.size() && text[i] == '\r') ++i;
        if (i < text.size() && text[i] == '\n') ++i;
    }
}

std::vector<std::string> SplitStringListText(std::string_view text) {
    std::vector<std::string> lines;
    ForEachStringListLine(text, [&](std::string_view l) {
        lines.emplace_back(l);
        return true;
    });
    return lines;
}

std::string AsciiLowerCase(std::string_view text) {
    std::string s(text);
    for (char& ch : s)
        if (ch >= 'A' && ch <= 'Z') ch = static_cast<char>(ch + ('a' - 'A'));
    return s;
}

bool ParseSkinArchive(std::span<const uint8_t> archive, SkinArchiveView& out) {
    out = SkinArchiveView{};
    // Shorter than the header: the fields stay zero and the version test fails.
    if (archive.size() < kSkinArchiveHeaderSize) return false;
    out.version = static_cast<uint32_t>(ReadInt32(archive.data()));
    out.namesLength = ReadInt32(archive.data() + 4);
    std::memcpy(out.reserved.data(), archive.data() + 8, 8);
    if (out.version != kSkinArchiveVersion) return false;

    const size_t size = archive.size();
    if (out.namesLength < 0)
        throw SkinPackageError("skin package: negative name-list length " + std::to_string(out.namesLength));
    if (static_cast<uint64_t>(out.namesLength) > size - kSkinArchiveHeaderSize)
        throw SkinPackageError("skin package: name list (" + std::to_string(out.namesLength) +
                               " bytes) runs past the end of the archive");
    const std::string_view text(reinterpret_cast<const char*>(archive.data()) + kSkinArchiveHeaderSize,
                                static_cast<size_t>(out.namesLength));
    // Stop at the first name beyond the table: a hostile list of line breaks must not
    // turn into millions of strings before it is refused.
    ForEachStringListLine(text, [&](std::string_view name) {
        out.names.emplace_back(name);
        return out.names.size() <= static_cast<size_t>(kMaxSkinMembers);
    });
    const size_t count = out.names.size();
    if (count > static_cast<size_t>(kMaxSkinMembers))
        throw SkinPackageError("skin package: more than " + std::to_string(kMaxSkinMembers) + " member names");

    const size_t tableOffset = kSkinArchiveHeaderSize + static_cast<size_t>(out.namesLength);
    if (4 * count > size - tableOffset)
        throw SkinPackageError("skin package: size table runs past the end of the archive");
    out.dataOffset = tableOffset + 4 * count;
    out.data = archive.subspan(out.dataOffset);

    uint64_t total = 0;
    out.sizes.resize(count);
    for (size_t i = 0; i < count; ++i) {
        const int32_t s = ReadInt32(archive.data() + tableOffset + 4 * i);
        if (s < 0)
            throw SkinPackageError("skin package: member " + std::to_string(i) + " has negative size " +
                                   std::to_string(s));
        out.sizes[i] = s;
        total += static_cast<uint64_t>(s);
    }
    if (total > out.data.size())
        throw SkinPackageError("skin package: member sizes (" + std::to_string(total) +
                               " bytes) run past the end of the data (" + std::to_string(out.data.size()) +
                               " bytes)");
    return true;
}

void TSkinReader::Decompress(std::span<const uint8_t> source, std::vector<uint8_t>& dest) {
    dest.clear();
    if (source.size() < 4)
        throw SkinPackageError("skin package: file of " + std::to_string(source.size()) +
                               " bytes holds no archive size");
    const int32_t count = ReadInt32(source.data());
    const std::span<const uint8_t> stream = source.subspan(4);
    if (count < 0) throw SkinPackageError("skin package: negative archive size " + std::to_string(count));
    const uint64_t cap = lzh::MaxOutputPerInputByte * stream.size();
    if (static_cast<uint64_t>(count) > cap)
        throw SkinPackageError("skin package: archive size " + std::to_string(count) + " cannot come from " +
                               std::to_string(stream.size()) + " compressed bytes (at most " +
                               std::to_string(cap) + ")");
    dest = TLZH::Unpack(count, stream);
}

bool TSkinReader::LoadFromStream(std::span<const uint8_t> source) {
    std::vector<uint8_t> archive;
    Decompress(source, archive);

    SkinArchiveView view;
    const bool ok = ParseSkinArchive(archive, view);
    version_ = view.version;
    namesLength_ = view.namesLength;
    reserved_ = view.reserved;
    if (!ok) {
        if (onMessage_) onMessage_(kOlderSkinMessage);
        return false;
    }
    names_.clear();
    for (const std::string& n : view.names) names_.push_back(AsciiLowerCase(n));
    count_ = static_cast<int32_t>(view.names.size());
    sizes_.fill(0);
    std::copy(view.sizes.begin(), view.sizes.end(), sizes_.begin());
    data_.assign(view.data.begin(), view.data.end());
    return true;
}

const uint8_t* TSkinReader::MemberBytes(int index, size_t& size) const {
    size_t offset = 0;
    for (int i = 0; i < index; ++i) offset += static_cast<size_t>(sizes_[i]);
    size = static_cast<size_t>(sizes_[index]);
    return data_.data() + offset;  // in bounds: the sizes were checked against data_ on load
}

bool TSkinReader::ExtractFile(std::string_view name, std::vector<uint8_t>& dest) const {
    dest.clear();
    const std::string wanted = AsciiLowerCase(name);
    for (int i = 0; i < count_; ++i) {
        if (names_[i] == wanted) {
            size_t size = 0;
            const uint8_t* p = MemberBytes(i, size);
            dest.assign(p, p + size);
            return true;
        }
    }
    return false;
}

bool TSkinReader::ExtractMatchingFile(std::string_view fragment, std::vector<uint8_t>& dest,
                                      std::string& name) const {
    dest.clear();
    if (fragment.empty()) return false;  // an empty fragment is found nowhere
    for (int i = 0; i < count_; ++i) {
        if (names_[i].find(fragment) != std::string::npos) {
            size_t size = 0;
            const uint8_t* p = MemberBytes(i, size);
            dest.assign(p, p + size);
            name = names_[i];
            return true;
        }
    }
    return false;
}

}  // namespace zuno::skin
