// Style mapping and the owned picture of the enhanced buttons.
#include "controls/EnhButtn.h"

namespace zuno::controls {

DWORD EnhancedButtonStyle(THorizontalAlignment h, TVerticalAlignment v, bool wordWrap, bool likeButton,
                          const TButtonPicture& picture) {
    DWORD style = 0;
    if (wordWrap) style |= BS_MULTILINE;
    if (likeButton) style |= BS_PUSHLIKE;
    switch (h) {
    case THorizontalAlignment::haLeft: style |= BS_LEFT; break;
    case THorizontalAlignment::haCenter: style |= BS_CENTER; break;
    case THorizontalAlignment::haRight: style |= BS_RIGHT; break;
    }
    switch (v) {
    case TVerticalAlignment::vaTop: style |= BS_TOP; break;
    case TVerticalAlignment::vaCenter: style |= BS_VCENTER; break;
    case TVerticalAlignment::vaBottom: style |= BS_BOTTOM; break;
    }
    if (picture.IsBitmap()) style |= BS_BITMAP;
    else if (picture.IsIcon()) style |= BS_ICON;
    return style;
}

void TButtonPicture::ClearHandles() {
    if (bitmap_) DeleteObject(bitmap_);
    if (icon_) DestroyIcon(icon_);
    bitmap_ = nullptr;
    icon_ = nullptr;
}

void TButtonPicture::SetBitmap(HBITMAP bitmap) {
    ClearHandles();
    bitmap_ = bitmap;
    if (OnChange) OnChange();
}

void TButtonPicture::SetIcon(HICON icon) {
    ClearHandles();
    icon_ = icon;
    if (OnChange) OnChange();
}

void TButtonPicture::Clear() {
    const bool had = !Empty();
    ClearHandles();
    if (had && OnChange) OnChange();
}

void TButtonPicture::Assign(const TButtonPicture& other) {
    if (&other == this) return;
    ClearHandles();
    if (other.bitmap_) bitmap_ = static_cast<HBITMAP>(CopyImage(other.bitmap_, IMAGE_BITMAP, 0, 0, 0));
    if (other.icon_) icon_ = CopyIcon(other.icon_);
    if (OnChange) OnChange();
}

}  // namespace zuno::controls
