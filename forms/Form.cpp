// TForm: window styles from the border settings, placement, the client size kept
// across menu changes, menu commands and owner-drawn menu items, closing, focus.
#include "forms/Form.h"

#include <algorithm>

#include "forms/Application.h"
#include "forms/Errors.h"
#include "forms/Menus.h"

namespace zuno::forms {

TForm::TForm(TComponent* owner, std::wstring name) : TWinControl(owner) {
    Name = std::move(name);
    visible_ = false;
    ParentFont = false;
    font_.Name = L"宋体";
    font_.Height = -12;
}

TForm::~TForm() {
    // A subclass of the window (a skin frame) lets go of this object first.
    if (hwnd_) SendMessageW(hwnd_, CM_FORMDESTROYING, 0, 0);
    // The window's menu belongs to the menu object, not to the window.
    if (hwnd_) ::SetMenu(hwnd_, nullptr);
    DestroyComponents();
    if (Application()) Application()->RemoveForm(this);
}

void TForm::CreateParams(TCreateParams& p) {
    p.ClassName = L"T" + Name;
    p.SystemClass = false;
    p.ExStyle = 0;
    switch (BorderStyle) {
    case TFormBorderStyle::bsNone:
        p.Style = WS_POPUP;
        break;
    case TFormBorderStyle::bsSingle:
        p.Style = WS_OVERLAPPED | WS_CAPTION | WS_BORDER;
        break;
    case TFormBorderStyle::bsSizeable:
        p.Style = WS_OVERLAPPED | WS_CAPTION | WS_THICKFRAME;
        break;
    case TFormBorderStyle::bsDialog:
        p.Style = WS_POPUP | WS_CAPTION | WS_DLGFRAME;
        p.ExStyle = WS_EX_DLGMODALFRAME;
        break;
    case TFormBorderStyle::bsToolWindow:
        p.Style = WS_POPUP | WS_CAPTION;
        p.ExStyle = WS_EX_TOOLWINDOW;
        break;
    }
    if (BorderStyle != TFormBorderStyle::bsNone) {
        if (BorderIcons & biSystemMenu) p.Style |= WS_SYSMENU;
        if (BorderStyle != TFormBorderStyle::bsDialog) {
            if (BorderIcons & biMinimize) p.Style |= WS_MINIMIZEBOX;
            if (BorderIcons & biMaximize) p.Style |= WS_MAXIMIZEBOX;
        }
    }
    p.Style |= WS_CLIPCHILDREN | (enabled_ ? 0 : WS_DISABLED);
    if (FormStyle == TFormStyle::fsStayOnTop) p.ExStyle |= WS_EX_TOPMOST;
    if (ToolWindow) p.ExStyle |= WS_EX_TOOLWINDOW;
    p.WndParent = nullptr;
    p.Menu = menu_ ? menu_->Handle() : nullptr;
    TForm* main = Application() ? Application()->MainForm() : nullptr;
    // Secondary forms belong to the main window: they stay above it and share its
    // taskbar button.
    if (main && main != this && main->HandleAllocated()) p.WndParent = main->HandleIfAllocated();
}

void TForm::CreateWnd() {
    // The window is made where it will stand, with its menu: placing it and attaching
    // the menu afterwards would each cost the window system another frame calculation.
    Place();
    TWinControl::CreateWnd();
    if (menu_ && GetMenu(hwnd_) != menu_->Handle()) ::SetMenu(hwnd_, menu_->Handle());
    if (clientWidth_ > 0) SetClientSize(clientWidth_, clientHeight_);
    Place();
}

void TForm::SetClientSize(int width, int height) {
    clientWidth_ = width, clientHeight_ = height;
    RECT r{0, 0, width, height};
    if (hwnd_) {
        RECT w, c;
        GetWindowRect(hwnd_, &w);
        GetClientRect(hwnd_, &c);
        SetBounds(left_, top_, width + (w.right - w.left) - c.right, height + (w.bottom - w.top) - c.bottom);
        // A menu bar that wraps changes the client height: settle once more.
        GetClientRect(hwnd_, &c);
        if (c.bottom != height || c.right != width) {
            GetWindowRect(hwnd_, &w);
            SetBounds(left_, top_, width + (w.right - w.left) - c.right, height + (w.bottom - w.top) - c.bottom);
        }
        return;
    }
    TCreateParams p;
    CreateParams(p);
    AdjustWindowRectEx(&r, p.Style, menu_ != nullptr, p.ExStyle);
    SetBounds(left_, top_, r.right - r.left, r.bottom - r.top);
}

RECT TForm::ClientRect() const {
    if (hwnd_) {
        RECT r;
        GetClientRect(hwnd_, &r);
        return r;
    }
    return {0, 0, clientWidth_, clientHeight_};
}

void TForm::Place() {
    RECT area{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    switch (Position) {
    case TPosition::poDesigned:
        return;
    case TPosition::poScreenCenter:
    case TPosition::poDesktopCenter:
        break;
    case TPosition::poMainFormCenter:
    case TPosition::poOwnerFormCenter: {
        TForm* main = Application() ? Application()->MainForm() : nullptr;
        if (main && main != this && main->HandleAllocated()) GetWindowRect(main->HandleIfAllocated(), &area);
        break;
    }
    }
    SetBounds(area.left + (area.right - area.left - width_) / 2, area.top + (area.bottom - area.top - height_) / 2,
              width_, height_);
}

void TForm::BoundsChanged() {
    if (hwnd_) SetWindowPos(hwnd_, nullptr, left_, top_, width_, height_, SWP_NOZORDER | SWP_NOACTIVATE);
}

namespace {
TFormShowingHook showingHook = nullptr;
}  // namespace

void SetFormShowingHook(TFormShowingHook hook) { showingHook = hook; }

void TForm::VisibleChanged() {
    if (visible_) {
        HandleNeeded();
        if (OnShow) Guarded([&] { OnShow(this); });
        if (!visible_) return;  // OnShow hid the form again
        if (showingHook && !(GetWindowLongPtrW(hwnd_, GWL_STYLE) & WS_VISIBLE)) showingHook(*this);
        ShowWindow(hwnd_, ActivateOnShow ? SW_SHOW : SW_SHOWNA);
    } else if (hwnd_) {
        ShowWindow(hwnd_, SW_HIDE);
    }
}

void TForm::ShowForm() {
    const bool wasVisible = visible_;
    if (!visible_) SetVisible(true);
    if (!hwnd_) return;
    if (IsIconic(hwnd_)) ShowWindow(hwnd_, ActivateOnShow ? SW_RESTORE : SW_SHOWNOACTIVATE);
    if (ActivateOnShow) {
        SetForegroundWindow(hwnd_);
        BringWindowToTop(hwnd_);
    } else if (wasVisible) {
        SetWindowPos(hwnd_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
}

void TForm::Close() {
    if (hwnd_) SendMessageW(hwnd_, WM_CLOSE, 0, 0);
}

void TForm::Release() {
    if (hwnd_) PostMessageW(hwnd_, CM_RELEASE, 0, 0);
}

bool TForm::Active() const { return hwnd_ && GetActiveWindow() == hwnd_; }

void TForm::SetMenu(TMainMenu* menu) {
    menu_ = menu;
    if (menu_) menu_->SetForm(this);
    if (hwnd_) {
        ::SetMenu(hwnd_, menu_ ? menu_->Handle() : nullptr);
        if (clientWidth_ > 0) SetClientSize(clientWidth_, clientHeight_);
        MenuChanged();
    }
}

void TForm::MenuChanged() {
    if (Destroying()) return;
    if (hwnd_ && menu_ && GetMenu(hwnd_)) DrawMenuBar(hwnd_);
    // Through the window procedure, so that a skin frame in front of it sees it.
    if (hwnd_)
        SendMessageW(hwnd_, CM_MENUCHANGED, 0, 0);
    else
        Perform(CM_MENUCHANGED);
}

void TForm::SetActiveControl(TWinControl* c) {
    if (c == this) c = nullptr;
    activeControl_ = c;
}

void TForm::CollectTabStops(TWinControl* parent, std::vector<TWinControl*>& out) {
    std::vector<TWinControl*> children;
    for (TControl* c : parent->Controls()) {
        if (auto* w = dynamic_cast<TWinControl*>(c)) children.push_back(w);
    }
    std::stable_sort(children.begin(), children.end(),
                     [](TWinControl* a, TWinControl* b) { return a->TabOrder < b->TabOrder; });
    for (TWinControl* w : children) {
        if (!w->Visible() || !w->Enabled()) continue;
        if (w->TabStop) out.push_back(w);
        CollectTabStops(w, out);
    }
}

void TForm::SelectNext(TWinControl* current, bool forward) {
    std::vector<TWinControl*> stops;
    CollectTabStops(this, stops);
    if (stops.empty()) return;
    auto it = std::find(stops.begin(), stops.end(), current);
    size_t i = 0;
    if (it == stops.end()) {
        i = forward ? 0 : stops.size() - 1;
    } else {
        const size_t at = static_cast<size_t>(it - stops.begin());
        i = (at + (forward ? 1 : stops.size() - 1)) % stops.size();
    }
    stops[i]->SetFocus();
}

void TForm::DoCreate() {
    if (OnCreate) Guarded([&] { OnCreate(this); });
}

bool TForm::MenuCommand(TMessage& m) {
    if (m.LParam != 0 || HIWORD(m.WParam) > 1) return false;
    TMenuItem* item = TMenuItem::FindByCommand(LOWORD(m.WParam));
    if (!item) return false;
    item->Click();
    m.Result = 0;
    return true;
}

bool TForm::MenuDrawing(TMessage& m) {
    if (m.Msg == WM_DRAWITEM) {
        auto* dis = reinterpret_cast<DRAWITEMSTRUCT*>(m.LParam);
        if (dis->CtlType != ODT_MENU) return false;
        auto* item = TMenuItem::FromItemData(dis->itemData);
        if (!item) return false;
        item->DoAdvancedDraw(dis->hDC, dis->rcItem, dis->itemState);
        m.Result = TRUE;
        return true;
    }
    auto* mis = reinterpret_cast<MEASUREITEMSTRUCT*>(m.LParam);
    if (mis->CtlType != ODT_MENU) return false;
    auto* item = TMenuItem::FromItemData(mis->itemData);
    if (!item) return false;
    int w = static_cast<int>(mis->itemWidth), h = static_cast<int>(mis->itemHeight);
    HDC dc = GetDC(hwnd_);
    item->DoMeasure(dc, w, h);
    ReleaseDC(hwnd_, dc);
    mis->itemWidth = static_cast<UINT>(w);
    mis->itemHeight = static_cast<UINT>(h);
    m.Result = TRUE;
    return true;
}

void TForm::PaintWindow(HDC dc) {}

void TForm::WndProc(TMessage& m) {
    switch (m.Msg) {
    case WM_COMMAND:
        if (MenuCommand(m)) return;
        break;
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
        if (MenuDrawing(m)) return;
        break;
    case WM_INITMENUPOPUP:
        TMenuItem::FillDeferredSubmenu(reinterpret_cast<HMENU>(m.WParam));
        break;
    case WM_CLOSE: {
        TCloseAction action = (Application() && Application()->MainForm() == this) ? TCloseAction::caFree
                                                                                    : TCloseAction::caHide;
        if (OnClose) OnClose(this, action);
        if (action == TCloseAction::caNone) return;
        if (Application() && Application()->MainForm() == this) {
            Application()->Terminate();
        } else if (action == TCloseAction::caHide) {
            Hide();
        } else if (action == TCloseAction::caMinimize) {
            ShowWindow(hwnd_, SW_MINIMIZE);
        } else {
            Hide();  // gone at once, not bare for a moment when its skin frame lets go
            Release();
        }
        return;
    }
    case WM_ACTIVATE:
        TWinControl::WndProc(m);
        if (LOWORD(m.WParam) != WA_INACTIVE && !HIWORD(m.WParam)) {
            if (activeControl_ && activeControl_->CanFocus()) ::SetFocus(activeControl_->Handle());
            if (OnActivate) OnActivate(this);
        }
        return;
    case WM_SETFOCUS:
        // The form itself takes no focus while one of its controls can.
        if (activeControl_ && activeControl_->CanFocus()) {
            ::SetFocus(activeControl_->Handle());
            return;
        }
        break;
    case WM_SYSCHAR:
        if (Perform(CM_DIALOGCHAR, m.WParam, m.LParam)) return;
        break;
    case CM_MENUCHANGED:
        // A skin frame took the menu off the window to draw its own bar: give it
        // back, so that the frame can read it again.
        if (hwnd_ && menu_ && GetMenu(hwnd_) != menu_->Handle()) ::SetMenu(hwnd_, menu_->Handle());
        return;
    case CM_RELEASE:
        delete this;
        return;
    }
    TWinControl::WndProc(m);
}

}  // namespace zuno::forms
