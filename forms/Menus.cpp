// Menu items mirrored into native menus entry by entry, so that building a catalogue
// of thousands of items costs one native call per item.
#include "forms/Menus.h"

#include <new>
#include <stdexcept>
#include <unordered_map>
#include <unordered_set>

#include "forms/Form.h"
#include "winutil/LateSystemCalls.h"

namespace zuno::forms {
namespace {

// Menu command ids travel in 16 bits of WM_COMMAND, and ids from 0xF000 up are the
// system commands (SC_CLOSE is 0xF060): a skinned frame re-posts those as
// WM_SYSCOMMAND, so a menu item there could close the window. Ids are handed out
// in [kFirstCommand, kEndCommand), wrapping round and skipping ids still in use.
constexpr UINT kFirstCommand = 100;
constexpr UINT kEndCommand = 0xF000;

// Ids index a flat table rather than a hash map: a catalogue of 10,000 tests then
// costs no heap node per item. The table is committed straight from the system, whose
// fresh pages read as zero until first written, so only the pages of ids actually
// handed out are ever touched (calloc zeroes all 480 KB at once under Wine: 1.5 ms).
struct CommandPool {
    TMenuItem** slots = nullptr;  // [id - kFirstCommand]: the item holding id, or null
    std::size_t used = 0;
    std::unordered_set<const TMenuItem*> live;
    std::unordered_map<HMENU, TMenuItem*> deferred;  // submenus not yet filled
    UINT next = kFirstCommand;

    UINT Take(TMenuItem* item) {
        if (used >= kEndCommand - kFirstCommand) throw std::runtime_error("菜单项太多，无法再添加。");
        if (!slots) {
            slots = static_cast<TMenuItem**>(VirtualAlloc(nullptr, (kEndCommand - kFirstCommand) * sizeof(TMenuItem*),
                                                          MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE));
            if (!slots) throw std::bad_alloc();
        }
        while (slots[next - kFirstCommand]) Advance();
        const UINT id = next;
        Advance();
        slots[id - kFirstCommand] = item;
        ++used;
        live.insert(item);
        return id;
    }
    void Give(UINT id, const TMenuItem* item) {
        slots[id - kFirstCommand] = nullptr;
        --used;
        live.erase(item);
    }
    TMenuItem* Find(UINT id) const {
        return slots && id >= kFirstCommand && id < kEndCommand ? slots[id - kFirstCommand] : nullptr;
    }
    void Advance() { next = next + 1 < kEndCommand ? next + 1 : kFirstCommand; }
};

CommandPool& Pool() {
    static CommandPool pool;
    return pool;
}

std::wstring KeyName(WORD key) {
    if ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9')) return std::wstring(1, static_cast<wchar_t>(key));
    if (key >= VK_F1 && key <= VK_F24) return L"F" + std::to_wstring(key - VK_F1 + 1);
    switch (key) {
    case VK_BACK: return L"BkSp";
    case VK_TAB: return L"Tab";
    case VK_RETURN: return L"Enter";
    case VK_ESCAPE: return L"Esc";
    case VK_SPACE: return L"Space";
    case VK_PRIOR: return L"PgUp";
    case VK_NEXT: return L"PgDn";
    case VK_END: return L"End";
    case VK_HOME: return L"Home";
    case VK_LEFT: return L"Left";
    case VK_UP: return L"Up";
    case VK_RIGHT: return L"Right";
    case VK_DOWN: return L"Down";
    case VK_INSERT: return L"Ins";
    case VK_DELETE: return L"Del";
    }
    return {};
}

}  // namespace

TShortCut ShortCut(WORD key, unsigned shiftState) {
    TShortCut sc = key & 0xFF;
    if (shiftState & 1) sc |= scShift;  // ssShift
    if (shiftState & 4) sc |= scCtrl;   // ssCtrl
    if (shiftState & 2) sc |= scAlt;    // ssAlt
    return sc;
}

std::wstring ShortCutToText(TShortCut sc) {
    const std::wstring name = KeyName(sc & 0xFF);
    if (name.empty()) return {};
    std::wstring text;
    if (sc & scShift) text += L"Shift+";
    if (sc & scCtrl) text += L"Ctrl+";
    if (sc & scAlt) text += L"Alt+";
    return text + name;
}

// ---- TImageList -----------------------------------------------------------

TImageList::TImageList(TComponent* owner, int width, int height)
    : TComponent(owner), width_(width), height_(height) {}

TImageList::~TImageList() {
    if (!list_) return;
    static auto* destroy = winutil::CommonControlsFunction<decltype(ImageList_Destroy)>("ImageList_Destroy");
    if (destroy) destroy(list_);
}

HIMAGELIST TImageList::Handle() const {
    if (made_) return list_;
    made_ = true;
    static auto* create = winutil::CommonControlsFunction<decltype(ImageList_Create)>("ImageList_Create");
    static auto* addMasked = winutil::CommonControlsFunction<decltype(ImageList_AddMasked)>("ImageList_AddMasked");
    if (!create || !addMasked) return nullptr;
    list_ = create(width_, height_, ILC_COLOR32 | ILC_MASK, 4, 4);
    if (!list_ || !resource_) return list_;
    if (auto* strip = static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr), resource_, IMAGE_BITMAP, 0, 0, 0))) {
        addMasked(list_, strip, resourceMask_);
        DeleteObject(strip);
    }
    return list_;
}

void TImageList::AddResourceWhenUsed(const wchar_t* resource, COLORREF mask) {
    resource_ = resource;
    resourceMask_ = mask;
}

int TImageList::Count() const {
    static auto* count = winutil::CommonControlsFunction<decltype(ImageList_GetImageCount)>("ImageList_GetImageCount");
    return Handle() && count ? count(list_) : 0;
}

int TImageList::Add(HBITMAP bitmap) {
    static auto* addMasked = winutil::CommonControlsFunction<decltype(ImageList_AddMasked)>("ImageList_AddMasked");
    return Handle() && addMasked ? addMasked(list_, bitmap, RGB(255, 0, 255)) : -1;
}

void TImageList::Draw(HDC dc, int x, int y, int index, bool enabled) const {
    static auto* draw = winutil::CommonControlsFunction<decltype(ImageList_Draw)>("ImageList_Draw");
    if (!draw || index < 0 || index >= Count()) return;
    draw(list_, index, dc, x, y, enabled ? ILD_TRANSPARENT : (ILD_TRANSPARENT | ILD_BLEND50));
}

// ---- TMenuItem ------------------------------------------------------------

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner), command_(Pool().Take(this)) {}

TMenuItem::~TMenuItem() {
    if (parent_) parent_->Remove(this);
    for (TMenuItem* child : items_) child->parent_ = nullptr;
    items_.clear();
    if (deferred_) Pool().deferred.erase(handle_);
    if (handle_) {
        // Detach the sub-items' popups first: DestroyMenu would take them along.
        while (GetMenuItemCount(handle_) > 0) RemoveMenu(handle_, 0, MF_BYPOSITION);
        DestroyMenu(handle_);
    }
    Pool().Give(command_, this);
}

TMenuItem* TMenuItem::FindByCommand(UINT command) { return Pool().Find(command); }

TMenuItem* TMenuItem::FromItemData(ULONG_PTR data) {
    auto* item = reinterpret_cast<TMenuItem*>(data);
    return Pool().live.count(item) ? item : nullptr;
}

void TMenuItem::DeferSubmenu() {
    if (deferred_ || rootOf_) return;
    MenuHandleForChildren();
    while (GetMenuItemCount(handle_) > 0) RemoveMenu(handle_, 0, MF_BYPOSITION);
    deferred_ = true;
    Pool().deferred[handle_] = this;
}

void TMenuItem::FillDeferredSubmenu(HMENU menu) {
    auto it = Pool().deferred.find(menu);
    if (it == Pool().deferred.end()) return;
    TMenuItem* self = it->second;
    Pool().deferred.erase(it);
    self->deferred_ = false;
    // Appended in order: no position to search for per item.
    UINT pos = 0;
    for (const TMenuItem* item : self->items_) {
        if (!item->visible_) continue;
        MENUITEMINFOW info;
        std::wstring text;
        item->FillItemInfo(info, text);
        InsertMenuItemW(menu, pos++, TRUE, &info);
    }
}

TMenu* TMenuItem::GetParentMenu() const {
    const TMenuItem* i = this;
    while (i->parent_) i = i->parent_;
    return i->rootOf_;
}

void TMenuItem::SetRootMenu(TMenu* menu, HMENU handle) {
    rootOf_ = menu;
    handle_ = handle;
}

int TMenuItem::IndexOf(const TMenuItem* item) const {
    for (size_t i = 0; i < items_.size(); ++i) {
        if (items_[i] == item) return static_cast<int>(i);
    }
    return -1;
}

int TMenuItem::NativePosition() const {
    int pos = 0;
    for (const TMenuItem* sibling : parent_->items_) {
        if (sibling == this) return pos;
        if (sibling->visible_) ++pos;
    }
    return -1;
}

HMENU TMenuItem::MenuHandleForChildren() {
    if (!handle_) handle_ = CreatePopupMenu();
    return handle_;
}

void TMenuItem::FillItemInfo(MENUITEMINFOW& info, std::wstring& text) const {
    const TMenu* menu = GetParentMenu();
    info = MENUITEMINFOW{sizeof info};
    info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_DATA;
    info.fType = IsLine() ? MFT_SEPARATOR : MFT_STRING;
    if (radioItem_) info.fType |= MFT_RADIOCHECK;
    // A main menu's first level is the bar itself; a popup menu's first level is
    // already inside the popup.
    const bool inPopup = parent_ && (parent_->parent_ || (menu && menu->Is<TPopupMenu>()));
    if (menu && menu->OwnerDraw() && inPopup) info.fType |= MFT_OWNERDRAW;
    info.fState = (checked_ ? MFS_CHECKED : 0) | (enabled_ ? 0 : MFS_DISABLED) | (default_ ? MFS_DEFAULT : 0);
    info.wID = command_;
    info.hSubMenu = items_.empty() ? nullptr : handle_;
    info.dwItemData = reinterpret_cast<ULONG_PTR>(this);
    if (!IsLine()) {
        text = caption_;
        if (shortCut_) text += L"\t" + ShortCutToText(shortCut_);
        info.fMask |= MIIM_STRING;
        info.dwTypeData = text.data();
        info.cch = static_cast<UINT>(text.size());
    }
}

void TMenuItem::InsertNative() {
    if (!parent_ || !visible_ || parent_->deferred_) return;
    MENUITEMINFOW info;
    std::wstring text;
    FillItemInfo(info, text);
    InsertMenuItemW(parent_->MenuHandleForChildren(), static_cast<UINT>(NativePosition()), TRUE, &info);
}

void TMenuItem::RemoveNative() {
    if (!parent_ || !visible_ || !parent_->handle_ || parent_->deferred_) return;
    RemoveMenu(parent_->handle_, static_cast<UINT>(NativePosition()), MF_BYPOSITION);
}

void TMenuItem::UpdateNative() {
    if (!parent_ || !visible_ || !parent_->handle_ || parent_->deferred_) return;
    MENUITEMINFOW info;
    std::wstring text;
    FillItemInfo(info, text);
    SetMenuItemInfoW(parent_->handle_, static_cast<UINT>(NativePosition()), TRUE, &info);
}

void TMenuItem::Changed() {
    // Only the menu bar's own entries matter to the form.
    const bool topLevel = rootOf_ || (parent_ && parent_->rootOf_);
    if (!topLevel) return;
    if (TMenu* menu = GetParentMenu(); menu && !menu->Destroying()) menu->Changed();
}

void TMenuItem::Insert(int index, TMenuItem* item) {
    if (item->parent_) item->parent_->Remove(item);
    index = std::max(0, std::min(index, Count()));
    items_.insert(items_.begin() + index, item);
    item->parent_ = this;
    MenuHandleForChildren();
    item->InsertNative();
    if (items_.size() == 1) {
        // Now it opens a submenu: a menu bar drawn by someone else must learn that.
        UpdateNative();
        Changed();
    }
    item->Changed();
}

void TMenuItem::Remove(TMenuItem* item) {
    const int i = IndexOf(item);
    if (i < 0) return;
    item->RemoveNative();
    items_.erase(items_.begin() + i);
    item->parent_ = nullptr;
    if (items_.empty()) UpdateNative();
    Changed();
}

void TMenuItem::Clear() {
    while (!items_.empty()) delete items_.back();
}

void TMenuItem::SetCaption(const std::wstring& caption) {
    if (caption_ == caption) return;
    SetCaption(std::wstring(caption));
}

void TMenuItem::SetCaption(std::wstring&& caption) {
    if (caption_ == caption) return;
    caption_ = std::move(caption);
    UpdateNative();
    Changed();
}

void TMenuItem::SetChecked(bool v) {
    if (checked_ == v) return;
    checked_ = v;
    if (v && radioItem_ && parent_) {
        for (TMenuItem* s : parent_->items_) {
            if (s != this && s->radioItem_ && s->GroupIndex == GroupIndex && s->checked_) s->SetChecked(false);
        }
    }
    UpdateNative();
}

void TMenuItem::SetRadioItem(bool v) {
    radioItem_ = v;
    UpdateNative();
}

void TMenuItem::SetEnabled(bool v) {
    if (enabled_ == v) return;
    enabled_ = v;
    UpdateNative();
    Changed();
}

void TMenuItem::SetVisible(bool v) {
    if (visible_ == v) return;
    if (v) {
        visible_ = true;
        InsertNative();
    } else {
        RemoveNative();
        visible_ = false;
    }
    Changed();
}

void TMenuItem::SetDefault(bool v) {
    default_ = v;
    UpdateNative();
}

void TMenuItem::SetShortCut(TShortCut sc) {
    shortCut_ = sc;
    UpdateNative();
}

void TMenuItem::SetImageIndex(int i) {
    imageIndex_ = i;
    UpdateNative();
}

void TMenuItem::Click() {
    if (enabled_ && OnClick) OnClick(this);
}

void TMenuItem::DoAdvancedDraw(HDC dc, RECT rect, TOwnerDrawState state) {
    TCanvas canvas;
    canvas.Handle = dc;
    if (OnAdvancedDrawItem) {
        OnAdvancedDrawItem(this, canvas, rect, state);
        return;
    }
    const bool selected = state & odSelected;
    FillRect(dc, &rect, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_MENU));
    if (IsLine()) {
        RECT line{rect.left + 2, (rect.top + rect.bottom) / 2 - 1, rect.right - 2, (rect.top + rect.bottom) / 2 + 1};
        DrawEdge(dc, &line, EDGE_ETCHED, BF_TOP);
        return;
    }
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(!enabled_ ? COLOR_GRAYTEXT : selected ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT));
    RECT text = rect;
    text.left += GetSystemMetrics(SM_CXMENUCHECK) + 4;
    DrawTextW(dc, caption_.c_str(), -1, &text, DT_SINGLELINE | DT_VCENTER);
    if (shortCut_) {
        text.right -= 8;
        DrawTextW(dc, ShortCutToText(shortCut_).c_str(), -1, &text, DT_SINGLELINE | DT_VCENTER | DT_RIGHT);
    }
}

void TMenuItem::DoMeasure(HDC dc, int& width, int& height) {
    if (OnMeasureItem) {
        TCanvas canvas;
        canvas.Handle = dc;
        OnMeasureItem(this, canvas, width, height);
        return;
    }
    DefaultMeasure(dc, width, height);
}

void TMenuItem::DefaultMeasure(HDC dc, int& width, int& height) const {
    // Measured in the menu font: owner-drawn items are drawn in it, and a narrower
    // measuring font would clip their text.
    static HFONT font = [] {
        NONCLIENTMETRICSW ncm{};
        ncm.cbSize = sizeof ncm;
        return SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof ncm, &ncm, 0) ? CreateFontIndirectW(&ncm.lfMenuFont)
                                                                                     : nullptr;
    }();
    SIZE size{};
    HGDIOBJ old = SelectObject(dc, font ? static_cast<HGDIOBJ>(font) : GetStockObject(DEFAULT_GUI_FONT));
    std::wstring text = caption_;
    if (shortCut_) text += L"      " + ShortCutToText(shortCut_);
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(dc, old);
    width = size.cx + GetSystemMetrics(SM_CXMENUCHECK) + 8;
    height = IsLine() ? 8 : std::max<int>(size.cy + 6, GetSystemMetrics(SM_CYMENU));
}

// ---- TMenu ----------------------------------------------------------------

TMenu::TMenu(TComponent* owner) : TComponent(owner), items_(new TMenuItem(this)) {}

TMenu::~TMenu() {
    // The root item (and any item owned here) goes while this is still a menu: items
    // tell their menu about their removal.
    DestroyComponents();
}

HMENU TMenu::Handle() const { return items_->Handle(); }

void TMenu::SetOwnerDraw(bool v) {
    if (ownerDraw_ == v) return;
    ownerDraw_ = v;
    std::function<void(TMenuItem*)> walk = [&](TMenuItem* item) {
        for (int i = 0; i < item->Count(); ++i) {
            item->Items(i)->UpdateNative();
            walk(item->Items(i));
        }
    };
    walk(items_);
}

TMenuItem* TMenu::FindItem(UINT_PTR value, TFindItemKind kind) const {
    std::function<TMenuItem*(TMenuItem*)> walk = [&](TMenuItem* item) -> TMenuItem* {
        for (int i = 0; i < item->Count(); ++i) {
            TMenuItem* c = item->Items(i);
            const bool hit = kind == TFindItemKind::fkCommand   ? c->Command() == value
                             : kind == TFindItemKind::fkHandle  ? reinterpret_cast<UINT_PTR>(c->Handle()) == value
                                                                : c->ShortCut() == value;
            if (hit && (kind != TFindItemKind::fkHandle || c->Handle())) return c;
            if (TMenuItem* found = walk(c)) return found;
        }
        return nullptr;
    };
    return walk(items_);
}

TMenuItem* TMenu::FindShortCut(TShortCut sc) const {
    if (!sc) return nullptr;
    std::function<TMenuItem*(TMenuItem*)> walk = [&](TMenuItem* item) -> TMenuItem* {
        for (int i = 0; i < item->Count(); ++i) {
            TMenuItem* c = item->Items(i);
            if (!c->Visible() || !c->Enabled()) continue;
            if (c->ShortCut() == sc) return c;
            if (TMenuItem* found = walk(c)) return found;
        }
        return nullptr;
    };
    return walk(items_);
}

TMainMenu::TMainMenu(TComponent* owner) : TMenu(owner) { items_->SetRootMenu(this, CreateMenu()); }

void TMainMenu::Changed() {
    if (form_) form_->MenuChanged();
}

TPopupMenu::TPopupMenu(TComponent* owner) : TMenu(owner) { items_->SetRootMenu(this, CreatePopupMenu()); }

void TPopupMenu::Popup(HWND owner, int x, int y) {
    TrackPopupMenu(Handle(), TPM_LEFTALIGN | TPM_RIGHTBUTTON, x, y, 0, owner, nullptr);
}

}  // namespace zuno::forms
