// Buttons with a glyph: TSkinBitButton (a bitmap button's window) and
// TSkinSpeedButton (a window-less speed button, painted in its parent's window).
// Both draw the Buttons frame, then glyph and caption laid out as the control does.
#pragma once

#include "skin/controls/SkinButton.h"

namespace zuno::skin::controls {

class TSkinBitButton : public TSkinButton {
    ZUNO_COMPONENT_CLASS(TSkinBitButton, TSkinButton)
public:
    explicit TSkinBitButton(forms::TComponent* owner) : TSkinButton(owner) {}
    void Paint(HDC dc, const RECT& rect) override;

protected:
    // Face, frame, glyph cell and caption into BackBuffer, copied to the DC.
    void PaintGlyphButton(HDC dc, const RECT& rect, int frame, bool speedButton);
};

class TSkinSpeedButton : public TSkinBitButton {
    ZUNO_COMPONENT_CLASS(TSkinSpeedButton, TSkinBitButton)
public:
    explicit TSkinSpeedButton(forms::TComponent* owner) : TSkinBitButton(owner) {}
    void AttachToControl(TWinSkinForm* frame, TSkinData* data, bool ownsColour, frames::DibSurface* canvas) override;
    bool BeforeMessage(forms::TMessage& m) override;
    void AfterMessage(forms::TMessage& m) override;
    void PaintWindow(HDC dc) override;
    void Paint(HDC dc, const RECT& rect) override;
};

}  // namespace zuno::skin::controls
