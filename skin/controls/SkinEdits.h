// Wrappers of text controls: TSkinComBox (the skin's sunk edge around a combo box
// and its button in place of the drop-down arrow) and TSkinEdit (a two-ring border,
// and the wrapper of a spin button inside the edit).
#pragma once

#include "skin/controls/SkinControl.h"

namespace zuno::skin::controls {

class TSkinComBox : public TSkinControl {
    ZUNO_COMPONENT_CLASS(TSkinComBox, TSkinControl)
public:
    explicit TSkinComBox(forms::TComponent* owner) : TSkinControl(owner) {}
    DWORD PaintedStyle = 0;    // window style at the last paint
    DWORD PaintedExStyle = 0;  // extended style at the last paint
    void AfterMessage(forms::TMessage& m) override;
    void Paint(HDC dc, const RECT& rect) override;
};

class TSkinEdit : public TSkinControl {
    ZUNO_COMPONENT_CLASS(TSkinEdit, TSkinControl)
public:
    explicit TSkinEdit(forms::TComponent* owner) : TSkinControl(owner) {}
    // The up-down wrapper of a spin child window, made at the first paint; owned by
    // the control (by the frame for a plain window).
    TSkinControl* SpinWrapper = nullptr;
    ~TSkinEdit() override;
    void AfterMessage(forms::TMessage& m) override;
    void Paint(HDC dc, const RECT& rect) override;

private:
    void WrapSpinChild();
    void PaintPrintBorder(HDC dc);
};

}  // namespace zuno::skin::controls
