// Labels, images, timers and the font dialog.
#include "forms/ExtCtrls.h"

#include <commdlg.h>

#include <algorithm>
#include <unordered_map>

#include "forms/Errors.h"
#include "winutil/LateSystemCalls.h"

namespace zuno::forms {

// ---- TCustomLabel -----------------------------------------------------------

namespace {

// One memory DC for measuring text, kept for the life of the process: getting and
// releasing a screen DC for every caption change is slow (under Wine especially).
HDC MeasuringDC() {
    static HDC dc = CreateCompatibleDC(nullptr);
    return dc;
}

}  // namespace

TCustomLabel::TCustomLabel(TComponent* owner) : TGraphicControl(owner) { ParentFont = true; }

void TCustomLabel::SetAutoSize(bool v) {
    autoSize_ = v;
    AdjustBounds();
}

void TCustomLabel::SetWordWrap(bool v) {
    wordWrap_ = v;
    AdjustBounds();
    Invalidate();
}

UINT TCustomLabel::DrawFlags() const {
    UINT flags = DT_EXPANDTABS | DT_NOPREFIX;
    if (wordWrap_) flags |= DT_WORDBREAK;
    if (Alignment == TAlignment::taCenter) flags |= DT_CENTER;
    if (Alignment == TAlignment::taRightJustify) flags |= DT_RIGHT;
    return flags;
}

void TCustomLabel::AdjustBounds() {
    if (!autoSize_ || adjusting_) return;
    adjusting_ = true;
    HDC dc = MeasuringDC();
    HGDIOBJ old = SelectObject(dc, font_.Handle());
    RECT r{0, 0, wordWrap_ ? std::max(width_, 1) : 0x7FFF, 0};
    const std::wstring text = caption_.empty() ? L" " : caption_;
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, DrawFlags() | DT_CALCRECT);
    SelectObject(dc, old);
    SetBounds(left_, top_, wordWrap_ ? width_ : r.right, r.bottom);
    adjusting_ = false;
}

void TCustomLabel::Paint(HDC dc) {
    RECT r{0, 0, width_, height_};
    if (!Transparent) {
        HBRUSH b = CreateSolidBrush(ColorToRGB(color_));
        FillRect(dc, &r, b);
        DeleteObject(b);
    }
    SetBkMode(dc, TRANSPARENT);
    HGDIOBJ old = SelectObject(dc, font_.Handle());
    if (enabled_) {
        SetTextColor(dc, ColorToRGB(TextColorFor(font_.Color)));
        DrawTextW(dc, caption_.c_str(), static_cast<int>(caption_.size()), &r, DrawFlags());
    } else {
        OffsetRect(&r, 1, 1);
        SetTextColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
        DrawTextW(dc, caption_.c_str(), static_cast<int>(caption_.size()), &r, DrawFlags());
        OffsetRect(&r, -1, -1);
        SetTextColor(dc, GetSysColor(COLOR_BTNSHADOW));
        DrawTextW(dc, caption_.c_str(), static_cast<int>(caption_.size()), &r, DrawFlags());
    }
    SelectObject(dc, old);
}

void TCustomLabel::TextChanged() {
    AdjustBounds();
    Invalidate();
}

void TCustomLabel::FontChanged() {
    AdjustBounds();
    Invalidate();
}

void TCustomLabel::BoundsChanged() {
    TGraphicControl::BoundsChanged();
    if (wordWrap_) AdjustBounds();
}

// ---- TImage ---------------------------------------------------------------

TImage::TImage(TComponent* owner) : TGraphicControl(owner) {}

TImage::~TImage() {
    if (bitmap_) DeleteObject(bitmap_);
}

void TImage::SetPicture(int width, int height, const std::uint32_t* pixels) {
    if (bitmap_) DeleteObject(bitmap_);
    bitmap_ = nullptr;
    picWidth_ = picHeight_ = 0;
    if (width > 0 && height > 0 && pixels) {
        BITMAPINFO bi{};
        bi.bmiHeader.biSize = sizeof bi.bmiHeader;
        bi.bmiHeader.biWidth = width;
        bi.bmiHeader.biHeight = -height;  // top-down
        bi.bmiHeader.biPlanes = 1;
        bi.bmiHeader.biBitCount = 32;
        bi.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        bitmap_ = CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
        if (!bitmap_) throw std::runtime_error("无法为图片分配内存");
        std::copy(pixels, pixels + static_cast<size_t>(width) * height, static_cast<std::uint32_t*>(bits));
        picWidth_ = width, picHeight_ = height;
    }
    if (AutoSize && bitmap_) SetBounds(left_, top_, picWidth_, picHeight_);
    Invalidate();
}

void TImage::Paint(HDC dc) {
    if (!bitmap_) return;
    HDC mem = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(mem, bitmap_);
    if (Stretch) {
        SetStretchBltMode(dc, COLORONCOLOR);
        StretchBlt(dc, 0, 0, width_, height_, mem, 0, 0, picWidth_, picHeight_, SRCCOPY);
    } else {
        const int x = Center ? (width_ - picWidth_) / 2 : 0, y = Center ? (height_ - picHeight_) / 2 : 0;
        BitBlt(dc, x, y, picWidth_, picHeight_, mem, 0, 0, SRCCOPY);
    }
    SelectObject(mem, old);
    DeleteDC(mem);
}

// ---- TTimer ---------------------------------------------------------------

namespace {

// Running timers by system timer id.
std::unordered_map<UINT_PTR, TTimer*>& Timers() {
    static std::unordered_map<UINT_PTR, TTimer*> timers;
    return timers;
}

void CALLBACK TimerProc(HWND, UINT, UINT_PTR id, DWORD) {
    auto it = Timers().find(id);
    if (it != Timers().end()) it->second->Tick();
}

}  // namespace

TTimer::TTimer(TComponent* owner, bool enabled) : TComponent(owner), enabled_(enabled) {}

TTimer::~TTimer() { Stop(); }

void TTimer::Stop() {
    if (!systemId_) return;
    Timers().erase(systemId_);
    KillTimer(nullptr, systemId_);
    systemId_ = 0;
}

void TTimer::SetInterval(UINT ms) {
    interval_ = ms;
    Update();
}

void TTimer::SetEnabled(bool v) {
    enabled_ = v;
    Update();
}

void TTimer::Update() {
    // Only a running timer has a system timer, so a timer that never ran costs no call
    // to the system. They are thread timers: no window is needed for them (making one
    // costs Wine a millisecond of start-up), and every message loop here dispatches them.
    Stop();
    if (enabled_ && interval_ > 0 && OnTimer) {
        systemId_ = SetTimer(nullptr, 0, interval_, TimerProc);
        if (systemId_) Timers()[systemId_] = this;
    }
}

void TTimer::Tick() {
    if (enabled_ && OnTimer) Guarded([&] { OnTimer(this); });
}

// ---- TFontDialog ----------------------------------------------------------

namespace {

constexpr int kApplyButton = 0x0402;  // psh3 of the font dialog template

UINT_PTR CALLBACK FontDialogHook(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_INITDIALOG) {
        SetPropW(dialog, L"ZunoFontDialog", reinterpret_cast<HANDLE>(reinterpret_cast<CHOOSEFONTW*>(lParam)->lCustData));
        return TRUE;
    }
    if (msg == WM_COMMAND && LOWORD(wParam) == kApplyButton) {
        if (auto* self = static_cast<TFontDialog*>(GetPropW(dialog, L"ZunoFontDialog")))
            Guarded([&] { self->ApplyPressed(dialog); });
        return TRUE;
    }
    if (msg == WM_DESTROY) RemovePropW(dialog, L"ZunoFontDialog");
    return FALSE;
}

void FontFromLogFont(TFont& font, const LOGFONTW& lf, COLORREF color) {
    font.Name = lf.lfFaceName;
    font.Height = lf.lfHeight;
    font.Charset = lf.lfCharSet;
    font.Style = (lf.lfWeight >= FW_BOLD ? unsigned{fsBold} : 0u) | (lf.lfItalic ? unsigned{fsItalic} : 0u) |
                 (lf.lfUnderline ? unsigned{fsUnderline} : 0u) | (lf.lfStrikeOut ? unsigned{fsStrikeOut} : 0u);
    font.Color = static_cast<TColor>(color);
    font.Changed();
}

}  // namespace

void TFontDialog::ApplyPressed(HWND dialog) {
    LOGFONTW lf{};
    SendMessageW(dialog, WM_CHOOSEFONT_GETLOGFONT, 0, reinterpret_cast<LPARAM>(&lf));
    // The colour combo of the effects group is cmb4 (0x473).
    const LRESULT sel = SendDlgItemMessageW(dialog, 0x473, CB_GETCURSEL, 0, 0);
    COLORREF color = ColorToRGB(Font.Color);
    if (sel != CB_ERR) color = static_cast<COLORREF>(SendDlgItemMessageW(dialog, 0x473, CB_GETITEMDATA, sel, 0));
    FontFromLogFont(Font, lf, color);
    if (OnApply) OnApply(this, dialog);
}

bool TFontDialog::Execute(HWND owner) {
    LOGFONTW lf{};
    lf.lfHeight = Font.Height;
    lf.lfWeight = (Font.Style & fsBold) ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = (Font.Style & fsItalic) ? TRUE : FALSE;
    lf.lfUnderline = (Font.Style & fsUnderline) ? TRUE : FALSE;
    lf.lfStrikeOut = (Font.Style & fsStrikeOut) ? TRUE : FALSE;
    lf.lfCharSet = Font.Charset;
    lstrcpynW(lf.lfFaceName, Font.Name.c_str(), LF_FACESIZE);
    CHOOSEFONTW cf{sizeof cf};
    cf.hwndOwner = owner;
    cf.lpLogFont = &lf;
    cf.Flags = CF_SCREENFONTS | CF_INITTOLOGFONTSTRUCT | Options;
    cf.rgbColors = ColorToRGB(Font.Color);
    cf.lCustData = reinterpret_cast<LPARAM>(this);
    if (Options & CF_APPLY) {
        cf.Flags |= CF_ENABLEHOOK;
        cf.lpfnHook = FontDialogHook;
    }
    if (!winutil::ChooseFontLate(&cf)) return false;
    FontFromLogFont(Font, lf, cf.rgbColors);
    return true;
}

}  // namespace zuno::forms
