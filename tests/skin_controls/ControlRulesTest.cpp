// Which wrapper a control gets: the class table in order, the class-name map with
// its first-match rule and kinds, and the plain-window table by class and style.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "skin/controls/core/ControlRules.h"
#include "skin/data/SkinData.h"

namespace {

using namespace zuno::skin;
using namespace zuno::skin::controls;
using X = TSkinControlType;

// A control of class `name` whose class chain is `chain` (the class itself included).
ControlFacts Facts(std::string name, std::set<std::string> chain, TSkinControlTypes x = TSkinControlTypes::Default()) {
    chain.insert(name);
    ControlFacts f;
    f.className = std::move(name);
    f.isA = [chain](std::string_view n) { return chain.count(std::string(n)) > 0; };
    f.controls = x;
    return f;
}

TSkinControlTypes Without(X t) {
    TSkinControlTypes x = TSkinControlTypes::Default();
    x.Exclude(t);
    return x;
}

TEST(ControlRules, ClassTableFirstMatchingRowDecides) {
    struct Case {
        ControlFacts facts;
        int row;
        SkinKind kind;
        bool ownsColour, recurse;
    } cases[] = {
        {Facts("TButton", {"TButtonControl", "TWinControl"}), 31, SkinKind::Button, false, false},
        {Facts("TButton", {}, Without(X::xcButton)), 0, SkinKind::None, false, false},
        // A bitmap button is a TButton, but its own row ends the search.
        {Facts("TBitBtn", {"TButton"}), 23, SkinKind::BitButton, false, false},
        {Facts("TBitBtn", {"TButton"}, Without(X::xcBitBtn)), 23, SkinKind::None, false, false},
        {Facts("TCheckBox95", {"TCheckBox", "TCustomCheckBox", "TButtonControl"}), 9, SkinKind::CheckBox, false, false},
        {Facts("TRadioButton95", {"TRadioButton", "TButtonControl"}), 15, SkinKind::RadioButton, false, false},
        {Facts("TGroupBox", {"TCustomGroupBox"}), 14, SkinKind::GroupBox, true, true},
        {Facts("TRadioGroup", {"TCustomRadioGroup", "TCustomGroupBox"}), 12, SkinKind::GroupBox, true, false},
        {Facts("TPanel", {"TCustomPanel"}), 25, SkinKind::Box, true, true},
        {Facts("TSpeedButton", {"TGraphicControl"}), 24, SkinKind::SpeedButton, false, false},
        {Facts("TComboBox", {"TCustomComboBox"}), 20, SkinKind::ComBox, false, false},
        {Facts("TEdit", {"TCustomEdit"}), 32, SkinKind::Edit, false, false},
        // A memo is an edit, but with scroll bars skinned it is scrollable first.
        {Facts("TMemo", {"TCustomMemo", "TCustomEdit"}), 28, SkinKind::Scrollbar, false, false},
        {Facts("TMemo", {"TCustomMemo", "TCustomEdit"}, Without(X::xcScrollbar)), 32, SkinKind::Edit, false, false},
        {Facts("TListBox", {"TCustomListBox"}), 30, SkinKind::Scrollbar, false, false},
        {Facts("TScrollBar", {}), 19, SkinKind::ScControl, false, false},
        {Facts("TTrackBar", {}), 10, SkinKind::TrackBar, false, false},
        {Facts("TUpDown", {}), 11, SkinKind::UpDown, false, false},
        {Facts("TStatusBar", {}), 17, SkinKind::StatusBar, false, false},
        {Facts("TProgressBar", {}), 18, SkinKind::Progress, false, false},
        {Facts("TListView", {"TCustomListView"}), 27, SkinKind::ListView, false, false},
        {Facts("TQRPreview", {"TCustomPanel"}), 1, SkinKind::None, false, true},
        {Facts("TMVCPanel", {"TCustomPanel"}), 7, SkinKind::None, false, true},
        {Facts("TForm2", {"TForm", "TCustomForm"}), 34, SkinKind::Box, true, true},
        {Facts("TFrame1", {"TCustomFrame"}), 33, SkinKind::None, false, true},
        {Facts("TLabel", {"TGraphicControl"}), 0, SkinKind::None, false, false},
    };
    for (const Case& c : cases) {
        const ControlDecision d = ClassifyControl(c.facts, DefaultSkin3rd());
        SCOPED_TRACE(c.facts.className);
        EXPECT_EQ(d.row, c.row);
        EXPECT_EQ(d.kind, c.kind);
        EXPECT_EQ(d.ownsColour, c.ownsColour);
        EXPECT_EQ(d.recurse, c.recurse);
    }
}

TEST(ControlRules, SpecialRowsCarryTheirExtras) {
    const ControlDecision radioGroup = ClassifyControl(Facts("TRadioGroup", {"TCustomRadioGroup"}), {});
    EXPECT_EQ(radioGroup.childKind, SkinKind::RadioButton);
    const ControlDecision edit = ClassifyControl(Facts("TEdit", {"TCustomEdit"}), {});
    EXPECT_TRUE(edit.attachToWindow);
    ControlFacts tabs = Facts("TPageControl", {});
    tabs.skinHasTabs = true;
    const ControlDecision page = ClassifyControl(tabs, {});
    EXPECT_EQ(page.row, 8);
    EXPECT_TRUE(page.frameOwns);
    tabs.skinHasTabs = false;
    EXPECT_EQ(ClassifyControl(tabs, {}).row, 0) << "no Tabs object: no tab wrapper";
    ControlFacts grid = Facts("TStringGrid", {"TCustomGrid"});
    EXPECT_TRUE(ClassifyControl(grid, {}).fixedColour);
    ControlFacts tagged = Facts("TOddBox", {});
    tagged.tag = 55;
    EXPECT_EQ(ClassifyControl(tagged, {}).row, 30) << "Tag 55 marks a scrollable control";
    ControlFacts picker = Facts("TDateTimePicker", {});
    EXPECT_EQ(ClassifyControl(picker, {}).kind, SkinKind::ComBox);
    picker.pickerShowsUpDown = true;
    EXPECT_EQ(ClassifyControl(picker, {}).kind, SkinKind::Edit);
    const ControlDecision dx = ClassifyControl(Facts("TdxDBGrid", {}), {});
    EXPECT_EQ(dx.row, 26);
    EXPECT_FALSE(dx.ownThumb);
}

TEST(ControlRules, ClassNameMapFirstLineWinsAndEndsTheSearch) {
    EXPECT_EQ(Skin3rdKind(DefaultSkin3rd(), "TLMDGroupBox"), "groupbox") << "the earlier line beats TLMDGROUPBOX=Panel";
    EXPECT_EQ(Skin3rdKind(DefaultSkin3rd(), "tlmdgroupbox"), "groupbox");
    EXPECT_EQ(Skin3rdKind(DefaultSkin3rd(), "TLMDGroup"), std::nullopt) << "a prefix of a class name is no match";
    EXPECT_EQ(Skin3rdKind({"TFoo=A23456789012345678901234567890123456789012345678901234"}, "TFoo")->size(), 50u);
    EXPECT_EQ(Skin3rdKind({"TFoo=Edit=x"}, "tfoo"), "edit=x");

    const ControlDecision group = ClassifyControl(Facts("TLMDGroupBox", {"TCustomPanel"}), DefaultSkin3rd());
    EXPECT_EQ(group.row, 3);
    EXPECT_EQ(group.kind, SkinKind::GroupBox);
    EXPECT_TRUE(group.ownsColour);
    // "nil" (or any unknown kind, or a failed condition) stops the walk as well.
    for (const char* line : {"TPanel=nil", "TPanel=whatever", "TPanel=groupbox"}) {
        TSkinControlTypes x = Without(X::xcGroupBox);
        const ControlDecision d = ClassifyControl(Facts("TPanel", {"TCustomPanel"}, x), {line});
        EXPECT_EQ(d.row, 3) << line;
        EXPECT_EQ(d.kind, SkinKind::None) << line;
        EXPECT_FALSE(d.recurse) << line;
    }
}

TEST(ControlRules, ClassNameMapKinds) {
    struct Case {
        const char* kind;
        SkinKind result;
        X needs;
    } cases[] = {
        {"combobox", SkinKind::ComBox, X::xcCombo},       {"edit", SkinKind::Edit, X::xcEdit},
        {"radiobutton", SkinKind::RadioButton, X::xcRadioButton},
        {"panel", SkinKind::Box, X::xcPanel},             {"trackbar", SkinKind::TrackBar, X::xcButton},
        {"button", SkinKind::Button, X::xcButton},        {"bitbtn", SkinKind::BitButton, X::xcButton},
        {"progress", SkinKind::Progress, X::xcProgress},  {"scrollbar", SkinKind::Scrollbar, X::xcScrollbar},
        {"groupbox", SkinKind::GroupBox, X::xcGroupBox},  {"radiogroup", SkinKind::GroupBox, X::xcPanel},
        {"checkgroup", SkinKind::GroupBox, X::xcPanel},   {"checkbox", SkinKind::CheckBox, X::xcCheckBox},
        {"tab", SkinKind::Tab, X::xcTab},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DecideSkin3rd(c.kind, TSkinControlTypes::Default(), true).kind, c.result) << c.kind;
        EXPECT_EQ(DecideSkin3rd(c.kind, Without(c.needs), true).kind, SkinKind::None) << c.kind;
    }
    EXPECT_EQ(DecideSkin3rd("tab", TSkinControlTypes::Default(), false).kind, SkinKind::None);
    EXPECT_EQ(DecideSkin3rd("checkgroup", TSkinControlTypes::Default(), true).childKind, SkinKind::CheckBox);
    EXPECT_EQ(DecideSkin3rd("radiogroup", Without(X::xcRadioButton), true).childKind, SkinKind::None);
    EXPECT_TRUE(DecideSkin3rd("panel", TSkinControlTypes::Default(), true).setTransparent);
}

TEST(ControlRules, PlainWindowTableByClassAndStyle) {
    struct Case {
        const char* cls;
        std::uint32_t style;
        bool firstChild;
        SkinKind kind;
        bool onChild;
    } cases[] = {
        {"Button", 0x0, false, SkinKind::Button, false},         // BS_PUSHBUTTON
        {"BUTTON", 0x1, false, SkinKind::Button, false},         // BS_DEFPUSHBUTTON
        {"Button", 0x2, false, SkinKind::CheckBox, false},       // BS_CHECKBOX
        {"Button", 0x3, false, SkinKind::CheckBox, false},       // BS_AUTOCHECKBOX
        {"Button", 0x5, false, SkinKind::CheckBox, false},       // BS_3STATE
        {"Button", 0x4, false, SkinKind::RadioButton, false},    // BS_RADIOBUTTON
        {"Button", 0x9, false, SkinKind::RadioButton, false},    // BS_AUTORADIOBUTTON
        {"Button", 0x7, false, SkinKind::None, false},           // BS_GROUPBOX
        {"Button", 0xB, false, SkinKind::CheckBox, false},       // BS_OWNERDRAW: 11 and 3 = 3
        {"ComboBox", 0x2, false, SkinKind::ComBox, false},
        {"ComboBox", 0x1, false, SkinKind::None, false},         // CBS_SIMPLE
        {"ComboBoxEx32", 0, true, SkinKind::ComBox, true},
        {"ComboBoxEx32", 0, false, SkinKind::None, false},
        {"ScrollBar", 0, false, SkinKind::Sizer, false},
        {"SysTabControl32", 0, false, SkinKind::Tab, false},
        {"SysTabControl32", 0x2000, false, SkinKind::None, false},
        {"Edit", 0, false, SkinKind::Edit, false},
        {"Static", 0, false, SkinKind::None, false},
    };
    for (const Case& c : cases) {
        const WindowDecision d = ClassifyChildWindow(c.cls, c.style, c.firstChild);
        EXPECT_EQ(d.kind, c.kind) << c.cls << " " << c.style;
        EXPECT_EQ(d.onFirstChild, c.onChild) << c.cls;
    }
}

}  // namespace
