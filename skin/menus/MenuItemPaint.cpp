// Drawing and measuring popup-menu items from the skin: the item's slice of the
// popup's background, the menu-item image (normal or selected frame), the glyph or
// check mark, the caption and the shortcut; separators from the image's frame 2.
#include "skin/menus/MenuItemPaint.h"

#include "skin/draw/Primitives.h"
#include "skin/frames/SkinManage.h"
#include "skin/frames/WinSkinData.h"
#include "skin/frames/WinSkinForm.h"
#include "skin/menus/WinSkinMenu.h"
#include "skin/menus/WinSkinPopMenu.h"
#include "skin/menus/core/PopupMenuLayout.h"

namespace zuno::skin::menus {
namespace {

// One item is composed at a time (the system paints menu items one after another).
frames::DibSurface& ItemSurface() {
    static frames::DibSurface surface;
    return surface;
}

Rect ToRect(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }
RECT ToRECT(const Rect& r) { return {r.left, r.top, r.right, r.bottom}; }

HBITMAP CheckBitmap() {
    static HBITMAP check = LoadBitmapW(nullptr, MAKEINTRESOURCEW(32760));  // OBM_CHECK
    return check;
}

// A monochrome bitmap drawn in `colour` where it is black, leaving the rest.
void DrawMonoTransparent(HDC dc, int x, int y, HBITMAP mono, COLORREF colour) {
    BITMAP bm{};
    if (!GetObjectW(mono, sizeof bm, &bm)) return;
    HDC src = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(src, mono);
    const COLORREF text = SetTextColor(dc, RGB(0, 0, 0));
    const COLORREF back = SetBkColor(dc, RGB(255, 255, 255));
    BitBlt(dc, x, y, bm.bmWidth, bm.bmHeight, src, 0, 0, SRCAND);
    SetTextColor(dc, colour);
    SetBkColor(dc, RGB(0, 0, 0));
    BitBlt(dc, x, y, bm.bmWidth, bm.bmHeight, src, 0, 0, SRCPAINT);
    SetTextColor(dc, text);
    SetBkColor(dc, back);
    SelectObject(src, old);
    DeleteDC(src);
}

void DrawCheckMark(HDC dc, Rect g, int size, bool radio) {
    const COLORREF colour = GetSysColor(COLOR_BTNTEXT);
    if (radio) {
        // A radio item's mark: a round bullet in the middle of the box.
        const int cx = g.left + size / 2, cy = g.top + size / 2;
        HBRUSH brush = CreateSolidBrush(colour);
        HGDIOBJ oldBrush = SelectObject(dc, brush);
        HGDIOBJ oldPen = SelectObject(dc, GetStockObject(NULL_PEN));
        Ellipse(dc, cx - 3, cy - 3, cx + 4, cy + 4);
        SelectObject(dc, oldPen);
        SelectObject(dc, oldBrush);
        DeleteObject(brush);
        return;
    }
    HBITMAP check = CheckBitmap();
    BITMAP bm{};
    if (!check || !GetObjectW(check, sizeof bm, &bm)) return;
    const Point at = CheckMarkOrigin(g, size, bm.bmWidth, bm.bmHeight);
    DrawMonoTransparent(dc, at.x, at.y, check, colour);
}

// The checked look behind an item image: a checkerboard of button face and
// highlight with a sunken edge.
void DrawCheckedImageBox(HDC dc, Rect g) {
    std::uint32_t bits[64];
    const COLORREF a = GetSysColor(COLOR_BTNFACE), b = GetSysColor(COLOR_BTNHIGHLIGHT);
    auto px = [](COLORREF c) { return static_cast<std::uint32_t>(GetRValue(c) << 16 | GetGValue(c) << 8 | GetBValue(c)); };
    for (int i = 0; i < 64; ++i) bits[i] = ((i / 8 + i % 8) % 2) ? px(b) : px(a);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), 8, -8, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    HBITMAP pattern = CreateDIBitmap(dc, &info.bmiHeader, CBM_INIT, bits, &info, DIB_RGB_COLORS);
    HBRUSH brush = CreatePatternBrush(pattern);
    RECT r = ToRECT(g);
    FillRect(dc, &r, brush);
    DeleteObject(brush);
    DeleteObject(pattern);
    DrawEdge(dc, &r, BDR_SUNKENOUTER, BF_RECT);
}

std::wstring MenuString(HMENU menu, UINT id) {
    wchar_t text[81] = {};
    GetMenuStringW(menu, id, text, 80, MF_BYCOMMAND);
    return text;
}

}  // namespace

HFONT MenuFont(bool bold) {
    static HFONT fonts[2] = {};
    HFONT& f = fonts[bold ? 1 : 0];
    if (!f) {
        NONCLIENTMETRICSW ncm{};
        ncm.cbSize = sizeof ncm;
        if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof ncm, &ncm, 0)) {
            if (bold) ncm.lfMenuFont.lfWeight = FW_BOLD;
            f = CreateFontIndirectW(&ncm.lfMenuFont);
        }
    }
    return f ? f : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

HDC MeasuringDc() {
    struct Owned {
        HDC dc = CreateCompatibleDC(nullptr);
        ~Owned() {
            if (dc) DeleteDC(dc);
        }
    };
    static Owned measuring;
    return measuring.dc;
}

MenuItemView ViewOfItem(const forms::TMenuItem& item, const forms::TMenu* fallback) {
    MenuItemView v;
    v.caption = item.Caption();
    v.shortcut = forms::ShortCutToText(item.ShortCut());
    v.enabled = item.Enabled();
    v.checked = item.Checked();
    v.radio = item.RadioItem();
    v.isDefault = item.Default();
    v.imageIndex = item.ImageIndex();
    const forms::TMenu* menu = item.GetParentMenu();
    if (!menu) menu = fallback;
    if (menu) {
        v.images = menu->Images;
        v.rightToLeft = menu->IsRightToLeft();
    }
    return v;
}

}  // namespace zuno::skin::menus

namespace zuno::skin::frames {

using menus::MenuItemView;
using menus::DrawCheckedImageBox;
using menus::DrawCheckMark;
using menus::MenuString;
using menus::ToRECT;
using menus::ToRect;

MenuItemView TWinSkinForm::TempItemFromHandle(HMENU menu, UINT id) {
    MenuItemView v;
    MENUITEMINFOW info{sizeof info};
    info.fMask = MIIM_STATE | MIIM_FTYPE;
    GetMenuItemInfoW(menu, id, FALSE, &info);
    std::wstring text = MenuString(menu, id);
    // The text carries its shortcut after a tab; it is drawn right-aligned.
    if (const auto tab = text.find(L'\t'); tab != std::wstring::npos) {
        v.shortcut = text.substr(tab + 1);
        text.resize(tab);
    }
    v.caption = text.empty() ? L"-" : text;
    v.enabled = !(info.fState & (MFS_GRAYED | MFS_DISABLED));
    v.checked = (info.fState & MFS_CHECKED) != 0;
    v.radio = (info.fType & MFT_RADIOCHECK) != 0;
    v.isDefault = (info.fState & MFS_DEFAULT) != 0;
    return v;
}

void TWinSkinForm::DrawMenuText(const MenuItemView& item, HDC dc, UINT flags, bool selected, RECT& rect,
                                std::wstring text) {
    if ((flags & DT_CALCRECT) && (text.empty() || text == L"&")) text += L' ';
    if (text == L"-") {
        if (flags & DT_CALCRECT) return;
        RECT line = rect;
        OffsetRect(&line, 0, 4);
        DrawEdge(dc, &line, EDGE_ETCHED, BF_TOP);
        return;
    }
    SetBkMode(dc, TRANSPARENT);
    HGDIOBJ old = SelectObject(dc, menus::MenuFont(item.isDefault));
    COLORREF colour;
    if (item.enabled)
        colour = ResolveColour(selected ? data_->HilightTextColour : data_->MenuTextColour);
    else if (data_->ButtonShadowColour == data_->MenuTextColour)
        colour = GetSysColor(COLOR_BTNSHADOW);
    else
        colour = ResolveColour(data_->ButtonShadowColour);
    SetTextColor(dc, colour);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect, flags);
    SelectObject(dc, old);
}

void TWinSkinForm::DrawMenuItemContent(const MenuItemView& item, HDC dc, bool selected, RECT r) {
    const int m = menus::MenuItemLeftMargin(data_->MenuItem.get());
    const bool hasImages = item.images != nullptr;
    const int g = menus::GlyphSize(hasImages ? item.images->Width() : 0, hasImages, item.checked);
    const Rect R = ToRect(r);
    const bool rtl = item.rightToLeft;
    const Rect G = menus::GlyphRect(R, g, m, rtl, item.IsLine());
    if (!item.IsLine()) {
        if (hasImages && item.imageIndex >= 0 && item.imageIndex < item.images->Count()) {
            if (item.checked) DrawCheckedImageBox(dc, G);
            item.images->Draw(dc, G.left, G.top, item.imageIndex, item.enabled);
        } else if (item.checked) {
            DrawCheckMark(dc, G, g, item.radio);
        }
    }
    const Rect T = menus::CaptionRect(R, G, rtl);
    const UINT base = DT_EXPANDTABS | DT_SINGLELINE | (rtl ? DT_RIGHT : 0);
    RECT t = ToRECT(T);
    DrawMenuText(item, dc, base | DT_CALCRECT | DT_NOCLIP, selected, t, item.caption);
    Rect measured = menus::CentreCaption(R, ToRect(t));
    if (rtl) measured.left = T.left, measured.right = T.right;
    t = ToRECT(measured);
    DrawMenuText(item, dc, base, selected, t, item.caption);
    if (item.shortcut.empty() || item.IsLine()) return;
    RECT s = ToRECT(menus::ShortcutRect(R, measured, rtl));
    DrawMenuText(item, dc, DT_EXPANDTABS | DT_SINGLELINE | (rtl ? DT_LEFT : DT_RIGHT), selected, s, item.shortcut);
}

void TWinSkinForm::DrawMenuItemPlain(const MenuItemView& item, HDC dc, bool selected, RECT rect) {
    const int w = rect.right - rect.left, h = rect.bottom - rect.top;
    DibSurface& b = menus::ItemSurface();
    b.Resize(w, h);
    if (b.Empty()) return;
    RECT l{0, 0, w, h};
    HBRUSH brush = CreateSolidBrush(ResolveColour(selected ? data_->HilightColour : data_->MenuColour));
    FillRect(b.Dc(), &l, brush);
    DeleteObject(brush);
    DrawMenuItemContent(item, b.Dc(), selected, l);
    BitBlt(dc, rect.left, rect.top, w, h, b.Dc(), 0, 0, SRCCOPY);
}

bool TWinSkinForm::FillItemBackground(DibSurface& b, HMENU menu, RECT rect) {
    const int w = rect.right - rect.left, h = rect.bottom - rect.top;
    b.Resize(w, h);
    if (b.Empty()) return false;
    menus::TWinSkinPopMenu* wrapper = SkinManager ? SkinManager->MenuWrapperOf(menu) : nullptr;
    if (wrapper && !wrapper->Background().Empty()) {
        // The item's place in the popup window: its client area starts inside the border.
        const POINT o = wrapper->ClientOffset();
        BitBlt(b.Dc(), 0, 0, w, h, wrapper->Background().Dc(), rect.left + o.x, rect.top + o.y, SRCCOPY);
    } else {
        RECT l{0, 0, w, h};
        HBRUSH brush = CreateSolidBrush(ResolveColour(data_->MenuColour));
        FillRect(b.Dc(), &l, brush);
        DeleteObject(brush);
    }
    return true;
}

void TWinSkinForm::DrawItemImage(DibSurface& b, bool selected) {
    const TDataSkinObject& mi = *data_->MenuItem;
    GdiFlush();
    DrawNinePatch(b.Pixels(), b.Pixels().Bounds(), mi.Bitmap, FrameLayout::SideBySide,
                  mi.Tile == 1 ? CentreFill::Tile : CentreFill::Stretch, mi.Trans == 1, 5, selected ? 4 : 1,
                  {mi.LeftWidth, mi.TopHeight, mi.RightWidth, mi.BottomHeight});
}

void TWinSkinForm::DrawMenuItem(forms::TMenuItem* item, forms::TCanvas& canvas, RECT rect,
                                forms::TOwnerDrawState state) {
    const bool selected = (state & forms::odSelected) != 0;
    const forms::TMenu* fallback = menuBar_ ? menuBar_->MainMenu() : nullptr;
    const MenuItemView view = menus::ViewOfItem(*item, fallback);
    if (!data_->MenuItem || data_->MenuItem->Bitmap.Empty()) {
        DrawMenuItemPlain(view, canvas.Handle, selected, rect);
        return;
    }
    HMENU menu = item->Parent() ? item->Parent()->Handle() : nullptr;
    if (menu) menus::LinkPendingWrapper(menu);
    DibSurface& b = menus::ItemSurface();
    if (!FillItemBackground(b, menu, rect)) return;
    RECT l{0, 0, rect.right - rect.left, rect.bottom - rect.top};
    if (view.IsLine()) {
        DrawSkinnedSeparator(b, {0, 0, l.right, l.bottom});
    } else {
        DrawItemImage(b, selected);
        DrawMenuItemContent(view, b.Dc(), selected, l);
    }
    GdiFlush();
    BitBlt(canvas.Handle, rect.left, rect.top, l.right, l.bottom, b.Dc(), 0, 0, SRCCOPY);
}

void TWinSkinForm::DrawHandleMenuItem(HMENU menu, const MenuItemView& item, bool selected, RECT rect, HDC dc) {
    if (!data_->MenuItem || data_->MenuItem->Bitmap.Empty()) {
        DrawMenuItemPlain(item, dc, selected, rect);
        return;
    }
    DibSurface& b = menus::ItemSurface();
    if (!FillItemBackground(b, menu, rect)) return;
    DrawItemImage(b, selected);
    RECT l{0, 0, rect.right - rect.left, rect.bottom - rect.top};
    DrawMenuItemContent(item, b.Dc(), selected, l);
    GdiFlush();
    BitBlt(dc, rect.left, rect.top, l.right, l.bottom, b.Dc(), 0, 0, SRCCOPY);
}

void TWinSkinForm::DrawSkinnedSeparator(DibSurface& target, Rect rect) {
    const TDataSkinObject& mi = *data_->MenuItem;
    const int w = rect.Width(), h = rect.Height();
    if (w <= 0 || h <= 0) return;
    SkinBitmap line(w, h, kKeyPixel);
    for (const menus::Piece& p : menus::SeparatorPieces(mi.Bitmap.Width(), mi.Bitmap.Height(), w, h, mi.LeftWidth,
                                                        mi.RightWidth))
        StretchRect(line, p.to, mi.Bitmap, p.from);
    GdiFlush();
    TransparentBlit(target.Pixels(), rect, line);
}

void TWinSkinForm::MeasurePopupItem(forms::TMenuItem* item, forms::TCanvas& canvas, int& width, int& height) {
    item->DefaultMeasure(canvas.Handle, width, height);
    const forms::TMenu* menu = item->GetParentMenu();
    width = menus::PopupItemWidth(width, menus::MenuItemLeftMargin(data_->MenuItem.get()), menu && menu->Images);
}

void TWinSkinForm::MeasureMenuItem(forms::TMenuItem* item, forms::TCanvas& canvas, int& width, int& height) {
    item->DefaultMeasure(canvas.Handle, width, height);
    const forms::TMenu* menu = item->GetParentMenu();
    width = menus::MenuBarItemWidth(width, menus::MenuItemLeftMargin(data_->MenuItem.get()), menu && menu->Images);
}

void TWinSkinForm::MeasureHandleItem(MEASUREITEMSTRUCT& mis) {
    HMENU menu = openDropDown_ ? openDropDown_ : nativeMenu_;
    const MenuItemView view = TempItemFromHandle(menu, mis.itemID);
    HDC dc = menus::MeasuringDc();
    HGDIOBJ old = SelectObject(dc, menus::MenuFont());
    SIZE caption{}, shortcut{};
    if (!view.IsLine()) GetTextExtentPoint32W(dc, view.caption.c_str(), static_cast<int>(view.caption.size()), &caption);
    if (!view.shortcut.empty())
        GetTextExtentPoint32W(dc, view.shortcut.c_str(), static_cast<int>(view.shortcut.size()), &shortcut);
    SelectObject(dc, old);
    const int text = caption.cx + (shortcut.cx ? shortcut.cx + 20 : 0);
    const bool win9x = (PlatformVersion & 0x80000000u) != 0;
    const menus::ItemSize s = menus::HandleItemSize(text, view.IsLine(), static_cast<int>(mis.itemHeight),
                                                    menus::MenuItemLeftMargin(data_->MenuItem.get()), win9x);
    mis.itemWidth = static_cast<UINT>(s.width);
    mis.itemHeight = static_cast<UINT>(s.height);
}

}  // namespace zuno::skin::frames
