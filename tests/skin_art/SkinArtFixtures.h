// Shared by the skin art tests: every shipped skin generated once per test run,
// packed with the real archive writer and loaded with the real skin data component.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "authoring/skinart/SkinArt.h"
#include "skin/data/SkinData.h"

namespace zuno::skinart::test {

// The generated skin of a style, made once and kept for the whole run.
const GeneratedSkin& Generated(const SkinStyle& style);

// The skin as a package file (.skn bytes), members in file-name order.
std::vector<std::uint8_t> PackageBytes(const GeneratedSkin& skin);

// Loads the package into `data` through PackageStream and LoadPackage.
bool LoadInto(skin::TSkinData& data, const GeneratedSkin& skin);

// The bitmap a definition key names, or nullptr.
const skin::SkinBitmap* NamedBitmap(const GeneratedSkin& skin, const std::string& section,
                                    const std::string& key);

// Tests over every skin take the skin's id as their parameter.
std::vector<std::string> AllStyles();
std::string StyleName(const testing::TestParamInfo<std::string>& info);

class SkinParamTest : public testing::TestWithParam<std::string> {
protected:
    const SkinStyle& style() const { return *FindSkinStyle(GetParam()); }
    const GeneratedSkin& skin() const { return Generated(style()); }
};

}  // namespace zuno::skinart::test
