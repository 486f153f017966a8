// TWinSkinPopMenu: the wrapper of one menu window ("#32768"), created by the manager
// when the window is created and freed when it is destroyed. It paints the window's
// border from the skin's menu background and keeps that background for the items,
// which the frame's item painters copy their slices from.
#pragma once

#include <windows.h>

#include "skin/frames/GdiSurface.h"

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

    // Subclasses the window; `data` is the skin chosen for it by the manager.
    void AttachMenuWindow(HWND window, frames::TSkinData* data);
    // Gives the window procedure back and drops the background.
    void DetachMenuWindow();

    HWND Window() const { return window_; }
    // The menu shown in the window; null until the first item painted tells it.
    HMENU Menu() const { return menu_; }
    void SetMenu(HMENU menu) { menu_ = menu; }
    // The background as composed at the last border or print paint (window size).
    const frames::DibSurface& Background() const { return background_; }
    // Where the window's client area (the items' coordinates) starts inside it.
    POINT ClientOffset() const { return clientOffset_; }

private:
    static LRESULT CALLBACK MenuWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT Forward(UINT msg, WPARAM wParam, LPARAM lParam);
    bool CanPaint() const;
    bool ComposeBackground();
    void LearnMenu();
    void PaintBorder(HDC dc);
    LRESULT Print(WPARAM wParam, LPARAM lParam);

    HWND window_ = nullptr;
    WNDPROC savedProc_ = nullptr;        // set while subclassed
    frames::TSkinData* data_ = nullptr;  // borrowed from the manager's list
    HMENU menu_ = nullptr;
    frames::DibSurface background_;
    const void* composedFrom_ = nullptr;  // the menu-background object background_ shows
    POINT clientOffset_{};
};

// The most recent wrapper that painted its background before knowing its menu.
TWinSkinPopMenu* PendingWrapper();
// The first item painted after a wrapper became pending names its menu.
void LinkPendingWrapper(HMENU menu);
// Forgets the wrapper if it is the pending one (its window is going).
void ForgetPendingWrapper(const TWinSkinPopMenu* wrapper);

}  // namespace zuno::skin::menus
