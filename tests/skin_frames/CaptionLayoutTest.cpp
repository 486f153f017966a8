// The caption layout rule: every alignment, right to left, the WS_POPUP right edge
// and the text background's caps.
#include <gtest/gtest.h>

#include "skin/frames/core/CaptionLayout.h"

namespace zuno::skin::frames {
namespace {

// Fills a caption object (they cannot be copied: each owns its bitmap).
void SetTitle(TDataSkinTitle& t, int alignment, int shift, int shiftVert, int rightClip, int backLeft = 0,
              int backRight = 0) {
    t.TextAlignment = alignment;
    t.LeftWidth = shift;
    t.TopHeight = shiftVert;
    t.RightWidth = rightClip;
    t.TXTBackleft = backLeft;
    t.TXTBackRight = backRight;
}

TEST(CaptionLayout, AlignmentRules) {
    // Caption area (4, 0, 404, 26); text 100 x 13.
    struct Case { int alignment; bool rtl; int left, top; } cases[] = {
        {0, false, 4 + 7, 6 + 1},          // TextShift 7; (26 - 13) / 2 + 3 / 2
        {1, false, 4 + 150, 7},            // (400 - 100) / 2
        {2, false, 4 + 400 - 20 - 100, 7}, // before TextRightClip
        {5, false, 4, 7},                  // unknown alignment: no offset
        {0, true, 4 + 280, 7},             // right to left always uses 2
    };
    for (const Case& c : cases) {
        TDataSkinTitle t("Title");
        SetTitle(t, c.alignment, 7, 3, 20);
        const CaptionTextLayout l =
            LayoutCaptionText({Rect{4, 0, 404, 26}, 100, 13, c.rtl, false, 0}, t);
        EXPECT_EQ(l.back.left, c.left) << c.alignment;
        EXPECT_EQ(l.back.top, c.top) << c.alignment;
        EXPECT_EQ(l.back.Height(), 13);
    }
}

TEST(CaptionLayout, RightEdgeClippedOrRaisedForPopups) {
    TDataSkinTitle t("Title");
        SetTitle(t, 0, 0, 0, 30);
    // Text wider than the caption: clipped at area.right - TextRightClip.
    CaptionTextLayout l = LayoutCaptionText({Rect{4, 0, 204, 20}, 300, 12, false, false, 0}, t);
    EXPECT_EQ(l.back.right, 174);
    // WS_POPUP: raised up to 5 pixels before the leftmost right-aligned button.
    l = LayoutCaptionText({Rect{4, 0, 204, 20}, 50, 12, false, true, 180}, t);
    EXPECT_EQ(l.back.right, 175);
    l = LayoutCaptionText({Rect{4, 0, 204, 20}, 300, 12, false, true, 180}, t);
    EXPECT_EQ(l.back.right, 304);  // never lowered
}

TEST(CaptionLayout, BackgroundCapsWidenTheBackAndInsetTheText) {
    TDataSkinTitle t("Title");
        SetTitle(t, 0, 10, 0, 0, 6, 8);
    const CaptionTextLayout l = LayoutCaptionText({Rect{0, 0, 300, 20}, 50, 12, false, false, 0}, t);
    EXPECT_EQ(l.back, (Rect{10, 4, 74, 16}));
    EXPECT_EQ(l.text, (Rect{16, 4, 66, 16}));
}

TEST(CaptionLayout, HalvingTruncatesTowardZero) {
    // Text taller than the caption: (10 - 13) / 2 = -1, and -3 / 2 = -1.
    TDataSkinTitle t("Title");
        SetTitle(t, 0, 0, -3, 0);
    const CaptionTextLayout l = LayoutCaptionText({Rect{0, 0, 100, 10}, 20, 13, false, false, 0}, t);
    EXPECT_EQ(l.back.top, -2);
}

}  // namespace
}  // namespace zuno::skin::frames
