// Wrappers of containers and edges: TSkinGroupBox (a rounded frame and caption over
// the group box's own painting), TSkinBox (panels and forms: only the face colour)
// and TSkinSizer (the size grip of a plain dialog).
#pragma once

#include "skin/controls/SkinControl.h"

namespace zuno::skin::controls {

class TSkinGroupBox : public TSkinControl {
    ZUNO_COMPONENT_CLASS(TSkinGroupBox, TSkinControl)
public:
    explicit TSkinGroupBox(forms::TComponent* owner) : TSkinControl(owner) {}
    void Paint(HDC dc, const RECT& rect) override;
};

// Handles no message: attaching stores the arguments, registers with the frame and,
// when owning the colour, gives the control the skin's face colour.
class TSkinBox : public TSkinControl {
    ZUNO_COMPONENT_CLASS(TSkinBox, TSkinControl)
public:
    explicit TSkinBox(forms::TComponent* owner) : TSkinControl(owner) {}
    void AttachToControl(TWinSkinForm* frame, TSkinData* data, bool ownsColour, frames::DibSurface* canvas) override;
    void RestoreControl() override;
};

class TSkinSizer : public TSkinControl {
    ZUNO_COMPONENT_CLASS(TSkinSizer, TSkinControl)
public:
    explicit TSkinSizer(forms::TComponent* owner) : TSkinControl(owner) {}
    bool BeforeMessage(forms::TMessage& m) override;
    void Paint(HDC dc, const RECT& rect) override;
};

}  // namespace zuno::skin::controls
