// Each shipped skin loaded as the program loads it: packed, handed to TSkinData,
// parsed. Every object must exist with the frame count the painting code expects,
// the caption buttons and MDI buttons must come out as designed, and the colours
// must be the skin's own.
#include <gtest/gtest.h>

#include "SkinArtFixtures.h"
#include "skin/draw/Primitives.h"

namespace zuno::skinart::test {
namespace {

using skin::SkinBitmap;
using skin::TDataSkinObject;
using skin::TSkinData;

class LoadedSkinTest : public SkinParamTest {
protected:
    void SetUp() override { ASSERT_TRUE(LoadInto(data, skin())); }
    TSkinData data;
};

TEST_P(LoadedSkinTest, LoadsCompletely) {
    EXPECT_FALSE(data.NoSkin);
    EXPECT_FALSE(data.SkinName.empty());
}

TEST_P(LoadedSkinTest, EveryObjectHasItsBitmapAndFrameCount) {
    struct Expect {
        const char* name;
        const TDataSkinObject* object;
        int frames;
    };
    const Expect table[] = {
        {"Left", &data.LeftBorder, 2},        {"Right", &data.RightBorder, 2},
        {"Top", &data.TopBorder, 2},          {"Bottom", &data.BottomBorder, 2},
        {"Title", &data.Title, 2},            {"Buttons", &data.Buttons, 5},
        {"Progress", data.Progress.get(), 2}, {"MenuBar", data.MenuBar.get(), 2},
        {"Tabs", data.Tabs.get(), 5},         {"ExtraImages", data.ExtraImages.get(), 5},
        {"Headerbar", data.Headerbar.get(), 5}, {"MenuItem", data.MenuItem.get(), 5},
        {"TrackbarThumbHorz", data.TrackbarThumbHorz.get(), 5},
        {"TrackbarThumbVert", data.TrackbarThumbVert.get(), 5},
        {"StatusBarEdges", data.StatusBarEdges.get(), 3}, {"ComboButton", data.ComboButton.get(), 4},
        {"SunkEdge", data.SunkEdge.get(), 4}, {"HorzScroll", data.HorzScroll.get(), 4},
        {"VertScroll", data.VertScroll.get(), 4}, {"MenuBackground", data.MenuBackground.get(), 1},
        {"Scrollbar", data.Scrollbar.get(), 23}, {"UpDownHorz", data.UpDownHorz.get(), 8},
        {"UpDownVert", data.UpDownVert.get(), 8}, {"HorzScrollThumb", data.HorzScrollThumb.get(), 3},
        {"VertScrollThumb", data.VertScrollThumb.get(), 3},
    };
    for (const Expect& e : table) {
        SCOPED_TRACE(e.name);
        ASSERT_NE(e.object, nullptr) << "the optional object was not created";
        EXPECT_FALSE(e.object->Bitmap.Empty());
        EXPECT_EQ(e.object->FrameCount, e.frames);
    }
    EXPECT_EQ(data.Buttons.CheckFrameCount, 12);
    EXPECT_EQ(data.Buttons.RadioFrameCount, 8);
    EXPECT_FALSE(data.Buttons.CheckBitmap.Empty());
    EXPECT_FALSE(data.Buttons.RadioBitmap.Empty());
}

TEST_P(LoadedSkinTest, SecondImagesArePresent) {
    EXPECT_FALSE(data.Tabs->Bitmap2.Empty()) << "page border";
    EXPECT_FALSE(data.UpDownHorz->Bitmap2.Empty()) << "arrow glyphs";
    EXPECT_FALSE(data.UpDownVert->Bitmap2.Empty()) << "arrow glyphs";
    // Chunk mode draws nothing without its chunk; the two-frame mode has none.
    EXPECT_EQ(data.Progress->Style, style().progressStyle);
    EXPECT_EQ(data.Progress->Bitmap2.Empty(), style().progressStyle != 1);
    SkinBitmap mirror = data.ComboButton->Bitmap.Clone();
    skin::MirrorBitmap(mirror);
    ASSERT_EQ(data.ComboButton->Bitmap2.Width(), mirror.Width());
    EXPECT_EQ(data.ComboButton->Bitmap2.Pixel(0, 5), mirror.Pixel(0, 5));
}

TEST_P(LoadedSkinTest, FrameThicknessComesFromTheBorders) {
    const SkinStyle& s = style();
    EXPECT_EQ(data.TopBorder.Bitmap.Height() / data.TopBorder.FrameCount, s.captionHeight);
    EXPECT_EQ(data.LeftBorder.Bitmap.Width() / data.LeftBorder.FrameCount, s.borderWidth);
    EXPECT_EQ(data.RightBorder.Bitmap.Width() / data.RightBorder.FrameCount, s.borderWidth);
    EXPECT_EQ(data.BottomBorder.Bitmap.Height() / data.BottomBorder.FrameCount, s.bottomHeight);
    for (const auto* b : {&data.LeftBorder, &data.RightBorder, &data.TopBorder, &data.BottomBorder}) {
        SCOPED_TRACE(b->Name);
        EXPECT_EQ(b->Trans, 1) << "the outline is cut from the key colour";
        EXPECT_EQ(b->Tile, 1) << "the Stretch flag";
    }
    EXPECT_EQ(data.LeftBorder.TopHeight, s.captionHeight);
    EXPECT_EQ(data.LeftBorder.Bitmap.Pixel(0, 0), skin::kKeyPixel);
}

TEST_P(LoadedSkinTest, TitleButtonsComeOutAsDesigned) {
    // Six sections (the decoration is kept because its Visibility is 0), then the
    // three MDI child buttons.
    ASSERT_EQ(data.SysButtons.size(), 9u);
    struct Expect {
        const char* name;
        int action, frames;
        bool image;
    };
    const Expect table[] = {{"BUTTONCLOSE", 0, 4, true},   {"BUTTONMAX", 1, 4, true},
                            {"BUTTONRESTORE", 1, 4, true}, {"BUTTONMIN", 2, 4, true},
                            {"BUTTONICON", 3, 6, false},   {"BUTTONORNAMENT", -1, 4, true}};
    for (size_t i = 0; i < std::size(table); ++i) {
        SCOPED_TRACE(table[i].name);
        const auto& b = *data.SysButtons[i];
        EXPECT_EQ(b.Name, table[i].name);
        EXPECT_EQ(b.Action, table[i].action);
        EXPECT_EQ(b.FrameCount, table[i].frames);
        EXPECT_EQ(!b.Bitmap.Empty(), table[i].image);
        EXPECT_EQ(b.Visibility1, 0);
    }
    EXPECT_EQ(data.SysButtons[1]->Visibility, 2);  // maximise: not maximised
    EXPECT_EQ(data.SysButtons[2]->Visibility, 1);  // restore: maximised
}

TEST_P(LoadedSkinTest, MdiButtonsAreCutFromTheStrip) {
    const int a = data.SysButtons[6]->Bitmap.Width() / 4;
    ASSERT_GT(a, 0);
    for (int j = 0; j < 3; ++j) {
        SCOPED_TRACE(j);
        const auto& b = *data.SysButtons[6 + j];
        EXPECT_EQ(b.Action, 7 + j);
        EXPECT_EQ(b.Visibility, 100);
        EXPECT_EQ(b.FrameCount, 4);
        EXPECT_EQ(b.Bitmap.Width(), 4 * a);
        EXPECT_EQ(b.Xcoord, (a + 4) * (3 - j));
    }
}

TEST_P(LoadedSkinTest, ColoursAreTheSkinsOwn) {
    const SkinStyle& s = style();
    const auto tc = [](Rgb c) { return skin::TColorFromPixel(ToPixel(c)); };
    EXPECT_EQ(data.ButtonFaceColour, tc(s.face));
    EXPECT_EQ(data.ButtonTextColour, tc(s.faceText));
    EXPECT_EQ(data.HilightColour, tc(s.accent));
    EXPECT_EQ(data.HilightTextColour, tc(s.accentText));
    EXPECT_EQ(data.MenuColour, tc(s.menu));
    EXPECT_EQ(data.MenuTextColour, tc(s.menuText));
    EXPECT_EQ(data.MenuBarTextColour, tc(s.menuBarText));
    EXPECT_EQ(data.ScrollbarColour, tc(s.scrollTrack));
    EXPECT_EQ(data.ButtonShadowColour, tc(s.shadow));
    EXPECT_EQ(data.ButtonHilightColour, tc(s.highlight));
    EXPECT_EQ(data.ButtonDkShadowColour, tc(s.darkShadow));
    EXPECT_EQ(data.TitleTextActiveColour, tc(s.captionText));
    EXPECT_EQ(data.TitleTextNoActiveColour, tc(s.inactiveText));
    EXPECT_EQ(data.Title.ActiveTextColour, tc(s.captionText));
    EXPECT_EQ(data.Title.InActiveTextColour, tc(s.inactiveText));
    // No slot may fall back to a Windows system colour.
    for (skin::TColor c : {data.MenubarColour, data.ButtonFaceColour, data.ScrollbarColour})
        EXPECT_EQ(static_cast<std::uint32_t>(c) & 0xFF000000u, 0u);
}

TEST_P(LoadedSkinTest, CaptionTextStaysClearOfTheButtons) {
    const SkinStyle& s = style();
    const auto& close = *data.SysButtons[0];
    const auto& min = *data.SysButtons[3];
    // Text area right end (window width w): w - border - TextRightClip; the buttons
    // start at w - Xcoord of the leftmost one.
    EXPECT_GT(data.Title.RightWidth + s.borderWidth, min.Xcoord);
    EXPECT_LT(close.Xcoord, min.Xcoord);
    // The text starts right of the icon.
    const auto& icon = *data.SysButtons[4];
    EXPECT_GE(s.borderWidth + data.Title.LeftWidth, icon.Xcoord + 16);
}

INSTANTIATE_TEST_SUITE_P(Skins, LoadedSkinTest, testing::ValuesIn(AllStyles()), StyleName);

}  // namespace
}  // namespace zuno::skinart::test
