// Module WinSubClass, bars: TSkinStatusBar paints a status bar's panels and size grip
// instead of the control, TSkinProgress a progress bar in either of the skin's
// styles (frames or chunks).
#pragma once

#include "skin/controls/SkinControl.h"

namespace zuno::skin::controls {

class TSkinStatusBar : public TSkinControl {
    ZUNO_COMPONENT_CLASS(TSkinStatusBar, TSkinControl)
public:
    explicit TSkinStatusBar(forms::TComponent* owner) : TSkinControl(owner) {}
    bool BeforeMessage(forms::TMessage& m) override;
    void Paint(HDC dc, const RECT& rect) override;
};

class TSkinProgress : public TSkinControl {
    ZUNO_COMPONENT_CLASS(TSkinProgress, TSkinControl)
public:
    explicit TSkinProgress(forms::TComponent* owner) : TSkinControl(owner) {}
    bool BeforeMessage(forms::TMessage& m) override;
    void Paint(HDC dc, const RECT& rect) override;
};

// Paints through WM_PAINT as the button wrapper does: BeginPaint unless wParam
// carries a device context, Paint over the window at (0, 0), EndPaint.
void PaintThroughWmPaint(TSkinControl& wrapper, forms::TMessage& m);

}  // namespace zuno::skin::controls
