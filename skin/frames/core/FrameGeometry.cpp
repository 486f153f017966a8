// Frame geometry rules: border kind, thicknesses, WM_NCCALCSIZE and hit testing,
// caption styles and the message-box caption width.
#include "skin/frames/core/FrameGeometry.h"

#include <algorithm>

namespace zuno::skin::frames {
namespace {

int Frames(const TDataSkinObject& piece) { return std::max(1, piece.FrameCount); }

}  // namespace

BorderKind BorderKindOf(std::uint32_t style) {
    if ((style & kWsPopup) != 0 && (style & kWsCaption) != kWsCaption) return BorderKind::None;
    if ((style & kWsThickFrame) != 0) return BorderKind::Sizeable;
    if ((style & kDialogStyleBit) != 0) return BorderKind::Dialog;
    return BorderKind::Single;
}

FrameMetrics FrameMetricsFromSkin(const TSkinData& data, BorderKind kind) {
    if (kind == BorderKind::None) return {};
    return {data.LeftBorder.Bitmap.Width() / Frames(data.LeftBorder),
            data.TopBorder.Bitmap.Height() / Frames(data.TopBorder),
            data.RightBorder.Bitmap.Width() / Frames(data.RightBorder),
            data.BottomBorder.Bitmap.Height() / Frames(data.BottomBorder)};
}

Rect NcClientRect(int x, int y, int cx, int cy, const FrameMetrics& m, int menuBarHeight) {
    return {x + m.left, y + m.top + menuBarHeight, x + cx - m.right, y + cy - m.bottom};
}

int HitTestRule(int forwarded, int windowY, int captionHeight) {
    if (forwarded != kHtNowhere && forwarded != kHtCaption) return forwarded;
    int result = forwarded;
    if (windowY > 3) result = kHtCaption;
    if (windowY > captionHeight) result = kHtMenu;
    return result;
}

std::uint8_t CaptionButtonFlags(std::uint32_t style, bool hasSystemMenu) {
    std::uint8_t flags = 0;
    if (style & kWsMaximizeBox) flags |= kFlagMaxBox;
    if (style & kWsMinimizeBox) flags |= kFlagMinBox;
    if ((style & kWsSysMenu) || hasSystemMenu) flags |= kFlagSysMenu;
    return flags;
}

std::uint32_t CaptionStyles(std::uint32_t style, std::uint8_t& flags, bool restore,
                            bool ownedOrMdiChild) {
    if (restore) {
        if (flags & kFlagSysMenu) style |= kWsSysMenu;
        if (flags & kFlagMinBox) style |= kWsMinimizeBox;
        if (flags & kFlagMaxBox) style |= kWsMaximizeBox;
        if (flags & kFlagCaptionRemoved) style |= kWsCaption;
        return style;
    }
    if (ownedOrMdiChild) return style & ~(kWsMinimizeBox | kWsMaximizeBox | kWsSysMenu);
    flags |= kFlagCaptionRemoved;
    return style & ~kWsCaption;
}

int MessageBoxNeededWidth(int ansiLength, int spaceWidth, const FrameMetrics& m,
                          const TDataSkinTitle& title) {
    return (ansiLength + 7) * spaceWidth + m.left + m.right + title.LeftWidth + title.RightWidth +
           title.TXTBackleft + title.TXTBackRight;
}

OuterSize OuterSizeForClient(int clientWidth, int clientHeight, const FrameMetrics& m,
                             int menuBarHeight) {
    return {clientWidth + m.left + m.right, clientHeight + m.top + m.bottom + menuBarHeight};
}

}  // namespace zuno::skin::frames
