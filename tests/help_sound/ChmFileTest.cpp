// ZunoHelp.chm as the build writes it: an ITSF container marked Simplified Chinese
// that stores every help page, the contents, the index and the style sheet, and whose
// #SYSTEM file names the GBK title, the start page and the navigation files.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>

#include "tests/help_sound/ChmDirectory.h"
#include "tests/help_sound/TestFiles.h"

namespace zuno::testing {
namespace {

std::string Chm() { return ReadBytes(ZUNO_HELP_CHM); }

TEST(HelpFile, StartsWithItsf) {
    const std::string chm = Chm();
    ASSERT_GE(chm.size(), 4u);
    EXPECT_EQ(chm.substr(0, 4), "ITSF");
}

TEST(HelpFile, HeaderSaysSimplifiedChinese) {
    const std::string chm = Chm();
    const ChmDirectory dir = ReadChmDirectory(chm);
    EXPECT_EQ(dir.version, 3u);
    EXPECT_EQ(dir.lcid, 0x0804u);
}

TEST(HelpFile, StoresEveryPageAndTheNavigationFiles) {
    const std::string chm = Chm();
    const ChmDirectory dir = ReadChmDirectory(chm);
    int pages = 0;
    for (const auto& item : std::filesystem::directory_iterator(ZUNO_HELP_SOURCE_DIR)) {
        if (item.path().extension() != ".htm") continue;
        ++pages;
        const std::string name = "/" + item.path().filename().string();
        const ChmEntry* e = dir.Find(name);
        ASSERT_NE(e, nullptr) << name;
        EXPECT_GT(e->length, 500u) << name;
    }
    EXPECT_GE(pages, 15);
    for (const char* name : {"/ZunoHelp.hhc", "/ZunoHelp.hhk", "/zuno.css", "/#SYSTEM", "/#WINDOWS"})
        EXPECT_NE(dir.Find(name), nullptr) << name;
}

TEST(HelpFile, SystemFileNamesTitleStartPageAndNavigation) {
    const std::string chm = Chm();
    const ChmDirectory dir = ReadChmDirectory(chm);
    const ChmEntry* system = dir.Find("/#SYSTEM");
    ASSERT_NE(system, nullptr);
    const std::string data = ReadSection0(dir, chm, *system);
    ASSERT_GE(data.size(), 4u);
    // After a version number, records of code, length and data.
    std::map<uint16_t, std::string> records;
    for (size_t at = 4; at + 4 <= data.size();) {
        const uint16_t code = Le16(data, at);
        const uint16_t length = Le16(data, at + 2);
        ASSERT_LE(at + 4 + length, data.size());
        records[code] = data.substr(at + 4, length);
        at += 4 + length;
    }
    auto text = [&](uint16_t code) {
        const std::string& r = records[code];
        return r.substr(0, r.find('\0'));
    };
    EXPECT_EQ(text(0), "ZunoHelp.hhc");
    EXPECT_EQ(text(1), "ZunoHelp.hhk");
    EXPECT_EQ(text(2), "index.htm");
    EXPECT_EQ(text(5), "main");
    ASSERT_GE(records[4].size(), 4u);
    EXPECT_EQ(Le32(records[4], 0), 0x0804u);
    // The title is stored in the help file's code page: GBK.
    const auto title = GbkToUtf8(text(3));
    ASSERT_TRUE(title.has_value());
    EXPECT_EQ(*title, "心理测试Mobix 4.3 使用说明");
}

TEST(ChmReader, RefusesWhatIsNotItsf) {
    EXPECT_THROW(ReadChmDirectory("MZ this is not a help file at all, it is far too short"), std::runtime_error);
    std::string chm = Chm();
    chm[0x48] = '\xff';  // directory offset far beyond the end
    EXPECT_THROW(ReadChmDirectory(chm), std::runtime_error);
}

}  // namespace
}  // namespace zuno::testing
