// Module WinSubClass, small controls: TSkinUpDown paints an up-down control's two
// halves (skinned arrows, or flat buttons with line arrows), TSkinTrackBar draws a
// track bar's thumb from the skin through the control's custom-draw notifications.
#pragma once

#include "skin/controls/SkinControl.h"

namespace zuno::skin::controls {

class TSkinUpDown : public TSkinControl {
    ZUNO_COMPONENT_CLASS(TSkinUpDown, TSkinControl)
public:
    explicit TSkinUpDown(forms::TComponent* owner) : TSkinControl(owner) {}
    bool Inset = false;       // drawn one pixel inside the client area (an edit's spin)
    bool Horizontal = false;  // arrows side by side whatever the style
    void SetInset(bool inset) override { Inset = inset; }
    bool BeforeMessage(forms::TMessage& m) override;
    void Paint(HDC dc, const RECT& rect) override;
};

class TSkinTrackBar : public TSkinControl {
    ZUNO_COMPONENT_CLASS(TSkinTrackBar, TSkinControl)
public:
    explicit TSkinTrackBar(forms::TComponent* owner) : TSkinControl(owner) {}
    bool BeforeMessage(forms::TMessage& m) override;

private:
    void DrawThumb(HDC dc);
};

}  // namespace zuno::skin::controls
