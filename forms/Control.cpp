// TControl, TGraphicControl and TWinControl: bounds, text, colour and font kept in
// the object and mirrored to the window; one window procedure for every window of
// ours, which finds the object and hands the message to its replaceable handler.
#include "forms/Control.h"

#include <windowsx.h>

#include <algorithm>
#include <set>
#include <unordered_map>

#include "forms/Errors.h"
#include "forms/Form.h"

namespace zuno::forms {
namespace {

// The object of each window of ours. A window property would do the same, but under
// Wine every property lookup is a server call, and it happens for every message.
std::unordered_map<HWND, TWinControl*>& Objects() {
    static std::unordered_map<HWND, TWinControl*> objects;
    return objects;
}

bool IsFrameworkMessage(UINT msg) { return msg >= CM_BASE && msg < CN_BASE + 0x400; }

// The program's icon in one size, loaded once and shared by every class.
HICON ProgramIcon(int sizeMetricX, int sizeMetricY) {
    return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1), IMAGE_ICON,
                                         GetSystemMetrics(sizeMetricX), GetSystemMetrics(sizeMetricY), LR_SHARED));
}

void RegisterOwnClass(const std::wstring& name, UINT style) {
    static std::set<std::wstring> registered;
    if (registered.count(name)) return;
    // Given no small icon, the window system makes one from the large icon's resource
    // for every class it registers (a few milliseconds each under Wine).
    static const HICON large = ProgramIcon(SM_CXICON, SM_CYICON);
    static const HICON small = ProgramIcon(SM_CXSMICON, SM_CYSMICON);
    static const HCURSOR arrow = LoadCursorW(nullptr, IDC_ARROW);
    WNDCLASSEXW wc{sizeof wc};
    wc.style = style;
    wc.lpfnWndProc = ControlWndProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = arrow;
    wc.hIcon = large;
    wc.hIconSm = small;
    wc.lpszClassName = name.c_str();
    RegisterClassExW(&wc);
    registered.insert(name);
}

}  // namespace

TShiftState CurrentShiftState() {
    TShiftState s = 0;
    if (GetKeyState(VK_SHIFT) < 0) s |= ssShift;
    if (GetKeyState(VK_CONTROL) < 0) s |= ssCtrl;
    if (GetKeyState(VK_MENU) < 0) s |= ssAlt;
    return s;
}

// ---- TControl -------------------------------------------------------------

TControl::TControl(TComponent* owner) : TComponent(owner) {
    WindowProc = [this](TMessage& m) { WndProc(m); };
    font_.OnChange = [this] { FontChanged(); };
}

TControl::~TControl() {
    if (parent_) parent_->RemoveControl(this);
    if (brush_) DeleteObject(brush_);
}

void TControl::SetParent(TWinControl* parent) {
    if (parent_ == parent) return;
    if (parent_) parent_->RemoveControl(this);
    parent_ = parent;
    if (parent_) {
        if (ParentColor) FollowParentColor(parent_->Color());
        if (ParentFont) {
            font_.OnChange = nullptr;
            font_.Assign(parent_->Font());
            font_.OnChange = [this] { FontChanged(); };
        }
        parent_->InsertControl(this);
    }
}

void TControl::SetBounds(int left, int top, int width, int height) {
    if (Constraints.MaxWidth > 0) width = std::min(width, Constraints.MaxWidth);
    if (Constraints.MaxHeight > 0) height = std::min(height, Constraints.MaxHeight);
    width = std::max(width, Constraints.MinWidth);
    height = std::max(height, Constraints.MinHeight);
    if (left == left_ && top == top_ && width == width_ && height == height_) return;
    previousBounds_ = BoundsRect();
    left_ = left, top_ = top, width_ = width, height_ = height;
    BoundsChanged();
}

bool TControl::Showing() const {
    for (const TControl* c = this; c; c = c->parent_) {
        if (!c->visible_) return false;
    }
    return true;
}

void TControl::SetVisible(bool v) {
    if (visible_ == v) return;
    visible_ = v;
    VisibleChanged();
    Perform(CM_VISIBLECHANGED, v);
}

void TControl::SetEnabled(bool v) {
    if (enabled_ == v) return;
    enabled_ = v;
    EnabledChanged();
    Perform(CM_ENABLEDCHANGED);
}

void TControl::SetCaption(const std::wstring& text) {
    if (caption_ == text) return;
    caption_ = text;
    TextChanged();
    Perform(CM_TEXTCHANGED);
}

void TControl::SetColor(TColor c) {
    ParentColor = false;
    if (color_ == c) return;
    color_ = c;
    ColorChanged();
    Perform(CM_COLORCHANGED);
}

void TControl::SetFaceTextColor(TColor c) {
    if (faceTextColor_ == c) return;
    faceTextColor_ = c;
    if (auto* w = dynamic_cast<TWinControl*>(this); w && w->HandleAllocated())
        RedrawWindow(w->HandleIfAllocated(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    else
        Invalidate();
}

TColor TControl::FaceTextColor() const {
    if (faceTextColor_ != clNone) return faceTextColor_;
    return parent_ && ShowsParentFace() ? parent_->FaceTextColor() : clNone;
}

TColor TControl::TextColorFor(TColor fontColor) const {
    if (fontColor != clWindowText && fontColor != clBtnText) return fontColor;
    const TColor face = FaceTextColor();
    return face == clNone ? fontColor : face;
}

void TControl::FollowParentColor(TColor c) {
    SetColor(c);
    ParentColor = true;
}

LRESULT TControl::Perform(UINT msg, WPARAM wParam, LPARAM lParam) {
    TMessage m{msg, wParam, lParam, 0};
    WindowProc(m);
    return m.Result;
}

void TControl::WndProc(TMessage& m) { DefaultHandler(m); }

void TControl::DefaultHandler(TMessage& m) {}

void TControl::Invalidate() {
    if (!parent_ || !parent_->HandleAllocated()) return;
    const RECT r = BoundsRect();
    InvalidateRect(parent_->HandleIfAllocated(), &r, TRUE);
}

void TControl::Repaint() {
    Invalidate();
    if (parent_ && parent_->HandleAllocated()) UpdateWindow(parent_->HandleIfAllocated());
}

void TControl::Click() {
    if (OnClick) OnClick(this);
}

TForm* TControl::ParentForm() const {
    const TControl* c = this;
    while (c->parent_) c = c->parent_;
    return c->Is<TForm>() ? const_cast<TForm*>(static_cast<const TForm*>(c)) : nullptr;
}

HBRUSH TControl::ColorBrush() {
    if (!brush_ || brushColor_ != color_) {
        if (brush_) DeleteObject(brush_);
        brush_ = CreateSolidBrush(ColorToRGB(color_));
        brushColor_ = color_;
    }
    return brush_;
}

// ---- TGraphicControl ------------------------------------------------------

TGraphicControl::~TGraphicControl() { Perform(CM_RELEASE); }

void TGraphicControl::WndProc(TMessage& m) {
    switch (m.Msg) {
    case WM_PAINT:
        if (m.WParam) Paint(reinterpret_cast<HDC>(m.WParam));
        return;
    case WM_LBUTTONUP: {
        // Coordinates are the control's own: released elsewhere is no click.
        const POINT pt{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
        const RECT r{0, 0, width_, height_};
        if (enabled_ && PtInRect(&r, pt)) Click();
        return;
    }
    case WM_LBUTTONDBLCLK:
        if (enabled_ && OnDblClick) OnDblClick(this);
        return;
    case CM_MOUSEENTER:
        MouseInside = true;
        break;
    case CM_MOUSELEAVE:
        MouseInside = false;
        break;
    }
    TControl::WndProc(m);
}

void TGraphicControl::Repaint() { TControl::Repaint(); }

void TGraphicControl::BoundsChanged() {
    // The old place must be repainted as well as the new one; nothing else.
    if (!parent_ || !parent_->HandleAllocated()) return;
    const RECT now = BoundsRect();
    InvalidateRect(parent_->HandleIfAllocated(), &previousBounds_, TRUE);
    InvalidateRect(parent_->HandleIfAllocated(), &now, TRUE);
}

void TGraphicControl::VisibleChanged() {
    if (parent_ && parent_->HandleAllocated()) {
        const RECT r = BoundsRect();
        InvalidateRect(parent_->HandleIfAllocated(), &r, TRUE);
    }
}

// ---- TWinControl ----------------------------------------------------------

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

TWinControl::~TWinControl() {
    DestroyComponents();
    for (TControl* c : controls_) c->parent_ = nullptr;
    controls_.clear();
    if (hwnd_) {
        // The object is going: let the window die with the procedure it was born with.
        Objects().erase(hwnd_);
        if (!ownClass_ && GetWindowLongPtrW(hwnd_, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(ControlWndProc))
            SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(DefWndProc));
        DestroyWindow(hwnd_);
        hwnd_ = nullptr;
    }
}

TWinControl* TWinControl::FromHandle(HWND hwnd) {
    if (!hwnd) return nullptr;
    auto it = Objects().find(hwnd);
    return it == Objects().end() ? nullptr : it->second;
}

HWND TWinControl::Handle() {
    if (!hwnd_) CreateWnd();
    return hwnd_;
}

void TWinControl::CreateParams(TCreateParams& params) {
    params.ClassName = std::wstring(ClassName().begin(), ClassName().end());
    params.Style = WS_CHILD | WS_CLIPSIBLINGS | (visible_ ? WS_VISIBLE : 0) | (enabled_ ? 0 : WS_DISABLED) |
                   (TabStop ? WS_TABSTOP : 0);
    if (parent_) params.WndParent = parent_->Handle();
}

void TWinControl::CreateWindowHandle(const TCreateParams& p) {
    ownClass_ = !p.SystemClass;
    if (ownClass_) RegisterOwnClass(p.ClassName, p.ClassStyle);
    HWND hwnd = CreateWindowExW(p.ExStyle, p.ClassName.c_str(), caption_.c_str(), p.Style, left_, top_, width_,
                                height_, p.WndParent, p.Menu, GetModuleHandleW(nullptr),
                                ownClass_ ? this : nullptr);
    if (!hwnd) throw std::runtime_error("无法创建窗口（" + std::to_string(GetLastError()) + "）");
    if (!ownClass_) {
        hwnd_ = hwnd;
        Objects()[hwnd] = this;
        DefWndProc = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ControlWndProc)));
    }
}

void TWinControl::CreateWnd() {
    TCreateParams params;
    CreateParams(params);
    // A window made on demand shows only after the top window has seen it (a skin
    // frame wraps it then), so it is never seen unskinned.
    const bool showAfter = HandleOnDemand && (params.Style & WS_VISIBLE);
    if (showAfter) params.Style &= ~WS_VISIBLE;
    CreateWindowHandle(params);
    SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Handle()), FALSE);
    for (TControl* c : controls_) {
        if (auto* w = dynamic_cast<TWinControl*>(c); w && w->WindowWithParent()) w->HandleNeeded();
    }
    AfterCreateHandle();
    if (!HandleOnDemand || !parent_) return;
    parent_->AnnounceToTop(this);
    if (showAfter && hwnd_ && visible_) ShowWindow(hwnd_, SW_SHOWNA);
}

void TWinControl::DestroyHandle() {
    if (!hwnd_) return;
    HWND h = hwnd_;
    DestroyWindow(h);  // WM_NCDESTROY clears hwnd_ of this control and its children
    hwnd_ = nullptr;
}

void TWinControl::RecreateWnd() {
    if (!hwnd_) return;
    const bool hadFocus = GetFocus() == hwnd_;
    DestroyHandle();
    if (parent_ && !parent_->HandleAllocated()) return;
    CreateWnd();
    if (hadFocus) ::SetFocus(hwnd_);
}

void TWinControl::InsertControl(TControl* c) {
    controls_.push_back(c);
    auto* w = dynamic_cast<TWinControl*>(c);
    if (w && !w->WindowWithParent()) return;  // announced when its window is made
    if (w && hwnd_) w->HandleNeeded();
    if (dynamic_cast<TGraphicControl*>(c)) c->Invalidate();
    AnnounceToTop(c);
}

void TWinControl::AnnounceToTop(TControl* c) {
    if (!hwnd_) return;
    TWinControl* top = this;
    while (top->parent_) top = top->parent_;
    if (top->hwnd_) SendMessageW(top->hwnd_, CM_CONTROLLISTCHANGE, reinterpret_cast<WPARAM>(c), 1);
}

void TWinControl::RemoveControl(TControl* c) {
    if (hoverGraphic_ == c) hoverGraphic_ = nullptr;
    if (captureGraphic_ == c) {
        captureGraphic_ = nullptr;
        if (hwnd_ && GetCapture() == hwnd_) ReleaseCapture();
    }
    if (dynamic_cast<TGraphicControl*>(c)) c->Invalidate();
    controls_.erase(std::remove(controls_.begin(), controls_.end(), c), controls_.end());
}

bool TWinControl::CanFocus() const {
    for (const TControl* c = this; c; c = c->Parent()) {
        if (!c->Visible() || !c->Enabled()) return false;
    }
    return true;
}

bool TWinControl::Focused() const { return hwnd_ && GetFocus() == hwnd_; }

void TWinControl::SetFocus() {
    if (TForm* form = ParentForm()) form->SetActiveControl(this);
    // A window about to be shown by an open update is shown first: focus belongs to a
    // visible window.
    if (windowPending_) ApplyWindowState();
    ::SetFocus(Handle());
}

bool TWinControl::DeferWindowChange() {
    for (TWinControl* p = parent_; p; p = p->parent_) {
        if (p->updateCount_ > 0) return windowPending_ = true;
    }
    return false;
}

void TWinControl::CollectPending(std::vector<TWinControl*>& out) {
    for (TControl* c : controls_) {
        auto* w = dynamic_cast<TWinControl*>(c);
        if (!w) continue;
        if (w->windowPending_) out.push_back(w);
        if (w->updateCount_ == 0) w->CollectPending(out);  // an inner open update keeps its own
    }
}

void TWinControl::ApplyWindowState() {
    windowPending_ = false;
    if (!hwnd_) return;
    if (!visible_) DefocusToForm();
    SetWindowPos(hwnd_, nullptr, left_, top_, width_, height_,
                 SWP_NOZORDER | SWP_NOACTIVATE | (visible_ ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
}

void TWinControl::EndUpdate() {
    if (updateCount_ == 0 || --updateCount_ > 0) return;
    for (TWinControl* p = parent_; p; p = p->parent_) {
        if (p->updateCount_ > 0) return;  // the outer update applies ours with its own
    }
    std::vector<TWinControl*> pending;
    CollectPending(pending);
    // Only what differs from the window as it stands: the rest costs nothing.
    std::vector<TWinControl*> changed;
    for (TWinControl* w : pending) {
        w->windowPending_ = false;
        HWND h = w->hwnd_;
        if (!h) continue;
        const bool shown = (GetWindowLongPtrW(h, GWL_STYLE) & WS_VISIBLE) != 0;
        RECT r;
        GetWindowRect(h, &r);
        MapWindowPoints(nullptr, GetParent(h), reinterpret_cast<POINT*>(&r), 2);
        const RECT want = w->BoundsRect();
        if (shown == w->visible_ && EqualRect(&r, &want)) continue;
        // Focus leaves a window before it is hidden, so the form's keys still arrive.
        if (!w->visible_) w->DefocusToForm();
        changed.push_back(w);
    }
    if (changed.empty()) return;
    HDWP batch = BeginDeferWindowPos(static_cast<int>(changed.size()));
    for (TWinControl* w : changed) {
        const UINT flags = SWP_NOZORDER | SWP_NOACTIVATE | (w->visible_ ? SWP_SHOWWINDOW : SWP_HIDEWINDOW);
        if (batch)
            batch = DeferWindowPos(batch, w->hwnd_, nullptr, w->left_, w->top_, w->width_, w->height_, flags);
        if (!batch) w->ApplyWindowState();  // no batch to be had: one by one
    }
    if (batch) EndDeferWindowPos(batch);
}

RECT TWinControl::ClientRect() const {
    RECT r{0, 0, width_, height_};
    if (hwnd_) GetClientRect(hwnd_, &r);
    return r;
}

void TWinControl::BoundsChanged() {
    if (hwnd_ && !DeferWindowChange()) SetWindowPos(hwnd_, nullptr, left_, top_, width_, height_, SWP_NOZORDER | SWP_NOACTIVATE);
}

void TWinControl::TextChanged() {
    if (hwnd_) SetWindowTextW(hwnd_, caption_.c_str());
}

void TWinControl::FontChanged() {
    if (hwnd_) SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Handle()), TRUE);
    ParentFont = false;
    PropagateFont();
}

void TWinControl::PropagateFont() {
    for (TControl* c : controls_) {
        if (!c->ParentFont) continue;
        c->Font().Assign(font_);  // the child's FontChanged clears ParentFont: keep it
        c->ParentFont = true;
    }
}

void TWinControl::PropagateColor() {
    for (TControl* c : controls_)
        if (c->ParentColor) c->FollowParentColor(color_);
}

void TWinControl::ColorChanged() {
    PropagateColor();
    if (hwnd_) InvalidateRect(hwnd_, nullptr, TRUE);
}

void TWinControl::DefocusToForm() {
    HWND focus = GetFocus();
    if (!hwnd_ || !focus || (focus != hwnd_ && !IsChild(hwnd_, focus))) return;
    TForm* form = ParentForm();
    if (form && form != this && form->HandleIfAllocated()) ::SetFocus(form->HandleIfAllocated());
}

void TWinControl::VisibleChanged() {
    if (!hwnd_ && visible_ && HandleOnDemand && parent_ && parent_->HandleAllocated()) HandleNeeded();
    if (!hwnd_ || DeferWindowChange()) return;
    if (!visible_) DefocusToForm();
    ShowWindow(hwnd_, visible_ ? SW_SHOWNA : SW_HIDE);
}

void TWinControl::EnabledChanged() {
    if (!hwnd_) return;
    if (!enabled_) DefocusToForm();
    EnableWindow(hwnd_, enabled_);
}

void TWinControl::Repaint() {
    if (!hwnd_) return;
    InvalidateRect(hwnd_, nullptr, TRUE);
    UpdateWindow(hwnd_);
}

void TWinControl::PaintControls(HDC dc) {
    for (TControl* c : controls_) {
        auto* g = dynamic_cast<TGraphicControl*>(c);
        if (!g || !g->Visible()) continue;
        const int saved = SaveDC(dc);
        OffsetViewportOrgEx(dc, g->Left(), g->Top(), nullptr);
        IntersectClipRect(dc, 0, 0, g->Width(), g->Height());
        g->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
        RestoreDC(dc, saved);
    }
}

namespace {

// One off-screen buffer for every double-buffered window: painting happens on the one
// UI thread, and Next repaints a dozen options in a row, so the buffer is made once and
// only grown. Its DC's default state is saved once and restored after every paint.
struct PaintBuffer {
    HDC memory = nullptr;
    HBITMAP bitmap = nullptr;
    int width = 0, height = 0, cleanState = 0;
    bool inUse = false;  // a paint that paints another window meanwhile gets its own

    ~PaintBuffer() { Release(); }

    bool Fit(HDC window, int w, int h) {
        if (memory && w <= width && h <= height) return true;
        Release();
        memory = CreateCompatibleDC(window);
        bitmap = memory ? CreateCompatibleBitmap(window, std::max(w, width), std::max(h, height)) : nullptr;
        if (!memory || !bitmap) {
            Release();
            return false;
        }
        width = std::max(w, width);
        height = std::max(h, height);
        SelectObject(memory, bitmap);
        cleanState = SaveDC(memory);
        return cleanState != 0;
    }

    void Release() {
        if (memory) DeleteDC(memory);
        if (bitmap) DeleteObject(bitmap);
        memory = nullptr;
        bitmap = nullptr;
        width = height = cleanState = 0;
    }
};

PaintBuffer& SharedPaintBuffer() {
    static PaintBuffer buffer;
    return buffer;
}

}  // namespace

void TWinControl::BufferedPaint(TMessage& m) {
    PAINTSTRUCT ps{};
    HDC dc = BeginPaint(hwnd_, &ps);
    RECT r;
    GetClientRect(hwnd_, &r);
    PaintBuffer own;
    PaintBuffer& buffer = SharedPaintBuffer().inUse ? own : SharedPaintBuffer();
    if (!buffer.Fit(dc, std::max(1L, r.right), std::max(1L, r.bottom))) {
        // No memory for the buffer: paint straight onto the window.
        Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(dc));
        Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
        EndPaint(hwnd_, &ps);
        m.Result = 0;
        return;
    }
    HDC memory = buffer.memory;
    buffer.inUse = true;
    // The same font, colours and origin the window's own DC would start with.
    SelectObject(memory, GetCurrentObject(dc, OBJ_FONT));
    Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(memory), reinterpret_cast<LPARAM>(memory));
    Perform(WM_PAINT, reinterpret_cast<WPARAM>(memory), 0);
    // The buffer covers the child windows too (a list view's header): they keep their own
    // pixels, as when the window paints itself.
    for (HWND child = GetWindow(hwnd_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (!IsWindowVisible(child)) continue;
        RECT c;
        GetWindowRect(child, &c);
        MapWindowPoints(nullptr, hwnd_, reinterpret_cast<POINT*>(&c), 2);
        ExcludeClipRect(dc, c.left, c.top, c.right, c.bottom);
    }
    BitBlt(dc, 0, 0, r.right, r.bottom, memory, 0, 0, SRCCOPY);
    // Back to the state it was made with (the window's font, colours, clipping and
    // origin set by this paint are not the next window's).
    RestoreDC(memory, buffer.cleanState);
    buffer.cleanState = SaveDC(memory);
    buffer.inUse = false;
    EndPaint(hwnd_, &ps);
    m.Result = 0;
}

void TWinControl::PaintHandler(TMessage& m) {
    if (DoubleBuffered && !m.WParam) return BufferedPaint(m);
    const bool hasGraphic = std::any_of(controls_.begin(), controls_.end(),
                                        [](TControl* c) { return dynamic_cast<TGraphicControl*>(c); });
    if (!ownClass_ && !hasGraphic) {
        DefaultHandler(m);
        return;
    }
    PAINTSTRUCT ps{};
    HDC dc = reinterpret_cast<HDC>(m.WParam);
    if (!dc) dc = BeginPaint(hwnd_, &ps);
    if (ownClass_) {
        PaintWindow(dc);
    } else {
        CallWindowProcW(DefWndProc, hwnd_, WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
    }
    PaintControls(dc);
    if (!m.WParam) EndPaint(hwnd_, &ps);
    m.Result = 0;
}

void TWinControl::CtlColor(TMessage& m) {
    HDC dc = reinterpret_cast<HDC>(m.WParam);
    SetTextColor(dc, ColorToRGB(enabled_ ? TextColorFor(font_.Color) : clGrayText));
    SetBkColor(dc, ColorToRGB(color_));
    m.Result = reinterpret_cast<LRESULT>(ColorBrush());
}

bool TWinControl::ReflectToChild(TMessage& m) {
    HWND child = nullptr;
    switch (m.Msg) {
    case WM_COMMAND:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
        child = reinterpret_cast<HWND>(m.LParam);
        break;
    case WM_NOTIFY:
        child = reinterpret_cast<NMHDR*>(m.LParam)->hwndFrom;
        break;
    case WM_DRAWITEM: {
        auto* dis = reinterpret_cast<DRAWITEMSTRUCT*>(m.LParam);
        if (dis->CtlType != ODT_MENU) child = dis->hwndItem;
        break;
    }
    case WM_MEASUREITEM: {
        auto* mis = reinterpret_cast<MEASUREITEMSTRUCT*>(m.LParam);
        if (mis->CtlType != ODT_MENU) child = GetDlgItem(hwnd_, static_cast<int>(mis->CtlID));
        break;
    }
    }
    TWinControl* c = FromHandle(child);
    if (!c || c == this) return false;
    m.Result = c->Perform(CN_BASE + m.Msg, m.WParam, m.LParam);
    return true;
}

void TWinControl::TrackGraphicHover(int x, int y) {
    TGraphicControl* hit = nullptr;
    for (auto it = controls_.rbegin(); it != controls_.rend() && !hit; ++it) {
        auto* g = dynamic_cast<TGraphicControl*>(*it);
        const POINT pt{x, y};
        if (g && g->Visible()) {
            const RECT r = g->BoundsRect();
            if (PtInRect(&r, pt)) hit = g;
        }
    }
    if (hit == hoverGraphic_) return;
    if (hoverGraphic_) hoverGraphic_->Perform(CM_MOUSELEAVE);
    hoverGraphic_ = hit;
    if (hit) hit->Perform(CM_MOUSEENTER);
}

// Mouse buttons over a window-less child go to it, in its own coordinates; a press
// captures the mouse for it until the release, which it gets wherever it happens.
bool TWinControl::RouteMouseToGraphic(TMessage& m) {
    TGraphicControl* target = nullptr;
    switch (m.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        if (!hoverGraphic_ || !hoverGraphic_->Enabled()) return false;
        target = captureGraphic_ = hoverGraphic_;
        SetCapture(hwnd_);
        break;
    case WM_MOUSEMOVE:
        target = captureGraphic_;
        break;
    case WM_LBUTTONUP:
        target = captureGraphic_;
        if (!target) return false;
        captureGraphic_ = nullptr;
        if (GetCapture() == hwnd_) ReleaseCapture();
        break;
    case WM_CAPTURECHANGED:
        // Taken away (a menu, another window): the child's press is cancelled.
        if (captureGraphic_ && reinterpret_cast<HWND>(m.LParam) != hwnd_) {
            TGraphicControl* g = captureGraphic_;
            captureGraphic_ = nullptr;
            g->Perform(WM_CANCELMODE);
        }
        return false;
    default:
        return false;
    }
    if (!target) return false;
    const LPARAM local = MAKELPARAM(GET_X_LPARAM(m.LParam) - target->Left(), GET_Y_LPARAM(m.LParam) - target->Top());
    target->Perform(m.Msg, m.WParam, local);
    return m.Msg != WM_MOUSEMOVE;
}

void TWinControl::KeyMessage(TMessage& m) {
    WORD key = static_cast<WORD>(m.WParam);
    if ((m.Msg == WM_KEYDOWN || m.Msg == WM_SYSKEYDOWN) && OnKeyDown) {
        OnKeyDown(this, key, CurrentShiftState());
    } else if ((m.Msg == WM_KEYUP || m.Msg == WM_SYSKEYUP) && OnKeyUp) {
        OnKeyUp(this, key, CurrentShiftState());
    } else if (m.Msg == WM_CHAR && OnKeyPress) {
        auto ch = static_cast<wchar_t>(m.WParam);
        OnKeyPress(this, ch);
        key = ch;
    }
    if (key == 0) return;  // the handler consumed the key
    m.WParam = key;
    DefaultHandler(m);
}

void TWinControl::WndProc(TMessage& m) {
    switch (m.Msg) {
    case WM_PAINT:
        return PaintHandler(m);
    case WM_ERASEBKGND:
        if (DoubleBuffered && m.WParam != static_cast<WPARAM>(m.LParam)) {
            m.Result = 1;  // erased into the buffer when it is painted
            return;
        }
        if (!ownClass_) break;
        {
            RECT r;
            GetClientRect(hwnd_, &r);
            FillRect(reinterpret_cast<HDC>(m.WParam), &r, ColorBrush());
            m.Result = 1;
        }
        return;
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
        if (ReflectToChild(m)) return;
        break;
    case CN_CTLCOLORBTN:
    case CN_CTLCOLOREDIT:
    case CN_CTLCOLORLISTBOX:
    case CN_CTLCOLORSCROLLBAR:
    case CN_CTLCOLORSTATIC:
        return CtlColor(m);
    case WM_SETFOCUS:
        if (TForm* form = ParentForm(); form && form != this) form->SetActiveControl(this);
        Perform(CM_ENTER);
        if (OnEnter) OnEnter(this);
        break;
    case WM_KILLFOCUS:
        Perform(CM_EXIT);
        if (OnExit) OnExit(this);
        break;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYUP:
    case WM_CHAR:
        return KeyMessage(m);
    case WM_MOUSEMOVE:
        if (!mouseInside_) {
            TRACKMOUSEEVENT tme{sizeof tme, TME_LEAVE, hwnd_, 0};
            TrackMouseEvent(&tme);
            mouseInside_ = true;
            Perform(CM_MOUSEENTER);
        }
        TrackGraphicHover(GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam));
        RouteMouseToGraphic(m);
        break;
    case WM_MOUSELEAVE:
        mouseInside_ = false;
        if (hoverGraphic_) hoverGraphic_->Perform(CM_MOUSELEAVE);
        hoverGraphic_ = nullptr;
        Perform(CM_MOUSELEAVE);
        break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_CAPTURECHANGED:
        if (RouteMouseToGraphic(m)) return;
        break;
    case WM_WINDOWPOSCHANGED: {
        const auto* wp = reinterpret_cast<WINDOWPOS*>(m.LParam);
        if (!(wp->flags & SWP_NOMOVE)) left_ = wp->x, top_ = wp->y;
        if (!(wp->flags & SWP_NOSIZE)) width_ = wp->cx, height_ = wp->cy;
        break;
    }
    }
    DefaultHandler(m);
}

void TWinControl::DefaultHandler(TMessage& m) {
    if (!hwnd_ || IsFrameworkMessage(m.Msg)) return;
    m.Result = CallWindowProcW(DefWndProc, hwnd_, m.Msg, m.WParam, m.LParam);
}

LRESULT CALLBACK ControlWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    TWinControl* c = TWinControl::FromHandle(hwnd);
    if (!c && msg == WM_NCCREATE) {
        c = static_cast<TWinControl*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        if (c) {
            c->hwnd_ = hwnd;
            Objects()[hwnd] = c;
        }
    }
    if (!c) return DefWindowProcW(hwnd, msg, wParam, lParam);
    TMessage m{msg, wParam, lParam, 0};
    if (!Guarded([&] { c->WindowProc(m); }) && msg == WM_NCCREATE) m.Result = TRUE;
    if (msg == WM_NCDESTROY) {
        Objects().erase(hwnd);
        if (c->hwnd_ == hwnd) c->hwnd_ = nullptr;
        c->mouseInside_ = false;
    }
    return m.Result;
}

}  // namespace zuno::forms
