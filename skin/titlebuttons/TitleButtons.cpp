// Title-bar buttons of a skinned frame: layout and painting into the caption, the
// non-client mouse handling with the hover timer, button actions, window toggles
// and the system menu (a popup of the frame's own, or the window's native one).
#include <windowsx.h>

#include <algorithm>

#include "skin/draw/Primitives.h"
#include "skin/frames/SkinManage.h"
#include "skin/frames/WinSkinData.h"
#include "skin/frames/WinSkinForm.h"
#include "skin/menus/WinSkinMenu.h"
#include "skin/controls/SkinControl.h"
#include "skin/titlebuttons/WinSysButton.h"

namespace zuno::skin::titlebuttons {

TWinSysButton::TWinSysButton(frames::TWinSkinForm& frame, TDataSkinSysButton* data)
    : TNCObject(frame), Data(data), frame_(frame) {}

void TWinSysButton::Paint() {
    const Rect r = BoundsRect;
    if (Data->Bitmap.Empty() || !r.HasArea() || !frame_.Handle) return;
    HDC dc = GetWindowDC(frame_.Handle);
    if (!dc) return;
    frames::DibSurface surface;
    surface.Resize(r.Width(), r.Height());
    if (!surface.Empty()) {
        // The caption as last painted lies under the button; an MDI button sits in
        // the menu bar, below the caption.
        frames::DibSurface& caption = frame_.Caption();
        const bool onCaption = !caption.Empty() && r.bottom <= caption.Height();
        BitBlt(surface.Dc(), 0, 0, r.Width(), r.Height(), onCaption ? caption.Dc() : dc, r.left, r.top, SRCCOPY);
        GdiFlush();
        if (IsIcon()) {
            if (HICON icon = frame_.Icon())
                DrawIconEx(surface.Dc(), 0, 0, icon, GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0,
                           nullptr, DI_NORMAL);
        } else {
            DrawFrameStretched(surface.Pixels(), {0, 0, r.Width(), r.Height()}, Data->Bitmap, true,
                               std::max(1, Data->FrameCount), StatePaintFrame(State, Data->Visibility));
        }
        GdiFlush();
        BitBlt(dc, r.left, r.top, r.Width(), r.Height(), surface.Dc(), 0, 0, SRCCOPY);
    }
    ReleaseDC(frame_.Handle, dc);
}

}  // namespace zuno::skin::titlebuttons

namespace zuno::skin::frames {

using titlebuttons::TNCObject;
using titlebuttons::TWinSysButton;

void TWinSkinForm::BuildSmallIcon() {
    const int cx = GetSystemMetrics(SM_CXSMICON), cy = GetSystemMetrics(SM_CYSMICON);
    icon_ = reinterpret_cast<HICON>(SendMessageW(Handle, WM_GETICON, ICON_SMALL, 0));
    if (!icon_) icon_ = reinterpret_cast<HICON>(SendMessageW(Handle, WM_GETICON, ICON_BIG, 0));
    if (!icon_) icon_ = reinterpret_cast<HICON>(GetClassLongPtrW(Handle, GCLP_HICONSM));
    if (!icon_) icon_ = reinterpret_cast<HICON>(GetClassLongPtrW(Handle, GCLP_HICON));
    if (icon_) {
        DibSurface surface;
        surface.Resize(cx, cy);
        if (surface.Empty()) return;
        GdiFlush();
        surface.Pixels().Fill(kKeyPixel);
        DrawIconEx(surface.Dc(), 0, 0, icon_, cx, cy, 0, nullptr, DI_NORMAL);
        GdiFlush();
        smallIcon_ = surface.Pixels().Clone();
        return;
    }
    if (data_ && !data_->AppIcon.Empty()) {
        smallIcon_ = data_->AppIcon.Clone();
        return;
    }
    if (!SkinManager) return;
    for (TSkinData* s : SkinManager->SkinDatas)
        if (s->SkinFormtype == TSkinFormType::sfMainform && !s->AppIcon.Empty()) smallIcon_ = s->AppIcon.Clone();
}

void TWinSkinForm::BuildSystemMenu() {
    systemMenuPopup_ = std::make_unique<forms::TPopupMenu>(nullptr);
    systemMenuPopup_->Images = data_ ? data_->MenuGlyphs : nullptr;
    struct Entry { const wchar_t* caption; int tag; bool present; forms::TShortCut shortCut; };
    const Entry entries[] = {
        {L" Restore ", 0, true, 0},
        {L" Maximize ", 1, (flags_ & kFlagMaxBox) != 0, 0},
        {L" Minimize ", 2, (flags_ & kFlagMinBox) != 0, 0},
        {L"-", 100, true, 0},
        {L" Close ", 3, true, static_cast<forms::TShortCut>(forms::scShift | VK_F4)},
    };
    for (const Entry& e : entries) {
        if (!e.present) continue;
        auto* item = new forms::TMenuItem(systemMenuPopup_.get());
        item->SetCaption(e.caption);
        item->Tag = e.tag;
        item->SetImageIndex(e.tag == 100 ? -1 : e.tag);
        item->SetShortCut(e.shortCut);
        SetItemHandlers(item, true);
        systemMenuPopup_->Items()->Add(item);
    }
    systemMenuPopup_->SetOwnerDraw(true);
}

void TWinSkinForm::LayoutTitleButtons() {
    largestRightLeft_ = 0;
    titlebuttons::TitleButtonWindow win;
    win.maximised = state_ == WindowState::Maximised;
    win.active = active_;
    win.maximiseBox = (flags_ & kFlagMaxBox) != 0;
    win.minimiseBox = (flags_ & kFlagMinBox) != 0;
    win.systemMenu = (flags_ & kFlagSysMenu) != 0;
    win.mdiChildMaximised = IsMdiChildMaximised();
    win.menuBarHeight = menuBarHeight_;
    titlebuttons::TitleButtonPlace place;
    RECT wr{};
    GetWindowRect(Handle, &wr);
    place.windowWidth = wr.right - wr.left;
    place.titleText = titleRect_;
    place.leftBorder = m_.left;
    place.rightBorder = m_.right;
    place.captionHeight = m_.top;
    place.menuBarHeight = menuBarHeight_;
    place.menuBarLeftWidth = data_->MenuBar ? data_->MenuBar->LeftWidth : 0;
    place.rightToLeft = rtl_;
    for (auto& b : buttons_) {
        b->Visible = titlebuttons::IsTitleButtonVisible(*b->Data, win);
        if (!b->Visible || b->Data->Bitmap.Empty()) continue;
        b->BoundsRect = titlebuttons::LayoutTitleButton(*b->Data, place, largestRightLeft_);
    }
}

void TWinSkinForm::PaintTitleButtons(HDC dc, SkinBitmap& pixels) {
    for (auto& b : buttons_) {
        if (!b->Visible || b->Data->Bitmap.Empty() || b->Data->Visibility == 100) continue;
        const Rect r = b->BoundsRect;
        if (b->IsIcon()) {
            if (!icon_) continue;
            GdiFlush();
            DrawIconEx(dc, r.left, r.top, icon_, GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0,
                       nullptr, DI_NORMAL);
            GdiFlush();
            continue;
        }
        const int frames = std::max(1, b->Data->FrameCount);
        DrawFrameStretched(pixels, r, b->Data->Bitmap, true, frames, titlebuttons::CaptionPaintFrame(active_, frames));
    }
}

TNCObject* TWinSkinForm::HitObject(POINT p) const {
    for (const auto& b : buttons_) {
        const Rect& r = b->BoundsRect;
        if (b->Visible && b->Data->Action >= 0 && p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom)
            return b.get();
    }
    return menuBar_ ? menuBar_->ItemAt(p) : nullptr;
}

LRESULT TWinSkinForm::OnNcMouseMove(WPARAM wParam, LPARAM lParam) {
    if (!active_) return 0;
    const POINT p = ScreenToWindow({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
    if (TNCObject* hit = HitObject(p)) {
        hit->MouseEnter();
        return 0;
    }
    if (HotObject) HotObject->MouseLeave();
    return Forward(WM_NCMOUSEMOVE, wParam, lParam);
}

LRESULT TWinSkinForm::OnNcLButtonDown(WPARAM wParam, LPARAM lParam) {
    const POINT p = ScreenToWindow({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
    const bool byKeyboard = menus::TakeKeyboardClick(lParam);
    if (TNCObject* hit = HitObject(p)) {
        if (!active_) SetForegroundWindow(Handle);
        hit->MouseDown();
        if (menuBar_ && menuBar_->Owns(hit)) OpenMenuItem(static_cast<menus::TMenuBtn*>(hit), byKeyboard);
        return 0;
    }
    if (state_ == WindowState::Maximised && active_ && wParam == HTCAPTION) wParam = HTMENU;
    return Forward(WM_NCLBUTTONDOWN, wParam, lParam);
}

LRESULT TWinSkinForm::OnNcLButtonUp(WPARAM wParam, LPARAM lParam) {
    const POINT p = ScreenToWindow({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
    TNCObject* hit = HitObject(p);
    if (!hit) return Forward(WM_NCLBUTTONUP, wParam, lParam);
    const bool button = !(menuBar_ && menuBar_->Owns(hit));
    if (button && hit == HotObject) {
        hit->MouseUp();
        PerformButtonAction(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
    }
    return 0;
}

LRESULT TWinSkinForm::OnNcRButtonDown(WPARAM wParam, LPARAM lParam) {
    if (wParam == HTCAPTION && kind_ != FrameKind::MdiChild) {
        ShowSystemMenu(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        return 0;
    }
    return Forward(WM_NCRBUTTONDOWN, wParam, lParam);
}

void TWinSkinForm::HoverTick() {
    if (HoveredButton && HoveredButton->Window) {
        POINT cursor{};
        RECT r{};
        GetCursorPos(&cursor);
        GetWindowRect(HoveredButton->Window, &r);
        if (!PtInRect(&r, cursor) || WindowFromPoint(cursor) != HoveredButton->Window) {
            HWND gone = HoveredButton->Window;
            HoveredButton = nullptr;
            SendMessageW(gone, controls::kMsgMouseLeave, 0, 0);
        }
    }
    if (MenuTracking || !HotObject || !IsWindow(Handle)) return;
    POINT cursor{};
    GetCursorPos(&cursor);
    const POINT p = ScreenToWindow(cursor);
    const Rect& r = HotObject->BoundsRect;
    if (!(p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom)) HotObject->MouseLeave();
}

void TWinSkinForm::PerformButtonAction(int x, int y) {
    auto* button = dynamic_cast<TWinSysButton*>(HotObject);
    if (!button) return;
    switch (button->Data->Action) {
    case 0:
        hoverTimer_.SetEnabled(false);
        PostMessageW(Handle, WM_CLOSE, 0, 0);
        break;
    case 1: case 22: ToggleMaximise(); break;
    case 2: case 23: ToggleMinimise(); break;
    case 3: case 11: case 12: ShowSystemMenu(x + 1, y + 1); break;
    case 7: case 60: SendMdiChildCommand(SC_MINIMIZE); break;
    case 8: case 61: SendMdiChildCommand(SC_RESTORE); break;
    case 9: case 62: SendMdiChildCommand(SC_CLOSE); break;
    default: PostMessageW(Handle, SKINMSG_BUTTONACTION, static_cast<WPARAM>(button->Data->Action), 0); break;
    }
}

void TWinSkinForm::RestoreWindow() {
    state_ = WindowState::Normal;
    PostMessageW(Handle, WM_SYSCOMMAND, SC_RESTORE, 0);
}

void TWinSkinForm::ToggleMaximise() {
    if (state_ == WindowState::Maximised) {
        RestoreWindow();
        return;
    }
    SwitchAnimationOff();
    state_ = WindowState::Maximised;
    PostMessageW(Handle, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
    HotObject = nullptr;
}

void TWinSkinForm::ToggleMinimise() {
    if (state_ == WindowState::Minimised) {
        RestoreWindow();
        return;
    }
    SwitchAnimationOff();
    state_ = WindowState::Minimised;
    PostMessageW(Handle, WM_SYSCOMMAND, SC_MINIMIZE, 0);
}

void TWinSkinForm::SendMdiChildCommand(UINT command) {
    if (kind_ != FrameKind::MdiParent || !mdiClient_) return;
    HWND active = reinterpret_cast<HWND>(SendMessageW(mdiClient_, WM_MDIGETACTIVE, 0, 0));
    if (!active) return;
    SwitchAnimationOff();
    SendMessageW(active, WM_SYSCOMMAND, command, 0);
    RestoreAnimation();
    if (SkinManager && SkinManager->MdiMaximised && !IsMdiChildMaximised()) SkinManager->SetMdiMaximised(false);
}

void TWinSkinForm::PaintMdiButtons(SkinBitmap& barPixels, Rect bar) {
    if (kind_ != FrameKind::MdiParent || !IsMdiChildMaximised()) return;
    for (const auto& b : buttons_) {
        if (b->Data->Visibility != 100 || b->Data->Bitmap.Empty()) continue;
        const Rect& r = b->BoundsRect;
        DrawFrameStretched(barPixels, {r.left - bar.left, r.top - bar.top, r.right - bar.left, r.bottom - bar.top},
                           b->Data->Bitmap, true, std::max(1, b->Data->FrameCount), 1);
    }
    if (SkinManager && !SkinManager->MdiMaximised) SkinManager->SetMdiMaximised(true);
}

void TWinSkinForm::ShowSystemMenu(int x, int y) {
    const DWORD now = GetTickCount();
    if (now - lastSysMenuTime_ <= doubleClickTime_) {
        // A second opening within the double-click time: from a title button it closes.
        if (HotObject) {
            hoverTimer_.SetEnabled(false);
            PostMessageW(Handle, WM_CLOSE, 0, 0);
        }
        return;
    }
    lastSysMenuTime_ = now;
    const bool skinned = data_->SkinControls.Contains(TSkinControlType::xcSystemMenu) && kind_ != FrameKind::MdiChild;
    if (!skinned || !systemMenuPopup_) {
        if (systemMenu_) TrackPopupMenu(systemMenu_, TPM_RIGHTBUTTON, x, y, 0, Handle, nullptr);
        return;
    }
    forms::TMenuItem* root = systemMenuPopup_->Items();
    for (int i = 0; i < root->Count(); ++i) {
        forms::TMenuItem* item = root->Items(i);
        if (item->Tag == 0) item->SetEnabled(state_ != WindowState::Normal);
        if (item->Tag == 1) item->SetEnabled(state_ != WindowState::Maximised);
        if (item->Tag == 2) item->SetEnabled(state_ != WindowState::Minimised);
    }
    // The choice comes back here rather than as WM_COMMAND: a plain dialog would
    // take a menu command id for one of its own controls.
    const UINT chosen = static_cast<UINT>(
        TrackPopupMenu(systemMenuPopup_->Handle(), TPM_RIGHTBUTTON | TPM_RETURNCMD, x, y, 0, Handle, nullptr));
    forms::TMenuItem* item = chosen ? systemMenuPopup_->FindItem(chosen, forms::TMenu::TFindItemKind::fkCommand) : nullptr;
    if (!item || !IsWindow(Handle)) return;
    switch (item->Tag) {
    case 0: RestoreWindow(); break;
    case 1: ToggleMaximise(); break;
    case 2: ToggleMinimise(); break;
    case 3:
        hoverTimer_.SetEnabled(false);
        PostMessageW(Handle, WM_CLOSE, 0, 0);
        break;
    }
}

}  // namespace zuno::skin::frames
