// The skinned menu bar: loading the items from the form's main menu, painting the
// bar from the skin (image or plain colour), hot-tracking items, and the frame's
// operations that open drop-downs from the mouse and the keyboard.
#include "skin/menus/WinSkinMenu.h"

#include <algorithm>

#include "skin/draw/Primitives.h"
#include "skin/frames/SkinManage.h"
#include "skin/frames/WinSkinData.h"
#include "skin/frames/WinSkinForm.h"

namespace zuno::skin::menus {
namespace {

// The module's work bitmap for the bar, shared by every frame (one paint at a time).
frames::DibSurface& WorkBitmap() {
    static frames::DibSurface work;
    return work;
}

constexpr UINT kCaptionFormat = DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_EXPANDTABS;

}  // namespace

TMenuBtn::TMenuBtn(TWinSkinMenu& bar, titlebuttons::NCHost& host) : TNCObject(host), bar_(bar) {}

void TMenuBtn::Paint() {
    HWND window = bar_.frame_.Handle;
    if (!window || bar_.background_.Empty()) return;
    HDC dc = GetWindowDC(window);
    if (!dc) return;
    const Rect& bar = bar_.barRect_;
    const int sliceLeft = BoundsRect.left - bar.left;
    BitBlt(dc, BoundsRect.left, bar.top, BoundsRect.Width(), bar.Height(), bar_.background_.Dc(), sliceLeft, 0,
           SRCCOPY);
    RECT r{BoundsRect.left, BoundsRect.top, BoundsRect.right, BoundsRect.bottom};
    if (State == titlebuttons::kStatePressed || State == titlebuttons::kStateOver) {
        HBRUSH frame = CreateSolidBrush(frames::ResolveColour(bar_.data_->ButtonHilightColour));
        FrameRect(dc, &r, frame);
        DeleteObject(frame);
    }
    bar_.DrawCaption(dc, *this, r);
    ReleaseDC(window, dc);
}

TWinSkinMenu::TWinSkinMenu(frames::TWinSkinForm& frame, frames::TSkinData* data) : frame_(frame), data_(data) {}

TWinSkinMenu::~TWinSkinMenu() {
    if (frame_.HotObject && Owns(frame_.HotObject)) frame_.HotObject = nullptr;
    items_.clear();
    if (font_) DeleteObject(font_);
}

bool TWinSkinMenu::Owns(const titlebuttons::TNCObject* object) const {
    return std::any_of(items_.begin(), items_.end(), [&](const auto& i) { return i.get() == object; });
}

void TWinSkinMenu::LoadFromMainMenu() {
    HMENU menu = GetMenu(frame_.Handle);
    if (menu) nativeMenu_ = menu;
    if (!nativeMenu_) return;
    forms::TForm* form = frame_.Form();
    if (!form || !form->Menu()) {
        // A plain window shows its native menu's own items.
        LoadFromMenuHandle(nullptr);
        return;
    }
    mainMenu_ = form->Menu();
    ReadMainMenu(false);
    ::SetMenu(frame_.Handle, nullptr);
}

void TWinSkinMenu::ReloadFromMainMenu() {
    HMENU menu = GetMenu(frame_.Handle);
    if (menu) nativeMenu_ = menu;
    if (!nativeMenu_) return;
    forms::TForm* form = frame_.Form();
    if (!form || !form->Menu()) return;
    mainMenu_ = form->Menu();
    if (mainMenu_->Items()->Count() == 0) return;
    ReadMainMenu(true);
    ::SetMenu(frame_.Handle, nullptr);
    frame_.HotObject = nullptr;
}

void TWinSkinMenu::ReadMainMenu(bool reload) {
    (void)reload;  // the form layer has no actions to ask for an update
    DropItems();
    forms::TMenuItem* root = mainMenu_->Items();
    for (int i = 0; i < root->Count(); ++i) {
        forms::TMenuItem* source = root->Items(i);
        auto item = std::make_unique<TMenuBtn>(*this, frame_);
        item->Index = i;
        item->Caption = source->Caption();
        item->Enabled = source->Enabled();
        item->Visible = source->Visible();
        item->Command = source->Command();
        item->DropDown = source->Count() > 0 ? source->Handle() : nullptr;
        items_.push_back(std::move(item));
    }
}

void TWinSkinMenu::LoadFromMenuHandle(HMENU menu) {
    if (menu) nativeMenu_ = menu;
    if (!nativeMenu_) return;
    const int count = GetMenuItemCount(nativeMenu_);
    if (count <= 0) return;
    forms::TForm* form = frame_.Form();
    if (form && form->Menu()) mainMenu_ = form->Menu();
    DropItems();
    for (int i = 0; i < count; ++i) {
        wchar_t text[81] = {};
        MENUITEMINFOW info{sizeof info};
        info.fMask = MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_STRING | MIIM_FTYPE;
        info.dwTypeData = text;
        info.cch = 80;
        if (!GetMenuItemInfoW(nativeMenu_, static_cast<UINT>(i), TRUE, &info)) continue;
        auto item = std::make_unique<TMenuBtn>(*this, frame_);
        item->Index = static_cast<int>(items_.size());
        item->DropDown = info.hSubMenu;
        item->Enabled = !(info.fState & (MFS_GRAYED | MFS_DISABLED));
        item->Visible = true;
        item->Command = info.wID;
        item->Caption = text;
        // Owner-drawn entries carry no text: the main menu's item of the same id does.
        if (item->Caption.empty() && mainMenu_) {
            forms::TMenuItem* source = forms::TMenuItem::FindByCommand(info.wID);
            if (source && source->GetParentMenu() == mainMenu_ && source->Parent() == mainMenu_->Items()) {
                item->Caption = source->Caption();
                item->Enabled = source->Enabled();
                item->Command = source->Command();
                item->DropDown = source->Count() > 0 ? source->Handle() : nullptr;
            }
        }
        items_.push_back(std::move(item));
    }
    ::SetMenu(frame_.Handle, nullptr);
}

void TWinSkinMenu::DropItems() {
    if (frame_.HotObject && Owns(frame_.HotObject)) frame_.HotObject = nullptr;
    items_.clear();
}

HFONT TWinSkinMenu::MenuFont() {
    if (!font_) {
        NONCLIENTMETRICSW ncm{};
        ncm.cbSize = sizeof ncm;
        if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof ncm, &ncm, 0)) font_ = CreateFontIndirectW(&ncm.lfMenuFont);
    }
    return font_ ? font_ : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

void TWinSkinMenu::DrawCaption(HDC dc, const TMenuBtn& item, RECT r) const {
    if (item.Caption.empty()) return;
    HGDIOBJ old = SelectObject(dc, const_cast<TWinSkinMenu*>(this)->MenuFont());
    const int mode = SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, frames::ResolveColour(item.Enabled ? data_->MenuBarTextColour : data_->ButtonShadowColour));
    DrawTextW(dc, item.Caption.c_str(), static_cast<int>(item.Caption.size()), &r, kCaptionFormat);
    SetBkMode(dc, mode);
    SelectObject(dc, old);
}

void TWinSkinMenu::PaintBar(HDC dc, Rect r) {
    const int width = r.Width(), height = r.Height();
    if (width <= 0 || height <= 0) return;
    frames::DibSurface& work = WorkBitmap();
    work.Resize(width, height);
    if (work.Empty()) return;
    GdiFlush();
    SkinBitmap& pixels = work.Pixels();
    const bool rtl = mainMenu_ && mainMenu_->IsRightToLeft();
    const TDataSkinObject* image = data_->MenuBar.get();
    if (image && !image->Bitmap.Empty()) {
        const int frame = frame_.Active() ? 1 : 2;
        const Margins margins{image->LeftWidth, image->TopHeight, image->RightWidth, image->BottomHeight};
        if (image->Tile == 1)
            DrawNinePatch(pixels, pixels.Bounds(), image->Bitmap, FrameLayout::Stacked, CentreFill::Stretch, false, 2,
                          frame, margins);
        else
            DrawThreePartBar(pixels, pixels.Bounds(), image->Bitmap, FrameLayout::Stacked, false, 2, frame,
                             image->LeftWidth, image->RightWidth);
    } else {
        pixels.Fill(PixelFromTColor(static_cast<TColor>(frames::ResolveColour(data_->MenubarColour))));
    }
    const int start = MenuBarStartOffset(image && !image->Bitmap.Empty() ? image : nullptr, rtl, width);
    barRect_ = r;
    background_.Resize(width, height);
    if (!background_.Empty()) BitBlt(background_.Dc(), 0, 0, width, height, work.Dc(), 0, 0, SRCCOPY);

    HDC wdc = work.Dc();
    HGDIOBJ oldFont = SelectObject(wdc, MenuFont());
    std::vector<MenuBarItemInput> inputs;
    for (const auto& item : items_) {
        SIZE size{};
        if (!item->Caption.empty()) {
            RECT calc{0, 0, 0, 0};
            DrawTextW(wdc, item->Caption.c_str(), static_cast<int>(item->Caption.size()), &calc,
                      DT_CALCRECT | DT_SINGLELINE | DT_EXPANDTABS);
            size.cx = calc.right - calc.left;
        }
        inputs.push_back({static_cast<int>(size.cx), item->Visible, item->Caption.empty()});
    }
    SelectObject(wdc, oldFont);
    const std::vector<Rect> places = LayoutMenuBarItems(inputs, start, width, height, rtl);
    for (std::size_t i = 0; i < items_.size(); ++i) {
        const Rect& p = places[i];
        TMenuBtn& item = *items_[i];
        item.BoundsRect = item.Visible ? Rect{p.left + r.left, p.top + r.top, p.right + r.left, p.bottom + r.top}
                                       : Rect{};
        if (item.Visible) DrawCaption(wdc, item, {p.left, p.top, p.right, p.bottom});
    }
    GdiFlush();
    frame_.PaintMdiButtons(pixels, r);
    BitBlt(dc, r.left, r.top, width, height, wdc, 0, 0, SRCCOPY);
}

TMenuBtn* TWinSkinMenu::ItemAt(POINT p) const {
    for (const auto& item : items_) {
        const Rect& r = item->BoundsRect;
        if (!item->Caption.empty() && p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom)
            return item.get();
    }
    return nullptr;
}

}  // namespace zuno::skin::menus
