// TWinSkinMenu and TMenuBtn: the skinned menu bar a frame draws in place of the
// window's native menu bar, one TMenuBtn per top-level item of the form's main menu.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "forms/Menus.h"
#include "skin/frames/GdiSurface.h"
#include "skin/menus/core/MenuBarLayout.h"
#include "skin/titlebuttons/core/TitleButtonRules.h"

namespace zuno::skin::frames {
class TWinSkinForm;
class TSkinData;
}  // namespace zuno::skin::frames

namespace zuno::skin::menus {

class TWinSkinMenu;

class TMenuBtn : public titlebuttons::TNCObject {
public:
    TMenuBtn(TWinSkinMenu& bar, titlebuttons::NCHost& host);
    void Paint() override;

    int Index = 0;
    std::wstring Caption;
    bool Enabled = true;
    UINT Command = 0;
    HMENU DropDown = nullptr;  // the item's sub-items; null when it has none

private:
    TWinSkinMenu& bar_;
};

class TWinSkinMenu {
public:
    TWinSkinMenu(frames::TWinSkinForm& frame, frames::TSkinData* data);
    ~TWinSkinMenu();
    TWinSkinMenu(const TWinSkinMenu&) = delete;
    TWinSkinMenu& operator=(const TWinSkinMenu&) = delete;

    // Takes the window's menu as the native menu, builds one item per top-level item
    // of the form's main menu and detaches the native menu from the window.
    // A plain window (no form object) shows its native menu's items instead.
    void LoadFromMainMenu();
    // After the last MDI child closed: the same from the form's main menu, unless it
    // has no items (then the window keeps its native menu).
    void ReloadFromMainMenu();
    // After WM_MDISETMENU: the items of `menu` (or of the native menu when null);
    // owner-drawn entries take their captions from the main menu's items.
    void LoadFromMenuHandle(HMENU menu);
    // Paints the bar into `rect` (window coordinates) of the window DC.
    void PaintBar(HDC dc, Rect rect);
    // The first item with a caption under the window point, or null.
    TMenuBtn* ItemAt(POINT windowPoint) const;
    bool Owns(const titlebuttons::TNCObject* object) const;

    const std::vector<std::unique_ptr<TMenuBtn>>& Items() const { return items_; }
    forms::TMainMenu* MainMenu() const { return mainMenu_; }
    HMENU NativeMenu() const { return nativeMenu_; }
    const Rect& BarRect() const { return barRect_; }

private:
    friend class TMenuBtn;
    void ReadMainMenu(bool reload);
    void DropItems();
    void DrawCaption(HDC dc, const TMenuBtn& item, RECT r) const;
    HFONT MenuFont();

    frames::TWinSkinForm& frame_;
    frames::TSkinData* data_;          // borrowed
    std::vector<std::unique_ptr<TMenuBtn>> items_;
    forms::TMainMenu* mainMenu_ = nullptr;
    HMENU nativeMenu_ = nullptr;       // the window's menu, given back by Detach
    Rect barRect_;                     // window coordinates at the last paint
    frames::DibSurface background_;    // the bar as painted before the item texts
    HFONT font_ = nullptr;             // owned: the system menu font
};

// Tracking of one drop-down of a skinned menu bar at a time, in the whole program.
// The message-filter hook slides from one drop-down to the next by mouse and arrow
// keys while TrackPopupMenu runs.
// `selectFirst`: select the drop-down's first item once its menu loop runs.
void StartMenuTracking(frames::TWinSkinForm* frame, int openIndex, bool selectFirst);
void EndMenuTracking();
LRESULT CALLBACK MenuFilterHook(int code, WPARAM wParam, LPARAM lParam);
// The top-level item next to the open one, wrapping round; null without tracking.
TMenuBtn* NeighbourItem(bool forward);
// WM_MENUSELECT at the frame whose drop-down is open.
void MenuSelected(frames::TWinSkinForm* frame, WPARAM wParam, LPARAM lParam);
// The frame is going: tracking must not refer to it any more.
void ForgetTrackingFrame(const frames::TWinSkinForm* frame);
frames::TWinSkinForm* TrackingFrame();
// A bar item is about to be clicked by a posted button-down on behalf of the keyboard
// (Alt + letter, an arrow key sliding on): remembers its screen point.
void ExpectKeyboardClick(LPARAM screenPoint);
// Whether the button-down at `screenPoint` is that keyboard click; every button-down
// uses the expectation up, so a lost click cannot pass it on to a real one.
bool TakeKeyboardClick(LPARAM screenPoint);

}  // namespace zuno::skin::menus
