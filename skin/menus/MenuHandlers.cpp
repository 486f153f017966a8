// The frame's menu-item handlers: which items are owner-drawn and by whom, the
// WM_MEASUREITEM / WM_DRAWITEM requests of owner-drawn menus at the frame's window,
// and making a drop-down owner-drawn without losing its texts.
#include <windows.h>

#include "forms/Form.h"
#include "skin/frames/SkinManage.h"
#include "skin/frames/WinSkinData.h"
#include "skin/frames/WinSkinForm.h"
#include "skin/menus/MenuItemPaint.h"
#include "skin/menus/WinSkinMenu.h"
#include "skin/menus/WinSkinPopMenu.h"

namespace zuno::skin::frames {
namespace {

// What an item whose frame is gone still shows: the system's menu look.
void DrawWithoutFrame(forms::TMenuItem* item, HDC dc, RECT r, forms::TOwnerDrawState state) {
    const bool selected = (state & forms::odSelected) != 0;
    FillRect(dc, &r, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_MENU));
    if (item->IsLine()) {
        RECT line{r.left + 2, r.top + 4, r.right - 2, r.top + 6};
        DrawEdge(dc, &line, EDGE_ETCHED, BF_TOP);
        return;
    }
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(!item->Enabled() ? COLOR_GRAYTEXT : selected ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT));
    HGDIOBJ old = SelectObject(dc, menus::MenuFont());
    r.left += 20;
    DrawTextW(dc, item->Caption().c_str(), -1, &r, DT_SINGLELINE | DT_VCENTER);
    SelectObject(dc, old);
}

}  // namespace

void TWinSkinForm::SetItemHandlers(forms::TMenuItem* item, bool popupMeasure) {
    std::shared_ptr<HandlerLink> link = handlerLink_;
    item->OnAdvancedDrawItem = [link](forms::TMenuItem* s, forms::TCanvas& c, RECT r, forms::TOwnerDrawState st) {
        if (link->frame)
            link->frame->DrawMenuItem(s, c, r, st);
        else
            DrawWithoutFrame(s, c.Handle, r, st);
    };
    item->OnMeasureItem = [link, popupMeasure](forms::TMenuItem* s, forms::TCanvas& c, int& w, int& h) {
        if (!link->frame)
            s->DefaultMeasure(c.Handle, w, h);
        else if (popupMeasure)
            link->frame->MeasurePopupItem(s, c, w, h);
        else
            link->frame->MeasureMenuItem(s, c, w, h);
    };
}

void TWinSkinForm::InstallPopupHandlers(forms::TForm* form, bool on) {
    if (!form || !data_ || !data_->SkinControls.Contains(TSkinControlType::xcPopupMenu)) return;
    for (forms::TComponent* c : form->Components()) {
        auto* popup = dynamic_cast<forms::TPopupMenu*>(c);
        if (!popup || popup->Tag % 100 == data_->DisableTag) continue;
        popup->SetOwnerDraw(on);
        std::function<void(forms::TMenuItem*)> walk = [&](forms::TMenuItem* parent) {
            for (int i = 0; i < parent->Count(); ++i) {
                forms::TMenuItem* item = parent->Items(i);
                if (on && !item->OnAdvancedDrawItem) {
                    SetItemHandlers(item, true);
                    popupItems_.push_back(item);
                } else if (!on) {
                    item->OnAdvancedDrawItem = nullptr;
                    if (std::find(popupItems_.begin(), popupItems_.end(), item) != popupItems_.end())
                        item->OnMeasureItem = nullptr;
                }
                walk(item);
            }
        };
        walk(popup->Items());
    }
    if (!on) popupItems_.clear();
}

void TWinSkinForm::InstallMenuHandlers(forms::TMenuItem* item) {
    if (!item) return;
    SetItemHandlers(item, false);
    menuItems_.push_back(item);
    for (int i = 0; i < item->Count(); ++i) InstallMenuHandlers(item->Items(i));
}

void TWinSkinForm::RemoveMenuHandlers() {
    // Items of tool buttons and tool bars may outlive the frame: they must not keep
    // handlers that call it. Items already destroyed are skipped.
    for (forms::TMenuItem* item : menuItems_) {
        if (forms::TMenuItem::FromItemData(reinterpret_cast<ULONG_PTR>(item)) != item) continue;
        item->OnAdvancedDrawItem = nullptr;
        item->OnMeasureItem = nullptr;
    }
    menuItems_.clear();
    popupItems_.clear();
    handlerLink_->frame = nullptr;
    handlerLink_ = std::make_shared<HandlerLink>(HandlerLink{this});
}

void TWinSkinForm::MakeMenuOwnerDraw(HMENU menu) {
    if (!menu) return;
    const int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        MENUITEMINFOW info{sizeof info};
        info.fMask = MIIM_FTYPE;
        if (!GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info) || (info.fType & MFT_OWNERDRAW)) continue;
        // Only the type changes: the text stays, so GetMenuString still finds it.
        info.fMask = MIIM_FTYPE;
        info.fType |= MFT_OWNERDRAW;
        SetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info);
    }
}

LRESULT TWinSkinForm::OnMenuItemDrawing(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_DRAWITEM) {
        auto* dis = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
        if (dis->CtlType != ODT_MENU) return Forward(msg, wParam, lParam);
        HMENU menu = reinterpret_cast<HMENU>(dis->hwndItem);
        menus::LinkPendingWrapper(menu);
        forms::TMenuItem* item = forms::TMenuItem::FromItemData(dis->itemData);
        if (item && item->OnAdvancedDrawItem) {
            item->DoAdvancedDraw(dis->hDC, dis->rcItem, dis->itemState);
            return TRUE;
        }
        if (!menuBar_) return Forward(msg, wParam, lParam);
        const bool selected = (dis->itemState & ODS_SELECTED) != 0;
        if (forms::TMenuItem* found = BarItemByCommand(dis->itemID)) {
            forms::TCanvas canvas;
            canvas.Handle = dis->hDC;
            HGDIOBJ old = SelectObject(dis->hDC, menus::MenuFont());
            if (data_->MenuItem && !data_->MenuItem->Bitmap.Empty())
                DrawMenuItem(found, canvas, dis->rcItem, dis->itemState);
            else
                DrawMenuItemPlain(menus::ViewOfItem(*found, menuBar_->MainMenu()), dis->hDC, selected, dis->rcItem);
            SelectObject(dis->hDC, old);
        } else {
            DrawHandleMenuItem(menu, TempItemFromHandle(menu, dis->itemID), selected, dis->rcItem, dis->hDC);
        }
        return TRUE;
    }
    auto* mis = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
    if (mis->CtlType != ODT_MENU) return Forward(msg, wParam, lParam);
    forms::TMenuItem* item = forms::TMenuItem::FromItemData(mis->itemData);
    forms::TMenuItem* found = menuBar_ ? BarItemByCommand(mis->itemID) : nullptr;
    if (item && (item->OnMeasureItem || !found)) {
        int w = static_cast<int>(mis->itemWidth), h = static_cast<int>(mis->itemHeight);
        item->DoMeasure(menus::MeasuringDc(), w, h);
        mis->itemWidth = static_cast<UINT>(w);
        mis->itemHeight = static_cast<UINT>(h);
        return TRUE;
    }
    if (!menuBar_) return Forward(msg, wParam, lParam);
    if (found) {
        int w = static_cast<int>(mis->itemWidth), h = static_cast<int>(mis->itemHeight);
        HDC dc = menus::MeasuringDc();
        HGDIOBJ old = SelectObject(dc, menus::MenuFont());
        forms::TCanvas canvas;
        canvas.Handle = dc;
        MeasureMenuItem(found, canvas, w, h);
        SelectObject(dc, old);
        mis->itemWidth = static_cast<UINT>(w);
        mis->itemHeight = static_cast<UINT>(h);
    } else {
        MeasureHandleItem(*mis);
    }
    return TRUE;
}

forms::TMenuItem* TWinSkinForm::BarItemByCommand(UINT command) const {
    forms::TMainMenu* main = menuBar_ ? menuBar_->MainMenu() : nullptr;
    if (!main) return nullptr;
    // By the program-wide command table rather than a walk through the whole tree:
    // catalogue menus hold thousands of items.
    forms::TMenuItem* item = forms::TMenuItem::FindByCommand(command);
    return item && item->GetParentMenu() == main ? item : nullptr;
}

}  // namespace zuno::skin::frames
