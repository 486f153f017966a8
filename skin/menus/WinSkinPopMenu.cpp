// The menu-window wrapper's attach and detach.
#include "skin/menus/WinSkinPopMenu.h"

namespace zuno::skin::menus {

TWinSkinPopMenu::~TWinSkinPopMenu() { Detach(); }

void TWinSkinPopMenu::Attach(HWND window, frames::TSkinData* data) {
    window_ = window;
    data_ = data;
}

void TWinSkinPopMenu::Detach() {
    if (background_) DeleteObject(background_);
    background_ = nullptr;
    window_ = nullptr;
    data_ = nullptr;
}

HMENU TWinSkinPopMenu::Menu() const {
    if (!window_ || !IsWindow(window_)) return nullptr;
    return reinterpret_cast<HMENU>(SendMessageW(window_, 0x01E1 /* MN_GETHMENU */, 0, 0));
}

}  // namespace zuno::skin::menus
