// Header items from the skin's Headerbar, and the icon-and-text placement.
#include "skin/commonctrls/SkinHeader.h"

#include <algorithm>

#include "skin/draw/Primitives.h"
#include "skin/frames/GdiSurface.h"
#include "skin/frames/WinSkinData.h"
#include "winutil/LateSystemCalls.h"

namespace zuno::skin::controls {

using namespace commonctrls;

void DrawIconAndText(HDC dc, const RECT& a, TextAlign align, const std::wstring& text, int image,
                     HIMAGELIST images, bool enabled) {
    // A header with images exists only once comctl32 is loaded.
    static auto* iconSize = winutil::CommonControlsFunction<decltype(ImageList_GetIconSize)>("ImageList_GetIconSize");
    static auto* draw = winutil::CommonControlsFunction<decltype(ImageList_Draw)>("ImageList_Draw");
    int cx = 0, cy = 0;
    if (images && iconSize) iconSize(images, &cx, &cy);
    const bool icon = images && image != -1;
    RECT measured = a;
    int tw = 0, th = 0;
    if (!text.empty()) {
        DrawTextW(dc, text.c_str(), -1, &measured,
                  DT_SINGLELINE | DT_EXPANDTABS | DT_END_ELLIPSIS | DT_CALCRECT | DT_NOCLIP);
        tw = measured.right - measured.left;
        th = measured.bottom - measured.top;
    }
    const IconTextPlace p = PlaceIconAndText({a.left, a.top, a.right, a.bottom}, align, icon, cx, tw, th);
    if (icon && draw) draw(images, image, dc, p.iconX, p.iconY, ILD_TRANSPARENT);
    if (text.empty()) return;
    RECT t{p.textX, p.textY, p.textRight, p.textY + th};
    SetBkMode(dc, TRANSPARENT);
    if (!enabled) SetTextColor(dc, GetSysColor(COLOR_BTNSHADOW));
    DrawTextW(dc, text.c_str(), -1, &t, DT_SINGLELINE | DT_EXPANDTABS | DT_END_ELLIPSIS);
}

namespace {

bool UsableHeaderbar(const TSkinData* skin) {
    return skin && skin->Headerbar && !skin->Headerbar->Bitmap.Empty();
}

// Frame 1 of the Headerbar composed at the rectangle's size, copied opaque.
void DrawHeaderFrame(HDC dc, const RECT& r, const TDataSkinObject& o) {
    const int w = r.right - r.left, h = r.bottom - r.top;
    if (w <= 0 || h <= 0) return;
    const SkinBitmap image = ComposeNinePatch(w, h, o.Bitmap, {o.LeftWidth, o.TopHeight, o.RightWidth, o.BottomHeight},
                                              FrameLayout::SideBySide, o.Tile == 1 ? CentreFill::Tile : CentreFill::Stretch,
                                              o.FrameCount, 1);
    frames::BlitBitmap(dc, r.left, r.top, image);
}

}  // namespace

bool TSkinHeader::BeforeMessage(forms::TMessage& m) {
    if (m.Msg == WM_ERASEBKGND && UsableHeaderbar(SkinData)) {
        m.Result = 1;
        return false;
    }
    return TSkinControl::BeforeMessage(m);
}

void TSkinHeader::Paint(HDC dc, const RECT& rect) {
    if (!UsableHeaderbar(SkinData) || !Window) return;
    const TDataSkinObject& bar = *SkinData->Headerbar;
    frames::DibSurface buffer;
    buffer.Resize(rect.right, rect.bottom);
    if (buffer.Empty()) return;
    HDC b = buffer.Dc();
    HGDIOBJ oldFont = SelectObject(b, reinterpret_cast<HFONT>(SendMessageW(Window, WM_GETFONT, 0, 0)));
    SetBkMode(b, TRANSPARENT);
    // The items' text colour of the skin, so dark header images keep readable captions.
    SetTextColor(b, Colour(bar.NormalColour2));
    auto images = reinterpret_cast<HIMAGELIST>(SendMessageW(Window, HDM_GETIMAGELIST, 0, 0));
    const int n = static_cast<int>(SendMessageW(Window, HDM_GETITEMCOUNT, 0, 0));
    int rightmost = rect.left;
    for (int i = 0; i < n; ++i) {
        RECT item{};
        if (!SendMessageW(Window, HDM_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item))) continue;
        rightmost = std::max<int>(rightmost, item.right);
        DrawHeaderFrame(b, item, bar);
        wchar_t text[201]{};
        HDITEMW hd{};
        hd.mask = HDI_TEXT | HDI_FORMAT | HDI_IMAGE;
        hd.pszText = text;
        hd.cchTextMax = 201;
        SendMessageW(Window, HDM_GETITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&hd));
        if (text[0] == 0) continue;
        const auto format = static_cast<std::uint32_t>(hd.fmt);
        DrawIconAndText(b, item, HeaderAlign(format), text, HeaderImage(format, hd.iImage), images, Enabled);
    }
    if (rightmost < rect.right) DrawHeaderFrame(b, {rightmost, rect.top, rect.right, rect.bottom}, bar);
    SelectObject(b, oldFont);
    GdiFlush();
    BitBlt(dc, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, b, 0, 0, SRCCOPY);
}

}  // namespace zuno::skin::controls
