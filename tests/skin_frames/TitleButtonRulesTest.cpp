// Title-button rules: the TNCObject state machine, the visibility table, layout by
// Align and the frame a button shows.
#include <gtest/gtest.h>

#include <memory>

#include "skin/titlebuttons/core/TitleButtonRules.h"

namespace zuno::skin::titlebuttons {
namespace {

struct CountingObject : TNCObject {
    using TNCObject::TNCObject;
    void Paint() override { ++paints; }
    int paints = 0;
};

TEST(NCObject, StateMachineKeepsOneHotObject) {
    NCHost host;
    CountingObject a(host), b(host);
    a.MouseEnter();
    EXPECT_EQ(host.HotObject, &a);
    EXPECT_EQ(a.State, kStateOver);
    a.MouseEnter();  // already hot: nothing
    EXPECT_EQ(a.paints, 1);
    a.MouseDown();
    EXPECT_EQ(a.State, kStatePressed);
    // Pressed on a, moved onto b: b becomes hot, a goes back to normal.
    b.MouseEnter();
    EXPECT_EQ(host.HotObject, &b);
    EXPECT_EQ(a.State, kStateNormal);
    b.MouseUp();
    EXPECT_EQ(b.State, kStateOver);
    b.MouseLeave();
    EXPECT_EQ(host.HotObject, nullptr);
    EXPECT_EQ(b.State, kStateNormal);
}

TEST(NCObject, InvisibleObjectsKeepStateAndHotObjectDiesWithIt) {
    NCHost host;
    {
        CountingObject hidden(host);
        hidden.Visible = false;
        hidden.MouseEnter();
        EXPECT_EQ(host.HotObject, nullptr);
        EXPECT_EQ(hidden.paints, 0);
        hidden.Visible = true;
        hidden.MouseDown();
        EXPECT_EQ(host.HotObject, &hidden);
    }
    EXPECT_EQ(host.HotObject, nullptr);
}

std::unique_ptr<TDataSkinSysButton> Button(int action, int visibility, int visibility1) {
    auto b = std::make_unique<TDataSkinSysButton>("b");
    b->Action = action;
    b->Visibility = visibility;
    b->Visibility1 = visibility1;
    return b;
}

TEST(TitleButtons, VisibilityTable) {
    TitleButtonWindow normal{false, true, true, true, true, false, 19};
    TitleButtonWindow maxed = normal;
    maxed.maximised = true;
    TitleButtonWindow inactive = normal;
    inactive.active = false;
    TitleButtonWindow bare{false, true, false, false, false, false, 0};
    TitleButtonWindow mdi = normal;
    mdi.mdiChildMaximised = true;
    struct Case { int action, v, v1; const TitleButtonWindow* w; bool visible; } cases[] = {
        {0, 0, 0, &normal, true},
        {0, 0, 0, &bare, false},     // close needs a system menu
        {-1, 0, 0, &bare, true},     // decoration
        {1, 2, 0, &normal, true},    // maximise shows while not maximised
        {1, 2, 0, &maxed, false},
        {22, 1, 0, &maxed, true},    // restore shows while maximised
        {22, 1, 0, &normal, false},
        {1, 0, 0, &bare, false},     // no maximise box hides Action 1
        {2, 0, 0, &bare, false},     // no minimise box hides Action 2
        {5, 3, 0, &normal, true},
        {5, 3, 0, &inactive, false},
        {5, 4, 4, &inactive, true},
        {5, 5, 0, &normal, false},
        {5, 6, 0, &normal, true},
        {5, 6, 0, &bare, false},
        {5, 0, 6, &bare, false},
        {5, 7, 7, &bare, true},
        {5, 9, 0, &normal, false},
        {5, 10, 0, &normal, false},
        {7, 100, 100, &normal, false},
        {7, 100, 100, &mdi, true},
        {5, 200, 2000, &normal, true},
        {5, 2001, 0, &normal, false},
        {5, -1, 0, &normal, false},
    };
    for (const Case& c : cases) {
        const auto b = Button(c.action, c.v, c.v1);
        EXPECT_EQ(IsTitleButtonVisible(*b, *c.w), c.visible) << c.action << " " << c.v << " " << c.v1;
    }
}

TEST(TitleButtons, LayoutByAlign) {
    TitleButtonPlace p;
    p.windowWidth = 400;
    p.titleText = {50, 4, 150, 18};
    p.leftBorder = 4;
    p.rightBorder = 5;
    p.captionHeight = 26;
    p.menuBarHeight = 20;
    p.menuBarLeftWidth = 3;
    struct Case { int align, x, y; Rect r; } cases[] = {
        {0, 6, 5, {6, 5, 22, 19}},
        {1, 40, 5, {360, 5, 376, 19}},
        {2, 2, 5, {32, 5, 48, 19}},
        {8, 2, 5, {32, 5, 48, 19}},
        {3, 2, 5, {152, 5, 168, 19}},
        {9, 2, 5, {152, 5, 168, 19}},
        {100, 30, 0, {362, 29, 378, 43}},  // 400 - 30 - 5 - 3; (20 - 14) / 2 + 26
        {42, 9, 9, {0, 0, 16, 14}},
    };
    for (const Case& c : cases) {
        TDataSkinSysButton b("b");
        b.Bitmap = SkinBitmap(48, 14);
        b.FrameCount = 3;
        b.Align = c.align;
        b.Xcoord = c.x;
        b.Ycoord = c.y;
        int largest = 0;
        EXPECT_EQ(LayoutTitleButton(b, p, largest), c.r) << c.align;
        EXPECT_EQ(largest, c.align == 1 ? 360 : 0);
    }
    TDataSkinSysButton mdi("m");
    mdi.Bitmap = SkinBitmap(48, 14);
    mdi.FrameCount = 0;  // counts as 1
    mdi.Align = 100;
    mdi.Xcoord = 30;
    p.rightToLeft = true;
    int largest = 0;
    EXPECT_EQ(LayoutTitleButton(mdi, p, largest), (Rect{37, 29, 85, 43}));
}

TEST(TitleButtons, FramesShown) {
    EXPECT_EQ(CaptionPaintFrame(true, 4), 1);
    EXPECT_EQ(CaptionPaintFrame(false, 4), 4);
    EXPECT_EQ(CaptionPaintFrame(false, 3), 1);
    EXPECT_EQ(StatePaintFrame(kStateOver, 0), 3);
    EXPECT_EQ(StatePaintFrame(kStateOver, 100), 4);
    EXPECT_EQ(StatePaintFrame(kStatePressed, 100), 2);
}

}  // namespace
}  // namespace zuno::skin::titlebuttons
