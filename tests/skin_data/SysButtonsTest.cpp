// Title-bar buttons: which sections become buttons, their frame counts and images,
// and the three MDI child buttons cut from the [MDICONTROLS] strip.
#include <gtest/gtest.h>

#include "tests/skin_data/SkinTestPackages.h"

namespace zuno::skin {
namespace {

using test::Bmp;
using test::LoadSkin;
using test::Member;
using test::TestPixel;

std::vector<std::string> ButtonNames(const TSkinData& data) {
    std::vector<std::string> names;
    for (const auto& b : data.SysButtons) names.push_back(b->Name);
    return names;
}

TEST(SkinDataSysButtonSelection, KeepsButtonSectionsByTheNameAndActionRules) {
    TSkinData data;
    ASSERT_TRUE(LoadSkin(data, R"([Button]
Action=1
[Buttons]
Action=1
[Button.Checkbox]
[BUTTON.radio]
[button1]
Action=2
[MyButton]
Action=2
[Button7]
Visibility=-1
[Button8]
Action=-1
[Button9]
Action=-1
Visibility=0
[ButtonX]
Action=-1
Visibility=1
[Buttonsx]
Action=4
)"));
    // Kept in file order, names upper-cased; then the three unnamed MDI buttons.
    const std::vector<std::string> expected = {"BUTTON1", "BUTTON7", "BUTTON9", "BUTTONSX", "", "", ""};
    EXPECT_EQ(ButtonNames(data), expected);
}

TEST(SkinDataSysButtonSelection, ReadsEveryKeyWithItsDefault) {
    TSkinData data;
    ASSERT_TRUE(LoadSkin(data, R"([Button1]
Action=5
Align=1
Xcoord=30
Ycoord=4
Visibility=2
Visibility1=3
CombineOp=1
[Button2]
[Button3]
Action=-1
Visibility=0
)"));
    ASSERT_EQ(data.SysButtons.size(), 6u);
    const TDataSkinSysButton& full = *data.SysButtons[0];
    EXPECT_EQ(full.Action, 5);
    EXPECT_EQ(full.Align, 1);
    EXPECT_EQ(full.Xcoord, 30);
    EXPECT_EQ(full.Ycoord, 4);
    EXPECT_EQ(full.Visibility, 2);
    EXPECT_EQ(full.Visibility1, 3);
    EXPECT_EQ(full.CombineOp, 1);
    const TDataSkinSysButton& bare = *data.SysButtons[1];
    EXPECT_EQ(bare.Action, 0);
    EXPECT_EQ(bare.Visibility, 0) << "the -1 default is only for the selection test";
    EXPECT_EQ(bare.Visibility1, 0);
    EXPECT_EQ(bare.CombineOp, -1);
    EXPECT_EQ(data.SysButtons[2]->Visibility1, -1) << "Action -1 makes Visibility1 default -1";
}

struct FrameCase {
    const char* keys;  // lines of the button's section besides ButtonImage
    int width, height; // 0 x 0: no ButtonImage key
    int frames;
    bool keepsImage;
    const char* note;
};

TEST(SkinDataSysButtonFrames, DerivesOrKeepsTheFrameCount) {
    const FrameCase cases[] = {
        {"Action=1", 60, 20, 3, true, "60 x 20 without frame key"},
        {"Action=1", 120, 20, 6, true, "120 x 20 without frame key"},
        {"Action=1", 0, 0, 6, false, "no image"},
        {"Action=3\nframe=2", 60, 20, 2, true, "a given frame count stands, image kept for Action 3"},
        {"Action=3", 60, 20, 3, false, "Action 3: the window icon replaces the image"},
        {"Action=11", 120, 20, 6, false, "Action 11 likewise"},
        {"Action=-1\nVisibility=0", 60, 20, 6, true, "negative Action: six"},
        {"Action=1\nframe=0x2", 60, 20, 2, true, "hexadecimal frame key"},
    };
    for (const FrameCase& c : cases) {
        std::string definition = std::string("[Button1]\n") + c.keys + "\n";
        std::vector<SkinPackageMember> members;
        if (c.width > 0) {
            definition += "ButtonImage=b1.bmp\n";
            members.push_back(Member("b1.bmp", Bmp(c.width, c.height)));
        }
        TSkinData data;
        ASSERT_TRUE(LoadSkin(data, definition, std::move(members)));
        ASSERT_EQ(data.SysButtons.size(), 4u) << c.note;
        EXPECT_EQ(data.SysButtons[0]->FrameCount, c.frames) << c.note;
        EXPECT_EQ(!data.SysButtons[0]->Bitmap.Empty(), c.keepsImage) << c.note;
    }
}

TEST(SkinDataMdiButtons, FollowTheTitleButtonsWithFixedValues) {
    TSkinData data;
    ASSERT_TRUE(LoadSkin(data, "[Button1]\nAction=1\n"));
    ASSERT_EQ(data.SysButtons.size(), 4u);
    for (int j = 0; j < 3; ++j) {
        const TDataSkinSysButton& b = *data.SysButtons[1 + static_cast<size_t>(j)];
        EXPECT_EQ(b.Action, 7 + j);
        EXPECT_EQ(b.Align, 100);
        EXPECT_EQ(b.Visibility, 100);
        EXPECT_EQ(b.Visibility1, 100);
        EXPECT_EQ(b.FrameCount, 4);
        EXPECT_EQ(b.Xcoord, 0) << "no strip: no position";
        EXPECT_EQ(b.Ycoord, 0);
        EXPECT_TRUE(b.Bitmap.Empty());
    }
}

TEST(SkinDataMdiButtons, SplitTheStripIntoThreeButtonsOfFourFrames) {
    TSkinData data;
    ASSERT_TRUE(LoadSkin(data, "[MDICONTROLS]\nImage=mdi.bmp\n", {Member("mdi.bmp", Bmp(120, 10))}));
    ASSERT_EQ(data.SysButtons.size(), 3u);
    const int expectedX[] = {42, 28, 14};
    for (int j = 0; j < 3; ++j) {
        const TDataSkinSysButton& b = *data.SysButtons[static_cast<size_t>(j)];
        ASSERT_EQ(b.Bitmap.Width(), 40);
        ASSERT_EQ(b.Bitmap.Height(), 10);
        EXPECT_EQ(b.Xcoord, expectedX[j]);
        // Columns 40j .. 40j + 39 of the strip, row by row.
        EXPECT_EQ(PixelRgb(b.Bitmap.Pixel(0, 0)), TestPixel(40 * j, 0, 0x40));
        EXPECT_EQ(PixelRgb(b.Bitmap.Pixel(39, 9)), TestPixel(40 * j + 39, 9, 0x40));
    }
}

TEST(SkinDataMdiButtons, StripNarrowerThanTwelveGivesEmptyButtons) {
    TSkinData data;
    ASSERT_TRUE(LoadSkin(data, "[MDICONTROLS]\nImage=mdi.bmp\n", {Member("mdi.bmp", Bmp(11, 10))}));
    ASSERT_EQ(data.SysButtons.size(), 3u);
    EXPECT_TRUE(data.SysButtons[0]->Bitmap.Empty());
    EXPECT_EQ(data.SysButtons[0]->Xcoord, 12);
    EXPECT_EQ(data.SysButtons[2]->Xcoord, 4);
}

TEST(SkinDataSysButtons, AreReplacedNotAppendedOnReload) {
    TSkinData data;
    ASSERT_TRUE(LoadSkin(data, "[Button1]\n[Button2]\n"));
    ASSERT_EQ(data.SysButtons.size(), 5u);
    ASSERT_TRUE(LoadSkin(data, "[Button1]\n"));
    EXPECT_EQ(data.SysButtons.size(), 4u);
}

}  // namespace
}  // namespace zuno::skin
