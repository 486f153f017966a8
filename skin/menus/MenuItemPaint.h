// What the popup-menu painters need of one item, whether it comes from a form's menu
// item or only from a native menu handle, and the menu fonts they draw with.
#pragma once

#include <windows.h>

#include <string>

#include "forms/Menus.h"

namespace zuno::skin::menus {

struct MenuItemView {
    std::wstring caption;   // "-" for a separator
    std::wstring shortcut;  // text form, empty for none
    bool enabled = true;
    bool checked = false;
    bool radio = false;
    bool isDefault = false;
    int imageIndex = -1;
    const forms::TImageList* images = nullptr;
    bool rightToLeft = false;
    bool IsLine() const { return caption == L"-"; }
};

// The view of a form's menu item; `fallback` is the menu asked for the image list
// when the item belongs to none.
MenuItemView ViewOfItem(const forms::TMenuItem& item, const forms::TMenu* fallback);

// The system menu font, normal or bold (default items); owned by this module.
HFONT MenuFont(bool bold = false);

// A screen-compatible memory DC for measuring menu texts, owned by this module. A
// drop-down of hundreds of items is measured every time it opens: taking and giving
// back a window's DC for each item cost more than the measuring itself.
HDC MeasuringDc();

}  // namespace zuno::skin::menus
