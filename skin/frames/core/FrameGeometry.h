// Geometry and style rules of a skinned window frame that need no window: border
// kind from the style, border thicknesses from the skin's border bitmaps, the
// client rectangle answered to WM_NCCALCSIZE, the hit-test rule, caption styles,
// and the width a message box needs for its caption. All in window coordinates.
#pragma once

#include <cstdint>

#include "skin/data/SkinData.h"
#include "skin/draw/Bitmap.h"

namespace zuno::skin::frames {

// Window style bits the rules read (values of the Windows headers).
inline constexpr std::uint32_t kWsPopup = 0x80000000u;
inline constexpr std::uint32_t kWsChild = 0x40000000u;
inline constexpr std::uint32_t kWsCaption = 0x00C00000u;
inline constexpr std::uint32_t kWsSysMenu = 0x00080000u;
inline constexpr std::uint32_t kWsThickFrame = 0x00040000u;
inline constexpr std::uint32_t kWsMinimizeBox = 0x00020000u;
inline constexpr std::uint32_t kWsMaximizeBox = 0x00010000u;
inline constexpr std::uint32_t kDialogStyleBit = 0x80u;  // DS_MODALFRAME

inline constexpr int kHtNowhere = 0;
inline constexpr int kHtCaption = 2;
inline constexpr int kHtMenu = 5;

enum class BorderKind { None, Sizeable, Dialog, Single };

// Tested in this order: popup without a complete caption, thick frame, the dialog
// bit, anything else.
BorderKind BorderKindOf(std::uint32_t style);

// Border thicknesses in pixels; top is the caption height.
struct FrameMetrics {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    friend constexpr bool operator==(const FrameMetrics&, const FrameMetrics&) = default;
};

// Left/right: bitmap width div frame count; top/bottom: height div frame count. A
// frame count below 1 counts as 1 (a "Frame" of 0 in a skin must not divide by
// zero). Border kind none gives all zeros.
FrameMetrics FrameMetricsFromSkin(const TSkinData& data, BorderKind kind);

// The client rectangle for a proposed window position (x, y, cx, cy).
Rect NcClientRect(int x, int y, int cx, int cy, const FrameMetrics& m, int menuBarHeight);

// The forwarded hit-test answer stands unless it is nowhere or caption; then below
// the top three rows the caption strip drags and below the caption is the menu.
int HitTestRule(int forwarded, int windowY, int captionHeight);

// Caption-button flags: 1 maximise box, 2 minimise box, 8 system menu, 0x10 caption
// removed by the frame.
inline constexpr std::uint8_t kFlagMaxBox = 1;
inline constexpr std::uint8_t kFlagMinBox = 2;
inline constexpr std::uint8_t kFlagSysMenu = 8;
inline constexpr std::uint8_t kFlagCaptionRemoved = 0x10;
std::uint8_t CaptionButtonFlags(std::uint32_t style, bool hasSystemMenu);

// The style after stripping (restore false) or restoring the caption styles. Owned
// windows and MDI children keep WS_CAPTION when stripped (only the buttons go);
// others lose it and the caption-removed flag is set in `flags`.
std::uint32_t CaptionStyles(std::uint32_t style, std::uint8_t& flags, bool restore,
                            bool ownedOrMdiChild);

// The width a message box needs so that its caption fits: (ansiLength + 7) spaces
// plus both borders and the caption's text margins.
int MessageBoxNeededWidth(int ansiLength, int spaceWidth, const FrameMetrics& m,
                          const TDataSkinTitle& title);

// Outer size around a client area of clientWidth x clientHeight.
struct OuterSize {
    int width = 0;
    int height = 0;
};
OuterSize OuterSizeForClient(int clientWidth, int clientHeight, const FrameMetrics& m,
                             int menuBarHeight);

}  // namespace zuno::skin::frames
