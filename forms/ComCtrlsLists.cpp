// Tool bar with its buttons, the report-style list view and the scroll box.
#include <algorithm>

#include "forms/ComCtrls.h"
#include "winutil/LateSystemCalls.h"

namespace zuno::forms {

// ---- tool bar -----------------------------------------------------------------

TToolButton::TToolButton(TToolBar* toolBar)
    : TComponent(toolBar), toolBar_(toolBar), command_(toolBar->nextCommand_++) {}

RECT TToolButton::BoundsRect() const {
    RECT r{};
    if (HWND h = toolBar_->HandleIfAllocated()) SendMessageW(h, TB_GETRECT, command_, reinterpret_cast<LPARAM>(&r));
    return r;
}

TToolBar::TToolBar(TComponent* owner) : TWinControl(owner) { SetBounds(0, 0, 200, 29); }

void TToolBar::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    winutil::LoadCommonControls();
    p.ClassName = TOOLBARCLASSNAMEW;
    p.SystemClass = true;
    p.Style |= CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER | TBSTYLE_LIST |
               (Flat ? TBSTYLE_FLAT : 0) | (Transparent ? TBSTYLE_TRANSPARENT : 0);
}

void TToolBar::AfterCreateHandle() {
    SendMessageW(hwnd_, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Handle()), FALSE);
    SendMessageW(hwnd_, TB_SETBITMAPSIZE, 0, MAKELPARAM(0, 0));  // captions only
    for (TToolButton* b : buttons_) InsertNative(b);
}

TToolButton* TToolBar::AddButton(const std::wstring& caption) {
    auto* b = new TToolButton(this);
    b->Caption = caption;
    buttons_.push_back(b);
    if (hwnd_) InsertNative(b);
    return b;
}

void TToolBar::InsertNative(TToolButton* b) {
    TBBUTTON t{};
    t.iBitmap = I_IMAGENONE;
    t.idCommand = b->command_;
    t.fsState = static_cast<BYTE>((b->Enabled ? TBSTATE_ENABLED : 0) | (b->Down ? TBSTATE_CHECKED : 0));
    t.fsStyle = static_cast<BYTE>(BTNS_AUTOSIZE | (b->Check ? BTNS_CHECK : BTNS_BUTTON));
    t.iString = reinterpret_cast<INT_PTR>(b->Caption.c_str());
    SendMessageW(hwnd_, TB_ADDBUTTONSW, 1, reinterpret_cast<LPARAM>(&t));
    SendMessageW(hwnd_, TB_AUTOSIZE, 0, 0);
}

void TToolBar::ButtonChanged(TToolButton* b) {
    if (!hwnd_) return;
    SendMessageW(hwnd_, TB_ENABLEBUTTON, b->command_, MAKELPARAM(b->Enabled, 0));
    SendMessageW(hwnd_, TB_CHECKBUTTON, b->command_, MAKELPARAM(b->Down, 0));
}

TToolButton* TToolBar::ByCommand(int command) const {
    for (TToolButton* b : buttons_)
        if (b->command_ == command) return b;
    return nullptr;
}

void TToolBar::CustomDraw(TMessage& m) {
    auto* cd = reinterpret_cast<NMTBCUSTOMDRAW*>(m.LParam);
    if (cd->nmcd.dwDrawStage == CDDS_PREPAINT) {
        m.Result = OnCustomDrawButton ? CDRF_NOTIFYITEMDRAW : CDRF_DODEFAULT;
        return;
    }
    m.Result = CDRF_DODEFAULT;
    if (cd->nmcd.dwDrawStage != CDDS_ITEMPREPAINT || !OnCustomDrawButton) return;
    TToolButton* b = ByCommand(static_cast<int>(cd->nmcd.dwItemSpec));
    if (!b) return;
    bool defaultDraw = true;
    // The canvas starts with the caption colour the control would use, so whatever
    // the handler leaves there is the caption's colour (the device context keeps the
    // previous button's colour otherwise).
    SetTextColor(cd->nmcd.hdc, cd->clrText);
    FacesPainted = false;
    OnCustomDrawButton(this, b, cd->nmcd.uItemState, cd->nmcd.hdc, defaultDraw);
    if (!defaultDraw) {
        m.Result = CDRF_SKIPDEFAULT;
        return;
    }
    cd->clrText = GetTextColor(cd->nmcd.hdc);
    m.Result = CDRF_DODEFAULT;
    if (FacesPainted) {
        m.Result |= TBCDRF_NOEDGES | TBCDRF_NOBACKGROUND | TBCDRF_NOETCHEDEFFECT;
        // A disabled caption's etched highlight vanishes into the bar's colour.
        cd->clrBtnHighlight = ColorToRGB(color_);
    }
}

void TToolBar::WndProc(TMessage& m) {
    if (m.Msg == CN_COMMAND) {
        if (TToolButton* b = ByCommand(LOWORD(m.WParam))) {
            if (b->Check) b->Down = SendMessageW(hwnd_, TB_ISBUTTONCHECKED, b->command_, 0) != 0;
            if (b->OnClick) b->OnClick(b);
        }
        return;
    }
    if (m.Msg == CN_NOTIFY && reinterpret_cast<NMHDR*>(m.LParam)->code == static_cast<UINT>(NM_CUSTOMDRAW)) {
        CustomDraw(m);
        return;
    }
    TWinControl::WndProc(m);
}

// ---- list view ----------------------------------------------------------------

TCustomListView::TCustomListView(TComponent* owner) : TWinControl(owner) {
    TabStop = true;
    color_ = clWindow;
    SetBounds(0, 0, 250, 150);
}

void TCustomListView::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    winutil::LoadCommonControls();
    p.ClassName = WC_LISTVIEWW;
    p.SystemClass = true;
    p.Style |= LVS_REPORT | LVS_SHOWSELALWAYS | LVS_SINGLESEL;
    p.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomListView::AfterCreateHandle() {
    SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Handle()), FALSE);
    SendMessageW(hwnd_, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    for (int i = 0; i < static_cast<int>(columns_.size()); ++i) InsertNativeColumn(i);
    for (int i = 0; i < ItemCount(); ++i) InsertNativeRow(i);
}

void TCustomListView::InsertNativeColumn(int i) {
    TListColumn& c = columns_[static_cast<size_t>(i)];
    LVCOLUMNW col{LVCF_TEXT | LVCF_WIDTH | LVCF_FMT};
    col.fmt = c.Alignment == TAlignment::taCenter ? LVCFMT_CENTER
            : c.Alignment == TAlignment::taRightJustify ? LVCFMT_RIGHT : LVCFMT_LEFT;
    col.cx = c.Width;
    col.pszText = c.Caption.data();
    SendMessageW(hwnd_, LVM_INSERTCOLUMNW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&col));
}

void TCustomListView::InsertNativeRow(int i) {
    std::vector<std::wstring>& row = rows_[static_cast<size_t>(i)];
    for (size_t k = 0; k < row.size(); ++k) {
        LVITEMW item{LVIF_TEXT};
        item.iItem = i;
        item.iSubItem = static_cast<int>(k);
        item.pszText = row[k].data();
        SendMessageW(hwnd_, k == 0 ? LVM_INSERTITEMW : LVM_SETITEMTEXTW, k == 0 ? 0 : static_cast<WPARAM>(i),
                     reinterpret_cast<LPARAM>(&item));
    }
}

void TCustomListView::AddColumn(const TListColumn& column) {
    columns_.push_back(column);
    if (hwnd_) InsertNativeColumn(static_cast<int>(columns_.size()) - 1);
}

void TCustomListView::AddItem(const std::vector<std::wstring>& texts) {
    rows_.push_back(texts.empty() ? std::vector<std::wstring>{L""} : texts);
    if (hwnd_) InsertNativeRow(ItemCount() - 1);
}

void TCustomListView::Clear() {
    rows_.clear();
    if (hwnd_) SendMessageW(hwnd_, LVM_DELETEALLITEMS, 0, 0);
}

int TCustomListView::ItemIndex() const {
    return hwnd_ ? static_cast<int>(SendMessageW(hwnd_, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED))
                 : -1;
}

void TCustomListView::SetItemIndex(int i) {
    if (!hwnd_) return;
    LVITEMW item{};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    item.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(hwnd_, LVM_SETITEMSTATE, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
}

HWND TCustomListView::HeaderHandle() {
    return reinterpret_cast<HWND>(SendMessageW(Handle(), LVM_GETHEADER, 0, 0));
}

// ---- scroll box ---------------------------------------------------------------

TScrollBox::TScrollBox(TComponent* owner) : TWinControl(owner) {
    ParentColor = true;  // between its children the parent's colour shows
    SetBounds(0, 0, 185, 41);
}

void TScrollBox::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.Style |= WS_CLIPCHILDREN | WS_HSCROLL | WS_VSCROLL;
    p.ExStyle |= WS_EX_CLIENTEDGE | WS_EX_CONTROLPARENT;
}

void TScrollBox::BoundsChanged() {
    TWinControl::BoundsChanged();
    if (!realigning_) Realign();
}

void TScrollBox::Realign() {
    extentW_ = extentH_ = 0;
    for (TControl* c : controls_) {
        extentW_ = std::max(extentW_, c->Left() + hpos_ + c->Width());
        extentH_ = std::max(extentH_, c->Top() + vpos_ + c->Height());
    }
    if (!hwnd_) return;
    realigning_ = true;
    RECT client;
    GetClientRect(hwnd_, &client);
    SCROLLINFO si{sizeof si, SIF_RANGE | SIF_PAGE};
    si.nMax = std::max(extentW_ - 1, 0);
    si.nPage = static_cast<UINT>(client.right);
    SetScrollInfo(hwnd_, SB_HORZ, &si, TRUE);
    si.nMax = std::max(extentH_ - 1, 0);
    si.nPage = static_cast<UINT>(client.bottom);
    SetScrollInfo(hwnd_, SB_VERT, &si, TRUE);
    realigning_ = false;
    // A smaller extent or larger window may leave the children scrolled too far.
    ScrollTo(hpos_, vpos_);
}

void TScrollBox::ScrollTo(int horz, int vert) {
    if (!hwnd_) return;
    RECT client;
    GetClientRect(hwnd_, &client);
    horz = std::clamp(horz, 0, std::max(0, extentW_ - static_cast<int>(client.right)));
    vert = std::clamp(vert, 0, std::max(0, extentH_ - static_cast<int>(client.bottom)));
    const int dx = hpos_ - horz, dy = vpos_ - vert;
    hpos_ = horz, vpos_ = vert;
    SCROLLINFO si{sizeof si, SIF_POS};
    si.nPos = hpos_;
    SetScrollInfo(hwnd_, SB_HORZ, &si, TRUE);
    si.nPos = vpos_;
    SetScrollInfo(hwnd_, SB_VERT, &si, TRUE);
    if (dx == 0 && dy == 0) return;
    // Moving the children through their bounds keeps the objects and windows in step.
    for (TControl* c : controls_) c->SetBounds(c->Left() + dx, c->Top() + dy, c->Width(), c->Height());
    InvalidateRect(hwnd_, nullptr, TRUE);
}

void TScrollBox::Scroll(int bar, int code) {
    SCROLLINFO si{sizeof si, SIF_ALL};
    GetScrollInfo(hwnd_, bar, &si);
    int pos = si.nPos;
    const int line = 16, page = std::max<int>(static_cast<int>(si.nPage) - line, line);
    switch (code) {
    case SB_LINEUP: pos -= line; break;
    case SB_LINEDOWN: pos += line; break;
    case SB_PAGEUP: pos -= page; break;
    case SB_PAGEDOWN: pos += page; break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: pos = si.nTrackPos; break;
    case SB_TOP: pos = si.nMin; break;
    case SB_BOTTOM: pos = si.nMax; break;
    default: return;
    }
    if (bar == SB_HORZ)
        ScrollTo(pos, vpos_);
    else
        ScrollTo(hpos_, pos);
}

void TScrollBox::WndProc(TMessage& m) {
    switch (m.Msg) {
    case WM_HSCROLL: Scroll(SB_HORZ, LOWORD(m.WParam)); return;
    case WM_VSCROLL: Scroll(SB_VERT, LOWORD(m.WParam)); return;
    case WM_MOUSEWHEEL:
        ScrollTo(hpos_, vpos_ - GET_WHEEL_DELTA_WPARAM(m.WParam) * 48 / WHEEL_DELTA);
        return;
    }
    TWinControl::WndProc(m);
}

}  // namespace zuno::forms
