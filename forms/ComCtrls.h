// The common controls, each over its Win32 common control: tab and page controls,
// status bar, progress bar, track bar, up-down, tool bar with its buttons, list view;
// plus the tab set (drawn by us, with an up-down as its scroller) and the scroll box.
// The object keeps the state so that it survives a re-created window.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

#include "forms/Control.h"
#include "forms/ExtCtrls.h"

namespace zuno::forms {

enum class TTabPosition { tpTop, tpBottom, tpLeft, tpRight };

// Shared by TTabControl and TPageControl: the tabs of a SysTabControl32.
class TCustomTabControl : public TWinControl {
    ZUNO_COMPONENT_CLASS(TCustomTabControl, TWinControl)
public:
    explicit TCustomTabControl(TComponent* owner);
    TTabPosition TabPosition = TTabPosition::tpTop;  // set before the window exists
    int TabIndex() const { return tabIndex_; }
    void SetTabIndex(int i);
    int TabCount() const { return static_cast<int>(tabs_.size()); }
    // The page area inside the tabs, in client coordinates.
    RECT DisplayRect();
    TNotifyEvent OnChange;
    void WndProc(TMessage& m) override;

protected:
    void CreateParams(TCreateParams& p) override;
    void AfterCreateHandle() override;
    void InsertTab(int index, const std::wstring& caption);
    virtual void Changed();
    std::vector<std::wstring> tabs_;
    int tabIndex_ = -1;
};

class TTabControl : public TCustomTabControl {
    ZUNO_COMPONENT_CLASS(TTabControl, TCustomTabControl)
public:
    explicit TTabControl(TComponent* owner) : TCustomTabControl(owner) {}
    void AddTab(const std::wstring& caption) { InsertTab(TabCount(), caption); }
};

class TTabSheet : public TWinControl {
    ZUNO_COMPONENT_CLASS(TTabSheet, TWinControl)
public:
    explicit TTabSheet(TComponent* owner) : TWinControl(owner) { ParentColor = true; }

protected:
    void CreateParams(TCreateParams& p) override;
};

// Tabs over pages: only the active page is visible, sized to the display rectangle.
class TPageControl : public TCustomTabControl {
    ZUNO_COMPONENT_CLASS(TPageControl, TCustomTabControl)
public:
    explicit TPageControl(TComponent* owner) : TCustomTabControl(owner) {}
    // A new page owned and parented by this control, with its tab.
    TTabSheet* AddPage(const std::wstring& caption);
    int PageCount() const { return static_cast<int>(pages_.size()); }
    TTabSheet* Pages(int i) const { return pages_[static_cast<size_t>(i)]; }
    TTabSheet* ActivePage() const;

protected:
    void Changed() override;
    void BoundsChanged() override;
    void AfterCreateHandle() override;

private:
    void PlacePages();
    std::vector<TTabSheet*> pages_;
};

enum class TUDOrientation { udHorizontal, udVertical };

class TUpDown : public TWinControl {
    ZUNO_COMPONENT_CLASS(TUpDown, TWinControl)
public:
    explicit TUpDown(TComponent* owner);
    TUDOrientation Orientation = TUDOrientation::udVertical;  // before the window exists
    int Min() const { return min_; }
    int Max() const { return max_; }
    int Position() const { return position_; }
    void SetRange(int min, int max);
    void SetPosition(int v);
    // Runs after each step with the new position; `up` for the up/right half.
    std::function<void(TComponent* sender, bool up)> OnClickButton;
    void WndProc(TMessage& m) override;

protected:
    void CreateParams(TCreateParams& p) override;
    void AfterCreateHandle() override;

private:
    int min_ = 0, max_ = 100, position_ = 0;
};

// Tabs hanging from the top edge, drawn by us; its first owned component is the
// scroller (a horizontal TUpDown) shown while the tabs do not all fit.
class TTabSet : public TWinControl {
    ZUNO_COMPONENT_CLASS(TTabSet, TWinControl)
public:
    explicit TTabSet(TComponent* owner);
    std::vector<std::wstring> Tabs;  // call TabsChanged after editing
    void TabsChanged();
    int TabIndex() const { return tabIndex_; }
    void SetTabIndex(int i);
    int FirstIndex() const { return firstIndex_; }
    void SetFirstIndex(int i);
    int StartMargin = 5;
    int EndMargin = 5;
    TUpDown* Scroller() const { return scroller_; }
    // The font tab captions are measured and drawn with.
    HFONT CanvasFont() const { return font_.Handle(); }
    // Caption widths in pixels, as drawn.
    std::vector<int> CaptionWidths();
    TNotifyEvent OnChange;
    void WndProc(TMessage& m) override;

protected:
    void PaintWindow(HDC dc) override;
    void BoundsChanged() override;
    void AfterCreateHandle() override;

private:
    void UpdateScroller();
    int TabAt(int x);
    TUpDown* scroller_ = nullptr;  // owned component and child control
    int tabIndex_ = -1;
    int firstIndex_ = 0;
};

enum class TStatusPanelBevel { pbNone, pbLowered, pbRaised };

struct TStatusPanel {
    std::wstring Text;
    int Width = 50;
    TAlignment Alignment = TAlignment::taLeftJustify;
    TStatusPanelBevel Bevel = TStatusPanelBevel::pbLowered;
    bool RightToLeft = false;  // bidirectional mode right-to-left
};

class TStatusBar : public TWinControl {
    ZUNO_COMPONENT_CLASS(TStatusBar, TWinControl)
public:
    explicit TStatusBar(TComponent* owner);
    std::vector<TStatusPanel> Panels;  // call PanelsChanged after editing
    void PanelsChanged();
    bool SimplePanel = false;
    std::wstring SimpleText;
    bool SizeGrip() const { return sizeGrip_; }
    void SetSizeGrip(bool v);
    // Keeps the bar at the bottom of its parent, full width.
    void AlignToParent();

protected:
    void CreateParams(TCreateParams& p) override;
    void AfterCreateHandle() override;

private:
    bool sizeGrip_ = true;
};

class TProgressBar : public TWinControl {
    ZUNO_COMPONENT_CLASS(TProgressBar, TWinControl)
public:
    explicit TProgressBar(TComponent* owner);
    bool Smooth = false;  // before the window exists
    int Min() const { return min_; }
    int Max() const { return max_; }
    int Position() const { return position_; }
    void SetRange(int min, int max);
    void SetPosition(int v);

protected:
    void CreateParams(TCreateParams& p) override;
    void AfterCreateHandle() override;

private:
    int min_ = 0, max_ = 100, position_ = 0;
};

enum class TTrackBarOrientation { trHorizontal, trVertical };

class TTrackBar : public TWinControl {
    ZUNO_COMPONENT_CLASS(TTrackBar, TWinControl)
public:
    explicit TTrackBar(TComponent* owner);
    TTrackBarOrientation Orientation = TTrackBarOrientation::trHorizontal;
    int Min() const { return min_; }
    int Max() const { return max_; }
    int Position() const;
    void SetRange(int min, int max);
    void SetPosition(int v);
    TNotifyEvent OnChange;
    void WndProc(TMessage& m) override;

protected:
    void CreateParams(TCreateParams& p) override;
    void AfterCreateHandle() override;

private:
    int min_ = 0, max_ = 10, position_ = 0;
};

class TToolBar;

// One button of a tool bar; not a window of its own.
class TToolButton : public TComponent {
    ZUNO_COMPONENT_CLASS(TToolButton, TComponent)
public:
    explicit TToolButton(TToolBar* toolBar);
    std::wstring Caption;
    bool Enabled = true;
    bool Down = false;       // a check button's state
    bool Check = false;      // toggles on each click
    TNotifyEvent OnClick;
    int Command() const { return command_; }
    // The button's rectangle in the tool bar's client area.
    RECT BoundsRect() const;

private:
    friend class TToolBar;
    TToolBar* toolBar_;
    int command_;
};

// (Sender, Button, custom-draw item state, the canvas's device context, var
// DefaultDraw): painting before the tool bar draws a button.
using TCustomDrawButtonEvent =
    std::function<void(TToolBar* sender, TToolButton* button, UINT state, HDC canvas, bool& defaultDraw)>;

class TToolBar : public TWinControl {
    ZUNO_COMPONENT_CLASS(TToolBar, TWinControl)
public:
    explicit TToolBar(TComponent* owner);
    bool Flat = true;
    bool Transparent = false;
    bool ShowCaptions = true;
    TToolButton* AddButton(const std::wstring& caption);
    int ButtonCount() const { return static_cast<int>(buttons_.size()); }
    TToolButton* Buttons(int i) const { return buttons_[static_cast<size_t>(i)]; }
    void ButtonChanged(TToolButton* button);
    TCustomDrawButtonEvent OnCustomDrawButton;
    // Set by the OnCustomDrawButton handler when it has drawn the button's face: the
    // tool bar then adds no edges, checked pattern or etched disabled caption of its
    // own. Cleared before every call.
    bool FacesPainted = false;
    void WndProc(TMessage& m) override;

protected:
    void CreateParams(TCreateParams& p) override;
    void AfterCreateHandle() override;

private:
    friend class TToolButton;
    void InsertNative(TToolButton* b);
    TToolButton* ByCommand(int command) const;
    void CustomDraw(TMessage& m);
    std::vector<TToolButton*> buttons_;
    int nextCommand_ = 1;
};

struct TListColumn {
    std::wstring Caption;
    int Width = 80;
    TAlignment Alignment = TAlignment::taLeftJustify;
};

// A list view in report style: columns with a header, rows of texts.
class TCustomListView : public TWinControl {
    ZUNO_COMPONENT_CLASS(TCustomListView, TWinControl)
public:
    explicit TCustomListView(TComponent* owner);
    void AddColumn(const TListColumn& column);
    // A row: its caption and the texts of the further columns.
    void AddItem(const std::vector<std::wstring>& texts);
    void Clear();
    int ItemCount() const { return static_cast<int>(rows_.size()); }
    int ItemIndex() const;
    void SetItemIndex(int i);
    HWND HeaderHandle();

protected:
    void CreateParams(TCreateParams& p) override;
    void AfterCreateHandle() override;

private:
    void InsertNativeColumn(int i);
    void InsertNativeRow(int i);
    std::vector<TListColumn> columns_;
    std::vector<std::vector<std::wstring>> rows_;
};

class TListView : public TCustomListView {
    ZUNO_COMPONENT_CLASS(TListView, TCustomListView)
public:
    explicit TListView(TComponent* owner) : TCustomListView(owner) {}
};

// A container whose children scroll: its scroll bars cover the extent of the
// children; scrolling moves them.
class TScrollBox : public TWinControl {
    ZUNO_COMPONENT_CLASS(TScrollBox, TWinControl)
public:
    explicit TScrollBox(TComponent* owner);
    // Re-reads the children's extent (call after adding or moving children).
    void Realign();
    int VertPosition() const { return vpos_; }
    int HorzPosition() const { return hpos_; }
    void ScrollTo(int horz, int vert);
    void WndProc(TMessage& m) override;

protected:
    void CreateParams(TCreateParams& p) override;
    void AfterCreateHandle() override { Realign(); }
    void BoundsChanged() override;

private:
    void Scroll(int bar, int code);
    int vpos_ = 0, hpos_ = 0;
    int extentW_ = 0, extentH_ = 0;  // of the children, at position 0
    bool realigning_ = false;
};

}  // namespace zuno::forms
