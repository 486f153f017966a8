// TWinSysButton: one title-bar button of a skinned frame, showing a title-button
// object of the skin data. Its Paint repaints it on the window in its current state.
#pragma once

#include "skin/data/SkinObjects.h"
#include "skin/titlebuttons/core/TitleButtonRules.h"

namespace zuno::skin::frames {
class TWinSkinForm;
}

namespace zuno::skin::titlebuttons {

class TWinSysButton : public TNCObject {
public:
    // `data` is borrowed from the skin data; the frame frees its buttons before the
    // skin data replaces its title-button objects.
    TWinSysButton(frames::TWinSkinForm& frame, TDataSkinSysButton* data);
    void Paint() override;
    TDataSkinSysButton* Data;
    bool IsIcon() const { return Data->Action == 3 || Data->Action == 11; }

private:
    frames::TWinSkinForm& frame_;
};

}  // namespace zuno::skin::titlebuttons
