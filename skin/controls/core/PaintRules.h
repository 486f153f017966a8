// The arithmetic of the control wrappers' painting: which skin frame a button, check
// box, radio button or combo box shows in which state, where the check glyph cell
// goes, the combo box's button and clip rectangles, the centred caption and the edit
// border test. Frames are counted from 1; pixels; div truncates toward zero.
#pragma once

#include "skin/draw/Bitmap.h"

namespace zuno::skin::controls {

// A control whose Tag mod 100 is the skin's DisableTag is left alone.
constexpr bool DisabledByTag(int tag, int disableTag) { return tag % 100 == disableTag; }

// Push button: pressed 2; else hot 4; else default 5; else focused 4; else 1;
// disabled always 3.
int ButtonFrame(bool pressed, bool hot, bool isDefault, bool focused, bool enabled);
// Bitmap button: pressed 2; focused or hot 4; default 5; else 1; disabled always 3.
int BitButtonFrame(bool pressed, bool hot, bool isDefault, bool focused, bool enabled);
// Speed button: pressed or down 2 (disabled too); hot 4; disabled 3; else 1.
int SpeedButtonFrame(bool pressed, bool down, bool hot, bool enabled);
// Glyph cell of a bitmap or speed button (from 1): 3 for frame 2, 2 disabled, else 1.
int GlyphNumber(int frame, bool enabled);

// Check box (checkBox) or radio button frame for the state, remapped for strips of
// 12 check frames or 8 radio frames.
int CheckFrame(bool checkBox, bool checked, bool enabled, bool indeterminate, int frameCount);

struct CheckGlyphPlace {
    Rect glyph;  // where the cell is stretched to
    Rect erase;  // filled with the face colour first, full height
};
// The glyph of a check box (checkBox) or radio button in a control of w x h pixels:
// cell cellW x cellH, menu-check size m, box on the right with BS_LEFTTEXT.
CheckGlyphPlace PlaceCheckGlyph(bool checkBox, bool leftText, int w, int h, int cellW, int cellH, int m);

// Combo box frame: pressed 2; focused or hot 4; enabled 1; else 3.
int ComboFrame(bool pressed, bool focused, bool hot, bool enabled);
struct ComboPlace {
    Rect exclude;    // left out of the clip region: the edit part stays the control's
    Rect button;     // the skin's button, stretched
    Rect glyphArea;  // the extra image is centred here
};
// Window w x h, button width e (SM_CXHSCROLL), right-to-left layout when rtl.
ComboPlace PlaceCombo(int w, int h, int e, bool rtl);

// Offset of a measured text inside a rectangle for the centred caption:
// ((width - textWidth) div 2, (height - textHeight) div 2 - 1).
struct Offset {
    int dx = 0, dy = 0;
};
Offset CentredCaptionOffset(int width, int height, int textWidth, int textHeight);

// An edit has a border to skin unless its client area is as wide or as high as the
// window; the WM_PRINT variant needs two more pixels.
bool EditHasBorder(int clientW, int clientH, int windowW, int windowH);
bool EditPrintHasBorder(int clientW, int clientH, int windowW, int windowH);

// Top of a group box's frame: (height of "0") div 2 - 1.
constexpr int GroupBoxFrameTop(int textHeight) { return textHeight / 2 - 1; }

}  // namespace zuno::skin::controls
