// The skin menu's listing rule and the caption <-> file name mapping.
#include "tools/core/SkinChoiceRules.h"

namespace zuno::tools {

bool ListedAsSkinPackage(std::uint32_t attributes) {
    return (attributes & (kAttributeHidden | kAttributeSystem | kAttributeVolume | kAttributeDirectory)) == 0;
}

std::wstring SkinEntryCaption(std::wstring_view fileName) {
    return std::wstring(fileName.substr(0, fileName.size() >= 4 ? fileName.size() - 4 : 0));
}

std::wstring SkinFileOfEntry(std::wstring_view caption) { return std::wstring(caption) + L".skn"; }

}  // namespace zuno::tools
