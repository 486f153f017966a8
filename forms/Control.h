// Controls of the form layer: TControl (bounds, caption, colour, font, enabled,
// visible and the replaceable message handler), TWinControl (a real window) and
// TGraphicControl (painted by its parent, no window of its own).
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "forms/Component.h"
#include "forms/Graphics.h"
#include "forms/Messages.h"

namespace zuno::forms {

class TWinControl;
class TForm;

enum TShiftFlag : unsigned { ssShift = 1, ssAlt = 2, ssCtrl = 4 };
using TShiftState = unsigned;
TShiftState CurrentShiftState();

using TNotifyEvent = std::function<void(TComponent* sender)>;
using TKeyEvent = std::function<void(TComponent* sender, WORD& key, TShiftState shift)>;
using TKeyPressEvent = std::function<void(TComponent* sender, wchar_t& key)>;

struct TSizeConstraints {
    int MinWidth = 0, MinHeight = 0, MaxWidth = 0, MaxHeight = 0;  // 0: no limit
};

class TControl : public TComponent {
    ZUNO_COMPONENT_CLASS(TControl, TComponent)
public:
    explicit TControl(TComponent* owner);
    ~TControl() override;

    TWinControl* Parent() const { return parent_; }
    virtual void SetParent(TWinControl* parent);

    // Bounds in pixels, relative to the parent's client area.
    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    void SetLeft(int v) { SetBounds(v, top_, width_, height_); }
    void SetTop(int v) { SetBounds(left_, v, width_, height_); }
    void SetWidth(int v) { SetBounds(left_, top_, v, height_); }
    void SetHeight(int v) { SetBounds(left_, top_, width_, v); }
    virtual void SetBounds(int left, int top, int width, int height);
    RECT BoundsRect() const { return {left_, top_, left_ + width_, top_ + height_}; }
    virtual RECT ClientRect() const { return {0, 0, width_, height_}; }
    int ClientWidth() const { return ClientRect().right; }
    int ClientHeight() const { return ClientRect().bottom; }

    bool Visible() const { return visible_; }
    void SetVisible(bool v);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    // Visible here and in every parent.
    bool Showing() const;

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool v);

    const std::wstring& Caption() const { return caption_; }
    void SetCaption(const std::wstring& text);

    TColor Color() const { return color_; }
    // Setting a colour of its own ends following the parent's.
    void SetColor(TColor c);
    // Takes the parent's colour, now and whenever the parent's colour changes.
    bool ParentColor = false;
    TFont& Font() { return font_; }
    const TFont& Font() const { return font_; }
    bool ParentFont = false;
    // The text colour a skin gives the face this control paints in the skin's colour
    // (clNone: none). Set while a skin owns the control's colour.
    void SetFaceTextColor(TColor c);
    // The face text colour behind this control's text: its own, or its parent's while
    // it shows the parent's face (follows its colour, or is a transparent window-less
    // control); clNone when the face is not a skin's.
    TColor FaceTextColor() const;
    // The colour to draw text of `fontColor` in: the system text colours, which no one
    // picks on purpose, take the face's text colour so that they stay readable on a
    // dark skin; any other colour stays as set.
    TColor TextColorFor(TColor fontColor) const;
    TSizeConstraints Constraints;
    std::wstring Hint;

    // The replaceable message handler. It starts as this control's own WndProc.
    TWndMethod WindowProc;
    LRESULT Perform(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);
    virtual void WndProc(TMessage& m);
    virtual void DefaultHandler(TMessage& m);

    void Invalidate();
    virtual void Repaint();
    virtual void Click();
    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;

    TForm* ParentForm() const;

protected:
    virtual void BoundsChanged() {}
    virtual void TextChanged() {}
    virtual void ColorChanged() {}
    virtual void FontChanged() {}
    virtual void VisibleChanged() {}
    virtual void EnabledChanged() {}
    virtual bool ShowsParentFace() const { return ParentColor; }
    // The brush of this control's colour, created on demand and owned here.
    HBRUSH ColorBrush();

    TWinControl* parent_ = nullptr;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    RECT previousBounds_{};  // the bounds before the last SetBounds
    bool visible_ = true;
    bool enabled_ = true;
    std::wstring caption_;
    TColor color_ = clBtnFace;
    TColor faceTextColor_ = clNone;
    TFont font_;

private:
    friend class TWinControl;
    void FollowParentColor(TColor c);
    HBRUSH brush_ = nullptr;
    TColor brushColor_ = 0;
};

// A control painted by its parent: it receives WM_PAINT with the parent's DC in
// wParam, translated so that (0, 0) is its own top-left corner.
class TGraphicControl : public TControl {
    ZUNO_COMPONENT_CLASS(TGraphicControl, TControl)
public:
    explicit TGraphicControl(TComponent* owner) : TControl(owner) {}
    // Sends CM_RELEASE: without a window there is no WM_NCDESTROY to tell whoever
    // replaced the message handler that the control is going.
    ~TGraphicControl() override;
    void WndProc(TMessage& m) override;
    void Repaint() override;
    bool Transparent = false;
    bool MouseInside = false;

protected:
    bool ShowsParentFace() const override { return ParentColor || Transparent; }
    virtual void Paint(HDC dc) {}
    void BoundsChanged() override;
    void TextChanged() override { Invalidate(); }
    void ColorChanged() override { Invalidate(); }
    void FontChanged() override { Invalidate(); }
    void VisibleChanged() override;
};

struct TCreateParams {
    std::wstring ClassName;   // window class; empty: the control's own class
    DWORD Style = WS_CHILD | WS_CLIPSIBLINGS;
    DWORD ExStyle = 0;
    HWND WndParent = nullptr;
    // A system class (BUTTON, EDIT, …): its window procedure is kept as DefWndProc
    // and ours put in front. Our own classes are registered with ours directly.
    bool SystemClass = false;
    UINT ClassStyle = CS_DBLCLKS;
    // A top-level window's menu, attached as the window is made.
    HMENU Menu = nullptr;
};

class TWinControl : public TControl {
    ZUNO_COMPONENT_CLASS(TWinControl, TControl)
public:
    explicit TWinControl(TComponent* owner);
    ~TWinControl() override;

    // The window, created on first use together with those of its children.
    HWND Handle();
    HWND HandleIfAllocated() const { return hwnd_; }
    bool HandleAllocated() const { return hwnd_ != nullptr; }
    void HandleNeeded() { Handle(); }
    // A hidden control whose window can wait: its parent's window is made without it,
    // and it gets its own when it is first shown or its handle is first asked for.
    // The window is announced to the top window (CM_CONTROLLISTCHANGE) before it shows.
    bool HandleOnDemand = false;
    void RecreateWnd();
    void DestroyHandle();

    // The object of a window of ours, or null.
    static TWinControl* FromHandle(HWND hwnd);

    // Children in creation order (z-order follows it).
    const std::vector<TControl*>& Controls() const { return controls_; }
    int ControlCount() const { return static_cast<int>(controls_.size()); }
    void InsertControl(TControl* c);
    void RemoveControl(TControl* c);

    // While an update is open, the windows of this control's descendants are not
    // moved, shown or hidden one by one: the changes collect in the objects, and the
    // last EndUpdate gives each window only its net change, all in one batch. A control
    // hidden and shown again in between, at the same place, costs its window nothing.
    void BeginUpdate() { ++updateCount_; }
    void EndUpdate();
    bool Updating() const { return updateCount_ > 0; }

    bool TabStop = false;
    int TabOrder = 0;
    bool CanFocus() const;
    bool Focused() const;
    void SetFocus();

    // Paints through an off-screen bitmap of the client area copied to the window in
    // one step (the erase included), so the window never shows a half-painted state.
    bool DoubleBuffered = false;

    TKeyEvent OnKeyDown;
    TKeyEvent OnKeyUp;
    TKeyPressEvent OnKeyPress;
    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;

    void WndProc(TMessage& m) override;
    void DefaultHandler(TMessage& m) override;
    void Repaint() override;
    RECT ClientRect() const override;

    // The window procedure the control's window had before ours (the system class's
    // own procedure for standard controls); DefaultHandler ends there.
    WNDPROC DefWndProc = DefWindowProcW;

protected:
    virtual void CreateParams(TCreateParams& params);
    virtual void CreateWnd();
    // Runs once the window exists and before the children's windows are created.
    virtual void CreateWindowHandle(const TCreateParams& params);
    virtual void AfterCreateHandle() {}
    // Painting of a window of our own class, before the graphic children.
    virtual void PaintWindow(HDC dc) {}
    // Called when the font of this control changed, after the children that follow
    // their parent's font have been updated.
    void PropagateFont();
    // Gives the children that follow their parent's colour this control's colour.
    void PropagateColor();
    void BoundsChanged() override;
    void TextChanged() override;
    void FontChanged() override;
    void ColorChanged() override;
    void VisibleChanged() override;
    void EnabledChanged() override;
    // A control that is hidden or disabled while it (or a child) has the focus hands
    // the focus to its form, so that the form's keys (Esc, Enter) still arrive.
    void DefocusToForm();

    // Paints the window-less children over what the window itself painted.
    void PaintControls(HDC dc);
    // Default WM_PAINT: the window's own painting, then the graphic children.
    void PaintHandler(TMessage& m);
    // WM_PAINT of a double-buffered window: erase and paint go to a bitmap, through
    // this control's message handler, and the bitmap to the window.
    void BufferedPaint(TMessage& m);
    // WM_CTLCOLOR* for this control: its font colour on its own colour.
    void CtlColor(TMessage& m);
    // Sends a notification meant for a child window to that child as CN_BASE + msg.
    bool ReflectToChild(TMessage& m);

    // Whether the parent's window, or its arrival, makes this control's window now.
    bool WindowWithParent() const { return !HandleOnDemand || visible_; }
    // Tells the top window that control `c` joined a window that already exists.
    void AnnounceToTop(TControl* c);

    HWND hwnd_ = nullptr;
    std::vector<TControl*> controls_;
    TGraphicControl* hoverGraphic_ = nullptr;
    // A window-less child that took the mouse with a button press: this window holds
    // the capture for it and hands it the mouse until the button is released.
    TGraphicControl* captureGraphic_ = nullptr;

private:
    friend LRESULT CALLBACK ControlWndProc(HWND, UINT, WPARAM, LPARAM);
    // True when an ancestor holds an update open: the window change waits.
    bool DeferWindowChange();
    // Gives the window the object's visibility and bounds now.
    void ApplyWindowState();
    void CollectPending(std::vector<TWinControl*>& out);
    int updateCount_ = 0;
    bool windowPending_ = false;
    void TrackGraphicHover(int x, int y);
    bool RouteMouseToGraphic(TMessage& m);
    void KeyMessage(TMessage& m);
    bool mouseInside_ = false;
    bool ownClass_ = false;
};

LRESULT CALLBACK ControlWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

}  // namespace zuno::forms
