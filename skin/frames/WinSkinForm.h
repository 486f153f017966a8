// Module WinSkinForm: TWinSkinForm, the frame the skin manager attaches to a top-level
// window. It replaces the window procedure, reserves and paints a non-client area
// from the skin's border bitmaps (caption, title buttons, menu bar), cuts the window
// region, follows activation and window state, and keeps the client size.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "forms/ExtCtrls.h"
#include "forms/Form.h"
#include "forms/Menus.h"
#include "skin/frames/GdiSurface.h"
#include "skin/frames/core/FrameGeometry.h"
#include "skin/titlebuttons/core/TitleButtonRules.h"

namespace zuno::skin::menus {
class TWinSkinMenu;
class TMenuBtn;
struct MenuItemView;
}  // namespace zuno::skin::menus

namespace zuno::skin::titlebuttons {
class TWinSysButton;
}

namespace zuno::skin::controls {
class TSkinControl;
}

namespace zuno::skin::frames {

class TSkinData;

class TWinSkinForm : public titlebuttons::NCHost {
public:
    enum LifecycleState {
        lsCreated = 0, lsSkinned = 1, lsRefreshing = 3, lsDestroying = 4, lsResizing = 5, lsDead = 6
    };
    enum class FrameKind { Normal, MdiParent, MdiChild };
    enum class WindowState { Normal, Maximised, Minimised };

    // `owner`: the window's form object, or null for a plain window.
    explicit TWinSkinForm(forms::TForm* owner);
    ~TWinSkinForm();
    TWinSkinForm(const TWinSkinForm&) = delete;
    TWinSkinForm& operator=(const TWinSkinForm&) = delete;

    HWND Handle = nullptr;  // the window; set by the manager before attaching

    void AttachForm(TSkinData* data, forms::TForm* form);
    void AttachWindow(TSkinData* data);
    // While held, the window's frame and background are not painted (they stay due):
    // set by the manager around attaching to a window on screen and its first show.
    void HoldPainting(bool on) { holdPainting_ = on; }
    void LoadFrameMetrics();
    void FreeTitleButtons();
    void RefreshSkin();
    void Detach();
    void DetachForDestroy();
    void SetCaptionStyles(bool restore);
    void UpdateRegion();
    void RemoveRegion();
    void PaintFrame(HDC dc);
    bool IsMdiChildMaximised() const;
    // Frames the MDI children that exist already: the hook never activates them and
    // the client's creation messages only catch children created while framed.
    void FrameExistingMdiChildren();
    void ResizeToClient(bool keepHeight);
    void ReshapeOnce(bool keepHeight);

    // Title buttons and window commands.
    void LayoutTitleButtons();
    void PaintTitleButtons(HDC dc, SkinBitmap& pixels);
    void PerformButtonAction(int x, int y);
    void ShowSystemMenu(int x, int y);
    void ToggleMaximise();
    void ToggleMinimise();
    void RestoreWindow();
    void SendMdiChildCommand(UINT command);
    // Draws the buttons of a maximised MDI child into the menu bar's image
    // (`bar`: the strip in window coordinates); called by the menu bar painter.
    void PaintMdiButtons(SkinBitmap& barPixels, Rect bar);

    // The menu bar.
    // `byKeyboard`: the drop-down opens with its first item selected, as one opened
    // from the keyboard does; one opened by the mouse has no item selected.
    void OpenMenuItem(menus::TMenuBtn* item, bool byKeyboard = false);
    void ClickMenuItem(menus::TMenuBtn* item, bool byKeyboard = false);
    // After a drop-down closed: its item is drawn normal, or hot under the pointer.
    void LetGoOfMenuItem(menus::TMenuBtn* item);
    menus::TMenuBtn* FindAccelItem(wchar_t key) const;
    bool MenuTracking = false;  // a drop-down of the menu bar is open
    HMENU OpenDropDown() const { return openDropDown_; }
    // Every item of the drop-down gets MFT_OWNERDRAW; texts stay (GetMenuString).
    void MakeMenuOwnerDraw(HMENU menu);

    // Popup-menu items drawn from the skin (skin/menus).
    void DrawMenuItem(forms::TMenuItem* item, forms::TCanvas& canvas, RECT rect, forms::TOwnerDrawState state);
    void MeasurePopupItem(forms::TMenuItem* item, forms::TCanvas& canvas, int& width, int& height);
    void MeasureMenuItem(forms::TMenuItem* item, forms::TCanvas& canvas, int& width, int& height);
    void DrawHandleMenuItem(HMENU menu, const menus::MenuItemView& item, bool selected, RECT rect, HDC dc);
    void DrawMenuItemPlain(const menus::MenuItemView& item, HDC dc, bool selected, RECT rect);
    void DrawSkinnedSeparator(DibSurface& target, Rect rect);
    void DrawMenuItemContent(const menus::MenuItemView& item, HDC dc, bool selected, RECT r);
    void DrawMenuText(const menus::MenuItemView& item, HDC dc, UINT flags, bool selected, RECT& rect,
                      std::wstring text);
    menus::MenuItemView TempItemFromHandle(HMENU menu, UINT id);
    // The form's popup menu objects owner-drawn by the frame (on) or not (off).
    void InstallPopupHandlers(forms::TForm* form, bool on);
    // A tool button's or tool bar's item tree drawn by the frame until it detaches.
    void InstallMenuHandlers(forms::TMenuItem* item);

    // State read by the manager, the title buttons and the menu bar.
    TSkinData* SkinData() const { return data_; }
    forms::TForm* Form() const { return form_; }
    int Lifecycle() const { return lifecycle_; }
    bool InDispatch() const { return depth_ > 0; }
    FrameKind Kind() const { return kind_; }
    bool RegionSet() const { return regionSet_; }
    WindowState State() const { return state_; }
    void SetState(WindowState s) { state_ = s; }
    bool Active() const { return active_; }
    const FrameMetrics& Metrics() const { return m_; }
    int MenuBarHeight() const { return menuBarHeight_; }
    bool RightToLeft() const { return rtl_; }
    std::uint8_t ButtonFlags() const { return flags_; }
    HICON Icon() const { return icon_; }
    const std::wstring& Text() const { return text_; }
    menus::TWinSkinMenu* MenuBar() const { return menuBar_.get(); }
    DibSurface& Caption() { return caption_; }
    const std::vector<std::unique_ptr<titlebuttons::TWinSysButton>>& Buttons() const { return buttons_; }
    forms::TTimer& HoverTimer() { return hoverTimer_; }
    // Screen point -> window point, assuming the client area starts where
    // WM_NCCALCSIZE put it.
    POINT ScreenToWindow(POINT screen) const;

    // The frame of a window it subclasses, or null.
    static TWinSkinForm* FromWindow(HWND window);

    // Control wrappers of this window, in attachment order. Listed, not owned: a
    // wrapper belongs to its control (or to the frame, for plain windows), but the
    // frame frees every one of them when it lets go of the window.
    std::vector<controls::TSkinControl*> Wrappers;
    // The push-button wrapper under the mouse; told when the mouse has gone.
    controls::TSkinControl* HoveredButton = nullptr;
    void AddWrapper(controls::TSkinControl* wrapper);
    void RemoveWrapper(controls::TSkinControl* wrapper);
    void FreeWrappers();
    void FreeDeadWrappers();
    // Frees dead wrappers, then wraps the controls of the window.
    void DiscoverControls();
    // Wraps a control placed on the form after the frame attached.
    void OnControlAdded(forms::TControl* control);
    // Lent to the wrappers for painting off-screen.
    DibSurface& WorkSurface() { return workSurface_; }

private:
    static LRESULT CALLBACK FrameWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK MdiClientWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT Forward(UINT msg, WPARAM wParam, LPARAM lParam);
    bool Stage1(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);
    bool Stage2(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);
    LRESULT Stage3(UINT msg, WPARAM wParam, LPARAM lParam, bool continued);
    void FormHandler(forms::TMessage& m);

    LRESULT OnEraseBackground(WPARAM wParam, LPARAM lParam);
    LRESULT OnSetText(WPARAM wParam, LPARAM lParam);
    LRESULT OnSize(WPARAM wParam, LPARAM lParam);
    LRESULT OnGetMinMaxInfo(LPARAM lParam);
    LRESULT OnCommand(WPARAM wParam, LPARAM lParam);
    LRESULT OnSysCommand(WPARAM wParam, LPARAM lParam);
    LRESULT OnFirstShow();
    LRESULT OnMenuChanged(WPARAM wParam, LPARAM lParam);
    LRESULT OnNcCalcSize(WPARAM wParam, LPARAM lParam);
    LRESULT OnNcHitTest(WPARAM wParam, LPARAM lParam);
    LRESULT OnNcPaint(WPARAM wParam);
    LRESULT OnNcActivate(WPARAM wParam, LPARAM lParam);
    LRESULT OnNcMouseMove(WPARAM wParam, LPARAM lParam);
    LRESULT OnNcLButtonDown(WPARAM wParam, LPARAM lParam);
    LRESULT OnNcLButtonUp(WPARAM wParam, LPARAM lParam);
    LRESULT OnNcRButtonDown(WPARAM wParam, LPARAM lParam);
    LRESULT OnNcLButtonDblClk();
    LRESULT OnMenuItemDrawing(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT OnInitMenuPopup(WPARAM wParam, LPARAM lParam);
    forms::TMenuItem* BarItemByCommand(UINT command) const;
    void MeasureHandleItem(MEASUREITEMSTRUCT& mis);
    bool FillItemBackground(DibSurface& b, HMENU menu, RECT rect);
    void DrawItemImage(DibSurface& b, bool selected);
    void SetItemHandlers(forms::TMenuItem* item, bool popupMeasure);
    void RemoveMenuHandlers();
    bool DialogChar(forms::TMessage& m);
    void HoverTick();
    titlebuttons::TNCObject* HitObject(POINT windowPoint) const;

    void ReadStateFromPlacement();
    void BuildSmallIcon();
    void BuildSystemMenu();
    void Subclass();
    void Unsubclass();

    // The MDI client of an MDI parent (MdiFrame.cpp).
    void SubclassMdiClient();
    void UnsubclassMdiClient();
    LRESULT MdiClientProc(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT ForwardMdiClient(UINT msg, WPARAM wParam, LPARAM lParam);
    void SyncMdiMaximised();
    void ReloadMenuBar(HMENU menu);
    void UnhookForm();
    void FreeMenuBar(bool giveBack);
    void SwitchAnimationOff();
    void RestoreAnimation();
    bool Owned() const;

    // Painting (FramePaint.cpp).
    void PaintBorderPiece(HDC dc, int index, Rect rect, SkinBitmap* keep);
    SkinBitmap ComposePiece(int index, int width, int height) const;
    // With a null DC the caption is only composed into the caption bitmap.
    void PaintCaption(HDC dc, int w, const SkinBitmap& leftImage, const SkinBitmap& rightImage);
    void ComposeCaption();
    void ExposeUncovered(HRGN before);
    void PaintCaptionText(HDC captionDc, SkinBitmap& pixels, int w);

    forms::TForm* form_;             // borrowed; null for plain windows and once it is gone
    TSkinData* data_ = nullptr;      // borrowed from the manager's list
    std::string className_;
    std::wstring text_;
    WNDPROC savedProc_ = nullptr;    // set while the window is subclassed
    forms::TWndMethod savedFormHandler_;
    bool formHooked_ = false;
    int formHandlerDepth_ = 0;
    HWND mdiClient_ = nullptr;
    WNDPROC mdiClientProc_ = nullptr;  // the MDI client's own, set while we subclass it
    HWND mdiChildCreating_ = nullptr;  // created by WM_MDICREATE, framed at WM_MDIREFRESHMENU
    bool savedMenuUpdate_ = true;      // the skin data's MenuUpdate before the first child
    HWND owner_ = nullptr;
    HMENU systemMenu_ = nullptr;     // the window's own, borrowed
    HMENU nativeMenu_ = nullptr;     // the window's menu at attachment, given back on Detach

    FrameKind kind_ = FrameKind::Normal;
    BorderKind border_ = BorderKind::Single;
    std::uint8_t flags_ = 0;
    bool rtl_ = false;
    DWORD style_ = 0;

    FrameMetrics m_;
    int menuBarHeight_ = 0;
    SIZE nativeExtra_{};             // window size minus client size before attachment
    RECT savedClient_{};
    SIZE lastRegionSize_{-1, -1};
    int regionBuilds_ = 0;           // counts rebuilt regions
    bool deferRedraw_ = false;       // size and region change without painting
    RECT paintRect_{};               // window rectangle (screen) at the last paint
    Rect titleRect_;
    int largestRightLeft_ = 0;

    bool active_ = true;
    WindowState state_ = WindowState::Normal;
    int lifecycle_ = lsCreated;
    bool framePainting_ = false;     // xcMainMenu in the skin data's SkinControls
    int depth_ = 0;                  // nesting of our window procedure and form handler

    HFONT captionFont_ = nullptr;    // owned
    forms::TTimer hoverTimer_;
    std::vector<std::unique_ptr<titlebuttons::TWinSysButton>> buttons_;
    std::unique_ptr<forms::TPopupMenu> systemMenuPopup_;
    SkinBitmap smallIcon_;
    HICON icon_ = nullptr;           // the window's, borrowed
    std::unique_ptr<menus::TWinSkinMenu> menuBar_;
    HMENU openDropDown_ = nullptr;   // the menu bar's drop-down while it is tracked
    // Menu-item handlers reach the frame through this link; it is cut when the frame
    // detaches, so items that outlive the frame never call it.
    struct HandlerLink {
        TWinSkinForm* frame;
    };
    std::shared_ptr<HandlerLink> handlerLink_;
    std::vector<forms::TMenuItem*> menuItems_;   // given handlers by InstallMenuHandlers
    std::vector<forms::TMenuItem*> popupItems_;  // given handlers by InstallPopupHandlers
    DibSurface caption_;             // the caption strip as last painted
    DibSurface workSurface_;         // lent to the control wrappers
    bool captionPainted_ = false;
    bool holdPainting_ = false;      // see HoldPainting
    bool regionSet_ = false;         // the window system owns a region we set
    forms::TColor savedColour_ = 0;
    DWORD lastSysMenuTime_ = 0;
    UINT doubleClickTime_;
    bool animationWasOn_ = false;    // switched off by a toggle; back after the command
};

// Places in a window's procedure chain (ours, for a frame or an MDI client) whose
// frame has let go while another subclass sat on top: each passes messages on to
// the procedure it had replaced.
std::unordered_map<HWND, WNDPROC>& PassThroughProcs();
LRESULT PassThrough(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
// The window text as WM_GETTEXT gives it (at most 999 characters).
std::wstring ReadWindowText(HWND window);

}  // namespace zuno::skin::frames
