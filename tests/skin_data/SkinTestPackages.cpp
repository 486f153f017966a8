// Builders of the in-memory skin packages the skin data tests load.
#include "tests/skin_data/SkinTestPackages.h"

#include "skin/draw/BmpEncoder.h"

namespace zuno::skin::test {

Pixel32 TestPixel(int x, int y, std::uint8_t tag) {
    return MakePixel(static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y), tag);
}

std::vector<std::uint8_t> Bmp(int width, int height, std::uint8_t tag) {
    SkinBitmap bitmap(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) bitmap.SetPixel(x, y, TestPixel(x, y, tag));
    return EncodeBmp24(bitmap);
}

SkinPackageMember Member(std::string name, std::vector<std::uint8_t> bytes) {
    return SkinPackageMember{std::move(name), std::move(bytes)};
}

SkinPackageMember TextMember(std::string name, std::string_view text) {
    return SkinPackageMember{std::move(name), std::vector<std::uint8_t>(text.begin(), text.end())};
}

std::vector<std::uint8_t> SkinPackage(std::string_view definition,
                                      std::vector<SkinPackageMember> others) {
    std::vector<SkinPackageMember> members;
    members.push_back(TextMember("skin.ini", definition));
    for (auto& m : others) members.push_back(std::move(m));
    return WriteSkinPackage(members);
}

bool LoadSkin(TSkinData& data, std::string_view definition,
              std::vector<SkinPackageMember> others) {
    data.PackageStream = SkinPackage(definition, std::move(others));
    return data.LoadPackage();
}

}  // namespace zuno::skin::test
