// Standard controls over their system classes. The object holds the state (check
// marks, scroll positions, items) so that it survives a re-created window.
#include "forms/StdCtrls.h"

#include <algorithm>

namespace zuno::forms {

namespace {

// The text the user left in an edit or combo box.
std::wstring WindowTextOf(HWND hwnd) {
    const int n = GetWindowTextLengthW(hwnd);
    std::wstring text(static_cast<size_t>(n) + 1, L'\0');
    GetWindowTextW(hwnd, text.data(), n + 1);
    text.resize(static_cast<size_t>(n));
    return text;
}

}  // namespace

// ---- buttons --------------------------------------------------------------

TButtonControl::TButtonControl(TComponent* owner) : TWinControl(owner) { TabStop = true; }

void TButtonControl::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.ClassName = L"BUTTON";
    p.SystemClass = true;
}

void TButtonControl::WndProc(TMessage& m) {
    if (m.Msg == CN_COMMAND) {
        if (HIWORD(m.WParam) == BN_CLICKED) Clicked();
        return;
    }
    TWinControl::WndProc(m);
}

TButton::TButton(TComponent* owner) : TButtonControl(owner) {}

void TButton::CreateParams(TCreateParams& p) {
    TButtonControl::CreateParams(p);
    p.Style |= Default ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
}

TCustomCheckBox::TCustomCheckBox(TComponent* owner) : TButtonControl(owner) {}

void TCustomCheckBox::CreateParams(TCreateParams& p) {
    TButtonControl::CreateParams(p);
    // We keep the state ourselves: a plain three-state button never toggles alone.
    p.Style |= BS_3STATE | (Alignment == TLeftRight::taLeftJustify ? BS_LEFTTEXT : 0);
}

void TCustomCheckBox::AfterCreateHandle() {
    SendMessageW(hwnd_, BM_SETCHECK, static_cast<WPARAM>(state_), 0);
}

void TCustomCheckBox::SetState(TCheckBoxState s) {
    if (state_ == s) return;
    state_ = s;
    if (hwnd_) SendMessageW(hwnd_, BM_SETCHECK, static_cast<WPARAM>(s), 0);
    Click();
}

void TCustomCheckBox::Clicked() {
    SetState(state_ == TCheckBoxState::cbChecked ? TCheckBoxState::cbUnchecked : TCheckBoxState::cbChecked);
}

TRadioButton::TRadioButton(TComponent* owner) : TButtonControl(owner) {}

void TRadioButton::CreateParams(TCreateParams& p) {
    TButtonControl::CreateParams(p);
    p.Style |= BS_RADIOBUTTON | (Alignment == TLeftRight::taLeftJustify ? BS_LEFTTEXT : 0);
}

void TRadioButton::AfterCreateHandle() { SendMessageW(hwnd_, BM_SETCHECK, checked_ ? BST_CHECKED : 0, 0); }

void TRadioButton::SetChecked(bool v) {
    if (checked_ == v) return;
    checked_ = v;
    if (hwnd_) SendMessageW(hwnd_, BM_SETCHECK, v ? BST_CHECKED : 0, 0);
    if (!v) return;
    if (parent_) {
        for (TControl* c : parent_->Controls()) {
            if (auto* r = dynamic_cast<TRadioButton*>(c); r && r != this) r->SetChecked(false);
        }
    }
    Click();
}

void TRadioButton::Clicked() { SetChecked(true); }

// ---- group box ------------------------------------------------------------

TCustomGroupBox::TCustomGroupBox(TComponent* owner) : TWinControl(owner) {}

void TCustomGroupBox::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.ExStyle |= WS_EX_CONTROLPARENT;
    p.Style |= WS_CLIPCHILDREN;
    p.ClassStyle = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
}

void TCustomGroupBox::PaintWindow(HDC dc) {
    RECT r;
    GetClientRect(hwnd_, &r);
    HGDIOBJ old = SelectObject(dc, font_.Handle());
    TEXTMETRICW tm{};
    GetTextMetricsW(dc, &tm);
    RECT frame = r;
    frame.top += tm.tmHeight / 2;
    DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
    if (!caption_.empty()) {
        RECT text{8, 0, r.right - 8, tm.tmHeight};
        DrawTextW(dc, caption_.c_str(), -1, &text, DT_SINGLELINE | DT_CALCRECT);
        text.right += 4;
        text.left -= 2;
        FillRect(dc, &text, ColorBrush());
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, ColorToRGB(enabled_ ? TextColorFor(font_.Color) : clGrayText));
        text.left += 2;
        DrawTextW(dc, caption_.c_str(), -1, &text, DT_SINGLELINE);
    }
    SelectObject(dc, old);
}

void TCustomGroupBox::TextChanged() {
    if (hwnd_) InvalidateRect(hwnd_, nullptr, TRUE);
}

// ---- scroll bar -----------------------------------------------------------

TScrollBar::TScrollBar(TComponent* owner) : TWinControl(owner) { TabStop = true; }

void TScrollBar::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.ClassName = L"SCROLLBAR";
    p.SystemClass = true;
    p.Style |= Kind == TScrollBarKind::sbVertical ? SBS_VERT : SBS_HORZ;
}

void TScrollBar::AfterCreateHandle() { UpdateNative(); }

void TScrollBar::UpdateNative() {
    if (!hwnd_) return;
    SCROLLINFO si{sizeof si, SIF_ALL | SIF_DISABLENOSCROLL};
    si.nMin = min_;
    si.nMax = max_;
    si.nPage = static_cast<UINT>(pageSize_);
    si.nPos = position_;
    SetScrollInfo(hwnd_, SB_CTL, &si, TRUE);
}

void TScrollBar::SetParams(int position, int min, int max) {
    if (max < min) max = min;
    const int top = pageSize_ > 0 ? std::max(min, max - pageSize_ + 1) : max;
    position = std::clamp(position, min, top);
    const bool moved = position != position_;
    if (!moved && min == min_ && max == max_) return;
    min_ = min, max_ = max, position_ = position;
    UpdateNative();
    if (moved && OnChange) OnChange(this);
}

void TScrollBar::SetPageSize(int v) {
    pageSize_ = std::max(0, v);
    UpdateNative();
}

void TScrollBar::Scroll(TScrollCode code, int trackPos) {
    int pos = position_;
    switch (code) {
    case TScrollCode::scLineUp: pos -= SmallChange; break;
    case TScrollCode::scLineDown: pos += SmallChange; break;
    case TScrollCode::scPageUp: pos -= LargeChange; break;
    case TScrollCode::scPageDown: pos += LargeChange; break;
    case TScrollCode::scPosition:
    case TScrollCode::scTrack: pos = trackPos; break;
    case TScrollCode::scTop: pos = min_; break;
    case TScrollCode::scBottom: pos = max_; break;
    case TScrollCode::scEndScroll: return;
    }
    SetPosition(pos);
}

void TScrollBar::WndProc(TMessage& m) {
    if (m.Msg == CN_HSCROLL || m.Msg == CN_VSCROLL) {
        const int code = LOWORD(m.WParam);
        int track = 0;
        if (code == SB_THUMBTRACK || code == SB_THUMBPOSITION) {
            SCROLLINFO si{sizeof si, SIF_TRACKPOS};
            GetScrollInfo(hwnd_, SB_CTL, &si);
            track = si.nTrackPos;  // 32 bits, unlike the message's 16
        }
        if (code >= SB_LINEUP && code <= SB_ENDSCROLL) Scroll(static_cast<TScrollCode>(code), track);
        return;
    }
    TWinControl::WndProc(m);
}

// ---- edit -----------------------------------------------------------------

TCustomEdit::TCustomEdit(TComponent* owner) : TWinControl(owner) {
    TabStop = true;
    color_ = clWindow;
}

void TCustomEdit::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.ClassName = L"EDIT";
    p.SystemClass = true;
    p.Style |= ES_AUTOHSCROLL | ES_LEFT | (ReadOnly ? ES_READONLY : 0);
    p.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomEdit::AfterCreateHandle() {
    if (MaxLength > 0) SendMessageW(hwnd_, EM_LIMITTEXT, static_cast<WPARAM>(MaxLength), 0);
}

std::wstring TCustomEdit::Text() const {
    return hwnd_ ? WindowTextOf(hwnd_) : caption_;
}

void TCustomEdit::WndProc(TMessage& m) {
    if (m.Msg == CN_COMMAND) {
        if (HIWORD(m.WParam) == EN_CHANGE) {
            caption_ = Text();
            if (OnChange) OnChange(this);
        }
        return;
    }
    TWinControl::WndProc(m);
}

// ---- memo -----------------------------------------------------------------

TCustomMemo::TCustomMemo(TComponent* owner) : TCustomEdit(owner) { SetBounds(0, 0, 185, 89); }

void TCustomMemo::CreateParams(TCreateParams& p) {
    TCustomEdit::CreateParams(p);
    p.Style &= ~static_cast<DWORD>(ES_AUTOHSCROLL);
    // The edit itself always takes Enter (it ignores it once it has been asked for
    // its dialog code otherwise); WantReturns filters the key in WndProc.
    p.Style |= ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | (wordWrap_ ? 0 : ES_AUTOHSCROLL);
    if (scrollBars_ == TScrollStyle::ssVertical || scrollBars_ == TScrollStyle::ssBoth) p.Style |= WS_VSCROLL;
    if (scrollBars_ == TScrollStyle::ssHorizontal || scrollBars_ == TScrollStyle::ssBoth) p.Style |= WS_HSCROLL;
}

std::vector<std::wstring> TCustomMemo::Lines() const {
    const std::wstring text = Text();
    std::vector<std::wstring> lines;
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = text.find(L"\r\n", start);
        lines.push_back(text.substr(start, end == std::wstring::npos ? std::wstring::npos : end - start));
        if (end == std::wstring::npos) break;
        start = end + 2;
    }
    return lines;
}

void TCustomMemo::SetLines(const std::vector<std::wstring>& lines) {
    std::wstring text;
    for (size_t i = 0; i < lines.size(); ++i) text += (i ? L"\r\n" : L"") + lines[i];
    SetText(text);
}

void TCustomMemo::SetWordWrap(bool v) {
    if (wordWrap_ == v) return;
    caption_ = Text();
    wordWrap_ = v;
    RecreateWnd();
}

void TCustomMemo::SetScrollBars(TScrollStyle v) {
    if (scrollBars_ == v) return;
    caption_ = Text();
    scrollBars_ = v;
    RecreateWnd();
}

void TCustomMemo::WndProc(TMessage& m) {
    switch (m.Msg) {
    case WM_GETDLGCODE:
        TCustomEdit::WndProc(m);
        if (WantTabs) {
            m.Result |= DLGC_WANTTAB;
        } else {
            m.Result &= ~static_cast<LRESULT>(DLGC_WANTTAB);
        }
        if (!WantReturns) m.Result &= ~static_cast<LRESULT>(DLGC_WANTALLKEYS);
        return;
    case WM_CHAR:
        if ((m.WParam == L'\r' || m.WParam == L'\n') && !WantReturns) return;
        if (m.WParam == L'\t' && !WantTabs) return;
        break;
    }
    TCustomEdit::WndProc(m);
}

// ---- combo box ------------------------------------------------------------

TCustomComboBox::TCustomComboBox(TComponent* owner) : TWinControl(owner) {
    TabStop = true;
    color_ = clWindow;
}

void TCustomComboBox::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.ClassName = L"COMBOBOX";
    p.SystemClass = true;
    p.Style |= WS_VSCROLL | CBS_AUTOHSCROLL |
               (Style == TComboBoxStyle::csDropDownList ? CBS_DROPDOWNLIST
                : Style == TComboBoxStyle::csSimple     ? CBS_SIMPLE
                                                        : CBS_DROPDOWN);
}

void TCustomComboBox::AfterCreateHandle() {
    for (const auto& item : items_) SendMessageW(hwnd_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    SetWindowTextW(hwnd_, caption_.c_str());
    // The window's height sets how far the list drops down.
    SetWindowPos(hwnd_, nullptr, 0, 0, width_, height_ + DropDownCount * 18,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TCustomComboBox::SetItems(std::vector<std::wstring> items) {
    items_ = std::move(items);
    if (!hwnd_) return;
    SendMessageW(hwnd_, CB_RESETCONTENT, 0, 0);
    for (const auto& item : items_) SendMessageW(hwnd_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    SetWindowTextW(hwnd_, caption_.c_str());
}

std::wstring TCustomComboBox::Text() const {
    return hwnd_ ? WindowTextOf(hwnd_) : caption_;
}

int TCustomComboBox::ItemIndex() const {
    if (!hwnd_) {
        auto it = std::find(items_.begin(), items_.end(), caption_);
        return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
    }
    return static_cast<int>(SendMessageW(hwnd_, CB_GETCURSEL, 0, 0));
}

void TCustomComboBox::SetItemIndex(int i) {
    if (i >= 0 && i < static_cast<int>(items_.size())) caption_ = items_[static_cast<size_t>(i)];
    if (hwnd_) SendMessageW(hwnd_, CB_SETCURSEL, static_cast<WPARAM>(i), 0);
}

void TCustomComboBox::WndProc(TMessage& m) {
    switch (m.Msg) {
    case CN_COMMAND: {
        const int code = HIWORD(m.WParam);
        if (code == CBN_SELCHANGE) {
            const int i = ItemIndex();
            if (i >= 0 && i < static_cast<int>(items_.size())) caption_ = items_[static_cast<size_t>(i)];
            if (OnChange) OnChange(this);
        } else if (code == CBN_EDITCHANGE) {
            caption_ = Text();
            if (OnChange) OnChange(this);
        }
        return;
    }
    case WM_WINDOWPOSCHANGED:
        // The window includes the dropped-down list; the control's bounds do not.
        DefaultHandler(m);
        return;
    }
    TWinControl::WndProc(m);
}

// ---- list box -------------------------------------------------------------

TCustomListBox::TCustomListBox(TComponent* owner) : TWinControl(owner) {
    TabStop = true;
    color_ = clWindow;
}

void TCustomListBox::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.ClassName = L"LISTBOX";
    p.SystemClass = true;
    p.Style |= LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL;
    p.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomListBox::AfterCreateHandle() {
    for (const auto& item : items_) SendMessageW(hwnd_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
}

void TCustomListBox::Add(const std::wstring& item) {
    items_.push_back(item);
    if (hwnd_) SendMessageW(hwnd_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
}

void TCustomListBox::Clear() {
    items_.clear();
    if (hwnd_) SendMessageW(hwnd_, LB_RESETCONTENT, 0, 0);
}

int TCustomListBox::ItemIndex() const {
    return hwnd_ ? static_cast<int>(SendMessageW(hwnd_, LB_GETCURSEL, 0, 0)) : -1;
}

void TCustomListBox::SetItemIndex(int i) {
    if (hwnd_) SendMessageW(hwnd_, LB_SETCURSEL, static_cast<WPARAM>(i), 0);
}

void TCustomListBox::WndProc(TMessage& m) {
    if (m.Msg == CN_COMMAND) {
        const int code = HIWORD(m.WParam);
        if (code == LBN_DBLCLK && OnDblClick) OnDblClick(this);
        if (code == LBN_SELCHANGE) Click();
        return;
    }
    TWinControl::WndProc(m);
}

}  // namespace zuno::forms
