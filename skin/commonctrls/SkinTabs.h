// Module WinSubClass, tabs: TSkinTab paints a tab or page control's tab strip (drawn
// lying down and turned once for tabs on the left or right) and its page border over
// the control; TSkinTab31 paints a tab set's captions before and after the control.
#pragma once

#include "skin/commonctrls/core/TabLayout.h"
#include "skin/controls/SkinControl.h"
#include "skin/frames/GdiSurface.h"

namespace zuno::skin::controls {

class TSkinUpDown;

class TSkinTab : public TSkinControl {
    ZUNO_COMPONENT_CLASS(TSkinTab, TSkinControl)
public:
    explicit TSkinTab(forms::TComponent* owner) : TSkinControl(owner) {}
    std::uint8_t Orientation = 0;   // 0 top, 1 bottom, 2 left, 3 right
    SkinBitmap TabImage;            // prepared copy of Tabs.Bitmap
    SkinBitmap BorderImage;         // prepared copy of Tabs.Bitmap2, turned to the tab side
    frames::DibSurface StripBuffer; // the strip, painted lying horizontally
    TSkinUpDown* ArrowsWrapper = nullptr;

    void AttachToWindow(HWND window, TSkinData* data, TWinSkinForm* frame, frames::DibSurface* canvas) override;
    void Paint(HDC dc, const RECT& rect) override;
    void Refresh() override;

private:
    void PrepareImages();
    // The visible up-down child the control shows when its tabs overflow.
    HWND FindArrows();
    void PaintStrip(HDC dc, const RECT& rect, const RECT& page, commonctrls::TabSide side);
};

class TSkinTab31 : public TSkinControl {
    ZUNO_COMPONENT_CLASS(TSkinTab31, TSkinControl)
public:
    explicit TSkinTab31(forms::TComponent* owner) : TSkinControl(owner) {}
    SkinBitmap TabImage;
    TSkinUpDown* ArrowsWrapper = nullptr;
    forms::TControl* Scroller = nullptr;

    void AttachToControl(TWinSkinForm* frame, TSkinData* data, bool ownsColour, frames::DibSurface* canvas) override;
    bool BeforeMessage(forms::TMessage& m) override;
    void Paint(HDC dc, const RECT& rect) override;
    void Refresh() override;

private:
    void PrepareImages();
};

}  // namespace zuno::skin::controls
