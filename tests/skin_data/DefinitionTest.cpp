// What each section and key of a skin definition fills, the defaults of missing keys,
// and which bitmap values load a member.
#include <gtest/gtest.h>

#include "tests/skin_data/SkinTestPackages.h"

namespace zuno::skin {
namespace {

using test::Bmp;
using test::LoadSkin;
using test::Member;
using test::TestPixel;

TEST(SkinDataDefaults, ApplyWhenEveryKeyIsMissing) {
    TSkinData data;
    ASSERT_TRUE(LoadSkin(data, "[TitlebarSkin]\n"));
    EXPECT_FALSE(data.NoSkin);
    EXPECT_EQ(data.SkinName, "");
    for (const TDataSkinBorder* b : {&data.LeftBorder, &data.RightBorder, &data.TopBorder, &data.BottomBorder}) {
        EXPECT_EQ(b->FrameCount, 1) << b->Name;
        EXPECT_EQ(b->Tile, 1) << b->Name << ": Stretch defaults to 1";
        EXPECT_EQ(b->Trans, 1) << b->Name;
        EXPECT_EQ(b->LeftWidth + b->TopHeight + b->RightWidth + b->BottomHeight, 0) << b->Name;
        EXPECT_TRUE(b->Bitmap.Empty()) << b->Name;
    }
    EXPECT_EQ(data.ButtonFaceColour, clBtnFace);
    EXPECT_EQ(data.ScrollbarColour, clScrollBar);
    EXPECT_EQ(data.HilightTextColour, clHighlightText);
    EXPECT_EQ(data.HilightColour, clHighlight);
    EXPECT_EQ(data.MenubarColour, clBtnFace);
    EXPECT_EQ(data.MenuColour, clMenu);
    EXPECT_EQ(data.MenuTextColour, clMenuText);
    EXPECT_EQ(data.ButtonTextColour, clBtnText);
    EXPECT_EQ(data.ButtonHilightColour, clBtnHighlight);
    EXPECT_EQ(data.ButtonShadowColour, clBtnShadow);
    EXPECT_EQ(data.ButtonDkShadowColour, cl3DDkShadow);
    EXPECT_EQ(data.MenuBarTextColour, clMenuText);
    EXPECT_EQ(data.TitleTextActiveColour, clCaptionText);
    EXPECT_EQ(data.TitleTextNoActiveColour, clInactiveCaptionText);
    EXPECT_EQ(static_cast<std::uint32_t>(data.ButtonFaceColour), 0x8000000Fu);

    EXPECT_EQ(data.Title.FrameCount, 2);
    EXPECT_EQ(data.Title.FontHeight, 14);
    EXPECT_EQ(data.Title.ActiveTextColour, kClNone);
    EXPECT_EQ(data.Title.InActiveTextColour, kClNone);
    EXPECT_EQ(data.Buttons.FrameCount, 5);
    EXPECT_EQ(data.Buttons.NormalColour, -1);
    EXPECT_EQ(data.Buttons.NormalColour2, clBtnText);
    EXPECT_EQ(data.Buttons.HasNormalColour2, 0);
    EXPECT_EQ(data.Buttons.CheckFrameCount, 4);
    EXPECT_EQ(data.Buttons.RadioFrameCount, 4);
    EXPECT_EQ(data.SysButtons.size(), 3u);
    for (const auto* slot : {&data.Tabs, &data.Progress, &data.UpDownHorz, &data.UpDownVert, &data.ComboButton})
        EXPECT_EQ(*slot, nullptr);
    for (const auto* slot : {&data.SunkEdge, &data.ExtraImages, &data.StatusBarEdges, &data.Headerbar,
                             &data.MenuBar, &data.MenuItem, &data.MenuBackground, &data.Scrollbar,
                             &data.HorzScroll, &data.VertScroll, &data.HorzScrollThumb,
                             &data.VertScrollThumb, &data.TrackbarThumbHorz, &data.TrackbarThumbVert})
        EXPECT_EQ(*slot, nullptr);
}

TEST(SkinDataColours, ComeFromTriplesAndFeedTheDefaultsThatFollow) {
    TSkinData data;
    ASSERT_TRUE(LoadSkin(data, R"([Colours]
ButtonFace=1 2 3
ButtonText=9 8 7
Hilight=255 0 0
[Scrollbar]
Image=s.bmp
)", {Member("s.bmp", Bmp(4, 4))}));
    EXPECT_EQ(data.ButtonFaceColour, MakeTColor(1, 2, 3));
    EXPECT_EQ(data.MenubarColour, MakeTColor(1, 2, 3)) << "Menubar defaults to the button face read";
    EXPECT_EQ(data.HilightColour, 0x0000FF) << "red is the low byte of a TColor";
    EXPECT_EQ(data.Buttons.NormalColour2, MakeTColor(9, 8, 7));
    ASSERT_NE(data.Scrollbar, nullptr);
    EXPECT_EQ(data.Scrollbar->PressedColour2, MakeTColor(9, 8, 7))
        << "colours must be read before the objects that default to ButtonTextColour";
}

TEST(SkinDataBorders, FillMarginsAlongTheirSide) {
    TSkinData data;
    ASSERT_TRUE(LoadSkin(data, R"([Personality]
Left=l.bmp
LeftFrame=2
LeftStretch=0
LeftTrans=0
LeftTopHeight=5
LeftBotHeight=6
Top=t.bmp
TopTopHeight=7
TopBotHeight=8
)", {Member("l.bmp", Bmp(8, 30)), Member("t.bmp", Bmp(30, 8))}));
    EXPECT_EQ(data.LeftBorder.FrameCount, 2);
    EXPECT_EQ(data.LeftBorder.Tile, 0);
    EXPECT_EQ(data.LeftBorder.Trans, 0);
    EXPECT_EQ(data.LeftBorder.TopHeight, 5);
    EXPECT_EQ(data.LeftBorder.BottomHeight, 6);
    EXPECT_EQ(data.LeftBorder.LeftWidth, 0);
    EXPECT_EQ(data.LeftBorder.Bitmap.Width(), 8);
    EXPECT_EQ(data.TopBorder.LeftWidth, 7) << "a horizontal border's TopHeight key is its left margin";
    EXPECT_EQ(data.TopBorder.RightWidth, 8);
    EXPECT_EQ(data.TopBorder.TopHeight, 0);
    EXPECT_EQ(data.TopBorder.Bitmap.Width(), 30);
    EXPECT_TRUE(data.RightBorder.Bitmap.Empty());
}

TEST(SkinDataTitle, ReadsCaptionPlacementAndTextColours) {
    TSkinData data;
    ASSERT_TRUE(LoadSkin(data, R"([Personality]
TextBack=tb.bmp
TextShift=4
TextShiftVert=2
TextRightClip=30
TextAlignment=1
Textbackground=1
TXTBackleft=3
TXTBackRight=5
ActiveTextR=10
ActiveTextG=20
ActiveTextB=300
InActiveTextR=1
InActiveTextG=2
[Fonts]
FontHeight=12
)", {Member("tb.bmp", Bmp(20, 18))}));
    const TDataSkinTitle& t = data.Title;
    EXPECT_EQ(t.LeftWidth, 4);
    EXPECT_EQ(t.TopHeight, 2);
    EXPECT_EQ(t.RightWidth, 30);
    EXPECT_EQ(t.BottomHeight, 0);
    EXPECT_EQ(t.TextAlignment, 1);
    EXPECT_EQ(t.Textbackground, 1);
    EXPECT_EQ(t.TXTBackleft, 3);
    EXPECT_EQ(t.TXTBackRight, 5);
    EXPECT_EQ(t.FontHeight, 12);
    EXPECT_EQ(t.Bitmap.Width(), 20);
    EXPECT_EQ(t.ActiveTextColour, MakeTColor(10, 20, 44)) << "each part is a byte";
    EXPECT_EQ(t.InActiveTextColour, kClNone) << "a missing part leaves no colour";
}

TEST(SkinDataButtonsSection, FillsBitmapsCountsAndTextColours) {
    TSkinData data;
    ASSERT_TRUE(LoadSkin(data, R"([Buttons]
Bitmap=b.bmp
CheckButton=c.bmp
RadioButton=r.bmp
LeftWidth=3
RightWidth=4
TopHeight=5
BottomHeight=6
Trans=1
Tile=2
NormalColour=0x10
RadioButtonFrame=7
NormalColour2=1 1 1
PressedColour2=
)", {Member("b.bmp", Bmp(50, 21)), Member("c.bmp", Bmp(96, 16)), Member("r.bmp", Bmp(52, 13))}));
    const TDataSkinButton& b = data.Buttons;
    EXPECT_EQ(b.Bitmap.Width(), 50);
    EXPECT_EQ(b.LeftWidth, 3);
    EXPECT_EQ(b.RightWidth, 4);
    EXPECT_EQ(b.TopHeight, 5);
    EXPECT_EQ(b.BottomHeight, 6);
    EXPECT_EQ(b.Trans, 1);
    EXPECT_EQ(b.Tile, 2) << "[Buttons] keeps a Tile above 1";
    EXPECT_EQ(b.NormalColour, 16);
    EXPECT_EQ(b.MouseOverColour, -1);
    EXPECT_EQ(b.RadioFrameCount, 7) << "a given count is not derived";
    EXPECT_EQ(b.CheckFrameCount, 6) << "96 x 16 strip: 16-pixel frames";
    EXPECT_EQ(b.NormalColour2, MakeTColor(1, 1, 1));
    EXPECT_EQ(b.HasNormalColour2, 1);
    EXPECT_EQ(b.HasMouseOverColour2, 0);
    EXPECT_EQ(b.HasPressedColour2, 0) << "present but empty counts as absent";
    EXPECT_EQ(b.PressedColour2, clBtnText);
}

TEST(SkinDataButtonsSection, DerivesRadioFramesFromAThirteenPixelStrip) {
    TSkinData data;
    ASSERT_TRUE(LoadSkin(data, "[Buttons]\nRadioButton=r.bmp\nCheckButton=c.bmp\n",
                         {Member("r.bmp", Bmp(52, 13)), Member("c.bmp", Bmp(48, 16))}));
    EXPECT_EQ(data.Buttons.RadioFrameCount, 4);
    EXPECT_EQ(data.Buttons.CheckFrameCount, 4) << "three 16-pixel frames are raised to four";
}

struct ImageSectionCase {
    const char* section;
    std::unique_ptr<TDataSkinObject> TSkinData::*objectSlot;
    std::unique_ptr<TDataSkinBorder> TSkinData::*borderSlot;
    int frames;
    bool readsStyle;
};

const ImageSectionCase kImageSections[] = {
    {"Tabs", nullptr, &TSkinData::Tabs, 5, false},
    {"StatusBarEdges", &TSkinData::StatusBarEdges, nullptr, 3, true},
    {"ComboButton", nullptr, &TSkinData::ComboButton, 4, false},
    {"SunkEdge", &TSkinData::SunkEdge, nullptr, 4, true},
    {"ExtraImages", &TSkinData::ExtraImages, nullptr, 5, true},
    {"Headerbar", &TSkinData::Headerbar, nullptr, 5, true},
    {"MenuItem", &TSkinData::MenuItem, nullptr, 5, true},
    {"MenuBackground", &TSkinData::MenuBackground, nullptr, 1, true},
    {"Scrollbar", &TSkinData::Scrollbar, nullptr, 23, true},
    {"HorzScroll", &TSkinData::HorzScroll, nullptr, 4, true},
    {"VertScroll", &TSkinData::VertScroll, nullptr, 4, true},
    {"HorzScrollThumb", &TSkinData::HorzScrollThumb, nullptr, 3, true},
    {"VertScrollThumb", &TSkinData::VertScrollThumb, nullptr, 3, true},
    {"Trackbar.ThumbHorz", &TSkinData::TrackbarThumbHorz, nullptr, 5, true},
    {"Trackbar.ThumbVert", &TSkinData::TrackbarThumbVert, nullptr, 5, true},
    {"UpDown.Horz", nullptr, &TSkinData::UpDownHorz, 8, false},
    {"UpDown.Vert", nullptr, &TSkinData::UpDownVert, 8, false},
};

const TDataSkinObject* Slot(const TSkinData& data, const ImageSectionCase& c) {
    return c.objectSlot ? (data.*c.objectSlot).get() : (data.*c.borderSlot).get();
}

TEST(SkinDataImageSections, FillTheirSlotWithFixedFramesAndCommonKeys) {
    for (const ImageSectionCase& c : kImageSections) {
        const std::string definition = std::string("[") + c.section + "]\nImage=i.bmp\n" +
                                       "LeftWidth=1\nRightWidth=2\nTopHeight=3\nBottomHeight=4\n"
                                       "Trans=1\nTile=2\nStyle=9\nNormalColour=5\nPressedColour2=4 5 6\n";
        TSkinData data;
        ASSERT_TRUE(LoadSkin(data, definition, {Member("i.bmp", Bmp(40, 20))})) << c.section;
        const TDataSkinObject* object = Slot(data, c);
        ASSERT_NE(object, nullptr) << c.section;
        EXPECT_EQ(object->Name, c.section);
        EXPECT_EQ(object->Bitmap.Width(), 40) << c.section;
        EXPECT_EQ(object->FrameCount, c.frames) << c.section;
        EXPECT_EQ(object->Style, c.readsStyle ? 9 : 0) << c.section;
        EXPECT_EQ(object->Tile, 0) << c.section << ": a Tile above 1 is stored as 0";
        EXPECT_EQ(object->LeftWidth, 1) << c.section;
        EXPECT_EQ(object->RightWidth, 2) << c.section;
        EXPECT_EQ(object->TopHeight, 3) << c.section;
        EXPECT_EQ(object->BottomHeight, 4) << c.section;
        EXPECT_EQ(object->Trans, 1) << c.section;
        EXPECT_EQ(object->NormalColour, 5) << c.section;
        EXPECT_EQ(object->MouseOverColour, -1) << c.section;
        EXPECT_EQ(object->PressedColour2, MakeTColor(4, 5, 6)) << c.section;
        EXPECT_EQ(object->NormalColour2, clBtnText) << c.section;
    }
}

TEST(SkinDataImageSections, ExistWhenTheImageKeyIsGivenEvenIfItLoadsNothing) {
    TSkinData data;
    ASSERT_TRUE(LoadSkin(data, "[SunkEdge]\nImage=missing.bmp\n[Headerbar]\nImage=\n"));
    ASSERT_NE(data.SunkEdge, nullptr);
    EXPECT_TRUE(data.SunkEdge->Bitmap.Empty());
    EXPECT_EQ(data.Headerbar, nullptr) << "an empty value counts as no key";
}

TEST(SkinDataImageSections, ReadSecondImagesAndThumbFrameKeys) {
    TSkinData data;
    ASSERT_TRUE(LoadSkin(data, R"([Tabs]
Image=t.bmp
Border=tb.bmp
[UpDown.Vert]
Image=u.bmp
GlyphImage=g.bmp
[HorzScrollThumb]
Image=t.bmp
FrameCount=7
)", {Member("t.bmp", Bmp(10, 10)), Member("tb.bmp", Bmp(11, 3)), Member("u.bmp", Bmp(8, 8)),
     Member("g.bmp", Bmp(12, 4))}));
    ASSERT_NE(data.Tabs, nullptr);
    EXPECT_EQ(data.Tabs->Bitmap2.Width(), 11);
    ASSERT_NE(data.UpDownVert, nullptr);
    EXPECT_EQ(data.UpDownVert->Bitmap2.Width(), 12);
    ASSERT_NE(data.HorzScrollThumb, nullptr);
    EXPECT_EQ(data.HorzScrollThumb->FrameCount, 7);
}

TEST(SkinDataImageSections, AreFreedWhenTheNextSkinLacksThem) {
    TSkinData data;
    ASSERT_TRUE(LoadSkin(data, "[Tabs]\nImage=t.bmp\n[Buttons]\nBitmap=t.bmp\n",
                         {Member("t.bmp", Bmp(10, 10))}));
    ASSERT_NE(data.Tabs, nullptr);
    ASSERT_FALSE(data.Buttons.Bitmap.Empty());
    ASSERT_TRUE(LoadSkin(data, "[TitlebarSkin]\nSkinName=second\n"));
    EXPECT_EQ(data.Tabs, nullptr);
    EXPECT_TRUE(data.Buttons.Bitmap.Empty()) << "a missing key empties the bitmap";
    EXPECT_EQ(data.SkinName, "second");
}

TEST(SkinDataProgressAndMenuBar, HaveTheirOwnKeys) {
    TSkinData data;
    ASSERT_TRUE(LoadSkin(data, R"([Progress]
Bitmap=p.bmp
Chunk=c.bmp
Tile=2
Style=1
NormalColour=5
[Personality]
menuBar=m.bmp
TileMenu=3
)", {Member("p.bmp", Bmp(30, 10)), Member("c.bmp", Bmp(6, 8)), Member("m.bmp", Bmp(40, 20))}));
    ASSERT_NE(data.Progress, nullptr);
    EXPECT_EQ(data.Progress->Bitmap2.Width(), 6);
    EXPECT_EQ(data.Progress->Tile, 2) << "[Progress] keeps a Tile above 1";
    EXPECT_EQ(data.Progress->Style, 1);
    EXPECT_EQ(data.Progress->NormalColour, 0) << "[Progress] reads no colours";
    EXPECT_EQ(data.Progress->FrameCount, 2);
    ASSERT_NE(data.MenuBar, nullptr);
    EXPECT_EQ(data.MenuBar->Name, "Personality");
    EXPECT_EQ(data.MenuBar->Tile, 3);
    EXPECT_EQ(data.MenuBar->LeftWidth, 1);
    EXPECT_EQ(data.MenuBar->RightWidth, 1);
    EXPECT_EQ(data.MenuBar->FrameCount, 2);
}

TEST(SkinDataComboButton, SecondImageIsTheFirstMirrored) {
    TSkinData data;
    ASSERT_TRUE(LoadSkin(data, "[ComboButton]\nImage=c.bmp\nStyle=2\n", {Member("c.bmp", Bmp(5, 3))}));
    ASSERT_NE(data.ComboButton, nullptr);
    const SkinBitmap& a = data.ComboButton->Bitmap;
    const SkinBitmap& m = data.ComboButton->Bitmap2;
    ASSERT_EQ(m.Width(), 5);
    ASSERT_EQ(m.Height(), 3);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            ASSERT_EQ(PixelRgb(m.Pixel(x, y)), PixelRgb(a.Pixel(4 - x, y))) << x << "," << y;
    EXPECT_EQ(PixelRgb(a.Pixel(0, 0)), TestPixel(0, 0, 0x40)) << "the first image stays as it was";
    EXPECT_EQ(data.ComboButton->Style, 0) << "[ComboButton] reads no Style";
}

TEST(SkinDataComboButton, WithoutImageHasNoMirror) {
    TSkinData data;
    ASSERT_TRUE(LoadSkin(data, "[ComboButton]\nImage=c.BMP\n", {Member("c.bmp", Bmp(5, 3))}));
    ASSERT_NE(data.ComboButton, nullptr);
    EXPECT_TRUE(data.ComboButton->Bitmap.Empty());
    EXPECT_TRUE(data.ComboButton->Bitmap2.Empty());
}

struct BitmapValueCase {
    const char* value;
    bool loads;
    const char* note;
};

TEST(SkinDataBitmapValues, LoadOnlyLowerCaseBmpNamesWithoutTheirFolder) {
    const BitmapValueCase cases[] = {
        {"pic.bmp", true, "plain name"},
        {"PIC.bmp", true, "member names match in any letter case"},
        {"pic.BMP", false, "upper-case extension is not a bitmap"},
        {"pic.Bmp", false, "mixed-case extension is not a bitmap"},
        {"skins\\art\\pic.bmp", true, "folder part ignored"},
        {"c:pic.bmp", true, "drive part ignored"},
        {"skins/pic.bmp", false, "only \\ and : separate folders"},
        {"pic", false, "no extension"},
        {"pic.bmpx", false, "longer extension"},
        {"skins\\", false, "empty file name"},
        {"other.bmp", false, "no such member"},
        {"empty.bmp", false, "an empty member clears the bitmap"},
    };
    for (const BitmapValueCase& c : cases) {
        TSkinData data;
        ASSERT_TRUE(LoadSkin(data, std::string("[Buttons]\nBitmap=") + c.value + "\n",
                             {Member("pic.bmp", Bmp(7, 5)), Member("empty.bmp", {})}))
            << c.note;
        EXPECT_EQ(!data.Buttons.Bitmap.Empty(), c.loads) << c.value << ": " << c.note;
    }
}

TEST(SkinDataBitmapValues, TrailByteOfADoubleByteCharacterIsNoFolderSeparator) {
    // 0x95 0x5C is one code-page-936 character whose second byte is "\".
    const std::string name = "\x95\x5C.bmp";
    TSkinData data;
    ASSERT_TRUE(LoadSkin(data, "[Buttons]\nBitmap=" + name + "\n", {Member(name, Bmp(7, 5))}));
    EXPECT_EQ(data.Buttons.Bitmap.Width(), 7);
}

TEST(SkinDataDefinition, IsTheFirstMemberWhoseNameContainsIni) {
    TSkinData data;
    data.PackageStream = WriteSkinPackage({test::TextMember("readme.txt", "[TitlebarSkin]\nSkinName=no\n"),
                                           test::TextMember("Blue.INI", "[TitlebarSkin]\nSkinName=blue\n"),
                                           test::TextMember("x.ini", "[TitlebarSkin]\nSkinName=x\n")});
    ASSERT_TRUE(data.LoadPackage());
    EXPECT_EQ(data.SkinName, "blue") << "stored names are lower-cased before the match";
}

}  // namespace
}  // namespace zuno::skin
