// Generation cache and package helpers of the skin art tests.
#include <gtest/gtest.h>

#include "SkinArtFixtures.h"

#include <algorithm>
#include <map>
#include <memory>

#include "skin/package/LzhEncoder.h"

namespace zuno::skinart::test {

const GeneratedSkin& Generated(const SkinStyle& style) {
    static std::map<std::string, std::unique_ptr<GeneratedSkin>> cache;
    auto& slot = cache[style.id];
    if (!slot) slot = std::make_unique<GeneratedSkin>(GenerateSkin(style));
    return *slot;
}

std::vector<std::uint8_t> PackageBytes(const GeneratedSkin& skin) {
    // In file-name order, as zuno-skinpack packs a folder.
    std::vector<skin::SkinPackageMember> members;
    for (auto& [name, bytes] : SkinFiles(skin)) members.push_back({name, bytes});
    std::sort(members.begin(), members.end(), [](const auto& a, const auto& b) { return a.name < b.name; });
    return skin::WriteSkinPackage(members);
}

bool LoadInto(skin::TSkinData& data, const GeneratedSkin& skin) {
    data.PackageStream = PackageBytes(skin);
    return data.LoadPackage();
}

const skin::SkinBitmap* NamedBitmap(const GeneratedSkin& skin, const std::string& section,
                                    const std::string& key) {
    const std::string* member = skin.definition.Find(section, key);
    if (!member) return nullptr;
    const SkinMember* m = skin.FindMember(*member);
    return m ? &m->bitmap : nullptr;
}

std::string StyleName(const testing::TestParamInfo<std::string>& info) {
    std::string name = info.param;
    for (char& c : name)
        if (c == '-') c = '_';
    return name;
}

std::vector<std::string> AllStyles() {
    std::vector<std::string> ids;
    for (const SkinStyle& s : AllSkinStyles()) ids.push_back(s.id);
    return ids;
}

}  // namespace zuno::skinart::test
