// Border kinds, thicknesses from border bitmaps, WM_NCCALCSIZE, the hit-test rule,
// caption styles and the message-box caption width, with worked numbers.
#include <gtest/gtest.h>

#include "skin/frames/core/FrameGeometry.h"

namespace zuno::skin::frames {
namespace {

TEST(FrameGeometry, BorderKindIsTestedInOrder) {
    struct Case { std::uint32_t style; BorderKind kind; } cases[] = {
        {kWsPopup, BorderKind::None},
        {kWsPopup | 0x00800000u, BorderKind::None},            // WS_BORDER alone is no caption
        {kWsPopup | kWsCaption | kWsThickFrame, BorderKind::Sizeable},
        {kWsCaption | kWsThickFrame | kDialogStyleBit, BorderKind::Sizeable},
        {kWsPopup | kWsCaption | kDialogStyleBit, BorderKind::Dialog},
        {kWsCaption, BorderKind::Single},
        {0, BorderKind::Single},
    };
    for (const Case& c : cases) EXPECT_EQ(BorderKindOf(c.style), c.kind) << std::hex << c.style;
}

TEST(FrameGeometry, ThicknessesDivideByFrameCountAndNeverByZero) {
    TSkinData data;
    data.LeftBorder.Bitmap = SkinBitmap(8, 40);
    data.LeftBorder.FrameCount = 2;   // side by side: 4 wide
    data.RightBorder.Bitmap = SkinBitmap(9, 40);
    data.RightBorder.FrameCount = 0;  // a "Frame" of 0 counts as 1
    data.TopBorder.Bitmap = SkinBitmap(60, 52);
    data.TopBorder.FrameCount = 2;    // stacked: 26 high
    data.BottomBorder.Bitmap = SkinBitmap(60, 7);
    data.BottomBorder.FrameCount = -3;
    EXPECT_EQ(FrameMetricsFromSkin(data, BorderKind::Single), (FrameMetrics{4, 26, 9, 7}));
    EXPECT_EQ(FrameMetricsFromSkin(data, BorderKind::None), (FrameMetrics{}));
}

TEST(FrameGeometry, ClientRectLeavesBordersCaptionAndMenuBar) {
    const FrameMetrics m{4, 26, 5, 6};
    EXPECT_EQ(NcClientRect(100, 50, 400, 300, m, 19), (Rect{104, 95, 495, 344}));
    EXPECT_EQ(NcClientRect(0, 0, 400, 300, m, 0), (Rect{4, 26, 395, 294}));
    EXPECT_EQ(OuterSizeForClient(636, 408, m, 19).width, 645);
    EXPECT_EQ(OuterSizeForClient(636, 408, m, 19).height, 459);
}

TEST(FrameGeometry, HitTestRule) {
    struct Case { int forwarded, y, result; } cases[] = {
        {kHtNowhere, 0, kHtNowhere},  // top three rows keep the forwarded answer
        {kHtCaption, 3, kHtCaption},
        {kHtNowhere, 4, kHtCaption},
        {kHtNowhere, 26, kHtCaption},  // y equal to the caption height is still caption
        {kHtNowhere, 27, kHtMenu},
        {kHtCaption, 40, kHtMenu},
        {1, 40, 1},                    // client stands
        {12, 1, 12},                   // HTTOP stands
    };
    for (const Case& c : cases) EXPECT_EQ(HitTestRule(c.forwarded, c.y, 26), c.result) << c.y;
}

TEST(FrameGeometry, CaptionStylesStripAndRestore) {
    const std::uint32_t style = kWsCaption | kWsSysMenu | kWsMinimizeBox;
    std::uint8_t flags = CaptionButtonFlags(style, false);
    EXPECT_EQ(flags, kFlagSysMenu | kFlagMinBox);
    EXPECT_EQ(CaptionButtonFlags(0, true), kFlagSysMenu);

    std::uint8_t owned = flags;
    EXPECT_EQ(CaptionStyles(style, owned, false, true), kWsCaption);  // owned: caption stays
    EXPECT_EQ(owned, flags);

    const std::uint32_t stripped = CaptionStyles(style, flags, false, false);
    EXPECT_EQ(stripped, kWsSysMenu | kWsMinimizeBox);
    EXPECT_TRUE(flags & kFlagCaptionRemoved);
    EXPECT_EQ(CaptionStyles(stripped, flags, true, false), style);
}

TEST(FrameGeometry, MessageBoxCaptionWidth) {
    TDataSkinTitle title("Title");
    title.LeftWidth = 10;   // TextShift
    title.RightWidth = 20;  // TextRightClip
    title.TXTBackleft = 3;
    title.TXTBackRight = 4;
    // "版本太旧" is 8 bytes in code page 936: (8 + 7) * 6 + 4 + 5 + 10 + 20 + 3 + 4.
    EXPECT_EQ(MessageBoxNeededWidth(8, 6, FrameMetrics{4, 26, 5, 6}, title), 136);
}

}  // namespace
}  // namespace zuno::skin::frames
