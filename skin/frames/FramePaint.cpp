// Painting a skinned frame: border pieces blitted straight to the window, the
// caption strip (top piece, title text, title buttons) composed off-screen and
// copied in one blit, the menu-bar strip handed over; and the window region cut
// from the transparent pixels of the border pieces and the painted caption.
#include <algorithm>

#include "skin/draw/Primitives.h"
#include "skin/frames/SkinManage.h"
#include "skin/frames/WinSkinData.h"
#include "skin/frames/WinSkinForm.h"
#include "skin/frames/core/CaptionLayout.h"
#include "skin/menus/WinSkinMenu.h"

namespace zuno::skin::frames {
namespace {

// Releases a window DC taken for painting.
struct WindowDc {
    HWND window;
    HDC dc;
    bool owned;
    ~WindowDc() {
        if (owned && dc) ReleaseDC(window, dc);
    }
};

}  // namespace

SkinBitmap TWinSkinForm::ComposePiece(int index, int width, int height) const {
    const TDataSkinBorder* piece = index == 1   ? &data_->LeftBorder
                                   : index == 2 ? &data_->RightBorder
                                   : index == 3 ? &data_->TopBorder
                                                : &data_->BottomBorder;
    if (width <= 0 || height <= 0 || piece->Bitmap.Empty()) return SkinBitmap(std::max(width, 0), std::max(height, 0));
    const int frames = std::max(1, piece->FrameCount);
    const int frame = (active_ || frames == 1) ? 1 : 2;
    const FrameLayout layout = index <= 2 ? FrameLayout::SideBySide : FrameLayout::Stacked;
    const CentreFill centre = piece->Tile == 1 ? CentreFill::Stretch : CentreFill::Tile;
    const Margins margins{piece->LeftWidth, piece->TopHeight, piece->RightWidth, piece->BottomHeight};
    return ComposeNinePatch(width, height, piece->Bitmap, margins, layout, centre, frames, frame);
}

void TWinSkinForm::PaintBorderPiece(HDC dc, int index, Rect rect, SkinBitmap* keep) {
    if (rect.Width() < 0 || rect.Height() < 0) return;
    SkinBitmap image = ComposePiece(index, rect.Width(), rect.Height());
    BlitBitmap(dc, rect.left, rect.top, image);
    if (keep) *keep = std::move(image);
}

LRESULT TWinSkinForm::OnNcPaint(WPARAM wParam) {
    if (data_->FramePaintEnabled == 0) return 0;
    if ((kind_ == FrameKind::MdiChild && state_ != WindowState::Normal) || border_ == BorderKind::None)
        return Forward(WM_NCPAINT, wParam, 0);
    HDC dc = nullptr;
    if (wParam > 1) {
        // GetDCEx takes ownership of the clip region, and the region in wParam belongs
        // to whoever sent the message: hand it a copy.
        HRGN clip = CreateRectRgn(0, 0, 0, 0);
        if (clip && CombineRgn(clip, reinterpret_cast<HRGN>(wParam), nullptr, RGN_COPY) != ERROR)
            dc = GetDCEx(Handle, clip, DCX_WINDOW | DCX_INTERSECTRGN | DCX_CACHE | 0x10000 /* DCX_USESTYLE */);
        if (!dc && clip) DeleteObject(clip);
    }
    PaintFrame(dc);
    if (dc) ReleaseDC(Handle, dc);
    return 0;
}

void TWinSkinForm::PaintFrame(HDC given) {
    if (lifecycle_ != lsSkinned && lifecycle_ != lsRefreshing) return;
    if (border_ == BorderKind::None || (kind_ == FrameKind::MdiChild && state_ != WindowState::Normal)) return;
    if (!data_) return;
    WindowDc dc{Handle, given, false};
    if (!dc.dc) {
        dc.dc = GetWindowDC(Handle);
        dc.owned = true;
    }
    if (!dc.dc) return;
    try {
        RECT wr{};
        GetWindowRect(Handle, &wr);
        paintRect_ = wr;
        const int w = wr.right - wr.left;
        const int h = wr.bottom - wr.top;
        SkinBitmap leftImage, rightImage;
        PaintBorderPiece(dc.dc, 1, {0, 0, m_.left, h}, &leftImage);
        PaintBorderPiece(dc.dc, 2, {w - m_.right, 0, w, h}, &rightImage);
        PaintBorderPiece(dc.dc, 4, {m_.left, h - m_.bottom, w - m_.right, h}, nullptr);
        PaintCaption(dc.dc, w, leftImage, rightImage);
        if (menuBar_ && menuBarHeight_ > 0)
            menuBar_->PaintBar(dc.dc, {m_.left, m_.top, w - m_.right, m_.top + menuBarHeight_});
    } catch (...) {
        // A painting error leaves the frame as painted so far.
    }
    HotObject = nullptr;
}

void TWinSkinForm::PaintCaption(HDC dc, int w, const SkinBitmap& leftImage, const SkinBitmap& rightImage) {
    if (m_.top <= 0 || w <= 0) return;
    caption_.Resize(w, m_.top);
    if (caption_.Empty()) return;
    SkinBitmap& pixels = caption_.Pixels();
    GdiFlush();
    pixels.Fill(0);
    // The upper ends of the left and right pieces, as just painted.
    CopyRect(pixels, 0, 0, leftImage, {0, 0, leftImage.Width(), std::min(m_.top, leftImage.Height())});
    CopyRect(pixels, w - m_.right, 0, rightImage, {0, 0, rightImage.Width(), std::min(m_.top, rightImage.Height())});
    const SkinBitmap top = ComposePiece(3, w - m_.left - m_.right, m_.top);
    CopyRect(pixels, m_.left, 0, top, top.Bounds());
    // Windows sets some titles without a WM_SETTEXT reaching the window procedure
    // (an MDI parent's "<title> - [<child>]" while a child is maximised).
    text_ = ReadWindowText(Handle);
    PaintCaptionText(caption_.Dc(), pixels, w);
    LayoutTitleButtons();
    PaintTitleButtons(caption_.Dc(), pixels);
    GdiFlush();
    if (dc) {
        BitBlt(dc, 0, 0, w, m_.top, caption_.Dc(), 0, 0, SRCCOPY);
        SetBkMode(dc, OPAQUE);
    }
    captionPainted_ = true;
}

void TWinSkinForm::ComposeCaption() {
    if (!data_ || border_ == BorderKind::None) return;
    RECT wr{};
    GetWindowRect(Handle, &wr);
    try {
        PaintCaption(nullptr, wr.right - wr.left, SkinBitmap{}, SkinBitmap{});
    } catch (...) {
        // The outline then comes from the top piece alone.
        captionPainted_ = false;
    }
}

void TWinSkinForm::PaintCaptionText(HDC cdc, SkinBitmap& pixels, int w) {
    const Rect area{m_.left, 0, w - m_.right, m_.top};
    HGDIOBJ oldFont = SelectObject(cdc, captionFont_ ? captionFont_ : GetStockObject(DEFAULT_GUI_FONT));
    const int oldMode = SetBkMode(cdc, TRANSPARENT);
    struct Restore {
        HDC dc;
        HGDIOBJ font;
        int mode;
        ~Restore() {
            SetBkMode(dc, mode);
            SelectObject(dc, font);
        }
    } restore{cdc, oldFont, oldMode};
    SetTextColor(cdc, ResolveColour(active_ ? data_->TitleTextActiveColour : data_->TitleTextNoActiveColour));
    const std::wstring measured = L"   " + text_;
    RECT t{area.left, area.top, area.left, area.top};
    DrawTextW(cdc, measured.c_str(), static_cast<int>(measured.size()), &t, DT_CALCRECT | DT_NOCLIP | DT_SINGLELINE);
    CaptionLayoutInput in;
    in.area = area;
    in.textWidth = t.right - t.left;
    in.textHeight = t.bottom - t.top;
    in.rightToLeft = rtl_;
    in.popup = (style_ & WS_POPUP) != 0;
    in.largestRightButtonLeft = largestRightLeft_;
    const CaptionTextLayout layout = LayoutCaptionText(in, data_->Title);
    titleRect_ = layout.back;
    const SkinBitmap& back = data_->Title.Bitmap;
    if (!back.Empty()) {
        GdiFlush();
        DrawThreePartBar(pixels, {layout.back.left, area.top, layout.back.right, area.bottom}, back,
                         FrameLayout::Stacked, true, 2, active_ ? 1 : 2, data_->Title.TXTBackleft,
                         data_->Title.TXTBackRight);
    }
    const std::wstring shown = L"  " + text_;
    RECT r{layout.text.left, layout.text.top, layout.text.right, layout.text.bottom};
    DrawTextW(cdc, shown.c_str(), static_cast<int>(shown.size()), &r,
              DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX | (rtl_ ? DT_RIGHT : 0));
}

void TWinSkinForm::UpdateRegion() {
    if (lifecycle_ == lsDead || !data_) return;
    RECT wr{};
    GetWindowRect(Handle, &wr);
    const int w = wr.right - wr.left;
    const int h = wr.bottom - wr.top;
    if (w * h == 0) return;
    if (kind_ == FrameKind::MdiChild && state_ != WindowState::Normal) return;
    if (w == lastRegionSize_.cx && h == lastRegionSize_.cy && kind_ != FrameKind::MdiChild && lifecycle_ != lsRefreshing)
        return;
    regionSet_ = false;
    ++regionBuilds_;
    const bool anyTrans = data_->LeftBorder.Trans != 0 || data_->RightBorder.Trans != 0 ||
                          data_->TopBorder.Trans != 0 || data_->BottomBorder.Trans != 0;
    if (!anyTrans) {
        if (SetWindowRgn(Handle, CreateRectRgn(0, 0, w, h), !deferRedraw_)) regionSet_ = true;
        return;
    }
    lastRegionSize_ = {w, h};
    GdiObject<HRGN> region(CreateRectRgn(m_.left, m_.top, w - m_.right, h - m_.bottom));
    if (border_ != BorderKind::None) {
        auto add = [&](HRGN part) {
            if (!part) return;
            CombineRgn(region.Get(), region.Get(), part, RGN_OR);
            DeleteObject(part);
        };
        if (data_->LeftBorder.Trans == 1 && h > 1)
            add(RegionFromBitmap(ComposePiece(1, m_.left, h), 0, 0));
        else
            add(CreateRectRgn(0, 0, m_.left, h));
        if (data_->RightBorder.Trans == 1 && h > 1)
            add(RegionFromBitmap(ComposePiece(2, m_.right, h), w - m_.right, 0));
        else
            add(CreateRectRgn(w - m_.right, 0, w, h));
        if (data_->BottomBorder.Trans == 1 && m_.bottom >= 2)
            add(RegionFromBitmap(ComposePiece(4, w - m_.left - m_.right, m_.bottom), m_.left, h - m_.bottom));
        else
            add(CreateRectRgn(m_.left, h - m_.bottom, w - m_.right, h));
        const int cw = w - m_.left - m_.right;
        if (data_->TopBorder.Trans == 1 && m_.top > 1 && cw > 0) {
            SkinBitmap top;
            if (captionPainted_ && caption_.Width() == w && caption_.Height() == m_.top) {
                GdiFlush();
                top = SkinBitmap(cw, m_.top);
                CopyRect(top, 0, 0, caption_.Pixels(), {m_.left, 0, w - m_.right, m_.top});
            } else {
                top = ComposePiece(3, cw, m_.top);
            }
            add(RegionFromBitmap(top, m_.left, 0));
        } else {
            add(CreateRectRgn(m_.left, 0, w - m_.right, m_.top));
        }
    }
    // Once set, the region belongs to the window system: never delete it.
    if (SetWindowRgn(Handle, region.Get(), !deferRedraw_)) {
        region.Release();
        regionSet_ = true;
    }
}

void TWinSkinForm::RemoveRegion() {
    if (!regionSet_) return;
    caption_.Clear();
    captionPainted_ = false;
    SetWindowRgn(Handle, nullptr, FALSE);
    regionSet_ = false;
    lastRegionSize_ = {-1, -1};
}

}  // namespace zuno::skin::frames
