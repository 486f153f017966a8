// Containers: TPanel (a bevelled surface with a caption that holds controls) and
// TRadioGroup (a group box holding one radio button per item, in columns).
#pragma once

#include <string>
#include <vector>

#include "forms/ExtCtrls.h"
#include "forms/StdCtrls.h"

namespace zuno::forms {

enum class TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };

class TCustomPanel : public TWinControl {
    ZUNO_COMPONENT_CLASS(TCustomPanel, TWinControl)
public:
    explicit TCustomPanel(TComponent* owner);
    TBevelCut BevelOuter() const { return bevelOuter_; }
    void SetBevelOuter(TBevelCut v);
    TBevelCut BevelInner() const { return bevelInner_; }
    void SetBevelInner(TBevelCut v);
    int BevelWidth() const { return bevelWidth_; }
    void SetBevelWidth(int v);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment v);
    void WndProc(TMessage& m) override;

protected:
    void CreateParams(TCreateParams& p) override;
    void PaintWindow(HDC dc) override;
    void TextChanged() override;
    void FontChanged() override;
    void EnabledChanged() override;

private:
    void Redraw();
    TBevelCut bevelOuter_ = TBevelCut::bvRaised;
    TBevelCut bevelInner_ = TBevelCut::bvNone;
    int bevelWidth_ = 1;
    TAlignment alignment_ = TAlignment::taCenter;
    bool clicking_ = false;  // the left button went down on the panel itself
};

class TPanel : public TCustomPanel {
    ZUNO_COMPONENT_CLASS(TPanel, TCustomPanel)
public:
    explicit TPanel(TComponent* owner) : TCustomPanel(owner) {}
};

class TCustomRadioGroup : public TCustomGroupBox {
    ZUNO_COMPONENT_CLASS(TCustomRadioGroup, TCustomGroupBox)
public:
    explicit TCustomRadioGroup(TComponent* owner);
    const std::vector<std::wstring>& Items() const { return items_; }
    // One radio button per item; the checked item stays checked while it exists.
    void SetItems(std::vector<std::wstring> items);
    // -1: none checked. Checking an item runs OnClick, as a click on it would.
    int ItemIndex() const { return itemIndex_; }
    void SetItemIndex(int i);
    int Columns() const { return columns_; }
    void SetColumns(int v);
    int ButtonCount() const { return static_cast<int>(buttons_.size()); }
    TRadioButton* Buttons(int i) const { return buttons_[static_cast<size_t>(i)]; }

protected:
    void BoundsChanged() override;
    void FontChanged() override;
    void EnabledChanged() override;

private:
    void ButtonClicked(TRadioButton* button);
    void ArrangeButtons();
    void UpdateTabStops();
    std::vector<std::wstring> items_;
    std::vector<TRadioButton*> buttons_;  // components and child controls of this group
    int itemIndex_ = -1;
    int columns_ = 1;
    bool rebuilding_ = false;
};

class TRadioGroup : public TCustomRadioGroup {
    ZUNO_COMPONENT_CLASS(TRadioGroup, TCustomRadioGroup)
public:
    explicit TRadioGroup(TComponent* owner) : TCustomRadioGroup(owner) {}
};

}  // namespace zuno::forms
