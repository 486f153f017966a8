// The menu-window wrapper: border from the menu background on WM_NCPAINT, WM_PRINT
// with the content clipped inside the border, and the pending-wrapper link.
#include "skin/menus/WinSkinPopMenu.h"

#include <unordered_map>

#include "skin/draw/Primitives.h"
#include "skin/frames/SkinManage.h"
#include "skin/frames/WinSkinData.h"

namespace zuno::skin::menus {
namespace {

constexpr int kBand = 3;             // border width of a menu window
constexpr UINT kGetMenu = 0x01E1;    // MN_GETHMENU

TWinSkinPopMenu* pending = nullptr;

std::unordered_map<HWND, TWinSkinPopMenu*>& Wrappers() {
    static std::unordered_map<HWND, TWinSkinPopMenu*> map;
    return map;
}

}  // namespace

TWinSkinPopMenu* PendingWrapper() { return pending; }

void LinkPendingWrapper(HMENU menu) {
    if (!pending || !menu) return;
    pending->SetMenu(menu);
    pending = nullptr;
}

void ForgetPendingWrapper(const TWinSkinPopMenu* wrapper) {
    if (pending == wrapper) pending = nullptr;
}

TWinSkinPopMenu::~TWinSkinPopMenu() {
    DetachMenuWindow();
    ForgetPendingWrapper(this);
}

void TWinSkinPopMenu::AttachMenuWindow(HWND window, frames::TSkinData* data) {
    if (savedProc_) return;
    window_ = window;
    data_ = data;
    Wrappers()[window] = this;
    savedProc_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&MenuWndProc)));
}

void TWinSkinPopMenu::DetachMenuWindow() {
    if (!savedProc_) return;
    if (IsWindow(window_) &&
        GetWindowLongPtrW(window_, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&MenuWndProc))
        SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(savedProc_));
    else if (IsWindow(window_))
        return;  // someone subclassed on top of us: stay a pass-through until the window dies
    Wrappers().erase(window_);
    savedProc_ = nullptr;
    background_.Clear();
    composedFrom_ = nullptr;
}

LRESULT CALLBACK TWinSkinPopMenu::MenuWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto it = Wrappers().find(hwnd);
    if (it == Wrappers().end()) return DefWindowProcW(hwnd, msg, wParam, lParam);
    TWinSkinPopMenu* self = it->second;
    try {
        return self->WndProc(msg, wParam, lParam);
    } catch (...) {
        // A failed paint leaves the native look; the menu keeps working.
        return 0;
    }
}

LRESULT TWinSkinPopMenu::Forward(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (savedProc_) return CallWindowProcW(savedProc_, window_, msg, wParam, lParam);
    return DefWindowProcW(window_, msg, wParam, lParam);
}

LRESULT TWinSkinPopMenu::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == frames::SKINMSG_QUERY) return 1;
    if (!frames::SkinManager || !frames::SkinManager->SkinningOn) return Forward(msg, wParam, lParam);
    switch (msg) {
    case WM_DESTROY: {
        WNDPROC saved = savedProc_;
        HWND window = window_;
        ForgetPendingWrapper(this);
        DetachMenuWindow();
        return saved ? CallWindowProcW(saved, window, msg, wParam, lParam) : DefWindowProcW(window, msg, wParam, lParam);
    }
    case WM_NCPAINT: {
        if (!CanPaint()) return Forward(msg, wParam, lParam);
        HDC dc = GetWindowDC(window_);
        if (dc) {
            PaintBorder(dc);
            ReleaseDC(window_, dc);
        }
        return 0;
    }
    case WM_PAINT: {
        // Some systems give a menu window no non-client area and draw a border
        // inside the client area: the skin's band goes over it after the items.
        const LRESULT result = Forward(msg, wParam, lParam);
        if (CanPaint() && clientOffset_.x == 0 && clientOffset_.y == 0 && !background_.Empty()) {
            HDC dc = GetWindowDC(window_);
            if (dc) {
                PaintBorder(dc);
                ReleaseDC(window_, dc);
            }
        }
        return result;
    }
    case WM_PRINT:
        if (!CanPaint()) return Forward(msg, wParam, lParam);
        return Print(wParam, lParam);
    }
    return Forward(msg, wParam, lParam);
}

bool TWinSkinPopMenu::CanPaint() const {
    return data_ && !data_->NoSkin && data_->MenuBackground && !data_->MenuBackground->Bitmap.Empty();
}

void TWinSkinPopMenu::LearnMenu() {
    if (menu_) return;
    // The window answers which menu it shows once it is shown; until then the first
    // item painted names it.
    if (auto m = reinterpret_cast<HMENU>(SendMessageW(window_, kGetMenu, 0, 0)); m && IsMenu(m)) {
        menu_ = m;
        return;
    }
    pending = this;
}

bool TWinSkinPopMenu::ComposeBackground() {
    RECT wr{};
    GetWindowRect(window_, &wr);
    POINT origin{0, 0};
    ClientToScreen(window_, &origin);
    clientOffset_ = {origin.x - wr.left, origin.y - wr.top};
    const int w = wr.right - wr.left, h = wr.bottom - wr.top;
    if (w <= 0 || h <= 0) return false;
    const TDataSkinObject& bg = *data_->MenuBackground;
    // A tall drop-down is painted border first, then its items (and on some systems
    // its border again): the picture of the same size and skin is composed once.
    if (composedFrom_ == &bg && background_.Width() == w && background_.Height() == h) return true;
    composedFrom_ = nullptr;
    background_.Resize(w, h);
    if (background_.Empty()) return false;
    GdiFlush();
    DrawNinePatch(background_.Pixels(), {0, 0, w, h}, bg.Bitmap, FrameLayout::SideBySide,
                  bg.Tile == 1 ? CentreFill::Tile : CentreFill::Stretch, false, 1, 1,
                  {bg.LeftWidth, bg.TopHeight, bg.RightWidth, bg.BottomHeight});
    composedFrom_ = &bg;
    return true;
}

void TWinSkinPopMenu::PaintBorder(HDC dc) {
    if (!ComposeBackground()) return;
    LearnMenu();
    const int w = background_.Width(), h = background_.Height();
    HDC src = background_.Dc();
    BitBlt(dc, 0, 0, w, kBand, src, 0, 0, SRCCOPY);
    BitBlt(dc, 0, h - kBand, w, kBand, src, 0, h - kBand, SRCCOPY);
    BitBlt(dc, 0, 0, kBand, h, src, 0, 0, SRCCOPY);
    BitBlt(dc, w - kBand, 0, kBand, h, src, w - kBand, 0, SRCCOPY);
}

LRESULT TWinSkinPopMenu::Print(WPARAM wParam, LPARAM lParam) {
    auto dc = reinterpret_cast<HDC>(wParam);
    LearnMenu();
    if (!ComposeBackground()) return Forward(WM_PRINT, wParam, lParam);
    const int w = background_.Width(), h = background_.Height();
    BitBlt(dc, 0, 0, w, h, background_.Dc(), 0, 0, SRCCOPY);
    const int mode = SetBkMode(dc, TRANSPARENT);
    HRGN clip = CreateRectRgn(kBand, kBand, w - kBand, h - kBand);
    SelectClipRgn(dc, clip);
    const LRESULT result = Forward(WM_PRINT, wParam, lParam);
    SelectClipRgn(dc, nullptr);
    DeleteObject(clip);
    SetBkMode(dc, mode);
    return result;
}

}  // namespace zuno::skin::menus
