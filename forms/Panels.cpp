// TPanel paints its bevels and caption over its own colour and clicks like a
// button; TRadioGroup keeps its radio buttons in step with its items.
#include "forms/Panels.h"

#include <windowsx.h>

#include <algorithm>

namespace zuno::forms {

// ---- TCustomPanel -----------------------------------------------------------

TCustomPanel::TCustomPanel(TComponent* owner) : TWinControl(owner) {
    SetBounds(0, 0, 185, 41);
}

void TCustomPanel::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.ExStyle |= WS_EX_CONTROLPARENT;
    p.Style |= WS_CLIPCHILDREN;
    p.ClassStyle = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
}

void TCustomPanel::Redraw() {
    if (hwnd_) InvalidateRect(hwnd_, nullptr, TRUE);
}

void TCustomPanel::SetBevelOuter(TBevelCut v) {
    bevelOuter_ = v;
    Redraw();
}

void TCustomPanel::SetBevelInner(TBevelCut v) {
    bevelInner_ = v;
    Redraw();
}

void TCustomPanel::SetBevelWidth(int v) {
    bevelWidth_ = std::max(1, v);
    Redraw();
}

void TCustomPanel::SetAlignment(TAlignment v) {
    alignment_ = v;
    Redraw();
}

void TCustomPanel::TextChanged() { Redraw(); }

void TCustomPanel::FontChanged() {
    TWinControl::FontChanged();
    Redraw();
}

void TCustomPanel::EnabledChanged() {
    TWinControl::EnabledChanged();
    Redraw();
}

void TCustomPanel::PaintWindow(HDC dc) {
    RECT r;
    GetClientRect(hwnd_, &r);
    // Each bevel is BevelWidth one-pixel rings, light above and left when raised.
    for (TBevelCut bevel : {bevelOuter_, bevelInner_}) {
        if (bevel == TBevelCut::bvNone) continue;
        for (int i = 0; i < bevelWidth_; ++i) {
            if (bevel != TBevelCut::bvSpace)
                DrawEdge(dc, &r, bevel == TBevelCut::bvRaised ? BDR_RAISEDINNER : BDR_SUNKENOUTER, BF_RECT);
            InflateRect(&r, -1, -1);
        }
    }
    if (caption_.empty()) return;
    HGDIOBJ old = SelectObject(dc, font_.Handle());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ColorToRGB(enabled_ ? TextColorFor(font_.Color) : clGrayText));
    const UINT align = alignment_ == TAlignment::taCenter         ? DT_CENTER
                       : alignment_ == TAlignment::taRightJustify ? DT_RIGHT
                                                                  : DT_LEFT;
    DrawTextW(dc, caption_.c_str(), -1, &r, DT_SINGLELINE | DT_VCENTER | DT_EXPANDTABS | align);
    SelectObject(dc, old);
}

void TCustomPanel::WndProc(TMessage& m) {
    // A click is a press and a release both on the panel (not on a window-less child).
    switch (m.Msg) {
    case WM_LBUTTONDOWN:
        if (!hoverGraphic_) {
            clicking_ = true;
            SetCapture(hwnd_);
        }
        break;
    case WM_LBUTTONUP:
        if (clicking_) {
            clicking_ = false;
            ReleaseCapture();
            const POINT pt{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
            RECT r;
            GetClientRect(hwnd_, &r);
            if (PtInRect(&r, pt)) Click();
            return;
        }
        break;
    case WM_CAPTURECHANGED:
        if (reinterpret_cast<HWND>(m.LParam) != hwnd_) clicking_ = false;
        break;
    }
    TWinControl::WndProc(m);
}

// ---- TCustomRadioGroup ------------------------------------------------------

TCustomRadioGroup::TCustomRadioGroup(TComponent* owner) : TCustomGroupBox(owner) {
    SetBounds(0, 0, 185, 105);
}

void TCustomRadioGroup::SetItems(std::vector<std::wstring> items) {
    rebuilding_ = true;
    while (buttons_.size() > items.size()) {
        delete buttons_.back();
        buttons_.pop_back();
    }
    while (buttons_.size() < items.size()) {
        auto* b = new TRadioButton(this);
        b->ParentFont = true;
        b->SetParent(this);
        b->SetEnabled(enabled_);
        b->OnClick = [this, b](TComponent*) { ButtonClicked(b); };
        buttons_.push_back(b);
    }
    items_ = std::move(items);
    for (size_t i = 0; i < buttons_.size(); ++i) buttons_[i]->SetCaption(items_[i]);
    if (itemIndex_ >= static_cast<int>(buttons_.size())) itemIndex_ = -1;
    for (size_t i = 0; i < buttons_.size(); ++i) buttons_[i]->SetChecked(static_cast<int>(i) == itemIndex_);
    rebuilding_ = false;
    ArrangeButtons();
    UpdateTabStops();
}

void TCustomRadioGroup::SetItemIndex(int i) {
    i = std::clamp(i, -1, ButtonCount() - 1);
    if (i == itemIndex_) return;
    if (i < 0) {
        for (TRadioButton* b : buttons_) b->SetChecked(false);
        itemIndex_ = -1;
        UpdateTabStops();
        return;
    }
    buttons_[static_cast<size_t>(i)]->SetChecked(true);  // ButtonClicked follows
}

void TCustomRadioGroup::SetColumns(int v) {
    columns_ = std::clamp(v, 1, 16);
    ArrangeButtons();
}

void TCustomRadioGroup::ButtonClicked(TRadioButton* button) {
    if (rebuilding_ || !button->Checked()) return;
    auto it = std::find(buttons_.begin(), buttons_.end(), button);
    if (it == buttons_.end()) return;
    itemIndex_ = static_cast<int>(it - buttons_.begin());
    UpdateTabStops();
    Click();
}

// Tab reaches the group once, at its checked button; arrow keys walk the others.
void TCustomRadioGroup::UpdateTabStops() {
    for (size_t i = 0; i < buttons_.size(); ++i)
        buttons_[i]->TabStop = static_cast<int>(i) == std::max(itemIndex_, 0);
}

void TCustomRadioGroup::ArrangeButtons() {
    if (buttons_.empty()) return;
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font_.Handle());
    TEXTMETRICW tm{};
    GetTextMetricsW(dc, &tm);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    // Columns filled top to bottom; the caption line stays free.
    const int count = ButtonCount();
    const int perColumn = (count + columns_ - 1) / columns_;
    const int buttonWidth = (width_ - 10) / columns_;
    const int room = height_ - tm.tmHeight - 5;
    const int buttonHeight = room / perColumn;
    const int topMargin = tm.tmHeight + 1 + (room % perColumn) / 2;
    for (int i = 0; i < count; ++i)
        buttons_[static_cast<size_t>(i)]->SetBounds((i / perColumn) * buttonWidth + 8,
                                                    (i % perColumn) * buttonHeight + topMargin, buttonWidth,
                                                    buttonHeight);
}

void TCustomRadioGroup::BoundsChanged() {
    TCustomGroupBox::BoundsChanged();
    ArrangeButtons();
}

void TCustomRadioGroup::EnabledChanged() {
    TCustomGroupBox::EnabledChanged();
    for (TRadioButton* b : buttons_) b->SetEnabled(enabled_);
}

void TCustomRadioGroup::FontChanged() {
    TCustomGroupBox::FontChanged();
    ArrangeButtons();
}

}  // namespace zuno::forms
