// The message loop and the error convention.
#include "forms/Application.h"

#include <algorithm>

#include "forms/Errors.h"
#include "forms/Form.h"
#include "forms/Menus.h"
#include "forms/StdCtrls.h"

namespace zuno::forms {
namespace {

TApplication* g_application = nullptr;

std::wstring WidenUtf8(const char* text) {
    const int n = MultiByteToWideChar(CP_UTF8, 0, text, -1, nullptr, 0);
    std::wstring out(n > 0 ? n - 1 : 0, L'\0');
    if (n > 1) MultiByteToWideChar(CP_UTF8, 0, text, -1, out.data(), n);
    return out;
}

// The control a window belongs to. Some controls have inner windows of their own
// (a combo box's edit): the focus sits there, but the key belongs to the control.
TWinControl* ControlOfWindow(HWND hwnd) {
    // GetParent of a top-level window is its owner, which is not where the key goes.
    for (HWND h = hwnd; h; h = (GetWindowLongPtrW(h, GWL_STYLE) & WS_CHILD) ? GetParent(h) : nullptr) {
        if (TWinControl* c = TWinControl::FromHandle(h)) return c;
    }
    return nullptr;
}

}  // namespace

TApplication* Application() { return g_application; }
void SetApplication(TApplication* app) { g_application = app; }

void HandleException(const std::exception& e) noexcept {
    try {
        const std::wstring text = WidenUtf8(e.what());
        if (g_application) {
            g_application->ShowException(text);
        } else {
            MessageBoxW(nullptr, text.c_str(), L"", MB_OK | MB_ICONERROR);
        }
    } catch (...) {
    }
}

void HandleUnknownException() noexcept {
    try {
        if (g_application) g_application->ShowException(L"发生了未知错误。");
    } catch (...) {
    }
}

TApplication::TApplication() : TComponent(nullptr) {
    if (!g_application) g_application = this;
}

TApplication::~TApplication() {
    // Out of sight first, while every form is whole: taking a form apart lets its skin
    // frame go before its window, and the bare window must not be seen in between.
    for (auto it = forms_.rbegin(); it != forms_.rend(); ++it) {
        if (HWND h = (*it)->HandleIfAllocated(); h && IsWindowVisible(h)) ShowWindow(h, SW_HIDE);
    }
    // Forms are components of the application; they go with it, newest first.
    forms_.clear();
    if (g_application == this) g_application = nullptr;
}

void TApplication::AddForm(TForm* form) { forms_.push_back(form); }

void TApplication::RemoveForm(TForm* form) {
    forms_.erase(std::remove(forms_.begin(), forms_.end(), form), forms_.end());
    if (mainForm_ == form) mainForm_ = nullptr;
}

void TApplication::ShowException(const std::wstring& text) {
    if (OnException) {
        OnException(text);
        return;
    }
    HWND owner = GetActiveWindow();
    MessageBoxW(owner, text.c_str(), Title.c_str(), MB_OK | MB_ICONERROR);
}

void TApplication::Terminate() {
    if (terminated_) return;
    terminated_ = true;
    PostQuitMessage(0);
}

TForm* TApplication::FormOfWindow(HWND hwnd) const {
    HWND root = GetAncestor(hwnd, GA_ROOT);
    for (TForm* f : forms_) {
        if (f->HandleIfAllocated() == root) return f;
    }
    return nullptr;
}

bool TApplication::HandleShortCut(const MSG& msg, TForm* form) {
    if (!form->Menu() || !IsWindowEnabled(form->HandleIfAllocated())) return false;
    const TShortCut sc = ShortCut(static_cast<WORD>(msg.wParam), CurrentShiftState());
    TMenuItem* item = form->Menu()->FindShortCut(sc);
    if (!item) return false;
    Guarded([&] { item->Click(); });
    return true;
}

bool TApplication::HandleDialogKey(const MSG& msg, TForm* form) {
    auto* focused = ControlOfWindow(msg.hwnd);
    if (!focused || focused == form) return false;
    const TShiftState shift = CurrentShiftState();
    const LRESULT code = SendMessageW(msg.hwnd, WM_GETDLGCODE, msg.wParam, reinterpret_cast<LPARAM>(&msg));
    if (msg.wParam == VK_TAB && !(shift & (ssCtrl | ssAlt))) {
        // Only a control that asks for Tab keeps it: a multi-line edit wants all
        // keys, but Tab still moves on from a memo that does not want tabs.
        if (code & DLGC_WANTTAB) return false;
        form->SelectNext(focused, !(shift & ssShift));
        return true;
    }
    if (msg.wParam == VK_RETURN && !(shift & (ssShift | ssCtrl | ssAlt))) {
        // Enter presses the focused push button, as in any Windows dialog.
        if (!dynamic_cast<TButton*>(focused) || (code & DLGC_WANTALLKEYS)) return false;
        SendMessageW(msg.hwnd, BM_CLICK, 0, 0);
        return true;
    }
    const bool arrow = msg.wParam == VK_LEFT || msg.wParam == VK_RIGHT || msg.wParam == VK_UP ||
                       msg.wParam == VK_DOWN;
    if (!arrow || (code & (DLGC_WANTARROWS | DLGC_WANTALLKEYS)) || shift) return false;
    // Arrow keys walk the radio buttons of one parent and check the one they reach.
    auto* radio = dynamic_cast<TRadioButton*>(focused);
    if (!radio || !radio->Parent()) return false;
    const bool forward = msg.wParam == VK_RIGHT || msg.wParam == VK_DOWN;
    std::vector<TRadioButton*> group;
    for (TControl* c : radio->Parent()->Controls()) {
        if (auto* r = dynamic_cast<TRadioButton*>(c); r && r->CanFocus()) group.push_back(r);
    }
    auto it = std::find(group.begin(), group.end(), radio);
    if (group.size() < 2 || it == group.end()) return true;
    const size_t i = static_cast<size_t>(it - group.begin());
    TRadioButton* next = group[(i + (forward ? 1 : group.size() - 1)) % group.size()];
    next->SetFocus();
    Guarded([&] { next->SetChecked(true); });
    return true;
}

bool TApplication::PreTranslate(MSG& msg) {
    if (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN) return false;
    TForm* form = FormOfWindow(msg.hwnd);
    if (!form) return false;
    if (HandleShortCut(msg, form)) return true;
    return msg.message == WM_KEYDOWN && HandleDialogKey(msg, form);
}

void TApplication::ProcessMessages() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            terminated_ = true;
            PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        if (PreTranslate(msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

void TApplication::Run() {
    // A main window shown during start-up stays where it is: raising it again would put
    // it over a box that start-up opened above it (the version notice).
    if (mainForm_ && !terminated_ && !mainForm_->Visible()) mainForm_->ShowForm();
    MSG msg;
    while (!terminated_ && GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (PreTranslate(msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    terminated_ = true;
}

}  // namespace zuno::forms
