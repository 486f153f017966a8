// Menus of the form layer: TMenuItem (caption, state, shortcut, image, command id,
// sub-items, click and owner-draw events), TMainMenu and TPopupMenu. Each item with
// sub-items owns a native popup menu that follows every change at once (a deferred
// one from the moment it is first opened).
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

#include "forms/Component.h"
#include "forms/Graphics.h"

namespace zuno::forms {

class TForm;
class TMenu;

// A shortcut: virtual-key code in the low byte plus the modifier bits.
using TShortCut = WORD;
inline constexpr TShortCut scShift = 0x2000;
inline constexpr TShortCut scCtrl = 0x4000;
inline constexpr TShortCut scAlt = 0x8000;
TShortCut ShortCut(WORD key, unsigned shiftState);
// "Ctrl+C", "F3", "Shift+Del"; empty for none.
std::wstring ShortCutToText(TShortCut sc);

// A small image list for menu item images.
class TImageList : public TComponent {
    ZUNO_COMPONENT_CLASS(TImageList, TComponent)
public:
    TImageList(TComponent* owner, int width, int height);
    ~TImageList() override;
    int Width() const { return width_; }
    int Height() const { return height_; }
    int Count() const;
    // Adds a 32-bit top-down picture of Width x Height; magenta is transparent.
    int Add(HBITMAP bitmap);
    // Pictures from a bitmap resource of the program, `mask` transparent, added when
    // the list is first used (the system's image lists are not loaded before then).
    void AddResourceWhenUsed(const wchar_t* resource, COLORREF mask);
    void Draw(HDC dc, int x, int y, int index, bool enabled) const;
    // The system image list, made on first use; null when it cannot be.
    HIMAGELIST Handle() const;

private:
    int width_, height_;
    mutable HIMAGELIST list_ = nullptr;
    mutable bool made_ = false;
    const wchar_t* resource_ = nullptr;
    COLORREF resourceMask_ = 0;
};

enum TOwnerDrawStateFlag : unsigned {
    odSelected = ODS_SELECTED, odGrayed = ODS_GRAYED, odDisabled = ODS_DISABLED,
    odChecked = ODS_CHECKED, odFocused = ODS_FOCUS, odDefault = ODS_DEFAULT,
    odHotLight = ODS_HOTLIGHT, odNoAccel = ODS_NOACCEL,
};
using TOwnerDrawState = unsigned;

class TMenuItem;
using TAdvancedMenuDrawItemEvent =
    std::function<void(TMenuItem* sender, TCanvas& canvas, RECT rect, TOwnerDrawState state)>;
using TMenuMeasureItemEvent = std::function<void(TMenuItem* sender, TCanvas& canvas, int& width, int& height)>;

class TMenuItem : public TComponent {
    ZUNO_COMPONENT_CLASS(TMenuItem, TComponent)
public:
    explicit TMenuItem(TComponent* owner);
    ~TMenuItem() override;

    const std::wstring& Caption() const { return caption_; }
    void SetCaption(const std::wstring& caption);
    void SetCaption(std::wstring&& caption);
    bool IsLine() const { return caption_ == L"-"; }
    bool Checked() const { return checked_; }
    void SetChecked(bool v);
    bool RadioItem() const { return radioItem_; }
    void SetRadioItem(bool v);
    int GroupIndex = 0;
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool v);
    bool Visible() const { return visible_; }
    void SetVisible(bool v);
    bool Default() const { return default_; }
    void SetDefault(bool v);
    TShortCut ShortCut() const { return shortCut_; }
    void SetShortCut(TShortCut sc);
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int i);

    // The command id Windows reports for this item; unique in the program.
    UINT Command() const { return command_; }
    // The native popup menu of the sub-items; null while the item has none.
    HMENU Handle() const { return handle_; }
    TMenuItem* Parent() const { return parent_; }
    TMenu* GetParentMenu() const;
    int Count() const { return static_cast<int>(items_.size()); }
    TMenuItem* Items(int i) const { return items_[static_cast<size_t>(i)]; }
    int IndexOf(const TMenuItem* item) const;

    void Add(TMenuItem* item) { Insert(Count(), item); }
    void Insert(int index, TMenuItem* item);
    void Remove(TMenuItem* item);
    void Clear();  // removes and destroys every sub-item

    std::function<void(TMenuItem* sender)> OnClick;
    TAdvancedMenuDrawItemEvent OnAdvancedDrawItem;
    TMenuMeasureItemEvent OnMeasureItem;
    virtual void Click();

    // Owner draw: the events when set, else a plain default look.
    void DoAdvancedDraw(HDC dc, RECT rect, TOwnerDrawState state);
    void DoMeasure(HDC dc, int& width, int& height);
    // The measuring used without a measure event: caption and shortcut text.
    void DefaultMeasure(HDC dc, int& width, int& height) const;

    static TMenuItem* FindByCommand(UINT command);
    static TMenuItem* FromItemData(ULONG_PTR data);

    // For submenus of thousands of entries: their native entries are made all at
    // once when the submenu is first opened (WM_INITMENUPOPUP reaches the owner
    // window, which calls FillDeferredSubmenu) instead of one by one as items are
    // inserted. The items, their order, ids and handles are the same either way.
    void DeferSubmenu();
    // Makes the native entries of `menu` if it is a deferred submenu not yet filled.
    static void FillDeferredSubmenu(HMENU menu);
    bool SubmenuDeferred() const { return deferred_; }

    // Internal: the native menu that shows this item, and refreshing its entry.
    void AttachTo(TMenuItem* parent);
    HMENU MenuHandleForChildren();
    void UpdateNative();
    void SetRootMenu(TMenu* menu, HMENU handle);

private:
    int NativePosition() const;
    void InsertNative();
    void RemoveNative();
    void FillItemInfo(MENUITEMINFOW& info, std::wstring& text) const;
    void Changed();

    std::wstring caption_;
    bool checked_ = false, radioItem_ = false, enabled_ = true, visible_ = true, default_ = false;
    TShortCut shortCut_ = 0;
    int imageIndex_ = -1;
    UINT command_;
    HMENU handle_ = nullptr;    // owned: the popup of the sub-items (or the root's menu)
    TMenuItem* parent_ = nullptr;
    TMenu* rootOf_ = nullptr;   // set on the root item of a TMenu
    bool deferred_ = false;     // sub-items not yet entered into handle_
    std::vector<TMenuItem*> items_;  // components of their owner; listed here, not owned
};

class TMenu : public TComponent {
    ZUNO_COMPONENT_CLASS(TMenu, TComponent)
public:
    explicit TMenu(TComponent* owner);
    ~TMenu() override;
    TMenuItem* Items() const { return items_; }
    HMENU Handle() const;
    bool OwnerDraw() const { return ownerDraw_; }
    void SetOwnerDraw(bool v);
    TImageList* Images = nullptr;
    bool IsRightToLeft() const { return false; }

    enum class TFindItemKind { fkCommand, fkHandle, fkShortCut };
    TMenuItem* FindItem(UINT_PTR value, TFindItemKind kind) const;
    TMenuItem* FindShortCut(TShortCut sc) const;
    // A change in the items: the owning form redraws its menu bar.
    virtual void Changed() {}

protected:
    TMenuItem* items_;  // the root item; its handle is this menu's handle
    bool ownerDraw_ = false;
};

class TMainMenu : public TMenu {
    ZUNO_COMPONENT_CLASS(TMainMenu, TMenu)
public:
    explicit TMainMenu(TComponent* owner);
    void SetForm(TForm* form) { form_ = form; }
    TForm* Form() const { return form_; }
    void Changed() override;

private:
    TForm* form_ = nullptr;
};

class TPopupMenu : public TMenu {
    ZUNO_COMPONENT_CLASS(TPopupMenu, TMenu)
public:
    explicit TPopupMenu(TComponent* owner);
    void Popup(HWND owner, int x, int y);
};

}  // namespace zuno::forms
