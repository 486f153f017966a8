// The written definitions: parsed back with the program's own definition reader,
// every key spelled as the program reads it, every bitmap named and present, member
// names the reader can find, the skin name in GBK, and all colour slots given.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <set>

#include "SkinArtFixtures.h"
#include "skin/package/QuickIni.h"

namespace zuno::skinart::test {
namespace {

class DefinitionTest : public SkinParamTest {
protected:
    skin::TQuickIni Parsed() const {
        skin::TQuickIni ini;
        ini.LoadFromText(skin().definition.AnsiText());
        return ini;
    }
};

// Every bitmap key the program reads, written as it reads it. A misspelt key (say
// "CheckButtons" or "Glyphimage" in the wrong section) leaves that object empty.
struct BitmapKey {
    const char* section;
    const char* key;
};
constexpr BitmapKey kBitmapKeys[] = {
    {"Personality", "Left"}, {"Personality", "Right"}, {"Personality", "Top"},
    {"Personality", "Bottom"}, {"Personality", "TextBack"}, {"Personality", "menuBar"},
    {"MDICONTROLS", "Image"}, {"Buttons", "Bitmap"}, {"Buttons", "CheckButton"},
    {"Buttons", "RadioButton"}, {"Progress", "Bitmap"}, {"Tabs", "Image"}, {"Tabs", "Border"},
    {"StatusBarEdges", "Image"}, {"ComboButton", "Image"}, {"SunkEdge", "Image"},
    {"ExtraImages", "Image"}, {"Headerbar", "Image"}, {"MenuItem", "Image"},
    {"MenuBackground", "Image"}, {"Scrollbar", "Image"}, {"HorzScroll", "Image"},
    {"VertScroll", "Image"}, {"HorzScrollThumb", "Image"}, {"VertScrollThumb", "Image"},
    {"Trackbar.ThumbHorz", "Image"}, {"Trackbar.ThumbVert", "Image"}, {"UpDown.Horz", "Image"},
    {"UpDown.Horz", "GlyphImage"}, {"UpDown.Vert", "Image"}, {"UpDown.Vert", "GlyphImage"},
    {"ButtonClose", "ButtonImage"}, {"ButtonMax", "ButtonImage"}, {"ButtonRestore", "ButtonImage"},
    {"ButtonMin", "ButtonImage"}, {"ButtonOrnament", "ButtonImage"},
};

TEST_P(DefinitionTest, EveryBitmapKeyNamesAMemberThatExists) {
    const skin::TQuickIni ini = Parsed();
    for (const BitmapKey& k : kBitmapKeys) {
        SCOPED_TRACE(std::string(k.section) + "/" + k.key);
        const std::string member = ini.ReadString(k.section, k.key, "");
        ASSERT_FALSE(member.empty());
        const SkinMember* m = skin().FindMember(member);
        ASSERT_NE(m, nullptr);
        EXPECT_FALSE(m->bitmap.Empty());
    }
}

TEST_P(DefinitionTest, ReaderSeesEveryValueAsWritten) {
    // Catches lines the reader would split differently (a value with CR, a key
    // repeated earlier in the same section, a section header written twice).
    const skin::TQuickIni ini = Parsed();
    for (const auto& section : skin().definition.Sections()) {
        for (const auto& [key, value] : section.keys) {
            SCOPED_TRACE(section.name + "/" + key);
            if (section.name == "TitlebarSkin") continue;  // GBK, checked below
            EXPECT_EQ(ini.ReadString(section.name, key, "<absent>"), value);
        }
    }
}

TEST_P(DefinitionTest, MemberNamesAreLowerCaseAsciiBmpNames) {
    std::set<std::string> named;
    for (const auto& section : skin().definition.Sections())
        for (const auto& kv : section.keys) named.insert(kv.second);
    for (const SkinMember& m : skin().members) {
        SCOPED_TRACE(m.name);
        // The program ignores a value whose extension is not exactly ".bmp".
        ASSERT_GT(m.name.size(), 4u);
        EXPECT_EQ(m.name.substr(m.name.size() - 4), ".bmp");
        EXPECT_TRUE(std::all_of(m.name.begin(), m.name.end(), [](char c) {
            return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' || c == '.';
        }));
        EXPECT_TRUE(named.count(m.name)) << "a member no key names";
    }
}

TEST_P(DefinitionTest, SkinNameIsWrittenInGbk) {
    struct Expected {
        const char* id;
        std::vector<std::uint8_t> gbk;
    };
    const std::vector<Expected> table = {
        {"fresh", {0xC7, 0xE5, 0xD0, 0xC2, 0xC0, 0xB6, 0xB0, 0xD7}},
        {"classic-blue", {0xBE, 0xAD, 0xB5, 0xE4, 0xC0, 0xB6}},
        {"jade", {0xF4, 0xE4, 0xB4, 0xE4, 0xC2, 0xCC}},
        {"dark", {0xB0, 0xB5, 0xD2, 0xB9, 0xBA, 0xDA}},
        {"sakura", {0xD3, 0xA3, 0xBB, 0xA8, 0xB7, 0xDB}},
        {"silver", {0xD2, 0xF8, 0xBB, 0xD2}},
    };
    const auto it = std::find_if(table.begin(), table.end(), [&](const Expected& e) { return e.id == GetParam(); });
    ASSERT_NE(it, table.end()) << "a skin without an expected GBK name";
    const std::string name = Parsed().ReadString("TitlebarSkin", "SkinName", "");
    EXPECT_EQ(std::vector<std::uint8_t>(name.begin(), name.end()), it->gbk);
}

TEST_P(DefinitionTest, EveryColourSlotIsGivenAsATriple) {
    const char* slots[] = {"ButtonFace", "Scrollbar", "HilightText", "Hilight", "Menubar", "Menu",
                           "MenuText", "ButtonText", "ButtonHilight", "ButtonShadow", "ButtonDkShadow",
                           "MenuBarText", "TitleTextActive", "TitleTextNoActive"};
    const skin::TQuickIni ini = Parsed();
    for (const char* slot : slots) {
        SCOPED_TRACE(slot);
        const std::string value = ini.ReadString("Colours", slot, "");
        int r = -1, g = -1, b = -1;
        char rest = 0;
        ASSERT_EQ(std::sscanf(value.c_str(), "%d %d %d%c", &r, &g, &b, &rest), 3) << value;
        for (int c : {r, g, b}) EXPECT_TRUE(c >= 0 && c <= 255) << value;
    }
}

TEST_P(DefinitionTest, TitleButtonSectionsCarryTheirRoles) {
    struct Role {
        const char* section;
        int action, visibility, align;
    };
    const Role roles[] = {
        {"ButtonClose", 0, 0, 1},   {"ButtonMax", 1, 2, 1}, {"ButtonRestore", 1, 1, 1},
        {"ButtonMin", 2, 0, 1},     {"ButtonIcon", 3, 0, 0}, {"ButtonOrnament", -1, 0, 3},
    };
    const skin::TQuickIni ini = Parsed();
    for (const Role& r : roles) {
        SCOPED_TRACE(r.section);
        EXPECT_EQ(ini.ReadInteger(r.section, "Action", 99), r.action);
        EXPECT_EQ(ini.ReadInteger(r.section, "Visibility", 99), r.visibility);
        EXPECT_EQ(ini.ReadInteger(r.section, "Visibility1", 99), 0);
        EXPECT_EQ(ini.ReadInteger(r.section, "Align", 99), r.align);
    }
    // Maximise and restore swap in one place.
    EXPECT_EQ(ini.ReadInteger("ButtonMax", "Xcoord", 0), ini.ReadInteger("ButtonRestore", "Xcoord", 1));
}

INSTANTIATE_TEST_SUITE_P(Skins, DefinitionTest, testing::ValuesIn(AllStyles()), StyleName);

}  // namespace
}  // namespace zuno::skinart::test
