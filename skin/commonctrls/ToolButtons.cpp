// Tool buttons in the skin's Buttons frames: pressed, hot or focused, default.
#include "skin/commonctrls/ToolButtons.h"

#include "forms/ComCtrls.h"
#include "skin/commonctrls/core/ControlLayout.h"
#include "skin/controls/SkinControl.h"
#include "skin/draw/Primitives.h"
#include "skin/frames/GdiSurface.h"
#include "skin/frames/WinSkinData.h"
#include "skin/frames/WinSkinForm.h"

namespace zuno::skin::controls {

void DrawToolButton(frames::TWinSkinForm& frame, forms::TToolBar* bar, forms::TToolButton* button, UINT state,
                    HDC canvas, bool&) {
    frames::TSkinData* skin = frame.SkinData();
    if (!skin || skin->Buttons.Bitmap.Empty() ||
        frame.Lifecycle() != frames::TWinSkinForm::lsSkinned || !button)
        return;
    const TDataSkinButton& b = skin->Buttons;
    if (bar) bar->FacesPainted = true;  // the skin's face, framed or bare
    // Unframed captions stand on the skin's face: its button text colour.
    SetTextColor(canvas, frames::ResolveColour(skin->ButtonTextColour));
    const int k = commonctrls::ToolButtonFrame(state);
    if (k == 0) return;  // greyed, disabled or no state: the tool bar's own look
    if (k == 1 && b.HasNormalColour2) SetTextColor(canvas, frames::ResolveColour(b.NormalColour2));
    if (k == 4 && b.HasMouseOverColour2) SetTextColor(canvas, frames::ResolveColour(b.MouseOverColour2));
    if (k == 2 && b.HasPressedColour2) SetTextColor(canvas, frames::ResolveColour(b.PressedColour2));
    RECT r = button->BoundsRect();
    InflateRect(&r, -1, -1);
    const Margins m{b.LeftWidth, b.TopHeight, b.RightWidth, b.BottomHeight};
    DrawOverDc(canvas, r, [&](SkinBitmap& target, Rect area) {
        DrawNinePatch(target, area, b.Bitmap, FrameLayout::SideBySide, CentreFill::Stretch, b.Trans == 1, 5, k, m);
    });
}

}  // namespace zuno::skin::controls
