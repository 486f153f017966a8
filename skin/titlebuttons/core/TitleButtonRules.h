// Title-bar buttons without windows: the hot-trackable non-client object and its
// state machine (shared with the menu-bar items), the visibility table, the layout
// by Align, and which bitmap frame a button shows.
#pragma once

#include <cstdint>

#include "skin/data/SkinObjects.h"
#include "skin/draw/Bitmap.h"

namespace zuno::skin::titlebuttons {

class TNCObject;

// The frame side of the non-client objects: at most one hot object per frame.
struct NCHost {
    TNCObject* HotObject = nullptr;
};

// States: 1 normal, 2 pressed, 3 mouse over.
inline constexpr int kStateNormal = 1;
inline constexpr int kStatePressed = 2;
inline constexpr int kStateOver = 3;

class TNCObject {
public:
    explicit TNCObject(NCHost& host) : host_(host) {}
    virtual ~TNCObject();
    TNCObject(const TNCObject&) = delete;
    TNCObject& operator=(const TNCObject&) = delete;

    virtual void MouseDown();
    virtual void MouseUp();
    virtual void MouseEnter();
    virtual void MouseLeave();
    virtual void Paint() {}

    Rect BoundsRect;     // window coordinates
    bool Visible = true;
    int State = kStateNormal;

protected:
    NCHost& host_;
};

// What the visibility rule reads of the window.
struct TitleButtonWindow {
    bool maximised = false;
    bool active = true;
    bool maximiseBox = false;
    bool minimiseBox = false;
    bool systemMenu = false;
    bool mdiChildMaximised = false;  // an MDI parent whose active child is maximised
    int menuBarHeight = 0;
};

bool IsTitleButtonVisible(const TDataSkinSysButton& button, const TitleButtonWindow& window);

// What the layout reads of the frame.
struct TitleButtonPlace {
    int windowWidth = 0;
    Rect titleText;          // from the caption layout just before
    int leftBorder = 0;
    int rightBorder = 0;
    int captionHeight = 0;
    int menuBarHeight = 0;
    int menuBarLeftWidth = 0;  // LeftWidth of the skin's MenuBar object, 0 without one
    bool rightToLeft = false;
};

// Width of one frame: bitmap width div the frame count (a count below 1 counts as 1).
int TitleButtonFrameWidth(const TDataSkinSysButton& button);

// The button's rectangle by Align; `largestRightLeft` is raised to the left edge of
// a right-aligned (Align 1) button.
Rect LayoutTitleButton(const TDataSkinSysButton& button, const TitleButtonPlace& place,
                       int& largestRightLeft);

// Frame shown in a caption paint: 1 when active or fewer than 4 frames, else 4.
int CaptionPaintFrame(bool active, int frameCount);
// Frame shown on a state change: the state, except 4 for an MDI button moused over.
int StatePaintFrame(int state, int visibility);

}  // namespace zuno::skin::titlebuttons
