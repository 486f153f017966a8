// TSkinButton: a push button painted entirely from the skin's Buttons object into
// its own back buffer, with hot, pressed, default, focused and disabled frames; the
// click is the wrapper's, so that a press released outside the button is no click.
#pragma once

#include "skin/controls/SkinControl.h"
#include "skin/frames/GdiSurface.h"

namespace zuno::skin::controls {

class TSkinButton : public TSkinControl {
    ZUNO_COMPONENT_CLASS(TSkinButton, TSkinControl)
public:
    explicit TSkinButton(forms::TComponent* owner) : TSkinControl(owner) {}

    frames::DibSurface BackBuffer;  // the control's size, owned

    bool BeforeMessage(forms::TMessage& m) override;
    void AfterMessage(forms::TMessage& m) override;
    void Paint(HDC dc, const RECT& rect) override;

protected:
    // The skin has a button image; without one the control keeps its own look.
    virtual bool HasSkin() const;
    // What a real click does: the control's click operation, or WM_COMMAND to the
    // parent for a plain window.
    void Click();
    // Face colour, then frame `frame` of `frames` of the Buttons image, into BackBuffer.
    void PaintFace(int width, int height, int frames, int frame);
};

}  // namespace zuno::skin::controls
