// TBitBtn draws its face, glyph and caption on WM_DRAWITEM (reflected to it);
// TSpeedButton paints itself inside its parent and follows the mouse its parent
// captures for it.
#include "forms/Buttons.h"

#include <windowsx.h>

#include <algorithm>

namespace zuno::forms {

// ---- TButtonGlyph -----------------------------------------------------------

TButtonGlyph::TButtonGlyph() {
    glyph_.OnChange = [this] { Changed(); };
}

void TButtonGlyph::SetNumGlyphs(int v) {
    v = std::clamp(v, 1, 4);
    if (v == numGlyphs_) return;
    numGlyphs_ = v;
    Changed();
}

void TButtonGlyph::SetMargin(int v) {
    if (v == margin_) return;
    margin_ = std::max(v, -1);
    Changed();
}

void TButtonGlyph::SetSpacing(int v) {
    if (v == spacing_) return;
    spacing_ = std::max(v, -1);
    Changed();
}

void TButtonGlyph::SetLayout(TButtonLayout v) {
    if (v == layout_) return;
    layout_ = v;
    Changed();
}

void TButtonGlyph::Draw(HDC dc, const RECT& rect, const std::wstring& caption, HFONT font, COLORREF textColor,
                        TState state, bool speedButton) const {
    const int cells = glyph_.Empty() ? 1 : numGlyphs_;
    TGlyphLayoutInput in;
    in.width = rect.right - rect.left;
    in.height = rect.bottom - rect.top;
    in.glyphWidth = glyph_.Empty() ? 0 : glyph_.Width() / cells;
    in.glyphHeight = glyph_.Empty() ? 0 : glyph_.Height();
    HGDIOBJ oldFont = SelectObject(dc, font);
    RECT measured{0, 0, 0, 0};
    if (!caption.empty()) DrawTextW(dc, caption.c_str(), -1, &measured, DT_CALCRECT);
    in.textWidth = measured.right;
    in.textHeight = measured.bottom;
    in.layout = layout_;
    in.margin = margin_;
    in.spacing = spacing_;
    in.speedButton = speedButton;
    const TGlyphLayout at = LayoutGlyphAndText(in);

    if (in.glyphWidth > 0) {
        // A state without a cell of its own shows the first one (greyed when disabled).
        int cell = static_cast<int>(state);
        if (state == TState::Exclusive && cells < 4) cell = 2;
        if (cell >= cells) cell = 0;
        glyph_.DrawTransparent(dc, rect.left + at.glyphX, rect.top + at.glyphY, cell * in.glyphWidth,
                               in.glyphWidth, state == TState::Disabled && cells < 2);
    }
    if (!caption.empty()) {
        RECT text{rect.left + at.textX, rect.top + at.textY, rect.left + at.textX + in.textWidth,
                  rect.top + at.textY + in.textHeight};
        const UINT align = at.align == TGlyphTextAlign::Right ? DT_RIGHT
                           : at.align == TGlyphTextAlign::Centre ? DT_CENTER
                                                                  : DT_LEFT;
        SetBkMode(dc, TRANSPARENT);
        if (state == TState::Disabled) {
            // Engraved, as disabled text of the system's own buttons.
            OffsetRect(&text, 1, 1);
            SetTextColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
            DrawTextW(dc, caption.c_str(), -1, &text, align);
            OffsetRect(&text, -1, -1);
            SetTextColor(dc, GetSysColor(COLOR_BTNSHADOW));
        } else {
            SetTextColor(dc, textColor);
        }
        DrawTextW(dc, caption.c_str(), -1, &text, align);
    }
    SelectObject(dc, oldFont);
}

// ---- TBitBtn ----------------------------------------------------------------

TBitBtn::TBitBtn(TComponent* owner) : TButton(owner) {
    Glyph.OnChange = [this] {
        if (hwnd_) InvalidateRect(hwnd_, nullptr, TRUE);
    };
}

void TBitBtn::CreateParams(TCreateParams& p) {
    // Owner-drawn: the system keeps clicks, keyboard and focus; we paint.
    TButtonControl::CreateParams(p);
    p.Style |= BS_OWNERDRAW;
}

void TBitBtn::WndProc(TMessage& m) {
    switch (m.Msg) {
    case CN_DRAWITEM:
        DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(m.LParam));
        m.Result = TRUE;
        return;
    case WM_LBUTTONDBLCLK:
        // An owner-drawn button reports a second quick click as a double click;
        // every click of a push button is a click.
        m.Msg = WM_LBUTTONDOWN;
        break;
    }
    TButton::WndProc(m);
}

void TBitBtn::DrawItem(const DRAWITEMSTRUCT& item) {
    HDC dc = item.hDC;
    RECT r = item.rcItem;
    const bool pressed = item.itemState & ODS_SELECTED;
    const bool focused = item.itemState & ODS_FOCUS;
    const bool disabled = item.itemState & ODS_DISABLED;
    FillRect(dc, &r, ColorBrush());
    if (Default || focused) {
        FrameRect(dc, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        InflateRect(&r, -1, -1);
    }
    DrawFrameControl(dc, &r, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0));
    RECT content = r;
    InflateRect(&content, -2, -2);
    if (pressed) OffsetRect(&content, 1, 1);
    const auto state = disabled ? TButtonGlyph::TState::Disabled
                       : pressed ? TButtonGlyph::TState::Down
                                 : TButtonGlyph::TState::Up;
    Glyph.Draw(dc, content, caption_, font_.Handle(), ColorToRGB(font_.Color), state, false);
    if (focused) {
        RECT f = r;
        InflateRect(&f, -3, -3);
        DrawFocusRect(dc, &f);
    }
}

// ---- TSpeedButton -----------------------------------------------------------

TSpeedButton::TSpeedButton(TComponent* owner) : TGraphicControl(owner) {
    Transparent = true;
    ParentFont = true;
    SetBounds(0, 0, 23, 22);
    Glyph.OnChange = [this] { Invalidate(); };
}

void TSpeedButton::SetFlat(bool v) {
    if (flat_ == v) return;
    flat_ = v;
    Invalidate();
}

void TSpeedButton::SetDown(bool v) {
    if (GroupIndex == 0) v = false;
    if (v == down_) return;
    if (down_ && !AllowAllUp) return;  // a latched button is released by another one
    down_ = v;
    Invalidate();
    if (!v || !parent_) return;
    for (TControl* c : parent_->Controls()) {
        auto* other = dynamic_cast<TSpeedButton*>(c);
        if (other && other != this && other->GroupIndex == GroupIndex && other->down_) {
            other->down_ = false;
            other->Invalidate();
        }
    }
}

void TSpeedButton::WndProc(TMessage& m) {
    switch (m.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        if (enabled_) {
            pressed_ = true;
            Invalidate();
        }
        return;
    case WM_MOUSEMOVE:
        if (pressed_) Invalidate();  // pressed look only while over the button
        return;
    case WM_LBUTTONUP: {
        if (!pressed_) return;
        pressed_ = false;
        const POINT pt{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
        const RECT r{0, 0, width_, height_};
        Invalidate();
        if (!PtInRect(&r, pt) || !enabled_) return;  // released elsewhere: no click
        if (GroupIndex != 0) SetDown(!(down_ && AllowAllUp));
        Click();
        return;
    }
    case WM_CANCELMODE:
        pressed_ = false;
        Invalidate();
        return;
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
    case CM_ENABLEDCHANGED:
        Invalidate();
        break;
    }
    TGraphicControl::WndProc(m);
}

void TSpeedButton::Paint(HDC dc) {
    RECT r{0, 0, width_, height_};
    if (!Transparent) {
        HBRUSH b = CreateSolidBrush(ColorToRGB(color_));
        FillRect(dc, &r, b);
        DeleteObject(b);
    }
    // Pressed shows only while the mouse is still over the button.
    bool held = false;
    if (pressed_ && parent_ && parent_->HandleAllocated()) {
        POINT pt;
        GetCursorPos(&pt);
        ScreenToClient(parent_->HandleIfAllocated(), &pt);
        const RECT bounds = BoundsRect();
        held = PtInRect(&bounds, pt);
    }
    const bool sunk = held || down_;
    if (sunk) {
        DrawEdge(dc, &r, flat_ ? BDR_SUNKENOUTER : EDGE_SUNKEN, BF_RECT);
    } else if (!flat_) {
        DrawEdge(dc, &r, EDGE_RAISED, BF_RECT);
    } else if (MouseInside && enabled_) {
        DrawEdge(dc, &r, BDR_RAISEDINNER, BF_RECT);
    }
    RECT content = r;
    InflateRect(&content, -1, -1);
    if (sunk) OffsetRect(&content, 1, 1);
    const auto state = !enabled_   ? TButtonGlyph::TState::Disabled
                       : held      ? TButtonGlyph::TState::Down
                       : down_     ? TButtonGlyph::TState::Exclusive
                                   : TButtonGlyph::TState::Up;
    Glyph.Draw(dc, content, caption_, font_.Handle(), ColorToRGB(font_.Color), state, true);
}

}  // namespace zuno::forms
