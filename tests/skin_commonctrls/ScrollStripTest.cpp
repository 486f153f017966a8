// The scroll bar's work strip: arrow frames, pressed looks, the thumb where the
// metrics put it, a short bar's halves, and nothing without the arrow strip.
#include <gtest/gtest.h>

#include "skin/data/SkinData.h"
#include "skin/scrollbars/core/ScrollStrip.h"

namespace zuno::skin::scrollbars {
namespace {

// A skin whose arrow strip has 23 one-pixel-wide frames of colour 1000 + frame, a
// plain shaft and a two-frame thumb, so every strip pixel names its source.
void FillStripSkin(TSkinData& d) {
    d.Scrollbar = std::make_unique<TDataSkinObject>("x");
    d.Scrollbar->Bitmap = SkinBitmap(23, 1);
    for (int f = 0; f < 23; ++f) d.Scrollbar->Bitmap.SetPixel(f, 0, Pixel32(1000 + f + 1));
    d.HorzScroll = std::make_unique<TDataSkinObject>("x");
    d.HorzScroll->Bitmap = SkinBitmap(4, 1, 0x777777);
    d.VertScroll = std::make_unique<TDataSkinObject>("x");
    d.VertScroll->Bitmap = SkinBitmap(4, 1, 0x666666);
    d.VertScrollThumb = std::make_unique<TDataSkinObject>("x");
    d.VertScrollThumb->FrameCount = 2;
    d.VertScrollThumb->Bitmap = SkinBitmap(2, 1);
    d.VertScrollThumb->Bitmap.SetPixel(0, 0, 0x111111);
    d.VertScrollThumb->Bitmap.SetPixel(1, 0, 0x222222);
}

TEST(ScrollStrip, ArrowFrames) {
    struct Case { bool horz, second; int state, frame; } cases[] = {
        {true, false, kStateNone, 1}, {true, false, kStateLeft, 2}, {true, true, kStateLeft, 5},
        {true, true, kStateRight, 6}, {false, false, kStateUp, 10}, {false, false, kStateDown, 9},
        {false, true, kStateDown, 14}, {false, true, kStateVertThumb, 13},
    };
    for (const Case& c : cases) EXPECT_EQ(ArrowFrame(c.horz, c.second, c.state), c.frame);
}

TEST(ScrollStrip, VerticalBarWithPressedUpArrowAndThumb) {
    TSkinData skin;
    FillStripSkin(skin);
    const BarMetrics m{16, 148, 15, 67};
    const SkinBitmap s = ComposeScrollStrip(skin, false, 180, 16, kStateUp, m, 0x123456);
    ASSERT_EQ(s.Width(), 16);
    ASSERT_EQ(s.Height(), 180);
    struct Probe { int y; Pixel32 colour; } probes[] = {
        {0, 1010}, {15, 1010},                 // up arrow, pressed: frame 10
        {16, 0x666666}, {82, 0x666666},        // shaft
        {83, 0x111111}, {97, 0x111111},        // thumb at 16 + 67, 15 long, frame 1
        {98, 0x666666}, {164, 1013}, {179, 1013},  // down arrow, frame 13
    };
    for (const Probe& p : probes) {
        EXPECT_EQ(PixelRgb(s.Pixel(0, p.y)), p.colour) << p.y;
        EXPECT_EQ(PixelRgb(s.Pixel(15, p.y)), p.colour) << p.y;
    }
    const SkinBitmap pressed = ComposeScrollStrip(skin, false, 180, 16, kStateVertThumb, m, 0);
    EXPECT_EQ(PixelRgb(pressed.Pixel(8, 90)), 0x222222u);
}

TEST(ScrollStrip, ShortBarIsTwoHalfArrows) {
    TSkinData skin;
    FillStripSkin(skin);
    BarMetrics m;
    ComputeThumb(20, 16, {0, 99, 10, 0, 0}, 8, 17, m);
    const SkinBitmap s = ComposeScrollStrip(skin, true, 20, 16, kStateNone, m, 0x123456);
    ASSERT_EQ(s.Width(), 20);
    for (int x = 0; x < 10; ++x) EXPECT_EQ(PixelRgb(s.Pixel(x, 5)), 1001u) << x;
    for (int x = 10; x < 20; ++x) EXPECT_EQ(PixelRgb(s.Pixel(x, 5)), 1005u) << x;
}

TEST(ScrollStrip, MissingPiecesLeaveTheFill) {
    TSkinData skin;
    FillStripSkin(skin);
    skin.HorzScroll.reset();
    const SkinBitmap s = ComposeScrollStrip(skin, true, 100, 16, kStateNone, {16, 68, 20, 0}, 0x123456);
    EXPECT_EQ(PixelRgb(s.Pixel(50, 3)), 0x123456u);  // no shaft, no horizontal thumb
    skin.Scrollbar->Bitmap = SkinBitmap();
    EXPECT_TRUE(ComposeScrollStrip(skin, true, 100, 16, kStateNone, {}, 0).Empty());
    FillStripSkin(skin);
    EXPECT_TRUE(ComposeScrollStrip(skin, true, 0, 16, kStateNone, {}, 0).Empty());
    EXPECT_TRUE(ComposeScrollStrip(skin, true, kMaxStripLength + 1, 16, kStateNone, {}, 0).Empty());
}

}  // namespace
}  // namespace zuno::skin::scrollbars
