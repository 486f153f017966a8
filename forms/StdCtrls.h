// The standard controls: buttons, check boxes, radio buttons, group boxes, scroll
// bars, edits, combo boxes and list boxes, each a real Win32 window of the system
// class behind it (the group box is drawn by us so that it can hold controls).
#pragma once

#include <string>
#include <vector>

#include "forms/Control.h"

namespace zuno::forms {

class TButtonControl : public TWinControl {
    ZUNO_COMPONENT_CLASS(TButtonControl, TWinControl)
public:
    explicit TButtonControl(TComponent* owner);
    void WndProc(TMessage& m) override;

protected:
    void CreateParams(TCreateParams& p) override;
    // BN_CLICKED arrived (reflected from the parent).
    virtual void Clicked() { Click(); }
};

class TButton : public TButtonControl {
    ZUNO_COMPONENT_CLASS(TButton, TButtonControl)
public:
    explicit TButton(TComponent* owner);
    bool Default = false;

protected:
    void CreateParams(TCreateParams& p) override;
};

enum class TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };
enum class TLeftRight { taLeftJustify, taRightJustify };

class TCustomCheckBox : public TButtonControl {
    ZUNO_COMPONENT_CLASS(TCustomCheckBox, TButtonControl)
public:
    explicit TCustomCheckBox(TComponent* owner);
    bool Checked() const { return state_ == TCheckBoxState::cbChecked; }
    void SetChecked(bool v) { SetState(v ? TCheckBoxState::cbChecked : TCheckBoxState::cbUnchecked); }
    TCheckBoxState State() const { return state_; }
    void SetState(TCheckBoxState s);
    TLeftRight Alignment = TLeftRight::taRightJustify;

protected:
    void CreateParams(TCreateParams& p) override;
    void AfterCreateHandle() override;
    void Clicked() override;
    TCheckBoxState state_ = TCheckBoxState::cbUnchecked;
};

class TCheckBox : public TCustomCheckBox {
    ZUNO_COMPONENT_CLASS(TCheckBox, TCustomCheckBox)
public:
    explicit TCheckBox(TComponent* owner) : TCustomCheckBox(owner) {}
};

class TRadioButton : public TButtonControl {
    ZUNO_COMPONENT_CLASS(TRadioButton, TButtonControl)
public:
    explicit TRadioButton(TComponent* owner);
    bool Checked() const { return checked_; }
    // Checking one clears the other radio buttons of the same parent.
    void SetChecked(bool v);
    TLeftRight Alignment = TLeftRight::taRightJustify;

protected:
    void CreateParams(TCreateParams& p) override;
    void AfterCreateHandle() override;
    void Clicked() override;
    bool checked_ = false;
};

// A frame with a caption that holds other controls; drawn by us.
class TCustomGroupBox : public TWinControl {
    ZUNO_COMPONENT_CLASS(TCustomGroupBox, TWinControl)
public:
    explicit TCustomGroupBox(TComponent* owner);

protected:
    void CreateParams(TCreateParams& p) override;
    void PaintWindow(HDC dc) override;
    void TextChanged() override;
};

class TGroupBox : public TCustomGroupBox {
    ZUNO_COMPONENT_CLASS(TGroupBox, TCustomGroupBox)
public:
    explicit TGroupBox(TComponent* owner) : TCustomGroupBox(owner) {}
};

enum class TScrollBarKind { sbHorizontal, sbVertical };
enum class TScrollCode { scLineUp, scLineDown, scPageUp, scPageDown, scPosition, scTrack, scTop, scBottom, scEndScroll };

class TScrollBar : public TWinControl {
    ZUNO_COMPONENT_CLASS(TScrollBar, TWinControl)
public:
    explicit TScrollBar(TComponent* owner);
    TScrollBarKind Kind = TScrollBarKind::sbHorizontal;
    int Min() const { return min_; }
    int Max() const { return max_; }
    int Position() const { return position_; }
    int PageSize() const { return pageSize_; }
    void SetParams(int position, int min, int max);
    void SetPosition(int v) { SetParams(v, min_, max_); }
    void SetMax(int v) { SetParams(position_, min_, v); }
    void SetMin(int v) { SetParams(position_, v, max_); }
    void SetPageSize(int v);
    int SmallChange = 1;
    int LargeChange = 1;
    TNotifyEvent OnChange;
    void WndProc(TMessage& m) override;

protected:
    void CreateParams(TCreateParams& p) override;
    void AfterCreateHandle() override;

private:
    void Scroll(TScrollCode code, int trackPos);
    void UpdateNative();
    int min_ = 0, max_ = 100, position_ = 0, pageSize_ = 0;
};

class TCustomEdit : public TWinControl {
    ZUNO_COMPONENT_CLASS(TCustomEdit, TWinControl)
public:
    explicit TCustomEdit(TComponent* owner);
    // The text as the user left it.
    std::wstring Text() const;
    void SetText(const std::wstring& text) { SetCaption(text); }
    int MaxLength = 0;
    bool ReadOnly = false;
    TNotifyEvent OnChange;
    void WndProc(TMessage& m) override;

protected:
    void CreateParams(TCreateParams& p) override;
    void AfterCreateHandle() override;
};

class TEdit : public TCustomEdit {
    ZUNO_COMPONENT_CLASS(TEdit, TCustomEdit)
public:
    explicit TEdit(TComponent* owner) : TCustomEdit(owner) {}
};

enum class TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

// A multi-line edit. Enter starts a new line (WantReturns); Tab moves the focus on
// unless WantTabs, as in any dialog.
class TCustomMemo : public TCustomEdit {
    ZUNO_COMPONENT_CLASS(TCustomMemo, TCustomEdit)
public:
    explicit TCustomMemo(TComponent* owner);
    // The text line by line; in the window the lines are joined by CR LF.
    std::vector<std::wstring> Lines() const;
    void SetLines(const std::vector<std::wstring>& lines);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool v);
    TScrollStyle ScrollBars() const { return scrollBars_; }
    void SetScrollBars(TScrollStyle v);
    bool WantReturns = true;
    bool WantTabs = false;
    void WndProc(TMessage& m) override;

protected:
    void CreateParams(TCreateParams& p) override;

private:
    bool wordWrap_ = true;
    TScrollStyle scrollBars_ = TScrollStyle::ssNone;
};

class TMemo : public TCustomMemo {
    ZUNO_COMPONENT_CLASS(TMemo, TCustomMemo)
public:
    explicit TMemo(TComponent* owner) : TCustomMemo(owner) {}
};

enum class TComboBoxStyle { csDropDown, csDropDownList, csSimple };

class TCustomComboBox : public TWinControl {
    ZUNO_COMPONENT_CLASS(TCustomComboBox, TWinControl)
public:
    explicit TCustomComboBox(TComponent* owner);
    TComboBoxStyle Style = TComboBoxStyle::csDropDown;
    const std::vector<std::wstring>& Items() const { return items_; }
    void SetItems(std::vector<std::wstring> items);
    std::wstring Text() const;
    void SetText(const std::wstring& text) { SetCaption(text); }
    int ItemIndex() const;
    void SetItemIndex(int i);
    int DropDownCount = 8;
    TNotifyEvent OnChange;
    void WndProc(TMessage& m) override;

protected:
    void CreateParams(TCreateParams& p) override;
    void AfterCreateHandle() override;
    std::vector<std::wstring> items_;
};

class TComboBox : public TCustomComboBox {
    ZUNO_COMPONENT_CLASS(TComboBox, TCustomComboBox)
public:
    explicit TComboBox(TComponent* owner) : TCustomComboBox(owner) {}
};

class TCustomListBox : public TWinControl {
    ZUNO_COMPONENT_CLASS(TCustomListBox, TWinControl)
public:
    explicit TCustomListBox(TComponent* owner);
    int Count() const { return static_cast<int>(items_.size()); }
    const std::wstring& Item(int i) const { return items_[static_cast<size_t>(i)]; }
    void Add(const std::wstring& item);
    void Clear();
    int ItemIndex() const;
    void SetItemIndex(int i);
    void WndProc(TMessage& m) override;

protected:
    void CreateParams(TCreateParams& p) override;
    void AfterCreateHandle() override;
    std::vector<std::wstring> items_;
};

class TListBox : public TCustomListBox {
    ZUNO_COMPONENT_CLASS(TListBox, TCustomListBox)
public:
    explicit TListBox(TComponent* owner) : TCustomListBox(owner) {}
};

}  // namespace zuno::forms
