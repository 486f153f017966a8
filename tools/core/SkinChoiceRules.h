// The skin menu's rules apart from the file system and the menu: which directory
// entries become entries, an entry's caption, and the package file it stands for.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace zuno::tools {

// File attribute bits as the file system reports them (FILE_ATTRIBUTE_*).
inline constexpr std::uint32_t kAttributeReadOnly = 0x01;
inline constexpr std::uint32_t kAttributeHidden = 0x02;
inline constexpr std::uint32_t kAttributeSystem = 0x04;
inline constexpr std::uint32_t kAttributeVolume = 0x08;
inline constexpr std::uint32_t kAttributeDirectory = 0x10;
inline constexpr std::uint32_t kAttributeArchive = 0x20;

// The listing asks for the attribute mask "archive" (32): every plain file is
// listed, archive and read-only or not; folders, hidden and system files are not.
bool ListedAsSkinPackage(std::uint32_t attributes);

// An entry's caption: the file name without its last four characters (".skn").
// Nothing else is done to it: the caption is all the entry knows of its file.
std::wstring SkinEntryCaption(std::wstring_view fileName);

// The package file name an entry stands for: its caption + ".skn".
std::wstring SkinFileOfEntry(std::wstring_view caption);

}  // namespace zuno::tools
