// The title-button rules: state machine, visibility table, layout and frames.
#include "skin/titlebuttons/core/TitleButtonRules.h"

#include <algorithm>

namespace zuno::skin::titlebuttons {

TNCObject::~TNCObject() {
    // The hot object never outlives its object.
    if (host_.HotObject == this) host_.HotObject = nullptr;
}

void TNCObject::MouseDown() {
    if (host_.HotObject != nullptr && host_.HotObject != this) host_.HotObject->MouseLeave();
    if (!Visible) return;
    host_.HotObject = this;
    State = kStatePressed;
    Paint();
}

void TNCObject::MouseUp() {
    if (!Visible) return;
    State = kStateOver;
    Paint();
}

void TNCObject::MouseEnter() {
    if (host_.HotObject == this) return;
    if (host_.HotObject != nullptr) host_.HotObject->MouseLeave();
    if (!Visible) return;
    host_.HotObject = this;
    State = kStateOver;
    Paint();
}

void TNCObject::MouseLeave() {
    if (!Visible) return;
    host_.HotObject = nullptr;
    State = kStateNormal;
    Paint();
}

namespace {

// One column of the visibility table; `second` selects the Visibility1 column.
bool Condition(int value, const TDataSkinSysButton& b, const TitleButtonWindow& w, bool second) {
    switch (value) {
    case 0: return second || b.Action != 0 || w.systemMenu;
    case 1: return w.maximised;
    case 2: return !w.maximised;
    case 3: return w.active;
    case 4: return !w.active;
    case 6: return second ? w.maximiseBox : (w.maximiseBox && w.systemMenu);
    case 7: return !w.maximiseBox;
    case 8: return second ? w.minimiseBox : (w.minimiseBox && w.systemMenu);
    case 9: return !w.minimiseBox;
    case 100: return w.mdiChildMaximised && w.menuBarHeight > 0;
    default: return value >= 200 && value <= 2000;
    }
}

}  // namespace

bool IsTitleButtonVisible(const TDataSkinSysButton& b, const TitleButtonWindow& w) {
    const bool a = Condition(b.Visibility, b, w, false);
    // B equals A for the MDI buttons (value 100 in the first column).
    const bool second = b.Visibility == 100 ? a : Condition(b.Visibility1, b, w, true);
    if (!(a && second)) return false;
    if (b.Action == 1 && !w.maximiseBox) return false;
    if (b.Action == 2 && !w.minimiseBox) return false;
    return true;
}

int TitleButtonFrameWidth(const TDataSkinSysButton& b) {
    return b.Bitmap.Width() / std::max(1, b.FrameCount);
}

Rect LayoutTitleButton(const TDataSkinSysButton& b, const TitleButtonPlace& p, int& largestRightLeft) {
    const int fw = TitleButtonFrameWidth(b);
    const int h = b.Bitmap.Height();
    int x = 0, y = 0;
    switch (b.Align) {
    case 0: x = b.Xcoord, y = b.Ycoord; break;
    case 1:
        x = p.windowWidth - b.Xcoord, y = b.Ycoord;
        largestRightLeft = std::max(largestRightLeft, x);
        break;
    case 2:
    case 8: x = p.titleText.left - fw - b.Xcoord, y = b.Ycoord; break;
    case 3:
    case 9: x = b.Xcoord + p.titleText.right, y = b.Ycoord; break;
    case 100:
        x = p.rightToLeft ? b.Xcoord + p.leftBorder + p.menuBarLeftWidth
                          : p.windowWidth - b.Xcoord - p.rightBorder - p.menuBarLeftWidth;
        y = (p.menuBarHeight - h) / 2 + p.captionHeight;
        break;
    default: break;
    }
    return {x, y, x + fw, y + h};
}

int CaptionPaintFrame(bool active, int frameCount) { return (active || frameCount < 4) ? 1 : 4; }

int StatePaintFrame(int state, int visibility) {
    return (visibility == 100 && state == kStateOver) ? 4 : state;
}

}  // namespace zuno::skin::titlebuttons
