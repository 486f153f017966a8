// TWinSkinPopMenu: the wrapper of one menu window ("#32768"), created when the
// window is created and freed when it is destroyed. It records the window, its menu
// and the skin data; painting the drop-down from the skin builds on it.
#pragma once

#include <windows.h>

namespace zuno::skin::frames {
class TSkinData;
}

namespace zuno::skin::menus {

class TWinSkinPopMenu {
public:
    TWinSkinPopMenu() = default;
    ~TWinSkinPopMenu();
    TWinSkinPopMenu(const TWinSkinPopMenu&) = delete;
    TWinSkinPopMenu& operator=(const TWinSkinPopMenu&) = delete;

    void Attach(HWND window, frames::TSkinData* data);
    void Detach();
    HWND Window() const { return window_; }
    // The menu the window shows; known once the window has been told (MN_GETHMENU).
    HMENU Menu() const;
    // The drop-down's background picture; none until the skinned painting exists.
    HBITMAP Background() const { return background_; }

private:
    HWND window_ = nullptr;
    frames::TSkinData* data_ = nullptr;  // borrowed from the manager's list
    HBITMAP background_ = nullptr;       // owned
};

}  // namespace zuno::skin::menus
