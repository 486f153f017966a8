// The bitmaps' frame layouts as the painting code cuts them: frame counts that
// divide the strips, sensible frame sizes, distinct state frames, key-coloured
// corners where the window outline is cut, no key colour where a part is drawn
// opaque, and uniform runs where the program stretches a piece.
#include <gtest/gtest.h>

#include "SkinArtFixtures.h"
#include "skin/data/SkinData.h"

namespace zuno::skinart::test {
namespace {

using skin::kKeyPixel;
using skin::SkinBitmap;

enum class Layout { SideBySide, Stacked };

struct Strip {
    const char* section;
    const char* key;
    int frames;
    Layout layout;
    int minSide, maxSide;  // bounds of a frame's width and height
    bool opaque;           // drawn without the key colour: no magenta allowed
};

// Frames as each painter cuts them. Title buttons have four (normal, pressed, hot,
// inactive); the caption pieces two (active, inactive).
constexpr Strip kStrips[] = {
    {"Personality", "Left", 2, Layout::SideBySide, 3, 80, false},
    {"Personality", "Right", 2, Layout::SideBySide, 3, 80, false},
    {"Personality", "Top", 2, Layout::Stacked, 3, 80, false},
    {"Personality", "Bottom", 2, Layout::Stacked, 3, 80, false},
    {"Personality", "TextBack", 2, Layout::Stacked, 10, 40, false},
    {"Personality", "menuBar", 2, Layout::Stacked, 4, 30, true},
    {"ButtonClose", "ButtonImage", 4, Layout::SideBySide, 12, 36, false},
    {"ButtonMax", "ButtonImage", 4, Layout::SideBySide, 12, 36, false},
    {"ButtonRestore", "ButtonImage", 4, Layout::SideBySide, 12, 36, false},
    {"ButtonMin", "ButtonImage", 4, Layout::SideBySide, 12, 36, false},
    {"ButtonOrnament", "ButtonImage", 4, Layout::SideBySide, 8, 24, false},
    {"MDICONTROLS", "Image", 12, Layout::SideBySide, 10, 20, false},
    {"Buttons", "Bitmap", 5, Layout::SideBySide, 12, 48, false},
    {"Buttons", "CheckButton", 12, Layout::SideBySide, 13, 13, false},
    {"Buttons", "RadioButton", 8, Layout::SideBySide, 13, 13, false},
    {"MenuItem", "Image", 5, Layout::SideBySide, 12, 32, false},
    {"MenuBackground", "Image", 1, Layout::SideBySide, 12, 64, true},
    {"Scrollbar", "Image", 23, Layout::SideBySide, 16, 16, false},
    {"HorzScroll", "Image", 4, Layout::SideBySide, 8, 32, true},
    {"VertScroll", "Image", 4, Layout::SideBySide, 8, 32, true},
    {"HorzScrollThumb", "Image", 3, Layout::SideBySide, 12, 32, false},
    {"VertScrollThumb", "Image", 3, Layout::SideBySide, 12, 32, false},
    {"Tabs", "Image", 5, Layout::SideBySide, 12, 40, false},
    {"Tabs", "Border", 1, Layout::SideBySide, 10, 32, true},
    {"StatusBarEdges", "Image", 3, Layout::SideBySide, 6, 32, true},
    {"ComboButton", "Image", 4, Layout::SideBySide, 12, 32, true},
    {"SunkEdge", "Image", 4, Layout::SideBySide, 7, 32, true},
    {"ExtraImages", "Image", 5, Layout::SideBySide, 8, 16, false},
    {"Headerbar", "Image", 5, Layout::SideBySide, 8, 32, true},
    {"Trackbar.ThumbHorz", "Image", 5, Layout::SideBySide, 8, 24, false},
    {"Trackbar.ThumbVert", "Image", 5, Layout::SideBySide, 8, 24, false},
    {"UpDown.Horz", "Image", 8, Layout::SideBySide, 8, 20, false},
    {"UpDown.Horz", "GlyphImage", 8, Layout::SideBySide, 3, 12, false},
    {"UpDown.Vert", "Image", 8, Layout::SideBySide, 8, 20, false},
    {"UpDown.Vert", "GlyphImage", 8, Layout::SideBySide, 3, 12, false},
};

SkinBitmap Frame(const SkinBitmap& b, const Strip& s, int i) {
    SkinBitmap out = s.layout == Layout::SideBySide ? SkinBitmap(b.Width() / s.frames, b.Height())
                                                   : SkinBitmap(b.Width(), b.Height() / s.frames);
    const int dx = s.layout == Layout::SideBySide ? out.Width() * i : 0;
    const int dy = s.layout == Layout::Stacked ? out.Height() * i : 0;
    for (int y = 0; y < out.Height(); ++y)
        for (int x = 0; x < out.Width(); ++x) out.SetPixel(x, y, b.Pixel(x + dx, y + dy));
    return out;
}

bool SamePixels(const SkinBitmap& a, const SkinBitmap& b) {
    if (a.Width() != b.Width() || a.Height() != b.Height()) return false;
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x)
            if (a.Pixel(x, y) != b.Pixel(x, y)) return false;
    return true;
}

int KeyPixels(const SkinBitmap& b) {
    int n = 0;
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x) n += b.Pixel(x, y) == kKeyPixel;
    return n;
}

class FrameLayoutTest : public SkinParamTest {
protected:
    const SkinBitmap& Named(const char* section, const char* key) const {
        const SkinBitmap* b = NamedBitmap(skin(), section, key);
        if (!b) throw std::runtime_error(std::string("no bitmap for ") + section + "/" + key);
        return *b;
    }
};

TEST_P(FrameLayoutTest, StripsDivideIntoFramesOfSensibleSize) {
    for (const Strip& s : kStrips) {
        SCOPED_TRACE(std::string(s.section) + "/" + s.key);
        const SkinBitmap& b = Named(s.section, s.key);
        const int along = s.layout == Layout::SideBySide ? b.Width() : b.Height();
        EXPECT_EQ(along % s.frames, 0) << "frames of unequal size";
        const SkinBitmap f = Frame(b, s, 0);
        EXPECT_GE(std::min(f.Width(), f.Height()), s.minSide);
        EXPECT_LE(std::min(f.Width(), f.Height()), s.maxSide);
    }
}

TEST_P(FrameLayoutTest, OpaquePartsHoldNoKeyColour) {
    for (const Strip& s : kStrips) {
        if (!s.opaque) continue;
        SCOPED_TRACE(std::string(s.section) + "/" + s.key);
        EXPECT_EQ(KeyPixels(Named(s.section, s.key)), 0);
    }
}

TEST_P(FrameLayoutTest, EveryFrameShowsSomething) {
    for (const Strip& s : kStrips) {
        const SkinBitmap& b = Named(s.section, s.key);
        for (int i = 0; i < s.frames; ++i) {
            // The normal menu item is transparent on purpose: the popup background shows.
            if (std::string(s.section) == "MenuItem" && i == 0) continue;
            SCOPED_TRACE(std::string(s.section) + "/" + s.key + " frame " + std::to_string(i + 1));
            const SkinBitmap f = Frame(b, s, i);
            EXPECT_LT(KeyPixels(f), f.Width() * f.Height());
        }
    }
}

TEST_P(FrameLayoutTest, StateFramesDiffer) {
    struct Pair {
        const char* section;
        const char* key;
        int frames;
        Layout layout;
        int a, b;  // frames (from 1) that must not look the same
    };
    constexpr Layout kSide = Layout::SideBySide;
    const Pair pairs[] = {
        {"Buttons", "Bitmap", 5, kSide, 1, 2},       {"Buttons", "Bitmap", 5, kSide, 1, 3},
        {"Buttons", "Bitmap", 5, kSide, 1, 4},       {"Buttons", "Bitmap", 5, kSide, 1, 5},
        {"Buttons", "CheckButton", 12, kSide, 1, 5}, {"Buttons", "CheckButton", 12, kSide, 5, 8},
        {"Buttons", "CheckButton", 12, kSide, 1, 9}, {"Buttons", "RadioButton", 8, kSide, 1, 5},
        {"Buttons", "RadioButton", 8, kSide, 5, 8},  {"ButtonClose", "ButtonImage", 4, kSide, 1, 2},
        {"ButtonClose", "ButtonImage", 4, kSide, 1, 3}, {"ButtonClose", "ButtonImage", 4, kSide, 1, 4},
        {"ButtonMax", "ButtonImage", 4, kSide, 1, 3}, {"Personality", "Top", 2, Layout::Stacked, 1, 2},
        {"Personality", "Left", 2, kSide, 1, 2},      {"Personality", "TextBack", 2, Layout::Stacked, 1, 2},
        {"MenuItem", "Image", 5, kSide, 1, 4},        {"Scrollbar", "Image", 23, kSide, 1, 2},
        {"Scrollbar", "Image", 23, kSide, 1, 5},      {"Scrollbar", "Image", 23, kSide, 9, 13},
        {"Tabs", "Image", 5, kSide, 1, 2},            {"StatusBarEdges", "Image", 3, kSide, 1, 2},
        {"UpDown.Vert", "Image", 8, kSide, 1, 2},     {"UpDown.Vert", "Image", 8, kSide, 1, 5},
        {"ComboButton", "Image", 4, kSide, 1, 4},     {"MDICONTROLS", "Image", 12, kSide, 1, 4},
        {"MDICONTROLS", "Image", 12, kSide, 1, 5},    {"MDICONTROLS", "Image", 12, kSide, 5, 9},
    };
    for (const Pair& p : pairs) {
        SCOPED_TRACE(std::string(p.section) + "/" + p.key + " " + std::to_string(p.a) + " vs " + std::to_string(p.b));
        const Strip s{p.section, p.key, p.frames, p.layout, 0, 0, false};
        const SkinBitmap& b = Named(p.section, p.key);
        EXPECT_FALSE(SamePixels(Frame(b, s, p.a - 1), Frame(b, s, p.b - 1)));
    }
}

TEST_P(FrameLayoutTest, WindowCornersAreKeyColouredOutside) {
    const SkinStyle& style = this->style();
    const SkinBitmap& left = Named("Personality", "Left");
    const SkinBitmap& right = Named("Personality", "Right");
    const int fw = left.Width() / 2;
    for (int frame = 0; frame < 2; ++frame) {
        SCOPED_TRACE("frame " + std::to_string(frame + 1));
        EXPECT_EQ(left.Pixel(frame * fw, 0), kKeyPixel);
        EXPECT_EQ(right.Pixel(frame * fw + fw - 1, 0), kKeyPixel);
        // Well inside the corner the frame is solid.
        EXPECT_NE(left.Pixel(frame * fw + fw - 1, style.captionHeight - 1), kKeyPixel);
        if (style.bottomRadius >= 2) {
            EXPECT_EQ(left.Pixel(frame * fw, left.Height() - 1), kKeyPixel);
            EXPECT_EQ(right.Pixel(frame * fw + fw - 1, right.Height() - 1), kKeyPixel);
        }
    }
    // Below the corners the outline runs straight down to the bottom corner.
    EXPECT_NE(left.Pixel(0, style.captionHeight), kKeyPixel);
}

// The program stretches the middle of each border piece: rows (left, right) or
// columns (top, bottom) inside the margins must be identical, or the stretch shows.
TEST_P(FrameLayoutTest, StretchedRunsOfBorderPiecesAreUniform) {
    const GeneratedSkin& g = skin();
    const auto margin = [&](const char* key) { return std::stoi(*g.definition.Find("Personality", key)); };
    const SkinBitmap& left = Named("Personality", "Left");
    for (int y = margin("LeftTopHeight"); y + 1 < left.Height() - margin("LeftBotHeight"); ++y)
        for (int x = 0; x < left.Width(); ++x) ASSERT_EQ(left.Pixel(x, y), left.Pixel(x, y + 1)) << "row " << y;
    const SkinBitmap& top = Named("Personality", "Top");
    for (int x = margin("TopTopHeight"); x + 1 < top.Width() - margin("TopBotHeight"); ++x)
        for (int y = 0; y < top.Height(); ++y) ASSERT_EQ(top.Pixel(x, y), top.Pixel(x + 1, y)) << "column " << x;
}

TEST_P(FrameLayoutTest, CaptionFitsItsButtons) {
    const SkinStyle& style = this->style();
    const SkinBitmap& top = Named("Personality", "Top");
    const int caption = top.Height() / 2;
    EXPECT_EQ(caption, style.captionHeight);
    EXPECT_GE(caption, 24);
    EXPECT_LE(caption, 30);
    EXPECT_EQ(Named("Personality", "TextBack").Height() / 2, caption);
    for (const char* section : {"ButtonClose", "ButtonMax", "ButtonRestore", "ButtonMin", "ButtonOrnament"}) {
        SCOPED_TRACE(section);
        const int y = std::stoi(*skin().definition.Find(section, "Ycoord"));
        EXPECT_GE(y, 1);
        EXPECT_LE(y + Named(section, "ButtonImage").Height(), caption - 1);
    }
}

TEST_P(FrameLayoutTest, CheckAndRadioCountsAgreeWithTheirDerivation) {
    // The definition states 12 and 8; a strip drawn at another cell size would make
    // the program's own derivation disagree the moment the keys were dropped.
    EXPECT_EQ(skin::DeriveCheckFrameCount(Named("Buttons", "CheckButton")), 12);
    EXPECT_EQ(skin::DeriveCheckFrameCount(Named("Buttons", "RadioButton")), 8);
}

TEST_P(FrameLayoutTest, MdiStripFitsTheMenuBar) {
    const SkinBitmap& mdi = Named("MDICONTROLS", "Image");
    EXPECT_EQ(mdi.Width() % 12, 0);
    EXPECT_LE(mdi.Height(), Named("Personality", "menuBar").Height() / 2);
}

INSTANTIATE_TEST_SUITE_P(Skins, FrameLayoutTest, testing::ValuesIn(AllStyles()), StyleName);

}  // namespace
}  // namespace zuno::skinart::test
