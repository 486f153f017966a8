// Tab and page controls, the tab set, up-down, status bar, progress bar and track
// bar over their common-control classes.
#include "forms/ComCtrls.h"
#include "winutil/LateSystemCalls.h"

#include <windowsx.h>

#include <algorithm>

namespace zuno::forms {

namespace {

void CommonClass(TCreateParams& p, const wchar_t* name) {
    winutil::LoadCommonControls();
    p.ClassName = name;
    p.SystemClass = true;
}

}  // namespace

// ---- tab and page controls ----------------------------------------------------

// Tab controls, their pages and track bars show their parent's colour, as a skin's
// face colour given to the form.
TCustomTabControl::TCustomTabControl(TComponent* owner) : TWinControl(owner) {
    TabStop = true;
    ParentColor = true;
    SetBounds(0, 0, 289, 193);
}

void TCustomTabControl::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    CommonClass(p, WC_TABCONTROLW);
    p.Style |= WS_CLIPCHILDREN;
    p.ExStyle |= WS_EX_CONTROLPARENT;
    switch (TabPosition) {
    case TTabPosition::tpTop: break;
    case TTabPosition::tpBottom: p.Style |= TCS_BOTTOM; break;
    // Vertical tabs only work as several rows.
    case TTabPosition::tpLeft: p.Style |= TCS_VERTICAL | TCS_MULTILINE; break;
    case TTabPosition::tpRight: p.Style |= TCS_VERTICAL | TCS_RIGHT | TCS_MULTILINE; break;
    }
}

void TCustomTabControl::AfterCreateHandle() {
    SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Handle()), FALSE);
    for (int i = 0; i < TabCount(); ++i) {
        TCITEMW item{TCIF_TEXT};
        item.pszText = tabs_[static_cast<size_t>(i)].data();
        SendMessageW(hwnd_, TCM_INSERTITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
    }
    if (tabIndex_ >= 0) SendMessageW(hwnd_, TCM_SETCURSEL, static_cast<WPARAM>(tabIndex_), 0);
}

void TCustomTabControl::InsertTab(int index, const std::wstring& caption) {
    index = std::clamp(index, 0, TabCount());
    tabs_.insert(tabs_.begin() + index, caption);
    if (hwnd_) {
        TCITEMW item{TCIF_TEXT};
        item.pszText = tabs_[static_cast<size_t>(index)].data();
        SendMessageW(hwnd_, TCM_INSERTITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    }
    if (tabIndex_ < 0) SetTabIndex(0);
}

void TCustomTabControl::SetTabIndex(int i) {
    if (i < -1 || i >= TabCount() || i == tabIndex_) return;
    tabIndex_ = i;
    if (hwnd_) SendMessageW(hwnd_, TCM_SETCURSEL, static_cast<WPARAM>(i), 0);
    Changed();
}

void TCustomTabControl::Changed() {
    if (OnChange) OnChange(this);
}

RECT TCustomTabControl::DisplayRect() {
    RECT r{0, 0, width_, height_};
    if (HWND h = Handle()) {
        GetClientRect(h, &r);
        SendMessageW(h, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&r));
    }
    return r;
}

void TCustomTabControl::WndProc(TMessage& m) {
    if (m.Msg == CN_NOTIFY && reinterpret_cast<NMHDR*>(m.LParam)->code == static_cast<UINT>(TCN_SELCHANGE)) {
        tabIndex_ = static_cast<int>(SendMessageW(hwnd_, TCM_GETCURSEL, 0, 0));
        Changed();
        return;
    }
    TWinControl::WndProc(m);
}

void TTabSheet::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.ExStyle |= WS_EX_CONTROLPARENT;
    p.Style |= WS_CLIPCHILDREN;
}

TTabSheet* TPageControl::AddPage(const std::wstring& caption) {
    auto* page = new TTabSheet(this);
    page->SetCaption(caption);
    page->SetVisible(false);
    page->SetParent(this);
    pages_.push_back(page);
    InsertTab(TabCount(), caption);
    PlacePages();
    return page;
}

TTabSheet* TPageControl::ActivePage() const {
    return tabIndex_ >= 0 && tabIndex_ < PageCount() ? pages_[static_cast<size_t>(tabIndex_)] : nullptr;
}

void TPageControl::Changed() {
    PlacePages();
    TCustomTabControl::Changed();
}

void TPageControl::BoundsChanged() {
    TCustomTabControl::BoundsChanged();
    PlacePages();
}

void TPageControl::AfterCreateHandle() {
    TCustomTabControl::AfterCreateHandle();
    PlacePages();
}

void TPageControl::PlacePages() {
    if (!hwnd_) {
        for (TTabSheet* p : pages_) p->SetVisible(p == ActivePage());
        return;
    }
    const RECT r = DisplayRect();
    for (TTabSheet* p : pages_) {
        p->SetBounds(r.left, r.top, r.right - r.left, r.bottom - r.top);
        p->SetVisible(p == ActivePage());
    }
}

// ---- up-down ------------------------------------------------------------------

TUpDown::TUpDown(TComponent* owner) : TWinControl(owner) { SetBounds(0, 0, 17, 25); }

void TUpDown::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    CommonClass(p, UPDOWN_CLASSW);
    p.Style |= UDS_ARROWKEYS | (Orientation == TUDOrientation::udHorizontal ? UDS_HORZ : 0);
}

void TUpDown::AfterCreateHandle() {
    SendMessageW(hwnd_, UDM_SETRANGE32, static_cast<WPARAM>(min_), static_cast<LPARAM>(max_));
    SendMessageW(hwnd_, UDM_SETPOS32, 0, static_cast<LPARAM>(position_));
}

void TUpDown::SetRange(int min, int max) {
    min_ = min;
    max_ = std::max(min, max);
    position_ = std::clamp(position_, min_, max_);
    if (hwnd_) AfterCreateHandle();
}

void TUpDown::SetPosition(int v) {
    position_ = std::clamp(v, min_, max_);
    if (hwnd_) SendMessageW(hwnd_, UDM_SETPOS32, 0, static_cast<LPARAM>(position_));
}

void TUpDown::WndProc(TMessage& m) {
    if (m.Msg == CN_NOTIFY && reinterpret_cast<NMHDR*>(m.LParam)->code == static_cast<UINT>(UDN_DELTAPOS)) {
        const auto* n = reinterpret_cast<NMUPDOWN*>(m.LParam);
        const bool up = n->iDelta > 0;
        position_ = std::clamp(n->iPos + n->iDelta, min_, max_);
        if (OnClickButton) OnClickButton(this, up);
        m.Result = 0;  // let the control move on
        return;
    }
    // The control tells its parent with WM_VSCROLL / WM_HSCROLL as well; nothing more to do.
    if (m.Msg == CN_VSCROLL || m.Msg == CN_HSCROLL) return;
    TWinControl::WndProc(m);
}

// ---- tab set ------------------------------------------------------------------

TTabSet::TTabSet(TComponent* owner) : TWinControl(owner) {
    SetBounds(0, 0, 185, 21);
    scroller_ = new TUpDown(this);  // first owned component: the skin engine looks for it there
    scroller_->Orientation = TUDOrientation::udHorizontal;
    scroller_->SetVisible(false);
    scroller_->SetParent(this);
    scroller_->OnClickButton = [this](TComponent*, bool up) {
        SetFirstIndex(firstIndex_ + (up ? 1 : -1));
    };
}

std::vector<int> TTabSet::CaptionWidths() {
    std::vector<int> widths;
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font_.Handle());
    for (const std::wstring& t : Tabs) {
        SIZE s{};
        GetTextExtentPoint32W(dc, t.c_str(), static_cast<int>(t.size()), &s);
        widths.push_back(s.cx);
    }
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return widths;
}

void TTabSet::TabsChanged() {
    if (tabIndex_ >= static_cast<int>(Tabs.size())) tabIndex_ = static_cast<int>(Tabs.size()) - 1;
    if (tabIndex_ < 0 && !Tabs.empty()) tabIndex_ = 0;
    firstIndex_ = std::clamp(firstIndex_, 0, std::max(0, static_cast<int>(Tabs.size()) - 1));
    UpdateScroller();
    Invalidate();
}

void TTabSet::SetTabIndex(int i) {
    if (i < 0 || i >= static_cast<int>(Tabs.size()) || i == tabIndex_) return;
    tabIndex_ = i;
    Invalidate();
    if (OnChange) OnChange(this);
}

void TTabSet::SetFirstIndex(int i) {
    i = std::clamp(i, 0, std::max(0, static_cast<int>(Tabs.size()) - 1));
    if (i == firstIndex_) return;
    firstIndex_ = i;
    UpdateScroller();
    Invalidate();
}

void TTabSet::UpdateScroller() {
    if (!scroller_) return;  // sized in the constructor before the scroller exists
    int total = StartMargin + EndMargin;
    for (int w : CaptionWidths()) total += w + 9;
    const bool overflow = total > width_ || firstIndex_ > 0;
    scroller_->SetBounds(width_ - 33, 1, 32, std::max(height_ - 2, 1));
    scroller_->SetRange(0, std::max(0, static_cast<int>(Tabs.size()) - 1));
    scroller_->SetPosition(firstIndex_);
    scroller_->SetVisible(overflow);
}

void TTabSet::BoundsChanged() {
    TWinControl::BoundsChanged();
    UpdateScroller();
}

void TTabSet::AfterCreateHandle() { UpdateScroller(); }

int TTabSet::TabAt(int x) {
    const std::vector<int> widths = CaptionWidths();
    int left = StartMargin;
    for (int i = firstIndex_; i < static_cast<int>(widths.size()); ++i) {
        const int right = left + widths[static_cast<size_t>(i)] + 9;
        if (x >= left && x < right) return i;
        left = right;
    }
    return -1;
}

void TTabSet::PaintWindow(HDC dc) {
    RECT r{0, 0, width_, height_};
    FillRect(dc, &r, ColorBrush());
    HGDIOBJ oldFont = SelectObject(dc, font_.Handle());
    SetBkMode(dc, TRANSPARENT);
    HPEN shadow = CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNSHADOW));
    HGDIOBJ oldPen = SelectObject(dc, shadow);
    MoveToEx(dc, 0, 0, nullptr);
    LineTo(dc, width_, 0);
    const std::vector<int> widths = CaptionWidths();
    const int limit = width_ - EndMargin - (scroller_->Visible() ? 33 : 0);
    int x = StartMargin;
    for (int i = firstIndex_; i < static_cast<int>(widths.size()); ++i) {
        const int w = widths[static_cast<size_t>(i)] + 9;
        if (x + w > limit) break;
        RECT tab{x, 0, x + w, height_ - 2};
        if (i == tabIndex_) {
            HBRUSH face = GetSysColorBrush(COLOR_WINDOW);
            FillRect(dc, &tab, face);
        }
        MoveToEx(dc, tab.left, 0, nullptr);
        LineTo(dc, tab.left, tab.bottom);
        LineTo(dc, tab.right, tab.bottom);
        LineTo(dc, tab.right, -1);
        SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
        DrawTextW(dc, Tabs[static_cast<size_t>(i)].c_str(), -1, &tab, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        x += w;
    }
    SelectObject(dc, oldPen);
    DeleteObject(shadow);
    SelectObject(dc, oldFont);
}

void TTabSet::WndProc(TMessage& m) {
    if (m.Msg == WM_LBUTTONDOWN) {
        const int i = TabAt(GET_X_LPARAM(m.LParam));
        if (i >= 0) SetTabIndex(i);
        if (CanFocus()) SetFocus();
        return;
    }
    if (m.Msg == WM_KEYDOWN && (m.WParam == VK_LEFT || m.WParam == VK_RIGHT)) {
        SetTabIndex(tabIndex_ + (m.WParam == VK_RIGHT ? 1 : -1));
        return;
    }
    if (m.Msg == WM_GETDLGCODE) {
        m.Result = DLGC_WANTARROWS;
        return;
    }
    TWinControl::WndProc(m);
}

// ---- status bar ---------------------------------------------------------------

TStatusBar::TStatusBar(TComponent* owner) : TWinControl(owner) { SetBounds(0, 0, 200, 19); }

void TStatusBar::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    CommonClass(p, STATUSCLASSNAMEW);
    // We place the bar ourselves; the control must not move itself to the parent's top.
    p.Style |= CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER | (sizeGrip_ ? SBARS_SIZEGRIP : 0);
}

void TStatusBar::AfterCreateHandle() {
    SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Handle()), FALSE);
    PanelsChanged();
}

void TStatusBar::SetSizeGrip(bool v) {
    if (v == sizeGrip_) return;
    sizeGrip_ = v;
    if (hwnd_) {
        const LONG_PTR style = GetWindowLongPtrW(hwnd_, GWL_STYLE);
        SetWindowLongPtrW(hwnd_, GWL_STYLE, v ? style | SBARS_SIZEGRIP : style & ~LONG_PTR{SBARS_SIZEGRIP});
        InvalidateRect(hwnd_, nullptr, TRUE);
    }
}

void TStatusBar::PanelsChanged() {
    if (!hwnd_) return;
    SendMessageW(hwnd_, SB_SIMPLE, SimplePanel || Panels.empty() ? TRUE : FALSE, 0);
    if (SimplePanel || Panels.empty()) {
        SendMessageW(hwnd_, SB_SETTEXTW, SB_SIMPLEID, reinterpret_cast<LPARAM>(SimpleText.c_str()));
        return;
    }
    std::vector<int> edges;
    int x = 0;
    for (const TStatusPanel& p : Panels) edges.push_back(x += p.Width);
    edges.back() = -1;  // the last panel reaches the bar's right edge
    SendMessageW(hwnd_, SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
    for (size_t i = 0; i < Panels.size(); ++i) {
        const TStatusPanel& p = Panels[i];
        WPARAM w = i;
        if (p.Bevel == TStatusPanelBevel::pbNone) w |= SBT_NOBORDERS;
        if (p.Bevel == TStatusPanelBevel::pbRaised) w |= SBT_POPOUT;
        if (p.RightToLeft) w |= SBT_RTLREADING;
        // Tabs before the text centre it (one) or right-align it (two).
        std::wstring text = p.Alignment == TAlignment::taCenter ? L"\t" + p.Text
                          : p.Alignment == TAlignment::taRightJustify ? L"\t\t" + p.Text : p.Text;
        SendMessageW(hwnd_, SB_SETTEXTW, w, reinterpret_cast<LPARAM>(text.c_str()));
    }
}

void TStatusBar::AlignToParent() {
    if (!parent_) return;
    const RECT r = parent_->ClientRect();
    SetBounds(0, r.bottom - height_, r.right, height_);
}

// ---- progress bar -------------------------------------------------------------

TProgressBar::TProgressBar(TComponent* owner) : TWinControl(owner) { SetBounds(0, 0, 150, 16); }

void TProgressBar::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    CommonClass(p, PROGRESS_CLASSW);
    p.Style |= Smooth ? PBS_SMOOTH : 0;
}

void TProgressBar::AfterCreateHandle() {
    SendMessageW(hwnd_, PBM_SETRANGE32, static_cast<WPARAM>(min_), static_cast<LPARAM>(max_));
    SendMessageW(hwnd_, PBM_SETPOS, static_cast<WPARAM>(position_), 0);
}

void TProgressBar::SetRange(int min, int max) {
    min_ = min;
    max_ = std::max(min, max);
    position_ = std::clamp(position_, min_, max_);
    if (hwnd_) AfterCreateHandle();
}

void TProgressBar::SetPosition(int v) {
    position_ = std::clamp(v, min_, max_);
    if (hwnd_) SendMessageW(hwnd_, PBM_SETPOS, static_cast<WPARAM>(position_), 0);
}

// ---- track bar ----------------------------------------------------------------

TTrackBar::TTrackBar(TComponent* owner) : TWinControl(owner) {
    TabStop = true;
    ParentColor = true;
    SetBounds(0, 0, 150, 45);
}

void TTrackBar::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    CommonClass(p, TRACKBAR_CLASSW);
    p.Style |= TBS_AUTOTICKS | (Orientation == TTrackBarOrientation::trVertical ? TBS_VERT : TBS_HORZ);
}

void TTrackBar::AfterCreateHandle() {
    SendMessageW(hwnd_, TBM_SETRANGEMIN, FALSE, min_);
    SendMessageW(hwnd_, TBM_SETRANGEMAX, FALSE, max_);
    SendMessageW(hwnd_, TBM_SETPOS, TRUE, position_);
}

int TTrackBar::Position() const {
    return hwnd_ ? static_cast<int>(SendMessageW(hwnd_, TBM_GETPOS, 0, 0)) : position_;
}

void TTrackBar::SetRange(int min, int max) {
    min_ = min;
    max_ = std::max(min, max);
    position_ = std::clamp(position_, min_, max_);
    if (hwnd_) AfterCreateHandle();
}

void TTrackBar::SetPosition(int v) {
    position_ = std::clamp(v, min_, max_);
    if (hwnd_) SendMessageW(hwnd_, TBM_SETPOS, TRUE, position_);
}

void TTrackBar::WndProc(TMessage& m) {
    if (m.Msg == CN_HSCROLL || m.Msg == CN_VSCROLL) {
        const int pos = static_cast<int>(SendMessageW(hwnd_, TBM_GETPOS, 0, 0));
        if (pos != position_) {
            position_ = pos;
            if (OnChange) OnChange(this);
        }
        return;
    }
    TWinControl::WndProc(m);
}

}  // namespace zuno::forms
