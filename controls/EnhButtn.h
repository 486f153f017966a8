// Module EnhButtn: check box and radio button that expose the button control's own
// layout styles: word wrap, horizontal and vertical alignment, push-button look and
// a bitmap or icon in place of the caption. The display page shows answers in them.
#pragma once

#include <windows.h>

#include "forms/StdCtrls.h"

namespace zuno::controls {

enum class THorizontalAlignment { haLeft, haCenter, haRight };
enum class TVerticalAlignment { vaTop, vaCenter, vaBottom };

// A bitmap or icon, owned; copying duplicates the handle.
class TButtonPicture {
public:
    TButtonPicture() = default;
    TButtonPicture(const TButtonPicture&) = delete;
    TButtonPicture& operator=(const TButtonPicture&) = delete;
    ~TButtonPicture() { Clear(); }

    bool IsBitmap() const { return bitmap_ != nullptr; }
    bool IsIcon() const { return icon_ != nullptr; }
    bool Empty() const { return !bitmap_ && !icon_; }
    HBITMAP Bitmap() const { return bitmap_; }
    HICON Icon() const { return icon_; }
    // Takes ownership of the handle.
    void SetBitmap(HBITMAP bitmap);
    void SetIcon(HICON icon);
    void Assign(const TButtonPicture& other);
    void Clear();
    std::function<void()> OnChange;

private:
    void ClearHandles();
    HBITMAP bitmap_ = nullptr;
    HICON icon_ = nullptr;
};

// The style bits for the alignment, wrap, look and picture properties.
DWORD EnhancedButtonStyle(THorizontalAlignment h, TVerticalAlignment v, bool wordWrap, bool likeButton,
                          const TButtonPicture& picture);

// Shared by both controls: the properties, their setters and the image handling.
template <typename Base>
class TEnhancedButton : public Base {
public:
    explicit TEnhancedButton(forms::TComponent* owner) : Base(owner) {
        Picture.OnChange = [this] { PictureChanged(); };
    }

    THorizontalAlignment HorAlignment() const { return horAlignment_; }
    TVerticalAlignment VerAlignment() const { return verAlignment_; }
    bool WordWrap() const { return wordWrap_; }
    bool LikeButton() const { return likeButton_; }
    void SetHorAlignment(THorizontalAlignment v) { Set(horAlignment_, v); }
    void SetVerAlignment(TVerticalAlignment v) { Set(verAlignment_, v); }
    void SetWordWrap(bool v) { Set(wordWrap_, v); }
    void SetLikeButton(bool v) { Set(likeButton_, v); }
    void SetPicture(const TButtonPicture& picture) { Picture.Assign(picture); }
    // The style the last window creation computed.
    DWORD StyleCache() const { return styleCache_; }

    TButtonPicture Picture;

protected:
    void CreateParams(forms::TCreateParams& p) override {
        Base::CreateParams(p);
        p.Style |= EnhancedButtonStyle(horAlignment_, verAlignment_, wordWrap_, likeButton_, Picture);
        styleCache_ = p.Style;
    }
    void AfterCreateHandle() override {
        Base::AfterCreateHandle();
        ApplyImage();
    }

private:
    template <typename T>
    void Set(T& field, T value) {
        if (field == value) return;
        field = value;
        this->RecreateWnd();
        ApplyImage();
    }
    void ApplyImage() {
        HWND h = this->HandleIfAllocated();
        if (!h) return;
        if (Picture.IsBitmap()) SendMessageW(h, BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(Picture.Bitmap()));
        else if (Picture.IsIcon()) SendMessageW(h, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(Picture.Icon()));
    }
    void PictureChanged() {
        const DWORD bit = Picture.IsBitmap() ? BS_BITMAP : Picture.IsIcon() ? BS_ICON : 0;
        if (bit == 0 || !(styleCache_ & bit)) this->RecreateWnd();
        ApplyImage();
    }

    THorizontalAlignment horAlignment_ = THorizontalAlignment::haLeft;
    TVerticalAlignment verAlignment_ = TVerticalAlignment::vaCenter;
    bool wordWrap_ = false;
    bool likeButton_ = false;
    DWORD styleCache_ = 0;
};

class TCheckBox95 : public TEnhancedButton<forms::TCheckBox> {
    ZUNO_COMPONENT_CLASS(TCheckBox95, forms::TCheckBox)
public:
    explicit TCheckBox95(forms::TComponent* owner) : TEnhancedButton(owner) {}
};

class TRadioButton95 : public TEnhancedButton<forms::TRadioButton> {
    ZUNO_COMPONENT_CLASS(TRadioButton95, forms::TRadioButton)
public:
    explicit TRadioButton95(forms::TComponent* owner) : TEnhancedButton(owner) {}
};

}  // namespace zuno::controls
