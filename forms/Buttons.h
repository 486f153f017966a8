// Buttons with a glyph: TBitBtn (an owner-drawn Win32 push button) and TSpeedButton
// (window-less, painted by its parent, optionally latching down within a group).
#pragma once

#include "forms/Control.h"
#include "forms/StdCtrls.h"
#include "forms/core/GlyphLayout.h"

namespace zuno::forms {

// What bitmap and speed buttons share: the glyph (NumGlyphs cells side by side:
// up, disabled, down, latched) and its placement beside the caption. Every change
// calls OnChange, so that the button repaints.
class TButtonGlyph {
public:
    TButtonGlyph();
    TBitmap& Glyph() { return glyph_; }
    const TBitmap& Glyph() const { return glyph_; }
    int NumGlyphs() const { return numGlyphs_; }
    void SetNumGlyphs(int v);  // 1 to 4
    int Margin() const { return margin_; }
    void SetMargin(int v);     // -1: glyph and caption centred together
    int Spacing() const { return spacing_; }
    void SetSpacing(int v);    // -1: spread evenly
    TButtonLayout Layout() const { return layout_; }
    void SetLayout(TButtonLayout v);
    std::function<void()> OnChange;

    enum class TState { Up, Disabled, Down, Exclusive };
    // Glyph and caption for this state into rect (client coordinates).
    void Draw(HDC dc, const RECT& rect, const std::wstring& caption, HFONT font, COLORREF textColor,
              TState state, bool speedButton) const;

private:
    void Changed() {
        if (OnChange) OnChange();
    }
    TBitmap glyph_;
    int numGlyphs_ = 1;
    int margin_ = -1;
    int spacing_ = 4;
    TButtonLayout layout_ = TButtonLayout::blGlyphLeft;
};

class TBitBtn : public TButton {
    ZUNO_COMPONENT_CLASS(TBitBtn, TButton)
public:
    explicit TBitBtn(TComponent* owner);
    TButtonGlyph Glyph;
    void WndProc(TMessage& m) override;

protected:
    void CreateParams(TCreateParams& p) override;

private:
    void DrawItem(const DRAWITEMSTRUCT& item);
};

class TSpeedButton : public TGraphicControl {
    ZUNO_COMPONENT_CLASS(TSpeedButton, TGraphicControl)
public:
    explicit TSpeedButton(TComponent* owner);
    TButtonGlyph Glyph;
    bool Flat() const { return flat_; }
    void SetFlat(bool v);
    bool Down() const { return down_; }
    // Latching down releases the other buttons of the same group and parent.
    void SetDown(bool v);
    // 0: no latching; buttons of one parent with the same index latch in turn.
    int GroupIndex = 0;
    // With a group: a click on the latched button releases it.
    bool AllowAllUp = false;
    void WndProc(TMessage& m) override;

protected:
    void Paint(HDC dc) override;

private:
    bool flat_ = false;
    bool down_ = false;
    bool pressed_ = false;  // the mouse went down here and is still held
};

}  // namespace zuno::forms
