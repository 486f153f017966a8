// The check-box and radio-button wrappers: when to repaint and the glyph cell.
#include "skin/controls/SkinChecks.h"

#include "skin/controls/core/PaintRules.h"
#include "skin/draw/Primitives.h"
#include "skin/frames/WinSkinData.h"

namespace zuno::skin::controls {

void TSkinCheckBox::AfterMessage(forms::TMessage& m) {
    switch (m.Msg) {
    case BM_SETCHECK:
    case BM_SETSTATE:
    case BM_SETSTYLE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_UPDATEUISTATE:
    case kMsgExit:
    case kMsgCheckChanged:
        // The button paints its own glyph at once on these: paint ours over it.
        Redraw();
        return;
    }
    TSkinControl::AfterMessage(m);
}

void TSkinCheckBox::Paint(HDC dc, const RECT& rect) {
    if (!SkinData) return;
    const TDataSkinButton& b = SkinData->Buttons;
    const bool checkBox = IsCheckBox();
    const SkinBitmap& strip = checkBox ? b.CheckBitmap : b.RadioBitmap;
    if (strip.Empty()) return;
    const int n = std::max(1, checkBox ? b.CheckFrameCount : b.RadioFrameCount);
    const LRESULT state = SendMessageW(Window, BM_GETSTATE, 0, 0);
    bool checked = checkBox ? (state & BST_CHECKED) != 0 : (SendMessageW(Window, BM_GETCHECK, 0, 0) & BST_CHECKED) != 0;
    const std::wstring property = ReadControlText("Checked");
    if (!property.empty()) checked = _wcsicmp(property.c_str(), L"true") == 0;
    ReadEnabled();
    const int frame = CheckFrame(checkBox, checked, Enabled, (state & BST_INDETERMINATE) != 0, n);
    const bool leftText = (GetWindowLongPtrW(Window, GWL_STYLE) & BS_LEFTTEXT) != 0;
    const CheckGlyphPlace place =
        PlaceCheckGlyph(checkBox, leftText, rect.right - rect.left, rect.bottom - rect.top, strip.Width() / n,
                        strip.Height(), GetSystemMetrics(SM_CXMENUCHECK));
    const RECT erase{rect.left + place.erase.left, rect.top + place.erase.top, rect.left + place.erase.right,
                     rect.top + place.erase.bottom};
    FillFace(dc, erase);
    const RECT glyph{rect.left + place.glyph.left, rect.top + place.glyph.top, rect.left + place.glyph.right,
                     rect.top + place.glyph.bottom};
    DrawOverDc(dc, glyph, [&](SkinBitmap& target, Rect area) {
        DrawFrameStretched(target, area, strip, true, n, frame);
    });
}

}  // namespace zuno::skin::controls
