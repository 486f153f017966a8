// Small skin packages built in memory for the skin data tests: a definition text and
// bitmaps whose pixels tell where they came from, packed with the real writer.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "skin/data/SkinData.h"
#include "skin/package/LzhEncoder.h"

namespace zuno::skin::test {

// Pixel (x, y) of every test bitmap: red = x, green = y, blue = `tag` (all mod 256).
Pixel32 TestPixel(int x, int y, std::uint8_t tag);

// A w x h 24-bit BMP file with TestPixel content.
std::vector<std::uint8_t> Bmp(int width, int height, std::uint8_t tag = 0x40);

SkinPackageMember Member(std::string name, std::vector<std::uint8_t> bytes);
SkinPackageMember TextMember(std::string name, std::string_view text);

// A package whose definition member "skin.ini" holds `definition`, plus `others`.
std::vector<std::uint8_t> SkinPackage(std::string_view definition,
                                      std::vector<SkinPackageMember> others = {});

// Puts the package into data.PackageStream and runs LoadPackage.
bool LoadSkin(TSkinData& data, std::string_view definition,
              std::vector<SkinPackageMember> others = {});

}  // namespace zuno::skin::test
