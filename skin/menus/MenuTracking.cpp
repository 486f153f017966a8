// Opening the menu bar's drop-downs: by mouse (OpenMenuItem), by a posted click
// (ClickMenuItem), by Alt + accelerator; the message-filter hook that slides to the
// neighbouring drop-down by mouse and arrow keys while one is open.
#include <windows.h>

#include <string_view>

#include "skin/frames/SkinManage.h"
#include "skin/frames/WinSkinData.h"
#include "skin/frames/WinSkinForm.h"
#include "skin/menus/WinSkinMenu.h"
#include "skin/menus/core/PopupMenuLayout.h"

namespace zuno::skin::menus {
namespace {

// One drop-down at a time in the whole program (TrackPopupMenu is modal).
struct TrackingState {
    frames::TWinSkinForm* frame = nullptr;
    int openIndex = -1;
    SelectedItem selected;
    bool selectedRightToLeft = false;
    POINT lastMouse{};
    bool switching = false;
    bool downKeySent = false;
    HHOOK hook = nullptr;
    bool keyboardClickExpected = false;
    LPARAM keyboardClickPoint = 0;
};

TrackingState& Tracking() {
    static TrackingState state;
    return state;
}

BOOL CALLBACK CountMenuWindow(HWND w, LPARAM p) {
    wchar_t name[8] = {};
    if (IsWindowVisible(w) && GetClassNameW(w, name, 8) && std::wstring_view(name) == L"#32768")
        ++*reinterpret_cast<int*>(p);
    return TRUE;
}

// Menu windows of this thread on screen: the drop-down and its open submenus.
int VisibleMenuWindows() {
    int count = 0;
    EnumThreadWindows(GetCurrentThreadId(), &CountMenuWindow, reinterpret_cast<LPARAM>(&count));
    return count;
}

// Left or Right in the open drop-down. Not every system reports the selection when
// Left closes a submenu: the item that opened it is selected again then.
TMenuBtn* ArrowTarget(TrackingState& t, unsigned key) {
    const int open = VisibleMenuWindows();
    SelectedItem s = t.selected;
    if (open <= 1) s.parentIsOpen = true;  // nothing but the drop-down is open
    const ArrowMove move = ArrowKeyMove(key, s);
    if (move == ArrowMove::None && key == VK_LEFT && open > 1) {
        t.selected.known = true;
        t.selected.hasSubItems = true;
        t.selected.parentIsOpen = open == 2;
        t.selected.selfIsOpen = false;
    }
    return move == ArrowMove::None ? nullptr : NeighbourItem(move == ArrowMove::Next);
}

}  // namespace

frames::TWinSkinForm* TrackingFrame() { return Tracking().frame; }

void ExpectKeyboardClick(LPARAM screenPoint) {
    Tracking().keyboardClickExpected = true;
    Tracking().keyboardClickPoint = screenPoint;
}

bool TakeKeyboardClick(LPARAM screenPoint) {
    TrackingState& t = Tracking();
    const bool match = t.keyboardClickExpected && t.keyboardClickPoint == screenPoint;
    t.keyboardClickExpected = false;
    return match;
}

void StartMenuTracking(frames::TWinSkinForm* frame, int openIndex, bool selectFirst) {
    TrackingState& t = Tracking();
    t.frame = frame;
    t.openIndex = openIndex;
    t.switching = false;
    // Opened by the mouse, the drop-down shows no selection: the first Down then
    // selects the first item, as in any Windows menu.
    t.downKeySent = !selectFirst;
    t.selected = {};
    GetCursorPos(&t.lastMouse);
    if (!t.hook) t.hook = SetWindowsHookExW(WH_MSGFILTER, &MenuFilterHook, nullptr, GetCurrentThreadId());
}

void EndMenuTracking() {
    TrackingState& t = Tracking();
    if (t.hook) UnhookWindowsHookEx(t.hook);
    t.hook = nullptr;
    t.selected = {};
    t.openIndex = -1;
    t.downKeySent = false;
    t.frame = nullptr;
}

void ForgetTrackingFrame(const frames::TWinSkinForm* frame) {
    if (Tracking().frame == frame) EndMenuTracking();
}

TMenuBtn* NeighbourItem(bool forward) {
    TrackingState& t = Tracking();
    TWinSkinMenu* bar = t.frame ? t.frame->MenuBar() : nullptr;
    if (!bar) return nullptr;
    const int n = static_cast<int>(bar->Items().size());
    const int i = NeighbourIndex(n, t.openIndex, forward);
    return i < 0 ? nullptr : bar->Items()[static_cast<std::size_t>(i)].get();
}

void MenuSelected(frames::TWinSkinForm* frame, WPARAM wParam, LPARAM lParam) {
    TrackingState& t = Tracking();
    if (t.frame != frame) return;
    const UINT flags = HIWORD(wParam);
    if (flags == 0xFFFF && lParam == 0) {
        // The menu closed; while sliding the next drop-down follows at once.
        if (!t.switching) frame->MenuTracking = false;
        return;
    }
    t.switching = false;
    auto menu = reinterpret_cast<HMENU>(lParam);
    const bool popup = (flags & MF_POPUP) != 0;
    t.selected.known = true;
    t.selected.hasSubItems = popup;
    t.selected.parentIsOpen = menu == frame->OpenDropDown();
    t.selected.selfIsOpen = popup && GetSubMenu(menu, LOWORD(wParam)) == frame->OpenDropDown();
    TWinSkinMenu* bar = frame->MenuBar();
    t.selectedRightToLeft = bar && bar->MainMenu() && bar->MainMenu()->IsRightToLeft();
}

LRESULT CALLBACK MenuFilterHook(int code, WPARAM wParam, LPARAM lParam) {
    TrackingState& t = Tracking();
    auto* msg = reinterpret_cast<MSG*>(lParam);
    if (code >= 0 && msg && t.selected.known && t.selectedRightToLeft)
        msg->wParam = static_cast<WPARAM>(SwapLeftRight(msg->message, msg->wParam, true));
    const LRESULT result = CallNextHookEx(t.hook, code, wParam, lParam);
    if (result != 0 || code != MSGF_MENU || !msg || !t.frame) return result;
    frames::TWinSkinForm* frame = t.frame;
    if (!t.downKeySent) {
        // Opened from the keyboard: select the drop-down's first item.
        t.downKeySent = true;
        PostMessageW(msg->hwnd, WM_KEYDOWN, VK_DOWN, 0);
    }
    TMenuBtn* target = nullptr;
    bool byKeyboard = false;
    switch (msg->message) {
    case WM_KEYDOWN:
        if (msg->wParam == VK_RETURN || msg->wParam == VK_ESCAPE) {
            t.switching = false;
        } else if (msg->wParam == VK_LEFT || msg->wParam == VK_RIGHT) {
            target = ArrowTarget(t, static_cast<unsigned>(msg->wParam));
            byKeyboard = true;
        }
        break;
    case WM_SYSKEYDOWN:
        if (msg->wParam == VK_MENU) frame->MenuTracking = false;
        return result;
    case WM_MENUSELECT:
        MenuSelected(frame, msg->wParam, msg->lParam);
        return result;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
        if (TWinSkinMenu* bar = frame->MenuBar()) {
            // A click on the open item closes its drop-down, as in Windows; passed on,
            // it would reach the bar and open the drop-down again.
            TMenuBtn* hit = bar->ItemAt(frame->ScreenToWindow(msg->pt));
            if (hit && hit->Index == t.openIndex) {
                t.switching = false;
                EndMenu();
                return 1;
            }
        }
        break;
    case WM_MOUSEMOVE:
        if (msg->pt.x != t.lastMouse.x || msg->pt.y != t.lastMouse.y) {
            TWinSkinMenu* bar = frame->MenuBar();
            target = bar ? bar->ItemAt(frame->ScreenToWindow(msg->pt)) : nullptr;
            t.lastMouse = msg->pt;
        }
        break;
    }
    if (target && target->Index != t.openIndex) {
        t.switching = true;
        // The open drop-down ends first, so that the posted click reaches the frame
        // only after TrackPopupMenu has returned.
        EndMenu();
        frame->ClickMenuItem(target, byKeyboard);
    }
    return result;
}

}  // namespace zuno::skin::menus

namespace zuno::skin::frames {

namespace {

bool IsWindowsNT4() {
    return !(PlatformVersion & 0x80000000u) && LOBYTE(LOWORD(PlatformVersion)) == 4;
}

}  // namespace

void TWinSkinForm::OpenMenuItem(menus::TMenuBtn* item, bool byKeyboard) {
    if (!item) return;
    PostMessageW(Handle, WM_COMMAND, item->Command, 0);
    if (!item->DropDown) return;
    RECT wr{};
    GetWindowRect(Handle, &wr);
    if (!IsWindowsNT4()) MakeMenuOwnerDraw(item->DropDown);
    MenuTracking = true;
    openDropDown_ = item->DropDown;
    menus::StartMenuTracking(this, item->Index, byKeyboard);
    if (item->Enabled) {
        // Notifications stay on: catalogue drop-downs are filled as they open.
        TrackPopupMenu(item->DropDown, TPM_RIGHTBUTTON, item->BoundsRect.left + wr.left,
                       item->BoundsRect.bottom + wr.top, 0, Handle, nullptr);
    }
    menus::EndMenuTracking();
    MenuTracking = false;
    openDropDown_ = nullptr;
    LetGoOfMenuItem(item);
}

void TWinSkinForm::LetGoOfMenuItem(menus::TMenuBtn* item) {
    // The bar may have been reloaded, or the window destroyed, while the drop-down was
    // open: then `item` is gone and only compared, never used.
    if (!menuBar_ || lifecycle_ == lsDead || !menuBar_->Owns(item)) return;
    POINT cursor{};
    GetCursorPos(&cursor);
    menus::TMenuBtn* under = menuBar_->ItemAt(ScreenToWindow(cursor));
    if (WindowFromPoint(cursor) != Handle) under = nullptr;
    // A repaint of the frame while the drop-down was open may have cleared the hot
    // object: the item is set right whether or not it is still the hot one, so that
    // the hover timer can take the hot look off again.
    if (under == item) {
        if (HotObject == item)
            item->MouseUp();
        else
            item->MouseEnter();
        return;
    }
    if (HotObject == item) {
        item->MouseLeave();
    } else if (item->State != titlebuttons::kStateNormal) {
        item->State = titlebuttons::kStateNormal;
        item->Paint();
    }
    if (under) under->MouseEnter();
}

LRESULT TWinSkinForm::OnInitMenuPopup(WPARAM wParam, LPARAM lParam) {
    const LRESULT result = Forward(WM_INITMENUPOPUP, wParam, lParam);
    // Submenus of the open drop-down become owner-drawn as they open, after the form
    // has filled those it fills on demand (the catalogues).
    if (MenuTracking && menuBar_ && !HIWORD(lParam) && !IsWindowsNT4())
        MakeMenuOwnerDraw(reinterpret_cast<HMENU>(wParam));
    return result;
}

void TWinSkinForm::ClickMenuItem(menus::TMenuBtn* item, bool byKeyboard) {
    RECT wr{};
    GetWindowRect(Handle, &wr);
    const LPARAM at = MAKELPARAM(item->BoundsRect.left + wr.left + 1, item->BoundsRect.top + wr.top + 1);
    if (byKeyboard) menus::ExpectKeyboardClick(at);
    PostMessageW(Handle, WM_NCLBUTTONDOWN, 1, at);
}

menus::TMenuBtn* TWinSkinForm::FindAccelItem(wchar_t key) const {
    if (!menuBar_) return nullptr;
    const wchar_t wanted = key < 0x80 ? static_cast<wchar_t>(towupper(key)) : key;
    for (const auto& item : menuBar_->Items())
        if (item->Enabled && menus::AccelChar(item->Caption) == wanted) return item.get();
    return nullptr;
}

bool TWinSkinForm::DialogChar(forms::TMessage& m) {
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    menus::TMenuBtn* item = FindAccelItem(static_cast<wchar_t>(m.WParam));
    const bool altOnly = (keys[VK_MENU] & 0x80) && !(keys[VK_SHIFT] & 0x80) && !(keys[VK_CONTROL] & 0x80) &&
                         !(keys[VK_LBUTTON] & 0x80) && !(keys[VK_RBUTTON] & 0x80) && !(keys[VK_MBUTTON] & 0x80);
    if (!item || !altOnly) return false;
    ClickMenuItem(item, true);
    m.Result = 1;
    return true;
}

}  // namespace zuno::skin::frames
