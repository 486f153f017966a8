// Window-less controls painted by their parent (TLabel, TImage) and the non-visual
// components (TTimer, TFontDialog).
#pragma once

#include <windows.h>
#include <commdlg.h>

#include <cstdint>

#include "forms/Control.h"

namespace zuno::forms {

enum class TAlignment { taLeftJustify, taRightJustify, taCenter };

class TCustomLabel : public TGraphicControl {
    ZUNO_COMPONENT_CLASS(TCustomLabel, TGraphicControl)
public:
    explicit TCustomLabel(TComponent* owner);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool v);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool v);
    TAlignment Alignment = TAlignment::taLeftJustify;
    // Sizes the label to its text: with word wrap the width stays and the height
    // follows the text (within Constraints), without it both follow.
    void AdjustBounds();

protected:
    void Paint(HDC dc) override;
    void TextChanged() override;
    void FontChanged() override;
    void BoundsChanged() override;
    UINT DrawFlags() const;

private:
    bool autoSize_ = true;
    bool wordWrap_ = false;
    bool adjusting_ = false;
};

class TLabel : public TCustomLabel {
    ZUNO_COMPONENT_CLASS(TLabel, TCustomLabel)
public:
    explicit TLabel(TComponent* owner) : TCustomLabel(owner) {}
};

class TImage : public TGraphicControl {
    ZUNO_COMPONENT_CLASS(TImage, TGraphicControl)
public:
    explicit TImage(TComponent* owner);
    ~TImage() override;
    // Takes a top-down picture of 32-bit 0x00RRGGBB pixels; an empty picture clears it.
    void SetPicture(int width, int height, const std::uint32_t* pixels);
    void ClearPicture() { SetPicture(0, 0, nullptr); }
    bool HasPicture() const { return bitmap_ != nullptr; }
    int PictureWidth() const { return picWidth_; }
    int PictureHeight() const { return picHeight_; }
    bool AutoSize = false;
    bool Stretch = false;
    bool Center = false;

protected:
    void Paint(HDC dc) override;

private:
    HBITMAP bitmap_ = nullptr;  // owned DIB section
    int picWidth_ = 0, picHeight_ = 0;
};

class TTimer : public TComponent {
    ZUNO_COMPONENT_CLASS(TTimer, TComponent)
public:
    // A timer created disabled stays off until SetEnabled(true), whatever else is set.
    explicit TTimer(TComponent* owner, bool enabled = true);
    ~TTimer() override;
    UINT Interval() const { return interval_; }
    void SetInterval(UINT ms);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool v);
    TNotifyEvent OnTimer;
    void Tick();

private:
    void Stop();
    void Update();
    UINT interval_ = 1000;
    bool enabled_ = true;
    UINT_PTR systemId_ = 0;  // the running system timer, 0 when not running
};

// The font dialog. Options are CF_ flags (CF_ANSIONLY, CF_TTONLY, CF_NOVECTORFONTS,
// CF_EFFECTS, CF_APPLY …); with CF_APPLY, OnApply runs for each press of Apply with
// Font already updated.
class TFontDialog : public TComponent {
    ZUNO_COMPONENT_CLASS(TFontDialog, TComponent)
public:
    explicit TFontDialog(TComponent* owner) : TComponent(owner) {}
    TFont Font;
    DWORD Options = CF_EFFECTS;
    std::function<void(TComponent* sender, HWND dialog)> OnApply;
    // True when the user pressed OK; Font then holds the choice.
    bool Execute(HWND owner);
    void ApplyPressed(HWND dialog);
};

}  // namespace zuno::forms
