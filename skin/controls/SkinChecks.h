// Check boxes and radio buttons: the control paints itself, then the wrapper paints
// the skin's glyph cell for the state over the glyph area only.
#pragma once

#include "skin/controls/SkinControl.h"

namespace zuno::skin::controls {

class TSkinCheckBox : public TSkinControl {
    ZUNO_COMPONENT_CLASS(TSkinCheckBox, TSkinControl)
public:
    explicit TSkinCheckBox(forms::TComponent* owner) : TSkinControl(owner) {}
    void AfterMessage(forms::TMessage& m) override;
    void Paint(HDC dc, const RECT& rect) override;

protected:
    virtual bool IsCheckBox() const { return true; }
};

class TSkinRadioButton : public TSkinCheckBox {
    ZUNO_COMPONENT_CLASS(TSkinRadioButton, TSkinCheckBox)
public:
    explicit TSkinRadioButton(forms::TComponent* owner) : TSkinCheckBox(owner) {}

protected:
    bool IsCheckBox() const override { return false; }
};

}  // namespace zuno::skin::controls
