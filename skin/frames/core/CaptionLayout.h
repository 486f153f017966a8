// Where the title text of a skinned caption goes: alignment, vertical centring, the
// right-edge clip (raised up to the right-aligned buttons for WS_POPUP windows) and
// the text background's caps. Pure arithmetic on rectangles in window coordinates.
#pragma once

#include "skin/data/SkinObjects.h"
#include "skin/draw/Bitmap.h"

namespace zuno::skin::frames {

struct CaptionLayoutInput {
    Rect area;              // (left, 0, w - right, top): the caption between the borders
    int textWidth = 0;      // measured size of "   " + window text in the caption font
    int textHeight = 0;
    bool rightToLeft = false;
    bool popup = false;     // WS_POPUP in the window style
    int largestRightButtonLeft = 0;  // from the previous title-button layout
};

struct CaptionTextLayout {
    Rect back;  // the text rectangle kept for the title buttons; TextBack is drawn over
                // (back.left, area.top, back.right, area.bottom)
    Rect text;  // where the text is drawn: back without the background's caps
};

// Every halving truncates toward zero. Alignment 0 shifts by TextShift, 1 centres,
// 2 right-aligns before TextRightClip, others stay at the left; right-to-left
// windows always use 2.
CaptionTextLayout LayoutCaptionText(const CaptionLayoutInput& in, const TDataSkinTitle& title);

}  // namespace zuno::skin::frames
