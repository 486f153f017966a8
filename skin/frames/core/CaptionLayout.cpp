// The caption layout rule of a skinned frame.
#include "skin/frames/core/CaptionLayout.h"

namespace zuno::skin::frames {

CaptionTextLayout LayoutCaptionText(const CaptionLayoutInput& in, const TDataSkinTitle& title) {
    const int textShift = title.LeftWidth;
    const int textShiftVert = title.TopHeight;
    const int textRightClip = title.RightWidth;
    Rect t{in.area.left, in.area.top, in.area.left + in.textWidth, in.area.top + in.textHeight};
    t.right += title.TXTBackleft + title.TXTBackRight;
    const int w = in.area.Width();
    const int tw = t.Width();
    const int alignment = in.rightToLeft ? 2 : title.TextAlignment;
    int dx = 0;
    switch (alignment) {
    case 0: dx = textShift; break;
    case 1: dx = (w - tw) / 2; break;
    case 2: dx = w - textRightClip - tw; break;
    default: dx = 0; break;
    }
    const int dy = (in.area.Height() - t.Height()) / 2 + textShiftVert / 2;
    t = {t.left + dx, t.top + dy, t.right + dx, t.bottom + dy};
    if (in.popup) {
        const int limit = in.largestRightButtonLeft - 5;
        if (limit > t.right) t.right = limit;
    } else {
        const int limit = in.area.right - textRightClip;
        if (limit < t.right) t.right = limit;
    }
    CaptionTextLayout out;
    out.back = t;
    out.text = {t.left + title.TXTBackleft, t.top, t.right - title.TXTBackRight, t.bottom};
    return out;
}

}  // namespace zuno::skin::frames
