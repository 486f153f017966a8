// TSkinData: creation, properties, loading a package (from the stored form data or
// from a file), cutting bitmaps out of the package, and the window-class filter.
// The definition's vocabulary is read in SkinDefinition.cpp.
#include "skin/data/SkinData.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <istream>
#include <limits>
#include <ostream>
#include <stdexcept>

#include "skin/draw/BmpDecoder.h"

namespace zuno::skin {
namespace {

ISkinManagerLink& NoManager() {
    static ISkinManagerLink none;
    return none;
}

// Position of the last byte of `s` that is one of `delimiters`, or npos. A byte
// that is the second half of a code-page-936 character is never a delimiter: the
// trail byte of many Chinese characters is 0x5C, the code of "\".
std::size_t LastDelimiterCp936(std::string_view s, std::string_view delimiters) {
    std::size_t last = std::string_view::npos;
    for (std::size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        if (c >= 0x81 && c <= 0xFE && i + 1 < s.size()) {
            i += 2;
            continue;
        }
        if (delimiters.find(s[i]) != std::string_view::npos) last = i;
        ++i;
    }
    return last;
}

// A regular file's whole content. False when no such file exists (a folder does not
// count); an existing file that cannot be read throws. The path is UTF-8, so that a
// folder named in Chinese opens on Windows too (the path goes to the wide API there).
bool ReadFileIfExists(const std::string& path, std::vector<std::uint8_t>& bytes) {
    if (path.empty()) return false;
    const std::filesystem::path file(std::u8string(path.begin(), path.end()));
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error)) return false;
    std::ifstream in(file, std::ios::binary);
    if (!in) throw std::runtime_error("Cannot open skin file " + path);
    std::vector<std::uint8_t> content;
    std::array<char, 65536> chunk;
    while (in) {
        in.read(chunk.data(), chunk.size());
        const auto got = static_cast<std::size_t>(in.gcount());
        content.insert(content.end(), chunk.begin(), chunk.begin() + static_cast<std::ptrdiff_t>(got));
    }
    if (in.bad()) throw std::runtime_error("Cannot read skin file " + path);
    bytes = std::move(content);
    return true;
}

}  // namespace

TSkinData::TSkinData() : Skin3rd(DefaultSkin3rd()), link_(&NoManager()) {}

TSkinData::~TSkinData() {
    link_->Unregister(*this);
}

void TSkinData::SetManagerLink(ISkinManagerLink* link) {
    link_ = link != nullptr ? link : &NoManager();
}

void TSkinData::SetActive(bool value) {
    if (loading_) {  // the stored value of the owner form; Loaded acts on it
        active_ = value;
        return;
    }
    if (value == active_) return;
    active_ = value;
    switch (SkinFormtype) {
    case TSkinFormType::sfOnlyThisForm:
        link_->MakeCurrent(*this);
        [[fallthrough]];
    case TSkinFormType::sfMainform:
        // Without a skin there is nothing to show: Active reads true, nothing changes.
        if (value && NoSkin) return;
        link_->Schedule(*this, value ? SkinCommand::Activate : SkinCommand::Deactivate);
        link_->MakeCurrent(*this);
        break;
    case TSkinFormType::sfDialog:
        break;
    }
}

void TSkinData::Loaded() {
    loading_ = false;
    link_->Loaded(*this);
    if (SkinFormtype == TSkinFormType::sfMainform && active_) {
        if (NoSkin)
            active_ = false;
        else
            link_->Schedule(*this, SkinCommand::Activate);
    }
}

void TSkinData::ApplySkin() {
    link_->ApplySkin(*this);
}

void TSkinData::FireSkinChanged() {
    if (OnSkinChanged) OnSkinChanged(*this);
}

bool TSkinData::AllowFormClass(const std::string& className, bool answer) {
    if (OnFormSkin) {
        OnFormSkin(*this, className, answer);
        return answer;
    }
    if (className == "SysMonthCal32") return false;
    if (SkinControls.Contains(TSkinControlType::xcFastReport) && className.starts_with("Tfr"))
        return false;
    return answer;
}

bool TSkinData::LoadPackage() {
    NoSkin = true;
    auto state = std::make_unique<LoadState>();
    state->Reader.SetMessageCallback(OnPackageMessage);
    if (!state->Reader.LoadFromStream(PackageStream)) return false;
    // Without a definition member every key reads as absent: the parse still runs.
    std::string definitionName;
    state->Reader.ExtractMatchingFile(".ini", state->MemberStream, definitionName);
    state->Definition.LoadFromStream(state->MemberStream);
    state->MemberStream.clear();

    struct ClearOnExit {
        LoadState*& slot;
        ~ClearOnExit() { slot = nullptr; }
    } clear{load_};
    load_ = state.get();
    ParseDefinition();
    return true;
}

void TSkinData::LoadBitmapMember(SkinBitmap& bitmap, const std::string& value) {
    const std::size_t delimiter = LastDelimiterCp936(value, "\\:");
    const std::string_view name = std::string_view(value).substr(
        delimiter == std::string_view::npos ? 0 : delimiter + 1);
    const std::size_t dot = name.rfind('.');
    // Only the lower-case extension counts: a name ending in ".BMP" is no bitmap.
    if (name.empty() || dot == std::string_view::npos || name.substr(dot) != ".bmp") {
        bitmap.Reset();
        return;
    }
    load_->Reader.ExtractFile(name, load_->MemberStream);
    if (load_->MemberStream.empty()) {
        bitmap.Reset();
        return;
    }
    try {
        bitmap = DecodeBmp(load_->MemberStream);
    } catch (const BmpError& e) {
        // Name the member: the decoder cannot know which one it was given.
        throw BmpError(std::string(name) + ": " + e.what());
    }
    load_->MemberStream.clear();
}

void TSkinData::SetSkinFile(const std::string& path) {
    NoSkin = true;
    skinFile_ = path;
    std::vector<std::uint8_t> bytes;
    // A missing file keeps the old data objects, but the component has no skin now.
    if (!ReadSkinFile(path, bytes)) return;
    PackageStream = std::move(bytes);
    LoadPackage();
    if (SkinFormtype == TSkinFormType::sfMainform) ApplySkin();
}

bool TSkinData::ReadSkinFile(const std::string& path, std::vector<std::uint8_t>& bytes) {
    return ReadFileIfExists(path, bytes);
}

void TSkinData::ReadSkinStream(std::istream& stream) {
    std::array<char, 4> head{};
    stream.read(head.data(), head.size());
    if (stream.gcount() != static_cast<std::streamsize>(head.size()))
        throw std::runtime_error("SkinStream: byte count missing");
    const auto count = static_cast<std::int32_t>(
        std::uint32_t{static_cast<std::uint8_t>(head[0])} |
        (std::uint32_t{static_cast<std::uint8_t>(head[1])} << 8) |
        (std::uint32_t{static_cast<std::uint8_t>(head[2])} << 16) |
        (std::uint32_t{static_cast<std::uint8_t>(head[3])} << 24));
    if (count <= 0) return;

    // Grow with the bytes actually present, so that a damaged count cannot make us
    // reserve gigabytes before finding out the data are not there.
    std::vector<std::uint8_t> bytes;
    std::array<char, 65536> chunk;
    auto left = static_cast<std::size_t>(count);
    while (left > 0) {
        const std::size_t want = std::min(left, chunk.size());
        stream.read(chunk.data(), static_cast<std::streamsize>(want));
        const auto got = static_cast<std::size_t>(stream.gcount());
        bytes.insert(bytes.end(), chunk.begin(), chunk.begin() + static_cast<std::ptrdiff_t>(got));
        if (got != want)
            throw std::runtime_error("SkinStream: stored skin package truncated");
        left -= got;
    }
    PackageStream = std::move(bytes);
    LoadPackage();
}

void TSkinData::WriteSkinStream(std::ostream& stream) const {
    if (PackageStream.size() > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max()))
        throw std::length_error("SkinStream: skin package too large to store");
    const auto count = static_cast<std::uint32_t>(PackageStream.size());
    const std::array<char, 4> head = {
        static_cast<char>(count & 0xFF), static_cast<char>((count >> 8) & 0xFF),
        static_cast<char>((count >> 16) & 0xFF), static_cast<char>((count >> 24) & 0xFF)};
    stream.write(head.data(), head.size());
    if (!PackageStream.empty())
        stream.write(reinterpret_cast<const char*>(PackageStream.data()),
                     static_cast<std::streamsize>(PackageStream.size()));
}

}  // namespace zuno::skin
