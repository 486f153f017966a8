// Module WinSubClass: TSkinControl, the base of every control wrapper. A wrapper
// puts itself in front of a control's message handling (the control object's handler,
// or the window procedure of a plain window), lets the control do its own work and
// paints over it, or instead of it, from the skin's data objects.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "forms/Control.h"
#include "forms/Messages.h"
#include "forms/Properties.h"
#include "skin/draw/Bitmap.h"

namespace zuno::skin {
class TDataSkinObject;
}

namespace zuno::skin::frames {
class TSkinData;
class TWinSkinForm;
class DibSurface;
}  // namespace zuno::skin::frames

namespace zuno::skin::controls {

using frames::TSkinData;
using frames::TWinSkinForm;

// The control framework's notifications the wrappers react to.
inline constexpr UINT kMsgMouseEnter = forms::CM_MOUSEENTER;       // 0xB013
inline constexpr UINT kMsgMouseLeave = forms::CM_MOUSELEAVE;       // 0xB014
inline constexpr UINT kMsgEnabledChanged = forms::CM_ENABLEDCHANGED;  // 0xB00C
inline constexpr UINT kMsgExit = forms::CM_EXIT;                   // 0xB01B
inline constexpr UINT kMsgRelease = forms::CM_RELEASE;             // 0xB021
// A check or radio button's look may have changed (its check state was set).
inline constexpr UINT kMsgCheckChanged = 0xB0D0;

// MouseState bits.
inline constexpr std::uint8_t kHot = 1, kPressed = 2;

class TSkinControl : public forms::TComponent {
    ZUNO_COMPONENT_CLASS(TSkinControl, forms::TComponent)
public:
    // States: created, attached, colour given back, dead (its window is gone).
    enum : std::uint8_t { stCreated = 0, stAttached = 1, stColourRestored = 2, stDead = 6 };

    // `owner`: the wrapped control (the wrapper dies with it), or null when the frame
    // owns the wrapper.
    explicit TSkinControl(forms::TComponent* owner);
    ~TSkinControl() override;

    std::uint8_t MouseState = 0;            // kHot, kPressed
    frames::DibSurface* WorkCanvas = nullptr;  // lent by the frame
    bool Enabled = true;                    // the window lacks WS_DISABLED
    bool Focused = false;                   // the window has the keyboard focus
    std::wstring Caption;                   // window text, up to 1000 characters
    WNDPROC SavedWindowProc = nullptr;      // set while this subclasses a window
    TSkinData* SkinData = nullptr;          // borrowed
    HWND Window = nullptr;
    forms::TWndMethod SavedControlHandler;  // the control's handler before ours
    forms::TControl* Control = nullptr;     // the wrapped object, null for plain windows
    RECT LastWindowRect{};                  // screen rectangle at the last paint
    forms::TControl* GraphicControl = nullptr;  // the wrapped window-less control
    bool OwnsColour = false;
    forms::TColor SavedColour = 0;
    bool Attached = false;
    std::uint8_t State = stCreated;
    TWinSkinForm* Frame = nullptr;          // the frame that lists this wrapper

    // Virtual slots.
    virtual void AttachToControl(TWinSkinForm* frame, TSkinData* data, bool ownsColour, frames::DibSurface* canvas);
    virtual void AttachToWindow(HWND window, TSkinData* data, TWinSkinForm* frame, frames::DibSurface* canvas);
    virtual void RestoreControl();
    // True lets the message go on to the control and then to AfterMessage.
    virtual bool BeforeMessage(forms::TMessage& m);
    virtual void AfterMessage(forms::TMessage& m);
    virtual void PaintWindow(HDC dc);
    virtual void Paint(HDC dc, const RECT& rect) {}
    virtual void Refresh();
    // Set on the up-down wrapper of an edit's spin button: it draws inset in the edit.
    virtual void SetInset(bool inset) {}

    void HandleMessage(forms::TMessage& m);
    void CallDefault(forms::TMessage& m);
    void Redraw();
    void FillFace(HDC dc, const RECT& rect);
    // A published property of the wrapped control (or window-less control) by name.
    std::optional<forms::TPropertyValue> ReadControlProperty(std::string_view name) const;
    // The property as text: a string, an enumeration name or a number; empty when
    // the control has none.
    std::wstring ReadControlText(std::string_view name) const;
    std::int64_t ReadControlInt(std::string_view name) const;

    // Frame k of n of the object, as a nine-patch over the rectangle of the DC, with
    // the key colour transparent when the object says so.
    void DrawSkinObject(HDC dc, const RECT& rect, int n, int k, const TDataSkinObject& object);
    // The caption centred (DT_CENTER) or aligned and vertically centred.
    static void DrawCaptionCentred(HDC dc, const RECT& rect, UINT alignment, bool enabled, const std::wstring& text);

    // The wrapper of a window subclassed by a wrapper, or null.
    static TSkinControl* FromWindow(HWND window);

    struct Link;  // what the installed handler or window procedure holds

protected:
    COLORREF Colour(std::int32_t skinColour) const;
    std::wstring ReadWindowText() const;
    void ReadEnabled();
    // The skin's face colour on the control (and its text colour on text over it), and back.
    // The control paints through an off-screen buffer; and that buffer covers the
    // whole window (no border outside the client area).
    bool Buffered() const;
    bool PaintsInBuffer() const;
    void ApplyFaceColour();
    void GiveBackColour();
    // The frame's slot for the hovered push button of a plain window.
    TSkinControl* HoveredButton() const;
    void SetHoveredButton(TSkinControl* c);

private:
    static LRESULT CALLBACK WrapperWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    void ReleaseHandler();
    void ReleaseWindow();
    std::shared_ptr<Link> link_;  // shared with the installed handler or procedure
    bool released_ = false;       // the control has gone; nothing of it may be touched
};

}  // namespace zuno::skin::controls

namespace zuno::skin::controls {

// Draws with the portable primitives over what the DC shows at the rectangle: the
// pixels are read into an off-screen DIB, `draw` paints on them (in coordinates of
// the rectangle's size) and they go back in one copy, through the DC's clip region.
void DrawOverDc(HDC dc, const RECT& rect, const std::function<void(SkinBitmap& target, Rect area)>& draw);

}  // namespace zuno::skin::controls
