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
    if (!form || !form->Menu()) return;
    mainMenu_ = form->Menu();
    if (frame_.HotObject && Owns(frame_.HotObject)) frame_.HotObject = nullptr;
    items_.clear();
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
    ::SetMenu(frame_.Handle, nullptr);
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

namespace zuno::skin::frames {

void TWinSkinForm::OpenMenuItem(menus::TMenuBtn* item) {
    if (!item) return;
    PostMessageW(Handle, WM_COMMAND, item->Command, 0);
    if (!item->DropDown) return;
    RECT wr{};
    GetWindowRect(Handle, &wr);
    MenuTracking = true;
    if (item->Enabled) {
        // Notifications stay on: catalogue drop-downs may be filled as they open.
        TrackPopupMenu(item->DropDown, TPM_RIGHTBUTTON, item->BoundsRect.left + wr.left,
                       item->BoundsRect.bottom + wr.top, 0, Handle, nullptr);
    }
    MenuTracking = false;
    // The item no longer looks pressed once its drop-down has closed.
    if (menuBar_ && HotObject == item) {
        POINT cursor{};
        GetCursorPos(&cursor);
        const POINT p = ScreenToWindow(cursor);
        const Rect& r = item->BoundsRect;
        if (p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom)
            item->MouseUp();
        else
            item->MouseLeave();
    }
}

void TWinSkinForm::ClickMenuItem(menus::TMenuBtn* item) {
    RECT wr{};
    GetWindowRect(Handle, &wr);
    PostMessageW(Handle, WM_NCLBUTTONDOWN, 1,
                 MAKELPARAM(item->BoundsRect.left + wr.left + 1, item->BoundsRect.top + wr.top + 1));
}

menus::TMenuBtn* TWinSkinForm::FindAccelItem(wchar_t key) const {
    if (!menuBar_) return nullptr;
    const wchar_t wanted = key < 0x80 ? static_cast<wchar_t>(towupper(key)) : key;
    for (const auto& item : menuBar_->Items())
        if (item->Enabled && menus::AccelChar(item->Caption) == wanted) return item.get();
    return nullptr;
}

bool TWinSkinForm::DialogChar(forms::TMessage& m) {
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    menus::TMenuBtn* item = FindAccelItem(static_cast<wchar_t>(m.WParam));
    const bool altOnly = (keys[VK_MENU] & 0x80) && !(keys[VK_SHIFT] & 0x80) && !(keys[VK_CONTROL] & 0x80) &&
                         !(keys[VK_LBUTTON] & 0x80) && !(keys[VK_RBUTTON] & 0x80) && !(keys[VK_MBUTTON] & 0x80);
    if (!item || !altOnly) return false;
    ClickMenuItem(item);
    m.Result = 1;
    return true;
}

}  // namespace zuno::skin::frames
