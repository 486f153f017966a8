// Module WinSubClass, list-view headers: TSkinHeader paints every header item from
// the skin's Headerbar over the control's own drawing, and DrawIconAndText places an
// item's image and text (shared with the tab wrapper).
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "skin/commonctrls/core/ControlLayout.h"
#include "skin/controls/SkinControl.h"

namespace zuno::skin::controls {

// The image (index -1: none) and the single-line text in `area`, aligned; the text
// in the DC's text colour, or the button-shadow colour when not `enabled`.
void DrawIconAndText(HDC dc, const RECT& area, commonctrls::TextAlign align, const std::wstring& text,
                     int image, HIMAGELIST images, bool enabled);

class TSkinHeader : public TSkinControl {
    ZUNO_COMPONENT_CLASS(TSkinHeader, TSkinControl)
public:
    explicit TSkinHeader(forms::TComponent* owner) : TSkinControl(owner) {}
    bool BeforeMessage(forms::TMessage& m) override;
    void Paint(HDC dc, const RECT& rect) override;
};

}  // namespace zuno::skin::controls
