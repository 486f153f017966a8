// DrawToolButton: the frame's painter for tool-bar buttons, installed as a tool
// bar's OnCustomDrawButton handler while the frame skins its window. It draws the
// skin's button frame and leaves image and caption to the tool bar.
#pragma once

#include <windows.h>

namespace zuno::forms {
class TToolBar;
class TToolButton;
}  // namespace zuno::forms

namespace zuno::skin::frames {
class TWinSkinForm;
}

namespace zuno::skin::controls {

void DrawToolButton(frames::TWinSkinForm& frame, forms::TToolBar* toolBar, forms::TToolButton* button,
                    UINT state, HDC canvas, bool& defaultDraw);

}  // namespace zuno::skin::controls
