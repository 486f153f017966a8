// TSkinControl: attaching to a control object or a window, the message flow through
// BeforeMessage, the control and AfterMessage, painting over the whole window, and
// giving everything back when the wrapper, its control or its window goes.
#include "skin/controls/SkinControl.h"

#include <unordered_map>

#include "skin/data/SkinObjects.h"
#include "skin/draw/Primitives.h"
#include "skin/frames/GdiSurface.h"
#include "skin/frames/WinSkinData.h"
#include "skin/frames/WinSkinForm.h"
#include "skin/controls/core/PaintRules.h"

namespace zuno::skin::controls {

// What the installed handler or window procedure holds: the wrapper while it lives,
// and what to pass messages to once it is gone but could not take itself out.
struct TSkinControl::Link {
    TSkinControl* self = nullptr;
    forms::TWndMethod savedHandler;
    WNDPROC savedProc = nullptr;
};

namespace {

// The control handler installed by a wrapper; recognisable, so that the wrapper can
// tell whether the control's handler is still its own.
struct HandlerThunk {
    std::shared_ptr<void> link;  // a TSkinControl::Link
    void operator()(forms::TMessage& m) const;
};

std::unordered_map<HWND, std::shared_ptr<TSkinControl::Link>>& WindowLinks() {
    static std::unordered_map<HWND, std::shared_ptr<TSkinControl::Link>> links;
    return links;
}

void HandlerThunk::operator()(forms::TMessage& m) const {
    // The wrapper may go while the message runs and take this thunk with it: work
    // from a local copy.
    auto l = std::static_pointer_cast<TSkinControl::Link>(link);
    if (l->self)
        l->self->HandleMessage(m);
    else if (l->savedHandler)
        l->savedHandler(m);
}

}  // namespace

TSkinControl::TSkinControl(forms::TComponent* owner) : forms::TComponent(owner) {}

TSkinControl::~TSkinControl() {
    ReleaseHandler();
    ReleaseWindow();
    if (Frame) Frame->RemoveWrapper(this);
}

TSkinControl* TSkinControl::FromWindow(HWND window) {
    auto it = WindowLinks().find(window);
    return it == WindowLinks().end() ? nullptr : it->second->self;
}

void TSkinControl::AttachToControl(TWinSkinForm* frame, TSkinData* data, bool ownsColour,
                                   frames::DibSurface* canvas) {
    if (Attached) return;
    Frame = frame;
    SkinData = data;
    OwnsColour = ownsColour;
    WorkCanvas = canvas;
    Control = dynamic_cast<forms::TControl*>(Owner());
    if (!Control) return;
    auto* windowed = dynamic_cast<forms::TWinControl*>(Control);
    Window = windowed ? windowed->Handle() : nullptr;
    link_ = std::make_shared<Link>();
    link_->self = this;
    SavedControlHandler = Control->WindowProc;
    link_->savedHandler = SavedControlHandler;
    Control->WindowProc = HandlerThunk{link_};
    // The control's own painting and ours over it reach the screen in one copy.
    if (auto* w = dynamic_cast<forms::TWinControl*>(Control)) w->DoubleBuffered = true;
    if (Frame) Frame->AddWrapper(this);
    Focused = Window && GetFocus() == Window;
    ReadEnabled();
    Caption = ReadWindowText();
    if (OwnsColour) {
        SavedColour = Control->Color();
        ApplyFaceColour();
    }
    if (Window) InvalidateRect(Window, nullptr, TRUE);
    Control->Invalidate();
    Attached = true;
    State = stAttached;
}

void TSkinControl::AttachToWindow(HWND window, TSkinData* data, TWinSkinForm* frame, frames::DibSurface* canvas) {
    if (Attached) return;
    Window = window;
    SkinData = data;
    Frame = frame;
    WorkCanvas = canvas;
    Enabled = true;
    if (Frame) Frame->AddWrapper(this);
    Caption = ReadWindowText();
    auto& links = WindowLinks();
    if (auto it = links.find(window); it != links.end() && !it->second->self) {
        // A wrapper that went while another subclass sat above it left its link as a
        // pass-through: take it over rather than subclass the window a second time.
        link_ = it->second;
        link_->self = this;
        SavedWindowProc = link_->savedProc;
    } else {
        link_ = std::make_shared<Link>();
        link_->self = this;
        SavedWindowProc = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&WrapperWndProc)));
        link_->savedProc = SavedWindowProc;
        links[window] = link_;
    }
    Attached = true;
    State = stAttached;
}

void TSkinControl::ReleaseHandler() {
    if (!link_ || SavedWindowProc) return;
    link_->self = nullptr;
    if (released_ || !Control) return;
    // Put the saved handler back only while the control's handler is ours;
    // otherwise our thunk stays in the chain as a pass-through.
    const HandlerThunk* mine = Control->WindowProc.target<HandlerThunk>();
    if (mine && mine->link == link_) Control->WindowProc = SavedControlHandler;
}

void TSkinControl::ReleaseWindow() {
    if (!link_ || !SavedWindowProc) return;
    link_->self = nullptr;
    auto& links = WindowLinks();
    auto it = links.find(Window);
    if (it == links.end() || it->second != link_) return;  // the window is gone
    if (IsWindow(Window) && GetWindowLongPtrW(Window, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&WrapperWndProc)) {
        SetWindowLongPtrW(Window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SavedWindowProc));
        links.erase(it);
    }
}

LRESULT CALLBACK TSkinControl::WrapperWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto& links = WindowLinks();
    auto it = links.find(hwnd);
    if (it == links.end()) return DefWindowProcW(hwnd, msg, wParam, lParam);
    std::shared_ptr<Link> link = it->second;
    forms::TMessage m{msg, wParam, lParam, 0};
    try {
        if (link->self)
            link->self->HandleMessage(m);
        else
            m.Result = CallWindowProcW(link->savedProc, hwnd, msg, wParam, lParam);
    } catch (...) {
        // No error leaves a window procedure; the message is done.
    }
    if (msg == WM_NCDESTROY) {
        auto again = links.find(hwnd);
        if (again != links.end() && again->second == link) links.erase(again);
    }
    return m.Result;
}

void TSkinControl::HandleMessage(forms::TMessage& m) {
    std::shared_ptr<Link> link = link_;  // this wrapper may go during the message
    if (State == stDead && Control && !released_) {
        // The control made itself a new window (a style change re-creates it): follow.
        if (auto* w = dynamic_cast<forms::TWinControl*>(Control); w && w->HandleIfAllocated()) {
            Window = w->HandleIfAllocated();
            State = stAttached;
            if (OwnsColour) ApplyFaceColour();
        }
    }
    if (!BeforeMessage(m) || !link->self) return;
    CallDefault(m);
    if (link->self) AfterMessage(m);
}

void TSkinControl::CallDefault(forms::TMessage& m) {
    if (SavedControlHandler) {
        SavedControlHandler(m);
    } else if (SavedWindowProc) {
        m.Result = CallWindowProcW(SavedWindowProc, Window, m.Msg, m.WParam, m.LParam);
    }
}

bool TSkinControl::BeforeMessage(forms::TMessage& m) {
    if (m.Msg == WM_NCDESTROY) {
        CallDefault(m);
        State = stDead;
        RestoreControl();
        return false;
    }
    if (m.Msg == kMsgRelease && GraphicControl) {
        // A window-less control is going: give its handler back while it still exists.
        CallDefault(m);
        ReleaseHandler();
        released_ = true;
        State = stDead;
        return false;
    }
    return true;
}

void TSkinControl::AfterMessage(forms::TMessage& m) {
    switch (m.Msg) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        Focused = m.Msg == WM_SETFOCUS;
        Redraw();
        break;
    case WM_ENABLE:
    case kMsgEnabledChanged: {
        // Both arrive for one change: one repaint is enough.
        const bool was = Enabled;
        ReadEnabled();
        if (Enabled != was) Redraw();
        break;
    }
    case WM_SETTEXT:
        Caption = ReadWindowText();
        Redraw();
        break;
    case WM_PAINT:
        // A double-buffered control without a border paints into its buffer through this
        // handler, and we paint over it there: the copy to the window is all of it. A
        // buffer holds the client area only, so a control with a border is painted over
        // on the window itself.
        if (!Buffered() || PaintsInBuffer() == (m.WParam != 0)) PaintWindow(reinterpret_cast<HDC>(m.WParam));
        break;
    }
}

bool TSkinControl::Buffered() const {
    auto* w = dynamic_cast<forms::TWinControl*>(Control);
    return w && !released_ && w->DoubleBuffered;
}

bool TSkinControl::PaintsInBuffer() const {
    if (!Buffered() || !Window) return false;
    RECT window{}, client{};
    GetWindowRect(Window, &window);
    GetClientRect(Window, &client);
    return window.right - window.left == client.right && window.bottom - window.top == client.bottom;
}

void TSkinControl::RestoreControl() {
    if (OwnsColour && Control && !released_ && State != stColourRestored) GiveBackColour();
}

void TSkinControl::ApplyFaceColour() {
    // Text in the system's colours over this face takes the skin's text colour with it.
    Control->SetFaceTextColor(static_cast<forms::TColor>(SkinData->ButtonTextColour));
    Control->SetColor(static_cast<forms::TColor>(SkinData->ButtonFaceColour));
}

void TSkinControl::GiveBackColour() {
    Control->SetFaceTextColor(forms::clNone);
    Control->SetColor(SavedColour);
}

void TSkinControl::PaintWindow(HDC dc) {
    if (!Window || !IsWindow(Window)) return;
    GetWindowRect(Window, &LastWindowRect);
    const RECT r{0, 0, LastWindowRect.right - LastWindowRect.left, LastWindowRect.bottom - LastWindowRect.top};
    HDC use = dc ? dc : GetWindowDC(Window);
    try {
        Paint(use, r);
    } catch (...) {
        // A bad bitmap must not stop the control's messages.
    }
    if (!dc) ReleaseDC(Window, use);
}

void TSkinControl::Refresh() {
    if (OwnsColour && Control && !released_) ApplyFaceColour();
    if (Window)
        InvalidateRect(Window, nullptr, TRUE);
    else if (GraphicControl && !released_)
        GraphicControl->Invalidate();
}

void TSkinControl::Redraw() {
    if (!Window || !GetParent(Window)) return;
    RedrawWindow(Window, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
}

void TSkinControl::FillFace(HDC dc, const RECT& rect) {
    if (SkinData && SkinData->FaceBrush) FillRect(dc, &rect, SkinData->FaceBrush);
}

std::optional<forms::TPropertyValue> TSkinControl::ReadControlProperty(std::string_view name) const {
    forms::TControl* c = Control ? Control : GraphicControl;
    if (!c || released_) return std::nullopt;
    return forms::ReadProperty(*c, name);
}

std::wstring TSkinControl::ReadControlText(std::string_view name) const {
    auto v = ReadControlProperty(name);
    if (!v) return {};
    if (auto* s = std::get_if<std::wstring>(&*v)) return *s;
    if (auto* e = std::get_if<forms::TEnumName>(&*v)) return std::wstring(e->Name.begin(), e->Name.end());
    if (auto* i = std::get_if<std::int64_t>(&*v)) return std::to_wstring(*i);
    return {};
}

std::int64_t TSkinControl::ReadControlInt(std::string_view name) const {
    auto v = ReadControlProperty(name);
    if (!v) return 0;
    if (auto* i = std::get_if<std::int64_t>(&*v)) return *i;
    return 0;
}

COLORREF TSkinControl::Colour(std::int32_t skinColour) const { return frames::ResolveColour(skinColour); }

std::wstring TSkinControl::ReadWindowText() const {
    if (!Window) return Control && !released_ ? Control->Caption() : std::wstring();
    wchar_t buffer[1001] = {};
    SendMessageW(Window, WM_GETTEXT, 1000, reinterpret_cast<LPARAM>(buffer));
    return buffer;
}

void TSkinControl::ReadEnabled() {
    if (Window)
        Enabled = !(GetWindowLongPtrW(Window, GWL_STYLE) & WS_DISABLED);
    else if (GraphicControl && !released_)
        Enabled = GraphicControl->Enabled();
}

TSkinControl* TSkinControl::HoveredButton() const { return Frame ? Frame->HoveredButton : nullptr; }

void TSkinControl::SetHoveredButton(TSkinControl* c) {
    if (Frame) Frame->HoveredButton = c;
}

void TSkinControl::DrawSkinObject(HDC dc, const RECT& rect, int n, int k, const TDataSkinObject& object) {
    const int w = rect.right - rect.left, h = rect.bottom - rect.top;
    if (w <= 0 || h <= 0 || object.Bitmap.Empty()) return;
    const SkinBitmap image =
        ComposeNinePatch(w, h, object.Bitmap, {object.LeftWidth, object.TopHeight, object.RightWidth, object.BottomHeight},
                         FrameLayout::SideBySide, object.Tile == 1 ? CentreFill::Tile : CentreFill::Stretch, n, k);
    if (object.Trans == 1)
        DrawOverDc(dc, rect, [&](SkinBitmap& target, Rect area) { TransparentBlit(target, area, image); });
    else
        frames::BlitBitmap(dc, rect.left, rect.top, image);
}

void TSkinControl::DrawCaptionCentred(HDC dc, const RECT& rect, UINT alignment, bool, const std::wstring& text) {
    SetBkMode(dc, TRANSPARENT);
    RECT measured = rect;
    DrawTextW(dc, text.c_str(), -1, &measured, DT_CALCRECT | DT_NOCLIP | DT_EXPANDTABS | alignment);
    const int tw = measured.right - measured.left, th = measured.bottom - measured.top;
    const Offset o = CentredCaptionOffset(rect.right - rect.left, rect.bottom - rect.top, tw, th);
    RECT t{rect.left, rect.top + o.dy, rect.right, rect.top + o.dy + th};
    if (alignment & DT_CENTER) t = {rect.left + o.dx, rect.top + o.dy, rect.left + o.dx + tw, rect.top + o.dy + th};
    DrawTextW(dc, text.c_str(), -1, &t, alignment | DT_EXPANDTABS);
}

void DrawOverDc(HDC dc, const RECT& rect, const std::function<void(SkinBitmap&, Rect)>& draw) {
    const int w = rect.right - rect.left, h = rect.bottom - rect.top;
    if (w <= 0 || h <= 0) return;
    // Glyph cells are all one size: one surface serves them all, made again only when
    // the size changes (painting happens on the one UI thread; a nested call gets its own).
    static frames::DibSurface shared;
    static bool sharedInUse = false;
    frames::DibSurface own;
    frames::DibSurface& surface = sharedInUse ? own : shared;
    surface.Resize(w, h);
    if (surface.Empty()) return;
    struct InUse {
        bool& flag;
        const bool was;
        explicit InUse(bool& f) : flag(f), was(f) { flag = true; }
        ~InUse() { flag = was; }
    } inUse(sharedInUse);
    BitBlt(surface.Dc(), 0, 0, w, h, dc, rect.left, rect.top, SRCCOPY);
    GdiFlush();
    draw(surface.Pixels(), {0, 0, w, h});
    BitBlt(dc, rect.left, rect.top, w, h, surface.Dc(), 0, 0, SRCCOPY);
}

}  // namespace zuno::skin::controls
