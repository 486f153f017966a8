// The MDI side of a frame: the subclass of an MDI parent's client window. It frames
// new MDI children, keeps the manager's MDI flag in step with the active child being
// maximised or not, and has the menu bar follow the frame menu the children set.
#include <unordered_map>
#include <vector>

#include "skin/frames/SkinManage.h"
#include "skin/frames/WinSkinData.h"
#include "skin/frames/WinSkinForm.h"
#include "skin/menus/WinSkinMenu.h"

namespace zuno::skin::frames {
namespace {

std::unordered_map<HWND, TWinSkinForm*>& ClientMap() {
    static std::unordered_map<HWND, TWinSkinForm*> clients;
    return clients;
}

}  // namespace

void TWinSkinForm::SubclassMdiClient() {
    if (!mdiClient_ || mdiClientProc_) return;
    ClientMap()[mdiClient_] = this;
    if (auto it = PassThroughProcs().find(mdiClient_); it != PassThroughProcs().end()) {
        mdiClientProc_ = it->second;
        PassThroughProcs().erase(it);
        return;
    }
    mdiClientProc_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(mdiClient_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&MdiClientWndProc)));
}

void TWinSkinForm::UnsubclassMdiClient() {
    if (!mdiClientProc_) return;
    if (IsWindow(mdiClient_)) {
        if (GetWindowLongPtrW(mdiClient_, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&MdiClientWndProc))
            SetWindowLongPtrW(mdiClient_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(mdiClientProc_));
        else
            PassThroughProcs()[mdiClient_] = mdiClientProc_;
    }
    ClientMap().erase(mdiClient_);
    mdiClientProc_ = nullptr;
    mdiChildCreating_ = nullptr;
    if (SkinManager && SkinManager->MdiClientWindow == mdiClient_) SkinManager->MdiClientWindow = nullptr;
}

LRESULT CALLBACK TWinSkinForm::MdiClientWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    const auto it = ClientMap().find(hwnd);
    if (it == ClientMap().end()) return PassThrough(hwnd, msg, wParam, lParam);
    TWinSkinForm* frame = it->second;
    ++frame->depth_;
    LRESULT result = 0;
    try {
        result = frame->MdiClientProc(msg, wParam, lParam);
    } catch (...) {
        // No error leaves a window procedure; the message is done.
    }
    --frame->depth_;
    return result;
}

LRESULT TWinSkinForm::ForwardMdiClient(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (mdiClientProc_) return CallWindowProcW(mdiClientProc_, mdiClient_, msg, wParam, lParam);
    return DefWindowProcW(mdiClient_, msg, wParam, lParam);
}

LRESULT TWinSkinForm::MdiClientProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCDESTROY) {
        HWND client = mdiClient_;
        const WNDPROC saved = mdiClientProc_;
        UnsubclassMdiClient();
        PassThroughProcs().erase(client);
        mdiClient_ = nullptr;
        return saved ? CallWindowProcW(saved, client, msg, wParam, lParam) : DefWindowProcW(client, msg, wParam, lParam);
    }
    if (!framePainting_ || lifecycle_ == lsDead) return ForwardMdiClient(msg, wParam, lParam);
    switch (msg) {
    case WM_NCCALCSIZE: {
        // The client's native scroll bars would sit unskinned inside the frame.
        const LONG_PTR style = GetWindowLongPtrW(mdiClient_, GWL_STYLE);
        if (style & (WS_HSCROLL | WS_VSCROLL))
            SetWindowLongPtrW(mdiClient_, GWL_STYLE, style & ~static_cast<LONG_PTR>(WS_HSCROLL | WS_VSCROLL));
        return ForwardMdiClient(msg, wParam, lParam);
    }
    case WM_MDICREATE: {
        data_->MenuUpdate = false;
        const LRESULT child = ForwardMdiClient(msg, wParam, lParam);
        mdiChildCreating_ = reinterpret_cast<HWND>(child);
        return child;
    }
    case WM_MDIDESTROY: {
        const LRESULT result = ForwardMdiClient(msg, wParam, lParam);
        if (SkinManager) SkinManager->SetMdiMaximised(IsMdiChildMaximised());
        if (menuBar_ && SkinManager && SkinManager->MdiChildFrameCount() == 0) {
            data_->MenuUpdate = savedMenuUpdate_;
            ReloadMenuBar(nullptr);
        }
        PostMessageW(Handle, SKINMSG_REPAINT, 0, 0);
        return result;
    }
    case WM_MDITILE:
    case WM_MDICASCADE:
        if (SkinManager && SkinManager->MdiMaximised) SkinManager->SetMdiMaximised(false);
        return ForwardMdiClient(msg, wParam, lParam);
    case WM_MDISETMENU: {
        const LRESULT result = ForwardMdiClient(msg, wParam, lParam);
        const auto menu = reinterpret_cast<HMENU>(wParam);
        if (menu && menuBar_ && (menu != menuBar_->NativeMenu() || mdiChildCreating_)) ReloadMenuBar(GetMenu(Handle));
        // The frame draws the bar; a native one would take the strip back.
        ::SetMenu(Handle, nullptr);
        return result;
    }
    case WM_MDIREFRESHMENU: {
        const LRESULT result = ForwardMdiClient(msg, wParam, lParam);
        if (HWND child = mdiChildCreating_) {
            mdiChildCreating_ = nullptr;
            if (SkinManager) SkinManager->SkinWindow(child);
            PostMessageW(Handle, SKINMSG_REPAINT, 0, 0);
        }
        return result;
    }
    case WM_MDIACTIVATE:
    case WM_MDIMAXIMIZE:
    case WM_MDIRESTORE:
    case WM_MDINEXT: {
        // Which child is active and maximised may have changed: the repaint brings
        // the MDI flag and the MDI buttons in line once the change is complete.
        const LRESULT result = ForwardMdiClient(msg, wParam, lParam);
        PostMessageW(Handle, SKINMSG_REPAINT, 0, 0);
        return result;
    }
    }
    return ForwardMdiClient(msg, wParam, lParam);
}

void TWinSkinForm::SyncMdiMaximised() {
    if (!SkinManager || kind_ != FrameKind::MdiParent) return;
    const bool maximised = IsMdiChildMaximised();
    if (maximised != SkinManager->MdiMaximised) SkinManager->SetMdiMaximised(maximised);
}

void TWinSkinForm::FrameExistingMdiChildren() {
    if (kind_ != FrameKind::MdiParent || !mdiClient_ || !framePainting_ || !SkinManager) return;
    // A maximised child decides how every child frame starts.
    SyncMdiMaximised();
    std::vector<HWND> children;
    for (HWND child = GetTopWindow(mdiClient_); child; child = GetWindow(child, GW_HWNDNEXT))
        if (GetWindowLongPtrW(child, GWL_EXSTYLE) & WS_EX_MDICHILD) children.push_back(child);
    for (HWND child : children) SkinManager->SkinWindow(child);
    if (!children.empty()) PostMessageW(Handle, SKINMSG_REPAINT, 0, 0);
}

// The menu bar after the MDI children changed the frame menu: with a menu handle,
// the menu Windows attached to the window; without one, the form's own main menu
// again (the last child has closed).
void TWinSkinForm::ReloadMenuBar(HMENU menu) {
    if (!menuBar_) return;
    if (menu) {
        nativeMenu_ = menu;
        menuBar_->LoadFromMenuHandle(menu);
    } else {
        menuBar_->ReloadFromMainMenu();
    }
}

}  // namespace zuno::skin::frames
