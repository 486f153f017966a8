// TWinSkinForm: attaching to a window, the three-stage message dispatch, frame
// metrics, the non-client size and hit test, first show and the client size kept
// through every change, window state and system commands, and detaching.
#include "skin/frames/WinSkinForm.h"

#include <windowsx.h>

#include <unordered_map>

#include "forms/Errors.h"
#include "forms/Messages.h"
#include "skin/frames/SkinManage.h"
#include "skin/frames/WinSkinData.h"
#include "skin/controls/Discovery.h"
#include "skin/controls/SkinControl.h"
#include "skin/menus/WinSkinMenu.h"
#include "skin/titlebuttons/WinSysButton.h"

namespace zuno::skin::frames {
namespace {

std::unordered_map<HWND, TWinSkinForm*>& FrameMap() {
    static std::unordered_map<HWND, TWinSkinForm*> frames;
    return frames;
}

}  // namespace

// Windows in whose procedure chain one of our procedures stays after its frame let go,
// because another subclass was installed on top of it: the procedure that place
// passes every message on to, until the window is destroyed or framed again.
std::unordered_map<HWND, WNDPROC>& PassThroughProcs() {
    static std::unordered_map<HWND, WNDPROC> procs;
    return procs;
}

LRESULT PassThrough(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    const auto it = PassThroughProcs().find(window);
    if (it == PassThroughProcs().end()) return DefWindowProcW(window, msg, wParam, lParam);
    const WNDPROC next = it->second;
    if (msg == WM_NCDESTROY) PassThroughProcs().erase(it);
    return CallWindowProcW(next, window, msg, wParam, lParam);
}

namespace {

constexpr UINT kRecalcFlags = SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED;

bool IsSysCommandId(UINT id) {
    switch (id) {
    case SC_SIZE: case SC_MOVE: case SC_MINIMIZE: case SC_MAXIMIZE: case SC_NEXTWINDOW:
    case SC_PREVWINDOW: case SC_CLOSE: case SC_RESTORE:
        return true;
    }
    return false;
}

// Bytes of the text in the system ANSI code page (a double-byte character counts 2).
int AnsiLength(const std::wstring& text) {
    if (text.empty()) return 0;
    return WideCharToMultiByte(CP_ACP, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0, nullptr,
                               nullptr);
}

}  // namespace

std::wstring ReadWindowText(HWND window) {
    wchar_t buffer[1000] = {};
    SendMessageW(window, WM_GETTEXT, 1000, reinterpret_cast<LPARAM>(buffer));
    return buffer;
}

TWinSkinForm::TWinSkinForm(forms::TForm* owner)
    : form_(owner), hoverTimer_(nullptr, false), doubleClickTime_(GetDoubleClickTime()) {
    handlerLink_ = std::make_shared<HandlerLink>(HandlerLink{this});
    NONCLIENTMETRICSW ncm{};
    // The wide call wants the full structure size of the running system.
    ncm.cbSize = sizeof ncm;
    if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof ncm, &ncm, 0))
        captionFont_ = CreateFontIndirectW(&ncm.lfCaptionFont);
    hoverTimer_.SetInterval(250);
    hoverTimer_.OnTimer = [this](forms::TComponent*) { HoverTick(); };
}

TWinSkinForm::~TWinSkinForm() {
    if (lifecycle_ != lsDead && savedProc_) DetachForDestroy();
    UnsubclassMdiClient();
    FreeWrappers();
    menus::ForgetTrackingFrame(this);
    RemoveMenuHandlers();
    handlerLink_->frame = nullptr;
    hoverTimer_.SetEnabled(false);
    RestoreAnimation();
    buttons_.clear();
    HotObject = nullptr;
    menuBar_.reset();
    systemMenuPopup_.reset();
    if (captionFont_) DeleteObject(captionFont_);
    if (SkinManager) SkinManager->RemoveFrame(Handle);
}

TWinSkinForm* TWinSkinForm::FromWindow(HWND window) {
    auto it = FrameMap().find(window);
    return it == FrameMap().end() ? nullptr : it->second;
}

bool TWinSkinForm::Owned() const { return owner_ != nullptr; }

// ---- Attaching ---------------------------------------------------------------

void TWinSkinForm::AttachForm(TSkinData* data, forms::TForm* form) {
    form_ = form;
    form->AutoScroll = false;
    framePainting_ = data->SkinControls.Contains(TSkinControlType::xcMainMenu);
    if (framePainting_) {
        savedFormHandler_ = form->WindowProc;
        form->WindowProc = [this](forms::TMessage& m) { FormHandler(m); };
        formHooked_ = true;
    }
    AttachWindow(data);
    InstallPopupHandlers(form, true);
    savedColour_ = form->Color();
    form->SetFaceTextColor(static_cast<forms::TColor>(data->ButtonTextColour));
    form->SetColor(static_cast<forms::TColor>(data->ButtonFaceColour));
}

void TWinSkinForm::AttachWindow(TSkinData* data) {
    if (savedProc_) return;
    data_ = data;
    framePainting_ = data->SkinControls.Contains(TSkinControlType::xcMainMenu);
    style_ = static_cast<DWORD>(GetWindowLongPtrW(Handle, GWL_STYLE));
    const auto exStyle = static_cast<DWORD>(GetWindowLongPtrW(Handle, GWL_EXSTYLE));
    rtl_ = (exStyle & WS_EX_LEFTSCROLLBAR) != 0;
    systemMenu_ = GetSystemMenu(Handle, FALSE);
    BuildSmallIcon();
    text_ = ReadWindowText(Handle);
    className_ = WindowClassName(Handle);
    owner_ = GetWindow(Handle, GW_OWNER);
    RECT w{}, c{};
    GetWindowRect(Handle, &w);
    GetClientRect(Handle, &c);
    savedClient_ = c;
    nativeExtra_ = {(w.right - w.left) - c.right, (w.bottom - w.top) - c.bottom};
    flags_ = CaptionButtonFlags(style_, systemMenu_ != nullptr);
    BuildSystemMenu();
    ReadStateFromPlacement();
    for (HWND child = GetTopWindow(Handle); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (WindowClassName(child) == "MDIClient") {
            kind_ = FrameKind::MdiParent;
            mdiClient_ = child;
            if (SkinManager) SkinManager->MdiClientWindow = child;
            break;
        }
    }
    if (exStyle & WS_EX_MDICHILD) kind_ = FrameKind::MdiChild;
    border_ = BorderKindOf(style_);
    if (kind_ == FrameKind::MdiParent) {
        savedMenuUpdate_ = data_->MenuUpdate;
        SubclassMdiClient();
    }
    // In front of the window before its menu is taken off (the window's frame is then
    // recalculated and, on screen, painted natively): a held frame keeps that paint off.
    if (holdPainting_) Subclass();
    if (framePainting_) {
        HMENU menu = GetMenu(Handle);
        if (menu && kind_ != FrameKind::MdiChild) {
            nativeMenu_ = menu;
            menuBarHeight_ = GetSystemMetrics(SM_CYMENU);
            menuBar_ = std::make_unique<menus::TWinSkinMenu>(*this, data_);
            menuBar_->LoadFromMainMenu();
        }
        const bool mdiHeld = kind_ == FrameKind::MdiChild && SkinManager && SkinManager->MdiMaximised;
        if (!mdiHeld && state_ != WindowState::Minimised) SetCaptionStyles(false);
        LoadFrameMetrics();
    }
    if (!savedProc_) Subclass();
    DiscoverControls();
    InvalidateRect(Handle, nullptr, TRUE);
}

// ---- Control wrappers ----------------------------------------------------------

void TWinSkinForm::AddWrapper(controls::TSkinControl* wrapper) {
    for (controls::TSkinControl* w : Wrappers)
        if (w == wrapper) return;
    Wrappers.push_back(wrapper);
}

void TWinSkinForm::RemoveWrapper(controls::TSkinControl* wrapper) {
    if (HoveredButton == wrapper) HoveredButton = nullptr;
    std::erase(Wrappers, wrapper);
}

void TWinSkinForm::FreeWrappers() {
    HoveredButton = nullptr;
    std::vector<controls::TSkinControl*> all;
    all.swap(Wrappers);
    for (controls::TSkinControl* w : all) {
        w->Frame = nullptr;
        if (w->State != controls::TSkinControl::stDead) w->RestoreControl();
        delete w;
    }
}

void TWinSkinForm::FreeDeadWrappers() {
    std::vector<controls::TSkinControl*> dead;
    for (controls::TSkinControl* w : Wrappers)
        if (w->State == controls::TSkinControl::stDead) dead.push_back(w);
    for (controls::TSkinControl* w : dead) delete w;  // each one leaves the list
}

void TWinSkinForm::OnControlAdded(forms::TControl* control) {
    if (!data_ || !form_ || !savedProc_ || lifecycle_ == lsDestroying || lifecycle_ == lsDead) return;
    try {
        controls::DiscoverAddedControl(*this, control);
    } catch (...) {
    }
}

void TWinSkinForm::DiscoverControls() {
    if (!data_) return;
    FreeDeadWrappers();
    try {
        if (form_)
            controls::DiscoverComponents(*this, *form_, form_);
        else
            controls::DiscoverChildWindows(*this);
    } catch (...) {
        // A control that cannot be wrapped keeps its own look; the window stays framed.
    }
}

void TWinSkinForm::Subclass() {
    FrameMap()[Handle] = this;
    // A place an earlier frame left in the chain is taken over rather than stacked
    // on: two live places of the same procedure on one window could not be told apart.
    if (auto it = PassThroughProcs().find(Handle); it != PassThroughProcs().end()) {
        savedProc_ = it->second;
        PassThroughProcs().erase(it);
        return;
    }
    savedProc_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(Handle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&FrameWndProc)));
}

void TWinSkinForm::Unsubclass() {
    if (!savedProc_) return;
    // Put the old procedure back only while ours is the window's; if another
    // subclass stacked on top, our place stays in the chain and passes messages on.
    if (IsWindow(Handle)) {
        if (GetWindowLongPtrW(Handle, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&FrameWndProc))
            SetWindowLongPtrW(Handle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(savedProc_));
        else
            PassThroughProcs()[Handle] = savedProc_;
    }
    FrameMap().erase(Handle);
    savedProc_ = nullptr;
}

void TWinSkinForm::UnhookForm() {
    if (!formHooked_) return;
    formHooked_ = false;
    // While the form handler is on the stack its function object must stay; it
    // passes everything on from now on.
    if (form_ && formHandlerDepth_ == 0) form_->WindowProc = savedFormHandler_;
}

void TWinSkinForm::ReadStateFromPlacement() {
    WINDOWPLACEMENT wp{sizeof wp};
    if (!GetWindowPlacement(Handle, &wp)) return;
    switch (wp.showCmd) {
    case 2: case 6: case 7: state_ = WindowState::Minimised; break;
    case 3: state_ = WindowState::Maximised; break;
    default: state_ = WindowState::Normal; break;
    }
}

void TWinSkinForm::SetCaptionStyles(bool restore) {
    if (kind_ == FrameKind::MdiChild && SkinManager && SkinManager->MdiMaximised && !restore) return;
    const auto style = static_cast<std::uint32_t>(GetWindowLongPtrW(Handle, GWL_STYLE));
    const std::uint32_t next =
        CaptionStyles(style, flags_, restore, Owned() || kind_ == FrameKind::MdiChild);
    if (next != style) SetWindowLongPtrW(Handle, GWL_STYLE, static_cast<LONG_PTR>(next));
}

void TWinSkinForm::LoadFrameMetrics() {
    if (!data_ || data_->NoSkin) return;
    m_ = FrameMetricsFromSkin(*data_, border_);
    if (border_ == BorderKind::None) menuBarHeight_ = 0;
    FreeTitleButtons();
    for (auto& b : data_->SysButtons) {
        if (b->Action == 3 || b->Action == 11) {
            // Icon buttons are sized by the small icon; the first window decides for
            // every window that shares the skin data.
            if (b->Bitmap.Empty()) b->Bitmap = smallIcon_.Clone();
            if (data_->AppIcon.Empty()) data_->AppIcon = smallIcon_.Clone();
            b->FrameCount = 1;
        }
        buttons_.push_back(std::make_unique<titlebuttons::TWinSysButton>(*this, b.get()));
    }
}

void TWinSkinForm::FreeTitleButtons() {
    if (HotObject && menuBar_ && menuBar_->Owns(HotObject)) {
        buttons_.clear();  // the hot menu item stays hot
        return;
    }
    HotObject = nullptr;
    buttons_.clear();
}

void TWinSkinForm::RefreshSkin() {
    if (form_) InstallPopupHandlers(form_, true);
    if (form_) {
        form_->SetFaceTextColor(static_cast<forms::TColor>(data_->ButtonTextColour));
        form_->SetColor(static_cast<forms::TColor>(data_->ButtonFaceColour));
        for (forms::TComponent* c : form_->Components())
            if (auto* f = dynamic_cast<forms::TForm*>(c)) {
                f->SetFaceTextColor(static_cast<forms::TColor>(data_->ButtonTextColour));
                f->SetColor(static_cast<forms::TColor>(data_->ButtonFaceColour));
            }
    }
    const std::vector<controls::TSkinControl*> wrappers = Wrappers;
    for (controls::TSkinControl* w : wrappers) w->Refresh();
    lifecycle_ = lsRefreshing;
    if (framePainting_) {
        ReshapeOnce(true);
    } else {
        InvalidateRect(Handle, nullptr, TRUE);
    }
    lifecycle_ = lsSkinned;
}

// Gives the window its new outer size and region without painting in between, then
// has it painted once, together with whatever it no longer covers. Painting after
// each step would draw every frame two or three times over.
void TWinSkinForm::ReshapeOnce(bool keepHeight) {
    // What the window covers now, on screen: its rectangle cut by its region (nothing
    // while it is hidden, as when it is framed before being shown).
    RECT before{};
    GetWindowRect(Handle, &before);
    GdiObject<HRGN> covered(IsWindowVisible(Handle) ? CreateRectRgn(0, 0, 0, 0) : nullptr);
    if (covered.Get() && GetWindowRgn(Handle, covered.Get()) != ERROR)
        OffsetRgn(covered.Get(), before.left, before.top);
    else if (covered.Get())
        SetRectRgn(covered.Get(), before.left, before.top, before.right, before.bottom);
    // A caption painted from the previous skin must not shape the new outline: it is
    // composed again off-screen, as the window is about to show it.
    const bool composeCaption = captionPainted_;
    captionPainted_ = false;
    const int builds = regionBuilds_;
    deferRedraw_ = true;
    struct Undefer {
        bool& flag;
        ~Undefer() { flag = false; }
    } undefer{deferRedraw_};
    ResizeToClient(keepHeight);
    if (composeCaption) ComposeCaption();
    // A refresh rebuilds the outline even at the same size: the skin has changed.
    if (composeCaption || regionBuilds_ == builds) {
        if (lifecycle_ == lsResizing) lifecycle_ = lsSkinned;
        UpdateRegion();
    }
    deferRedraw_ = false;
    RedrawWindow(Handle, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_ALLCHILDREN);
    ExposeUncovered(covered.Get());
}

// `before`: what the window covered before (screen coordinates); the windows
// beneath repaint what it covers no more.
void TWinSkinForm::ExposeUncovered(HRGN before) {
    if (!before) return;
    RECT now{};
    GetWindowRect(Handle, &now);
    GdiObject<HRGN> gone(CreateRectRgn(0, 0, 0, 0));
    GdiObject<HRGN> kept(CreateRectRgn(0, 0, 0, 0));
    if (!gone.Get() || !kept.Get() || CombineRgn(gone.Get(), before, nullptr, RGN_COPY) == ERROR) return;
    if (GetWindowRgn(Handle, kept.Get()) != ERROR)
        OffsetRgn(kept.Get(), now.left, now.top);
    else
        SetRectRgn(kept.Get(), now.left, now.top, now.right, now.bottom);
    if (CombineRgn(gone.Get(), gone.Get(), kept.Get(), RGN_DIFF) > NULLREGION)
        RedrawWindow(nullptr, nullptr, gone.Get(), RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

void TWinSkinForm::ResizeToClient(bool keepHeight) {
    const UINT quiet = deferRedraw_ ? SWP_NOREDRAW | SWP_DEFERERASE : 0;
    if (state_ == WindowState::Maximised) {
        SetWindowPos(Handle, nullptr, 0, 0, 0, 0, kRecalcFlags | quiet);
        return;
    }
    // The client area measured before any change: the window keeps exactly that size
    // (a native caption's height is not guessed from system metrics).
    if (keepHeight) GetClientRect(Handle, &savedClient_);
    int width = savedClient_.right + m_.left + m_.right;
    const int height = savedClient_.bottom + m_.top + m_.bottom + menuBarHeight_;
    if (!keepHeight && (className_ == "TMessageForm" || className_ == "#32770")) {
        HDC dc = GetWindowDC(Handle);
        HGDIOBJ old = SelectObject(dc, captionFont_);
        SIZE space{};
        GetTextExtentPoint32W(dc, L" ", 1, &space);
        SelectObject(dc, old);
        ReleaseDC(Handle, dc);
        text_ = ReadWindowText(Handle);
        const int needed = MessageBoxNeededWidth(AnsiLength(text_), space.cx, m_, data_->Title);
        if (width < needed) {
            const int shift = (needed - width) / 2;
            for (HWND child = GetTopWindow(Handle); child; child = GetWindow(child, GW_HWNDNEXT)) {
                RECT r{};
                GetWindowRect(child, &r);
                MapWindowPoints(nullptr, Handle, reinterpret_cast<POINT*>(&r), 2);
                SetWindowPos(child, nullptr, r.left + shift, r.top, 0, 0,
                             SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER | SWP_NOSENDCHANGING);
            }
            width = needed;
        }
    }
    SetWindowPos(Handle, nullptr, 0, 0, width, height,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED | quiet);
}

bool TWinSkinForm::IsMdiChildMaximised() const {
    if (kind_ != FrameKind::MdiParent || !mdiClient_) return false;
    BOOL maximised = FALSE;
    HWND active = reinterpret_cast<HWND>(
        SendMessageW(mdiClient_, WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&maximised)));
    return active && maximised;
}

// ---- Detaching ---------------------------------------------------------------

void TWinSkinForm::FreeMenuBar(bool giveBack) {
    if (!menuBar_) return;
    if (giveBack && IsWindow(Handle) && nativeMenu_) ::SetMenu(Handle, nativeMenu_);
    if (HotObject && menuBar_->Owns(HotObject)) HotObject = nullptr;
    menuBar_.reset();
}

void TWinSkinForm::Detach() {
    if (lifecycle_ == lsDead) return;
    systemMenuPopup_.reset();
    hoverTimer_.SetEnabled(false);
    if (!savedProc_ && !formHooked_) return;
    if (form_ && lifecycle_ != lsDestroying) InstallPopupHandlers(form_, false);
    RemoveMenuHandlers();
    menus::ForgetTrackingFrame(this);
    UnhookForm();
    Unsubclass();
    FreeWrappers();
    if (form_ && lifecycle_ != lsDestroying) {
        form_->SetFaceTextColor(forms::clNone);
        form_->SetColor(savedColour_);
    }
    if (framePainting_) {
        SetCaptionStyles(true);
        FreeMenuBar(true);
        UnsubclassMdiClient();
        caption_.Clear();
        captionPainted_ = false;
        RECT w{};
        GetWindowRect(Handle, &w);
        const bool resize = kind_ == FrameKind::MdiChild || !(GetWindowLongPtrW(Handle, GWL_STYLE) & WS_CHILD);
        if (lifecycle_ != lsDestroying && resize && state_ != WindowState::Maximised) {
            POINT at{w.left, w.top};
            if (kind_ == FrameKind::MdiChild) ScreenToClient(GetParent(Handle), &at);
            const int width = (w.right - w.left) - (m_.left + m_.right - nativeExtra_.cx);
            const int height = (w.bottom - w.top) - (m_.top + menuBarHeight_ + m_.bottom - nativeExtra_.cy);
            SetWindowPos(Handle, nullptr, at.x, at.y, width, height,
                         SWP_FRAMECHANGED | SWP_NOACTIVATE | SWP_NOZORDER);
        } else {
            SetWindowPos(Handle, nullptr, 0, 0, 0, 0, kRecalcFlags);
        }
        if (regionSet_) SetWindowRgn(Handle, nullptr, TRUE);
        regionSet_ = false;
    } else {
        UnsubclassMdiClient();
        if (form_ && lifecycle_ != lsDestroying) form_->Invalidate();
    }
    lifecycle_ = lsDead;
}

void TWinSkinForm::DetachForDestroy() {
    RemoveMenuHandlers();
    menus::ForgetTrackingFrame(this);
    systemMenuPopup_.reset();
    hoverTimer_.SetEnabled(false);
    UnhookForm();
    Unsubclass();
    UnsubclassMdiClient();
    FreeWrappers();
    FreeMenuBar(false);
    caption_.Clear();
    captionPainted_ = false;
    form_ = nullptr;
    lifecycle_ = lsDead;
}

// ---- Dispatch ----------------------------------------------------------------

LRESULT CALLBACK TWinSkinForm::FrameWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    TWinSkinForm* frame = FromWindow(hwnd);
    if (!frame) return PassThrough(hwnd, msg, wParam, lParam);
    ++frame->depth_;
    LRESULT result = 0;
    try {
        result = frame->WndProc(msg, wParam, lParam);
    } catch (...) {
        // Painting and layout errors never end the program; the message is done.
    }
    --frame->depth_;
    return result;
}

LRESULT TWinSkinForm::Forward(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (savedProc_) return CallWindowProcW(savedProc_, Handle, msg, wParam, lParam);
    return DefWindowProcW(Handle, msg, wParam, lParam);
}

LRESULT TWinSkinForm::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (Stage1(msg, wParam, lParam, result)) return result;
    if (!framePainting_ || lifecycle_ == lsDead) return Forward(msg, wParam, lParam);
    if (kind_ != FrameKind::MdiChild && (style_ & WS_CHILD)) return Forward(msg, wParam, lParam);
    if (Stage2(msg, wParam, lParam, result)) return result;
    const bool stage3 = !(kind_ == FrameKind::MdiChild && state_ != WindowState::Normal) &&
                        state_ != WindowState::Minimised && lifecycle_ != lsCreated;
    if (!stage3) return Forward(msg, wParam, lParam);
    return Stage3(msg, wParam, lParam, true);
}

bool TWinSkinForm::Stage1(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (holdPainting_ && (msg == WM_NCPAINT || msg == WM_ERASEBKGND)) {
        result = 0;  // left for the first show's repaint (a background not erased stays due)
        return true;
    }
    switch (msg) {
    case WM_ERASEBKGND:
        result = OnEraseBackground(wParam, lParam);
        return true;
    case WM_STYLECHANGED:
        if (static_cast<int>(wParam) == GWL_STYLE) style_ = reinterpret_cast<STYLESTRUCT*>(lParam)->styleNew;
        result = Forward(msg, wParam, lParam);
        return true;
    case WM_SETTEXT:
        result = OnSetText(wParam, lParam);
        return true;
    case WM_NCDESTROY: {
        lifecycle_ = lsDestroying;
        WNDPROC saved = savedProc_;
        DetachForDestroy();
        result = saved ? CallWindowProcW(saved, Handle, msg, wParam, lParam) : DefWindowProcW(Handle, msg, wParam, lParam);
        FrameMap().erase(Handle);
        PassThroughProcs().erase(Handle);
        savedProc_ = nullptr;
        lifecycle_ = lsDead;
        return true;
    }
    case forms::CM_FORMDESTROYING:
        // The form object is going while its window still exists: let go of both.
        lifecycle_ = lsDestroying;
        DetachForDestroy();
        result = 0;
        return true;
    case WM_CTLCOLORBTN:
        result = Forward(msg, wParam, lParam);
        SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
        return true;
    case WM_CTLCOLORSTATIC:
        result = Forward(msg, wParam, lParam);
        if (!form_ && data_ && data_->FaceBrush) {
            SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
            result = reinterpret_cast<LRESULT>(data_->FaceBrush);
        }
        return true;
    case SKINMSG_QUERY:
        result = 1;
        return true;
    }
    return false;
}

bool TWinSkinForm::Stage2(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (msg) {
    case WM_SIZE:
        result = OnSize(wParam, lParam);
        return true;
    case WM_ACTIVATE:
    case WM_NCACTIVATE:
        active_ = LOBYTE(LOWORD(wParam)) != 0;
        return false;
    case WM_GETMINMAXINFO:
        result = OnGetMinMaxInfo(lParam);
        return true;
    case WM_WINDOWPOSCHANGED:
        ReadStateFromPlacement();
        result = Forward(msg, wParam, lParam);
        return true;
    case WM_COMMAND:
        result = OnCommand(wParam, lParam);
        return true;
    case WM_SYSCOMMAND:
        result = OnSysCommand(wParam, lParam);
        return true;
    case SKINMSG_FIRSTSHOW:
        result = OnFirstShow();
        return true;
    case forms::CM_MENUCHANGED:
        result = OnMenuChanged(wParam, lParam);
        return true;
    case forms::CM_CONTROLLISTCHANGE:
        if (lParam) OnControlAdded(reinterpret_cast<forms::TControl*>(wParam));
        return false;
    case WM_INITMENUPOPUP:
        result = OnInitMenuPopup(wParam, lParam);
        return true;
    case WM_MENUSELECT:
        if (MenuTracking) menus::MenuSelected(this, wParam, lParam);
        return false;
    }
    return false;
}

LRESULT TWinSkinForm::Stage3(UINT msg, WPARAM wParam, LPARAM lParam, bool continued) {
    switch (msg) {
    case WM_DRAWITEM:
    case WM_MEASUREITEM: return OnMenuItemDrawing(msg, wParam, lParam);
    case WM_NCCALCSIZE: return OnNcCalcSize(wParam, lParam);
    case WM_NCHITTEST: return OnNcHitTest(wParam, lParam);
    case WM_NCPAINT: return OnNcPaint(wParam);
    case WM_NCACTIVATE: return OnNcActivate(wParam, lParam);
    case WM_NCMOUSEMOVE: return OnNcMouseMove(wParam, lParam);
    case WM_NCLBUTTONDOWN: return OnNcLButtonDown(wParam, lParam);
    case WM_NCLBUTTONUP: return OnNcLButtonUp(wParam, lParam);
    case WM_NCLBUTTONDBLCLK: return OnNcLButtonDblClk();
    case WM_NCRBUTTONDOWN: return OnNcRButtonDown(wParam, lParam);
    case SKINMSG_REPAINT:
        SyncMdiMaximised();
        PaintFrame(nullptr);
        return 0;
    }
    return continued ? Forward(msg, wParam, lParam) : 0;
}

void TWinSkinForm::FormHandler(forms::TMessage& m) {
    if (!formHooked_) {
        savedFormHandler_(m);
        return;
    }
    ++depth_;
    ++formHandlerDepth_;
    struct Leave {
        TWinSkinForm* f;
        ~Leave() { --f->depth_, --f->formHandlerDepth_; }
    } leave{this};
    switch (m.Msg) {
    case SKINMSG_REFRESH:
        RefreshSkin();
        return;
    case forms::CM_DIALOGCHAR:
        if (DialogChar(m)) return;
        break;
    }
    savedFormHandler_(m);
}

// ---- Stage 1 and 2 handlers --------------------------------------------------

LRESULT TWinSkinForm::OnEraseBackground(WPARAM wParam, LPARAM lParam) {
    const LRESULT result = Forward(WM_ERASEBKGND, wParam, lParam);
    if (form_ || !data_ || !data_->FaceBrush) return result;
    RECT r{};
    GetClientRect(Handle, &r);
    FillRect(reinterpret_cast<HDC>(wParam), &r, data_->FaceBrush);
    return 1;
}

LRESULT TWinSkinForm::OnSetText(WPARAM wParam, LPARAM lParam) {
    const bool painting = framePainting_ && lifecycle_ == lsSkinned && border_ != BorderKind::None;
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(Handle, GWL_STYLE));
    // The default handler repaints a native caption at once when the window has
    // WS_CAPTION (owned windows keep it): hide the bit for that moment.
    const bool hide = painting && (style & WS_CAPTION) == WS_CAPTION;
    if (hide) SetWindowLongPtrW(Handle, GWL_STYLE, static_cast<LONG_PTR>(style & ~WS_CAPTION));
    const LRESULT result = Forward(WM_SETTEXT, wParam, lParam);
    if (hide) SetWindowLongPtrW(Handle, GWL_STYLE, static_cast<LONG_PTR>(style));
    text_ = ReadWindowText(Handle);
    if (painting) SetWindowPos(Handle, nullptr, 0, 0, 0, 0, kRecalcFlags);
    return result;
}

LRESULT TWinSkinForm::OnSize(WPARAM wParam, LPARAM lParam) {
    const LRESULT result = Forward(WM_SIZE, wParam, lParam);
    const WindowState before = state_;
    switch (wParam) {
    case SIZE_RESTORED: state_ = WindowState::Normal; break;
    case SIZE_MINIMIZED: state_ = WindowState::Minimised; break;
    case SIZE_MAXIMIZED: state_ = WindowState::Maximised; break;
    }
    const bool mdiOk = kind_ != FrameKind::MdiChild ||
                       (!(SkinManager && SkinManager->MdiMaximised) && state_ == WindowState::Normal);
    if (state_ != WindowState::Minimised && mdiOk && (lifecycle_ == lsSkinned || lifecycle_ == lsRefreshing))
        UpdateRegion();
    if (kind_ == FrameKind::MdiChild && state_ != before) {
        // A maximised child must not stay cut to its skinned outline while it paints.
        if (state_ == WindowState::Maximised && SkinManager && !SkinManager->MdiMaximised)
            SkinManager->SetMdiMaximised(true);
        // The parent shows or drops the MDI buttons and brings the MDI flag in line
        // once Windows has finished with the child.
        if (HWND client = GetParent(Handle))
            if (HWND parent = GetParent(client)) PostMessageW(parent, SKINMSG_REPAINT, 0, 0);
    }
    return result;
}

LRESULT TWinSkinForm::OnGetMinMaxInfo(LPARAM lParam) {
    const LRESULT result = Forward(WM_GETMINMAXINFO, 0, lParam);
    ReadStateFromPlacement();
    if (state_ == WindowState::Minimised) {
        SetCaptionStyles(true);
    } else if (kind_ == FrameKind::MdiChild) {
        if (state_ == WindowState::Normal) {
            if (SkinManager && SkinManager->MdiMaximised) SkinManager->SetMdiMaximised(false);
            SetCaptionStyles(false);
        } else if (state_ == WindowState::Maximised) {
            SetCaptionStyles(true);
        }
    } else {
        SetCaptionStyles(false);
    }
    if (border_ == BorderKind::Sizeable) {
        auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
        info->ptMaxTrackSize = {GetSystemMetrics(SM_CXMAXIMIZED), GetSystemMetrics(SM_CYMAXIMIZED)};
    }
    return result;
}

LRESULT TWinSkinForm::OnCommand(WPARAM wParam, LPARAM lParam) {
    const UINT id = LOWORD(wParam);
    // The native system menu opened by the frame reports its choice as WM_COMMAND.
    if (lParam == 0 && IsSysCommandId(id)) {
        PostMessageW(Handle, WM_SYSCOMMAND, id, 0);
        return 0;
    }
    return Forward(WM_COMMAND, wParam, lParam);
}

LRESULT TWinSkinForm::OnSysCommand(WPARAM wParam, LPARAM lParam) {
    const UINT command = static_cast<UINT>(wParam) & 0xFFF0u;
    if (menuBar_) {
        const bool found = lParam != 0 && FindAccelItem(static_cast<wchar_t>(lParam)) != nullptr;
        if (menus::KeyMenuSwallowed(MenuTracking, static_cast<unsigned>(wParam), static_cast<std::int64_t>(lParam),
                                    GetCapture() != nullptr, found))
            return 1;
    }
    if (command == SC_MINIMIZE) {
        state_ = WindowState::Minimised;
        if (kind_ == FrameKind::MdiChild) SetCaptionStyles(true);
    } else if (command == SC_MAXIMIZE) {
        state_ = WindowState::Maximised;
    } else if (command == SC_RESTORE) {
        state_ = WindowState::Normal;
        if (kind_ == FrameKind::MdiChild) SetCaptionStyles(false);
    }
    const LRESULT result = Forward(WM_SYSCOMMAND, wParam, lParam);
    RestoreAnimation();
    return result;
}

LRESULT TWinSkinForm::OnFirstShow() {
    if (lifecycle_ == lsCreated) {
        if (kind_ == FrameKind::MdiChild && SkinManager && SkinManager->MdiMaximised) {
            SetCaptionStyles(true);
            SetWindowPos(Handle, nullptr, 0, 0, 0, 0, kRecalcFlags);
        } else if (state_ != WindowState::Minimised && border_ != BorderKind::None) {
            lifecycle_ = lsResizing;
            ReshapeOnce(false);
        }
    }
    lifecycle_ = lsSkinned;
    hoverTimer_.SetEnabled(true);
    return 0;
}

LRESULT TWinSkinForm::OnMenuChanged(WPARAM wParam, LPARAM lParam) {
    const std::int32_t previous = data_->FramePaintEnabled;
    data_->FramePaintEnabled = 0;
    const LRESULT result = Forward(forms::CM_MENUCHANGED, wParam, lParam);
    data_->FramePaintEnabled = previous;
    if (menuBar_ && data_->MenuUpdate && GetMenu(Handle)) {
        nativeMenu_ = GetMenu(Handle);
        menuBar_->LoadFromMainMenu();
        PaintFrame(nullptr);
    }
    return result;
}

// ---- Stage 3 handlers --------------------------------------------------------

LRESULT TWinSkinForm::OnNcCalcSize(WPARAM wParam, LPARAM lParam) {
    Forward(WM_NCCALCSIZE, wParam, lParam);
    const bool native = (kind_ == FrameKind::MdiChild && state_ != WindowState::Normal) || border_ == BorderKind::None;
    if (LOBYTE(wParam) == 0) {
        // Only the window rectangle: turn it into our client rectangle too.
        if (!native) {
            auto* r = reinterpret_cast<RECT*>(lParam);
            const Rect c = NcClientRect(r->left, r->top, r->right - r->left, r->bottom - r->top, m_, menuBarHeight_);
            *r = {c.left, c.top, std::max(c.left, c.right), std::max(c.top, c.bottom)};
        }
        return 0;
    }
    auto* p = reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam);
    if (native) {
        p->rgrc[1] = p->rgrc[0];
        return WVR_VALIDRECTS;
    }
    const WINDOWPOS* pos = p->lppos;
    const Rect c = NcClientRect(pos->x, pos->y, pos->cx, pos->cy, m_, menuBarHeight_);
    p->rgrc[0] = {c.left, c.top, std::max(c.left, c.right), std::max(c.top, c.bottom)};
    p->rgrc[1] = p->rgrc[0];
    return WVR_VALIDRECTS;
}

POINT TWinSkinForm::ScreenToWindow(POINT p) const {
    ScreenToClient(Handle, &p);
    if (state_ != WindowState::Minimised) {
        p.x += m_.left;
        p.y += m_.top + menuBarHeight_;
    }
    return p;
}

LRESULT TWinSkinForm::OnNcHitTest(WPARAM wParam, LPARAM lParam) {
    const LRESULT forwarded = Forward(WM_NCHITTEST, wParam, lParam);
    const POINT p = ScreenToWindow({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
    return HitTestRule(static_cast<int>(forwarded), p.y, m_.top);
}

LRESULT TWinSkinForm::OnNcActivate(WPARAM wParam, LPARAM lParam) {
    active_ = LOBYTE(LOWORD(wParam)) != 0;
    hoverTimer_.SetEnabled(active_);
    if (!active_ && HoveredButton && HoveredButton->Window) {
        HWND gone = HoveredButton->Window;
        HoveredButton = nullptr;
        SendMessageW(gone, controls::kMsgMouseLeave, 0, 0);
    }
    if (!(kind_ == FrameKind::MdiChild && state_ != WindowState::Normal)) PaintFrame(nullptr);
    // The message is not forwarded, so the MDI parent's default handling that passes
    // it on to the active child is done here: the child's caption follows the parent's.
    if (kind_ == FrameKind::MdiParent && mdiClient_) SendMessageW(mdiClient_, WM_NCACTIVATE, wParam, lParam);
    return TRUE;
}

LRESULT TWinSkinForm::OnNcLButtonDblClk() {
    if (state_ != WindowState::Normal)
        RestoreWindow();
    else if (flags_ & kFlagMaxBox)
        ToggleMaximise();
    return 0;
}

// ---- Animation ---------------------------------------------------------------

void TWinSkinForm::SwitchAnimationOff() {
    ANIMATIONINFO info{sizeof info, 0};
    if (!SystemParametersInfoW(SPI_GETANIMATION, sizeof info, &info, 0) || info.iMinAnimate == 0) return;
    info.iMinAnimate = 0;
    if (SystemParametersInfoW(SPI_SETANIMATION, sizeof info, &info, 0)) animationWasOn_ = true;
}

void TWinSkinForm::RestoreAnimation() {
    // Switched off only for the one command it was switched off for.
    if (!animationWasOn_) return;
    animationWasOn_ = false;
    ANIMATIONINFO info{sizeof info, 1};
    SystemParametersInfoW(SPI_SETANIMATION, sizeof info, &info, 0);
}

}  // namespace zuno::skin::frames
