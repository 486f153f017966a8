// The component's properties as created, the window-class filter, and what it hands
// to the skin manager when Active changes or the owner form has been read.
#include <gtest/gtest.h>

#include "tests/skin_data/SkinTestPackages.h"

namespace zuno::skin {
namespace {

TEST(SkinDataCreation, SetsThePropertyDefaults) {
    TSkinData data;
    EXPECT_FALSE(data.Active());
    EXPECT_EQ(data.DisableTag, 99);
    EXPECT_EQ(data.SkinFormtype, TSkinFormType::sfMainform);
    EXPECT_TRUE(data.MenuUpdate);
    EXPECT_EQ(data.SkinFile(), "");
    EXPECT_EQ(data.SkinStore(), "(none)");
    EXPECT_EQ(data.Version(), "1.0.0");
    EXPECT_EQ(data.FramePaintEnabled, 1);
    EXPECT_TRUE(data.NoSkin);
    EXPECT_TRUE(data.PackageStream.empty());
    EXPECT_TRUE(data.AppIcon.Empty());
    EXPECT_EQ(data.Title.Name, "Title");
    EXPECT_EQ(data.Buttons.Name, "Buttons");
    EXPECT_EQ(data.LeftBorder.Name, "Left");
    EXPECT_EQ(data.RightBorder.Name, "Right");
    EXPECT_EQ(data.TopBorder.Name, "Top");
    EXPECT_EQ(data.BottomBorder.Name, "Bottom");
}

TEST(SkinDataCreation, SkinsEveryControlKindButFastReport) {
    TSkinData data;
    for (int i = 0; i < kSkinControlTypeCount; ++i) {
        const auto kind = static_cast<TSkinControlType>(i);
        EXPECT_EQ(data.SkinControls.Contains(kind), kind != TSkinControlType::xcFastReport) << i;
    }
    EXPECT_EQ(data.SkinControls.Bits(), 0x3FFFFu) << "bit n is value n; xcFastReport is bit 18";
}

TEST(SkinDataCreation, StartsWithThe85ThirdPartyLinesInOrder) {
    TSkinData data;
    ASSERT_EQ(data.Skin3rd.size(), 85u);
    EXPECT_EQ(data.Skin3rd.front(), "TTBDock=Panel");
    EXPECT_EQ(data.Skin3rd[14], "TDBCheckboxEh=Checkbox");
    EXPECT_EQ(data.Skin3rd[15], "TDBCheckboxEh=Checkbox") << "repeats are kept";
    EXPECT_EQ(data.Skin3rd[71], "TcxButton=bitbtn");
    EXPECT_EQ(data.Skin3rd.back(), "TOVCDBNUMERICFIELD=Edit");
    data.Skin3rd.push_back("TMine=Edit");
    EXPECT_EQ(TSkinData().Skin3rd.size(), 85u) << "each component owns its copy";
}

struct ClassCase {
    const char* className;
    bool fastReportSkipped;  // xcFastReport in SkinControls
    bool allowed;
};

TEST(SkinDataAllowFormClass, FiltersMonthCalendarsAndFastReportWindows) {
    const ClassCase cases[] = {
        {"TForm1", false, true},
        {"SysMonthCal32", false, false},
        {"SysMonthCal32", true, false},
        {"sysmonthcal32", false, true},   // the class name is compared exactly
        {"TfrPreviewForm", false, true},  // by default report windows are skinned
        {"TfrPreviewForm", true, false},
        {"TFRPreviewForm", true, true},   // "Tfr" as written
        {"Tfr", true, false},
        {"ATfrX", true, true},
    };
    for (const ClassCase& c : cases) {
        TSkinData data;
        if (c.fastReportSkipped) data.SkinControls.Include(TSkinControlType::xcFastReport);
        EXPECT_EQ(data.AllowFormClass(c.className, true), c.allowed) << c.className;
    }
}

TEST(SkinDataAllowFormClass, HandlerDecidesAlone) {
    TSkinData data;
    data.SkinControls.Include(TSkinControlType::xcFastReport);
    std::vector<std::string> asked;
    data.OnFormSkin = [&](TSkinData& sender, const std::string& name, bool& doSkin) {
        EXPECT_EQ(&sender, &data);
        EXPECT_TRUE(doSkin) << "the answer comes in true";
        asked.push_back(name);
        doSkin = name == "SysMonthCal32" || name == "TfrReport";
    };
    EXPECT_TRUE(data.AllowFormClass("SysMonthCal32", true));
    EXPECT_TRUE(data.AllowFormClass("TfrReport", true));
    EXPECT_FALSE(data.AllowFormClass("TForm1", true));
    EXPECT_EQ(asked, (std::vector<std::string>{"SysMonthCal32", "TfrReport", "TForm1"}));
}

class RecordingLink : public ISkinManagerLink {
public:
    std::vector<std::string> calls;
    void Loaded(TSkinData&) override { calls.push_back("Loaded"); }
    void MakeCurrent(TSkinData&) override { calls.push_back("MakeCurrent"); }
    void Schedule(TSkinData&, SkinCommand c) override {
        calls.push_back(c == SkinCommand::Activate ? "Activate" : c == SkinCommand::Deactivate ? "Deactivate" : "Refresh");
    }
    void ApplySkin(TSkinData&) override { calls.push_back("ApplySkin"); }
    void Unregister(TSkinData&) override { calls.push_back("Unregister"); }
};

using Calls = std::vector<std::string>;

TEST(SkinDataActive, MainFormCommandsTheManagerOnlyWithASkin) {
    RecordingLink link;
    {
        TSkinData data;
        data.SetManagerLink(&link);
        data.SetActive(true);
        EXPECT_TRUE(data.Active());
        EXPECT_EQ(link.calls, Calls{}) << "no skin: nothing to activate";
        data.SetActive(true);
        EXPECT_EQ(link.calls, Calls{}) << "same value: nothing";
        data.SetActive(false);
        EXPECT_EQ(link.calls, (Calls{"Deactivate", "MakeCurrent"}));
        ASSERT_TRUE(test::LoadSkin(data, "[TitlebarSkin]\n"));
        link.calls.clear();
        data.SetActive(true);
        EXPECT_EQ(link.calls, (Calls{"Activate", "MakeCurrent"}));
        link.calls.clear();
    }
    EXPECT_EQ(link.calls, Calls{"Unregister"});
}

TEST(SkinDataActive, OnlyThisFormBecomesCurrentFirstAndDialogDoesNothing) {
    RecordingLink link;
    TSkinData only;
    only.SetManagerLink(&link);
    only.SkinFormtype = TSkinFormType::sfOnlyThisForm;
    ASSERT_TRUE(test::LoadSkin(only, "[TitlebarSkin]\n"));
    only.SetActive(true);
    EXPECT_EQ(link.calls, (Calls{"MakeCurrent", "Activate", "MakeCurrent"}));
    only.SetManagerLink(nullptr);

    RecordingLink dialogLink;
    TSkinData dialog;
    dialog.SetManagerLink(&dialogLink);
    dialog.SkinFormtype = TSkinFormType::sfDialog;
    ASSERT_TRUE(test::LoadSkin(dialog, "[TitlebarSkin]\n"));
    dialog.SetActive(true);
    EXPECT_TRUE(dialog.Active());
    EXPECT_EQ(dialogLink.calls, Calls{});
    dialog.SetManagerLink(nullptr);
}

TEST(SkinDataLoaded, ActivatesTheStoredSkinOrDropsActiveWithoutOne) {
    RecordingLink link;
    TSkinData data;
    data.SetManagerLink(&link);
    data.BeginLoading();
    data.SetActive(true);
    EXPECT_EQ(link.calls, Calls{}) << "while the form is read Active is only stored";
    data.Loaded();
    EXPECT_FALSE(data.Active()) << "no skin: Active becomes False";
    EXPECT_EQ(link.calls, Calls{"Loaded"});

    link.calls.clear();
    data.BeginLoading();
    data.SetActive(true);
    ASSERT_TRUE(test::LoadSkin(data, "[TitlebarSkin]\n"));
    data.Loaded();
    EXPECT_TRUE(data.Active());
    EXPECT_EQ(link.calls, (Calls{"Loaded", "Activate"}));
    data.SetManagerLink(nullptr);
}

}  // namespace
}  // namespace zuno::skin
